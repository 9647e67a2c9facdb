#pragma once

#include "qt_help.h"
#include "qt_printer.h"
#include "qt_services.h"
#include "services.h"

namespace kb {

// Owns the Qt implementations of all platform services for one program run.
class QtDiensteSatz {
public:
    QtDiensteSatz();
    Dienste& dienste() { return m_dienste; }

private:
    QtDialogs m_dialoge;
    QtFileDialogs m_dateiDialoge;
    QtShell m_shell;
    QtNetwork m_netz;
    SystemClock m_uhr;
    StdRandom m_zufall;
    QtHelp m_hilfe;
    QtSpreadsheet m_tabellen{m_shell};
    QtPrinter m_drucker;
    Dienste m_dienste;
};

} // namespace kb
