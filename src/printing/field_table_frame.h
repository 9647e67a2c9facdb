#pragma once

#include <QFrame>

class QTableView;
class QToolButton;

namespace kb {

class Scheingeometrie;
class FeldtabellenModell;

// The frame of one field table: "Feld k", its delete button and the 7 x 3 table.
class TFfrDruck final : public QFrame {
    Q_OBJECT
public:
    static constexpr int Breite = 92;

    TFfrDruck(Scheingeometrie& geometrie, int feld, QWidget* eltern = nullptr); // feld 1..18
    QTableView* tabelle() const { return m_tabelle; }

public Q_SLOTS:
    void BDelClick();

private:
    Scheingeometrie& m_geometrie;
    int m_feld;
    QTableView* m_tabelle;
    FeldtabellenModell* m_modell;
};

} // namespace kb
