#include "draw_changes.h"

#include "core/draw_history.h"
#include "core/program_state.h"
#include "number_statistics.h"

namespace kb {

Ziehungsmeldungen& Ziehungsmeldungen::instanz() {
    static Ziehungsmeldungen m;
    return m;
}

void GewZahlenGeaendert(bool ersetzt) {
    StatistikStart(statistik(), zustand().GewZahlen);
    Q_EMIT Ziehungsmeldungen::instanz().gewZahlenGeaendert(ersetzt);
}

Status GewZahlenNeuLaden(const QString& pfad) {
    Result<QVector<TGewZahlen>> gelesen = GZDateiLesen(pfad);
    if (!gelesen)
        return Fehler{gelesen.fehler()};
    zustand().GewZahlen = std::move(gelesen.wert());
    GewZahlenGeaendert(true);
    return {};
}

} // namespace kb
