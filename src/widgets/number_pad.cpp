#include "number_pad.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace kb {

PadKnopf::PadKnopf(int zahl, const QColor& farbe, QWidget* eltern)
    : QAbstractButton(eltern), m_zahl(zahl), m_farbe(farbe) {
    setText(QString::number(zahl));
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
}

void PadKnopf::setGewaehlt(bool gewaehlt) {
    if (m_gewaehlt == gewaehlt)
        return;
    m_gewaehlt = gewaehlt;
    update();
}

QSize PadKnopf::sizeHint() const {
    return {36, 28};
}

void PadKnopf::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool ueber = underMouse() && isEnabled();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (m_gewaehlt) {
        g.setColorAt(0, QColor(255, 248, 225));
        g.setColorAt(1, QColor(250, 230, 180));
    } else {
        g.setColorAt(0, ueber ? QColor(250, 252, 255) : QColor(246, 247, 250));
        g.setColorAt(1, ueber ? QColor(222, 232, 246) : QColor(222, 225, 232));
    }
    p.setPen(QPen(m_gewaehlt ? m_farbe.darker(130) : QColor(160, 166, 178), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);
    if (m_gewaehlt) {
        // A selected number is shown as a lottery ball with the number in the button's own type.
        const qreal d = std::min(r.width(), r.height()) - 2;
        const QRectF kugel(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
        QRadialGradient rg(kugel.center() - QPointF(d * 0.18, d * 0.22), d * 0.7);
        rg.setColorAt(0.0, m_farbe.lighter(170));
        rg.setColorAt(0.6, m_farbe);
        rg.setColorAt(1.0, m_farbe.darker(160));
        p.setPen(Qt::NoPen);
        p.setBrush(rg);
        p.drawEllipse(kugel);
        p.setPen(m_farbe.lightness() > 150 ? QColor(40, 30, 0) : Qt::white);
        p.setFont(font());
        p.drawText(kugel, Qt::AlignCenter, text());
    } else {
        p.setPen(isEnabled() ? QColor(35, 40, 52) : QColor(150, 150, 150));
        p.setFont(font());
        p.drawText(r, Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

Zahlenpad::Zahlenpad(const Aufbau& a, QWidget* eltern) : QWidget(eltern), m_gruppe(new QButtonGroup(this)) {
    auto* gitter = new QGridLayout(this);
    gitter->setContentsMargins(0, 0, 0, 0);
    gitter->setSpacing(1);
    QFont fett = font();
    fett.setBold(true);
    fett.setPointSize(a.punktGroesse);
    for (int n = a.erste; n <= a.letzte; ++n) {
        auto* k = new PadKnopf(n, a.farbe, this);
        k->setObjectName(a.namensPraefix + QString::number(n));
        k->setFixedSize(a.knopfGroesse);
        k->setFont(fett);
        const int i = n - a.erste;
        gitter->addWidget(k, i / a.spalten, i % a.spalten);
        m_gruppe->addButton(k, n + a.tagVersatz);
        m_knoepfe.insert(n + a.tagVersatz, k);
    }
    m_gruppe->setExclusive(false);
    connect(m_gruppe, &QButtonGroup::idClicked, this, &Zahlenpad::geklickt);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

bool Zahlenpad::gewaehlt(int tag) const {
    const PadKnopf* k = knopf(tag);
    return k && k->gewaehlt();
}

void Zahlenpad::setGewaehlt(int tag, bool gewaehlt) {
    if (PadKnopf* k = knopf(tag))
        k->setGewaehlt(gewaehlt);
}

void Zahlenpad::alleNormal() {
    for (PadKnopf* k : std::as_const(m_knoepfe))
        k->setGewaehlt(false);
}

} // namespace kb
