#pragma once

#include "system_slip.h"

#include <QFrame>
#include <QHash>
#include <QLabel>

class QToolButton;

namespace kb {

// A mark on the slip picture: a blue "x". Its tag says what it marks: number + field × 100
// for a number, code + field × 1000 for a system box.
class TKreuz final : public QLabel {
    Q_OBJECT
public:
    static constexpr int Groesse = 13;

    TKreuz(int tag, QWidget* eltern);
    int tag() const { return m_tag; }

Q_SIGNALS:
    void geklickt(int tag);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int m_tag;
};

// The picture of one field of a paper system slip, drawn as vectors so that it stays sharp
// at any device pixel ratio.
class SystemfeldBild final : public QWidget {
    Q_OBJECT
public:
    SystemfeldBild(int feld, QWidget* eltern);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int m_feld;
};

// One of the six slip fields: the picture, an invisible panel above it that takes the clicks,
// the crosses, and under the picture the count of crossed numbers and a delete button.
class TFfrSysSchein final : public QFrame {
    Q_OBJECT
public:
    static constexpr int Breite = FeldBildBreite;

    TFfrSysSchein(int feld, QWidget* eltern);

    int feldNummer() const { return m_feld; }
    QWidget* bild() const { return m_bild; }
    QWidget* panel() const { return Panel1; }
    QLabel* stand() const { return PStand; }
    TKreuz* kreuz(int tag) const { return m_kreuze.value(tag); }
    QList<TKreuz*> kreuze() const { return m_kreuze.values(); }

    // Shows what the field holds: its crosses, the count and the count's colour.
    void anzeigen(const SystemFeldStand& stand, StandFarbe farbe);

    static int zahlTag(int feld, int zahl) { return zahl + feld * 100; }
    static int systemTag(int feld, int code) { return code + feld * 1000; }

Q_SIGNALS:
    void bildGeklickt(int x, int y);
    void kreuzGeklickt(int tag);
    void leerenGeklickt();

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void kreuzSetzen(int tag, const QPoint& kasten, bool gewollt);

    int m_feld;
    SystemfeldBild* m_bild = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* PStand = nullptr;
    QToolButton* BDel = nullptr;
    QHash<int, TKreuz*> m_kreuze;
};

} // namespace kb
