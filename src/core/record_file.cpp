#include "record_file.h"

#include "file_errors.h"

#include <QDir>

#include <cerrno>

namespace kb {

Result<DateiInhalt> DateiLesen(const QString& pfad) {
    QFile f(pfad);
    if (!f.exists())
        return DateiInhalt{};
    if (!f.open(QIODevice::ReadOnly))
        return Fehler{LeseFehlerText(pfad, f.errorString())};
    DateiInhalt inhalt{true, f.readAll()};
    if (f.error() != QFileDevice::NoError)
        return Fehler{LeseFehlerText(pfad, f.errorString())};
    return inhalt;
}

Result<QByteArray> VorhandeneDateiLesen(const QString& pfad) {
    auto inhalt = DateiLesen(pfad);
    if (!inhalt.ok())
        return Fehler{inhalt.fehler()};
    if (!inhalt->vorhanden)
        return Fehler{
            QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(QDir::toNativeSeparators(pfad))};
    return std::move(inhalt).wert().daten;
}

Status DateiSchreibenAtomar(const QString& pfad, const QByteArray& daten) {
    QSaveFile f(pfad);
    const auto fehler = [&](int fehlerNummer = 0) {
        return Fehler{SpeicherFehlerText(pfad, f.errorString(), fehlerNummer)};
    };
    if (!f.open(QIODevice::WriteOnly))
        return fehler();
    // QSaveFile buffers; a failed flush (disk full) is not remembered by commit(), so check it here.
    // After a short write Qt keeps no reason; errno still holds it.
    errno = 0;
    if (f.write(daten) != daten.size() || !f.flush()) {
        const Fehler e = fehler(errno);
        f.cancelWriting();
        return e;
    }
    if (!f.commit())
        return fehler();
    return {};
}

} // namespace kb
