#pragma once

#include "platform/services.h"
#include "quota_tool_window.h"

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace kb {

class QuotenTabelle;

// Amount field of the quota editor: digits, comma and backspace; other character keys are
// dropped with a beep (cursor keys and Tab still move).
class TQEdit final : public QLineEdit {
    Q_OBJECT
public:
    explicit TQEdit(QWidget* eltern = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// Quota editor: the quota file as a table, one row per draw. Each new window appends the draws
// since the last record with standard quotas and saves; the user replaces the quotas of one
// draw with real ones, typed or filled in by the quota tool. Destroyed when closed.
class TFQuoten final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 663;
    static constexpr int ClientHoehe = 613;
    static constexpr int HilfeKontext = 1090;
    // Widths of the table columns 0..9 at the smallest; wider where the font needs it. The
    // amount fields are as wide as their columns.
    static constexpr std::array<int, 10> SpaltenBreiten = {65, 88, 75, 65, 64, 55, 51, 58, 40, 45};

    explicit TFQuoten(Dienste& dienste, QWidget* eltern = nullptr);

    TQEdit* feld(int klasse) const { return m_felder.at(klasse); }
    int spaltenBreite(int spalte) const { return m_breiten.at(spalte); }
    // Written by the quota tool.
    void feldSetzen(int klasse, const QString& text);
    QuotenTabelle* tabelle() const { return m_tabelle; }
    bool geaendert() const { return m_geaendert; }
    TFQTool* tool() const { return m_tool; }

public Q_SLOTS:
    void BSaveClick();
    void BErsetzenClick();
    void BQToolClick();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    void breitenBestimmen(const QFont& tabelle, const QFont& titel);
    void QEditsBauen(QWidget* panel);
    bool speichern();
    void comboFuellen();
    void fehltMeldung();

    Dienste& m_dienste;
    QuotenTabelle* m_tabelle = nullptr;
    std::array<TQEdit*, 10> m_felder{};
    std::array<int, 10> m_breiten = SpaltenBreiten;
    QPointer<TFQTool> m_tool;
    bool m_dateiDa = false; // a readable quota file with records: only then is anything written
    bool m_geaendert = false;
    bool m_lageGelesen = false;

    QPushButton* BSave = nullptr;
    QPushButton* BQTool = nullptr;
    QPushButton* BHelp = nullptr;
    QWidget* PQuoten = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* BErsetzen = nullptr;
    QLabel* LFehlt = nullptr;
    QTableView* G1 = nullptr;
};

} // namespace kb
