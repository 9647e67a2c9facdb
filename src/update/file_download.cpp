#include "file_download.h"

#include "core/file_errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

namespace kb {

namespace {

// Copies in chunks of 1024 bytes; false on the first failed write.
bool inStueckenSchreiben(QFileDevice& datei, const QByteArray& daten) {
    for (qsizetype pos = 0; pos < daten.size(); pos += DateiDownload::Stueck) {
        const qsizetype n = std::min<qsizetype>(DateiDownload::Stueck, daten.size() - pos);
        if (datei.write(daten.constData() + pos, n) != n)
            return false;
    }
    return datei.flush();
}

QString schreibFehler(const QString& pfad, const QString& grund) {
    return QStringLiteral("Die Datei \"%1\" kann nicht gespeichert werden.\r\r%2")
        .arg(QDir::toNativeSeparators(pfad), grund);
}

} // namespace

DateiDownload::DateiDownload(Network& netz, QObject* eltern) : QObject(eltern), m_netz(netz) {}

DateiDownload::~DateiDownload() {
    abbrechen();
}

void DateiDownload::starten(const QUrl& url, const QString& ziel, const QString& tempDatei,
                            Pruefung pruefung) {
    abbrechen();
    m_url = url;
    m_ziel = ziel;
    m_temp = tempDatei;
    m_pruefung = std::move(pruefung);
    if (QFile::exists(m_temp) && !QFile::remove(m_temp)) {
        const QString meldung =
            schreibFehler(m_temp, QStringLiteral("Die alte temporäre Datei lässt sich nicht löschen."));
        QTimer::singleShot(0, this, [this, meldung] { beenden(Ergebnis::Dateifehler, meldung); });
        return;
    }
    holen(&DateiDownload::ersterAbrufFertig);
}

void DateiDownload::holen(void (DateiDownload::*weiter)()) {
    m_abruf = m_netz.holen(m_url);
    connect(m_abruf, &Abruf::fortschritt, this, [this](qint64 empfangen, qint64 gesamt) {
        // Announced or received: a body this large is no file of ours, and memory is finite.
        if (empfangen > m_hoechstGroesse || gesamt > m_hoechstGroesse) {
            abbrechen();
            const QString text = QStringLiteral("Die Antwort des Servers ist größer als %1 MB.");
            beenden(Ergebnis::Gescheitert, text.arg(m_hoechstGroesse >> 20));
            return;
        }
        Q_EMIT fortschritt(empfangen, gesamt);
    });
    connect(m_abruf, &Abruf::fertig, this, [this, weiter] {
        m_daten = m_abruf->ok() ? m_abruf->daten() : QByteArray();
        const QString fehler = m_abruf->fehler();
        const bool ok = m_abruf->ok();
        m_abruf = nullptr; // deletes itself
        if (!ok) {
            beenden(Ergebnis::Gescheitert, fehler);
            return;
        }
        (this->*weiter)();
    });
}

void DateiDownload::ersterAbrufFertig() {
    QFile temp(m_temp);
    if (!temp.open(QIODevice::WriteOnly) || !inStueckenSchreiben(temp, m_daten)) {
        beenden(Ergebnis::Dateifehler, SpeicherFehlerText(m_temp, temp.errorString()));
        return;
    }
    temp.close();
    if (QFileInfo(m_temp).size() < MindestGroesse) {
        beenden(Ergebnis::Gescheitert, QStringLiteral("Die Antwort des Servers ist zu kurz."));
        return;
    }
    holen(&DateiDownload::zweiterAbrufFertig);
}

void DateiDownload::zweiterAbrufFertig() {
    if (m_daten.size() < MindestGroesse) {
        beenden(Ergebnis::Gescheitert, QStringLiteral("Die Antwort des Servers ist zu kurz."));
        return;
    }
    if (m_pruefung) {
        if (const Status s = m_pruefung(m_daten); !s) {
            beenden(Ergebnis::Gescheitert, s.fehler());
            return;
        }
    }
    QSaveFile ziel(m_ziel);
    if (!ziel.open(QIODevice::WriteOnly) || !inStueckenSchreiben(ziel, m_daten) || !ziel.commit()) {
        const QString grund = ziel.errorString();
        ziel.cancelWriting();
        beenden(Ergebnis::Dateifehler, SpeicherFehlerText(m_ziel, grund));
        return;
    }
    beenden(Ergebnis::Geschrieben, {});
}

void DateiDownload::beenden(Ergebnis ergebnis, const QString& meldung) {
    m_daten.clear();
    QFile::remove(m_temp);
    Q_EMIT fertig(ergebnis, meldung);
}

void DateiDownload::abbrechen() {
    if (Abruf* a = m_abruf.data()) {
        m_abruf = nullptr;
        a->disconnect(this);
        a->abbrechen();
    }
}

} // namespace kb
