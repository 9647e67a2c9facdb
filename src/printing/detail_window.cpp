#include "detail_window.h"

#include "core/program_state.h"
#include "slip_geometry.h"
#include "slip_models.h"
#include "widgets/icons.h"
#include "widgets/window_help.h"
#include "widgets/window_setup.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace kb {

namespace {

constexpr int ZahlBreite = 41; // 40 pixels and the grid line
constexpr int WertBreite = 31; // 30 pixels and the grid line
constexpr int KopfBreite = 62; // one header section over the x and y of a field

// "Feld 1" ... "Feld 18" over the column pairs.
class FeldKopf final : public QWidget {
public:
    explicit FeldKopf(QWidget* eltern) : QWidget(eltern) {
        setObjectName(QStringLiteral("HeaderControl1"));
        setFixedHeight(20);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QPalette& pal = palette();
        for (int k = 0; k < MaxTippfelder; ++k) {
            const QRect r(m_links + k * KopfBreite, 0, KopfBreite, height());
            p.fillRect(r, pal.color(QPalette::Button));
            p.setPen(pal.color(QPalette::Mid));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            p.setPen(pal.color(QPalette::ButtonText));
            p.drawText(r, Qt::AlignCenter, QStringLiteral("Feld %1").arg(k + 1));
        }
    }

public:
    int m_links = ZahlBreite;
};

} // namespace

TFDetail::TFDetail(Dienste& dienste, Scheingeometrie& geometrie, QWidget* eltern)
    : QWidget(eltern, Qt::Window), m_dienste(dienste), m_geometrie(geometrie),
      m_modell(new AWerteModell(geometrie, this)), GDetail(new QTableView(this)) {
    setObjectName(QStringLiteral("FDetail"));
    fensterEinrichten(this, FensterArt::Dialog);
    setWindowTitle(FensterTitel());
    const int hoch = zustand().BildschirmHoehe > 0 && zustand().BildschirmHoehe < ClientHoehe
                         ? ClientHoeheKlein
                         : ClientHoehe;
    setFixedSize(ClientBreite, hoch);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 6);
    l->setSpacing(4);
    auto* leiste = new QToolBar(this);
    leiste->setObjectName(QStringLiteral("Tool1"));
    leiste->setIconSize(QSize(24, 24));
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* schliessen = leiste->addAction(symbolIcon(Symbol::Schliessen), QString());
    schliessen->setToolTip(QStringLiteral("Schließen"));
    leiste->widgetForAction(schliessen)->setObjectName(QStringLiteral("BClose"));
    QAction* leeren = leiste->addAction(symbolIcon(Symbol::Loeschen), QStringLiteral("Alle A-Werte"));
    leiste->widgetForAction(leeren)->setObjectName(QStringLiteral("BDel"));
    auto* abstand = new QWidget(leiste);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    leiste->addWidget(abstand);
    QAction* hilfe = leiste->addAction(symbolIcon(Symbol::Hilfe), QString());
    hilfe->setToolTip(QStringLiteral("Hilfe"));
    leiste->widgetForAction(hilfe)->setObjectName(QStringLiteral("BHelp"));
    l->addWidget(leiste);

    auto* hinweise = new QVBoxLayout;
    hinweise->setContentsMargins(10, 0, 10, 0);
    for (const QString& t :
         {QStringLiteral(
              "Bevor Sie hier umständlich Einzelwerte ändern, prüfen Sie zuvor die Korrektur über den B- "
              "und den C-Wert."),
          QStringLiteral(
              "Weichen alle Horizontal- bzw. Vertikalwerte jeweils um einen festen Wert ab, nutzen Sie "
              "die Ausdruck-Korrektur.  ")}) {
        auto* hinweis = new QLabel(t, this);
        hinweis->setStyleSheet(QStringLiteral("color: navy;"));
        hinweise->addWidget(hinweis);
    }
    l->addLayout(hinweise);

    auto* tabelle = new QVBoxLayout;
    tabelle->setContentsMargins(10, 0, 10, 0);
    tabelle->setSpacing(0);
    auto* kopf = new FeldKopf(this);
    kopf->m_links = ZahlBreite + GDetail->frameWidth();
    tabelle->addWidget(kopf);
    GDetail->setObjectName(QStringLiteral("GDetail"));
    GDetail->setModel(m_modell);
    GDetail->setItemDelegate(new ZellMaler(GDetail));
    GDetail->installEventFilter(new ZiffernFilter(GDetail));
    GDetail->verticalHeader()->hide();
    GDetail->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GDetail->verticalHeader()->setDefaultSectionSize(15);
    GDetail->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GDetail->horizontalHeader()->setDefaultSectionSize(WertBreite);
    GDetail->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    GDetail->setColumnWidth(0, ZahlBreite);
    GDetail->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GDetail->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    GDetail->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont klein = GDetail->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    GDetail->setFont(klein);
    tabelle->addWidget(GDetail, 1);
    l->addLayout(tabelle, 1);

    auto* unten = new QHBoxLayout;
    unten->setContentsMargins(10, 0, 10, 0);
    unten->addStretch(1);
    auto* BSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
    BSchliessen->setObjectName(QStringLiteral("BSchliessen"));
    unten->addWidget(BSchliessen);
    l->addLayout(unten);

    connect(schliessen, &QAction::triggered, this, &QWidget::close);
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(leeren, &QAction::triggered, this, &TFDetail::BDelClick);
    connect(hilfe, &QAction::triggered, this, [this] { m_dienste.hilfe->thema(this, HilfeKontext); });
    hilfeAnbinden(this, m_dienste.hilfe, HilfeKontext);
}

void TFDetail::zeigen() {
    if (isMinimized() || isMaximized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TFDetail::BDelClick() {
    m_geometrie.aWerteLeeren();
}

} // namespace kb
