#include "field_table_frame.h"

#include "slip_geometry.h"
#include "slip_models.h"
#include "widgets/icons.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace kb {

TFfrDruck::TFfrDruck(Scheingeometrie& geometrie, int feld, QWidget* eltern)
    : QFrame(eltern), m_geometrie(geometrie), m_feld(feld), m_tabelle(new QTableView(this)),
      m_modell(new FeldtabellenModell(geometrie, feld - 1, this)) {
    setObjectName(QStringLiteral("xyFeld%1").arg(feld));
    setFixedWidth(Breite);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    auto* kopf = new QHBoxLayout;
    kopf->setContentsMargins(2, 0, 2, 0);
    auto* titel = new QLabel(QStringLiteral("Feld %1").arg(feld), this);
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    kopf->addWidget(titel);
    kopf->addStretch(1);
    auto* del = new QToolButton(this);
    del->setObjectName(QStringLiteral("BDel"));
    del->setIcon(symbolIcon(Symbol::Loeschen));
    del->setIconSize(QSize(12, 12));
    del->setFixedSize(18, 18);
    del->setToolTip(QStringLiteral("Feld %1 leeren").arg(feld));
    kopf->addWidget(del);
    l->addLayout(kopf);

    m_tabelle->setObjectName(QStringLiteral("GFeld%1").arg(feld));
    m_tabelle->setModel(m_modell);
    m_tabelle->setItemDelegate(new ZellMaler(m_tabelle));
    m_tabelle->installEventFilter(new ZiffernFilter(m_tabelle));
    m_tabelle->verticalHeader()->hide();
    m_tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabelle->verticalHeader()->setDefaultSectionSize(17);
    m_tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tabelle->horizontalHeader()->setFixedHeight(18);
    m_tabelle->horizontalHeader()->setDefaultSectionSize(30);
    m_tabelle->setColumnWidth(0, 28);
    m_tabelle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tabelle->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    m_tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabelle->setFixedSize(Breite, 18 + 7 * 17 + 2 * m_tabelle->frameWidth());
    l->addWidget(m_tabelle);
    connect(del, &QToolButton::clicked, this, &TFfrDruck::BDelClick);
}

void TFfrDruck::BDelClick() {
    m_geometrie.feldLeeren(m_feld - 1);
}

} // namespace kb
