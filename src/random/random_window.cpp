#include "random_window.h"

#include "core/money.h"
#include "core/program_state.h"
#include "core/row_table.h"
#include "entry/ticket_entry.h"
#include "evaluation/navigation_bar.h"
#include "random_settings.h"
#include "statistics/distribution.h"
#include "widgets/background.h"
#include "widgets/icons.h"
#include "widgets/number_pad.h"
#include "widgets/row_grid.h"
#include "widgets/row_output.h"
#include "widgets/tile_panel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace kb {

const QColor TFZufall::BankKachel = QColor(147, 254, 114);
const QColor TFZufall::BankZelle = QColor(179, 255, 179);
const QColor TFZufall::FavoritFarbe = QColor(40, 184, 255);

namespace {

constexpr std::array<ZufallsGruppe, 3> Gruppen{ZufallsGruppe::Bankzahlen, ZufallsGruppe::Quotenkiller,
                                               ZufallsGruppe::Favoriten};
// Look of a selected button on each pad.
const std::array<QColor, 3> PadFarben{QColor(147, 254, 114), QColor(255, 110, 90), QColor(40, 184, 255)};

QString leerText(const char* was) {
    return QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu %1.\r\rIch breche erst einmal ab.")
        .arg(QLatin1String(was));
}

} // namespace

// What a finished run hands back to the window thread.
struct TFZufall::Laufdaten {
    TippreihenDaten tabelle;
    std::array<int, MaxZahl> NrCount{};
    bool abgebrochen = false;
};

TFZufall::TFZufall(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern)
    : QWidget(eltern), m_dienste(dienste), m_router(router) {
    setObjectName(QStringLiteral("FZufall"));
    setAttribute(Qt::WA_DeleteOnClose);
    FormCreate();
}

TFZufall::~TFZufall() {
    // The worker owns nothing of ours, but its rows are not wanted any more.
    stoppen();
    if (m_waechter)
        m_waechter->waitForFinished();
}

QLineEdit* TFZufall::zifferFeld(const QString& name, int laenge) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setMaxLength(laenge);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    e->installEventFilter(this);
    return e;
}

void TFZufall::FormCreate() {
    setWindowTitle(FensterTitel());
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);
    using K = NavigationsLeiste::Knopf;
    m_navigation = new NavigationsLeiste(this, m_dienste, m_router, HilfeKontext,
                                         {K::Schliessen, K::Normalschein, K::Systemschein, K::NueberK,
                                          K::Statistik, K::Hilfe, K::Rechner, K::SystemWahl, K::Update,
                                          K::Kalender, K::Quoten, K::Druck});
    haupt->addWidget(m_navigation);

    auto* mitte = new QHBoxLayout;
    mitte->setContentsMargins(8, 4, 8, 8);
    mitte->setSpacing(10);
    mitte->addWidget(linkeSpalteAnlegen());
    mitte->addWidget(tabellenSpalteAnlegen(), 1);
    mitte->addWidget(verteilungsSpalteAnlegen());
    haupt->addLayout(mitte, 1);

    m_fortschrittsTakt = new QTimer(this);
    m_fortschrittsTakt->setInterval(100);
    connect(m_fortschrittsTakt, &QTimer::timeout, this, [this] {
        if (m_fortschritt)
            PFortschritt->setValue(m_fortschritt->load());
    });
    laufAnzeigen(false);
    resize(PVert->width() + 610, ClientHoehe);
}

QWidget* TFZufall::linkeSpalteAnlegen() {
    auto* spalte = new QWidget(this);
    auto* l = new QVBoxLayout(spalte);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);
    auto* titel = new QLabel(QStringLiteral("Der manipulierbare Lottozahlen-Zufallsgenerator"), spalte);
    QFont f = titel->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    titel->setFont(f);
    l->addWidget(titel);
    auto* anleitung =
        new QLabel(QStringLiteral("Geben Sie die gewünschte Anzahl Tippreihen ein, wählen Sie ggfs. "
                                  "Bankzahlen, Quotenkiller und Favoriten, dann \"Viel Glück\"!"),
                   spalte);
    anleitung->setWordWrap(true);
    l->addWidget(anleitung);

    auto* anzahl = new QHBoxLayout;
    anzahl->addWidget(new QLabel(QStringLiteral("Gewünschte Anzahl Tippreihen:"), spalte));
    EAnz = zifferFeld(QStringLiteral("EAnz"), 9);
    EAnz->setFixedWidth(80);
    EAnz->setAlignment(Qt::AlignRight);
    anzahl->addWidget(EAnz);
    anzahl->addStretch(1);
    l->addLayout(anzahl);

    auto* pads = new QHBoxLayout;
    pads->setSpacing(10);
    const std::array<QString, 3> titelTexte{QStringLiteral("Bankzahlen"), QStringLiteral("Quotenkiller"),
                                            QStringLiteral("Favoriten")};
    const std::array<QString, 3> leerenNamen{QStringLiteral("bsSkinSpeedButton5"),
                                             QStringLiteral("bsSkinSpeedButton7"),
                                             QStringLiteral("bsSkinSpeedButton8")};
    for (std::size_t i = 0; i < 3; ++i) {
        const int g = static_cast<int>(i) + 1;
        auto* block = new QVBoxLayout;
        block->setSpacing(2);
        auto* kopf = new QHBoxLayout;
        auto* beschriftung = new QLabel(titelTexte[i], spalte);
        QFont fett = beschriftung->font();
        fett.setBold(true);
        beschriftung->setFont(fett);
        kopf->addWidget(beschriftung);
        kopf->addStretch(1);
        auto* leeren = new QPushButton(symbolIcon(Symbol::Leeren), QString(), spalte);
        leeren->setObjectName(leerenNamen[i]);
        leeren->setToolTip(QStringLiteral("Alle %1 abwählen").arg(titelTexte[i]));
        leeren->setFixedSize(22, 20);
        leeren->setFlat(true);
        m_leeren[i] = leeren;
        kopf->addWidget(leeren);
        block->addLayout(kopf);

        Zahlenpad::Aufbau aufbau = Zahlenpad::feldAufbau(g, PadFarben[i]);
        aufbau.knopfGroesse = QSize(21, 20);
        aufbau.abstand = 1;
        auto* pad = new Zahlenpad(aufbau, spalte);
        pad->setObjectName(QStringLiteral("P%1").arg(g));
        pad->setzeAuswaehlbar(true);
        for (int n = 1; n <= MaxZahl; ++n) {
            // A hidden button keeps its place, so the pad does not close up around it.
            QSizePolicy p = pad->zahlKnopf(n)->sizePolicy();
            p.setRetainSizeWhenHidden(true);
            pad->zahlKnopf(n)->setSizePolicy(p);
        }
        connect(pad->gruppe(), &QButtonGroup::idClicked, this, &TFZufall::BLotUrClick);
        m_pads[i] = pad;
        block->addWidget(pad);
        pads->addLayout(block);
    }
    connect(m_leeren[0], &QPushButton::clicked, this, &TFZufall::bsSkinSpeedButton5Click);
    connect(m_leeren[1], &QPushButton::clicked, this, &TFZufall::bsSkinSpeedButton7Click);
    connect(m_leeren[2], &QPushButton::clicked, this, &TFZufall::bsSkinSpeedButton8Click);
    l->addLayout(pads);

    auto* lauf = new QHBoxLayout;
    m_vielGlueck = new QPushButton(symbolIcon(Symbol::Zufall), QStringLiteral("Viel Glück!"), spalte);
    m_vielGlueck->setObjectName(QStringLiteral("bsSkinSpeedButton1"));
    m_vielGlueck->setMinimumHeight(30);
    QFont gross = m_vielGlueck->font();
    gross.setBold(true);
    m_vielGlueck->setFont(gross);
    connect(m_vielGlueck, &QPushButton::clicked, this, &TFZufall::bsSkinSpeedButton1Click);
    lauf->addWidget(m_vielGlueck, 1);
    PFortschritt = new QProgressBar(spalte);
    PFortschritt->setObjectName(QStringLiteral("PFortschritt"));
    lauf->addWidget(PFortschritt, 1);
    BStopp = new QPushButton(symbolIcon(Symbol::Abbrechen), QStringLiteral("Anhalten"), spalte);
    BStopp->setObjectName(QStringLiteral("BStopp"));
    connect(BStopp, &QPushButton::clicked, this, &TFZufall::BStoppClick);
    lauf->addWidget(BStopp);
    l->addLayout(lauf);
    l->addStretch(1);

    auto* ausgaben = new QHBoxLayout;
    BSave =
        new QPushButton(symbolIcon(Symbol::Speichern), QStringLiteral("Als Spielschein s&peichern"), spalte);
    BSave->setObjectName(QStringLiteral("BSave"));
    connect(BSave, &QPushButton::clicked, this, &TFZufall::BSaveClick);
    m_csv = new QPushButton(symbolIcon(Symbol::CSV), QStringLiteral("Im &CSV-Format speichern..."), spalte);
    m_csv->setObjectName(QStringLiteral("bsSkinSpeedButton3"));
    connect(m_csv, &QPushButton::clicked, this, &TFZufall::bsSkinSpeedButton3Click);
    m_excel = new QPushButton(symbolIcon(Symbol::TabelleExport), QStringLiteral("Excel- Export"), spalte);
    m_excel->setObjectName(QStringLiteral("bsSkinSpeedButton4"));
    connect(m_excel, &QPushButton::clicked, this, &TFZufall::bsSkinSpeedButton4Click);
    ausgaben->addWidget(BSave);
    ausgaben->addWidget(m_csv);
    ausgaben->addWidget(m_excel);
    l->addLayout(ausgaben);

    auto* sz = new QHBoxLayout;
    sz->addWidget(new QLabel(QStringLiteral("Superzahl:"), spalte));
    ESZ = zifferFeld(QStringLiteral("ESZ"), 1);
    ESZ->setFixedWidth(28);
    ESZ->setAlignment(Qt::AlignCenter);
    sz->addWidget(ESZ);
    LDatei = new QLabel(spalte);
    LDatei->setObjectName(QStringLiteral("LDatei"));
    sz->addSpacing(12);
    sz->addWidget(LDatei, 1);
    l->addLayout(sz);
    return spalte;
}

QWidget* TFZufall::tabellenSpalteAnlegen() {
    auto* spalte = new QWidget(this);
    auto* l = new QVBoxLayout(spalte);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    LReihen = new QLabel(QStringLiteral("Zufallsreihen"), spalte);
    LReihen->setObjectName(QStringLiteral("LReihen"));
    QFont f = LReihen->font();
    f.setBold(true);
    LReihen->setFont(f);
    l->addWidget(LReihen);
    GZuf = new TippreihenGitter(spalte);
    GZuf->setObjectName(QStringLiteral("GZuf"));
    // Wide enough for eight-digit row numbers: every possible row fits.
    GZuf->setzeSpaltenBreiten(58, 28);
    GZuf->modell()->setzeFett(false);
    GZuf->modell()->setzeZahlenFarbe([this](int zahl) {
        if (m_auswahl.BZGewaehlt().enthaelt(zahl))
            return BankZelle;
        if (m_auswahl.FavGewaehlt().enthaelt(zahl))
            return FavoritFarbe;
        return QColor();
    });
    GZuf->modell()->setzeDaten(TippreihenDaten(2));
    spalte->setMinimumWidth(58 + 6 * 28 + GZuf->verticalScrollBar()->sizeHint().width() + 4);
    l->addWidget(GZuf, 1);
    return spalte;
}

QWidget* TFZufall::verteilungsSpalteAnlegen() {
    auto* spalte = new QWidget(this);
    auto* l = new QVBoxLayout(spalte);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);
    PVert = new ZahlKachelFeld(QStringLiteral("Verteilung der Tippzahlen"), spalte);
    PVert->setObjectName(QStringLiteral("PVert"));
    l->addWidget(PVert);
    BAuf = new QPushButton(symbolIcon(Symbol::SortAuf), QStringLiteral("Aufsteigend sortieren"), spalte);
    BAuf->setObjectName(QStringLiteral("BAuf"));
    connect(BAuf, &QPushButton::clicked, this, &TFZufall::BAufClick);
    l->addWidget(BAuf);
    l->addStretch(1);
    BSchliessen = new QPushButton(QStringLiteral("Sch&ließen"), spalte);
    BSchliessen->setObjectName(QStringLiteral("BSchliessen"));
    connect(BSchliessen, &QPushButton::clicked, this, &TFZufall::BCloseClick);
    l->addWidget(BSchliessen, 0, Qt::AlignRight);
    return spalte;
}

bool TFZufall::eventFilter(QObject* objekt, QEvent* e) {
    // Both fields take digits and backspace; any other character key is dropped with a beep.
    if ((objekt == EAnz || objekt == ESZ) && e->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(e);
        const QString text = taste->text();
        const bool ziffer =
            text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9');
        if (!text.isEmpty() && !ziffer && taste->key() != Qt::Key_Backspace && taste->key() != Qt::Key_Tab &&
            taste->key() != Qt::Key_Backtab) {
            QApplication::beep();
            return true;
        }
    }
    return QWidget::eventFilter(objekt, e);
}

void TFZufall::BLotUrClick(int tag) {
    BLotAuswerten(tag);
}

void TFZufall::BLotAuswerten(int tag) {
    const int g = tag / 100;
    if (g >= 1 && g <= 3) {
        const Status s = m_auswahl.umschalten(static_cast<ZufallsGruppe>(g), tag % 100);
        if (!s && !s.fehler().isEmpty())
            m_dienste.dialoge->fehler(this, s.fehler());
    }
    padsAbgleichen();
}

void TFZufall::gruppeLeeren(ZufallsGruppe g) {
    for (int n = 1; n <= MaxZahl; ++n)
        if (m_auswahl.menge(g).enthaelt(n))
            BLotAuswerten(100 * static_cast<int>(g) + n);
}

void TFZufall::bsSkinSpeedButton5Click() {
    gruppeLeeren(ZufallsGruppe::Bankzahlen);
}

void TFZufall::bsSkinSpeedButton7Click() {
    gruppeLeeren(ZufallsGruppe::Quotenkiller);
}

void TFZufall::bsSkinSpeedButton8Click() {
    gruppeLeeren(ZufallsGruppe::Favoriten);
}

void TFZufall::padsAbgleichen() {
    for (std::size_t i = 0; i < 3; ++i) {
        for (int n = 1; n <= MaxZahl; ++n) {
            const auto gruppe = m_auswahl.gruppeVon(n);
            TBZahl2* b = m_pads[i]->zahlKnopf(n);
            b->setChecked(gruppe == Gruppen[i]);
            b->setVisible(!gruppe || gruppe == Gruppen[i]);
        }
    }
    // The table's colours follow the groups.
    GZuf->modell()->farbenErneuern();
}

void TFZufall::kachelnAktualisieren() {
    for (int n = 1; n <= MaxZahl; ++n) {
        const QColor farbe = m_auswahl.BZGewaehlt().enthaelt(n)    ? BankKachel
                             : m_auswahl.FavGewaehlt().enthaelt(n) ? FavoritFarbe
                                                                   : QColor();
        const int wert = m_NrCount[static_cast<std::size_t>(n - 1)];
        const QString text = m_gelaufen ? ZahlText(wert, zustand().LandesFormat) : QString();
        // Counts of a million rows and more get a smaller type, then a shorter form, to fit the
        // tile; the tool tip keeps the exact figure.
        TBStatW* kachel = PVert->wert(n);
        const QLocale& locale = zustand().LandesFormat;
        const QStringList formen{text, ZahlText(wert / 1000, locale) + QStringLiteral("T"),
                                 locale.toString(wert / 1e6, 'f', 1) + QStringLiteral("M")};
        QFont f = kachel->font();
        QString gezeigt = formen.constLast();
        for (const QString& form : formen) {
            bool passt = false;
            for (int punkt = 8; punkt >= 7 && !passt; --punkt) {
                f.setPointSize(punkt);
                passt = QFontMetrics(f).horizontalAdvance(form) <= kachel->width() - 4;
            }
            if (passt) {
                gezeigt = form;
                break;
            }
        }
        PVert->setzeWert(n, gezeigt, farbe);
        kachel->setFont(f);
        kachel->setToolTip(text);
    }
    if (m_sortiert) {
        std::array<int, MaxZahl + 1> anzahl{};
        std::copy(m_NrCount.begin(), m_NrCount.end(), anzahl.begin() + 1);
        PVert->anordnen(AufsteigendNachAnzahl(anzahl));
    }
}

void TFZufall::bsSkinSpeedButton1Click() {
    if (laeuft())
        return;
    const Result<int> anzahl = ReihenAnzahlAusText(m_auswahl, EAnz->text());
    if (!anzahl) {
        m_dienste.dialoge->fehler(this, anzahl.fehler());
        kachelnAktualisieren();
        return;
    }

    m_laufAnzahl = *anzahl;
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_fortschritt = std::make_shared<std::atomic<int>>(0);
    PFortschritt->setRange(0, m_laufAnzahl);
    PFortschritt->setValue(0);
    laufAnzeigen(true);

    m_waechter = new QFutureWatcher<std::shared_ptr<Laufdaten>>(this);
    connect(m_waechter, &QFutureWatcherBase::finished, this, &TFZufall::laufBeendet);
    m_waechter->setFuture(
        QtConcurrent::run([auswahl = m_auswahl, anzahl = m_laufAnzahl, saat = m_dienste.zufall->saat(),
                           stop = m_stop, fortschritt = m_fortschritt]() {
            auto daten = std::make_shared<Laufdaten>();
            ZufallsErgebnis e = ZufallszahlenErmitteln(auswahl, anzahl, saat, stop.get(),
                                                       [fortschritt](int n) { fortschritt->store(n); });
            daten->abgebrochen = e.abgebrochen || stop->load();
            if (daten->abgebrochen)
                return daten;
            daten->NrCount = e.NrCount;
            daten->tabelle = TippreihenDaten(anzahl + 1);
            for (std::size_t i = 0; i < e.Zufreihen.size(); ++i)
                daten->tabelle.setzeReihe(static_cast<int>(i) + 1, e.Zufreihen[i]);
            return daten;
        }));
}

void TFZufall::laufBeendet() {
    const std::shared_ptr<Laufdaten> daten = m_waechter->result();
    m_waechter->deleteLater();
    m_waechter = nullptr;
    laufAnzeigen(false);
    const bool ok = daten && !daten->abgebrochen;
    if (ok) {
        GZuf->modell()->setzeDaten(std::move(daten->tabelle));
        m_NrCount = daten->NrCount;
        m_gelaufen = true;
        LReihen->setText(ZahlText(m_laufAnzahl, zustand().LandesFormat) + QStringLiteral(" Zufallsreihen"));
        kachelnAktualisieren();
    }
    Q_EMIT laufFertig(ok);
}

void TFZufall::laufAnzeigen(bool aktiv) {
    PFortschritt->setVisible(aktiv);
    BStopp->setVisible(aktiv);
    m_vielGlueck->setEnabled(!aktiv);
    EAnz->setEnabled(!aktiv);
    for (Zahlenpad* p : m_pads)
        p->setEnabled(!aktiv);
    for (QPushButton* b : m_leeren)
        b->setEnabled(!aktiv);
    for (QPushButton* b : {BSave, m_csv, m_excel})
        b->setEnabled(!aktiv);
    if (aktiv)
        m_fortschrittsTakt->start();
    else
        m_fortschrittsTakt->stop();
}

void TFZufall::stoppen() {
    if (m_stop)
        m_stop->store(true);
}

void TFZufall::BStoppClick() {
    stoppen();
}

bool TFZufall::tabelleLeer() const {
    return GZuf->daten().zelleLeer(1, 1);
}

void TFZufall::BSaveClick() {
    if (tabelleLeer()) {
        m_dienste.dialoge->fehler(this, leerText("speichern"));
        return;
    }
    DateiDialogOptionen o;
    o.titel = QStringLiteral("Als Spielschein speichern...");
    o.filter = QStringLiteral("Spielschein-Datei (*.nkb)");
    o.standardEndung = NormalscheinEndung;
    o.startOrdner = zustand().DatenPfad;
    const QString pfad = m_dienste.dateiDialoge->speichern(this, o);
    if (pfad.isEmpty())
        return;
    const int sz = ESZ->text().isEmpty() ? -1 : ESZ->text().toInt();
    BSave->setEnabled(false);
    imHintergrund<Status>(
        this,
        [tabelle = GZuf->daten(), pfad, sz]() -> Status {
            const auto reihen = ScheinReihen(tabelle);
            if (!reihen)
                return Fehler{reihen.fehler()};
            return NormalscheinSchreiben(pfad, sz, *reihen);
        },
        [this, pfad](const Status& s) {
            BSave->setEnabled(!laeuft());
            if (s)
                LDatei->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(pfad).fileName());
            else
                m_dienste.dialoge->fehler(this, s.fehler());
            Q_EMIT hintergrundFertig(s.ok());
        });
}

void TFZufall::bsSkinSpeedButton3Click() {
    if (tabelleLeer()) {
        m_dienste.dialoge->fehler(this, leerText("speichern"));
        return;
    }
    DateiDialogOptionen o = CSVSpeichernDialog();
    const QString pfad = m_dienste.dateiDialoge->speichern(this, o);
    if (pfad.isEmpty())
        return;
    m_csv->setEnabled(false);
    CSVSpeichern(this, m_dienste, GZuf->daten(), pfad, [this, pfad](bool ok) {
        m_csv->setEnabled(!laeuft());
        if (ok)
            LDatei->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(pfad).fileName());
        Q_EMIT hintergrundFertig(ok);
    });
}

void TFZufall::bsSkinSpeedButton4Click() {
    if (tabelleLeer()) {
        m_dienste.dialoge->fehler(this, leerText("exportieren"));
        return;
    }
    m_excel->setEnabled(false);
    ExcelExportieren(this, m_dienste, GZuf->daten(), QStringLiteral("Tippreihen"),
                     TippreihenDaten::ZahlSpalten, [this](bool ok) {
                         m_excel->setEnabled(!laeuft());
                         Q_EMIT hintergrundFertig(ok);
                     });
}

void TFZufall::BAufClick() {
    m_sortiert = !m_sortiert;
    if (m_sortiert) {
        BAuf->setText(QStringLiteral("Von 1 - 49 sortieren"));
        BAuf->setIcon(symbolIcon(Symbol::SortZurueck));
        kachelnAktualisieren();
    } else {
        PVert->grundstellung();
        BAuf->setText(QStringLiteral("Aufsteigend sortieren"));
        BAuf->setIcon(symbolIcon(Symbol::SortAuf));
    }
}

void TFZufall::BCloseClick() {
    close();
}

void TFZufall::showEvent(QShowEvent* e) {
    // Only the first showing: applying the lists again would toggle the numbers off.
    if (!m_einstellungenGelesen) {
        m_einstellungenGelesen = true;
        FormShow();
    }
    QWidget::showEvent(e);
}

void TFZufall::FormShow() {
    const IniDatei ini(zustand().einstellungenPfad());
    if (!ini.dateiVorhanden())
        return;
    const ZufallEinstellungen e = ZufallEinstellungenLesen(ini);
    EAnz->setText(e.anzahl);
    ZufallsListenAnwenden(m_auswahl, e, [this](const QString& m) { m_dienste.dialoge->fehler(this, m); });
    padsAbgleichen();
}

void TFZufall::FormCloseQuery() {
    IniDatei ini(zustand().einstellungenPfad());
    ZufallEinstellungenSchreiben(ini, EAnz->text(), m_auswahl);
    if (const Status s = ini.speichern(); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
}

void TFZufall::closeEvent(QCloseEvent* e) {
    stoppen();
    FormCloseQuery();
    e->accept();
}

} // namespace kb
