#include "distribution_window.h"

#include "core/program_state.h"
#include "distribution.h"
#include "widgets/icons.h"
#include "widgets/window_setup.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kb {

const QColor TFStat1::Rot = QColor(255, 0, 0);
const QColor TFStat1::Gruen = QColor(0, 255, 0);

TFStat1::TFStat1(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    setObjectName(QStringLiteral("FStat1"));
    fensterEinrichten(this, FensterArt::Dialog);
    setWindowTitle(FensterTitel());

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(8, 10, 8, 8);
    PVert = new ZahlKachelFeld(QStringLiteral("Verteilung der Tippzahlen"), this);
    PVert->setObjectName(QStringLiteral("PVert"));
    spalte->addWidget(PVert);
    spalte->addStretch(1);

    auto* unten = new QHBoxLayout;
    unten->setSpacing(4);
    BAuf = new QPushButton(symbolIcon(Symbol::SortAuf), QStringLiteral("Aufsteigend sortieren"), this);
    BAuf->setObjectName(QStringLiteral("BAuf"));
    connect(BAuf, &QPushButton::clicked, this, &TFStat1::BAufClick);
    BSchliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    BSchliessen->setObjectName(QStringLiteral("BSchliessen"));
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    unten->addWidget(BAuf);
    unten->addStretch(1);
    unten->addWidget(BSchliessen);
    spalte->addLayout(unten);

    setFixedSize(PVert->width() + 20, ClientHoehe);
}

void TFStat1::BAufClick() {
    m_sortiert = !m_sortiert;
    if (m_sortiert) {
        PVert->anordnen(AufsteigendNachAnzahl(m_anzahl));
        BAuf->setText(QStringLiteral("Von 1 - 49 sortieren"));
        BAuf->setIcon(symbolIcon(Symbol::SortZurueck));
    } else {
        PVert->grundstellung();
        BAuf->setText(QStringLiteral("Aufsteigend sortieren"));
        BAuf->setIcon(symbolIcon(Symbol::SortAuf));
    }
}

} // namespace kb
