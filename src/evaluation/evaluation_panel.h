#pragma once

#include "period_evaluation.h"
#include "platform/services.h"

#include <QFutureWatcher>
#include <QWidget>

#include <atomic>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kb {

class ErgebnisModell;

// The evaluation panel of a ticket tab: one draw or a period, the draw days, "Start",
// the result list with total and highest win.
class AuswertungsPanel : public QWidget {
    Q_OBJECT
public:
    // Above this many row-draw matches the evaluation runs on a worker thread.
    static constexpr qint64 HintergrundAb = 2'000'000;

    AuswertungsPanel(bool system, Dienste& dienste, QWidget* eltern = nullptr);
    ~AuswertungsPanel() override;

    void setSchein(AuswertungsSchein schein) { m_schein = std::move(schein); }
    ErgebnisModell* modell() const { return m_modell; }
    QTableView* tabelle() const { return m_tabelle; }
    bool laeuft() const { return m_laeuft; }

public Q_SLOTS:
    void BStartClick();
    void BZeigClick();

Q_SIGNALS:
    void auswertungFertig();

private:
    void ergebnisZeigen(AuswertungsErgebnis e);
    void ergebnisLeeren();

    bool m_system;
    Dienste& m_dienste;
    AuswertungsSchein m_schein;
    QComboBox* Combo1 = nullptr;
    QComboBox* combo2 = nullptr;
    QCheckBox* cbBack = nullptr;
    QButtonGroup* RGTage = nullptr;
    QPushButton* BStart = nullptr;
    QPushButton* BZeig = nullptr;
    QTableView* m_tabelle = nullptr;
    ErgebnisModell* m_modell = nullptr;
    QLabel* LHGew = nullptr;
    QLabel* LHGewWann = nullptr;
    QLabel* LGesGewinn = nullptr;
    bool m_laeuft = false;
    std::shared_ptr<std::atomic<bool>> m_abbruch;
    QFutureWatcher<AuswertungsErgebnis>* m_waechter = nullptr;
};

} // namespace kb
