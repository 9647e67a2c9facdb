#pragma once

#include "system_test.h"

#include <QAbstractTableModel>
#include <QFutureWatcher>
#include <QWidget>

#include <atomic>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace kb {

struct Dienste;

// The result table G2: headings in row 0 and column 0, counts and percentages per level.
class TrefferbildModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TrefferbildModell(QObject* eltern = nullptr);

    const G2Tabelle& tabelle() const { return m_g2; }
    void setzen(const G2Tabelle& g2);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;

private:
    G2Tabelle m_g2;
};

// Page "Tippreihen testen": runs the system test of the chosen system on a worker thread.
class SystemtestSeite final : public QWidget {
    Q_OBJECT
public:
    SystemtestSeite(Dienste& dienste, QWidget* eltern = nullptr);
    ~SystemtestSeite() override;

    // The chosen system (-1: none); a running test keeps its own copy.
    void setzeSystem(int position) { m_position = position; }
    bool laeuft() const { return m_stopp != nullptr; }
    // Stops a running test; its finished levels stay in the table.
    void abbrechen();
    const TrefferbildModell* modell() const { return m_modell; }

    QWidget* werkzeugleiste() const { return m_leiste; }

Q_SIGNALS:
    void zurueck();
    void testFertig();
    void image3Geklickt();

public Q_SLOTS:
    void PC1Change();
    void BTestenClick();

private:
    void ende(const Trefferbild& b, int wz);
    void knopfZeigen(bool laufend);

    Dienste& m_dienste;
    int m_position = -1;
    QWidget* m_leiste = nullptr;
    QPushButton* BTesten = nullptr;
    QLabel* LKombiAnz = nullptr;
    QProgressBar* Gauge1 = nullptr;
    QTableView* G2 = nullptr;
    TrefferbildModell* m_modell = nullptr;
    std::shared_ptr<std::atomic<bool>> m_stopp;
    QFutureWatcher<Trefferbild>* m_waechter = nullptr;
};

} // namespace kb
