#include "covering.h"

#include "catalogue.h"

#include <bit>

namespace kb {

namespace {

// Binomial table small enough for every rank we compute (positions up to 63, t up to 9).
struct BinomTabelle {
    std::int64_t c[64][10]{};
    constexpr BinomTabelle() {
        for (int n = 0; n < 64; ++n) {
            c[n][0] = 1;
            for (int k = 1; k < 10; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
constexpr BinomTabelle binom;

} // namespace

std::int64_t TeilmengenRang(Zahlenmaske teilmenge) {
    std::int64_t rang = 0;
    int i = 1;
    while (teilmenge != 0 && i < 10) {
        const int p = std::countr_zero(teilmenge); // position p stands for element p - 1
        rang += binom.c[p - 1][i];
        teilmenge &= teilmenge - 1;
        ++i;
    }
    return rang;
}

std::vector<bool> GedeckteTeilmengen(std::span<const Zahlenmaske> reihen, int v, int t) {
    const std::int64_t anzahl = Binomial(v, t);
    std::vector<bool> gedeckt(anzahl > 0 ? static_cast<std::size_t>(anzahl) : 0, false);
    if (anzahl <= 0 || t < 1 || t > 9)
        return gedeckt;
    const Zahlenmaske erlaubt = ((Zahlenmaske{1} << v) - 1) << 1;
    for (const Zahlenmaske reihe : reihen) {
        const Zahlenmaske r = reihe & erlaubt;
        const int k = std::popcount(r);
        if (k < t)
            continue;
        int stellen[64];
        int n = 0;
        for (Zahlenmaske m = r; m != 0; m &= m - 1)
            stellen[n++] = std::countr_zero(m);
        // Every t-subset of the row, by choosing t of its k positions.
        KombinationenDurchlaufen(k, t, [&](Zahlenmaske wahl) {
            Zahlenmaske teil = 0;
            for (Zahlenmaske w = wahl; w != 0; w &= w - 1)
                teil |= Zahlenmaske{1} << stellen[std::countr_zero(w) - 1];
            gedeckt[static_cast<std::size_t>(TeilmengenRang(teil))] = true;
            return true;
        });
    }
    return gedeckt;
}

std::int64_t FehlendeTeilmengen(std::span<const Zahlenmaske> reihen, int v, int t) {
    if (t <= 0)
        return 0;
    std::int64_t fehlend = 0;
    for (const bool g : GedeckteTeilmengen(reihen, v, t))
        fehlend += g ? 0 : 1;
    return fehlend;
}

std::vector<Zahlenmaske> ReihenAlsMasken(std::span<const std::uint8_t> bytes, int rg) {
    std::vector<Zahlenmaske> r;
    if (rg <= 0)
        return r;
    r.reserve(bytes.size() / static_cast<std::size_t>(rg));
    for (std::size_t i = 0; i + static_cast<std::size_t>(rg) <= bytes.size();
         i += static_cast<std::size_t>(rg)) {
        Zahlenmaske m = 0;
        for (int j = 0; j < rg; ++j)
            if (bytes[i + static_cast<std::size_t>(j)] < 64)
                m |= Zahlenmaske{1} << bytes[i + static_cast<std::size_t>(j)];
        r.push_back(m);
    }
    return r;
}

AbdeckungsBericht SystemAbdeckung() {
    AbdeckungsBericht b;
    b.zeilen.reserve(EingebauteSysteme);
    for (int p = 0; p < EingebauteSysteme; ++p) {
        const TSysteme& s = SystemeKonst[static_cast<std::size_t>(p)];
        const std::vector<Zahlenmaske> reihen = SystemReihenMasken(p);
        const std::int64_t offen = FehlendeTeilmengen(reihen, s.WZ, s.GA);
        if (s.GA > 0) {
            ++b.garantiert;
            b.erfuellt += offen == 0 ? 1 : 0;
        }
        b.zeilen.push_back({p, s.RG, s.WZ, s.GA, s.TR, offen});
    }
    return b;
}

} // namespace kb
