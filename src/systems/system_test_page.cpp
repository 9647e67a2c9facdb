#include "system_test_page.h"

#include "catalogue.h"
#include "platform/services.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace kb {

TrefferbildModell::TrefferbildModell(QObject* eltern) : QAbstractTableModel(eltern), m_g2(G2Fuellen()) {}

void TrefferbildModell::setzen(const G2Tabelle& g2) {
    m_g2 = g2;
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int TrefferbildModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(m_g2.size());
}

int TrefferbildModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 8;
}

QVariant TrefferbildModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const G2Farbe farbe = G2ZellFarbe(m_g2, index.column(), index.row());
    switch (rolle) {
    case Qt::DisplayRole:
        return m_g2[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(farbe == G2Farbe::Fest ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)
                                                          : Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::FontRole: {
        QFont f;
        f.setBold(farbe != G2Farbe::Fest);
        return f;
    }
    case Qt::BackgroundRole:
        switch (farbe) {
        case G2Farbe::Fest:
            return QApplication::palette().color(QPalette::Button);
        case G2Farbe::Gruen:
            return QColor(0, 213, 0);
        case G2Farbe::Orange:
            return QColor(255, 223, 128);
        case G2Farbe::Weiss:
            return QColor(Qt::white);
        }
        return {};
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    default:
        return {};
    }
}

namespace {

QLabel* text(const QString& t, QWidget* eltern, bool fett = false) {
    auto* l = new QLabel(t, eltern);
    l->setWordWrap(true);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

} // namespace

SystemtestSeite::SystemtestSeite(Dienste& dienste, QWidget* eltern) : QWidget(eltern), m_dienste(dienste) {
    setObjectName(QStringLiteral("TSTesten"));
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(6, 4, 6, 6);
    l->setSpacing(6);

    m_leiste = new QWidget(this);
    m_leiste->setObjectName(QStringLiteral("TestLeiste"));
    auto* ll = new QHBoxLayout(m_leiste);
    ll->setContentsMargins(0, 0, 0, 0);
    auto* zurueckKnopf = new QToolButton(m_leiste);
    zurueckKnopf->setObjectName(QStringLiteral("BZurueck"));
    zurueckKnopf->setText(QStringLiteral("Zurück"));
    zurueckKnopf->setAutoRaise(true);
    connect(zurueckKnopf, &QToolButton::clicked, this, &SystemtestSeite::zurueck);
    ll->addWidget(zurueckKnopf);
    ll->addStretch(1);
    auto* image3 = new QToolButton(m_leiste);
    image3->setObjectName(QStringLiteral("Image3"));
    image3->setIcon(symbolIcon(Symbol::Web));
    image3->setIconSize(QSize(22, 22));
    image3->setAutoRaise(true);
    image3->setToolTip(QStringLiteral("Aktuelle Gewinnzahlen im Internet"));
    connect(image3, &QToolButton::clicked, this, &SystemtestSeite::image3Geklickt);
    ll->addWidget(image3);
    l->addWidget(m_leiste);

    auto* start = new QHBoxLayout;
    BTesten = new QPushButton(this);
    BTesten->setObjectName(QStringLiteral("BTesten"));
    BTesten->setMinimumWidth(170);
    connect(BTesten, &QPushButton::clicked, this, &SystemtestSeite::BTestenClick);
    start->addWidget(BTesten);
    start->addSpacing(12);
    start->addWidget(new QLabel(QStringLiteral("Rechenoperationen"), this));
    LKombiAnz = new QLabel(this);
    LKombiAnz->setObjectName(QStringLiteral("LKombiAnz"));
    LKombiAnz->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LKombiAnz->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LKombiAnz->setMinimumWidth(120);
    start->addWidget(LKombiAnz);
    start->addStretch(1);
    l->addLayout(start);
    knopfZeigen(false);

    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    l->addWidget(Gauge1);

    m_modell = new TrefferbildModell(this);
    G2 = new QTableView(this);
    G2->setObjectName(QStringLiteral("G2"));
    G2->setModel(m_modell);
    QFont klein = G2->font();
    klein.setPointSize(8);
    G2->setFont(klein);
    G2->horizontalHeader()->hide();
    G2->verticalHeader()->hide();
    G2->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G2->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G2->verticalHeader()->setDefaultSectionSize(G2->fontMetrics().height() + 6);
    G2->setColumnWidth(0, 65);
    G2->setColumnWidth(1, 97);
    for (int s = 2; s < 8; ++s)
        G2->setColumnWidth(s, 63);
    G2->setSelectionMode(QAbstractItemView::NoSelection);
    G2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G2->setFixedSize(65 + 97 + 6 * 63 + 2 * G2->frameWidth(),
                     11 * G2->verticalHeader()->defaultSectionSize() + 2 * G2->frameWidth());
    l->addWidget(G2, 0, Qt::AlignLeft);

    auto* flaeche = new QScrollArea(this);
    flaeche->setWidgetResizable(true);
    flaeche->setFrameShape(QFrame::NoFrame);
    auto* erklaerung = new QWidget(flaeche);
    auto* el = new QVBoxLayout(erklaerung);
    el->setContentsMargins(0, 0, 4, 0);
    flaeche->setWidget(erklaerung);
    l->addWidget(flaeche, 1);
    QWidget* const seite = erklaerung;
    l = el;
    l->addWidget(text(QStringLiteral("Wie ein System getestet wird"), seite, true));
    l->addWidget(
        text(QStringLiteral("Grundsätzlich muss jede 2er-, 3er-, 4er-, 5er- und 6er-Kombination aus Ihrem "
                            "Zahlenpool mit jeder Ihrer Tippreihen abgeglichen werden. Die Anzahl dieser "
                            "Vergleiche entspricht der Rechenoperationen-Anzahl. "),
             seite));
    l->addWidget(text(QStringLiteral("Zur Behandlung von Bankzahlen bei der Systemauswertung"), seite, true));
    l->addWidget(
        text(QStringLiteral(
                 "Bankzahlen bleiben bei der Analyse eines Systems außen vor. Zum Beispiel wird ein System "
                 "für 6 aus 49 mit einer Bankzahl nur hinsichtlich seiner Auswirkungen von 2, 3, 4 und 5 "
                 "Treffern untersucht. Will man wissen, wie die Auswertung für getroffene Bankzahlen "
                 "aussieht, müssen die Ergebnisse für jede getroffene Bankzahl lediglich um je eine Zelle "
                 "nach unten und nach rechts gedacht werden. "),
             seite));
    l->addWidget(text(QStringLiteral("s. dazu auch die Hilfe"), seite));
    l->addWidget(
        text(QStringLiteral(
                 "Lotterie-Systeme haben das Ziel, den finanziellen Einsatz bei Zahlenlotterien durch "
                 "bestmögliche Konfiguration der Tippreihen zu optimieren. Dabei kann Ziel der Optimierung "
                 "nicht die Erhöhung der Chancen auf einen Sechser sein. Denn solange ich keine meiner "
                 "zehn Tippreihen doppelt habe, bleibt die Chance auf den Sechser bei zehn Tippreihen "
                 "gleich, nämlich rund 1 : 1.398.382."),
             seite));
    l->addWidget(
        text(QStringLiteral("Ziel der Optimierung kann aber sein, die Tippreihen aus dem Pool Ihrer "
                            "Wahlzahlen so zu bestücken, dass möglichst viele, im günstigsten Fall alle, "
                            "Kombinationen abgedeckt werden, die einem Gewinnrang entsprechen."),
             seite));
    l->addWidget(text(QStringLiteral("Streng genommen werden hier nicht die Tippreihen sondern das "
                                     "Lotteriesystem, das ihnen zugrundeliegt, getestet"),
                      seite));
    l->addWidget(text(QStringLiteral("s. dazu auch die Hilfe"), seite));
    l->addStretch(1);
}

SystemtestSeite::~SystemtestSeite() {
    if (m_stopp)
        m_stopp->store(true);
    if (m_waechter)
        m_waechter->waitForFinished();
}

void SystemtestSeite::knopfZeigen(bool laufend) {
    BTesten->setText(laufend ? QStringLiteral("Test stoppen") : QStringLiteral("Systemtest starten"));
    BTesten->setIcon(symbolIcon(laufend ? Symbol::Abbrechen : Symbol::Hinzufuegen));
}

void SystemtestSeite::PC1Change() {
    const TSysteme* s = SystemAn(m_position);
    if (s == nullptr) {
        LKombiAnz->clear();
        return;
    }
    LKombiAnz->setText(QLocale().toString(
        static_cast<qlonglong>(Rechenoperationen(s->TR, s->WZ, SystemTestKmin(s->RG, s->WZ), s->RG))));
}

void SystemtestSeite::abbrechen() {
    if (m_stopp)
        m_stopp->store(true);
}

void SystemtestSeite::BTestenClick() {
    if (m_stopp) {
        m_stopp->store(true);
        return;
    }
    const TSysteme* s = SystemAn(m_position);
    if (m_position < 0 || s == nullptr) {
        m_dienste.dialoge->information(
            this,
            QStringLiteral("Bitte wählen Sie zunächst ein Spielsystem aus.\r\rIch breche erst einmal ab."));
        return;
    }
    PC1Change();
    knopfZeigen(true);
    const int kmin = SystemTestKmin(s->RG, s->WZ);
    const int wz = s->WZ;
    Gauge1->setRange(0, std::max(1, KombiSumme(s->WZ, kmin, s->RG)));
    Gauge1->setValue(0);
    m_modell->setzen(G2Fuellen());

    auto stopp = std::make_shared<std::atomic<bool>>(false);
    m_stopp = stopp;
    m_waechter = new QFutureWatcher<Trefferbild>(this);
    QPointer<QProgressBar> balken = Gauge1;
    connect(m_waechter, &QFutureWatcherBase::finished, this, [this, wz] {
        const Trefferbild b = m_waechter->result();
        m_waechter->deleteLater();
        m_waechter = nullptr;
        ende(b, wz);
    });
    m_waechter->setFuture(QtConcurrent::run([auftrag = SystemTestAuftragFuer(m_position), stopp, balken] {
        return SystemTesten(auftrag, stopp.get(), [balken](std::int64_t n) {
            QMetaObject::invokeMethod(
                qApp,
                [balken, n] {
                    if (balken)
                        balken->setValue(static_cast<int>(std::min<std::int64_t>(n, balken->maximum())));
                },
                Qt::QueuedConnection);
        });
    }));
}

void SystemtestSeite::ende(const Trefferbild& b, int wz) {
    G2Tabelle g = G2Fuellen();
    TrefferbildEintragen(g, b, wz);
    m_modell->setzen(g);
    m_stopp.reset();
    Gauge1->setValue(Gauge1->maximum());
    knopfZeigen(false);
    Q_EMIT testFertig();
}

} // namespace kb
