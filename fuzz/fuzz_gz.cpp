// The draw history "GZ.649": read as the program reads it at start and after a download,
// then prepared the way the main window, the statistics and an evaluation use it.
#include "fuzz_support.h"

#include "core/date.h"
#include "core/draw_history.h"
#include "evaluation/draw_management.h"
#include "evaluation/draw_table_model.h"
#include "evaluation/period_evaluation.h"
#include "evaluation/prize_classes.h"
#include "statistics/number_statistics.h"

using namespace kb;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    (void)GZInhaltPruefen(bytes);
    const Result<QVector<TGewZahlen>> gelesen = GZDateiLesen(fuzz::AlsDatei(bytes, GZDateiName));
    if (!gelesen)
        return 0;
    const QVector<TGewZahlen>& gz = *gelesen;
    const QLocale& de = fuzz::Deutsch();

    GewinnzahlenModell modell;
    modell.setZiehungen(gz, de);
    for (int z = 0; z < modell.rowCount(); ++z)
        for (int s = 0; s < modell.columnCount(); ++s)
            (void)modell.data(modell.QAbstractTableModel::index(z, s));
    (void)ZiehungsanzahlText(gz.size(), de);
    (void)NaechsteZiehungVorschlagen(gz, QDate(2024, 3, 30));
    for (const TGewZahlen& z : gz) {
        (void)PadAusZiehung(z);
        (void)Wochentag(z.datum);
    }

    ZahlenStatistik st;
    StatistikStart(st, gz);
    const int n = static_cast<int>(gz.size());
    for (int k = 0; k < KategorieAnzahl; ++k) {
        const int letzte = static_cast<int>(st.ziehungen[k].size()) - 1;
        (void)TeilStatistik(st, 0, letzte, k);
        (void)NachAnzahlOrdnen(Ausgeblieben(st, 0, letzte, k).luecke);
    }

    const QVector<TQuoten> keineQuoten;
    const QuotenSuche quoten(keineQuoten);
    AuswertungsSchein schein;
    schein.SZ = 3;
    schein.felder.append({QString(), {ReihenMaske({1, 2, 3, 4, 5, 6}), ReihenMaske({7, 13, 22, 30, 41, 49})}});
    for (int tage = 0; tage <= 2; ++tage) {
        const ZiehungsWahl wahl{tage, true, 0, n - 1};
        const auto gewaehlt = ZiehungenWaehlen(gz, wahl, de);
        if (gewaehlt)
            (void)Auswerten(schein, *gewaehlt, quoten);
    }
    return 0;
}
