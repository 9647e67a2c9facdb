// Normal ticket files ".nkb": opened on the evaluation tabs, in the entry window's import
// table and by the print window.
#include "fuzz_support.h"

#include "core/ticket_file.h"
#include "entry/ticket_entry.h"
#include "evaluation/period_evaluation.h"
#include "evaluation/prize_classes.h"
#include "evaluation/ticket_rows.h"

using namespace kb;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<NormalScheinDatei> schein =
        NormalscheinLesen(fuzz::AlsDatei(fuzz::Bytes(data, size), QStringLiteral("Schein.nkb")));
    if (!schein)
        return 0;

    const TippreihenDaten tabelle = ScheinAlsTabelle(*schein);
    (void)ScheinReihen(tabelle);
    (void)TabelleAlsZeilen(tabelle);

    TGewZahlen z;
    z.datum = 45381; // 30.03.2024
    z.GZ = {3, 11, 19, 27, 35, 43};
    z.SZ = static_cast<std::uint8_t>(schein->SZ >= 0 ? schein->SZ : 0);
    const QVector<TQuoten> keineQuoten;
    (void)Auswerten(NormalscheinAlsAuswertung(*schein), {ZiehungVorbereiten(z, fuzz::Deutsch())},
                    QuotenSuche(keineQuoten));
    return 0;
}
