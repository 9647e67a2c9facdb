#include "designs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <unordered_set>

namespace kb::reihen {

namespace {

Maske maskeAus(const std::vector<int>& punkte) { // points from 0, bits from 1
    Maske m = 0;
    for (int p : punkte)
        m |= Maske{1} << (p + 1);
    return m;
}

std::vector<Maske> eindeutig(std::vector<Maske> b) {
    std::sort(b.begin(), b.end());
    b.erase(std::unique(b.begin(), b.end()), b.end());
    return b;
}

// The finite field GF(p^m) as tables; elements are the base-p digit strings of 0..q-1.
struct Koerper {
    int q = 0;
    std::vector<int> plus, mal;

    int add(int x, int y) const { return plus[static_cast<std::size_t>(x * q + y)]; }
    int mul(int x, int y) const { return mal[static_cast<std::size_t>(x * q + y)]; }
    int neg(int x) const {
        for (int y = 0; y < q; ++y)
            if (add(x, y) == 0)
                return y;
        return 0;
    }
    int inv(int x) const {
        for (int y = 1; y < q; ++y)
            if (mul(x, y) == 1)
                return y;
        return 0;
    }

    static Koerper bauen(int q) {
        int p = 2;
        while (q % p != 0)
            ++p;
        int m = 0;
        for (int r = q; r > 1; r /= p)
            ++m;
        Koerper k;
        k.q = q;
        k.plus.resize(static_cast<std::size_t>(q * q));
        k.mal.resize(static_cast<std::size_t>(q * q));
        const auto ziffern = [&](int x) {
            std::vector<int> d(static_cast<std::size_t>(m));
            for (int i = 0; i < m; ++i, x /= p)
                d[static_cast<std::size_t>(i)] = x % p;
            return d;
        };
        const auto zahl = [&](const std::vector<int>& d) {
            int x = 0;
            for (int i = m - 1; i >= 0; --i)
                x = x * p + d[static_cast<std::size_t>(i)];
            return x;
        };
        // Product of digit polynomials modulo the monic polynomial x^m + f (f of degree < m).
        const auto produkt = [&](int x, int y, const std::vector<int>& f) {
            const std::vector<int> a = ziffern(x), b = ziffern(y);
            std::vector<int> c(static_cast<std::size_t>(2 * m), 0);
            for (int i = 0; i < m; ++i)
                for (int j = 0; j < m; ++j)
                    c[static_cast<std::size_t>(i + j)] =
                        (c[static_cast<std::size_t>(i + j)] +
                         a[static_cast<std::size_t>(i)] * b[static_cast<std::size_t>(j)]) %
                        p;
            for (int i = 2 * m - 1; i >= m; --i) {
                const int h = c[static_cast<std::size_t>(i)];
                c[static_cast<std::size_t>(i)] = 0;
                for (int j = 0; j < m; ++j) // x^m = -f
                    c[static_cast<std::size_t>(i - m + j)] =
                        ((c[static_cast<std::size_t>(i - m + j)] - h * f[static_cast<std::size_t>(j)]) % p +
                         p) %
                        p;
            }
            c.resize(static_cast<std::size_t>(m));
            return zahl(c);
        };
        // A primitive polynomial: x has order q - 1, which also proves it irreducible.
        std::vector<int> f;
        const int xElement = m == 1 ? 0 : p; // the digit string of x
        for (int kandidat = 0; kandidat < q && f.empty(); ++kandidat) {
            std::vector<int> g = ziffern(kandidat);
            if (m == 1)
                break;
            if (g[0] == 0)
                continue;
            int potenz = 1, ordnung = 0;
            do {
                potenz = produkt(potenz, xElement, g);
                ++ordnung;
            } while (potenz != 1 && potenz != 0 && ordnung < q);
            if (potenz == 1 && ordnung == q - 1)
                f = g;
        }
        for (int x = 0; x < q; ++x)
            for (int y = 0; y < q; ++y) {
                std::vector<int> a = ziffern(x), b = ziffern(y);
                for (int i = 0; i < m; ++i)
                    a[static_cast<std::size_t>(i)] =
                        (a[static_cast<std::size_t>(i)] + b[static_cast<std::size_t>(i)]) % p;
                k.plus[static_cast<std::size_t>(x * q + y)] = zahl(a);
                k.mal[static_cast<std::size_t>(x * q + y)] = m == 1 ? x * y % p : produkt(x, y, f);
            }
        return k;
    }
};

} // namespace

std::optional<std::vector<Maske>> differenzFamilie(int a, int b, int fix, int k,
                                                   const std::vector<KurzeBahn>& kurz, int anzahl,
                                                   std::uint64_t knotenGrenze) {
    const int n = a * b;
    const auto sub = [&](int x, int y) { return ((x / b - y / b + a) % a) * b + (x % b - y % b + b) % b; };
    const auto plus = [&](int x, int g) { return ((x / b + g / b) % a) * b + (x % b + g % b) % b; };
    std::vector<char> benutzt(static_cast<std::size_t>(n), 0);
    benutzt[0] = 1;
    for (const KurzeBahn& kb : kurz)
        for (int x : kb.block)
            for (int y : kb.block)
                if (x != y && x < n && y < n)
                    benutzt[static_cast<std::size_t>(sub(x, y))] = 1;

    std::vector<std::vector<int>> basis;
    std::vector<int> block;
    std::uint64_t knoten = 0;
    bool abbruch = false;

    // Adds point x to the current block if all its differences to the block are unused.
    const auto passt = [&](int x) {
        for (int y : block) {
            const int d1 = sub(x, y), d2 = sub(y, x);
            if (benutzt[static_cast<std::size_t>(d1)] || benutzt[static_cast<std::size_t>(d2)] || d1 == d2)
                return false;
        }
        // New differences must also differ from each other.
        std::vector<int> neu;
        for (int y : block) {
            neu.push_back(sub(x, y));
            neu.push_back(sub(y, x));
        }
        std::sort(neu.begin(), neu.end());
        return std::adjacent_find(neu.begin(), neu.end()) == neu.end();
    };
    const auto markieren = [&](int x, char wert) {
        for (int y : block) {
            benutzt[static_cast<std::size_t>(sub(x, y))] = wert;
            benutzt[static_cast<std::size_t>(sub(y, x))] = wert;
        }
    };

    std::function<bool(int)> weiter;
    std::function<bool()> naechsterBlock = [&]() -> bool {
        if (static_cast<int>(basis.size()) == anzahl)
            return std::all_of(benutzt.begin(), benutzt.end(), [](char c) { return c != 0; });
        // The smallest unused difference d lies in some remaining block; translate it to {0, d}.
        int d = 1;
        while (d < n && benutzt[static_cast<std::size_t>(d)])
            ++d;
        if (d >= n)
            return false;
        block = {0};
        if (!passt(d))
            return false;
        markieren(d, 1);
        block.push_back(d);
        if (weiter(1))
            return true; // the found blocks stay as they are
        block.pop_back();
        markieren(d, 0);
        block = {};
        return false;
    };
    weiter = [&](int ab) -> bool {
        if (++knoten > knotenGrenze) {
            abbruch = true;
            return false;
        }
        if (static_cast<int>(block.size()) == k) {
            basis.push_back(block);
            const std::vector<int> gemerkt = block;
            if (naechsterBlock())
                return true;
            block = gemerkt;
            basis.pop_back();
            return false;
        }
        for (int x = ab; x < n && !abbruch; ++x) {
            if (std::find(block.begin(), block.end(), x) != block.end() || !passt(x))
                continue;
            markieren(x, 1);
            block.push_back(x);
            if (weiter(x + 1))
                return true;
            block.pop_back();
            markieren(x, 0);
        }
        return false;
    };
    if (!naechsterBlock())
        return std::nullopt;

    std::vector<Maske> bloecke;
    const auto entwickeln = [&](const std::vector<int>& bb) {
        for (int g = 0; g < n; ++g) {
            std::vector<int> bild;
            for (int x : bb)
                bild.push_back(x >= n ? n : plus(x, g));
            bloecke.push_back(maskeAus(bild));
        }
    };
    for (const KurzeBahn& kb : kurz)
        entwickeln(kb.block);
    for (const std::vector<int>& bb : basis)
        entwickeln(bb);
    (void)fix;
    return eindeutig(std::move(bloecke));
}

std::vector<Maske> sqsZweierpotenz(int v) {
    std::vector<Maske> b;
    for (int w = 0; w < v; ++w)
        for (int x = w + 1; x < v; ++x)
            for (int y = x + 1; y < v; ++y) {
                const int z = w ^ x ^ y;
                if (z > y)
                    b.push_back(maskeAus({w, x, y, z}));
            }
    return b;
}

std::vector<Maske> sqsVerdoppeln(const std::vector<Maske>& sqs, int v) {
    std::vector<Maske> b;
    for (Maske m : sqs) {
        int p[4], n = 0;
        for (Maske r = m; r != 0 && n < 4; r &= r - 1)
            p[n++] = std::countr_zero(r) - 1;
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                for (int k = 0; k < 2; ++k) {
                    const int l = i ^ j ^ k;
                    b.push_back(maskeAus({p[0] + i * v, p[1] + j * v, p[2] + k * v, p[3] + l * v}));
                }
    }
    for (int x = 0; x < v; ++x)
        for (int y = x + 1; y < v; ++y)
            b.push_back(maskeAus({x, y, x + v, y + v}));
    return eindeutig(std::move(b));
}

std::optional<std::vector<Maske>> exakteUeberdeckung(int v, int k, int t, std::uint64_t knotenGrenze) {
    // Candidate blocks are all k-subsets; the t-subsets each lists the candidates through it.
    std::vector<Maske> kandidaten;
    for (Maske w = (Maske{1} << k) - 1; w < (Maske{1} << v);) {
        kandidaten.push_back(w);
        const Maske u = w & (~w + 1), x = w + u;
        w = x | (((x ^ w) >> 2) / u);
    }
    std::vector<Maske> teile;
    for (Maske w = (Maske{1} << t) - 1; w < (Maske{1} << v);) {
        teile.push_back(w);
        const Maske u = w & (~w + 1), x = w + u;
        w = x | (((x ^ w) >> 2) / u);
    }
    std::vector<std::vector<int>> durch(teile.size());
    for (std::size_t i = 0; i < teile.size(); ++i)
        for (std::size_t j = 0; j < kandidaten.size(); ++j)
            if ((kandidaten[j] & teile[i]) == teile[i])
                durch[i].push_back(static_cast<int>(j));
    std::vector<char> gedeckt(teile.size(), 0);
    std::vector<Maske> gewaehlt;
    std::uint64_t knoten = 0;
    // A block may join when none of its t-subsets is covered yet.
    const auto frei = [&](Maske blk) {
        for (std::size_t i = 0; i < teile.size(); ++i)
            if (gedeckt[i] && (blk & teile[i]) == teile[i])
                return false;
        return true;
    };
    std::function<bool()> suchen = [&]() -> bool {
        if (++knoten > knotenGrenze)
            return false;
        int bester = -1;
        std::size_t wenigste = 0;
        std::vector<int> optionen;
        for (std::size_t i = 0; i < teile.size(); ++i) {
            if (gedeckt[i])
                continue;
            std::vector<int> o;
            for (int j : durch[i])
                if (frei(kandidaten[static_cast<std::size_t>(j)]))
                    o.push_back(j);
            if (bester < 0 || o.size() < wenigste) {
                bester = static_cast<int>(i);
                wenigste = o.size();
                optionen = std::move(o);
                if (wenigste == 0)
                    return false;
            }
        }
        if (bester < 0)
            return true;
        for (int j : optionen) {
            const Maske blk = kandidaten[static_cast<std::size_t>(j)];
            std::vector<std::size_t> neu;
            for (std::size_t i = 0; i < teile.size(); ++i)
                if (!gedeckt[i] && (blk & teile[i]) == teile[i]) {
                    gedeckt[i] = 1;
                    neu.push_back(i);
                }
            gewaehlt.push_back(blk);
            if (suchen())
                return true;
            gewaehlt.pop_back();
            for (std::size_t i : neu)
                gedeckt[i] = 0;
            if (knoten > knotenGrenze)
                return false;
        }
        return false;
    };
    if (!suchen())
        return std::nullopt;
    std::vector<Maske> b;
    for (Maske m : gewaehlt)
        b.push_back(m << 1);
    return eindeutig(std::move(b));
}

std::vector<int> teilkoerper(int q, int q0) {
    const Koerper f = Koerper::bauen(q);
    std::vector<int> r;
    for (int z = 0; z < q; ++z) {
        int p = z;
        for (int i = 1; i < q0; ++i)
            p = f.mul(p, z);
        if (p == z)
            r.push_back(z);
    }
    return r;
}

std::vector<Maske> projektiveBahn(int q, const std::vector<int>& basis, bool nurSpeziell) {
    const Koerper f = Koerper::bauen(q);
    std::vector<char> quadrat(static_cast<std::size_t>(q), 0);
    for (int z = 1; z < q; ++z)
        quadrat[static_cast<std::size_t>(f.mul(z, z))] = 1;
    const int unendlich = q;
    std::unordered_set<Maske> bahn;
    for (int a = 0; a < q; ++a)
        for (int b = 0; b < q; ++b)
            for (int c = 0; c < q; ++c)
                for (int d = 0; d < q; ++d) {
                    const int det = f.add(f.mul(a, d), f.neg(f.mul(b, c)));
                    if (det == 0 || (nurSpeziell && !quadrat[static_cast<std::size_t>(det)]))
                        continue;
                    std::vector<int> bild;
                    for (int z : basis) {
                        if (z == unendlich) {
                            bild.push_back(c == 0 ? unendlich : f.mul(a, f.inv(c)));
                            continue;
                        }
                        const int zaehler = f.add(f.mul(a, z), b), nenner = f.add(f.mul(c, z), d);
                        bild.push_back(nenner == 0 ? unendlich : f.mul(zaehler, f.inv(nenner)));
                    }
                    bahn.insert(maskeAus(bild));
                }
    return eindeutig(std::vector<Maske>(bahn.begin(), bahn.end()));
}

std::vector<Maske> steinerSystem3622() {
    // Cyclic Golay code of length 23 from g(x) = x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1,
    // extended by a parity bit; its weight-8 words are the 759 octads of S(5, 8, 24).
    const std::uint32_t g = (1u << 11) | (1u << 10) | (1u << 6) | (1u << 5) | (1u << 4) | (1u << 2) | 1u;
    std::vector<Maske> b;
    for (std::uint32_t nachricht = 0; nachricht < (1u << 12); ++nachricht) {
        std::uint32_t wort = 0;
        for (int i = 0; i < 12; ++i)
            if (nachricht & (1u << i))
                wort ^= g << i;
        if (std::popcount(wort) % 2 != 0)
            wort |= 1u << 23;
        // Octads through the coordinates 22 and 23, which are then dropped.
        if (std::popcount(wort) == 8 && (wort & (1u << 22)) && (wort & (1u << 23)))
            b.push_back(static_cast<Maske>(wort & ((1u << 22) - 1)) << 1);
    }
    return eindeutig(std::move(b));
}

std::vector<Maske> hermiteschesUnital(int q) {
    const int qq = q * q;
    const Koerper f = Koerper::bauen(qq);
    const auto potenz = [&](int x, int e) {
        int r = 1;
        for (int i = 0; i < e; ++i)
            r = f.mul(r, x);
        return r;
    };
    // Points of PG(2, q^2) normalised so that the last non-zero coordinate is 1.
    std::vector<std::array<int, 3>> punkte;
    for (int x = 0; x < qq; ++x)
        for (int y = 0; y < qq; ++y)
            punkte.push_back({x, y, 1});
    for (int x = 0; x < qq; ++x)
        punkte.push_back({x, 1, 0});
    punkte.push_back({1, 0, 0});
    // The unital: x^(q+1) + y^(q+1) + z^(q+1) = 0.
    std::vector<std::array<int, 3>> unital;
    for (const auto& p : punkte)
        if (f.add(f.add(potenz(p[0], q + 1), potenz(p[1], q + 1)), potenz(p[2], q + 1)) == 0)
            unital.push_back(p);
    // Lines are the same triples read as coefficients; a secant meets the unital in q + 1 points.
    std::vector<Maske> b;
    for (const auto& l : punkte) {
        std::vector<int> auf;
        for (std::size_t i = 0; i < unital.size(); ++i) {
            const auto& p = unital[i];
            if (f.add(f.add(f.mul(l[0], p[0]), f.mul(l[1], p[1])), f.mul(l[2], p[2])) == 0)
                auf.push_back(static_cast<int>(i));
        }
        if (static_cast<int>(auf.size()) == q + 1)
            b.push_back(maskeAus(auf));
    }
    return eindeutig(std::move(b));
}

std::vector<Maske> abgeleitet(const std::vector<Maske>& design, int p) {
    std::vector<Maske> b;
    const Maske bit = Maske{1} << p;
    for (Maske m : design)
        if (m & bit) {
            const Maske r = m & ~bit;
            const Maske unten = r & (bit - 1), oben = r & ~(bit - 1);
            b.push_back(unten | (oben >> 1));
        }
    return eindeutig(std::move(b));
}

} // namespace kb::reihen
