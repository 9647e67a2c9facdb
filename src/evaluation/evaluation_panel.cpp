#include "evaluation_panel.h"

#include "core/date.h"
#include "core/program_state.h"
#include "ticket_models.h"
#include "widgets/icons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace kb {

AuswertungsPanel::AuswertungsPanel(bool system, Dienste& dienste, QWidget* eltern)
    : QWidget(eltern), m_system(system), m_dienste(dienste) {
    const Programmzustand& z = zustand();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* titel = new QLabel(QStringLiteral("Auswertung für eine oder mehrere Ziehungen"), this);
    titel->setObjectName(QStringLiteral("Label2"));
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    titel->setWordWrap(true);
    layout->addWidget(titel);

    auto* wahl = new QGridLayout;
    auto* fuer = new QLabel(QStringLiteral("Für den bzw. vom"), this);
    fuer->setObjectName(QStringLiteral("Label3"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    cbBack = new QCheckBox(QStringLiteral("zurück bis zum"), this);
    cbBack->setObjectName(QStringLiteral("cbBack"));
    combo2 = new QComboBox(this);
    combo2->setObjectName(QStringLiteral("combo2"));
    // A copy of the draw list as it is now: draws added later appear in tabs opened later.
    QStringList daten;
    daten.reserve(z.GewZahlen.size());
    for (const TGewZahlen& g : z.GewZahlen)
        daten.append(DatumText(g.datum, z.LandesFormat));
    for (QComboBox* c : {Combo1, combo2}) {
        c->addItems(daten);
        c->setMaxVisibleItems(16);
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        c->setFont(fett);
    }
    Combo1->setCurrentIndex(static_cast<int>(daten.size()) - 1);
    combo2->setCurrentIndex(static_cast<int>(daten.size()) - 2 >= 0 ? static_cast<int>(daten.size()) - 2 : -1);
    wahl->addWidget(fuer, 0, 0);
    wahl->addWidget(Combo1, 0, 1);
    wahl->addWidget(cbBack, 1, 0);
    wahl->addWidget(combo2, 1, 1);
    layout->addLayout(wahl);

    auto* tage = new QGroupBox(QStringLiteral("Ziehungstag(e)"), this);
    tage->setObjectName(QStringLiteral("RGTage"));
    auto* tageLayout = new QHBoxLayout(tage);
    tageLayout->setContentsMargins(6, 2, 6, 2);
    tageLayout->setSpacing(4);
    RGTage = new QButtonGroup(this);
    const QStringList tageTexte = {QStringLiteral("Sa. und Mi."), QStringLiteral("Samstag"), QStringLiteral("Mittwoch")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(tageTexte[i], tage);
        r->setObjectName(QStringLiteral("RGTage%1").arg(i));
        RGTage->addButton(r, i);
        tageLayout->addWidget(r);
    }
    // A stored value outside 0..2 selects nothing and evaluates as both days.
    const int gewaehlt = m_system ? z.SZiehung : z.NZiehung;
    if (QAbstractButton* b = RGTage->button(gewaehlt))
        b->setChecked(true);
    connect(RGTage, &QButtonGroup::idClicked, this, [this](int id) {
        (m_system ? zustand().SZiehung : zustand().NZiehung) = id;
    });
    BStart = new QPushButton(QStringLiteral("Start"), this);
    BStart->setObjectName(QStringLiteral("BStart"));
    // Narrower than the style's smallest push button, so the date lists keep their room.
    BStart->setMinimumWidth(BStart->fontMetrics().horizontalAdvance(BStart->text()) + 24);
    wahl->addWidget(BStart, 2, 1);
    layout->addWidget(tage);

    m_modell = new ErgebnisModell(m_system, z.LandesFormat, this);
    m_tabelle = new QTableView(this);
    m_tabelle->setObjectName(m_system ? QStringLiteral("G4a") : QStringLiteral("G3a"));
    m_tabelle->setModel(m_modell);
    m_tabelle->verticalHeader()->hide();
    m_tabelle->verticalHeader()->setDefaultSectionSize(17);
    m_tabelle->setSelectionMode(QAbstractItemView::NoSelection);
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Columns as wide as their bold contents; the amount takes what is left.
    m_tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tabelle->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_tabelle, 1);

    auto* summen = new QGridLayout;
    const auto wert = [this, &fett](const QString& name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setFont(fett);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    LHGew = wert(QStringLiteral("LHGew"));
    LHGewWann = wert(QStringLiteral("LHGewWann"));
    LGesGewinn = wert(QStringLiteral("LGesGewinn"));
    LHGewWann->setProperty("tag", 0);
    BZeig = new QPushButton(symbolIcon(Symbol::SystemWahl), QString(), this);
    BZeig->setObjectName(QStringLiteral("BZeig"));
    BZeig->setToolTip(QStringLiteral("Höchsten Gewinn in der Liste zeigen"));
    // One figure per line: the panel stays narrow enough for a system ticket's tab.
    summen->addWidget(new QLabel(QStringLiteral("Höchstgewinn:"), this), 0, 0);
    summen->addWidget(LHGew, 0, 1);
    summen->addWidget(new QLabel(QStringLiteral("am:"), this), 1, 0);
    summen->addWidget(LHGewWann, 1, 1);
    summen->addWidget(BZeig, 1, 2);
    summen->addWidget(new QLabel(QStringLiteral("Gesamtgewinn"), this), 2, 0);
    summen->addWidget(LGesGewinn, 2, 1);
    summen->setColumnStretch(3, 1);
    layout->addLayout(summen);

    connect(BStart, &QPushButton::clicked, this, &AuswertungsPanel::BStartClick);
    connect(BZeig, &QPushButton::clicked, this, &AuswertungsPanel::BZeigClick);
}

AuswertungsPanel::~AuswertungsPanel() {
    // A closed tab stops its evaluation; the worker holds its own copies of the data.
    if (m_abbruch)
        m_abbruch->store(true);
    if (m_waechter)
        m_waechter->waitForFinished();
}

void AuswertungsPanel::ergebnisLeeren() {
    LHGew->clear();
    LHGewWann->clear();
    LGesGewinn->clear();
    LHGewWann->setProperty("tag", 0);
}

void AuswertungsPanel::BStartClick() {
    if (m_laeuft)
        return;
    LHGewWann->setProperty("tag", 0);
    const Programmzustand& z = zustand();
    const int tage = RGTage->checkedId() >= 0 ? RGTage->checkedId() : (m_system ? z.SZiehung : z.NZiehung);
    const ZiehungsWahl wahl{tage, cbBack->isChecked(), combo2->currentIndex(), Combo1->currentIndex()};
    Result<QVector<TGewAusw>> ziehungen = ZiehungenWaehlen(z.GewZahlen, wahl, z.LandesFormat);
    if (!ziehungen.ok()) {
        ergebnisLeeren();
        m_dienste.dialoge->information(this, ziehungen.fehler());
        return;
    }
    qint64 reihen = 0;
    for (const AuswertungsFeld& f : m_schein.felder)
        reihen += f.reihen.size();
    const qint64 aufwand = reihen * ziehungen->size();
    if (aufwand < HintergrundAb) {
        ergebnisZeigen(Auswerten(m_schein, std::move(ziehungen).wert(), QuotenSuche(z.QuotenListe)));
        return;
    }
    m_laeuft = true;
    BStart->setEnabled(false);
    BStart->setText(QStringLiteral("Läuft..."));
    m_abbruch = std::make_shared<std::atomic<bool>>(false);
    if (!m_waechter) {
        m_waechter = new QFutureWatcher<AuswertungsErgebnis>(this);
        connect(m_waechter, &QFutureWatcher<AuswertungsErgebnis>::finished, this, [this] {
            m_laeuft = false;
            BStart->setEnabled(true);
            BStart->setText(QStringLiteral("Start"));
            AuswertungsErgebnis e = m_waechter->result();
            if (!e.abgebrochen)
                ergebnisZeigen(std::move(e));
        });
    }
    m_waechter->setFuture(QtConcurrent::run(
        [schein = m_schein, liste = std::move(ziehungen).wert(), quoten = z.QuotenListe, abbruch = m_abbruch] {
            return Auswerten(schein, liste, QuotenSuche(quoten), abbruch.get());
        }));
}

void AuswertungsPanel::ergebnisZeigen(AuswertungsErgebnis e) {
    const QLocale& locale = zustand().LandesFormat;
    QStringList namen;
    for (const AuswertungsFeld& f : m_schein.felder)
        namen.append(f.name);
    LGesGewinn->setText(GeldWaehrungText(e.gesamt, locale));
    LHGew->setText(GeldWaehrungText(e.hoechst, locale));
    LHGewWann->setText(e.hoechstDatum);
    LHGewWann->setProperty("tag", e.hoechstZeile);
    m_modell->setzen(std::move(e), namen);
    Q_EMIT auswertungFertig();
}

void AuswertungsPanel::BZeigClick() {
    const int zeile = LHGewWann->property("tag").toInt();
    if (zeile <= 0)
        return;
    // The winning line sits a few lines below the top, so its neighbours stay in view.
    const QModelIndex ziel = m_modell->index(qMax(0, zeile - 1 - 6), 0);
    m_tabelle->scrollTo(ziel, QAbstractItemView::PositionAtTop);
    m_tabelle->viewport()->update();
}

} // namespace kb
