#include "data_set.h"

#include <QDir>
#include <QFile>

namespace kb {

const QStringList DatensatzStartDateien = {QStringLiteral("Quo.649"), QStringLiteral("Demo-Normalschein.nkb"),
                                           QStringLiteral("Demo-Systemschein.skb")};

Status DatensatzUebernehmen(const QString& datensatzPfad, const QString& datenPfad) {
    for (const QString& name : DatensatzStartDateien) {
        const QString ziel = datenPfad + name;
        if (QFile::exists(ziel))
            continue;
        QFile quelle(datensatzPfad + name);
        if (!quelle.copy(ziel))
            return Fehler{QStringLiteral("Die Datei \"%1\" kann nicht nach \"%2\" kopiert werden.\r\r%3")
                              .arg(QDir::toNativeSeparators(quelle.fileName()),
                                   QDir::toNativeSeparators(datenPfad), quelle.errorString())};
    }
    return {};
}

} // namespace kb
