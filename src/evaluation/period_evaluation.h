#pragma once

#include "core/records.h"
#include "core/result.h"
#include "prize_classes.h"

#include <QLocale>
#include <QString>
#include <QVector>

#include <atomic>
#include <cstdint>

namespace kb {

// The draws an evaluation runs over, as chosen on a ticket tab's panel.
struct ZiehungsWahl {
    int tage = 0;        // 0 both draw days, 1 Saturdays, 2 Wednesdays
    bool zurueck = false; // a period from start to ende; otherwise ende alone
    int start = -1;      // index into the draw history (combo2)
    int ende = -1;       // index into the draw history (Combo1)
};

// The refusal when the history holds no draw at all.
inline const QString KeineZiehungenText = QStringLiteral("Es sind keine Ziehungen vorhanden.");

// The draw prepared for matching; SDatum gets " (Mi)" or " (Sa)" on draw days.
TGewAusw ZiehungVorbereiten(const TGewZahlen& ziehung, const QLocale& locale);

// The chosen draws in history order, or the German message why there are none.
Result<QVector<TGewAusw>> ZiehungenWaehlen(const QVector<TGewZahlen>& gewZahlen, const ZiehungsWahl& wahl,
                                           const QLocale& locale);

// Rows of a ticket as bit masks of their numbers (bit n = number n); 0 for a row that is
// not six different numbers 1..49: it takes no part.
struct AuswertungsFeld {
    QString name; // system name of a system ticket's field
    QVector<std::uint64_t> reihen;
};
struct AuswertungsSchein {
    int SZ = -1;
    bool system = false; // system tickets list their fields' names
    QVector<AuswertungsFeld> felder;
};

std::uint64_t ReihenMaske(const std::array<std::uint8_t, 6>& zahlen);

// One line of the result list. A line carries the draw's date when it is the draw's first,
// and the field's name (system tickets) when it is the field's first. Klasse 0 is "---".
struct Ergebniszeile {
    std::int32_t ziehung = 0; // index into AuswertungsErgebnis::ziehungen
    std::int16_t feld = -1;   // field whose first line this is, else -1
    bool ersteZeile = false;
    std::uint8_t klasse = 0;
    std::int32_t reihe = 0; // 1-based row number within the ticket or field
    Geld betrag = 0;
};

struct AuswertungsErgebnis {
    QVector<TGewAusw> ziehungen;
    QVector<Ergebniszeile> zeilen;
    Geld gesamt = 0;
    Geld hoechst = 0;
    int hoechstZeile = 0; // 1-based line of the highest win, 0 when there is none
    QString hoechstDatum; // the first ten characters of the draw's text
    bool abgebrochen = false;
};

// Matches every row against every draw. The first of equal highest amounts stays.
AuswertungsErgebnis Auswerten(const AuswertungsSchein& schein, QVector<TGewAusw> ziehungen,
                              const QuotenSuche& quoten, const std::atomic<bool>* abbruch = nullptr);

} // namespace kb
