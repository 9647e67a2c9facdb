#include "bar_chart.h"

#include <QPainter>

#include <algorithm>

namespace kb {

namespace {
const QColor Hoch(30, 150, 60);
const QColor Tief(210, 60, 50);
const QColor Normal(0, 110, 110);
} // namespace

Balkendiagramm::Balkendiagramm(const QString& titel, QWidget* eltern) : QWidget(eltern), m_titel(titel) {
    setMinimumHeight(72);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Balkendiagramm::setzeWerte(const std::array<int, MaxZahl>& werte) {
    m_werte = werte;
    m_gesetzt = true;
    update();
}

QList<int> Balkendiagramm::hoechste() const {
    QList<int> r;
    if (!m_gesetzt)
        return r;
    const int m = *std::max_element(m_werte.begin(), m_werte.end());
    for (int n = 1; n <= MaxZahl; ++n)
        if (m_werte[static_cast<std::size_t>(n - 1)] == m)
            r.append(n);
    return r;
}

QList<int> Balkendiagramm::tiefste() const {
    QList<int> r;
    if (!m_gesetzt)
        return r;
    const int m = *std::min_element(m_werte.begin(), m_werte.end());
    for (int n = 1; n <= MaxZahl; ++n)
        if (m_werte[static_cast<std::size_t>(n - 1)] == m)
            r.append(n);
    return r;
}

void Balkendiagramm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont f = font();
    f.setPointSize(7);
    p.setFont(f);
    const int textHoehe = p.fontMetrics().height();
    p.setPen(palette().color(QPalette::Text));
    p.drawText(QRect(4, 1, width() - 8, textHoehe), Qt::AlignLeft | Qt::AlignVCenter, m_titel);
    if (!m_gesetzt)
        return;

    const int hoch = *std::max_element(m_werte.begin(), m_werte.end());
    const int tief = *std::min_element(m_werte.begin(), m_werte.end());
    // The extremes on a line of their own under the title.
    const auto liste = [](const QList<int>& zahlen) {
        QStringList t;
        for (int n : zahlen.mid(0, 4))
            t.append(QString::number(n));
        return t.join(QLatin1Char(',')) + (zahlen.size() > 4 ? QStringLiteral(",…") : QString());
    };
    if (hoch != tief) {
        const QString rechts = QStringLiteral("max %1 (%2)   min %3 (%4)")
                                   .arg(liste(hoechste()))
                                   .arg(hoch)
                                   .arg(liste(tiefste()))
                                   .arg(tief);
        p.drawText(QRect(4, 1 + textHoehe, width() - 8, textHoehe), Qt::AlignLeft | Qt::AlignVCenter, rechts);
    }

    const QRectF flaeche(4, 2 * textHoehe + 3, width() - 8, height() - 2 * textHoehe - 6);
    const qreal breite = flaeche.width() / MaxZahl;
    const int skala = std::max(hoch, 1);
    p.setPen(Qt::NoPen);
    for (int n = 1; n <= MaxZahl; ++n) {
        const int w = m_werte[static_cast<std::size_t>(n - 1)];
        const qreal h = flaeche.height() * std::max(w, 0) / skala;
        QColor c = Normal;
        if (hoch != tief && w == hoch)
            c = Hoch;
        else if (hoch != tief && w == tief)
            c = Tief;
        p.setBrush(c);
        const QRectF balken(flaeche.left() + (n - 1) * breite + 0.5, flaeche.bottom() - h, breite - 1.0,
                            std::max(h, 1.0));
        p.drawRect(balken);
    }
}

} // namespace kb
