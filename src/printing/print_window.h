#pragma once

#include "print_run.h"
#include "slip_geometry.h"

#include "platform/services.h"

#include <QWidget>

#include <array>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace kb {

class TFDetail;
class TFfrDruck;
class TippreihenGitter;

// Prints tip rows onto paper slips: the slip geometry on the left, the row list and the print
// run on the right. Closing hides it; its detail window lives as long as it does.
class TFDruck final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 1005;
    static constexpr int ClientHoehe = 674;
    static constexpr int HilfeKontext = 1140;
    static constexpr int HilfeFormat = 1150;
    static constexpr int HilfeOptionen = 1160;
    static constexpr int HilfeReihen = 1180;
    inline static const QString DruckTitel = QStringLiteral("Tippschein-Druck");

    explicit TFDruck(Dienste& dienste, QWidget* eltern = nullptr);
    ~TFDruck() override;

    Scheingeometrie& geometrie() { return m_geometrie; }
    TFDetail* detail() const { return m_detail; }
    TippreihenGitter* reihen() const { return GReihen; }
    bool druckLaeuft() const { return m_lauf.has_value(); }

    bool FormatEinlesen(const QString& pfad);

public Q_SLOTS:
    void BOpenClick();
    void BsaveClick();
    void BDetailZeigenClick();
    void BAutoFillClick();
    void BUndoClick();
    void BDelClick();
    void BExtrahierenClick();
    void BOpen2Click();
    void BSortClick();
    void BAusdruckClick();
    void BStopClick();
    void NeuBerechnen();

Q_SIGNALS:
    void druckBeendet();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QWidget* geometrieSpalte();
    QWidget* feldSpalte();
    QWidget* zusatzSpalte();
    QWidget* reihenSpalte();
    QLineEdit* zahlFeld(const QString& name, int breite, bool minus = false, bool tab = true, int laenge = 5);
    int anordnung() const;
    void streifenAnpassen();
    FormatFelder formatFelder() const;
    void formatFelderZeigen(const FormatFelder& f);
    void formatdateiMerken(const QString& pfad, bool immer);
    void einstellungenLesen();
    void einstellungenSchreiben();
    // The number of slips without messages, for typing in progress.
    void anzahlStill();

    void scheinDrucken();
    void nachSchein();
    void druckEnde();

    Dienste& m_dienste;
    Scheingeometrie m_geometrie;
    TFDetail* m_detail = nullptr;

    QLabel* LDatei = nullptr;
    QLineEdit* eAbstandh = nullptr;
    QLineEdit* eAbstandv = nullptr;
    QButtonGroup* RG1 = nullptr;
    QScrollArea* m_streifen = nullptr;
    QWidget* m_felderFlaeche = nullptr;
    std::array<TFfrDruck*, MaxTippfelder> m_felder{};
    QPushButton* BAutoFill = nullptr;
    QPushButton* BUndo = nullptr;
    QPushButton* BDel = nullptr;
    QPushButton* BExtrahieren = nullptr;
    std::array<QCheckBox*, 6> cbZus{};
    std::array<QLineEdit*, ZusatzKoordinaten> EZus{};
    QCheckBox* cbNr = nullptr;
    QLineEdit* ENr = nullptr;
    QLineEdit* ENrx = nullptr;
    QLineEdit* ENry = nullptr;
    QLineEdit* Ehori = nullptr;
    QLineEdit* Evert = nullptr;

    QLabel* LDatei2 = nullptr;
    TippreihenGitter* GReihen = nullptr;
    QLineEdit* EStart = nullptr;
    QLineEdit* EEnde = nullptr;
    QLabel* LAnzTs = nullptr;
    QPushButton* BAusdruck = nullptr;
    QPushButton* BStop = nullptr;
    QCheckBox* cbFragen = nullptr;

    std::optional<Druckablauf> m_lauf;
    bool m_stop = false;
};

} // namespace kb
