#pragma once

#include "core/lotto.h"
#include "widgets/tile_panel.h"

#include <QWidget>

#include <array>

class QPushButton;

namespace kb {

// How often each number occurs in a table of tip rows: 49 value tiles under their numbers,
// which one button sorts by count and back. Several of these windows can be open at once.
class TFStat1 final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientHoehe = 371;
    static const QColor Rot;
    static const QColor Gruen;

    explicit TFStat1(QWidget* eltern = nullptr);

    ZahlKachelFeld* kacheln() const { return PVert; }
    // The counts the sort orders by (index 1..49).
    void setzeAnzahlen(const std::array<int, MaxZahl + 1>& anzahl) { m_anzahl = anzahl; }
    bool sortiert() const { return m_sortiert; }

public Q_SLOTS:
    void BAufClick();

private:
    ZahlKachelFeld* PVert = nullptr;
    QPushButton* BAuf = nullptr;
    QPushButton* BSchliessen = nullptr;
    std::array<int, MaxZahl + 1> m_anzahl{};
    bool m_sortiert = false;
};

} // namespace kb
