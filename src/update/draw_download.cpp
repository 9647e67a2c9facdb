#include "draw_download.h"

#include "core/draw_history.h"
#include "core/program_state.h"
#include "draw_update.h"
#include "statistics/draw_changes.h"

#include <QFile>
#include <QTimer>

namespace kb {

GZDownload::GZDownload(Dienste& dienste, QObject* eltern)
    : QObject(eltern), m_dienste(dienste), m_download(*dienste.netz) {
    connect(&m_download, &DateiDownload::fortschritt, this, &GZDownload::fortschritt);
    connect(&m_download, &DateiDownload::fertig, this, &GZDownload::downloadFertig);
    // A million draws; the real history is a few ten thousand bytes.
    m_download.hoechstGroesseSetzen(qint64(16) << 20);
}

GZDownload::~GZDownload() {
    if (m_laeuft && m_download.laeuft()) {
        m_download.abbrechen();
        GZSicherungZurueck(m_datenPfad);
    }
}

void GZDownload::starten(const QUrl& basis) {
    if (m_laeuft)
        return;
    m_laeuft = true;
    m_datenPfad = zustand().DatenPfad;
    // The bundled folder needs no connection; everything else does.
    if (!basis.isLocalFile() && !m_dienste.netz->online()) {
        QTimer::singleShot(0, this, [this] { melden(Ergebnis::KeinInternet, {}, false); });
        return;
    }
    GZSicherungAnlegen(m_datenPfad);
    m_download.starten(GZDownloadAdresse(basis), m_datenPfad + GZDateiName, zustand().TempDatei,
                       GZInhaltPruefen);
}

void GZDownload::downloadFertig(DateiDownload::Ergebnis ergebnis, const QString& meldung) {
    Ergebnis e = Ergebnis::Erfolgreich;
    QString text = meldung;
    if (ergebnis != DateiDownload::Ergebnis::Geschrieben) {
        GZSicherungZurueck(m_datenPfad);
        e = ergebnis == DateiDownload::Ergebnis::Dateifehler ? Ergebnis::Dateifehler : Ergebnis::Gescheitert;
    }
    bool neuGeladen = false;
    if (QFile::exists(m_datenPfad + GZDateiName)) {
        if (const Status s = GewZahlenNeuLaden(m_datenPfad + GZDateiName); s) {
            neuGeladen = true;
        } else {
            e = Ergebnis::Dateifehler;
            text = s.fehler();
        }
    }
    melden(e, text, neuGeladen);
}

void GZDownload::melden(Ergebnis ergebnis, const QString& meldung, bool neuGeladen) {
    m_laeuft = false;
    Q_EMIT fertig(ergebnis, meldung, neuGeladen);
}

} // namespace kb
