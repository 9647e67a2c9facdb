// The program update's version file "verinfos.k2b": checked when it is downloaded and read
// back for the version shown in the update window.
#include "fuzz_support.h"

#include "core/record_file.h"
#include "update/program_update.h"

#include <cstdlib>

using namespace kb;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    (void)VerfuegbareVersion(bytes);
    const Result<DateiInhalt> inhalt = DateiLesen(fuzz::AlsDatei(bytes, VersionsDateiName));
    if (!inhalt || !inhalt->vorhanden)
        std::abort();
    const Result<QString> version = VerfuegbareVersion(inhalt->daten);
    // A version read from a file must survive being written into one.
    if (version && VerfuegbareVersion(VersionsDatei({*version})).wert() != *version)
        std::abort();
    return 0;
}
