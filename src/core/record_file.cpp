#include "record_file.h"

#include <QDir>

namespace kb {

Result<DateiInhalt> DateiLesen(const QString& pfad) {
    QFile f(pfad);
    if (!f.exists())
        return DateiInhalt{};
    if (!f.open(QIODevice::ReadOnly))
        return Fehler{QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\r\r%2")
                          .arg(QDir::toNativeSeparators(pfad), f.errorString())};
    DateiInhalt inhalt{true, f.readAll()};
    if (f.error() != QFileDevice::NoError)
        return Fehler{QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\r\r%2")
                          .arg(QDir::toNativeSeparators(pfad), f.errorString())};
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
    const auto fehler = [&] {
        return Fehler{QStringLiteral("Die Datei \"%1\" kann nicht gespeichert werden.\r\r%2")
                          .arg(QDir::toNativeSeparators(pfad), f.errorString())};
    };
    if (!f.open(QIODevice::WriteOnly))
        return fehler();
    // QSaveFile buffers; a failed flush (disk full) is not remembered by commit(), so check it here.
    if (f.write(daten) != daten.size() || !f.flush()) {
        const Fehler e = fehler();
        f.cancelWriting();
        return e;
    }
    if (!f.commit())
        return fehler();
    return {};
}

} // namespace kb
