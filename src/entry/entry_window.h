#pragma once

#include "platform/services.h"
#include "ticket_entry.h"
#include "widgets/icons.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace kb {

class Fensterverwaltung;
class NavigationsLeiste;
class TippreihenGitter;
class Zahlenpad;

// Normal ticket entry: rows typed, composed on the pad or imported into the text field,
// transferred into the ticket table, and saved from there as a ticket file, CSV or workbook.
class TFEingabe final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 980;
    static constexpr int ClientHoehe = 473;
    static constexpr int HilfeKontext = 1030;

    TFEingabe(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern = nullptr);

    QAction* aktion(const QString& name) const;

Q_SIGNALS:
    // A CSV save, spreadsheet export or spreadsheet import has finished (ok: it worked).
    void hintergrundFertig(bool ok);

public Q_SLOTS:
    void BLot50EUrClick(int zahl);
    void bsSkinSpeedButton9Click();  // "Textfeld löschen"
    void bsSkinSpeedButton8Click();  // "Reihen in Tabelle übertragen"
    void bsSkinSpeedButton15Click(); // "Auf Dopplungen prüfen"
    void cbDelClick();
    void up1Change(int groesse);
    void bsSkinSpeedButton1Click();  // save as normal ticket file
    void bsSkinSpeedButton2Click();  // "Reihen löschen"
    void bsSkinSpeedButton3Click();  // save as CSV
    void bsSkinSpeedButton4Click();  // spreadsheet export
    void bsSkinSpeedButton16Click(); // table statistics
    void bsSkinSpeedButton7Click();  // read a normal ticket file into the import table
    void bsSkinSpeedButton10Click(); // read a spreadsheet into the import table
    void bsSkinSpeedButton13Click(); // read a CSV file into the import table
    void bsSkinSpeedButton6Click();  // import table into the text field

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void FormCreate();
    QWidget* manuelleSeiteAnlegen();
    QWidget* importSeiteAnlegen();
    QWidget* textSpalteAnlegen();
    QWidget* tabellenSpalteAnlegen();
    QAction* neueAktion(const QString& name, const QString& text, Symbol symbol);
    void ZahlenAufbauen();
    void FormShow();
    void FormCloseQuery();
    void setzeText(const QStringList& zeilen);
    void zeilenZaehlen();
    // Appends to the text field: neu is its whole text afterwards and starts with the current one.
    void amEndeAnfuegen(const QString& neu);

    Dienste& m_dienste;
    Fensterverwaltung& m_router;
    QString m_csvOrdner; // the CSV reader starts where it was last used

    NavigationsLeiste* m_navigation = nullptr;
    QTabWidget* PC1 = nullptr;
    Zahlenpad* m_zahlen = nullptr;
    QPlainTextEdit* M1 = nullptr;
    TippreihenGitter* G1 = nullptr;
    TippreihenGitter* G2 = nullptr;
    QLineEdit* ESZ = nullptr;
    QLabel* LSZ = nullptr;
    QLabel* LDatei = nullptr;
    QLabel* LDatei1 = nullptr;
    QLabel* LZeilen = nullptr;
    QLabel* m_geloescht = nullptr;
    QRadioButton* RG1a = nullptr;
    QRadioButton* RG1b = nullptr;
    QCheckBox* cbDel = nullptr;
    QSpinBox* up1 = nullptr;
    QPushButton* BSchliessen = nullptr;
};

} // namespace kb
