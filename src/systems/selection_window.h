#pragma once

#include "expansion.h"
#include "platform/services.h"
#include "system_filter.h"

#include <QVector>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QToolButton;

namespace kb {

class Fensterverwaltung;
class NavigationsLeiste;
class SystemtestSeite;
class TippreihenGitter;
class ZahlKachelFeld;
class Zahlenpad;

// System selection: filter the catalogue, choose a system, choose the numbers, form and save
// the tip rows, and test the system's coverage.
class TFSystemwahl final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 996;
    static constexpr int ClientHoehe = 720;
    static constexpr int HilfeKontext = 1070;

    TFSystemwahl(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern = nullptr);

    const Systemauswahl& auswahl() const { return m_auswahl; }
    const QVector<int>& ListenSysteme() const { return m_listenSysteme; }
    SystemtestSeite* testSeite() const { return m_test; }
    FilterWerte filterWerte() const;

Q_SIGNALS:
    // A CSV save or spreadsheet export has finished (ok: it worked).
    void hintergrundFertig(bool ok);

public Q_SLOTS:
    void BFilternClick();
    void BFilternExClick();
    void l1ListBoxClick();
    void Slider1Change(int wert);
    void Slider3Change(int wert);
    void Slider4Change(int wert);
    void Slider5Change(int wert);
    void cb1Click();
    void cb3Click();
    void cb4Click();
    void cb5Click();
    void cbNurClick();
    void BInfo3Click();
    void BInfo4Click();
    void BLotUrClick(int zahl);
    void BZufallClick();
    void BLoeschenClick();
    bool SystemAnwenden(bool tabelleFuellen);
    void BTRBildenClick();
    void bsSkinSpeedButton5Click(); // "Verteilung anzeigen"
    void BZumTestClick();
    void BSpeichernClick();
    void BCSVClick();
    void bsSkinSpeedButton6Click(); // spreadsheet export
    void Image3Click();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void FormCreate();
    QWidget* filterAnlegen();
    QWidget* bildenSeiteAnlegen();
    void FormShow();
    void FormCloseQuery();
    void festeReihenzahlPruefen();
    void egalAnzeigen(QCheckBox* box, QSlider* slider, QLabel* label);
    void zahlenAnzeigen();
    void anzeigeLeeren();
    void zaehlerFaerben(bool nachListenwahl);
    void systemGewaehlt(int position);

    Dienste& m_dienste;
    Fensterverwaltung& m_router;
    Systemauswahl m_auswahl;
    QVector<int> m_listenSysteme;
    bool m_gezeigt = false;
    bool m_reihenFest = false;

    NavigationsLeiste* m_navigation = nullptr;
    QSlider* Slider1 = nullptr;
    QSlider* Slider3 = nullptr;
    QSlider* Slider4 = nullptr;
    QSlider* Slider5 = nullptr;
    QLabel* LSlider1 = nullptr;
    QLabel* LSlider3 = nullptr;
    QLabel* LSlider4 = nullptr;
    QLabel* LSlider5 = nullptr;
    QCheckBox* cb1 = nullptr;
    QCheckBox* cb3 = nullptr;
    QCheckBox* cb4 = nullptr;
    QCheckBox* cb5 = nullptr;
    QCheckBox* cbNur = nullptr;
    QRadioButton* Radio3[2] = {};
    QRadioButton* Radio5[2] = {};
    QToolButton* BInfo3 = nullptr;
    QToolButton* BInfo4 = nullptr;
    QLabel* LHinweis4 = nullptr;
    QLabel* LSysAnz = nullptr;
    QListWidget* l1 = nullptr;
    QLabel* Img1 = nullptr;
    QLabel* LSysBeschreibung = nullptr;

    QTabWidget* PC1 = nullptr;
    QLabel* PWZ = nullptr;
    QLabel* PBZ2 = nullptr;
    QLabel* PWZ2 = nullptr;
    QLabel* PBZ3 = nullptr;
    Zahlenpad* m_zahlen = nullptr;
    ZahlKachelFeld* P1 = nullptr;
    TippreihenGitter* G1 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* LDatei = nullptr;
    QLineEdit* ESZ = nullptr;
    QPushButton* BCSV = nullptr;
    QPushButton* m_excel = nullptr;
    SystemtestSeite* m_test = nullptr;
};

} // namespace kb
