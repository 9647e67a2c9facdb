#include "icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace kb {

void kugelZeichnen(QPainter& p, const QRectF& r, int zahl, const QColor& farbe) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(r.center() - QPointF(r.width() * 0.18, r.height() * 0.22), r.width() * 0.7);
    g.setColorAt(0.0, farbe.lighter(180));
    g.setColorAt(0.55, farbe);
    g.setColorAt(1.0, farbe.darker(170));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
    const QRectF feld = r.adjusted(r.width() * 0.24, r.height() * 0.24, -r.width() * 0.24, -r.height() * 0.24);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(feld);
    if (zahl >= 0) {
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(qMax(6, static_cast<int>(feld.height() * 0.62)));
        p.setFont(f);
        p.setPen(QColor(30, 30, 30));
        p.drawText(feld, Qt::AlignCenter, QString::number(zahl));
    }
    p.restore();
}

namespace {

QColor farbeVon(Symbol s) {
    switch (s) {
    case Symbol::Schliessen: return QColor(190, 50, 45);
    case Symbol::NormalscheinNeu: return QColor(40, 120, 200);
    case Symbol::SystemscheinNeu: return QColor(30, 150, 120);
    case Symbol::Drucken: return QColor(90, 90, 100);
    case Symbol::SystemWahl: return QColor(130, 80, 170);
    case Symbol::Zufall: return QColor(220, 140, 20);
    case Symbol::Statistik: return QColor(40, 140, 60);
    case Symbol::Update: return QColor(30, 110, 170);
    case Symbol::Quoten: return QColor(200, 160, 20);
    case Symbol::NueberK: return QColor(70, 90, 160);
    case Symbol::Kalender: return QColor(200, 70, 90);
    case Symbol::Rechner: return QColor(80, 80, 80);
    case Symbol::Hilfe: return QColor(40, 120, 200);
    case Symbol::Web: return QColor(30, 130, 180);
    case Symbol::Hinzufuegen: return QColor(40, 150, 70);
    case Symbol::Abbrechen: return QColor(200, 50, 45);
    case Symbol::Leeren: return QColor(120, 120, 130);
    case Symbol::Speichern: return QColor(40, 90, 170);
    case Symbol::Oeffnen: return QColor(215, 165, 40);
    case Symbol::Loeschen: return QColor(190, 50, 45);
    case Symbol::CSV: return QColor(60, 130, 60);
    case Symbol::TabelleExport:
    case Symbol::TabelleImport: return QColor(30, 120, 70);
    case Symbol::SortAuf:
    case Symbol::SortZurueck: return QColor(40, 110, 160);
    }
    return Qt::gray;
}

void zeichne(QPainter& p, Symbol s, const QRectF& r) {
    const QColor f = farbeVon(s);
    QPen stift(f.darker(140), r.width() / 14.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(stift);
    const qreal w = r.width();
    const auto pt = [&](qreal x, qreal y) { return QPointF(r.left() + x * w, r.top() + y * w); };
    const auto rect = [&](qreal x, qreal y, qreal bw, qreal bh) { return QRectF(pt(x, y), QSizeF(bw * w, bh * w)); };
    p.setBrush(f.lighter(160));
    switch (s) {
    case Symbol::Schliessen:
        p.drawRoundedRect(rect(0.2, 0.1, 0.45, 0.8), 2, 2);
        p.drawLine(pt(0.5, 0.5), pt(0.9, 0.5));
        p.drawLine(pt(0.78, 0.38), pt(0.9, 0.5));
        p.drawLine(pt(0.78, 0.62), pt(0.9, 0.5));
        break;
    case Symbol::NormalscheinNeu:
    case Symbol::SystemscheinNeu:
        p.drawRect(rect(0.15, 0.1, 0.6, 0.8));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                p.drawPoint(pt(0.3 + 0.15 * i, 0.3 + 0.15 * j));
        p.setPen(QPen(f.darker(180), w / 10.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(pt(0.55, 0.85), pt(0.9, 0.5));
        if (s == Symbol::SystemscheinNeu)
            p.drawEllipse(rect(0.26, 0.26, 0.33, 0.33));
        break;
    case Symbol::Drucken:
        p.drawRect(rect(0.28, 0.1, 0.44, 0.3));
        p.drawRoundedRect(rect(0.1, 0.38, 0.8, 0.35), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(rect(0.28, 0.6, 0.44, 0.3));
        break;
    case Symbol::SystemWahl:
        for (int i = 0; i < 3; ++i)
            p.drawRect(rect(0.12, 0.15 + 0.25 * i, 0.76, 0.16));
        break;
    case Symbol::Zufall:
        p.drawRoundedRect(rect(0.15, 0.15, 0.7, 0.7), 4, 4);
        p.setBrush(f.darker(160));
        for (const auto& [x, y] : {std::pair{0.32, 0.32}, {0.5, 0.5}, {0.68, 0.68}, {0.68, 0.32}, {0.32, 0.68}})
            p.drawEllipse(pt(x, y), w * 0.05, w * 0.05);
        break;
    case Symbol::Statistik:
        p.drawRect(rect(0.12, 0.55, 0.18, 0.33));
        p.drawRect(rect(0.41, 0.3, 0.18, 0.58));
        p.drawRect(rect(0.7, 0.12, 0.18, 0.76));
        break;
    case Symbol::Update:
        p.drawLine(pt(0.5, 0.1), pt(0.5, 0.65));
        p.drawLine(pt(0.3, 0.45), pt(0.5, 0.65));
        p.drawLine(pt(0.7, 0.45), pt(0.5, 0.65));
        p.drawLine(pt(0.15, 0.88), pt(0.85, 0.88));
        break;
    case Symbol::Quoten:
        p.drawEllipse(rect(0.12, 0.12, 0.76, 0.76));
        p.drawArc(rect(0.3, 0.3, 0.4, 0.4), 40 * 16, 280 * 16);
        p.drawLine(pt(0.25, 0.45), pt(0.55, 0.45));
        p.drawLine(pt(0.25, 0.56), pt(0.55, 0.56));
        break;
    case Symbol::NueberK: {
        QFont fo = p.font();
        fo.setPixelSize(static_cast<int>(w * 0.36));
        fo.setBold(true);
        p.setFont(fo);
        p.drawArc(rect(0.08, 0.08, 0.3, 0.84), 100 * 16, 160 * 16);
        p.drawArc(rect(0.62, 0.08, 0.3, 0.84), -80 * 16, 160 * 16);
        p.drawText(rect(0.2, 0.08, 0.6, 0.42), Qt::AlignCenter, QStringLiteral("n"));
        p.drawText(rect(0.2, 0.5, 0.6, 0.42), Qt::AlignCenter, QStringLiteral("k"));
        break;
    }
    case Symbol::Kalender:
        p.setBrush(Qt::white);
        p.drawRect(rect(0.12, 0.2, 0.76, 0.68));
        p.setBrush(f);
        p.drawRect(rect(0.12, 0.2, 0.76, 0.18));
        p.drawLine(pt(0.3, 0.1), pt(0.3, 0.28));
        p.drawLine(pt(0.7, 0.1), pt(0.7, 0.28));
        break;
    case Symbol::Rechner:
        p.drawRoundedRect(rect(0.2, 0.08, 0.6, 0.84), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(rect(0.3, 0.18, 0.4, 0.18));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                p.drawPoint(pt(0.35 + 0.15 * i, 0.5 + 0.13 * j));
        break;
    case Symbol::Hilfe:
    case Symbol::Web: {
        p.drawEllipse(rect(0.1, 0.1, 0.8, 0.8));
        if (s == Symbol::Web) {
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(rect(0.32, 0.1, 0.36, 0.8));
            p.drawLine(pt(0.1, 0.5), pt(0.9, 0.5));
        } else {
            QFont fo = p.font();
            fo.setPixelSize(static_cast<int>(w * 0.58));
            fo.setBold(true);
            p.setFont(fo);
            p.setPen(Qt::white);
            p.drawText(rect(0.1, 0.1, 0.8, 0.8), Qt::AlignCenter, QStringLiteral("?"));
        }
        break;
    }
    case Symbol::Hinzufuegen:
        p.drawEllipse(rect(0.1, 0.1, 0.8, 0.8));
        p.setPen(QPen(Qt::white, w / 8.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(pt(0.5, 0.28), pt(0.5, 0.72));
        p.drawLine(pt(0.28, 0.5), pt(0.72, 0.5));
        break;
    case Symbol::Abbrechen:
        p.drawEllipse(rect(0.1, 0.1, 0.8, 0.8));
        p.setPen(QPen(Qt::white, w / 8.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(pt(0.34, 0.34), pt(0.66, 0.66));
        p.drawLine(pt(0.66, 0.34), pt(0.34, 0.66));
        break;
    case Symbol::Leeren: {
        // An eraser lying aslant over a line.
        p.save();
        p.translate(pt(0.5, 0.45));
        p.rotate(-35);
        p.drawRoundedRect(QRectF(-0.36 * w, -0.16 * w, 0.72 * w, 0.32 * w), 2, 2);
        p.setBrush(f.darker(120));
        p.drawRoundedRect(QRectF(-0.36 * w, -0.16 * w, 0.26 * w, 0.32 * w), 2, 2);
        p.restore();
        p.drawLine(pt(0.12, 0.88), pt(0.88, 0.88));
        break;
    }
    case Symbol::Speichern:
        p.drawRoundedRect(rect(0.12, 0.12, 0.76, 0.76), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(rect(0.28, 0.12, 0.44, 0.28));
        p.drawRect(rect(0.25, 0.58, 0.5, 0.3));
        break;
    case Symbol::Oeffnen: {
        QPolygonF mappe;
        mappe << pt(0.08, 0.25) << pt(0.38, 0.25) << pt(0.46, 0.35) << pt(0.88, 0.35) << pt(0.88, 0.85)
              << pt(0.08, 0.85);
        p.drawPolygon(mappe);
        p.setBrush(f.lighter(120));
        QPolygonF deckel;
        deckel << pt(0.2, 0.48) << pt(0.98, 0.48) << pt(0.88, 0.85) << pt(0.08, 0.85);
        p.drawPolygon(deckel);
        break;
    }
    case Symbol::Loeschen:
        p.setBrush(Qt::white);
        p.drawRect(rect(0.12, 0.1, 0.56, 0.78));
        for (int i = 0; i < 4; ++i)
            p.drawLine(pt(0.22, 0.25 + 0.15 * i), pt(0.58, 0.25 + 0.15 * i));
        p.setPen(QPen(f, w / 8.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(pt(0.55, 0.55), pt(0.9, 0.9));
        p.drawLine(pt(0.9, 0.55), pt(0.55, 0.9));
        break;
    case Symbol::CSV: {
        p.setBrush(Qt::white);
        p.drawRect(rect(0.06, 0.2, 0.88, 0.6));
        QFont fo = p.font();
        fo.setPixelSize(static_cast<int>(w * 0.34));
        fo.setBold(true);
        p.setFont(fo);
        p.drawText(rect(0.06, 0.2, 0.88, 0.6), Qt::AlignCenter, QStringLiteral("CSV"));
        break;
    }
    case Symbol::TabelleExport:
    case Symbol::TabelleImport: {
        p.setBrush(Qt::white);
        p.drawRect(rect(0.08, 0.12, 0.62, 0.76));
        for (int i = 1; i < 4; ++i)
            p.drawLine(pt(0.08, 0.12 + 0.19 * i), pt(0.7, 0.12 + 0.19 * i));
        p.drawLine(pt(0.39, 0.12), pt(0.39, 0.88));
        p.setPen(QPen(f.darker(160), w / 9.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const bool hinaus = s == Symbol::TabelleExport;
        const qreal von = hinaus ? 0.55 : 0.95, bis = hinaus ? 0.95 : 0.55;
        const qreal spitze = hinaus ? bis - 0.14 : bis + 0.14;
        p.drawLine(pt(von, 0.5), pt(bis, 0.5));
        p.drawLine(pt(spitze, 0.36), pt(bis, 0.5));
        p.drawLine(pt(spitze, 0.64), pt(bis, 0.5));
        break;
    }
    case Symbol::SortAuf:
    case Symbol::SortZurueck: {
        QFont fo = p.font();
        fo.setPixelSize(static_cast<int>(w * 0.3));
        fo.setBold(true);
        p.setFont(fo);
        const bool auf = s == Symbol::SortAuf;
        p.drawText(rect(0.0, 0.05, 0.6, 0.4), Qt::AlignCenter, auf ? QStringLiteral("0") : QStringLiteral("1"));
        p.drawText(rect(0.0, 0.55, 0.6, 0.4), Qt::AlignCenter, auf ? QStringLiteral("9") : QStringLiteral("49"));
        p.drawLine(pt(0.78, 0.12), pt(0.78, 0.88));
        p.drawLine(pt(0.64, 0.72), pt(0.78, 0.88));
        p.drawLine(pt(0.92, 0.72), pt(0.78, 0.88));
        break;
    }
    }
}

} // namespace

QIcon symbolIcon(Symbol s) {
    QIcon icon;
    for (int groesse : {16, 24, 32, 48}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        zeichne(p, s, QRectF(1, 1, groesse - 2, groesse - 2));
        p.end();
        icon.addPixmap(bild);
    }
    return icon;
}

} // namespace kb
