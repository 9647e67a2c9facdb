#include "draw_management.h"

#include "core/date.h"
#include "core/draw_history.h"
#include "core/money.h"

#include <cmath>

namespace kb {

GewinnzahlenPad::Ergebnis GewinnzahlenPad::BLotAuswerten(int tag) {
    if (tag >= 1 && tag <= MaxZahl) {
        if (gewaehlt.enthaelt(tag)) {
            gewaehlt.entferne(tag);
            --anzahl;
            return {Wirkung::ZahlAbgewaehlt};
        }
        if (anzahl >= 6)
            return {Wirkung::SchonSechs};
        gewaehlt.hinzu(tag);
        ++anzahl;
        return {Wirkung::ZahlGewaehlt};
    }
    const int ziffer = tag - SZTagVersatz;
    if (ziffer < 0 || ziffer > 9)
        return {Wirkung::Ohne};
    if (ziffer == superzahl) {
        superzahl = KeineSZ;
        return {Wirkung::SZAbgewaehlt};
    }
    const int vorher = superzahl;
    superzahl = ziffer;
    return {Wirkung::SZGewaehlt, vorher};
}

GewinnzahlenPad PadAusZiehung(const TGewZahlen& z) {
    GewinnzahlenPad pad;
    // Stored records are not validated: skip numbers no button shows, and repeats.
    for (const std::uint8_t n : z.GZ)
        if (n >= 1 && n <= MaxZahl && !pad.gewaehlt.enthaelt(n))
            pad.BLotAuswerten(n);
    if (z.szBekannt())
        pad.superzahl = z.SZ;
    return pad;
}

QDate NaechsteZiehungVorschlagen(const QVector<TGewZahlen>& gewZahlen, const QDate& heute) {
    if (gewZahlen.isEmpty()) {
        QDate d = heute.addDays(-1);
        while (Wochentag(d) != Mittwoch && Wochentag(d) != Samstag)
            d = d.addDays(-1);
        return d;
    }
    const QDate letzte = zuQDate(gewZahlen.back().datum);
    if (!letzte.isValid())
        return {};
    return letzte.addDays(Wochentag(letzte) == Mittwoch ? 3 : 4);
}

TGewZahlen ZiehungAusPad(TDate datum, const GewinnzahlenPad& pad) {
    TGewZahlen z;
    z.datum = datum;
    const QByteArray zahlen = MengeZuZahlen(pad.gewaehlt, 6, MaxZahl);
    for (int i = 0; i < 6; ++i)
        z.GZ[i] = static_cast<std::uint8_t>(zahlen[i]);
    z.SZ = static_cast<std::uint8_t>(pad.superzahl);
    return z;
}

Status ZiehungSpeichern(QVector<TGewZahlen>& gewZahlen, qsizetype index, const TGewZahlen& ziehung,
                        const QString& pfad) {
    if (index < 0 || index > gewZahlen.size())
        return Fehler{QStringLiteral("Diese Ziehung gibt es nicht.")};
    const QVector<TGewZahlen> vorher = gewZahlen;
    if (index == gewZahlen.size())
        gewZahlen.append(ziehung);
    else
        gewZahlen[index] = ziehung;
    Status s = GZDateiSchreiben(pfad, gewZahlen);
    if (!s)
        gewZahlen = vorher;
    return s;
}

QString ZiehungsanzahlText(qsizetype anzahl, const QLocale& locale) {
    return QStringLiteral("  ") + ZahlText(anzahl, locale) + QStringLiteral(" Gewinnreihen");
}

} // namespace kb
