#pragma once

#include "clock.h"
#include "dialogs.h"
#include "file_dialogs.h"
#include "help.h"
#include "network.h"
#include "printer.h"
#include "random.h"
#include "shell.h"
#include "spreadsheet.h"

namespace kb {

// The platform services a window needs; windows receive this at construction,
// so tests hand in scripted doubles instead of the Qt implementations.
struct Dienste {
    Dialogs* dialoge = nullptr;
    FileDialogs* dateiDialoge = nullptr;
    Shell* shell = nullptr;
    Network* netz = nullptr;
    Clock* uhr = nullptr;
    Random* zufall = nullptr;
    Help* hilfe = nullptr;
    Spreadsheet* tabellen = nullptr;
    Printer* drucker = nullptr;
};

} // namespace kb
