#pragma once

#include "file_download.h"
#include "platform/services.h"

#include <QObject>
#include <QUrl>

namespace kb {

// Replaces the draw history by the server's copy: GZ.649 is moved aside as GZ.649.bak,
// the file is fetched, and on failure the backup is put back. Afterwards the history is
// read again into GewZahlen, which recomputes the statistics and refreshes the windows.
class GZDownload final : public QObject {
    Q_OBJECT
public:
    enum class Ergebnis {
        KeinInternet,
        Erfolgreich,
        Gescheitert, // the server did not deliver a plausible draw history
        Dateifehler, // writing or reading a local file failed; meldung says which
    };

    GZDownload(Dienste& dienste, QObject* eltern = nullptr);
    // A running download is stopped and the backup put back.
    ~GZDownload() override;

    // fertig() follows exactly once, from the event loop.
    void starten(const QUrl& basis);
    bool laeuft() const { return m_laeuft; }

Q_SIGNALS:
    void fortschritt(qint64 empfangen, qint64 gesamt);
    // neuGeladen: GewZahlen was read again from GZ.649 (the new one or the restored old one).
    void fertig(kb::GZDownload::Ergebnis ergebnis, const QString& meldung, bool neuGeladen);

private:
    void downloadFertig(DateiDownload::Ergebnis ergebnis, const QString& meldung);
    void melden(Ergebnis ergebnis, const QString& meldung, bool neuGeladen);

    Dienste& m_dienste;
    DateiDownload m_download;
    QString m_datenPfad;
    bool m_laeuft = false;
};

} // namespace kb
