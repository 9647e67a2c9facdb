#include "icons.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QRadialGradient>
#include <QSvgRenderer>

#include <memory>

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

const char* dateiVon(Symbol s) {
    switch (s) {
    case Symbol::Schliessen: return "schliessen";
    case Symbol::NormalscheinNeu: return "normalschein";
    case Symbol::SystemscheinNeu: return "systemschein";
    case Symbol::Drucken: return "drucken";
    case Symbol::SystemWahl: return "systemwahl";
    case Symbol::Zufall: return "zufall";
    case Symbol::Statistik: return "statistik";
    case Symbol::Update: return "update";
    case Symbol::Quoten: return "quoten";
    case Symbol::NueberK: return "nueberk";
    case Symbol::Kalender: return "kalender";
    case Symbol::Rechner: return "rechner";
    case Symbol::Hilfe: return "hilfe";
    case Symbol::Web: return "web";
    case Symbol::Hinzufuegen: return "hinzufuegen";
    case Symbol::Abbrechen: return "abbrechen";
    case Symbol::Leeren: return "leeren";
    case Symbol::Speichern: return "speichern";
    case Symbol::Oeffnen: return "oeffnen";
    case Symbol::Loeschen: return "loeschen";
    case Symbol::CSV: return "csv";
    case Symbol::TabelleExport: return "tabelle-export";
    case Symbol::TabelleImport: return "tabelle-import";
    case Symbol::SortAuf: return "sortieren";
    case Symbol::SortZurueck: return "sort-zurueck";
    }
    return "hilfe";
}

// Renders the SVG at whatever size and pixel ratio is asked for, so icons stay sharp at
// 200 %; linked directly, so no image plug-in has to be installed.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& pfad) : m_pfad(pfad) {}

    QIconEngine* clone() const override { return new SvgIconEngine(m_pfad); }
    QString key() const override { return QStringLiteral("kb-svg"); }
    bool isNull() override { return !renderer().isValid(); }

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal dpr = p->device() ? p->device()->devicePixelRatioF() : 1.0;
        p->drawPixmap(rect, rendern(rect.size() * dpr, mode, dpr));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        return rendern(size, mode, 1.0);
    }

    // size is in device pixels already.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        return rendern(size, mode, scale);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

private:
    QPixmap rendern(const QSize& echt, QIcon::Mode mode, qreal scale) {
        const QString schluessel =
            QStringLiteral("%1@%2x%3/%4/%5").arg(m_pfad).arg(echt.width()).arg(echt.height()).arg(static_cast<int>(mode)).arg(scale);
        QPixmap bild;
        if (QPixmapCache::find(schluessel, &bild))
            return bild;
        QImage img(echt, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            renderer().render(&p, QRectF(QPointF(0, 0), QSizeF(echt)));
        }
        if (mode == QIcon::Disabled) {
            // Grey and faint, the way a disabled tool button reads on any face colour.
            for (int y = 0; y < img.height(); ++y) {
                auto* zeile = reinterpret_cast<QRgb*>(img.scanLine(y));
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb c = zeile[x];
                    const int a = qAlpha(c) * 2 / 5;
                    const int g = qGray(c) * 2 / 5;
                    zeile[x] = qRgba(g, g, g, a);
                }
            }
        }
        bild = QPixmap::fromImage(img);
        bild.setDevicePixelRatio(scale);
        QPixmapCache::insert(schluessel, bild);
        return bild;
    }

    QSvgRenderer& renderer() {
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_pfad);
        return *m_renderer;
    }

    QString m_pfad;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

} // namespace

QString symbolPfad(Symbol s) {
    return QStringLiteral(":/kugelblick/icons/") + QLatin1String(dateiVon(s)) + QStringLiteral(".svg");
}

QIcon symbolIcon(const QString& svgPfad) {
    return QIcon(new SvgIconEngine(svgPfad));
}

QIcon symbolIcon(Symbol s) {
    return symbolIcon(symbolPfad(s));
}

} // namespace kb
