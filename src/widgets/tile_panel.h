#pragma once

#include "core/lotto.h"

#include <QColor>
#include <QFrame>
#include <QLabel>

#include <array>

namespace kb {

// Number tile: the number shown at a place of the panel (light green on dark teal).
class TBStatNr final : public QLabel {
    Q_OBJECT
public:
    static constexpr QSize Groesse{32, 17};
    TBStatNr(int tag, QWidget* eltern);
    int tag() const { return m_tag; }

private:
    int m_tag;
};

// Value tile of one number: text and colour are set by whoever fills the panel.
class TBStatW final : public QLabel {
    Q_OBJECT
public:
    static constexpr QSize Groesse{32, 21};
    TBStatW(int tag, QWidget* eltern);
    int tag() const { return m_tag; }
    void setzeFarbe(const QColor& hintergrund); // invalid: the standard button face

private:
    int m_tag;
};

// Panel of 49 number tiles with a value tile below each, seven per row, under a caption
// bar. The value tiles can be rearranged (a sort order) and sent back to their homes.
class ZahlKachelFeld final : public QFrame {
    Q_OBJECT
public:
    static constexpr int KopfHoehe = 20;
    static constexpr int Anzahl = MaxZahl;

    explicit ZahlKachelFeld(const QString& titel, QWidget* eltern = nullptr);

    TBStatNr* nummer(int platz) const { return m_nummern[static_cast<std::size_t>(platz - 1)]; }
    TBStatW* wert(int zahl) const { return m_werte[static_cast<std::size_t>(zahl - 1)]; }
    // Where value tile n sits in the order 1..49.
    QPoint heimat(int zahl) const { return m_heimat[static_cast<std::size_t>(zahl - 1)]; }

    void setzeWert(int zahl, const QString& text, const QColor& hintergrund = {});
    // Place p (1..49) shows reihenfolge[p - 1]; that number's value tile moves to home p.
    void anordnen(const std::array<int, Anzahl>& reihenfolge);
    void grundstellung();

private:
    std::array<TBStatNr*, Anzahl> m_nummern{};
    std::array<TBStatW*, Anzahl> m_werte{};
    std::array<QPoint, Anzahl> m_heimat{};
};

} // namespace kb
