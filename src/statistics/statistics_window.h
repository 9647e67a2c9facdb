#pragma once

#include "platform/services.h"

#include <QWidget>

#include <array>

namespace kb {

class Fensterverwaltung;
class NavigationsLeiste;
class TFfrStatistik;

// The draw statistics three times side by side: both draw days, Saturday, Wednesday.
// Created on demand, destroyed when closed; selections and sort states start fresh.
class TFStatistik final : public QWidget {
    Q_OBJECT
public:
    static constexpr int HilfeKontext = 1050;
    static constexpr int ClientHoehe = 784;
    static constexpr int RahmenOben = 70;

    TFStatistik(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern = nullptr);

    TFfrStatistik* rahmen(int kategorie) const { return m_rahmen[static_cast<std::size_t>(kategorie)]; }
    bool parallel() const;

public Q_SLOTS:
    void cbAuchClick();
    // Copies the search selection of category 0 to Saturday and Wednesday.
    void Gleichklang();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormShow();
    void FormCloseQuery();
    void downloadbereichOeffnen();
    void neuFuellen();

    Dienste& m_dienste;
    Fensterverwaltung& m_router;
    NavigationsLeiste* m_navigation = nullptr;
    std::array<TFfrStatistik*, 3> m_rahmen{};
    bool m_bereit = false;
};

} // namespace kb
