#pragma once

#include "core/lotto.h"

#include <QAbstractButton>
#include <QColor>
#include <QHash>
#include <QWidget>

class QButtonGroup;

namespace kb {

// The looks of a pad button. Hervorgehoben shows a lottery ball in the pad's colour.
enum class PadLook { Normal, Hervorgehoben, Wahlzahl, Bankzahl };

// One button of a number pad. The pad's owner decides the look: a click only reports.
// A checkable button shows the highlighted look while checked.
class PadKnopf final : public QAbstractButton {
    Q_OBJECT
public:
    PadKnopf(int zahl, const QColor& farbe, QWidget* eltern = nullptr);

    int zahl() const { return m_zahl; }
    PadLook look() const { return isCheckable() && isChecked() ? PadLook::Hervorgehoben : m_look; }
    void setLook(PadLook look);
    bool gewaehlt() const { return look() != PadLook::Normal; }
    void setGewaehlt(bool gewaehlt) { setLook(gewaehlt ? PadLook::Hervorgehoben : PadLook::Normal); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int m_zahl;
    QColor m_farbe;
    PadLook m_look = PadLook::Normal;
};

// The windows name their pad buttons differently; it is one button.
using TBZahl = PadKnopf;
using TBZahl2 = PadKnopf;
using TBSuperZahl = PadKnopf;
using TBKombi = PadKnopf;
using TBLot = PadKnopf;

// A grid of number buttons in reading order: number n sits in row (n - erste) / spalten and
// column (n - erste) % spalten. A button's id (tag) is its number plus tagVersatz, so the pads
// of one window can share handlers; its object name is namensPraefix plus its number (or its
// tag). The arrow keys move between the buttons.
class Zahlenpad final : public QWidget {
    Q_OBJECT
public:
    struct Aufbau {
        int erste = 1;
        int letzte = MaxZahl;
        int spalten = 7;
        int tagVersatz = 0;
        QSize knopfGroesse{36, 28};
        int punktGroesse = 8;
        QString namensPraefix;
        QColor farbe;
        int abstand = 1;
        bool nameMitTag = false;
    };

    explicit Zahlenpad(const Aufbau& aufbau, QWidget* eltern = nullptr);
    // Pad number feld of a window with several: tags 100 * feld + n, buttons "BZahl" + tag.
    static Aufbau feldAufbau(int feld, const QColor& farbe = {});

    int spalten() const { return m_aufbau.spalten; }
    PadKnopf* knopf(int tag) const { return m_knoepfe.value(tag); }
    PadKnopf* zahlKnopf(int zahl) const { return knopf(zahl + m_aufbau.tagVersatz); }
    QButtonGroup* gruppe() const { return m_gruppe; }

    bool gewaehlt(int tag) const;
    void setGewaehlt(int tag, bool gewaehlt);
    void alleNormal();

    // Toggle buttons that keep their state: the pad then holds a set of numbers.
    void setzeAuswaehlbar(bool ja);
    ZahlenMenge auswahl() const;
    void setzeAuswahl(const ZahlenMenge& zahlen);

Q_SIGNALS:
    void geklickt(int tag);
    // The same click, as the number.
    void zahlGeklickt(int zahl);

private:
    friend class PadKnopf;
    void fokusWeiter(PadKnopf* von, int dx, int dy);

    Aufbau m_aufbau;
    QButtonGroup* m_gruppe = nullptr;
    QHash<int, PadKnopf*> m_knoepfe;
};

} // namespace kb
