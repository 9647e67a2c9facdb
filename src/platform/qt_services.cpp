#include "qt_service_set.h"

namespace kb {

QtDiensteSatz::QtDiensteSatz() {
    m_dienste.dialoge = &m_dialoge;
    m_dienste.dateiDialoge = &m_dateiDialoge;
    m_dienste.shell = &m_shell;
    m_dienste.netz = &m_netz;
    m_dienste.uhr = &m_uhr;
    m_dienste.zufall = &m_zufall;
    m_dienste.hilfe = &m_hilfe;
    m_dienste.tabellen = &m_tabellen;
    m_dienste.drucker = &m_drucker;
}

} // namespace kb
