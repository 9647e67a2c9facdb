// The settings file "Einstellungen.ini": read by every window that keeps settings, and
// rewritten in place with comments and unknown lines kept.
#include "fuzz_support.h"

#include "core/ini_file.h"
#include "core/program_state.h"
#include "entry/ticket_entry.h"
#include "evaluation/main_window_settings.h"
#include "evaluation/web_links.h"
#include "printing/print_run.h"
#include "quotas/quota_settings.h"
#include "random/random_settings.h"
#include "systems/system_filter.h"
#include "update/draw_update.h"

#include <cstdlib>

using namespace kb;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    IniDatei ini(fuzz::AlsDatei(fuzz::Bytes(data, size), EinstellungenDatei));

    (void)AuswertungEinstellungenLesen(ini);
    (void)ZufallEinstellungenLesen(ini);
    (void)DownloadBasis(ini, QStringLiteral("/opt/kugelblick/daten/"));
    (void)QuotenToolEinstellungenLesen(ini);
    (void)QuotenEditorLageLesen(ini);
    (void)FilterLesen(ini);
    (void)EingabeEinstellungenLesen(ini, EingabeEinstellungen{});
    (void)DruckEinstellungenLesen(ini);
    for (WebLink l : {WebLink::Gewinnzahlen, WebLink::Startseite, WebLink::Seite})
        (void)WebAdresse(l, ini);

    // A value written into the file must read back as written, and the rest must survive.
    const QString wert = QStringLiteral("a;b,\"c\" \\d");
    ini.WriteString(QStringLiteral("Druck"), QStringLiteral("Formatdatei"), wert);
    ini.WriteInteger(QStringLiteral("Zufall"), QStringLiteral("Anzahl"), -17);
    const IniDatei wieder = IniDatei::ausText(ini.text());
    if (wieder.ReadString(QStringLiteral("Druck"), QStringLiteral("Formatdatei"), QString()) != wert ||
        wieder.ReadInteger(QStringLiteral("Zufall"), QStringLiteral("Anzahl"), 0) != -17)
        std::abort();
    ini.EraseSection(QStringLiteral("Eingabe"));
    (void)ini.text();
    return 0;
}
