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
    static constexpr int ClientBreite = 440;
    static constexpr int HilfeKontext = 1130;

    inline static const QString TextErfolg = QStringLiteral("Der Download war erfolgreich.");
    inline static const QString TextGescheitert =
        QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.");
    inline static const QString TextKeinInternet =
        QStringLiteral("Für den Download der Installations-Datei muss eine Verbindung zum Internet "
                       "bestehen.\r\rIch breche ab.");

    explicit TFUpdate(Dienste& dienste, QWidget* eltern = nullptr);

    bool downloadLaeuft() const { return m_download->laeuft(); }

public Q_SLOTS:
    void BupdateClick();

Q_SIGNALS:
    // A download started here has ended and its outcome was shown.
    void downloadBeendet(bool neuGeladen);

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormShow();
    void standZeigen();
    void GZDownloadStarten();
    void downloadFertig(GZDownload::Ergebnis ergebnis, const QString& meldung, bool neuGeladen);

    Dienste& m_dienste;
    GZDownload* m_download = nullptr;
    QLabel* LStandSo = nullptr;
    QLabel* LStandMi = nullptr;
    QLabel* LAktuellSo = nullptr;
    QLabel* LAktuellMi = nullptr;
    QPushButton* Bupdate = nullptr;
    QProgressBar* m_fortschritt = nullptr;
    QPushButton* BSchliessen = nullptr;
};

} // namespace kb
