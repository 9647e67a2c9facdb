#pragma once

#include "result.h"

#include <QString>
#include <QStringList>

namespace kb {

// Files of the bundled data set that a new data folder receives: the quotas belong to the
// program, the demo tickets are opened when no ticket files are remembered. The draw
// history is not among them: it arrives through the download.
extern const QStringList DatensatzStartDateien;

// Copies those files from the data set into the data folder; files already there are kept.
Status DatensatzUebernehmen(const QString& datensatzPfad, const QString& datenPfad);

} // namespace kb
