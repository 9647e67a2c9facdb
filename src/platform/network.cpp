#include "network.h"

namespace kb {

void Abruf::abschliessen(bool ok, QByteArray daten, QString fehler) {
    m_ok = ok;
    m_daten = std::move(daten);
    m_fehler = std::move(fehler);
    Q_EMIT fertig();
    deleteLater();
}

} // namespace kb
