#include "random_generator.h"

#include "core/row_table.h"
#include "systems/combinatorics.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace kb {

const ZahlenMenge& ZufallsAuswahl::menge(ZufallsGruppe g) const {
    switch (g) {
    case ZufallsGruppe::Bankzahlen:
        return m_bank;
    case ZufallsGruppe::Quotenkiller:
        return m_kill;
    case ZufallsGruppe::Favoriten:
        break;
    }
    return m_fav;
}

ZahlenMenge& ZufallsAuswahl::mengeRef(ZufallsGruppe g) {
    return const_cast<ZahlenMenge&>(std::as_const(*this).menge(g));
}

std::optional<ZufallsGruppe> ZufallsAuswahl::gruppeVon(int n) const {
    for (ZufallsGruppe g : {ZufallsGruppe::Bankzahlen, ZufallsGruppe::Quotenkiller, ZufallsGruppe::Favoriten})
        if (menge(g).enthaelt(n))
            return g;
    return std::nullopt;
}

Status ZufallsAuswahl::umschalten(ZufallsGruppe g, int n) {
    if (n < 1 || n > MaxZahl)
        return Fehler{};
    ZahlenMenge& m = mengeRef(g);
    if (m.enthaelt(n)) {
        m.entferne(n);
        return {};
    }
    // The window hides such buttons; a settings file may still name a number twice.
    if (gruppeVon(n))
        return Fehler{};
    if (g == ZufallsGruppe::Bankzahlen && m_bank.anzahl() >= MaxBankzahlen)
        return Fehler{QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.")};
    if (g == ZufallsGruppe::Quotenkiller && m_bank.anzahl() + m_kill.anzahl() + 1 >= MaxZahl)
        return Fehler{QStringLiteral("Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr."
                                     "\r\rIch breche ab.")};
    m.hinzu(n);
    return {};
}

std::int64_t MoeglicheReihen(const ZufallsAuswahl& a) {
    const int frei = MaxZahl - a.BZGewaehlt().anzahl() - a.KillGewaehlt().anzahl();
    const int ziehen = 6 - a.BZGewaehlt().anzahl();
    return Binomial(frei, ziehen);
}

QString KeineAnzahlText() {
    return QStringLiteral(
        "Bitte geben Sie die Anzahl der gewünschten Tippreihen an.\r\rIch breche erst einmal ab.");
}

Status ReihenAnzahlPruefen(const ZufallsAuswahl& auswahl, std::int64_t anzahl) {
    if (anzahl <= 0)
        return Fehler{KeineAnzahlText()};
    if (anzahl > MoeglicheReihen(auswahl))
        return Fehler{
            QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, %1 Tippreihen zu "
                           "bilden.\r\rich muss abbrechen.")
                .arg(anzahl)};
    return {};
}

Result<int> ReihenAnzahlAusText(const ZufallsAuswahl& auswahl, const QString& text) {
    if (text.isEmpty())
        return Fehler{KeineAnzahlText()};
    const auto anzahl = GanzzahlAusText(text);
    if (!anzahl)
        return Fehler{KonvertierungsFehler(text)};
    if (const Status s = ReihenAnzahlPruefen(auswahl, *anzahl); !s)
        return Fehler{s.fehler()};
    return *anzahl;
}

namespace {

std::uint64_t splitmix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

ZufallsMotor::ZufallsMotor(std::uint64_t saat) {
    for (auto& s : m_s)
        s = splitmix(saat);
}

std::uint64_t ZufallsMotor::naechste() {
    const std::uint64_t ergebnis = std::rotl(m_s[1] * 5, 7) * 9;
    const std::uint64_t t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = std::rotl(m_s[3], 45);
    return ergebnis;
}

std::uint32_t ZufallsMotor::bis(std::uint32_t grenze) {
    // Lemire's multiply-and-reject on 32 random bits.
    std::uint64_t m = (naechste() >> 32) * grenze;
    auto rest = static_cast<std::uint32_t>(m);
    if (rest < grenze) {
        const std::uint32_t schwelle = (0u - grenze) % grenze;
        while (rest < schwelle) {
            m = (naechste() >> 32) * grenze;
            rest = static_cast<std::uint32_t>(m);
        }
    }
    return static_cast<std::uint32_t>(m >> 32);
}

std::uint64_t ZufallsMotor::bis64(std::uint64_t grenze) {
    if (grenze <= std::numeric_limits<std::uint32_t>::max())
        return bis(static_cast<std::uint32_t>(grenze));
    const std::uint64_t grenzwert =
        std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % grenze;
    std::uint64_t x;
    do
        x = naechste();
    while (x >= grenzwert);
    return x % grenze;
}

double ZufallsMotor::real() {
    return static_cast<double>(naechste() >> 11) * 0x1.0p-53;
}

namespace {

// Everything the draw needs about the groups, prepared once per run.
struct Lauf {
    int frei = 0;                             // free numbers F
    int ziehen = 0;                           // numbers to draw per row K
    std::uint64_t bankMaske = 0;              // bit n = number n
    std::array<int, MaxZahl + 1> freiIndex{}; // number -> index among the free numbers, -1 if none
    std::array<int, MaxZahl> freiZahl{};      // index -> number
    std::array<bool, MaxZahl> favIndex{};
    std::vector<std::uint8_t> topf;                                // free indices, Favoriten twice
    std::array<std::array<std::uint32_t, 8>, MaxZahl + 1> binom{}; // C(c, i) for i <= 7
};

Lauf vorbereiten(const ZufallsAuswahl& a) {
    Lauf l;
    l.freiIndex.fill(-1);
    for (int n = 1; n <= MaxZahl; ++n) {
        if (a.BZGewaehlt().enthaelt(n)) {
            l.bankMaske |= std::uint64_t{1} << n;
            continue;
        }
        if (a.KillGewaehlt().enthaelt(n))
            continue;
        const int i = l.frei++;
        l.freiIndex[static_cast<std::size_t>(n)] = i;
        l.freiZahl[static_cast<std::size_t>(i)] = n;
        l.topf.push_back(static_cast<std::uint8_t>(n));
        if (a.FavGewaehlt().enthaelt(n)) {
            l.favIndex[static_cast<std::size_t>(i)] = true;
            l.topf.push_back(static_cast<std::uint8_t>(n));
        }
    }
    l.ziehen = 6 - a.BZGewaehlt().anzahl();
    for (int c = 0; c <= MaxZahl; ++c)
        for (int i = 0; i < 8; ++i)
            l.binom[static_cast<std::size_t>(c)][static_cast<std::size_t>(i)] =
                static_cast<std::uint32_t>(std::max<std::int64_t>(Binomial(c, i), 0));
    return l;
}

Tippreihe alsReihe(std::uint64_t maske) {
    Tippreihe r{};
    for (std::size_t i = 0; i < r.size() && maske; ++i) {
        r[i] = static_cast<std::uint8_t>(std::countr_zero(maske));
        maske &= maske - 1;
    }
    return r;
}

// Colex rank of the drawn numbers (bits of the numbers) among all K-subsets of the free numbers.
std::uint32_t rang(const Lauf& l, std::uint64_t gezogen) {
    std::uint32_t r = 0;
    for (std::size_t i = 1; gezogen; ++i) {
        const int n = std::countr_zero(gezogen);
        r += l.binom[static_cast<std::size_t>(l.freiIndex[static_cast<std::size_t>(n)])][i];
        gezogen &= gezogen - 1;
    }
    return r;
}

// Relative chance that one attempt yields a given row with f Favoriten, for f = 0..K. Picks are
// weighted draws without repetition (a number already in the row is drawn again), so the chance
// is a sum over the orders of the picks; it depends only on which picks were Favoriten.
std::vector<double> klassenGewichte(const Lauf& l, int favoriten) {
    const int K = l.ziehen;
    const int plain = l.frei - favoriten;
    const double W = static_cast<double>(l.topf.size());
    // d[a][b]: sum over pick-type sequences with a Favoriten and b plain numbers so far.
    std::vector<std::vector<double>> d(static_cast<std::size_t>(K + 1), std::vector<double>(K + 1, 0.0));
    d[0][0] = 1.0;
    for (int a = 0; a <= K; ++a)
        for (int b = 0; a + b <= K; ++b) {
            if (a == 0 && b == 0)
                continue;
            double s = 0;
            if (a > 0)
                s += d[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b)] * 2.0 /
                     (W - 2.0 * (a - 1) - b);
            if (b > 0)
                s +=
                    d[static_cast<std::size_t>(a)][static_cast<std::size_t>(b - 1)] / (W - 2.0 * a - (b - 1));
            d[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = s;
        }
    std::vector<double> w(static_cast<std::size_t>(K + 1), 0.0);
    double fak = 1;
    std::vector<double> fakultaet(static_cast<std::size_t>(K + 1), 1.0);
    for (int i = 1; i <= K; ++i)
        fakultaet[static_cast<std::size_t>(i)] = fak *= i;
    for (int f = 0; f <= K; ++f)
        if (f <= favoriten && K - f <= plain)
            w[static_cast<std::size_t>(f)] = fakultaet[static_cast<std::size_t>(f)] *
                                             fakultaet[static_cast<std::size_t>(K - f)] *
                                             d[static_cast<std::size_t>(f)][static_cast<std::size_t>(K - f)];
    return w;
}

class Bitfeld {
public:
    explicit Bitfeld(std::uint64_t bits) : m_w((bits + 63) / 64, 0) {}
    bool setzen(std::uint32_t i) { // false when already set
        std::uint64_t& w = m_w[i >> 6];
        const std::uint64_t b = std::uint64_t{1} << (i & 63);
        if (w & b)
            return false;
        w |= b;
        return true;
    }
    bool gesetzt(std::uint32_t i) const { return (m_w[i >> 6] >> (i & 63)) & 1u; }

private:
    std::vector<std::uint64_t> m_w;
};

} // namespace

ZufallsErgebnis ZufallszahlenErmitteln(const ZufallsAuswahl& auswahl, int anzahl, std::uint64_t saat,
                                       const std::atomic<bool>* stop,
                                       const std::function<void(int)>& fortschritt) {
    ZufallsErgebnis e;
    const std::int64_t moeglich = MoeglicheReihen(auswahl);
    if (anzahl <= 0 || anzahl > moeglich)
        return e;
    const Lauf l = vorbereiten(auswahl);
    const auto P = static_cast<std::uint64_t>(moeglich);
    const auto gestoppt = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    const auto melden = [&](std::size_t fertig) {
        if (fortschritt)
            fortschritt(static_cast<int>(fertig));
    };

    ZufallsMotor motor(saat);
    Bitfeld genommen(P);
    e.Zufreihen.reserve(static_cast<std::size_t>(anzahl));
    const auto topfGroesse = static_cast<std::uint32_t>(l.topf.size());

    // Rejection as the plain method does it, with a constant-time duplicate test. When more
    // than half of all rows are wanted, or discards have cost as much as visiting every row,
    // the rest comes from the list of rows not yet taken (below).
    if (static_cast<std::uint64_t>(anzahl) <= P / 2) {
        std::uint64_t verworfen = 0;
        std::uint32_t takt = 0;
        while (e.Zufreihen.size() < static_cast<std::size_t>(anzahl) && verworfen < P) {
            if ((++takt & 0xFFF) == 0) {
                if (gestoppt())
                    return ZufallsErgebnis{{}, {}, true};
                if ((takt & 0x3FFFF) == 0)
                    melden(e.Zufreihen.size());
            }
            std::uint64_t gezogen = 0;
            for (int k = 0; k < l.ziehen;) {
                const std::uint64_t b = std::uint64_t{1} << l.topf[motor.bis(topfGroesse)];
                if (!(gezogen & b)) {
                    gezogen |= b;
                    ++k;
                }
            }
            if (genommen.setzen(rang(l, gezogen)))
                e.Zufreihen.push_back(alsReihe(gezogen | l.bankMaske));
            else
                ++verworfen;
        }
    }

    if (e.Zufreihen.size() < static_cast<std::size_t>(anzahl)) {
        // The rejection process, seen from any point on, draws among the rows not yet taken,
        // each with its chance per attempt. Rows with the same number of Favoriten have the same
        // chance, so: choose the class by its remaining total chance, then a row of it uniformly.
        // That is the same law without any discard.
        const int favoriten = auswahl.FavGewaehlt().anzahl();
        const std::vector<double> gewicht = klassenGewichte(l, favoriten);
        std::vector<std::vector<Tippreihe>> klassen(gewicht.size());
        std::array<int, 64> c{};
        const int K = l.ziehen;
        for (int i = 0; i < K; ++i)
            c[static_cast<std::size_t>(i)] = i;
        c[static_cast<std::size_t>(K)] = l.frei;
        // Every K-subset of the free indices in colex order, so its rank is the loop counter.
        for (std::uint64_t r = 0; r < P; ++r) {
            if ((r & 0xFFFFF) == 0 && gestoppt())
                return ZufallsErgebnis{{}, {}, true};
            if (!genommen.gesetzt(static_cast<std::uint32_t>(r))) {
                std::uint64_t maske = l.bankMaske;
                int f = 0;
                for (int i = 0; i < K; ++i) {
                    const auto idx = static_cast<std::size_t>(c[static_cast<std::size_t>(i)]);
                    maske |= std::uint64_t{1} << l.freiZahl[idx];
                    f += l.favIndex[idx] ? 1 : 0;
                }
                klassen[static_cast<std::size_t>(f)].push_back(alsReihe(maske));
            }
            int i = 0;
            while (i < K && c[static_cast<std::size_t>(i)] + 1 == c[static_cast<std::size_t>(i + 1)]) {
                c[static_cast<std::size_t>(i)] = i;
                ++i;
            }
            ++c[static_cast<std::size_t>(i)];
        }
        std::vector<std::size_t> gezogen(klassen.size(), 0);
        std::vector<double> rest(klassen.size(), 0.0);
        const auto restNeu = [&](std::size_t k) {
            rest[k] = static_cast<double>(klassen[k].size() - gezogen[k]) * gewicht[k];
        };
        for (std::size_t k = 0; k < klassen.size(); ++k)
            restNeu(k);
        const bool eineKlasse =
            std::count_if(klassen.begin(), klassen.end(), [](const auto& v) { return !v.empty(); }) <= 1;
        while (e.Zufreihen.size() < static_cast<std::size_t>(anzahl)) {
            if ((e.Zufreihen.size() & 0x3FFFF) == 0) {
                if (gestoppt())
                    return ZufallsErgebnis{{}, {}, true};
                melden(e.Zufreihen.size());
            }
            std::size_t k = 0;
            if (eineKlasse) {
                while (klassen[k].size() == gezogen[k])
                    ++k;
            } else {
                double summe = 0;
                for (double r : rest)
                    summe += r;
                double u = motor.real() * summe;
                std::size_t letzte = 0;
                for (k = 0; k < rest.size(); ++k) {
                    if (rest[k] <= 0)
                        continue;
                    letzte = k;
                    if (u < rest[k])
                        break;
                    u -= rest[k];
                }
                if (k == rest.size()) // rounding at the very top end
                    k = letzte;
            }
            auto& v = klassen[k];
            const std::size_t j = gezogen[k] + motor.bis64(v.size() - gezogen[k]);
            std::swap(v[gezogen[k]], v[j]);
            e.Zufreihen.push_back(v[gezogen[k]]);
            ++gezogen[k];
            if (!eineKlasse)
                restNeu(k);
        }
    }

    for (const Tippreihe& r : e.Zufreihen)
        for (std::uint8_t n : r)
            ++e.NrCount[static_cast<std::size_t>(n - 1)];
    melden(e.Zufreihen.size());
    return e;
}

} // namespace kb
