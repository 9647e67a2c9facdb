#include "system_entry_window.h"

#include "core/program_state.h"
#include "evaluation/navigation_bar.h"
#include "evaluation/window_router.h"
#include "slip_field_frame.h"
#include "widgets/icons.h"
#include "widgets/superzahl_field.h"

#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kb {

namespace {

DateiDialogOptionen dialogOptionen(const QString& titel) {
    DateiDialogOptionen o;
    o.titel = titel;
    o.filter = QStringLiteral("Systemschein-Datei (*.skb)");
    o.standardEndung = SystemscheinEndung;
    o.startOrdner = zustand().DatenPfad;
    return o;
}

} // namespace

TFEingabeSys2::TFEingabeSys2(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern)
    : QWidget(eltern), m_dienste(dienste), m_router(router) {
    setObjectName(QStringLiteral("FEingabeSys2"));
    FormCreate();
}

void TFEingabeSys2::FormCreate() {
    setWindowTitle(FensterTitel());
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);

    using K = NavigationsLeiste::Knopf;
    m_navigation =
        new NavigationsLeiste(this, m_dienste, m_router, HilfeKontext,
                              {K::Schliessen, K::Normalschein, K::Druck, K::SystemWahl, K::Statistik,
                               K::Update, K::Quoten, K::NueberK, K::Kalender, K::Rechner, K::Hilfe});
    haupt->addWidget(m_navigation);
    haupt->addWidget(werkzeugLeisteAnlegen());

    // The six fields side by side at fixed places, as on the paper slip.
    auto* PClient = new QWidget(this);
    PClient->setObjectName(QStringLiteral("PClient"));
    int hoehe = 0;
    for (int feld = 1; feld <= ScheinFelder; ++feld) {
        auto* rahmen = new TFfrSysSchein(feld, PClient);
        rahmen->move(FeldX[static_cast<std::size_t>(feld - 1)], 0);
        rahmen->resize(rahmen->sizeHint().expandedTo(QSize(TFfrSysSchein::Breite, 0)));
        hoehe = std::max(hoehe, rahmen->height());
        connect(rahmen, &TFfrSysSchein::bildGeklickt, this,
                [this, feld](int x, int y) { bildKlick(feld, x, y); });
        connect(rahmen, &TFfrSysSchein::kreuzGeklickt, this, &TFEingabeSys2::kreuzKlick);
        connect(rahmen, &TFfrSysSchein::leerenGeklickt, this, [this, feld] { FeldLeerenClick(feld); });
        m_felder[static_cast<std::size_t>(feld - 1)] = rahmen;
    }
    PClient->setFixedSize(FeldX.back() + TFfrSysSchein::Breite, hoehe);
    auto* mitte = new QHBoxLayout;
    mitte->setContentsMargins(0, 4, 0, 0);
    mitte->addStretch(1);
    mitte->addWidget(PClient);
    mitte->addStretch(1);
    haupt->addLayout(mitte);
    haupt->addStretch(1);

    auto* unten = new QHBoxLayout;
    unten->setContentsMargins(6, 4, 6, 6);
    unten->addStretch(1);
    BSchliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    BSchliessen->setObjectName(QStringLiteral("BSchliessen"));
    BSchliessen->setIcon(symbolIcon(Symbol::Schliessen));
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    unten->addWidget(BSchliessen);
    haupt->addLayout(unten);

    for (int feld = 1; feld <= ScheinFelder; ++feld)
        AnzeigeKontrollieren(feld);
    resize(ClientBreite, ClientHoehe);
}

QWidget* TFEingabeSys2::werkzeugLeisteAnlegen() {
    auto* Tool1 = new QFrame(this);
    Tool1->setObjectName(QStringLiteral("Tool1"));
    Tool1->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* l = new QHBoxLayout(Tool1);
    l->setContentsMargins(8, 6, 8, 6);
    l->setSpacing(10);

    auto* texte = new QVBoxLayout;
    texte->setSpacing(2);
    auto* titel = new QLabel(QStringLiteral("Hier können Sie Ihren Systemschein eingeben"), Tool1);
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    texte->addWidget(titel);
    auto* anleitung = new QLabel(
        QStringLiteral("Wählen Sie erst das Spielsystem und im Anschluss die entsprechenden Zahlen."), Tool1);
    anleitung->setWordWrap(true);
    texte->addWidget(anleitung);
    LDatei = new QLabel(Tool1);
    LDatei->setObjectName(QStringLiteral("LDatei"));
    texte->addWidget(LDatei);
    l->addLayout(texte, 1);

    const auto knopf = [Tool1](const char* name, const QString& text, Symbol symbol) {
        auto* b = new QPushButton(symbolIcon(symbol), text, Tool1);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    BOpen = knopf("BOpen", QStringLiteral("Spielschein ö&ffnen"), Symbol::Oeffnen);
    BSave = knopf("BSave", QStringLiteral("Spielschein s&peichern"), Symbol::Speichern);
    BDel = knopf("BDel", QStringLiteral("Alle Angaben löschen"), Symbol::Loeschen);
    connect(BOpen, &QPushButton::clicked, this, &TFEingabeSys2::BOpenClick);
    connect(BSave, &QPushButton::clicked, this, &TFEingabeSys2::BSaveClick);
    connect(BDel, &QPushButton::clicked, this, &TFEingabeSys2::BDelClick);
    auto* knoepfe = new QVBoxLayout;
    knoepfe->setSpacing(3);
    knoepfe->addWidget(BOpen);
    knoepfe->addWidget(BSave);
    knoepfe->addWidget(BDel);
    l->addLayout(knoepfe);

    auto* sz = new QHBoxLayout;
    sz->setSpacing(6);
    auto* szText = new QLabel(QStringLiteral("Super-\nzahl:"), Tool1);
    sz->addWidget(szText);
    ESZ = superzahlFeld(Tool1);
    sz->addWidget(ESZ);
    auto* hinweis = new QLabel(QStringLiteral("letzte Ziffer der Losnummer auf Ihrem Spielschein"), Tool1);
    hinweis->setWordWrap(true);
    hinweis->setFixedWidth(150);
    sz->addWidget(hinweis);
    l->addLayout(sz);
    return Tool1;
}

void TFEingabeSys2::bildKlick(int feld, int x, int y) {
    const Treffer t = TrefferAnPunkt(x, y);
    if (t.art != TrefferArt::Keine)
        TrefferVerwerten(static_cast<int>(t.art), t.wert, feld);
}

void TFEingabeSys2::kreuzKlick(int tag) {
    if (tag <= 1000)
        TrefferVerwerten(static_cast<int>(TrefferArt::Zahl), tag % 100, tag / 100);
    else
        TrefferVerwerten(static_cast<int>(TrefferArt::System), tag % 1000, tag / 1000);
}

void TFEingabeSys2::TrefferVerwerten(int art, int wert, int feld) {
    if (feld < 1 || feld > ScheinFelder)
        return;
    const Verwertung v = m_schein.TrefferVerwerten(static_cast<TrefferArt>(art), wert, feld);
    if (v == Verwertung::OhneSystem) {
        m_dienste.dialoge->information(this, OhneSystemText);
        return;
    }
    AnzeigeKontrollieren(feld);
}

void TFEingabeSys2::AnzeigeKontrollieren(int feld) {
    if (feld < 1 || feld > ScheinFelder)
        return;
    const StandFarbe farbe = m_schein.AnzeigeKontrollieren(feld);
    feldRahmen(feld)->anzeigen(m_schein.feld(feld), farbe);
}

void TFEingabeSys2::NeuerSchein() {
    m_schein.NeuerSchein();
    LDatei->clear();
    ESZ->clear();
}

void TFEingabeSys2::BDelClick() {
    NeuerSchein();
    for (int feld = 1; feld <= ScheinFelder; ++feld)
        AnzeigeKontrollieren(feld);
}

void TFEingabeSys2::FeldLeerenClick(int feld) {
    m_schein.FeldLeeren(feld);
    AnzeigeKontrollieren(feld);
}

void TFEingabeSys2::BSaveClick() {
    const KorrekteFelderErgebnis korrekt = m_schein.KorrekteFelder();
    if (korrekt.anzahl == 0) {
        m_dienste.dialoge->fehler(this, KeinFeldText);
        return;
    }
    if (korrekt.anzahl < ScheinFelder &&
        m_dienste.dialoge->frage(this, SpeichernFrageText(korrekt.phrase)) != Antwort::Ja)
        return;
    if (ESZ->text().isEmpty() && m_dienste.dialoge->frage(this, SuperzahlFrageText) != Antwort::Nein) {
        ESZ->setFocus();
        return;
    }
    const int sz = ESZ->text().isEmpty() ? -1 : ESZ->text().toInt();

    DateiDialogOptionen o = dialogOptionen(QStringLiteral("Systemschein speichern"));
    const QString pfad = m_dienste.dateiDialoge->speichern(this, o);
    if (pfad.isEmpty())
        return;
    if (const Status s = SystemscheinSchreiben(pfad, sz, m_schein.SpeicherFelder()); !s) {
        m_dienste.dialoge->fehler(this, s.fehler());
        return;
    }
    LDatei->setText(QStringLiteral("Gespeichert: ") + QFileInfo(pfad).fileName());
}

void TFEingabeSys2::BOpenClick() {
    DateiDialogOptionen o = dialogOptionen(QStringLiteral("Systemschein-Datei öffnen"));
    const QStringList pfade = m_dienste.dateiDialoge->oeffnen(this, o, false);
    if (pfade.isEmpty())
        return;
    const QString& pfad = pfade.constFirst();
    // Read before the slip is emptied: a file that cannot be read leaves the entry as it was.
    const Result<SystemScheinDatei> datei = SystemscheinLesen(pfad);
    if (!datei) {
        m_dienste.dialoge->fehler(this, datei.fehler());
        return;
    }
    BDelClick();
    const QString hinweis = m_schein.Einlesen(datei->felder);
    for (int feld = 1; feld <= ScheinFelder; ++feld)
        AnzeigeKontrollieren(feld);
    LDatei->setText(QStringLiteral("Geöffnet: ") + QFileInfo(pfad).fileName());
    ESZ->setText(datei->SZ >= 0 ? QString::number(datei->SZ) : QString());
    if (!hinweis.isEmpty())
        m_dienste.dialoge->warnung(this, hinweis);
}

} // namespace kb
