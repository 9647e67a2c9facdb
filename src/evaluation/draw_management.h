#pragma once

#include "core/lotto.h"
#include "core/records.h"
#include "core/result.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QVector>

namespace kb {

// Messages of the draw management.
inline const QString TextSechsGewaehlt = QStringLiteral("Sie haben bereits sechs Gewinnzahlen gewählt.");
inline const QString TextZiehungUnvollstaendig =
    QStringLiteral("Bitte geben Sie sechs Gewinnzahlen und die Zusatzzahl an.\r\rIch breche erst einmal ab.");
inline const QString TextDownloadFrage =
    QStringLiteral("Es fehlen jegliche Gewinnreihen.\r\rSoll ich deren Download gleich starten?");
inline const QString TextKeineZiehungGewaehlt = QStringLiteral(
    "Es ist keine Ziehung ausgewählt. Wählen Sie eine Ziehung oder fügen Sie eine neue hinzu.");

// Tags of the Superzahl buttons are digit + 100; number buttons carry their number.
inline constexpr int SZTagVersatz = 100;

// What the number pad and the Superzahl pad hold.
struct GewinnzahlenPad {
    ZahlenMenge gewaehlt;
    int anzahl = 0;
    int superzahl = KeineSZ;

    enum class Wirkung {
        ZahlGewaehlt,
        ZahlAbgewaehlt,
        SchonSechs, // a seventh number: refused, nothing changes
        SZGewaehlt, // vorherigeSZ, if not KeineSZ, lost its selection
        SZAbgewaehlt,
        Ohne, // a tag that names no button
    };
    struct Ergebnis {
        Wirkung wirkung = Wirkung::Ohne;
        int vorherigeSZ = KeineSZ;
    };

    // A pad button with tag t was pressed.
    Ergebnis BLotAuswerten(int tag);
    void leeren() { *this = GewinnzahlenPad{}; }
    bool vollstaendig() const { return anzahl == 6 && superzahl >= 0 && superzahl <= 9; }
};

// The pad for a stored draw: its distinct numbers 1..49 and its Superzahl if known (0..9).
GewinnzahlenPad PadAusZiehung(const TGewZahlen& z);

// Date of the next draw: 3 days after a Wednesday draw, else 4; with no draws the latest
// Wednesday or Saturday strictly before today.
QDate NaechsteZiehungVorschlagen(const QVector<TGewZahlen>& gewZahlen, const QDate& heute);

// The record a complete pad stands for: numbers ascending.
TGewZahlen ZiehungAusPad(TDate datum, const GewinnzahlenPad& pad);

// Puts the draw at index (== size: appended) and rewrites the draw file whole. When the
// file cannot be written, GewZahlen is put back as it was, so memory and file agree.
Status ZiehungSpeichern(QVector<TGewZahlen>& gewZahlen, qsizetype index, const TGewZahlen& ziehung,
                        const QString& pfad);

// "  5.031 Gewinnreihen"
QString ZiehungsanzahlText(qsizetype anzahl, const QLocale& locale);

} // namespace kb
