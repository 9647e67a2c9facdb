#include "draw_history.h"

#include "date.h"
#include "record_file.h"

#include <cmath>

namespace kb {

Result<QVector<TGewZahlen>> GZDateiLesen(const QString& pfad) {
    Result<DateiInhalt> inhalt = DateiLesen(pfad);
    if (!inhalt)
        return Fehler{inhalt.fehler()};
    return RecordsAusBytes<TGewZahlen>(inhalt->daten);
}

Status GZDateiSchreiben(const QString& pfad, const QVector<TGewZahlen>& gewZahlen) {
    return DateiSchreibenAtomar(pfad, RecordsZuBytes<TGewZahlen>(gewZahlen));
}

Status GZInhaltPruefen(const QByteArray& daten) {
    const auto falsch = [](const QString& grund) {
        return Fehler{QStringLiteral("Die geladene Datei ist keine Gewinnzahlen-Datei (%1).").arg(grund)};
    };
    if (daten.isEmpty())
        return falsch(QStringLiteral("sie ist leer"));
    if (daten.size() % TGewZahlen::Groesse != 0)
        return falsch(QStringLiteral("ihre Größe ist kein Vielfaches von 16 Bytes"));
    static const TDate frueheste = ausQDate(QDate(1950, 1, 1));
    static const TDate spaeteste = ausQDate(QDate(2199, 12, 31));
    const QVector<TGewZahlen> ziehungen = RecordsAusBytes<TGewZahlen>(daten);
    for (qsizetype i = 0; i < ziehungen.size(); ++i) {
        const TGewZahlen& z = ziehungen[i];
        if (!std::isfinite(z.datum) || z.datum != std::floor(z.datum) || z.datum < frueheste ||
            z.datum > spaeteste)
            return falsch(QStringLiteral("Ziehung %1 hat kein gültiges Datum").arg(i + 1));
        for (const std::uint8_t n : z.GZ)
            if (n < 1 || n > MaxZahl)
                return falsch(QStringLiteral("Ziehung %1 hat eine Zahl außerhalb von 1 bis 49").arg(i + 1));
    }
    return {};
}

} // namespace kb
