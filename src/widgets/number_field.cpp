#include "number_field.h"

#include <QButtonGroup>
#include <QGridLayout>

namespace kb {

TBZahl2::TBZahl2(int zahl, QWidget* eltern) : QPushButton(QString::number(zahl), eltern), m_zahl(zahl) {
    QFont f = font();
    f.setBold(true);
    f.setPointSize(8);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, Qt::black);
    setPalette(p);
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

Zahlenfeld::Zahlenfeld(int feld, QWidget* eltern, int hoechsteZahl)
    : QWidget(eltern), m_feld(feld), m_hoechste(hoechsteZahl), m_gruppe(new QButtonGroup(this)) {
    m_gruppe->setExclusive(false);
    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setSpacing(2);
    for (int n = 1; n <= m_hoechste; ++n) {
        auto* b = new TBZahl2(n, this);
        b->setObjectName(QStringLiteral("BZahl%1").arg(id(n)));
        b->setFixedSize(34, 26);
        m_gruppe->addButton(b, id(n));
        raster->addWidget(b, (n - 1) / ProZeile, (n - 1) % ProZeile);
    }
    connect(m_gruppe, &QButtonGroup::idClicked, this,
            [this](int knopfId) { Q_EMIT zahlGeklickt(knopfId - 100 * m_feld); });
}

TBZahl2* Zahlenfeld::knopf(int zahl) const {
    return qobject_cast<TBZahl2*>(m_gruppe->button(id(zahl)));
}

void Zahlenfeld::setzeKnopfGroesse(QSize groesse) {
    for (QAbstractButton* b : m_gruppe->buttons())
        b->setFixedSize(groesse);
}

void Zahlenfeld::setzeAuswaehlbar(bool ja) {
    for (QAbstractButton* b : m_gruppe->buttons()) {
        b->setCheckable(ja);
        if (!ja)
            b->setChecked(false);
    }
}

ZahlenMenge Zahlenfeld::auswahl() const {
    ZahlenMenge m;
    for (int n = 1; n <= m_hoechste; ++n)
        if (knopf(n)->isChecked())
            m.hinzu(n);
    return m;
}

void Zahlenfeld::setzeAuswahl(const ZahlenMenge& zahlen) {
    for (int n = 1; n <= m_hoechste; ++n)
        knopf(n)->setChecked(knopf(n)->isCheckable() && zahlen.enthaelt(n));
}

} // namespace kb
