#include "ticket_rows.h"

#include "systems/catalogue.h"
#include "systems/combinatorics.h"

#include <algorithm>

namespace kb {

FeldAnsicht FeldAufloesen(const TSySSchein& feld) {
    FeldAnsicht a;
    a.code = feld.Sys;
    const TScheinSystem* system = ScheinSystemFuerCode(feld.Sys);
    const int m = system ? system->WZ : 0;
    // Shown as stored: the system's numbers, or every non-zero byte of an unknown field.
    if (system) {
        a.zahlen = QVector<std::uint8_t>(feld.WZ.begin(), feld.WZ.begin() + m);
    } else {
        for (std::uint8_t z : feld.WZ)
            if (z != 0)
                a.zahlen.push_back(z);
    }
    ZahlenMenge menge;
    bool imBereich = system != nullptr;
    for (std::uint8_t z : a.zahlen) {
        imBereich = imBereich && z >= 1 && z <= MaxZahl;
        menge.hinzu(z);
    }
    a.gueltig = imBereich && menge.anzahl() == m;
    if (!a.gueltig) {
        a.systemName = system ? QString::fromLatin1(system->Name) + QStringLiteral(" (") + UngueltigesSystem +
                                    QLatin1Char(')')
                              : UngueltigesSystem;
        return a;
    }
    a.systemName = QString::fromLatin1(system->Name);
    a.reihenAnzahl = system->TR;
    const auto zahlAn = [&a](int position) { return a.zahlen[position - 1]; };
    if (feld.Sys <= 6) {
        // Full system: the positions of every 6-subset of 1..m.
        for (Zahlenmaske positionen : KombinationenBilden(m, 6)) {
            Tippreihe r{};
            int c = 0;
            for (int p = 1; p <= m; ++p)
                if ((positionen >> p) & 1u)
                    r[c++] = zahlAn(p);
            std::sort(r.begin(), r.end());
            a.reihen.push_back(r);
        }
    } else {
        for (int i = 1; i <= system->TR; ++i) {
            Tippreihe r{};
            for (int j = 1; j <= 6; ++j) {
                const int position = SystemZahl(system->Index, 6, i, j);
                r[j - 1] = position >= 1 && position <= m ? zahlAn(position) : 0;
            }
            std::sort(r.begin(), r.end());
            a.reihen.push_back(r);
        }
    }
    return a;
}

QVector<FeldAnsicht> FelderAufloesen(const SystemScheinDatei& schein) {
    QVector<FeldAnsicht> felder;
    const qsizetype n = std::min<qsizetype>(schein.felder.size(), SystemScheinDatei::MaxFelder);
    for (qsizetype i = 0; i < n; ++i)
        felder.push_back(FeldAufloesen(schein.felder[i]));
    return felder;
}

QString KeineTippreihenText(const QString& dateiname) {
    return QStringLiteral("Die Datei \"%1\" enthält keine Tippreihen.").arg(dateiname);
}

QString KeineSystemfelderText(const QString& dateiname) {
    return QStringLiteral("Die Datei \"%1\" enthält keine Systemfelder.").arg(dateiname);
}

QString KeineScheinDateiText(const QString& dateiname) {
    return QStringLiteral("\"%1\" ist keine Spielschein-Datei (.nkb oder .skb).").arg(dateiname);
}

AuswertungsSchein NormalscheinAlsAuswertung(const NormalScheinDatei& schein) {
    AuswertungsSchein s;
    s.SZ = schein.SZ;
    AuswertungsFeld f;
    f.reihen.reserve(schein.reihen.size());
    for (const TNormalSchein& r : schein.reihen)
        f.reihen.push_back(ReihenMaske(r.WZ));
    s.felder.push_back(std::move(f));
    return s;
}

AuswertungsSchein SystemscheinAlsAuswertung(int sz, const QVector<FeldAnsicht>& felder) {
    AuswertungsSchein s;
    s.SZ = sz;
    s.system = true;
    for (const FeldAnsicht& feld : felder) {
        AuswertungsFeld f;
        f.name = feld.systemName;
        f.reihen.reserve(feld.reihen.size());
        for (const Tippreihe& r : feld.reihen)
            f.reihen.push_back(ReihenMaske(r));
        s.felder.push_back(std::move(f));
    }
    return s;
}

} // namespace kb
