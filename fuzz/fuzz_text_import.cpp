// Tip rows typed or pasted into the entry window's text field: the transfer into the
// ticket table and the check for repeated rows. The first byte picks the user's answers.
#include "fuzz_support.h"

#include "entry/text_import.h"
#include "entry/ticket_entry.h"

using namespace kb;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::uint8_t wahl = data[0];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const QStringList zeilen = MemoZeilen(text);

    const LeerzeichenWahl antwort = (wahl & 1) ? LeerzeichenWahl::Trennen
                                    : (wahl & 2) ? LeerzeichenWahl::Entfernen
                                                 : LeerzeichenWahl::Abbrechen;
    const TextUebertragung r = ReihenAusText(zeilen, [antwort](const QStringList&) { return antwort; });
    (void)MemoText(r.zeilen);
    if (r.ok()) {
        TippreihenDaten tabelle;
        ReihenInTabelle(tabelle, r.reihen, (wahl & 4) != 0);
        ReihenInTabelle(tabelle, r.reihen, false);
        (void)ScheinReihen(tabelle);
    }
    (void)DopplungenPruefen(zeilen, (wahl & 8) != 0);
    (void)ZahlAnhaengen(text, 1 + wahl % 49);
    return 0;
}
