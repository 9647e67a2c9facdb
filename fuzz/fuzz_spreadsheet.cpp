// Workbooks (.xlsx, .ods, .xls) read into the entry window's import table.
#include "fuzz_support.h"

#include "entry/ticket_entry.h"
#include "platform/spreadsheet_files.h"

using namespace kb;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader goes by content, not by name.
    const Result<Tabellenblatt> blatt =
        TabelleLesen(fuzz::AlsDatei(fuzz::Bytes(data, size), QStringLiteral("Tabelle.xlsx")));
    if (!blatt)
        return 0;
    const TippreihenDaten tabelle = BlattAlsTabelle(*blatt);
    (void)TabelleAlsZeilen(tabelle);
    return 0;
}
