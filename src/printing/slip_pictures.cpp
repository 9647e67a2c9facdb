#include "slip_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace kb {

namespace {

const QColor Rot(200, 30, 30);
const QColor Blau(0, 0, 128);

void pfeil(QPainter& p, QPointF von, QPointF bis) {
    p.drawLine(von, bis);
    const QLineF l(bis, von);
    for (const double w : {25.0, -25.0}) {
        QLineF spitze = l;
        spitze.setLength(6);
        spitze.setAngle(l.angle() + w);
        p.drawLine(spitze);
    }
}

} // namespace

MassBild::MassBild(QWidget* eltern) : QWidget(eltern) {
    setFixedSize(190, 150);
}

void MassBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(255, 252, 235));
    const double x0 = 34, y0 = 30, teil = 17, box = 10;
    QFont f = font();
    f.setPixelSize(8);
    p.setFont(f);
    for (int n = 1; n <= 49; ++n) {
        const QRectF r(x0 + ((n - 1) % 7) * teil, y0 + ((n - 1) / 7) * teil, box, box);
        p.setPen(QPen(Rot, 1));
        p.setBrush(Qt::white);
        p.drawRect(r);
        p.setPen(Rot);
        p.drawText(r, Qt::AlignCenter, QString::number(n));
    }
    QFont fett = font();
    fett.setBold(true);
    p.setFont(fett);
    p.setPen(QPen(Blau, 1.4));
    p.setBrush(Qt::NoBrush);
    // A: the top-left corner of box 1, measured from the paper's edges.
    p.drawEllipse(QPointF(x0, y0), 3, 3);
    p.drawText(QPointF(x0 - 22, y0 - 6), QStringLiteral("A"));
    pfeil(p, QPointF(x0, y0 - 12), QPointF(x0 + 6 * teil, y0 - 12));
    p.drawText(QPointF(x0 + 3 * teil - 3, y0 - 16), QStringLiteral("B"));
    pfeil(p, QPointF(x0 - 12, y0), QPointF(x0 - 12, y0 + 6 * teil));
    p.drawText(QPointF(x0 - 26, y0 + 3 * teil + 6), QStringLiteral("C"));
}

BeispielBild::BeispielBild(QWidget* eltern) : QWidget(eltern) {
    setFixedSize(280, 70);
}

void BeispielBild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(255, 252, 235));
    const double breite = 40, hoehe = 28, luecke = 5;
    QFont f = font();
    f.setPixelSize(9);
    p.setFont(f);
    for (int k = 0; k < 12; ++k) {
        const QRectF r(8 + (k % 6) * (breite + luecke), 6 + (k / 6) * (hoehe + luecke), breite, hoehe);
        p.setPen(QPen(Rot, 1));
        p.setBrush(Qt::white);
        p.drawRect(r);
        p.drawText(r.adjusted(0, 0, -3, -2), Qt::AlignRight | Qt::AlignBottom, QString::number(k + 1));
        // x of number 1 in the first row of fields, y also in fields 1 and 7.
        if (k <= 6) {
            p.setPen(Qt::NoPen);
            p.setBrush(k == 0 || k == 6 ? Blau : QColor(60, 120, 220));
            p.drawEllipse(r.topLeft() + QPointF(5, 5), 3, 3);
        }
    }
}

} // namespace kb
