#pragma once

#include "combination_statistics.h"
#include "number_statistics.h"
#include "platform/services.h"

#include <QGroupBox>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;

namespace kb {

class AbwesenheitsModell;
class Balkendiagramm;
class KombiListenModell;
class KombiSucheModell;
class Zahlenpad;
class ZahlKachelFeld;

// One column of the statistics window: the statistics of one draw category.
class TFfrStatistik final : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int Breite = 520;
    static const QColor FarbeTreffer;
    static const QColor FarbeKeinTreffer;
    // The options of "Die letzten X Ziehungen auswerten" before "all".
    static std::array<int, 4> letzteOptionen(int kategorie);
    static QString titel(int kategorie);

    TFfrStatistik(int kategorie, Dienste& dienste, QWidget* eltern = nullptr);

    int kategorie() const { return m_kategorie; }
    // (Re)fills everything from the current draw statistics: whole-history counts, both date
    // lists, absence, pair favourites; the triple and quadruple lists start empty.
    void fuellen();
    void setBereit(bool bereit) { m_bereit = bereit; }

    const KombiAuswahl& auswahl() const { return m_auswahl; }
    // Takes over another frame's search selection (parallel mode).
    void auswahlUebernehmen(const ZahlenMenge& m);
    // Searches over the chosen period and shows the result; returns the number of hits.
    int suchen();
    void sucheZuruecksetzen();
    const Zahlenzaehler& angezeigteAnzahlen() const { return m_anzahl; }
    QCheckBox* parallel() const { return cbAuch; }

public Q_SLOTS:
    void combo1Change();
    void BStartClick();
    void RGLetzteClick(int option);
    void BAufClick();
    void BStart3Click();
    void BStart2Click();
    void BNrClick(int tag);
    void BSucheClick();
    void BDelClick();

Q_SIGNALS:
    // The user wants the draws fetched (answered Yes to the question).
    void downloadbereichGewuenscht();
    // Category 0 in parallel mode passes these on to the other frames.
    void auswahlGeaendert();
    void sucheAusgefuehrt();
    void sucheGeleert();

private:
    QWidget* zaehlbereichAnlegen();
    QWidget* abwesenheitAnlegen();
    QWidget* favoritenSeite(int groesse, QTableView*& haeufig, QTableView*& selten, KombiListenModell*& mh,
                            KombiListenModell*& ms);
    QWidget* suchSeite();
    void anzahlenZeigen(const Zahlenzaehler& anzahl);
    void favoritenLaufen(int groesse);
    int anzahlZiehungen() const;
    bool hatZiehungen();

    Dienste& m_dienste;
    int m_kategorie;
    bool m_bereit = false;
    bool m_sortiert = false;
    Zahlenzaehler m_anzahl{};
    KombiAuswahl m_auswahl;

    ZahlKachelFeld* P1 = nullptr;
    QPushButton* BAuf = nullptr;
    Balkendiagramm* m_haeufigkeit = nullptr;
    QComboBox* combo1 = nullptr;
    QComboBox* combo2 = nullptr;
    QPushButton* BStart = nullptr;
    QLabel* LZie = nullptr;
    QGroupBox* RGLetzte = nullptr;
    QButtonGroup* m_letzte = nullptr;
    QCheckBox* cbAuch = nullptr;
    QTableView* GAus = nullptr;
    AbwesenheitsModell* m_abwesenheit = nullptr;
    Balkendiagramm* m_luecken = nullptr;
    QTabWidget* PCStat = nullptr;
    QTableView* GKombi1 = nullptr;
    QTableView* GKombi2 = nullptr;
    QTableView* GKombi3 = nullptr;
    QTableView* GKombi4 = nullptr;
    QTableView* GKombi5 = nullptr;
    QTableView* GKombi6 = nullptr;
    QTableView* GKombi7 = nullptr;
    KombiListenModell* m_paareHaeufig = nullptr;
    KombiListenModell* m_paareSelten = nullptr;
    KombiListenModell* m_dreierHaeufig = nullptr;
    KombiListenModell* m_dreierSelten = nullptr;
    KombiListenModell* m_viererHaeufig = nullptr;
    KombiListenModell* m_viererSelten = nullptr;
    KombiSucheModell* m_suche = nullptr;
    QPushButton* BStart3 = nullptr;
    QPushButton* BStart2 = nullptr;
    QProgressBar* m_fortschritt3 = nullptr;
    QProgressBar* m_fortschritt4 = nullptr;
    Zahlenpad* PNr = nullptr;
    QPushButton* BSuche = nullptr;
    QPushButton* BDel = nullptr;
    QLabel* LErg = nullptr;
};

} // namespace kb
