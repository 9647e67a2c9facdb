#pragma once

#include "core/lotto.h"

#include <QPushButton>
#include <QWidget>

class QButtonGroup;

namespace kb {

// A number button of a pad: bold 8-point caption.
class TBZahl2 final : public QPushButton {
    Q_OBJECT
public:
    TBZahl2(int zahl, QWidget* eltern = nullptr);
    int zahl() const { return m_zahl; }

private:
    int m_zahl;
};

// Pad of number buttons in rows of seven, in reading order: number n sits in row
// (n - 1) / 7 and column (n - 1) % 7. A button's id in the group is 100 * pad + n, so the
// pads of one window can share handlers.
class Zahlenfeld final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ProZeile = 7;

    explicit Zahlenfeld(int feld = 0, QWidget* eltern = nullptr, int hoechsteZahl = MaxZahl);

    int feld() const { return m_feld; }
    int id(int zahl) const { return 100 * m_feld + zahl; }
    TBZahl2* knopf(int zahl) const;
    QButtonGroup* gruppe() const { return m_gruppe; }
    void setzeKnopfGroesse(QSize groesse);

    // Toggle buttons that keep their state: the pad then holds a set of numbers.
    void setzeAuswaehlbar(bool ja);
    ZahlenMenge auswahl() const;
    void setzeAuswahl(const ZahlenMenge& zahlen);

Q_SIGNALS:
    // Number n was clicked (whatever its id).
    void zahlGeklickt(int zahl);

private:
    int m_feld;
    int m_hoechste;
    QButtonGroup* m_gruppe;
};

} // namespace kb
