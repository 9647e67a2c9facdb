#include "quota_file.h"

#include "core/record_file.h"

namespace kb {

const QStringList QuotenKlassenTexte = {
    QString(),
    QStringLiteral("6 Richtige + SZ"),
    QStringLiteral("   6 Richtige"),
    QStringLiteral("  5 Ri. + SZ"),
    QStringLiteral("5 Richtige"),
    QStringLiteral("4 Ri. + SZ"),
    QStringLiteral("   4 Ri."),
    QStringLiteral("3 Ri. + SZ"),
    QStringLiteral(" 3 Ri."),
    QStringLiteral("2 + SZ"),
};

namespace {
constexpr Geld euro(std::int64_t cent) {
    return cent * 100;
}
} // namespace

// 44097 = 23.09.2020, 40429 = 08.09.2010.
const std::array<StandardquotenZeile, 3> Standardquoten = {{
    {44097,
     {0, euro(1258543440), euro(100350930), euro(1213540), euro(401920), euro(19110), euro(5030), euro(2120),
      euro(1110), euro(600)}},
    {40429,
     {0, euro(894964220), euro(57459650), euro(1002200), euro(334060), euro(19080), euro(4240), euro(2090),
      euro(1040), euro(500)}},
    {-1.0e9, {0, euro(141460438), euro(7019403), euro(143555), euro(4797), euro(447), 0, 0, 0, 0}},
}};

const StandardquotenZeile& StandardquotenFuer(TDate datum) {
    for (const StandardquotenZeile& z : Standardquoten)
        if (datum >= z.ab)
            return z;
    return Standardquoten.back();
}

Result<QuotenDatei> QuotenDateiLesen(const QString& pfad) {
    Result<DateiInhalt> inhalt = DateiLesen(pfad);
    if (!inhalt)
        return Fehler{inhalt.fehler()};
    return QuotenDatei{inhalt->vorhanden, RecordsAusBytes<TQuoten>(inhalt->daten)};
}

Status QuotenListeLaden(const QString& pfad, QVector<TQuoten>& liste) {
    Result<QuotenDatei> datei = QuotenDateiLesen(pfad);
    if (!datei)
        return Fehler{datei.fehler()};
    if (datei->vorhanden)
        liste = std::move(datei.wert().quoten);
    return {};
}

Status QuotenDateiSchreiben(const QString& pfad, const QVector<TQuoten>& quoten) {
    return DateiSchreibenAtomar(pfad, RecordsZuBytes<TQuoten>(quoten));
}

} // namespace kb
