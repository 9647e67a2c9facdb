#include "ticket_file.h"

#include "record_file.h"

#include <QFileInfo>

#include <algorithm>

namespace kb {

ScheinArt ScheinArtVon(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix();
    if (endung.compare(NormalscheinEndung, Qt::CaseInsensitive) == 0)
        return ScheinArt::Normal;
    if (endung.compare(SystemscheinEndung, Qt::CaseInsensitive) == 0)
        return ScheinArt::System;
    return ScheinArt::Unbekannt;
}

namespace {

std::int8_t szByte(int sz) { return static_cast<std::int8_t>(sz >= 0 && sz <= 9 ? sz : -1); }

} // namespace

Result<NormalScheinDatei> NormalscheinLesen(const QString& pfad) {
    const auto daten = VorhandeneDateiLesen(pfad);
    if (!daten.ok())
        return Fehler{daten.fehler()};
    NormalScheinDatei s;
    s.reihen = RecordsAusBytes<TNormalSchein>(*daten);
    if (!s.reihen.isEmpty())
        s.SZ = ScheinSZ(s.reihen.constFirst().SZ);
    return s;
}

Result<SystemScheinDatei> SystemscheinLesen(const QString& pfad) {
    const auto daten = VorhandeneDateiLesen(pfad);
    if (!daten.ok())
        return Fehler{daten.fehler()};
    SystemScheinDatei s;
    s.felder = RecordsAusBytes<TSySSchein>(*daten);
    if (!s.felder.isEmpty())
        s.SZ = ScheinSZ(s.felder.constFirst().SZ);
    return s;
}

Status NormalscheinSchreiben(const QString& pfad, int sz, const QVector<Tippreihe>& reihen) {
    QVector<TNormalSchein> records;
    records.reserve(reihen.size());
    for (const Tippreihe& r : reihen)
        records.push_back(TNormalSchein{szByte(sz), r});
    return DateiSchreibenAtomar(pfad, RecordsZuBytes<TNormalSchein>(records));
}

Status SystemscheinSchreiben(const QString& pfad, int sz, const QVector<SystemFeld>& felder) {
    QVector<TSySSchein> records;
    for (const SystemFeld& f : felder) {
        TSySSchein r;
        r.SZ = szByte(sz);
        r.Sys = f.code;
        QVector<std::uint8_t> zahlen = f.zahlen;
        std::sort(zahlen.begin(), zahlen.end());
        const qsizetype n = std::min<qsizetype>(zahlen.size(), static_cast<qsizetype>(r.WZ.size()));
        std::copy_n(zahlen.cbegin(), n, r.WZ.begin());
        records.push_back(r);
    }
    return DateiSchreibenAtomar(pfad, RecordsZuBytes<TSySSchein>(records));
}

bool ReiheGueltig(const Tippreihe& zahlen) {
    ZahlenMenge m;
    for (std::uint8_t z : zahlen) {
        if (z < 1 || z > MaxZahl)
            return false;
        m.hinzu(z);
    }
    return m.anzahl() == 6;
}

} // namespace kb
