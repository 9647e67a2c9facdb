#include "print_window.h"

#include "detail_window.h"
#include "field_table_frame.h"
#include "slip_models.h"
#include "slip_pictures.h"

#include "core/program_state.h"
#include "core/ticket_file.h"
#include "widgets/icons.h"
#include "widgets/row_grid.h"
#include "widgets/window_help.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kb {

namespace {

// Questions of the geometry as message boxes of this window.
class FensterRueckfrage final : public Rueckfrage {
public:
    FensterRueckfrage(Dialogs& d, QWidget* w) : m_d(d), m_w(w) {}
    void information(const QString& t) override { m_d.information(m_w, t); }
    void hinweis(const QString& t) override { m_d.zeige(m_w, Nachricht::Bestaetigung, t, Knoepfe::Ok); }
    bool bestaetigt(const QString& t) override {
        return m_d.frage(m_w, t, Knoepfe::JaNeinAbbrechen) == Antwort::Ja;
    }
    void fehler(const QString& t) override { m_d.fehler(m_w, t); }

private:
    Dialogs& m_d;
    QWidget* m_w;
};

QLabel* text(const QString& t, QWidget* eltern, bool umbruch = true) {
    auto* l = new QLabel(t, eltern);
    l->setWordWrap(umbruch);
    return l;
}

QToolButton* hilfeKnopf(QWidget* eltern, Help* hilfe, int kontext) {
    auto* k = new QToolButton(eltern);
    k->setIcon(symbolIcon(Symbol::Hilfe));
    k->setIconSize(QSize(14, 14));
    k->setAutoRaise(true);
    k->setToolTip(QStringLiteral("Hilfe"));
    k->setProperty("hilfeKontext", kontext);
    QObject::connect(k, &QToolButton::clicked, eltern,
                     [eltern, hilfe, kontext] { hilfe->thema(eltern, kontext); });
    return k;
}

// A group box whose title row carries a help button at its right end.
class HilfeGruppe final : public QGroupBox {
public:
    HilfeGruppe(const QString& titel, QWidget* eltern, Help* hilfe, int kontext, const QString& name)
        : QGroupBox(titel, eltern), m_knopf(hilfeKnopf(this, hilfe, kontext)) {
        setObjectName(name);
        m_knopf->setObjectName(name + QStringLiteral("Hilfe"));
    }

protected:
    void resizeEvent(QResizeEvent* e) override {
        QGroupBox::resizeEvent(e);
        m_knopf->resize(m_knopf->sizeHint());
        m_knopf->move(width() - m_knopf->width() - 2, 0);
        m_knopf->raise();
    }

private:
    QToolButton* m_knopf;
};

QGroupBox* gruppe(const QString& titel, QWidget* eltern, Help* hilfe, int kontext, const QString& name) {
    return new HilfeGruppe(titel, eltern, hilfe, kontext, name);
}

std::optional<int> optZahl(const QString& t) {
    return t.isEmpty() ? std::nullopt : GanzzahlAusText(t);
}

} // namespace

TFDruck::TFDruck(Dienste& dienste, QWidget* eltern) : QWidget(eltern, Qt::Window), m_dienste(dienste) {
    setObjectName(QStringLiteral("FDruck"));
    setWindowTitle(FensterTitel());
    setFixedSize(ClientBreite, ClientHoehe);

    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 4);
    haupt->setSpacing(4);

    auto* leiste = new QToolBar(this);
    leiste->setObjectName(QStringLiteral("Tool1"));
    leiste->setIconSize(QSize(24, 24));
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto aktion = [&](const QString& name, Symbol s, const QString& t) {
        QAction* a = leiste->addAction(symbolIcon(s), t);
        leiste->widgetForAction(a)->setObjectName(name);
        return a;
    };
    QAction* schliessen = aktion(QStringLiteral("BClose"), Symbol::Schliessen, QString());
    schliessen->setToolTip(QStringLiteral("Schließen"));
    QAction* oeffnen =
        aktion(QStringLiteral("BOpen"), Symbol::Oeffnen, QStringLiteral("Scheinformat öffnen..."));
    QAction* speichern =
        aktion(QStringLiteral("Bsave"), Symbol::Speichern, QStringLiteral("Scheinformat speichern..."));
    auto* datei = new QWidget(leiste);
    auto* dateiL = new QVBoxLayout(datei);
    dateiL->setContentsMargins(12, 0, 12, 0);
    dateiL->setSpacing(0);
    dateiL->addWidget(text(QStringLiteral("Datei"), datei, false));
    LDatei = text(QString(), datei, false);
    LDatei->setObjectName(QStringLiteral("LDatei"));
    LDatei->setMinimumWidth(200);
    QFont fett = LDatei->font();
    fett.setBold(true);
    LDatei->setFont(fett);
    dateiL->addWidget(LDatei);
    leiste->addWidget(datei);
    QAction* detailZeigen =
        aktion(QStringLiteral("BDetailZeigen"), Symbol::Statistik, QStringLiteral("Alle A-Werte anzeigen"));
    auto* abstand = new QWidget(leiste);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    leiste->addWidget(abstand);
    QAction* hilfe = aktion(QStringLiteral("BHelp"), Symbol::Hilfe, QString());
    hilfe->setToolTip(QStringLiteral("Hilfe"));
    haupt->addWidget(leiste);

    auto* spalten = new QHBoxLayout;
    spalten->setContentsMargins(6, 0, 6, 0);
    spalten->setSpacing(6);
    spalten->addWidget(geometrieSpalte());
    spalten->addWidget(feldSpalte());
    spalten->addWidget(zusatzSpalte());
    spalten->addWidget(reihenSpalte(), 1);
    haupt->addLayout(spalten, 1);

    connect(schliessen, &QAction::triggered, this, &QWidget::close);
    connect(oeffnen, &QAction::triggered, this, &TFDruck::BOpenClick);
    connect(speichern, &QAction::triggered, this, &TFDruck::BsaveClick);
    connect(detailZeigen, &QAction::triggered, this, &TFDruck::BDetailZeigenClick);
    connect(hilfe, &QAction::triggered, this, [this] { m_dienste.hilfe->thema(this, HilfeKontext); });
    hilfeAnbinden(this, m_dienste.hilfe, HilfeKontext);

    connect(&m_geometrie, &Scheingeometrie::zustandGeaendert, this, [this] {
        BUndo->setEnabled(m_geometrie.rueckgaengigMoeglich());
        BUndo->setText(m_geometrie.rueckgaengigText());
    });
    m_detail = new TFDetail(m_dienste, m_geometrie, this);
    streifenAnpassen();
}

TFDruck::~TFDruck() {
    // The tables show the geometry, a member: they go before it does.
    delete m_detail;
    delete m_streifen;
}

QLineEdit* TFDruck::zahlFeld(const QString& name, int breite, bool minus, bool tab, int laenge) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setFixedWidth(breite);
    e->setMaxLength(laenge);
    e->setAlignment(Qt::AlignRight);
    e->installEventFilter(new ZiffernFilter(e, minus, tab));
    const QString muster = minus ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*");
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(muster), e));
    return e;
}

QWidget* TFDruck::geometrieSpalte() {
    auto* w = new QWidget(this);
    w->setFixedWidth(212);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);
    auto* wichtig =
        text(QStringLiteral("Bitte unbedingt beachten: alle Maße sind in 10tel Millimeter anzugeben!"), w);
    wichtig->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    l->addWidget(wichtig);
    l->addWidget(
        text(QStringLiteral("Ist z. B. der Kästchen-Abstand von 1 bis 9 29 mm, ist für B die Zahl 290 "
                            "einzutragen."),
             w));
    auto* bildZeile = new QHBoxLayout;
    bildZeile->addWidget(new MassBild(w));
    bildZeile->addWidget(hilfeKnopf(w, m_dienste.hilfe, HilfeFormat), 0, Qt::AlignTop);
    l->addLayout(bildZeile);

    l->addWidget(text(QStringLiteral("Kästchen-Abstände:"), w, false));
    auto* abstaende = new QHBoxLayout;
    abstaende->addWidget(text(QStringLiteral("B ="), w, false));
    eAbstandh = zahlFeld(QStringLiteral("eAbstandh"), 38, false, false, 3);
    eAbstandh->setText(QStringLiteral("222"));
    abstaende->addWidget(eAbstandh);
    abstaende->addWidget(text(QStringLiteral("C ="), w, false));
    eAbstandv = zahlFeld(QStringLiteral("eAbstandv"), 38, false, false, 3);
    eAbstandv->setText(QStringLiteral("240"));
    abstaende->addWidget(eAbstandv);
    abstaende->addStretch(1);
    l->addLayout(abstaende);

    l->addWidget(text(QStringLiteral("Anordnung und Anzahl der Tippfelder"), w));
    auto* rg = new QGroupBox(w);
    rg->setObjectName(QStringLiteral("RG1"));
    auto* rgL = new QGridLayout(rg);
    rgL->setContentsMargins(6, 4, 6, 4);
    RG1 = new QButtonGroup(rg);
    for (int i = 0; i < AnordnungAnzahl; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(Anordnungen[i].titel), rg);
        r->setObjectName(QStringLiteral("RG1_%1").arg(i));
        RG1->addButton(r, i);
        rgL->addWidget(r, i / 2, i % 2);
    }
    connect(RG1, &QButtonGroup::idClicked, this, [this] {
        streifenAnpassen();
        anzahlStill();
    });
    l->addWidget(rg);

    auto* nr = gruppe(QStringLiteral("Tippschein-Nummern-Druck"), w, m_dienste.hilfe, HilfeOptionen,
                      QStringLiteral("PNr"));
    auto* nrL = new QGridLayout(nr);
    nrL->setContentsMargins(6, 6, 6, 4);
    cbNr = new QCheckBox(QStringLiteral("Nr. drucken"), nr);
    cbNr->setObjectName(QStringLiteral("cbNr"));
    nrL->addWidget(cbNr, 0, 0, 1, 4);
    nrL->addWidget(text(QStringLiteral("Start-Nr.:"), nr, false), 1, 0, 1, 2);
    ENr = zahlFeld(QStringLiteral("ENr"), 44);
    ENr->setText(QStringLiteral("1"));
    nrL->addWidget(ENr, 1, 3);
    nrL->addWidget(text(QStringLiteral("x ="), nr, false), 2, 0);
    ENrx = zahlFeld(QStringLiteral("ENrx"), 44);
    ENrx->setText(QStringLiteral("700"));
    nrL->addWidget(ENrx, 2, 1);
    nrL->addWidget(text(QStringLiteral("y ="), nr, false), 2, 2);
    ENry = zahlFeld(QStringLiteral("ENry"), 44);
    ENry->setText(QStringLiteral("130"));
    nrL->addWidget(ENry, 2, 3);
    l->addWidget(nr);
    l->addStretch(1);
    return w;
}

QWidget* TFDruck::feldSpalte() {
    auto* w = new QWidget(this);
    w->setFixedWidth(300);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(3);
    auto* hinweise = gruppe(QStringLiteral("Sparen Sie unnötigen Aufwand:"), w, m_dienste.hilfe, HilfeFormat,
                            QStringLiteral("PHinweise"));
    auto* hL = new QVBoxLayout(hinweise);
    hL->setContentsMargins(6, 4, 6, 4);
    hL->setSpacing(2);
    QFont klein = font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    for (const QString& t :
         {QStringLiteral(
              "Beide Koordinaten (x,y) für den A-Wert sind jeweils nur für das Kästchen \"1\" des ersten "
              "Tippfeldes einer Reihe anzugeben. Ansonsten reicht die x-Koordinate."),
          QStringLiteral(
              "Sind z. B. 12 Tippfelder in zwei Reihen angeordnet, ist die y-Koordinate nur für die Zahl "
              "1 des ersten und die Zahl 1 des siebten Tippfeldes anzugeben."),
          QStringLiteral("Die x-Koordinaten sind nur jeweils für die Zahl 1 der Tippfelder der ersten Reihe "
                         "anzugeben."),
          QStringLiteral("Anschließend \"Automatisch ausfüllen\" klicken")}) {
        QLabel* h = text(t, hinweise);
        h->setFont(klein);
        hL->addWidget(h);
    }
    l->addWidget(hinweise);
    auto* nur = text(QStringLiteral("Nur für Zahl 1 Angaben machen!"), w, false);
    nur->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    l->addWidget(nur);

    m_streifen = new QScrollArea(w);
    m_streifen->setObjectName(QStringLiteral("ScrollBox1"));
    m_streifen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_streifen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_felderFlaeche = new QWidget;
    for (int k = 0; k < MaxTippfelder; ++k) {
        m_felder[k] = new TFfrDruck(m_geometrie, k + 1, m_felderFlaeche);
        m_felder[k]->move(k * (TFfrDruck::Breite + 3), 0);
    }
    const int hoehe = m_felder[0]->sizeHint().height();
    m_felderFlaeche->setFixedHeight(hoehe);
    m_streifen->setWidget(m_felderFlaeche);
    m_streifen->setFixedHeight(hoehe + m_streifen->horizontalScrollBar()->sizeHint().height() + 4);
    l->addWidget(m_streifen);

    auto* knoepfe = new QHBoxLayout;
    BAutoFill = new QPushButton(QStringLiteral("Automatisch ausfüllen"), w);
    BAutoFill->setObjectName(QStringLiteral("BAutoFill"));
    BUndo = new QPushButton(QStringLiteral("Ausfüllen rückgängig"), w);
    BUndo->setObjectName(QStringLiteral("BUndo"));
    BUndo->setEnabled(false);
    knoepfe->addWidget(BAutoFill);
    knoepfe->addWidget(BUndo);
    l->addLayout(knoepfe);
    BDel = new QPushButton(QStringLiteral("  Felder  1 - 18"), w);
    BDel->setObjectName(QStringLiteral("BDel"));
    BDel->setIcon(symbolIcon(Symbol::Loeschen));
    l->addWidget(BDel);
    l->addWidget(text(QStringLiteral("Nach dem autom. Ausfüllen und Angabe der B- und C-Abstände:"), w));
    BExtrahieren = new QPushButton(QStringLiteral("A-Werte extrahieren"), w);
    BExtrahieren->setObjectName(QStringLiteral("BExtrahieren"));
    BExtrahieren->setEnabled(false);
    l->addWidget(BExtrahieren);
    l->addStretch(1);
    l->addWidget(new BeispielBild(w));
    l->addWidget(text(QStringLiteral("Beispiel für 12 Tippfelder in 2 Reihen (8 Einträge)"), w));

    connect(BAutoFill, &QPushButton::clicked, this, &TFDruck::BAutoFillClick);
    connect(BUndo, &QPushButton::clicked, this, &TFDruck::BUndoClick);
    connect(BDel, &QPushButton::clicked, this, &TFDruck::BDelClick);
    connect(BExtrahieren, &QPushButton::clicked, this, &TFDruck::BExtrahierenClick);
    return w;
}

QWidget* TFDruck::zusatzSpalte() {
    auto* w = new QWidget(this);
    w->setFixedWidth(222);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    auto* zus = gruppe(QStringLiteral("Zusatzspiele etc."), w, m_dienste.hilfe, HilfeOptionen,
                       QStringLiteral("PZus"));
    auto* g = new QGridLayout(zus);
    g->setContentsMargins(4, 8, 4, 4);
    g->setHorizontalSpacing(2);
    g->setVerticalSpacing(2);
    g->addWidget(text(QStringLiteral("x"), zus, false), 0, 3, Qt::AlignCenter);
    g->addWidget(text(QStringLiteral("y"), zus, false), 0, 4, Qt::AlignCenter);
    const QStringList namen{QStringLiteral("Spiel77"), QStringLiteral("Super6"), QStringLiteral("Joker1"),
                            QStringLiteral("Joker2")};
    int zeile = 1;
    const auto koordinaten = [&](int marke, int position) {
        for (int achse = 1; achse <= 2; ++achse) {
            const int i = ZusatzIndex(marke, position, achse);
            EZus[i] = zahlFeld(QStringLiteral("EZus%1%2%3").arg(marke).arg(position).arg(achse), 44);
            g->addWidget(EZus[i], zeile, 2 + achse);
        }
    };
    for (int i = 1; i <= 6; ++i) {
        cbZus[i - 1] = new QCheckBox(i <= 4   ? QStringLiteral("ja")
                                     : i == 5 ? QStringLiteral("Laufzeit")
                                              : QStringLiteral("Ziehungstag(e)"),
                                     zus);
        cbZus[i - 1]->setObjectName(QStringLiteral("cbZus%1").arg(i));
        if (i <= 4) {
            QLabel* spiel = text(namen[i - 1], zus, false);
            spiel->setMinimumWidth(spiel->sizeHint().width());
            g->addWidget(spiel, zeile, 0);
            g->addWidget(cbZus[i - 1], zeile, 1);
            g->addWidget(text(QStringLiteral("ja:"), zus, false), zeile, 2, Qt::AlignRight);
            koordinaten(i, 1);
            ++zeile;
            g->addWidget(text(QStringLiteral("nein:"), zus, false), zeile, 2, Qt::AlignRight);
            koordinaten(i, 2);
        } else {
            g->addWidget(cbZus[i - 1], zeile, 0, 1, 3);
            koordinaten(i, 1);
        }
        ++zeile;
    }
    const std::array<std::pair<int, int>, 8> anfang{{{ZusatzIndex(1, 1, 1), 192},
                                                     {ZusatzIndex(1, 1, 2), 1995},
                                                     {ZusatzIndex(1, 2, 1), 230},
                                                     {ZusatzIndex(1, 2, 2), 1995},
                                                     {ZusatzIndex(2, 1, 1), 302},
                                                     {ZusatzIndex(2, 1, 2), 1995},
                                                     {ZusatzIndex(2, 2, 1), 340},
                                                     {ZusatzIndex(2, 2, 2), 1995}}};
    for (const auto& [i, v] : anfang)
        EZus[i]->setText(QString::number(v));
    for (int marke = 5; marke <= 6; ++marke) {
        EZus[ZusatzIndex(marke, 1, 1)]->setText(QStringLiteral("192"));
        EZus[ZusatzIndex(marke, 1, 2)]->setText(QStringLiteral("1995"));
    }
    QLabel* joker = text(QStringLiteral("Joker 1 und 2 können für beliebige Kreuze genutzt werden, z. B. "
                                        "Glücksspirale"),
                         zus);
    g->addWidget(joker, zeile, 0, 1, 5);
    l->addWidget(zus);

    auto* korr = gruppe(QStringLiteral("Ausdruck-Korrektur in 0,1 mm"), w, m_dienste.hilfe, HilfeOptionen,
                        QStringLiteral("PKorrektur"));
    auto* k = new QGridLayout(korr);
    k->setContentsMargins(6, 8, 6, 4);
    k->addWidget(text(QStringLiteral("horizontal:"), korr, false), 0, 0);
    Ehori = zahlFeld(QStringLiteral("Ehori"), 50, true, false);
    k->addWidget(Ehori, 0, 1);
    k->addWidget(text(QStringLiteral("vertikal:"), korr, false), 1, 0);
    Evert = zahlFeld(QStringLiteral("Evert"), 50, true, false);
    k->addWidget(Evert, 1, 1);
    k->addWidget(
        text(QStringLiteral("Minus-Werte rücken den Ausdruck horizontal nach links und vertikal nach "
                            "oben."),
             korr),
        2, 0, 1, 3);
    l->addWidget(korr);
    l->addStretch(1);
    return w;
}

QWidget* TFDruck::reihenSpalte() {
    auto* w = new QWidget(this);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);
    auto* kopf = new QHBoxLayout;
    auto* oeffnen = new QPushButton(symbolIcon(Symbol::Oeffnen), QStringLiteral("Spielschein ö&ffnen..."), w);
    oeffnen->setObjectName(QStringLiteral("BOpen2"));
    kopf->addWidget(oeffnen);
    kopf->addStretch(1);
    kopf->addWidget(hilfeKnopf(w, m_dienste.hilfe, HilfeReihen));
    l->addLayout(kopf);
    auto* dateiZeile = new QHBoxLayout;
    dateiZeile->addWidget(text(QStringLiteral("Datei:"), w, false));
    LDatei2 = text(QString(), w, false);
    LDatei2->setObjectName(QStringLiteral("LDatei2"));
    dateiZeile->addWidget(LDatei2, 1);
    l->addLayout(dateiZeile);

    GReihen = new TippreihenGitter(w);
    GReihen->setObjectName(QStringLiteral("GReihen"));
    GReihen->modell()->setzeFett(false);
    GReihen->verticalHeader()->setDefaultSectionSize(17);
    TippreihenDaten leer(25, 7);
    leer.setzeKopf({QStringLiteral("Reihe"), QStringLiteral("Z1"), QStringLiteral("Z2"), QStringLiteral("Z3"),
                    QStringLiteral("Z4"), QStringLiteral("Z5"), QStringLiteral("Z6")});
    GReihen->modell()->setzeDaten(std::move(leer));
    GReihen->horizontalHeader()->setMinimumSectionSize(20);
    GReihen->setzeSpaltenBreiten(45, 25);
    l->addWidget(GReihen, 1);
    auto* sortieren = new QPushButton(symbolIcon(Symbol::SortAuf), QStringLiteral("Sortieren"), w);
    sortieren->setObjectName(QStringLiteral("BSort"));
    l->addWidget(sortieren);

    auto* bereich = new QGridLayout;
    bereich->addWidget(text(QStringLiteral("Ausdruck ab Tippreihe:"), w, false), 0, 0);
    EStart = zahlFeld(QStringLiteral("EStart"), 50, false, true, 4);
    EStart->setText(QStringLiteral("1"));
    bereich->addWidget(EStart, 0, 1);
    bereich->addWidget(text(QStringLiteral("bis Tippreihe:"), w, false), 1, 0);
    EEnde = zahlFeld(QStringLiteral("EEnde"), 50, false, true, 4);
    bereich->addWidget(EEnde, 1, 1);
    bereich->addWidget(text(QStringLiteral("Benötigte Tippscheine:"), w, false), 2, 0);
    LAnzTs = text(QString(), w, false);
    LAnzTs->setObjectName(QStringLiteral("LAnzTs"));
    LAnzTs->setFont(LDatei->font());
    bereich->addWidget(LAnzTs, 2, 1);
    l->addLayout(bereich);
    BAusdruck = new QPushButton(symbolIcon(Symbol::Drucken), QStringLiteral("Drucken starten"), w);
    BAusdruck->setObjectName(QStringLiteral("BAusdruck"));
    BStop = new QPushButton(symbolIcon(Symbol::Abbrechen), QStringLiteral("Drucken stoppen"), w);
    BStop->setObjectName(QStringLiteral("BStop"));
    BStop->setEnabled(false);
    l->addWidget(BAusdruck);
    l->addWidget(BStop);
    cbFragen = new QCheckBox(QStringLiteral("Fragen, ob Ausdruck korrekt"), w);
    cbFragen->setObjectName(QStringLiteral("cbFragen"));
    cbFragen->setChecked(true);
    l->addWidget(cbFragen);

    connect(oeffnen, &QPushButton::clicked, this, &TFDruck::BOpen2Click);
    connect(sortieren, &QPushButton::clicked, this, &TFDruck::BSortClick);
    connect(BAusdruck, &QPushButton::clicked, this, &TFDruck::BAusdruckClick);
    connect(BStop, &QPushButton::clicked, this, &TFDruck::BStopClick);
    // While typing only the label follows; a wrong range is reported when the field is left.
    for (QLineEdit* e : {EStart, EEnde}) {
        connect(e, &QLineEdit::textEdited, this, &TFDruck::anzahlStill);
        connect(e, &QLineEdit::editingFinished, this, [this, e] {
            if (e->isModified()) {
                e->setModified(false);
                NeuBerechnen();
            }
        });
    }
    return w;
}

int TFDruck::anordnung() const {
    return RG1->checkedId();
}

void TFDruck::streifenAnpassen() {
    const int a = anordnung();
    const int felder = a >= 0 ? Anordnungen[a].felder : MaxTippfelder;
    m_felderFlaeche->setFixedWidth(felder * (TFfrDruck::Breite + 3));
    for (int k = 0; k < MaxTippfelder; ++k)
        m_felder[k]->setVisible(k < felder);
}

FormatFelder TFDruck::formatFelder() const {
    FormatFelder f;
    f.anordnung = anordnung();
    f.B = eAbstandh->text();
    f.C = eAbstandv->text();
    f.hori = Ehori->text();
    f.vert = Evert->text();
    f.nrX = ENrx->text();
    f.nrY = ENry->text();
    for (int i = 0; i < ZusatzKoordinaten; ++i)
        f.zusatz[i] = EZus[i]->text();
    return f;
}

void TFDruck::formatFelderZeigen(const FormatFelder& f) {
    if (f.anordnung >= 0) {
        RG1->button(f.anordnung)->setChecked(true);
    } else if (QAbstractButton* b = RG1->checkedButton()) {
        RG1->setExclusive(false);
        b->setChecked(false);
        RG1->setExclusive(true);
    }
    eAbstandh->setText(f.B);
    eAbstandv->setText(f.C);
    Ehori->setText(f.hori);
    Evert->setText(f.vert);
    ENrx->setText(f.nrX);
    ENry->setText(f.nrY);
    for (int i = 0; i < ZusatzKoordinaten; ++i)
        EZus[i]->setText(f.zusatz[i]);
    streifenAnpassen();
}

bool TFDruck::FormatEinlesen(const QString& pfad) {
    const Result<TScheinFormat> r = FormatDateiLesen(pfad);
    if (!r.ok()) {
        m_dienste.dialoge->fehler(this, r.fehler());
        return false;
    }
    formatFelderZeigen(m_geometrie.formatUebernehmen(*r));
    LDatei->setText(QStringLiteral("Geöffnet: ") + QFileInfo(pfad).fileName());
    return true;
}

void TFDruck::formatdateiMerken(const QString& pfad, bool immer) {
    IniDatei ini(zustand().einstellungenPfad());
    if (!immer && !ini.ReadString(DruckAbschnitt, QStringLiteral("Formatdatei"), QString()).isEmpty())
        return;
    ini.WriteString(DruckAbschnitt, QStringLiteral("Formatdatei"), pfad);
    if (const Status s = ini.speichern(); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
}

static DateiDialogOptionen formatDialog(const QString& titel) {
    DateiDialogOptionen o;
    o.titel = titel;
    o.filter = QStringLiteral("Schein-Format (*.awadr)");
    o.standardEndung = QStringLiteral("awadr");
    o.startOrdner = zustand().DatenPfad;
    return o;
}

void TFDruck::BOpenClick() {
    DateiDialogOptionen o = formatDialog(QStringLiteral("Schein-Format öffnen"));
    const QStringList dateien = m_dienste.dateiDialoge->oeffnen(this, o, false);
    if (dateien.isEmpty())
        return;
    if (FormatEinlesen(dateien.first()))
        formatdateiMerken(dateien.first(), true);
}

void TFDruck::BsaveClick() {
    DateiDialogOptionen o = formatDialog(QStringLiteral("Schein-Format speichern"));
    const QString pfad = m_dienste.dateiDialoge->speichern(this, o);
    if (pfad.isEmpty())
        return;
    FensterRueckfrage frage(*m_dienste.dialoge, this);
    const std::optional<TScheinFormat> format = m_geometrie.formatZumSpeichern(formatFelder(), frage);
    if (!format)
        return;
    if (const Status s = FormatDateiSchreiben(pfad, *format); !s) {
        m_dienste.dialoge->fehler(this, s.fehler());
        return;
    }
    m_geometrie.formatGespeichert(*format);
    LDatei->setText(QStringLiteral("Gespeichert: ") + QFileInfo(pfad).fileName());
    formatdateiMerken(pfad, false);
}

void TFDruck::BDetailZeigenClick() {
    if (m_detail)
        m_detail->zeigen();
}

void TFDruck::BAutoFillClick() {
    FensterRueckfrage frage(*m_dienste.dialoge, this);
    if (m_geometrie.automatischAusfuellen(anordnung(), eAbstandv->text(), frage))
        BExtrahieren->setEnabled(true);
}

void TFDruck::BUndoClick() {
    m_geometrie.rueckgaengig();
}

void TFDruck::BDelClick() {
    m_geometrie.felderLoeschen();
    BExtrahieren->setEnabled(false);
}

void TFDruck::BExtrahierenClick() {
    FensterRueckfrage frage(*m_dienste.dialoge, this);
    if (m_geometrie.extrahieren(eAbstandh->text(), anordnung(), frage))
        BDetailZeigenClick();
}

void TFDruck::BOpen2Click() {
    DateiDialogOptionen o;
    o.titel = QStringLiteral("Normal-Schein-Datei einlesen");
    o.filter = QStringLiteral("Normal-Schein (*.nkb)");
    o.standardEndung = NormalscheinEndung;
    o.startOrdner = zustand().DatenPfad;
    const QStringList dateien = m_dienste.dateiDialoge->oeffnen(this, o, true);
    if (dateien.isEmpty())
        return;
    const Result<NormalScheinDatei> r = NormalscheinLesen(dateien.first());
    if (!r.ok()) {
        m_dienste.dialoge->fehler(this, r.fehler());
        return;
    }
    const int anzahl = static_cast<int>(r->reihen.size());
    GReihen->modell()->aendern([&](TippreihenDaten& d) {
        d.setzeZeilenAnzahl(anzahl + 1);
        for (int i = 0; i < anzahl; ++i)
            d.setzeReihe(i + 1, r->reihen[i].WZ);
    });
    LDatei2->setText(QFileInfo(dateien.first()).fileName());
    EEnde->setText(QString::number(anzahl));
    NeuBerechnen();
}

void TFDruck::BSortClick() {
    const int letzte = GReihen->daten().zeilenAnzahl() - 1;
    if (const Status s = GReihen->sortieren({1, 2, 3, 4, 5, 6}, 1, letzte); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
}

void TFDruck::anzahlStill() {
    const Result<std::optional<int>> n = ScheinAnzahl(EStart->text(), EEnde->text(), anordnung());
    LAnzTs->setText(n.ok() && *n ? QString::number(**n) : QString());
}

void TFDruck::NeuBerechnen() {
    const Result<std::optional<int>> n = ScheinAnzahl(EStart->text(), EEnde->text(), anordnung());
    if (!n.ok()) {
        LAnzTs->clear();
        m_dienste.dialoge->zeige(this, Nachricht::Bestaetigung, n.fehler(), Knoepfe::Ok);
        return;
    }
    LAnzTs->setText(*n ? QString::number(**n) : QString());
}

void TFDruck::BAusdruckClick() {
    if (m_lauf)
        return;
    const TippreihenDaten& daten = GReihen->daten();
    if (daten.zeilenAnzahl() < 2 || daten.zelleLeer(1, 1)) {
        m_dienste.dialoge->information(this, QStringLiteral("Es gibt nichts zu drucken, ich breche ab."));
        return;
    }
    if (!m_dienste.drucker->auswaehlen(this))
        return;
    if (EStart->text().isEmpty() || EStart->text() == QStringLiteral("0"))
        EStart->setText(QStringLiteral("1"));
    const int letzte = daten.zeilenAnzahl() - 1;
    if (EEnde->text().isEmpty())
        EEnde->setText(QString::number(letzte));
    const int s = GanzzahlAusText(EStart->text()).value_or(0);
    const int e = GanzzahlAusText(EEnde->text()).value_or(0);
    if (e < s) {
        m_dienste.dialoge->information(
            this,
            QStringLiteral("Bitte prüfen Sie Start und Ende des Tippreihen-Ausdrucks.\r\rIch breche ab."));
        return;
    }
    const int a = anordnung();
    if (a < 0) {
        m_dienste.dialoge->zeige(this, Nachricht::Bestaetigung,
                                 Scheingeometrie::AnordnungFehlt(QStringLiteral("das Drucken")), Knoepfe::Ok);
        return;
    }
    // Every field that is read must hold a number; empty ones mean "not given".
    DruckVorgaben v;
    v.felderProSchein = Anordnungen[a].felder;
    QStringList falsch;
    const auto lies = [&falsch](QLineEdit* f) {
        const std::optional<int> z = optZahl(f->text());
        if (!f->text().isEmpty() && !z)
            falsch.append(f->text());
        return z;
    };
    v.startNr = lies(ENr).value_or(1);
    v.hori = lies(Ehori).value_or(0);
    v.vert = lies(Evert).value_or(0);
    for (int i = 0; i < 6; ++i)
        v.zusatzAn[i] = cbZus[i]->isChecked();
    for (int i = 0; i < ZusatzKoordinaten; ++i)
        v.zusatz[i] = lies(EZus[i]);
    v.nrDrucken = cbNr->isChecked();
    v.nrX = lies(ENrx);
    v.nrY = lies(ENry);
    if (!falsch.isEmpty()) {
        m_dienste.dialoge->fehler(this, KonvertierungsFehler(falsch.first()));
        return;
    }
    v.rand = m_dienste.drucker->rand();
    NeuBerechnen();

    QVector<std::array<QString, 6>> zeilen(letzte);
    for (int z = 1; z <= letzte; ++z)
        for (int sp = 1; sp <= 6; ++sp)
            zeilen[z - 1][sp - 1] = daten.zelle(sp, z);
    m_stop = false;
    BStop->setEnabled(true);
    BAusdruck->setEnabled(false);
    m_lauf.emplace(std::move(zeilen), s, e, m_geometrie.format(), v);
    // One slip per turn of the event loop: the window stays usable between slips.
    QTimer::singleShot(0, this, &TFDruck::scheinDrucken);
}

void TFDruck::scheinDrucken() {
    if (!m_lauf)
        return;
    if (m_stop || m_lauf->fertig()) {
        druckEnde();
        return;
    }
    const Result<Schein> schein = m_lauf->naechsterSchein();
    if (!schein.ok()) {
        m_dienste.dialoge->fehler(this, schein.fehler());
        druckEnde();
        return;
    }
    Printer& drucker = *m_dienste.drucker;
    if (const Status st = drucker.beginnen(DruckTitel); !st) {
        m_dienste.dialoge->fehler(this, st.fehler());
        druckEnde();
        return;
    }
    for (const DruckZeichen& z : schein->zeichen) {
        drucker.text(z.punkt, z.text);
        if (m_stop) {
            druckEnde();
            return;
        }
    }
    if (const Status st = drucker.beenden(); !st) {
        m_dienste.dialoge->fehler(this, st.fehler());
        druckEnde();
        return;
    }
    if (cbFragen->isChecked())
        QTimer::singleShot(0, this, &TFDruck::nachSchein);
    else
        QTimer::singleShot(0, this, &TFDruck::scheinDrucken);
}

void TFDruck::nachSchein() {
    if (!m_lauf)
        return;
    if (m_stop) {
        druckEnde();
        return;
    }
    const Antwort a =
        m_dienste.dialoge->frage(this,
                                 QStringLiteral("War der Ausdruck in Ordnung?\r"
                                                "- \"Ja\" macht mit dem nächsten Schein weiter,\r"
                                                "- \"Nein\" wiederholt den Ausdruck des letzten Scheins,\r"
                                                "- \"Abbrechen\" bricht den Ausdruck ab."),
                                 Knoepfe::JaNeinAbbrechen);
    if (!m_lauf)
        return;
    if (a == Antwort::Nein)
        m_lauf->wiederholen();
    else if (a != Antwort::Ja)
        m_stop = true;
    QTimer::singleShot(0, this, &TFDruck::scheinDrucken);
}

void TFDruck::druckEnde() {
    if (m_dienste.drucker->auftragOffen())
        m_dienste.drucker->beenden();
    m_lauf.reset();
    BStop->setEnabled(false);
    BAusdruck->setEnabled(true);
    Q_EMIT druckBeendet();
}

void TFDruck::BStopClick() {
    if (!m_lauf)
        return;
    if (m_dienste.dialoge->frage(this, QStringLiteral("Soll der Ausdruck gestoppt werden?."),
                                 Knoepfe::JaNeinAbbrechen) == Antwort::Ja) {
        m_stop = true;
        BStop->setEnabled(false);
    }
}

void TFDruck::einstellungenLesen() {
    const IniDatei ini(zustand().einstellungenPfad());
    if (!ini.dateiVorhanden())
        return;
    const DruckEinstellungen e = DruckEinstellungenLesen(ini);
    for (int i = 0; i < 6; ++i)
        cbZus[i]->setChecked(e.zusatz[i]);
    cbNr->setChecked(e.scheinNr);
    cbFragen->setChecked(e.fragen);
    // A default format that went missing is ignored.
    if (!e.formatdatei.isEmpty() && QFileInfo(e.formatdatei).isFile())
        FormatEinlesen(e.formatdatei);
}

void TFDruck::einstellungenSchreiben() {
    IniDatei ini(zustand().einstellungenPfad());
    DruckEinstellungen e;
    for (int i = 0; i < 6; ++i)
        e.zusatz[i] = cbZus[i]->isChecked();
    e.scheinNr = cbNr->isChecked();
    e.fragen = cbFragen->isChecked();
    DruckEinstellungenSchreiben(ini, e);
    if (const Status s = ini.speichern(); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
}

void TFDruck::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) {
        einstellungenLesen();
    }
}

void TFDruck::closeEvent(QCloseEvent* e) {
    // Closing ends a run at the next slip.
    m_stop = true;
    einstellungenSchreiben();
    if (m_detail)
        m_detail->hide();
    e->accept();
}

} // namespace kb
