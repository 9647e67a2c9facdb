#include "number_pad.h"

#include "skin.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace kb {

PadKnopf::PadKnopf(int zahl, const QColor& farbe, QWidget* eltern)
    : QAbstractButton(eltern), m_zahl(zahl), m_farbe(farbe.isValid() ? farbe : skin::farbe::KugelRot) {
    setText(QString::number(zahl));
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::toggled, this, qOverload<>(&QWidget::update));
}

void PadKnopf::setLook(PadLook look) {
    if (m_look == look)
        return;
    m_look = look;
    update();
}

QSize PadKnopf::sizeHint() const {
    return {36, 28};
}

void PadKnopf::paintEvent(QPaintEvent*) {
    using namespace skin::farbe;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool ueber = underMouse() && isEnabled();
    const PadLook l = look();
    const QColor kugel = l == PadLook::Wahlzahl ? Wahlzahl : l == PadLook::Bankzahl ? Bankzahl : m_farbe;
    QColor oben = ueber ? QColor(250, 252, 255) : QColor(246, 248, 250);
    QColor unten = ueber ? QColor(214, 228, 240) : Flaeche;
    if (l == PadLook::Bankzahl) {
        oben = Hellgruen.lighter(108);
        unten = Hellgruen;
    } else if (l != PadLook::Normal) {
        oben = QColor(255, 250, 232);
        unten = QColor(250, 232, 185);
    }
    if (isDown()) {
        std::swap(oben, unten);
    }
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, oben);
    g.setColorAt(1, unten);
    p.setPen(QPen(l == PadLook::Normal ? Rahmen : kugel.darker(140), l == PadLook::Bankzahl ? 1.6 : 1.0));
    p.setBrush(g);
    p.drawRoundedRect(r, 3, 3);
    if (l != PadLook::Normal) {
        // A chosen number is a lottery ball carrying the number.
        const qreal d = std::min(r.width(), r.height()) - 2;
        const QRectF ball(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
        QRadialGradient rg(ball.center() - QPointF(d * 0.18, d * 0.22), d * 0.7);
        rg.setColorAt(0.0, kugel.lighter(170));
        rg.setColorAt(0.6, kugel);
        rg.setColorAt(1.0, kugel.darker(160));
        p.setPen(Qt::NoPen);
        p.setBrush(rg);
        p.drawEllipse(ball);
        p.setPen(skin::schriftAuf(kugel));
        p.setFont(font());
        p.drawText(ball, Qt::AlignCenter, text());
    } else {
        p.setPen(isEnabled() ? Schwarz : SchriftGrau);
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

void PadKnopf::keyPressEvent(QKeyEvent* e) {
    auto* pad = qobject_cast<Zahlenpad*>(parentWidget());
    if (pad) {
        switch (e->key()) {
        case Qt::Key_Left: pad->fokusWeiter(this, -1, 0); return;
        case Qt::Key_Right: pad->fokusWeiter(this, 1, 0); return;
        case Qt::Key_Up: pad->fokusWeiter(this, 0, -1); return;
        case Qt::Key_Down: pad->fokusWeiter(this, 0, 1); return;
        default: break;
        }
    }
    QAbstractButton::keyPressEvent(e);
}

Zahlenpad::Zahlenpad(const Aufbau& a, QWidget* eltern)
    : QWidget(eltern), m_aufbau(a), m_gruppe(new QButtonGroup(this)) {
    auto* gitter = new QGridLayout(this);
    gitter->setContentsMargins(0, 0, 0, 0);
    gitter->setSpacing(a.abstand);
    QFont fett = font();
    fett.setBold(true);
    fett.setPointSize(a.punktGroesse);
    for (int n = a.erste; n <= a.letzte; ++n) {
        const int tag = n + a.tagVersatz;
        auto* k = new PadKnopf(n, a.farbe, this);
        k->setObjectName(a.namensPraefix + QString::number(a.nameMitTag ? tag : n));
        k->setFixedSize(a.knopfGroesse);
        k->setFont(fett);
        const int i = n - a.erste;
        gitter->addWidget(k, i / a.spalten, i % a.spalten);
        m_gruppe->addButton(k, tag);
        m_knoepfe.insert(tag, k);
    }
    m_gruppe->setExclusive(false);
    connect(m_gruppe, &QButtonGroup::idClicked, this, [this](int tag) {
        Q_EMIT geklickt(tag);
        Q_EMIT zahlGeklickt(tag - m_aufbau.tagVersatz);
    });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

Zahlenpad::Aufbau Zahlenpad::feldAufbau(int feld, const QColor& farbe) {
    Aufbau a;
    a.tagVersatz = 100 * feld;
    a.knopfGroesse = QSize(34, 26);
    a.namensPraefix = QStringLiteral("BZahl");
    a.nameMitTag = true;
    a.farbe = farbe;
    a.abstand = 2;
    return a;
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
        k->setLook(PadLook::Normal);
}

void Zahlenpad::setzeAuswaehlbar(bool ja) {
    for (PadKnopf* k : std::as_const(m_knoepfe)) {
        k->setCheckable(ja);
        if (!ja)
            k->setChecked(false);
    }
}

ZahlenMenge Zahlenpad::auswahl() const {
    ZahlenMenge m;
    for (PadKnopf* k : m_knoepfe)
        if (k->isChecked())
            m.hinzu(k->zahl());
    return m;
}

void Zahlenpad::setzeAuswahl(const ZahlenMenge& zahlen) {
    for (PadKnopf* k : std::as_const(m_knoepfe))
        k->setChecked(k->isCheckable() && zahlen.enthaelt(k->zahl()));
}

void Zahlenpad::fokusWeiter(PadKnopf* von, int dx, int dy) {
    // The next visible, enabled button in that direction; hidden buttons are skipped over.
    const int anzahl = m_aufbau.letzte - m_aufbau.erste + 1;
    int i = von->zahl() - m_aufbau.erste;
    for (;;) {
        int zeile = i / m_aufbau.spalten + dy;
        int spalte = i % m_aufbau.spalten + dx;
        if (spalte < 0 || spalte >= m_aufbau.spalten || zeile < 0)
            return;
        i = zeile * m_aufbau.spalten + spalte;
        if (i >= anzahl)
            return;
        PadKnopf* k = zahlKnopf(i + m_aufbau.erste);
        if (k && k->isVisible() && k->isEnabled()) {
            k->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace kb
