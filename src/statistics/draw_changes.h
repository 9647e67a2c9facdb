#pragma once

#include "core/result.h"

#include <QObject>
#include <QString>

namespace kb {

// Every change of GewZahlen ends here: the statistics are recomputed first, then every
// window that shows draws hears of it.
class Ziehungsmeldungen : public QObject {
    Q_OBJECT
public:
    static Ziehungsmeldungen& instanz();

Q_SIGNALS:
    // ersetzt: the whole history was read anew (download); otherwise a draw was added or corrected.
    void gewZahlenGeaendert(bool ersetzt);
};

// Call after changing zustand().GewZahlen.
void GewZahlenGeaendert(bool ersetzt);

// Reads the draw file into GewZahlen and announces it; GewZahlen stays as it was when the
// file cannot be read.
Status GewZahlenNeuLaden(const QString& pfad);

} // namespace kb
