#pragma once

#include "platform/services.h"

#include <QWidget>

class QTableView;

namespace kb {

class Scheingeometrie;
class AWerteModell;

// All A-values: the box position of every number of every tip field, editable by hand.
// Lives as long as its print window; closing only hides it.
class TFDetail final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 1178;
    static constexpr int ClientHoehe = 944;
    static constexpr int ClientHoeheKlein = 751;
    static constexpr int HilfeKontext = 1180;

    TFDetail(Dienste& dienste, Scheingeometrie& geometrie, QWidget* eltern = nullptr);
    QTableView* tabelle() const { return GDetail; }

    // Shows it in normal size and in front.
    void zeigen();

public Q_SLOTS:
    void BDelClick();

private:
    Dienste& m_dienste;
    Scheingeometrie& m_geometrie;
    AWerteModell* m_modell;
    QTableView* GDetail;
};

} // namespace kb
