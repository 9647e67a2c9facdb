// CSV files of tip rows, read into the entry window's import table and carried over into
// the text field from there.
#include "fuzz_support.h"

#include "entry/text_import.h"
#include "entry/ticket_entry.h"

using namespace kb;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<TippreihenDaten> tabelle = CSVAlsTabelle(fuzz::Bytes(data, size), QStringLiteral("/tmp/Reihen.csv"));
    if (!tabelle)
        return 0;
    (void)ScheinReihen(*tabelle);
    const Result<QStringList> zeilen = TabelleAlsZeilen(*tabelle);
    if (!zeilen)
        return 0;
    const TextUebertragung r = ReihenAusText(*zeilen, [](const QStringList&) { return LeerzeichenWahl::Trennen; });
    if (r.ok()) {
        TippreihenDaten ziel;
        ReihenInTabelle(ziel, r.reihen, false);
    }
    return 0;
}
