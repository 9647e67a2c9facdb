#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QHash>
#include <QWidget>

class QButtonGroup;

namespace kb {

// One button of a number pad. The pad's owner decides the look: a click only reports.
class PadKnopf final : public QAbstractButton {
    Q_OBJECT
public:
    PadKnopf(int zahl, const QColor& farbe, QWidget* eltern = nullptr);

    int zahl() const { return m_zahl; }
    bool gewaehlt() const { return m_gewaehlt; }
    void setGewaehlt(bool gewaehlt);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int m_zahl;
    QColor m_farbe;
    bool m_gewaehlt = false;
};

// A grid of number buttons; each button's id (tag) is its number plus tagVersatz, its
// object name namensPraefix plus its number.
class Zahlenpad final : public QWidget {
    Q_OBJECT
public:
    struct Aufbau {
        int erste = 1;
        int letzte = 49;
        int spalten = 7;
        int tagVersatz = 0;
        QSize knopfGroesse{36, 28};
        int punktGroesse = 8;
        QString namensPraefix;
        QColor farbe;
    };

    explicit Zahlenpad(const Aufbau& aufbau, QWidget* eltern = nullptr);

    PadKnopf* knopf(int tag) const { return m_knoepfe.value(tag); }
    bool gewaehlt(int tag) const;
    void setGewaehlt(int tag, bool gewaehlt);
    void alleNormal();

Q_SIGNALS:
    void geklickt(int tag);

private:
    QButtonGroup* m_gruppe = nullptr;
    QHash<int, PadKnopf*> m_knoepfe;
};

} // namespace kb
