#pragma once

#include "platform/services.h"
#include "random_generator.h"

#include <QWidget>

#include <array>
#include <atomic>
#include <memory>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
template <class T> class QFutureWatcher;

namespace kb {

class Fensterverwaltung;
class NavigationsLeiste;
class TippreihenGitter;
class ZahlKachelFeld;
class Zahlenpad;

// Random tips: the user asks for a number of rows, steers the draw with Bankzahlen,
// Quotenkiller and Favoriten, and saves the rows as a ticket file, CSV or workbook.
// The draw runs on a worker thread; closing the window stops it.
class TFZufall final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientHoehe = 451;
    static constexpr int HilfeKontext = 1060;
    static const QColor BankKachel;   // value tile of a Bankzahl
    static const QColor BankZelle;    // table cell of a Bankzahl
    static const QColor FavoritFarbe; // tile and cell of a Favorit

    TFZufall(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern = nullptr);
    ~TFZufall() override;

    const ZufallsAuswahl& auswahl() const { return m_auswahl; }
    const std::array<int, MaxZahl>& NrCount() const { return m_NrCount; }
    bool laeuft() const { return m_waechter != nullptr; }

Q_SIGNALS:
    // A run has ended: ok when it produced rows (false when stopped).
    void laufFertig(bool ok);
    // A save, CSV or spreadsheet output has finished (ok: it worked).
    void hintergrundFertig(bool ok);

public Q_SLOTS:
    void BLotUrClick(int tag);
    void BLotAuswerten(int tag);
    void bsSkinSpeedButton5Click(); // clear Bankzahlen
    void bsSkinSpeedButton7Click(); // clear Quotenkiller
    void bsSkinSpeedButton8Click(); // clear Favoriten
    void bsSkinSpeedButton1Click(); // "Viel Glück!"
    void BStoppClick();
    void BSaveClick();
    void bsSkinSpeedButton3Click(); // CSV
    void bsSkinSpeedButton4Click(); // spreadsheet export
    void BAufClick();
    void BCloseClick();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    struct Laufdaten;

    void FormCreate();
    QWidget* linkeSpalteAnlegen();
    QWidget* tabellenSpalteAnlegen();
    QWidget* verteilungsSpalteAnlegen();
    QLineEdit* zifferFeld(const QString& name, int laenge);
    void gruppeLeeren(ZufallsGruppe g);
    void padsAbgleichen();
    void kachelnAktualisieren();
    void laufBeendet();
    void laufAnzeigen(bool aktiv);
    bool tabelleLeer() const;
    void FormShow();
    void FormCloseQuery();
    void stoppen();

    Dienste& m_dienste;
    Fensterverwaltung& m_router;
    ZufallsAuswahl m_auswahl;
    std::array<int, MaxZahl> m_NrCount{};
    bool m_gelaufen = false; // a run has filled NrCount since the window opened
    bool m_sortiert = false;
    bool m_einstellungenGelesen = false;

    std::shared_ptr<std::atomic<bool>> m_stop;
    std::shared_ptr<std::atomic<int>> m_fortschritt;
    QFutureWatcher<std::shared_ptr<Laufdaten>>* m_waechter = nullptr;
    int m_laufAnzahl = 0;
    QTimer* m_fortschrittsTakt = nullptr;

    NavigationsLeiste* m_navigation = nullptr;
    QLineEdit* EAnz = nullptr;
    std::array<Zahlenpad*, 3> m_pads{};
    std::array<QPushButton*, 3> m_leeren{};
    QPushButton* m_vielGlueck = nullptr;
    QPushButton* BStopp = nullptr;
    QProgressBar* PFortschritt = nullptr;
    TippreihenGitter* GZuf = nullptr;
    QLabel* LReihen = nullptr;
    QLineEdit* ESZ = nullptr;
    QLabel* LDatei = nullptr;
    QPushButton* BSave = nullptr;
    QPushButton* m_csv = nullptr;
    QPushButton* m_excel = nullptr;
    ZahlKachelFeld* PVert = nullptr;
    QPushButton* BAuf = nullptr;
    QPushButton* BSchliessen = nullptr;
};

} // namespace kb
