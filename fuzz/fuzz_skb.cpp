// System ticket files ".skb": opened on the evaluation tabs and in the system slip entry.
#include "fuzz_support.h"

#include "core/ticket_file.h"
#include "entry/system_slip.h"
#include "evaluation/period_evaluation.h"
#include "evaluation/prize_classes.h"
#include "evaluation/ticket_rows.h"

using namespace kb;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<SystemScheinDatei> schein =
        SystemscheinLesen(fuzz::AlsDatei(fuzz::Bytes(data, size), QStringLiteral("Schein.skb")));
    if (!schein)
        return 0;

    // The evaluation tab shows at most the slip's six fields.
    QVector<FeldAnsicht> felder;
    for (qsizetype i = 0; i < schein->felder.size() && i < SystemScheinDatei::MaxFelder; ++i)
        felder.append(FeldAufloesen(schein->felder[i]));
    TGewZahlen z;
    z.datum = 45381;
    z.GZ = {3, 11, 19, 27, 35, 43};
    z.SZ = static_cast<std::uint8_t>(schein->SZ >= 0 ? schein->SZ : 0);
    const QVector<TQuoten> keineQuoten;
    (void)Auswerten(SystemscheinAlsAuswertung(schein->SZ, felder), {ZiehungVorbereiten(z, fuzz::Deutsch())},
                    QuotenSuche(keineQuoten));

    Systemschein slip;
    (void)slip.Einlesen(schein->felder);
    for (int feld = 1; feld <= ScheinFelder; ++feld)
        (void)slip.AnzeigeKontrollieren(feld);
    (void)slip.KorrekteFelder();
    (void)slip.SpeicherFelder();
    return 0;
}
