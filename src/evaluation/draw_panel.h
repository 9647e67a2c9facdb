#pragma once

#include "draw_management.h"
#include "platform/services.h"
#include "web_links.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

namespace kb {

class GewinnzahlenModell;
class Zahlenpad;

// The left column of the main window: choose, show, add and correct draws, and the table
// of all draws. Object name "Pleft".
class ZiehungsPanel final : public QWidget {
    Q_OBJECT
public:
    static constexpr int Breite = 300;
    inline static const QString TextNeueZiehung = QStringLiteral("Neue Ziehung");
    inline static const QString TextAbbrechen = QStringLiteral("Abbrechen");
    inline static const QString TextGewinnzahlenVom = QStringLiteral("Gewinnzahlen vom");

    // updateOeffnen opens the update window (by the single-instance rule).
    ZiehungsPanel(Dienste& dienste, std::function<void()> updateOeffnen, QWidget* eltern = nullptr);

    // Reads "GZ.649" from the data folder into GewZahlen and fills the list and the table.
    void GZEinlesen();
    // Refills the draw table and the draw count from GewZahlen.
    void GZinG1Einlesen();
    // The pad logic for one button tag, with the buttons' looks.
    void BLotAuswerten(int tag);
    // Asks whether to download the missing draws; on "Ja" the update window downloads at once.
    void downloadAnbieten();

    bool hinzuModus() const { return m_hinzu; }
    const GewinnzahlenPad& pad() const { return m_pad; }

public Q_SLOTS:
    void BLotUrClick(int tag);
    void BDelClick();
    void Combo1Change(int index);
    void BHinzuClick();
    void bsSkinSpeedButton2Click();

private:
    void aufbauen();
    void gewZahlenGeaendert(bool ersetzt);
    void hinzuModusSetzen(bool an);
    void padZeigen();
    int datumsBreite() const;

    Dienste& m_dienste;
    std::function<void()> m_updateOeffnen;

    QComboBox* Combo1 = nullptr;
    QLabel* LDay = nullptr;
    QToolButton* bsSkinSpeedButton4 = nullptr;
    QToolButton* Image1 = nullptr;
    QPushButton* BHinzu = nullptr;
    QPushButton* BDel = nullptr;
    QPushButton* bsSkinSpeedButton2 = nullptr;
    QLabel* Label5 = nullptr;
    Zahlenpad* m_zahlen = nullptr;
    Zahlenpad* PSZ = nullptr;
    QLabel* LZT = nullptr;
    QTableView* G1 = nullptr;
    GewinnzahlenModell* m_modell = nullptr;

    GewinnzahlenPad m_pad;
    bool m_hinzu = false;
    QDate m_neuesDatum;           // date of the entry that "Neue Ziehung" appended
    bool m_dateiUnlesbar = false; // the draw file exists but could not be read: never overwrite it
};

// Opens a web page in the browser, or says why not.
void webLinkOeffnen(Dienste& dienste, QWidget* eltern, WebLink link);

} // namespace kb
