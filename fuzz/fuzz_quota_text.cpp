// A quota table pasted into the quota tool: the nine amounts picked out and parsed as the
// quota editor parses its fields. The first byte is the column chosen in the tool.
#include "fuzz_support.h"

#include "core/money.h"
#include "quotas/quota_import.h"

using namespace kb;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const int spalte = 1 + data[0] % 10;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const QuotenImport import = QuotenAusText(text, spalte);
    for (const QuotenFeldText& f : import.felder) {
        const std::optional<Geld> betrag = GeldAusText(f.text, fuzz::Deutsch());
        if (betrag)
            (void)GeldText(*betrag, fuzz::Deutsch());
    }
    (void)GeldAusText(QuoteBereinigen(text), fuzz::Deutsch());
    return 0;
}
