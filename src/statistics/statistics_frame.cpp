#include "statistics_frame.h"

#include "core/date.h"
#include "core/program_state.h"
#include "statistics_models.h"
#include "widgets/bar_chart.h"
#include "widgets/icons.h"
#include "widgets/number_pad.h"
#include "widgets/skin.h"
#include "widgets/tile_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kb {

const QColor TFfrStatistik::FarbeTreffer = QColor(0, 255, 0);
const QColor TFfrStatistik::FarbeKeinTreffer = QColor(255, 102, 102);

namespace {

// Progress maxima of the triple and quadruple runs.
constexpr int FortschrittDreier = 28380;
constexpr int FortschrittVierer = 297990;

QTableView* tabelle(const QString& name, QAbstractItemModel* modell, QWidget* eltern) {
    auto* t = new QTableView(eltern);
    t->setObjectName(name);
    t->setModel(modell);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(18);
    t->horizontalHeader()->setDefaultSectionSize(40);
    t->horizontalHeader()->setStretchLastSection(true);
    t->horizontalHeader()->setHighlightSections(false);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setWordWrap(false);
    QFont f = t->font();
    f.setPointSize(8);
    t->setFont(f);
    return t;
}

QLabel* ueberschrift(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

std::array<int, 4> TFfrStatistik::letzteOptionen(int kategorie) {
    return kategorie == KategorieAlle ? std::array<int, 4>{8, 26, 52, 104}
                                      : std::array<int, 4>{4, 13, 26, 52};
}

QString TFfrStatistik::titel(int kategorie) {
    return KategorieTitel(kategorie);
}

TFfrStatistik::TFfrStatistik(int kategorie, Dienste& dienste, QWidget* eltern)
    : QGroupBox(titel(kategorie), eltern), m_dienste(dienste), m_kategorie(kategorie) {
    setObjectName(QStringLiteral("frStatistik%1").arg(kategorie));
    setProperty("tag", kategorie);
    setFixedWidth(Breite);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 4, 6, 6);
    spalte->setSpacing(6);
    spalte->addWidget(zaehlbereichAnlegen());

    PCStat = new QTabWidget(this);
    PCStat->setObjectName(QStringLiteral("PCStat"));
    PCStat->addTab(favoritenSeite(2, GKombi1, GKombi2, m_paareHaeufig, m_paareSelten),
                   QStringLiteral("2er Kombis"));
    PCStat->addTab(favoritenSeite(3, GKombi3, GKombi4, m_dreierHaeufig, m_dreierSelten),
                   QStringLiteral("3er Kombis"));
    PCStat->addTab(favoritenSeite(4, GKombi5, GKombi6, m_viererHaeufig, m_viererSelten),
                   QStringLiteral("4er Kombis"));
    PCStat->addTab(suchSeite(), QStringLiteral("Kombi-Suche"));
    spalte->addWidget(PCStat, 1);
}

QWidget* TFfrStatistik::zaehlbereichAnlegen() {
    auto* bereich = new QWidget(this);
    auto* zeile = new QHBoxLayout(bereich);
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->setSpacing(8);

    auto* links = new QVBoxLayout;
    links->setSpacing(3);
    P1 = new ZahlKachelFeld(QStringLiteral("Häufigkeit der Zahlen"), bereich);
    P1->setObjectName(QStringLiteral("P1"));
    links->addWidget(P1);
    BAuf = new QPushButton(symbolIcon(Symbol::SortAuf), QStringLiteral("Aufsteigend sortieren"), bereich);
    BAuf->setObjectName(QStringLiteral("BAuf"));
    connect(BAuf, &QPushButton::clicked, this, &TFfrStatistik::BAufClick);
    links->addWidget(BAuf, 0, Qt::AlignRight);
    m_haeufigkeit = new Balkendiagramm(QStringLiteral("Häufigkeit im Zeitraum"), bereich);
    m_haeufigkeit->setObjectName(QStringLiteral("DHaeufigkeit"));
    m_haeufigkeit->setFixedWidth(P1->width());
    links->addWidget(m_haeufigkeit);
    links->addStretch(1);
    zeile->addLayout(links);

    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(4);
    rechts->addWidget(ueberschrift(QStringLiteral("Auswertungszeitraum wählen:"), bereich));
    auto* zeitraum = new QGridLayout;
    zeitraum->setHorizontalSpacing(6);
    zeitraum->setVerticalSpacing(3);
    combo1 = new QComboBox(bereich);
    combo1->setObjectName(QStringLiteral("combo1"));
    combo2 = new QComboBox(bereich);
    combo2->setObjectName(QStringLiteral("combo2"));
    for (QComboBox* c : {combo1, combo2}) {
        c->setMaxVisibleItems(20);
        c->setMinimumWidth(110);
        connect(c, &QComboBox::currentIndexChanged, this, &TFfrStatistik::combo1Change);
    }
    zeitraum->addWidget(new QLabel(QStringLiteral("von"), bereich), 0, 0);
    zeitraum->addWidget(combo1, 0, 1);
    zeitraum->addWidget(new QLabel(QStringLiteral("bis"), bereich), 1, 0);
    zeitraum->addWidget(combo2, 1, 1);
    BStart = new QPushButton(QStringLiteral("Start"), bereich);
    BStart->setObjectName(QStringLiteral("BStart"));
    connect(BStart, &QPushButton::clicked, this, &TFfrStatistik::BStartClick);
    zeitraum->addWidget(BStart, 0, 2, 2, 1);
    zeitraum->addWidget(new QLabel(QStringLiteral("Anzahl Ziehungen"), bereich), 2, 0, 1, 2);
    LZie = new QLabel(bereich);
    LZie->setObjectName(QStringLiteral("LZie"));
    LZie->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LZie->setAlignment(Qt::AlignCenter);
    LZie->setMinimumWidth(60);
    zeitraum->addWidget(LZie, 2, 2);
    zeitraum->setColumnStretch(1, 1);
    rechts->addLayout(zeitraum);

    RGLetzte = new QGroupBox(QStringLiteral("Die letzten X Ziehungen auswerten"), bereich);
    RGLetzte->setObjectName(QStringLiteral("RGLetzte"));
    auto* optionen = new QHBoxLayout(RGLetzte);
    optionen->setContentsMargins(6, 2, 6, 4);
    optionen->setSpacing(4);
    m_letzte = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto* r = new QRadioButton(RGLetzte);
        r->setObjectName(QStringLiteral("RGLetzte%1").arg(i + 1));
        if (i < 4)
            r->setText(QString::number(letzteOptionen(m_kategorie)[static_cast<std::size_t>(i)]));
        m_letzte->addButton(r, i);
        optionen->addWidget(r);
    }
    m_letzte->button(4)->setChecked(true);
    connect(m_letzte, &QButtonGroup::idClicked, this, &TFfrStatistik::RGLetzteClick);
    rechts->addWidget(RGLetzte);

    if (m_kategorie == KategorieAlle) {
        cbAuch = new QCheckBox(QStringLiteral("Für Samstag und Mitt- woch übernehmen"), bereich);
        cbAuch->setObjectName(QStringLiteral("cbAuch"));
        QFont klein = cbAuch->font();
        klein.setPointSize(8);
        cbAuch->setFont(klein);
        rechts->addWidget(cbAuch);
    } else {
        auto* hinweis = new QLabel(QStringLiteral("Gesamtauswertung ist links im Fenster möglich"), bereich);
        hinweis->setObjectName(QStringLiteral("LGesamt"));
        hinweis->setWordWrap(true);
        rechts->addWidget(hinweis);
    }
    rechts->addWidget(abwesenheitAnlegen());
    rechts->addStretch(1);
    zeile->addLayout(rechts, 1);
    return bereich;
}

QWidget* TFfrStatistik::abwesenheitAnlegen() {
    auto* gruppe = new QGroupBox(QStringLiteral("Wie oft sind Zahlen ausgeblieben"), this);
    gruppe->setObjectName(QStringLiteral("GBAus"));
    auto* spalte = new QVBoxLayout(gruppe);
    spalte->setContentsMargins(4, 2, 4, 4);
    spalte->setSpacing(3);
    m_abwesenheit = new AbwesenheitsModell(this);
    GAus = tabelle(QStringLiteral("GAus"), m_abwesenheit, gruppe);
    GAus->horizontalHeader()->hide();
    GAus->horizontalHeader()->setStretchLastSection(false);
    GAus->horizontalHeader()->setDefaultSectionSize(30);
    GAus->setColumnWidth(0, 60); // room for "    Zahl:" in this font
    GAus->setSelectionMode(QAbstractItemView::NoSelection);
    GAus->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GAus->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    GAus->setFixedHeight(2 * 18 + GAus->horizontalScrollBar()->sizeHint().height() + 4);
    spalte->addWidget(GAus);
    m_luecken = new Balkendiagramm(QStringLiteral("Ziehungen seit dem letzten Auftreten"), gruppe);
    m_luecken->setObjectName(QStringLiteral("DAusgeblieben"));
    spalte->addWidget(m_luecken);
    return gruppe;
}

QWidget* TFfrStatistik::favoritenSeite(int groesse, QTableView*& haeufig, QTableView*& selten,
                                       KombiListenModell*& mh, KombiListenModell*& ms) {
    auto* seite = new QWidget(this);
    auto* gitter = new QGridLayout(seite);
    gitter->setContentsMargins(4, 4, 4, 4);
    gitter->setSpacing(4);
    int zeile = 0;
    if (groesse > 2) {
        auto* start = new QPushButton(QStringLiteral("Start"), seite);
        auto* hinweis = new QLabel(QStringLiteral("Manuell starten, da zeitintensiv"), seite);
        auto* balken = new QProgressBar(seite);
        balken->setTextVisible(false);
        balken->setMaximumHeight(14);
        balken->setRange(0, groesse == 3 ? FortschrittDreier : FortschrittVierer);
        balken->setValue(0);
        if (groesse == 3) {
            BStart3 = start;
            start->setObjectName(QStringLiteral("BStart3"));
            balken->setObjectName(QStringLiteral("PBar3"));
            m_fortschritt3 = balken;
            connect(start, &QPushButton::clicked, this, &TFfrStatistik::BStart3Click);
        } else {
            BStart2 = start;
            start->setObjectName(QStringLiteral("BStart2"));
            balken->setObjectName(QStringLiteral("PBar4"));
            m_fortschritt4 = balken;
            connect(start, &QPushButton::clicked, this, &TFfrStatistik::BStart2Click);
        }
        auto* kopf = new QHBoxLayout;
        kopf->addWidget(start);
        kopf->addWidget(hinweis);
        kopf->addWidget(balken, 1);
        gitter->addLayout(kopf, zeile++, 0, 1, 2);
    }
    const QString s = QString::number(groesse);
    gitter->addWidget(ueberschrift(QStringLiteral("Die häufigsten %1er").arg(s), seite), zeile, 0);
    gitter->addWidget(ueberschrift(QStringLiteral("Die seltensten %1er").arg(s), seite), zeile++, 1);
    mh = new KombiListenModell(this);
    ms = new KombiListenModell(this);
    const int nr = 2 * groesse - 3; // GKombi1/2, 3/4, 5/6
    haeufig = tabelle(QStringLiteral("GKombi%1").arg(nr), mh, seite);
    selten = tabelle(QStringLiteral("GKombi%1").arg(nr + 1), ms, seite);
    for (QTableView* t : {haeufig, selten}) {
        t->setColumnWidth(1, 30 * groesse);
        t->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    }
    gitter->addWidget(haeufig, zeile, 0);
    gitter->addWidget(selten, zeile, 1);
    gitter->setRowStretch(zeile, 1);
    return seite;
}

QWidget* TFfrStatistik::suchSeite() {
    auto* seite = new QWidget(this);
    auto* zeile = new QHBoxLayout(seite);
    zeile->setContentsMargins(4, 4, 4, 4);
    zeile->setSpacing(8);

    auto* links = new QVBoxLayout;
    links->setSpacing(3);
    links->addWidget(new QLabel(QStringLiteral("Kombizahlen anklicken"), seite));
    Zahlenpad::Aufbau a;
    a.tagVersatz = 100 * m_kategorie;
    a.knopfGroesse = QSize(26, 21);
    a.punktGroesse = 7;
    a.namensPraefix = QStringLiteral("BKombi");
    a.farbe = skin::farbe::KugelTeal;
    PNr = new Zahlenpad(a, seite);
    PNr->setObjectName(QStringLiteral("PNr"));
    connect(PNr, &Zahlenpad::geklickt, this, &TFfrStatistik::BNrClick);
    links->addWidget(PNr);
    auto* hinweis =
        new QLabel(QStringLiteral("Der Button \"Suche starten\" kann betätigt werden, wenn mindestens "
                                  "zwei Zahlen für eine Kombi-Suche angeklickt wurden."),
                   seite);
    hinweis->setWordWrap(true);
    hinweis->setMaximumWidth(PNr->sizeHint().width());
    QFont f = hinweis->font();
    f.setPointSize(7);
    hinweis->setFont(f);
    links->addWidget(hinweis);
    links->addStretch(1);
    zeile->addLayout(links);

    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(4);
    auto* knoepfe = new QHBoxLayout;
    BSuche = new QPushButton(QStringLiteral("Suche starten"), seite);
    BSuche->setObjectName(QStringLiteral("BSuche"));
    BSuche->setEnabled(false);
    connect(BSuche, &QPushButton::clicked, this, &TFfrStatistik::BSucheClick);
    BDel = new QPushButton(QStringLiteral("Zurücksetzen"), seite);
    BDel->setObjectName(QStringLiteral("BDel"));
    connect(BDel, &QPushButton::clicked, this, &TFfrStatistik::BDelClick);
    LErg = new QLabel(seite);
    LErg->setObjectName(QStringLiteral("LErg"));
    LErg->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LErg->setAlignment(Qt::AlignCenter);
    LErg->setMinimumWidth(44);
    LErg->setAutoFillBackground(true);
    knoepfe->addWidget(BSuche);
    knoepfe->addWidget(BDel);
    knoepfe->addWidget(LErg);
    rechts->addLayout(knoepfe);
    rechts->addWidget(ueberschrift(QStringLiteral("Aufgetreten am"), seite));
    m_suche = new KombiSucheModell(zustand().LandesFormat, this);
    GKombi7 = tabelle(QStringLiteral("GKombi7"), m_suche, seite);
    GKombi7->setColumnWidth(0, 36);
    GKombi7->setColumnWidth(1, 76);
    rechts->addWidget(GKombi7, 1);
    zeile->addLayout(rechts, 1);
    return seite;
}

int TFfrStatistik::anzahlZiehungen() const {
    return static_cast<int>(statistik().mengen[static_cast<std::size_t>(m_kategorie)].size());
}

void TFfrStatistik::fuellen() {
    const bool bereit = m_bereit;
    m_bereit = false;
    ZahlenStatistik& s = statistik();
    const int n = anzahlZiehungen();
    const QVector<TGewZahlen>& ziehungen = s.ziehungen[static_cast<std::size_t>(m_kategorie)];
    QStringList daten;
    daten.reserve(ziehungen.size());
    for (const TGewZahlen& z : ziehungen)
        daten.append(DatumText(z.datum, zustand().LandesFormat));
    for (QComboBox* c : {combo1, combo2}) {
        const QSignalBlocker sperre(c);
        c->clear();
        c->addItems(daten);
    }
    combo1->setCurrentIndex(daten.isEmpty() ? -1 : 0);
    combo2->setCurrentIndex(static_cast<int>(daten.size()) - 1);
    LZie->setText(QString::number(n));
    m_letzte->button(4)->setText(QString::number(n));
    m_letzte->button(4)->setChecked(true);

    // Counted over the very draws the period lists offer: the whole-history row of category 0
    // leaves out draws on other weekdays, which would not match "Anzahl Ziehungen".
    anzahlenZeigen(TeilStatistik(s, 0, n - 1, m_kategorie));
    const Abwesenheit a = Ausgeblieben(s, 0, n - 1, m_kategorie);
    m_abwesenheit->setzen(a);
    m_luecken->setzeWerte(a.luecke);

    const QVector<ZahlenMenge>& mengen = s.mengen[static_cast<std::size_t>(m_kategorie)];
    const KombiTabelle& paare = KombiTabelleFuer(2);
    const KombiFavoriten f = KombinationenFavoriten(paare, mengen, 0, n - 1);
    m_paareHaeufig->setzen(&paare, f.haeufigste);
    m_paareSelten->setzen(&paare, f.seltenste);
    for (KombiListenModell* m : {m_dreierHaeufig, m_dreierSelten, m_viererHaeufig, m_viererSelten})
        m->setzen(nullptr, {});
    m_fortschritt3->setValue(0);
    m_fortschritt4->setValue(0);
    m_bereit = bereit;
}

void TFfrStatistik::anzahlenZeigen(const Zahlenzaehler& anzahl) {
    m_anzahl = anzahl;
    for (int n = 1; n <= MaxZahl; ++n)
        P1->setzeWert(n, QString::number(anzahl[static_cast<std::size_t>(n - 1)]));
    // A sorted panel stays sorted, by the counts it shows now.
    if (m_sortiert)
        P1->anordnen(NachAnzahlOrdnen(m_anzahl));
    m_haeufigkeit->setzeWerte(anzahl);
}

bool TFfrStatistik::hatZiehungen() {
    if (anzahlZiehungen() > 0)
        return true;
    m_dienste.dialoge->information(this, QStringLiteral(" Bitte Verbindung zum Internet bestehen."));
    return false;
}

void TFfrStatistik::combo1Change() {
    if (!m_bereit)
        return;
    const int von = combo1->currentIndex();
    const int bis = combo2->currentIndex();
    if (bis < von) {
        LZie->clear();
        return;
    }
    LZie->setText(QString::number(bis - von + 1));
    BStartClick();
}

void TFfrStatistik::BStartClick() {
    if (anzahlZiehungen() == 0) {
        const Antwort a = m_dienste.dialoge->frage(
            this,
            QStringLiteral("Für eine statistische Auswertung fehlen die Gewinnreihen.\r\r"
                           "Soll ich den Downloadbereich öffnen?"),
            Knoepfe::JaNeinAbbrechen);
        if (a == Antwort::Ja)
            Q_EMIT downloadbereichGewuenscht();
        return;
    }
    anzahlenZeigen(TeilStatistik(statistik(), combo1->currentIndex(), combo2->currentIndex(), m_kategorie));
}

void TFfrStatistik::RGLetzteClick(int option) {
    if (!m_bereit || option < 0 || option > 4)
        return;
    const int n = anzahlZiehungen();
    const int x = option == 4 ? n : letzteOptionen(m_kategorie)[static_cast<std::size_t>(option)];
    {
        const QSignalBlocker s1(combo1);
        const QSignalBlocker s2(combo2);
        combo2->setCurrentIndex(n - 1);
        combo1->setCurrentIndex(n > 0 ? std::max(n - x, 0) : -1);
    }
    if (n > 0)
        LZie->setText(QString::number(combo2->currentIndex() - combo1->currentIndex() + 1));
    BStartClick();
}

void TFfrStatistik::BAufClick() {
    m_sortiert = !m_sortiert;
    if (m_sortiert) {
        P1->anordnen(NachAnzahlOrdnen(m_anzahl));
        BAuf->setText(QStringLiteral("Von 1 - 49 sortieren"));
        BAuf->setIcon(symbolIcon(Symbol::SortZurueck));
    } else {
        P1->grundstellung();
        BAuf->setText(QStringLiteral("Aufsteigend sortieren"));
        BAuf->setIcon(symbolIcon(Symbol::SortAuf));
    }
}

void TFfrStatistik::favoritenLaufen(int groesse) {
    if (!hatZiehungen())
        return;
    const KombiTabelle& t = KombiTabelleFuer(groesse);
    QProgressBar* balken = groesse == 3 ? m_fortschritt3 : m_fortschritt4;
    balken->setValue(0);
    // Counting by the subsets of each draw takes milliseconds, so this runs in place.
    const KombiFavoriten f =
        KombinationenFavoriten(t, statistik().mengen[static_cast<std::size_t>(m_kategorie)],
                               combo1->currentIndex(), combo2->currentIndex());
    (groesse == 3 ? m_dreierHaeufig : m_viererHaeufig)->setzen(&t, f.haeufigste);
    (groesse == 3 ? m_dreierSelten : m_viererSelten)->setzen(&t, f.seltenste);
    balken->setValue(balken->maximum());
}

void TFfrStatistik::BStart3Click() {
    favoritenLaufen(3);
}

void TFfrStatistik::BStart2Click() {
    favoritenLaufen(4);
}

void TFfrStatistik::BNrClick(int tag) {
    const int n = tag - 100 * m_kategorie;
    switch (m_auswahl.umschalten(n)) {
    case KombiAuswahl::Ergebnis::Voll:
        m_dienste.dialoge->fehler(this, SucheVollText);
        return;
    case KombiAuswahl::Ergebnis::Ungueltig:
        return;
    case KombiAuswahl::Ergebnis::Gewaehlt:
    case KombiAuswahl::Ergebnis::Abgewaehlt:
        break;
    }
    PNr->setGewaehlt(tag, m_auswahl.enthaelt(n));
    BSuche->setEnabled(m_auswahl.suchbar());
    Q_EMIT auswahlGeaendert();
}

void TFfrStatistik::auswahlUebernehmen(const ZahlenMenge& m) {
    m_auswahl.setzen(m);
    for (int n = 1; n <= MaxZahl; ++n)
        PNr->setGewaehlt(n + 100 * m_kategorie, m_auswahl.enthaelt(n));
    BSuche->setEnabled(m_auswahl.suchbar());
}

int TFfrStatistik::suchen() {
    const QVector<KombiTreffer> t = KombisSuchen(statistik(), combo1->currentIndex(), combo2->currentIndex(),
                                                 m_kategorie, m_auswahl.menge());
    m_suche->setzen(t);
    const int treffer = static_cast<int>(t.size());
    LErg->setText(QString::number(treffer));
    QPalette p = LErg->palette();
    p.setColor(QPalette::Window, treffer > 0 ? FarbeTreffer : FarbeKeinTreffer);
    LErg->setPalette(p);
    return treffer;
}

void TFfrStatistik::BSucheClick() {
    suchen();
    Q_EMIT sucheAusgefuehrt();
}

void TFfrStatistik::sucheZuruecksetzen() {
    PNr->alleNormal();
    m_auswahl.leeren();
    BSuche->setEnabled(false);
    m_suche->leeren();
    LErg->clear();
    LErg->setPalette(QPalette());
}

void TFfrStatistik::BDelClick() {
    sucheZuruecksetzen();
    Q_EMIT sucheGeleert();
}

} // namespace kb
