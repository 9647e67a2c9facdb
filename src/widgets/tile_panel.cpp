#include "tile_panel.h"

#include "skin.h"

namespace kb {

TBStatNr::TBStatNr(int tag, QWidget* eltern) : QLabel(QString::number(tag), eltern), m_tag(tag) {
    setObjectName(QStringLiteral("BStatNr%1").arg(tag));
    setFixedSize(Groesse);
    skin::zahlKachel(this);
}

TBStatW::TBStatW(int tag, QWidget* eltern) : QLabel(eltern), m_tag(tag) {
    setObjectName(QStringLiteral("BStatW%1").arg(tag));
    setFixedSize(Groesse);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    QFont f(QStringLiteral("Calibri"));
    f.setPointSize(8);
    f.setBold(true);
    setFont(f);
    setAutoFillBackground(true);
    setzeFarbe({});
}

void TBStatW::setzeFarbe(const QColor& hintergrund) {
    // Black on every tile colour, the face colour included.
    QPalette p = palette();
    p.setColor(QPalette::Window, hintergrund.isValid() ? hintergrund : QPalette().color(QPalette::Button));
    p.setColor(QPalette::WindowText, skin::farbe::Schwarz);
    setPalette(p);
}

ZahlKachelFeld::ZahlKachelFeld(const QString& titel, QWidget* eltern) : QFrame(eltern) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedSize(7 * 32 + 16, 7 * 38 + KopfHoehe + 26);
    auto* kopf = new QLabel(titel, this);
    kopf->setObjectName(QStringLiteral("LTitel"));
    kopf->setGeometry(2, 2, width() - 4, KopfHoehe);
    kopf->setAlignment(Qt::AlignCenter);
    skin::fett(kopf);
    skin::flaeche(kopf, skin::farbe::Akzent);

    for (int i = 1; i <= 7; ++i) {
        for (int j = 1; j <= 7; ++j) {
            const int n = 7 * (i - 1) + j;
            const int links = (j - 1) * 33 + 5;
            auto* nr = new TBStatNr(n, this);
            nr->move(links, (i - 1) * (21 + 17 + 2) + KopfHoehe + 8);
            auto* w = new TBStatW(n, this);
            m_heimat[static_cast<std::size_t>(n - 1)] =
                QPoint(links, (i - 1) * (21 + 2) + i * 17 + KopfHoehe + 7);
            w->move(m_heimat[static_cast<std::size_t>(n - 1)]);
            m_nummern[static_cast<std::size_t>(n - 1)] = nr;
            m_werte[static_cast<std::size_t>(n - 1)] = w;
        }
    }
}

void ZahlKachelFeld::setzeWert(int zahl, const QString& text, const QColor& hintergrund) {
    if (zahl < 1 || zahl > Anzahl)
        return;
    wert(zahl)->setText(text);
    wert(zahl)->setzeFarbe(hintergrund);
}

void ZahlKachelFeld::anordnen(const std::array<int, Anzahl>& reihenfolge) {
    for (int p = 1; p <= Anzahl; ++p) {
        const int n = reihenfolge[static_cast<std::size_t>(p - 1)];
        if (n < 1 || n > Anzahl)
            continue;
        nummer(p)->setText(QString::number(n));
        wert(n)->move(heimat(p));
    }
}

void ZahlKachelFeld::grundstellung() {
    for (int p = 1; p <= Anzahl; ++p) {
        nummer(p)->setText(QString::number(p));
        wert(p)->move(heimat(p));
    }
}

} // namespace kb
