#include "entry_window.h"

#include "core/program_state.h"
#include "core/record_file.h"
#include "evaluation/navigation_bar.h"
#include "evaluation/window_router.h"
#include "statistics/distribution.h"
#include "statistics/distribution_window.h"
#include "text_import.h"
#include "widgets/background.h"
#include "widgets/number_pad.h"
#include "widgets/row_grid.h"
#include "widgets/row_output.h"
#include "widgets/superzahl_field.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace kb {

namespace {

QLabel* hinweis(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setWordWrap(true);
    return l;
}

// A row of flat buttons for actions, caption under the icon; unlike a tool bar it never
// folds buttons away into an overflow menu.
QWidget* knopfLeiste(const QList<QAction*>& aktionen, QWidget* eltern) {
    auto* leiste = new QWidget(eltern);
    auto* l = new QHBoxLayout(leiste);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    QFont f = leiste->font();
    f.setPointSize(8);
    for (QAction* a : aktionen) {
        auto* b = new QToolButton(leiste);
        b->setDefaultAction(a);
        b->setObjectName(a->objectName());
        b->setAutoRaise(true);
        b->setIconSize(QSize(20, 20));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFont(f);
        l->addWidget(b);
    }
    l->addStretch(1);
    return leiste;
}

} // namespace

TFEingabe::TFEingabe(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern)
    : QWidget(eltern), m_dienste(dienste), m_router(router) {
    setObjectName(QStringLiteral("FEingabe"));
    FormCreate();
}

QAction* TFEingabe::neueAktion(const QString& name, const QString& text, Symbol symbol) {
    auto* a = new QAction(symbolIcon(symbol), text, this);
    a->setObjectName(name);
    return a;
}

QAction* TFEingabe::aktion(const QString& name) const {
    return findChild<QAction*>(name);
}

void TFEingabe::FormCreate() {
    setWindowTitle(FensterTitel());
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);

    using K = NavigationsLeiste::Knopf;
    m_navigation =
        new NavigationsLeiste(this, m_dienste, m_router, HilfeKontext,
                              {K::Schliessen, K::NueberK, K::Statistik, K::Hilfe, K::Rechner, K::Systemschein,
                               K::SystemWahl, K::Update, K::Kalender, K::Quoten, K::Druck});
    haupt->addWidget(m_navigation);

    auto* mitte = new QHBoxLayout;
    mitte->setContentsMargins(6, 4, 6, 0);
    mitte->setSpacing(8);
    PC1 = new QTabWidget(this);
    PC1->setObjectName(QStringLiteral("PC1"));
    PC1->addTab(manuelleSeiteAnlegen(), QStringLiteral("Manuelle Eingabe"));
    PC1->addTab(importSeiteAnlegen(), QStringLiteral("Datei einlesen"));
    PC1->setFixedWidth(290);
    mitte->addWidget(PC1);
    mitte->addWidget(textSpalteAnlegen(), 1);
    mitte->addWidget(tabellenSpalteAnlegen());
    haupt->addLayout(mitte, 1);

    auto* unten = new QHBoxLayout;
    unten->setContentsMargins(6, 4, 6, 6);
    unten->addStretch(1);
    BSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
    BSchliessen->setObjectName(QStringLiteral("BSchliessen"));
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    unten->addWidget(BSchliessen);
    haupt->addLayout(unten);

    resize(ClientBreite, ClientHoehe);
}

QWidget* TFEingabe::manuelleSeiteAnlegen() {
    auto* seite = new QWidget;
    auto* l = new QVBoxLayout(seite);
    l->setContentsMargins(8, 8, 8, 8);
    l->addWidget(hinweis(
        QStringLiteral("Nutzen Sie die Tasten unten oder schreiben Sie direkt in das Textfeld rechts."),
        seite));
    l->addWidget(
        hinweis(QStringLiteral("Die Zahlen sind jeweils durch ein Komma getrennt und ohne Leerzeichen in das "
                               "Textfeld rechts einzugeben."),
                seite));
    l->addWidget(hinweis(QStringLiteral("Zeilenwechsel erfolgt automatisch"), seite));
    l->addSpacing(6);
    m_zahlen = new Zahlenpad(Zahlenpad::feldAufbau(0), seite);
    m_zahlen->setObjectName(QStringLiteral("Zahlen"));
    l->addWidget(m_zahlen, 0, Qt::AlignHCenter);
    l->addStretch(1);
    ZahlenAufbauen();
    return seite;
}

void TFEingabe::ZahlenAufbauen() {
    connect(m_zahlen, &Zahlenpad::zahlGeklickt, this, &TFEingabe::BLot50EUrClick);
}

QWidget* TFEingabe::importSeiteAnlegen() {
    auto* seite = new QWidget;
    auto* l = new QVBoxLayout(seite);
    l->setContentsMargins(4, 4, 4, 4);
    QAction* schein = neueAktion(QStringLiteral("bsSkinSpeedButton7"),
                                 QStringLiteral("Spielschein ö&ffnen..."), Symbol::Oeffnen);
    QAction* excel = neueAktion(QStringLiteral("bsSkinSpeedButton10"), QStringLiteral("Excel-\nImport"),
                                Symbol::TabelleImport);
    QAction* csv =
        neueAktion(QStringLiteral("bsSkinSpeedButton13"), QStringLiteral("-Datei öffnen"), Symbol::CSV);
    connect(schein, &QAction::triggered, this, &TFEingabe::bsSkinSpeedButton7Click);
    connect(excel, &QAction::triggered, this, &TFEingabe::bsSkinSpeedButton10Click);
    connect(csv, &QAction::triggered, this, &TFEingabe::bsSkinSpeedButton13Click);
    QWidget* leiste = knopfLeiste({schein, excel, csv}, seite);
    leiste->setObjectName(QStringLiteral("ImportLeiste"));
    // The CSV icon reads as the first half of its caption.
    leiste->findChild<QToolButton*>(csv->objectName())->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    l->addWidget(leiste);

    G2 = new TippreihenGitter(seite);
    G2->setObjectName(QStringLiteral("G2"));
    G2->setzeSpaltenBreiten(47, 33);
    l->addWidget(G2, 1);

    auto* info = new QHBoxLayout;
    info->addWidget(new QLabel(QStringLiteral("SZ:"), seite));
    LSZ = new QLabel(seite);
    LSZ->setObjectName(QStringLiteral("LSZ"));
    LSZ->setMinimumWidth(16);
    info->addWidget(LSZ);
    LDatei1 = new QLabel(seite);
    LDatei1->setObjectName(QStringLiteral("LDatei1"));
    info->addWidget(LDatei1, 1);
    l->addLayout(info);

    auto* uebertragen = new QPushButton(QStringLiteral("Ins Textfeld übertragen"), seite);
    uebertragen->setObjectName(QStringLiteral("bsSkinSpeedButton6"));
    connect(uebertragen, &QPushButton::clicked, this, &TFEingabe::bsSkinSpeedButton6Click);
    l->addWidget(uebertragen);
    return seite;
}

QWidget* TFEingabe::textSpalteAnlegen() {
    auto* spalte = new QWidget(this);
    auto* l = new QVBoxLayout(spalte);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);
    l->addWidget(
        hinweis(QStringLiteral("Ihre Tippzahlen können Sie manuell  in nachstehendes Textfeld eingeben oder "
                               "importieren. Auch eine existierende Spielscheindatei kann eingelesen "
                               "werden."),
                spalte));

    auto* feldUndKnoepfe = new QHBoxLayout;
    M1 = new QPlainTextEdit(spalte);
    M1->setObjectName(QStringLiteral("M1"));
    M1->setLineWrapMode(QPlainTextEdit::NoWrap);
    M1->setTabChangesFocus(false);
    setzeText(
        {QStringLiteral("1,2,3,4,5,6"),    QStringLiteral("1,2,3,7,8,9"),    QStringLiteral("1,2,4,7,10,11"),
         QStringLiteral("1,2,5,8,10,12"),  QStringLiteral("1,2,6,9,11,12"),  QStringLiteral("1,3,4,8,11,12"),
         QStringLiteral("1,3,5,9,10,11"),  QStringLiteral("1,3,6,7,10,12"),  QStringLiteral("1,4,5,7,9,12"),
         QStringLiteral("1,4,6,8,9,10"),   QStringLiteral("1,5,6,7,8,11"),   QStringLiteral("1,2,3,4,5,6"),
         QStringLiteral("2,3,4,9,10,12"),  QStringLiteral("2,3,5,7,11,12"),  QStringLiteral("2,3,5,8,10,11"),
         QStringLiteral("2,4,5,8,9,11"),   QStringLiteral("2,4,6,7,8,12"),   QStringLiteral("2,5,6,7,9,10"),
         QStringLiteral("3,4,5,7,8,10"),   QStringLiteral("3,4,6,7,9,11"),   QStringLiteral("3,5,6,8,9,12"),
         QStringLiteral("4,5,6,10,11,12"), QStringLiteral("7,8,9,10,11,12"), QStringLiteral("1,2,3,4,5,6")});
    connect(M1, &QPlainTextEdit::textChanged, this, &TFEingabe::zeilenZaehlen);
    feldUndKnoepfe->addWidget(M1, 1);

    auto* knoepfeFlaeche = new QWidget(spalte);
    knoepfeFlaeche->setFixedWidth(250);
    auto* knoepfe = new QVBoxLayout(knoepfeFlaeche);
    knoepfe->setContentsMargins(0, 0, 0, 0);
    knoepfe->setSpacing(4);
    auto* uebertragen = new QPushButton(QStringLiteral("Reihen in Tabelle übertragen"), spalte);
    uebertragen->setObjectName(QStringLiteral("bsSkinSpeedButton8"));
    connect(uebertragen, &QPushButton::clicked, this, &TFEingabe::bsSkinSpeedButton8Click);
    knoepfe->addWidget(uebertragen);
    auto* pruefen = new QPushButton(QStringLiteral("Auf Dopplun-\ngen prüfen"), spalte);
    pruefen->setObjectName(QStringLiteral("bsSkinSpeedButton15"));
    connect(pruefen, &QPushButton::clicked, this, &TFEingabe::bsSkinSpeedButton15Click);
    knoepfe->addWidget(pruefen);

    auto* loeschZeile = new QHBoxLayout;
    cbDel = new QCheckBox(QStringLiteral("Dopplungen direkt löschen"), spalte);
    cbDel->setObjectName(QStringLiteral("cbDel"));
    cbDel->setChecked(true);
    connect(cbDel, &QCheckBox::clicked, this, &TFEingabe::cbDelClick);
    loeschZeile->addWidget(cbDel);
    m_geloescht = new QLabel(QStringLiteral("gelöscht"), spalte);
    m_geloescht->setObjectName(QStringLiteral("PGeloescht"));
    m_geloescht->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont klein = m_geloescht->font();
    klein.setPointSize(8);
    m_geloescht->setFont(klein);
    loeschZeile->setSpacing(2);
    loeschZeile->addWidget(m_geloescht);
    loeschZeile->addStretch(1);
    knoepfe->addLayout(loeschZeile);

    knoepfe->addWidget(hinweis(QStringLiteral("Beispiel: 2,7,12,22,38,41 oder Text"), spalte));
    knoepfe->addWidget(hinweis(QStringLiteral("einfügen mit \"Feld x\" z. B. aus E-Mail"), spalte));
    auto* leeren = new QPushButton(QStringLiteral("Textfeld löschen"), spalte);
    leeren->setObjectName(QStringLiteral("bsSkinSpeedButton9"));
    connect(leeren, &QPushButton::clicked, this, &TFEingabe::bsSkinSpeedButton9Click);
    knoepfe->addWidget(leeren);

    auto* zeilen = new QHBoxLayout;
    zeilen->addWidget(new QLabel(QStringLiteral("Zeilen"), spalte));
    LZeilen = new QLabel(spalte);
    LZeilen->setObjectName(QStringLiteral("LZeilen"));
    LZeilen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LZeilen->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LZeilen->setMinimumWidth(50);
    zeilen->addWidget(LZeilen);
    zeilen->addStretch(1);
    knoepfe->addLayout(zeilen);

    auto* schrift = new QGroupBox(QStringLiteral("Schriftgröße"), spalte);
    auto* schriftZeile = new QHBoxLayout(schrift);
    schriftZeile->setContentsMargins(6, 2, 6, 4);
    schriftZeile->addWidget(new QLabel(QStringLiteral("kleiner"), schrift));
    up1 = new QSpinBox(schrift);
    up1->setObjectName(QStringLiteral("up1"));
    up1->setRange(SchriftMin, SchriftMax);
    up1->setSingleStep(1);
    up1->setValue(10);
    up1->setToolTip(QStringLiteral("Schriftgröße des Textfelds: kleiner / größer"));
    schriftZeile->addWidget(up1);
    schriftZeile->addWidget(new QLabel(QStringLiteral("größer"), schrift));
    connect(up1, &QSpinBox::valueChanged, this, &TFEingabe::up1Change);
    knoepfe->addWidget(schrift);
    knoepfe->addStretch(1);
    feldUndKnoepfe->addWidget(knoepfeFlaeche);
    l->addLayout(feldUndKnoepfe, 1);

    auto* gruppe = new QGroupBox(QStringLiteral("Beim Übertragen sollen..."), spalte);
    gruppe->setObjectName(QStringLiteral("RG1"));
    auto* gl = new QVBoxLayout(gruppe);
    gl->setContentsMargins(6, 2, 6, 4);
    gl->setSpacing(0);
    RG1a = new QRadioButton(QStringLiteral("...vorhandene Einträge überschrieben werden"), gruppe);
    RG1a->setObjectName(QStringLiteral("RG1a"));
    RG1a->setChecked(true);
    RG1b = new QRadioButton(QStringLiteral("...die neuen Reihen angehängt werden"), gruppe);
    RG1b->setObjectName(QStringLiteral("RG1b"));
    gl->addWidget(RG1a);
    gl->addWidget(RG1b);
    l->addWidget(gruppe);

    cbDelClick();
    up1Change(up1->value());
    zeilenZaehlen();
    return spalte;
}

QWidget* TFEingabe::tabellenSpalteAnlegen() {
    auto* spalte = new QWidget(this);
    spalte->setFixedWidth(282);
    auto* l = new QVBoxLayout(spalte);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);

    QAction* speichern = neueAktion(QStringLiteral("bsSkinSpeedButton1"),
                                    QStringLiteral("Als Spielschein s&peichern..."), Symbol::Speichern);
    QAction* loeschen =
        neueAktion(QStringLiteral("bsSkinSpeedButton2"), QStringLiteral("Reihen löschen"), Symbol::Loeschen);
    connect(speichern, &QAction::triggered, this, &TFEingabe::bsSkinSpeedButton1Click);
    connect(loeschen, &QAction::triggered, this, &TFEingabe::bsSkinSpeedButton2Click);
    QWidget* oben = knopfLeiste({speichern, loeschen}, spalte);
    oben->setObjectName(QStringLiteral("TabellenLeiste"));
    l->addWidget(oben);

    G1 = new TippreihenGitter(spalte);
    G1->setObjectName(QStringLiteral("G1"));
    G1->setzeSpaltenBreiten(45, 36);
    G1->modell()->setzeDaten(TippreihenDaten(50));
    l->addWidget(G1, 1);

    QAction* csv = neueAktion(QStringLiteral("bsSkinSpeedButton3"),
                              QStringLiteral("Im &CSV-Format speichern..."), Symbol::CSV);
    QAction* excel = neueAktion(QStringLiteral("bsSkinSpeedButton4"), QStringLiteral("Excel-\nExport"),
                                Symbol::TabelleExport);
    QAction* statistik =
        neueAktion(QStringLiteral("bsSkinSpeedButton16"), QStringLiteral("Statistik"), Symbol::Statistik);
    statistik->setToolTip(QStringLiteral("Wie oft kommt jede Zahl in der Tabelle vor?"));
    connect(csv, &QAction::triggered, this, &TFEingabe::bsSkinSpeedButton3Click);
    connect(excel, &QAction::triggered, this, &TFEingabe::bsSkinSpeedButton4Click);
    connect(statistik, &QAction::triggered, this, &TFEingabe::bsSkinSpeedButton16Click);
    QWidget* unten = knopfLeiste({csv, excel, statistik}, spalte);
    unten->setObjectName(QStringLiteral("AusgabeLeiste"));
    auto* statistikKnopf = unten->findChild<QToolButton*>(statistik->objectName());
    statistikKnopf->setToolButtonStyle(Qt::ToolButtonIconOnly);
    statistikKnopf->setIconSize(QSize(28, 28));
    l->addWidget(unten);

    LDatei = new QLabel(spalte);
    LDatei->setObjectName(QStringLiteral("LDatei"));
    l->addWidget(LDatei);

    auto* sz = new QHBoxLayout;
    sz->addWidget(new QLabel(QStringLiteral("Superzahl:"), spalte));
    ESZ = superzahlFeld(spalte);
    sz->addWidget(ESZ);
    sz->addWidget(hinweis(QStringLiteral("letzte Ziffer der Losnummer auf Ihrem Spielschein"), spalte), 1);
    l->addLayout(sz);
    return spalte;
}

void TFEingabe::setzeText(const QStringList& zeilen) {
    M1->setPlainText(MemoText(zeilen));
}

void TFEingabe::zeilenZaehlen() {
    // A final line break does not start another line; counted without copying the text.
    const QTextDocument* d = M1->document();
    const int zeilen = d->blockCount() - (d->lastBlock().text().isEmpty() ? 1 : 0);
    LZeilen->setText(QString::number(zeilen));
}

void TFEingabe::amEndeAnfuegen(const QString& neu) {
    // Only the new part is inserted, so the user can undo it like typing.
    const QString alt = M1->toPlainText();
    QTextCursor c(M1->document());
    c.movePosition(QTextCursor::End);
    c.insertText(neu.mid(alt.size()));
    M1->setTextCursor(c);
}

void TFEingabe::BLot50EUrClick(int zahl) {
    amEndeAnfuegen(ZahlAnhaengen(M1->toPlainText(), zahl));
}

void TFEingabe::bsSkinSpeedButton9Click() {
    M1->clear();
    LZeilen->setText(QStringLiteral("0"));
}

void TFEingabe::bsSkinSpeedButton8Click() {
    const TextUebertragung r =
        ReihenAusText(MemoZeilen(M1->toPlainText()), [this](const QStringList& bisher) {
            setzeText(bisher);
            switch (m_dienste.dialoge->frage(this, LeerzeichenFrageText, Knoepfe::JaNeinAbbrechen)) {
            case Antwort::Ja:
                return LeerzeichenWahl::Trennen;
            case Antwort::Nein:
                return LeerzeichenWahl::Entfernen;
            default:
                return LeerzeichenWahl::Abbrechen;
            }
        });
    setzeText(r.zeilen);
    if (r.meldung.art != MeldungsArt::Keine) {
        m_dienste.dialoge->fehler(this, r.meldung.text);
        return;
    }
    if (r.abgebrochen)
        return;
    const bool ueberschreiben = RG1a->isChecked();
    G1->modell()->aendern([&](TippreihenDaten& d) { ReihenInTabelle(d, r.reihen, ueberschreiben); });
}

void TFEingabe::bsSkinSpeedButton15Click() {
    const Dopplungspruefung r = DopplungenPruefen(MemoZeilen(M1->toPlainText()), cbDel->isChecked());
    setzeText(r.zeilen);
    if (r.meldung.art == MeldungsArt::Fehler)
        m_dienste.dialoge->fehler(this, r.meldung.text);
    else if (r.meldung.art == MeldungsArt::Information)
        m_dienste.dialoge->information(this, r.meldung.text);
}

void TFEingabe::cbDelClick() {
    m_geloescht->setVisible(cbDel->isChecked());
}

void TFEingabe::up1Change(int groesse) {
    QFont f = M1->font();
    f.setPointSize(groesse);
    M1->setFont(f);
}

void TFEingabe::bsSkinSpeedButton1Click() {
    const int sz = ESZ->text().isEmpty() ? -1 : ESZ->text().toInt();
    const QString pfad = AlsNormalscheinSpeichern(this, m_dienste, G1->daten(), sz);
    if (pfad.isEmpty())
        return;
    LDatei->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(pfad).fileName());
}

void TFEingabe::bsSkinSpeedButton2Click() {
    G1->modell()->aendern([](TippreihenDaten& d) { d.datenLeeren(); });
}

void TFEingabe::bsSkinSpeedButton3Click() {
    DateiDialogOptionen o = CSVSpeichernDialog();
    const QString pfad = m_dienste.dateiDialoge->speichern(this, o);
    if (pfad.isEmpty())
        return;
    QAction* a = aktion(QStringLiteral("bsSkinSpeedButton3"));
    a->setEnabled(false);
    CSVSpeichern(this, m_dienste, G1->daten(), pfad, [this, a, pfad](bool ok) {
        a->setEnabled(true);
        if (ok)
            LDatei->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(pfad).fileName());
        Q_EMIT hintergrundFertig(ok);
    });
}

void TFEingabe::bsSkinSpeedButton4Click() {
    QAction* a = aktion(QStringLiteral("bsSkinSpeedButton4"));
    a->setEnabled(false);
    ExcelExportieren(this, m_dienste, G1->daten(), QStringLiteral("Tippreihen"), TippreihenDaten::ZahlSpalten,
                     [this, a](bool ok) {
                         a->setEnabled(true);
                         Q_EMIT hintergrundFertig(ok);
                     });
}

void TFEingabe::bsSkinSpeedButton16Click() {
    const auto verteilung = TippzahlenZaehlen(G1->daten());
    if (!verteilung) {
        m_dienste.dialoge->fehler(this, verteilung.fehler());
        return;
    }
    auto* fenster = new TFStat1(this);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    for (int n = 1; n <= MaxZahl; ++n) {
        const Kachel k =
            VerteilungsKachel(verteilung->anzahl[static_cast<std::size_t>(n)], verteilung->zeilen);
        const QColor farbe = k.farbe == KachelFarbe::Rot     ? TFStat1::Rot
                             : k.farbe == KachelFarbe::Gruen ? TFStat1::Gruen
                                                             : QColor();
        fenster->kacheln()->setzeWert(n, k.text, farbe);
    }
    fenster->setzeAnzahlen(verteilung->anzahl);
    m_router.anmelden(fenster);
    fenster->show();
}

void TFEingabe::bsSkinSpeedButton7Click() {
    DateiDialogOptionen o;
    o.titel = QStringLiteral("Normalschein-Datei einlesen");
    o.filter = QStringLiteral("Normalschein-Dateien (*.nkb)");
    o.standardEndung = QStringLiteral("nkb");
    o.startOrdner = zustand().DatenPfad;
    const QStringList dateien = m_dienste.dateiDialoge->oeffnen(this, o, false);
    if (dateien.isEmpty())
        return;
    const QString pfad = dateien.constFirst();
    LSZ->clear();
    const auto schein = NormalscheinLesen(pfad);
    if (!schein) {
        m_dienste.dialoge->fehler(this, schein.fehler());
        return;
    }
    G2->modell()->setzeDaten(ScheinAlsTabelle(*schein));
    LDatei1->setText(QFileInfo(pfad).fileName());
    LSZ->setText(schein->SZ >= 0 ? QString::number(schein->SZ) : QString());
}

void TFEingabe::bsSkinSpeedButton10Click() {
    DateiDialogOptionen o;
    o.titel = QStringLiteral("Excel-Tabelle einlesen");
    o.filter = QStringLiteral("Excel-Datei (*.xl*);;OpenDocument-Tabelle (*.ods)");
    o.standardEndung = QStringLiteral("xlsx");
    o.startOrdner = zustand().DatenPfad;
    const QStringList dateien = m_dienste.dateiDialoge->oeffnen(this, o, false);
    if (dateien.isEmpty())
        return;
    const QString pfad = dateien.constFirst();
    QAction* a = aktion(QStringLiteral("bsSkinSpeedButton10"));
    a->setEnabled(false);
    Spreadsheet* tabellen = m_dienste.tabellen;
    imHintergrund<Result<TippreihenDaten>>(
        this,
        [tabellen, pfad]() -> Result<TippreihenDaten> {
            auto blatt = tabellen->lesen(pfad);
            if (!blatt)
                return Fehler{blatt.fehler()};
            return BlattAlsTabelle(*blatt);
        },
        [this, a, pfad](const Result<TippreihenDaten>& r) {
            a->setEnabled(true);
            if (!r) {
                m_dienste.dialoge->fehler(this, r.fehler());
            } else {
                G2->modell()->setzeDaten(*r);
                LDatei1->setText(QFileInfo(pfad).fileName());
                LSZ->clear();
            }
            Q_EMIT hintergrundFertig(r.ok());
        });
}

void TFEingabe::bsSkinSpeedButton13Click() {
    DateiDialogOptionen o;
    o.titel = QStringLiteral("CSV-Datei einlesen");
    o.filter = QStringLiteral("CSV-Datei (*.csv)");
    o.standardEndung = QStringLiteral("csv");
    o.startOrdner = m_csvOrdner;
    const QStringList dateien = m_dienste.dateiDialoge->oeffnen(this, o, false);
    if (dateien.isEmpty())
        return;
    const QString pfad = dateien.constFirst();
    m_csvOrdner = QFileInfo(pfad).absolutePath();
    const auto inhalt = DateiLesen(pfad);
    if (!inhalt || !inhalt->vorhanden) {
        m_dienste.dialoge->fehler(
            this,
            inhalt
                ? QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(QDir::toNativeSeparators(pfad))
                : inhalt.fehler());
        return;
    }
    auto tabelle = CSVAlsTabelle(inhalt->daten, pfad);
    if (!tabelle) {
        m_dienste.dialoge->fehler(this, tabelle.fehler());
        return;
    }
    G2->modell()->setzeDaten(std::move(tabelle).wert());
    LDatei1->setText(QFileInfo(pfad).fileName());
    LSZ->clear();
}

void TFEingabe::bsSkinSpeedButton6Click() {
    const auto zeilen = TabelleAlsZeilen(G2->daten());
    if (!zeilen) {
        m_dienste.dialoge->fehler(this, zeilen.fehler());
        return;
    }
    amEndeAnfuegen(ZeilenAnhaengen(M1->toPlainText(), *zeilen));
}

void TFEingabe::showEvent(QShowEvent* e) {
    FormShow();
    QWidget::showEvent(e);
}

void TFEingabe::FormShow() {
    const IniDatei ini(zustand().einstellungenPfad());
    if (!ini.dateiVorhanden())
        return;
    const EingabeEinstellungen e = EingabeEinstellungenLesen(ini, {RG1a->isChecked(), up1->value()});
    (e.ueberschreiben ? RG1a : RG1b)->setChecked(true);
    up1->setValue(e.schriftgroesse);
}

void TFEingabe::FormCloseQuery() {
    IniDatei ini(zustand().einstellungenPfad());
    EingabeEinstellungenSchreiben(ini, {RG1a->isChecked(), up1->value()});
    if (const Status s = ini.speichern(); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
}

void TFEingabe::closeEvent(QCloseEvent* e) {
    FormCloseQuery();
    e->accept();
}

void TFEingabe::resizeEvent(QResizeEvent* e) {
    setWindowTitle(FensterTitel());
    QWidget::resizeEvent(e);
}

} // namespace kb
