#pragma once

#include "core/result.h"
#include "platform/network.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>

namespace kb {

// Fetches a file twice: the first copy goes to the temporary file and must be at least
// 4 bytes long; only then is the file fetched again and, if the check accepts it, written
// to the destination through a temporary file. A destination is never left half-written.
class DateiDownload final : public QObject {
    Q_OBJECT
public:
    enum class Ergebnis {
        Geschrieben, // the destination holds the new file
        Gescheitert, // no answer, too short, or refused by the check; destination untouched
        Dateifehler, // the temporary file or the destination could not be written
    };
    using Pruefung = std::function<Status(const QByteArray&)>;
    static constexpr qint64 MindestGroesse = 4;
    static constexpr qint64 Stueck = 1024;

    // The whole answer is held in memory; anything larger ends the download at once.
    static constexpr qint64 StandardHoechstGroesse = qint64(256) << 20;

    explicit DateiDownload(Network& netz, QObject* eltern = nullptr);
    ~DateiDownload() override;

    // fertig() follows exactly once, from the event loop.
    void starten(const QUrl& url, const QString& ziel, const QString& tempDatei, Pruefung pruefung = {});
    // Stops a running download without a fertig() signal; the destination stays untouched.
    void abbrechen();
    bool laeuft() const { return !m_abruf.isNull(); }
    void hoechstGroesseSetzen(qint64 bytes) { m_hoechstGroesse = bytes; }

Q_SIGNALS:
    void fortschritt(qint64 empfangen, qint64 gesamt);
    void fertig(kb::DateiDownload::Ergebnis ergebnis, const QString& meldung);

private:
    void holen(void (DateiDownload::*weiter)());
    void ersterAbrufFertig();
    void zweiterAbrufFertig();
    void beenden(Ergebnis ergebnis, const QString& meldung);

    Network& m_netz;
    QUrl m_url;
    QString m_ziel;
    QString m_temp;
    Pruefung m_pruefung;
    QPointer<Abruf> m_abruf;
    QByteArray m_daten;
    qint64 m_hoechstGroesse = StandardHoechstGroesse;
};

} // namespace kb
