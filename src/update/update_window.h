#pragma once

#include "draw_download.h"
#include "platform/services.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kb {

// The update window: how far the local draw history reaches, how far it should reach,
// and the download of the server's copy. Created on demand, destroyed when closed.
class TFUpdate final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientHoehe = 289;
    static constexpr int ClientBreite = 780;
    static constexpr int HilfeKontext = 1130;

    inline static const QString TextErfolg = QStringLiteral("Der Download war erfolgreich.");
    inline static const QString TextGescheitert =
        QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.");
    inline static const QString TextKeinInternet =
        QStringLiteral("Für den Download der Installations-Datei muss eine Verbindung zum Internet "
                       "bestehen.\r\rIch breche ab.");

    inline static const QString TextKeinInternetPruefen =
        QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen.");
    inline static const QString TextPruefungGescheitert =
        QStringLiteral("Die Aktualisierung hat leider nicht geklappt.\r");

    explicit TFUpdate(Dienste& dienste, QWidget* eltern = nullptr);

    bool downloadLaeuft() const { return m_download->laeuft(); }
    bool programmDownloadLaeuft() const { return m_programmDownload->laeuft(); }

public Q_SLOTS:
    void BupdateClick();
    void BCalcClick();
    void BDownClick();
    void BSetupClick();

Q_SIGNALS:
    // A download started here has ended and its outcome was shown.
    void downloadBeendet(bool neuGeladen);
    // The version check or the installer download has ended and its outcome was shown.
    void programmDownloadBeendet();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormShow();
    void standZeigen();
    void GZDownloadStarten();
    void downloadFertig(GZDownload::Ergebnis ergebnis, const QString& meldung, bool neuGeladen);

    enum class ProgrammLauf { Keiner, Version, Installer };
    QWidget* programmSeite();
    QUrl downloadBasis() const;
    bool onlineFuer(const QUrl& basis) const;
    void programmDownloadStarten(ProgrammLauf lauf, const QUrl& url, const QString& ziel,
                                 DateiDownload::Pruefung pruefung);
    void programmDownloadFertig(DateiDownload::Ergebnis ergebnis, const QString& meldung);
    void versionGeprueft(DateiDownload::Ergebnis ergebnis);
    void installerGeladen(DateiDownload::Ergebnis ergebnis, const QString& meldung);
    Status uebergeben(const QString& programmDatei);
    // One download at a time: they share the temporary file.
    bool beschaeftigt() const { return m_download->laeuft() || m_programmDownload->laeuft(); }
    void knoepfeSetzen();

    Dienste& m_dienste;
    GZDownload* m_download = nullptr;
    QLabel* LStandSo = nullptr;
    QLabel* LStandMi = nullptr;
    QLabel* LAktuellSo = nullptr;
    QLabel* LAktuellMi = nullptr;
    QPushButton* Bupdate = nullptr;
    QProgressBar* m_fortschritt = nullptr;
    QPushButton* BSchliessen = nullptr;

    DateiDownload* m_programmDownload = nullptr;
    ProgrammLauf m_programmLauf = ProgrammLauf::Keiner;
    // What the last check, download and history comparison allow; a new window allows nothing.
    bool m_gewinnzahlenFrei = false;
    bool m_downloadFrei = false;
    bool m_installationFrei = false;
    QPushButton* BCalc = nullptr;
    QPushButton* BDown = nullptr;
    QPushButton* BSetup = nullptr;
    QLabel* PiVersion = nullptr;
    QLabel* PvVersion = nullptr;
    QProgressBar* m_programmFortschritt = nullptr;
};

} // namespace kb
