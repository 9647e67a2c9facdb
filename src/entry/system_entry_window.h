#pragma once

#include "platform/services.h"
#include "system_slip.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kb {

class Fensterverwaltung;
class NavigationsLeiste;
class TFfrSysSchein;

// System ticket entry: the player copies a paper system slip by clicking the system box and
// the numbers of each of its six fields, saves the complete fields as a system ticket file
// and opens such files again.
class TFEingabeSys2 final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 871;
    static constexpr int ClientHoehe = 554;
    static constexpr int HilfeKontext = 1040;
    static constexpr std::array<int, ScheinFelder> FeldX = {0, 145, 290, 435, 580, 725};

    TFEingabeSys2(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern = nullptr);

    const Systemschein& schein() const { return m_schein; }
    TFfrSysSchein* feldRahmen(int feld) const { return m_felder[static_cast<std::size_t>(feld - 1)]; }

public Q_SLOTS:
    // art 1: number, 2: system box; the one way marks change.
    void TrefferVerwerten(int art, int wert, int feld);
    void AnzeigeKontrollieren(int feld);
    void NeuerSchein();
    void BDelClick();
    void BSaveClick();
    void BOpenClick();
    void FeldLeerenClick(int feld);

private:
    void FormCreate();
    QWidget* werkzeugLeisteAnlegen();
    void bildKlick(int feld, int x, int y);
    void kreuzKlick(int tag);

    Dienste& m_dienste;
    Fensterverwaltung& m_router;
    Systemschein m_schein;

    NavigationsLeiste* m_navigation = nullptr;
    std::array<TFfrSysSchein*, ScheinFelder> m_felder{};
    QLineEdit* ESZ = nullptr;
    QLabel* LDatei = nullptr;
    QPushButton* BOpen = nullptr;
    QPushButton* BSave = nullptr;
    QPushButton* BDel = nullptr;
    QPushButton* BSchliessen = nullptr;
};

} // namespace kb
