// The quota file "Quo.649": loaded at start, shown in the quota editor, and looked up by
// every evaluation.
#include "fuzz_support.h"

#include "evaluation/period_evaluation.h"
#include "evaluation/prize_classes.h"
#include "quotas/quota_file.h"
#include "quotas/quota_table.h"

using namespace kb;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString pfad = fuzz::AlsDatei(fuzz::Bytes(data, size), QuoDateiName);
    QVector<TQuoten> liste;
    if (!QuotenListeLaden(pfad, liste))
        return 0;
    const Result<QuotenDatei> datei = QuotenDateiLesen(pfad);
    if (!datei)
        return 0;

    QuotenTabelle tabelle(fuzz::Deutsch());
    tabelle.setzeQuoten(datei->quoten);
    for (int z = 0; z < tabelle.rowCount(); ++z)
        for (int s = 0; s < tabelle.columnCount(); ++s)
            (void)tabelle.data(tabelle.index(z, s));
    (void)tabelle.datumsTexte();
    (void)tabelle.alsQuoten();
    if (!liste.isEmpty())
        (void)FehlendeZiehungen(liste.constLast().datum, QDate(2024, 3, 30));

    // An evaluation over one draw per quota record, with a ticket that wins in several classes.
    const QuotenSuche suche(liste);
    QVector<TGewAusw> ziehungen;
    for (const TQuoten& q : liste) {
        for (int k = 1; k <= 9; ++k)
            (void)suche.betrag(k, q.datum);
        TGewZahlen z;
        z.datum = q.datum;
        z.GZ = {1, 2, 3, 4, 5, 6};
        z.SZ = 7;
        ziehungen.append(ZiehungVorbereiten(z, fuzz::Deutsch()));
    }
    AuswertungsSchein schein;
    schein.SZ = 7;
    schein.felder.append({QString(),
                          {ReihenMaske({1, 2, 3, 4, 5, 6}), ReihenMaske({1, 2, 3, 4, 5, 7}),
                           ReihenMaske({1, 2, 3, 4, 8, 9}), ReihenMaske({1, 2, 3, 10, 11, 12}),
                           ReihenMaske({1, 2, 13, 14, 15, 16})}});
    const AuswertungsErgebnis e = Auswerten(schein, ziehungen, suche);
    // The evaluation panel shows every amount and the totals.
    for (const Ergebniszeile& z : e.zeilen)
        (void)GeldText(z.betrag, fuzz::Deutsch());
    (void)GeldWaehrungText(e.gesamt, fuzz::Deutsch());
    (void)GeldWaehrungText(e.hoechst, fuzz::Deutsch());
    return 0;
}
