#include "group_catalogue.h"

#include "random.h"
#include "subsets.h"

#include <algorithm>
#include <functional>
#include <iostream>
#include <map>
#include <numeric>
#include <set>
#include <sstream>

namespace kb::reihen {

int Feld::add(int x, int y) const {
    int r = 0;
    for (int stelle = 1; x != 0 || y != 0; stelle *= p, x /= p, y /= p)
        r += (x % p + y % p) % p * stelle;
    return r;
}

int Feld::neg(int x) const {
    int r = 0;
    for (int stelle = 1; x != 0; stelle *= p, x /= p)
        r += (p - x % p) % p * stelle;
    return r;
}

int Feld::mul(int x, int y) const {
    if (x == 0 || y == 0)
        return 0;
    return exp[static_cast<std::size_t>(
        (log[static_cast<std::size_t>(x)] + log[static_cast<std::size_t>(y)]) % (q - 1))];
}

int Feld::inv(int x) const {
    return exp[static_cast<std::size_t>((q - 1 - log[static_cast<std::size_t>(x)]) % (q - 1))];
}

int Feld::frobenius(int x, int j) const {
    if (x == 0)
        return 0;
    long e = 1;
    for (int i = 0; i < j; ++i)
        e *= p;
    return exp[static_cast<std::size_t>(static_cast<long>(log[static_cast<std::size_t>(x)]) * e % (q - 1))];
}

std::optional<Feld> feldBauen(int q) {
    if (q < 2)
        return std::nullopt;
    int p = 2;
    while (q % p != 0)
        ++p;
    int m = 0, r = q;
    for (; r % p == 0; r /= p)
        ++m;
    if (r != 1)
        return std::nullopt;
    Feld f;
    f.q = q;
    f.p = p;
    f.m = m;
    // Multiplication by the primitive element: a primitive root mod p for m = 1, otherwise x
    // modulo a monic x^m + g whose root x has order q - 1 (which makes g irreducible as well).
    std::function<int(int)> malW;
    for (int g = m == 1 ? 2 : 0; g < (m == 1 ? std::max(p, 3) : q) && f.exp.empty(); ++g) {
        if (m == 1)
            malW = [p, g](int x) { return x * g % p; };
        else
            malW = [p, m, g, q](int x) {
                const int hoch = x / (q / p); // the coefficient that leaves the range
                int y = x % (q / p) * p;      // shifted up one digit
                int r = 0, gs = g;
                for (int stelle = 1, i = 0; i < m; ++i, stelle *= p, y /= p, gs /= p)
                    r += ((y % p - hoch * (gs % p)) % p + p) % p * stelle;
                return r;
            };
        std::vector<int> e{1};
        for (int x = malW(1); x != 1 && x != 0 && static_cast<int>(e.size()) < q; x = malW(x))
            e.push_back(x);
        if (static_cast<int>(e.size()) == q - 1 && malW(e.back()) == 1)
            f.exp = std::move(e);
    }
    if (q == 2)
        f.exp = {1};
    if (f.exp.empty())
        return std::nullopt;
    f.log.assign(static_cast<std::size_t>(q), 0);
    for (int i = 0; i < q - 1; ++i)
        f.log[static_cast<std::size_t>(f.exp[static_cast<std::size_t>(i)])] = i;
    return f;
}

namespace {

using Perm = std::vector<std::uint8_t>;

// Names by a stream: GCC 12 warns falsely on chains of std::string + std::to_string.
template <class... T> std::string text(const T&... teile) {
    std::ostringstream s;
    (s << ... << teile);
    return s.str();
}

struct Kandidat {
    Gruppe gruppe;
    long ordnung = 0; // as the theory says
};

// A permutation of 0..v-1 moving only the first n points, by the map f on them.
Perm abbildung(int v, int n, const std::function<int(int)>& f) {
    Perm p(static_cast<std::size_t>(v));
    for (int x = 0; x < v; ++x)
        p[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(x < n ? f(x) : x);
    return p;
}

std::string festText(int fest) {
    return fest == 0 ? "" : fest == 1 ? ", 1 fester Punkt" : text(", ", fest, " feste Punkte");
}

int potenz(int b, int e) {
    int r = 1;
    while (e-- > 0)
        r *= b;
    return r;
}

// The map g on GF(q), applied alike to each of c copies (points i*q + x); c = 1: the first q points.
Perm aufKopien(int v, int q, int c, const std::function<int(int)>& g) {
    return abbildung(v, c * q, [&](int x) { return x / q * q + g(x % q); });
}

// The translations x -> x + p^i that generate the additive group of GF(q), on c copies.
std::vector<Perm> translationen(int v, const Feld& f, int c) {
    std::vector<Perm> r;
    for (int i = 0; i < f.m; ++i) {
        const int basis = potenz(f.p, i);
        r.push_back(aufKopien(v, f.q, c, [&](int x) { return f.add(x, basis); }));
    }
    return r;
}

// Groups x -> a x^s + b on GF(q) = the first q points: a^d = 1, s of order e, and for d = e = 1
// the translation subgroups of order p^j.
void affineGruppen(int v, const Feld& f, int fest, std::vector<Kandidat>& r) {
    const int q = f.q;
    const std::vector<Perm> translation = translationen(v, f, 1);
    for (int j = 1; j < f.m; ++j) {
        const std::vector<Perm> erz(translation.begin(), translation.begin() + j);
        r.push_back(
            {gruppeErzeugen(v, erz,
                            text("Z", f.p, "^", j, " (Translationen) auf GF(", f.q, ")", festText(fest))),
             potenz(f.p, j)});
    }
    for (int d = 1; d <= q - 1; ++d) {
        if ((q - 1) % d != 0)
            continue;
        for (int e = 1; e <= f.m; ++e) {
            if (f.m % e != 0)
                continue;
            std::vector<Perm> erz = translation;
            if (d > 1) {
                const int a = f.exp[static_cast<std::size_t>((q - 1) / d)];
                erz.push_back(abbildung(v, q, [&](int x) { return f.mul(a, x); }));
            }
            if (e > 1)
                erz.push_back(abbildung(v, q, [&](int x) { return f.frobenius(x, f.m / e); }));
            std::string name;
            if (d == 1 && e == 1)
                name = text("Translationen von GF(", q, ")");
            else if (d == q - 1 && e == 1)
                name = text("AGL(1,", q, ")");
            else if (d == q - 1 && e == f.m)
                name = text("AΓL(1,", q, ")");
            else if (d == 1)
                name = text("x ↦ x^σ+b auf GF(", q, "), σ der Ordnung ", e);
            else
                name = text("x ↦ a·x", e > 1 ? "^σ" : "", "+b auf GF(", q, "), a^", d, "=1",
                            e > 1 ? text(", σ der Ordnung ", e) : "");
            r.push_back({gruppeErzeugen(v, erz, name + festText(fest)), static_cast<long>(q) * d * e});
        }
    }
}

// PSL, PGL and their extensions by field automorphisms on GF(q) + infinity = the first q + 1 points.
void projektiveGruppen(int v, const Feld& f, int fest, std::vector<Kandidat>& r) {
    const int q = f.q, n = q + 1, unendlich = q;
    std::vector<Perm> basis;
    for (int i = 0; i < f.m; ++i) {
        const int c = potenz(f.p, i);
        basis.push_back(abbildung(v, n, [&](int x) { return x == unendlich ? x : f.add(x, c); }));
    }
    // x -> -1/x swaps 0 and infinity.
    basis.push_back(abbildung(v, n, [&](int x) {
        return x == unendlich ? 0 : x == 0 ? unendlich : f.neg(f.inv(x));
    }));
    const auto mal = [&](int a) {
        return abbildung(v, n, [&, a](int x) { return x == unendlich ? x : f.mul(a, x); });
    };
    const long pgl = static_cast<long>(q) * (static_cast<long>(q) * q - 1);
    const bool ungerade = f.p != 2;
    for (int volle = ungerade ? 0 : 1; volle <= 1; ++volle) {
        // volle = 0: PSL (squares only); for even q PSL = PGL.
        std::vector<Perm> erz = basis;
        if (q > 2)
            erz.push_back(mal(f.exp[volle ? 1 : 2 % (q - 1)]));
        const long ordnung = volle || !ungerade ? pgl : pgl / 2;
        const std::string stamm = !ungerade ? "PSL" : volle ? "PGL" : "PSL";
        for (int e = 1; e <= f.m; ++e) {
            if (f.m % e != 0)
                continue;
            std::vector<Perm> mitF = erz;
            if (e > 1)
                mitF.push_back(
                    abbildung(v, n, [&](int x) { return x == unendlich ? x : f.frobenius(x, f.m / e); }));
            const std::string name = e == 1     ? text(stamm, "(2,", q, ")")
                                     : e == f.m ? text(volle || !ungerade ? "PΓL" : "PΣL", "(2,", q, ")")
                                                : text(stamm, "(2,", q, ")⋊Frobenius der Ordnung ", e);
            r.push_back({gruppeErzeugen(v, mitF, name + festText(fest)), ordnung * e});
        }
    }
}

// Groups x -> a x + b (a^d = 1) acting alike on c copies of GF(q) (points i*q + x): cyclic groups
// with a multiplier, the symmetry of many difference-family coverings on several cycles.
void diagonaleGruppen(int v, const Feld& f, int c, int fest, std::vector<Kandidat>& r) {
    const int q = f.q;
    const std::vector<Perm> translation = translationen(v, f, c);
    for (int d = 2; d <= q - 1; ++d) {
        if ((q - 1) % d != 0)
            continue;
        std::vector<Perm> erz = translation;
        const int a = f.exp[static_cast<std::size_t>((q - 1) / d)];
        erz.push_back(aufKopien(v, q, c, [&](int x) { return f.mul(a, x); }));
        r.push_back({gruppeErzeugen(v, erz,
                                    text("x ↦ a·x+b auf ", c, " Kopien von GF(", q, "), a^", d, "=1", festText(fest))),
                     static_cast<long>(q) * d});
    }
}

// Z_a x Z_b (a | b, so not cyclic) acting regularly on each of c blocks of a*b points, and
// Z_a x Z_b on a + b points, each factor turning its own cycle.
void produktGruppen(int v, int n, int fest, std::vector<Kandidat>& r) {
    for (int a = 2; a * a <= n; ++a)
        for (int b = a; a * b <= n; b += a) {
            if (n % (a * b) != 0)
                continue;
            const int ab = a * b;
            const Perm i =
                abbildung(v, n, [&](int x) { return x / ab * ab + ((x % ab) / b + 1) % a * b + x % b; });
            const Perm j =
                abbildung(v, n, [&](int x) { return x / ab * ab + (x % ab) / b * b + (x % b + 1) % b; });
            r.push_back({gruppeErzeugen(v, {i, j},
                                        text("Z", a, "×Z", b, " auf ", n / ab, " Bahn(en) zu ", ab,
                                             " Punkten", festText(fest))),
                         ab});
        }
    for (int a = 3; 2 * a <= n; ++a) {
        const int b = n - a;
        const Perm i = abbildung(v, n, [&](int x) { return x < a ? (x + 1) % a : x; });
        const Perm j = abbildung(v, n, [&](int x) { return x < a ? x : a + (x - a + 1) % b; });
        r.push_back({gruppeErzeugen(
                         v, {i, j},
                         text("Z", a, "×Z", b, " auf getrennten Zyklen (", a, "+", b, ")", festText(fest))),
                     static_cast<long>(a) * b});
    }
}

using Linear = std::function<void(std::vector<int>&)>;

// Linear maps that generate GL(n, q) on coordinate vectors: the first coordinate times a primitive
// element, the first plus the second, the cyclic shift and the swap of the first two; with
// semilinear also the Frobenius map on every coordinate (then GammaL).
std::vector<Linear> linearErzeuger(const Feld& f, int n, bool semilinear) {
    std::vector<Linear> r;
    if (f.q > 2)
        r.emplace_back([&f](std::vector<int>& c) { c[0] = f.mul(f.exp[1], c[0]); });
    r.emplace_back([&f](std::vector<int>& c) { c[0] = f.add(c[0], c[1]); });
    r.emplace_back([](std::vector<int>& c) { std::rotate(c.begin(), c.begin() + 1, c.end()); });
    if (n > 2)
        r.emplace_back([](std::vector<int>& c) { std::swap(c[0], c[1]); });
    if (semilinear)
        r.emplace_back([&f](std::vector<int>& c) {
            for (int& x : c)
                x = f.frobenius(x, 1);
        });
    return r;
}

std::vector<int> koordinaten(int x, int q, int n) {
    std::vector<int> c(static_cast<std::size_t>(n));
    for (int& ci : c) {
        ci = x % q;
        x /= q;
    }
    return c;
}

int nummer(const std::vector<int>& c, int q) {
    int x = 0;
    for (auto i = c.size(); i-- > 0;)
        x = x * q + c[i];
    return x;
}

long glOrdnung(int q, int n) {
    long r = 1, qn = potenz(q, n);
    for (long qi = 1; qi < qn; qi *= q)
        r *= qn - qi;
    return r;
}

// A large geometric group by its generators: too large to list as a candidate itself (then only
// subgroups are drawn from it), or listed whole.
struct GrosseGruppe {
    std::vector<Perm> erzeuger;
    std::string name;
    long ordnung = 0;
};

// (P)GL(n, q) and, for q not prime, (P)GammaL(n, q) on the points, where bild(x, a) is the point x
// under the linear map a; weitere are further generators (the translations of the affine group).
void lineareGruppen(int v, int punkte, const Feld& f, int n, const std::function<int(int, const Linear&)>& bild,
                    const std::vector<Perm>& weitere, const std::string& stamm, long ordnung, int fest,
                    std::vector<GrosseGruppe>& r) {
    for (const bool semi : {false, true}) {
        if (semi && f.m == 1)
            continue;
        std::vector<Perm> erz;
        for (const Linear& a : linearErzeuger(f, n, semi))
            erz.push_back(abbildung(v, punkte, [&](int x) { return bild(x, a); }));
        erz.insert(erz.end(), weitere.begin(), weitere.end());
        r.push_back({std::move(erz), text(stamm[0], semi ? "ΓL(" : "GL(", n, ",", f.q, ")", festText(fest)),
                     ordnung * (semi ? f.m : 1)});
    }
}

// AGL(n, q) and AGammaL(n, q) on the q^n points of the affine space (n >= 2) with the
// translations, and PGL, PGammaL(n, q) on the points of the projective space of dimension n - 1
// (n >= 3): the groups of the geometries on which many designs live.
std::vector<GrosseGruppe> geometrischeGruppen(int v, int fest) {
    std::vector<GrosseGruppe> r;
    const int punkte = v - fest;
    for (int q = 2; q <= punkte; ++q) {
        const auto f = feldBauen(q);
        if (!f)
            continue;
        for (int n = 2; potenz(q, n) <= punkte; ++n) {
            if (potenz(q, n) != punkte || punkte < 8)
                continue;
            const Perm translation = abbildung(v, punkte, [&](int x) {
                std::vector<int> c = koordinaten(x, q, n);
                c[0] = f->add(c[0], 1);
                return nummer(c, q);
            });
            lineareGruppen(
                v, punkte, *f, n,
                [&](int x, const Linear& a) {
                    std::vector<int> c = koordinaten(x, q, n);
                    a(c);
                    return nummer(c, q);
                },
                {translation}, "A", punkte * glOrdnung(q, n), fest, r);
        }
        for (int n = 3; (potenz(q, n) - 1) / (q - 1) <= punkte; ++n) {
            if ((potenz(q, n) - 1) / (q - 1) != punkte)
                continue;
            // The points: vectors whose first nonzero coordinate is 1.
            const auto ersteNichtNull = [](const std::vector<int>& c) {
                return *std::find_if(c.begin(), c.end(), [](int ci) { return ci != 0; });
            };
            std::map<std::vector<int>, int> index;
            for (int x = 1; x < potenz(q, n); ++x)
                if (std::vector<int> c = koordinaten(x, q, n); ersteNichtNull(c) == 1)
                    index.emplace(std::move(c), static_cast<int>(index.size()));
            std::vector<std::vector<int>> punkt(index.size());
            for (const auto& [c, i] : index)
                punkt[static_cast<std::size_t>(i)] = c;
            lineareGruppen(
                v, punkte, *f, n,
                [&](int x, const Linear& a) {
                    std::vector<int> c = punkt[static_cast<std::size_t>(x)];
                    a(c);
                    const int s = f->inv(ersteNichtNull(c));
                    for (int& ci : c)
                        ci = f->mul(s, ci);
                    return index.at(c);
                },
                {}, "P", glOrdnung(q, n) / (q - 1), fest, r);
        }
    }
    return r;
}

// The cycle type of every element, as a sorted list: equal for conjugate groups, so subgroups
// found twice (up to conjugacy, mostly) are kept once.
std::string zyklenProfil(const Gruppe& g) {
    std::vector<std::string> typen;
    for (const Perm& e : g.elemente) {
        std::vector<char> gesehen(e.size(), 0);
        std::string typ;
        for (std::size_t x = 0; x < e.size(); ++x) {
            int laenge = 0;
            for (std::size_t y = x; !gesehen[y]; y = e[y], ++laenge)
                gesehen[y] = 1;
            if (laenge > 0)
                typ += static_cast<char>(laenge);
        }
        std::sort(typ.begin(), typ.end());
        typen.push_back(std::move(typ));
    }
    std::sort(typen.begin(), typen.end());
    std::string r;
    for (const auto& t : typen)
        r += t + '|';
    return r;
}

// Point orbits of a group as "12+6+1".
std::string punktBahnen(const Gruppe& g) {
    const std::size_t v = static_cast<std::size_t>(g.v);
    std::vector<char> gesehen(v, 0);
    std::vector<int> laengen;
    for (std::size_t x = 0; x < v; ++x) {
        if (gesehen[x])
            continue;
        int n = 0;
        for (const Perm& e : g.elemente)
            if (!gesehen[e[x]]) {
                gesehen[e[x]] = 1;
                ++n;
            }
        laengen.push_back(n);
    }
    std::sort(laengen.rbegin(), laengen.rend());
    std::string r;
    for (int l : laengen)
        r += r.empty() ? text(l) : text("+", l);
    return r;
}

// Subgroups generated by one element or two (every einzeln-th try one) drawn by element, closures
// of at most hoechstens elements, one per cycle-type profile.
void untergruppenZiehen(int v, const std::string& von, int versuche, int einzeln, std::size_t hoechstens,
                        const std::function<Perm()>& element, std::vector<Kandidat>& r,
                        std::set<std::string>& profile) {
    for (int versuch = 0; versuch < versuche; ++versuch) {
        std::vector<Perm> erz{element()};
        if (versuch % einzeln != 0)
            erz.push_back(element());
        Gruppe h = gruppeErzeugen(v, erz, "", hoechstens);
        if (h.elemente.size() > hoechstens || h.elemente.size() < 2 || !profile.insert(zyklenProfil(h)).second)
            continue;
        const long ordnung = static_cast<long>(h.elemente.size());
        h.name = text("Untergruppe der Ordnung ", ordnung, " von ", von, " (Punktbahnen ", punktBahnen(h), ")");
        r.push_back({std::move(h), ordnung});
    }
}

// Proper subgroups of the listed catalogue groups, from random elements: the dihedral, A4, S4, A5
// and metacyclic subgroups of PSL(2, q) and AGammaL(1, q), among others.
void untergruppen(const Gruppe& g, std::vector<Kandidat>& r, std::set<std::string>& profile) {
    Zufall zufall(0x5eed0000u + static_cast<std::uint64_t>(g.elemente.size()) * 131u +
                  static_cast<std::uint64_t>(g.v));
    const auto n = static_cast<std::uint32_t>(g.elemente.size());
    untergruppenZiehen(
        g.v, g.name, 300, 4, g.elemente.size() - 1, [&] { return g.elemente[1 + zufall.unter(n - 1)]; }, r,
        profile);
}

// Subgroups of a geometric group from random words in its generators, each raised to a random
// power (which favours the smaller subgroups); at most 4000 elements.
void geometrischeUntergruppen(const GrosseGruppe& g, int v, std::vector<Kandidat>& r,
                              std::set<std::string>& profile) {
    Zufall zufall(0x9e0e0000u + static_cast<std::uint64_t>(g.ordnung) * 131u + static_cast<std::uint64_t>(v));
    const auto element = [&] {
        Perm p(static_cast<std::size_t>(v));
        std::iota(p.begin(), p.end(), std::uint8_t{0});
        for (int schritt = 0; schritt < 60; ++schritt) {
            const Perm& e = g.erzeuger[zufall.unter(static_cast<std::uint32_t>(g.erzeuger.size()))];
            for (auto& x : p)
                x = e[x];
        }
        Perm potenz = p;
        for (int j = static_cast<int>(zufall.unter(4)); j > 0; --j)
            for (std::size_t x = 0; x < potenz.size(); ++x)
                potenz[x] = p[potenz[x]];
        return potenz;
    };
    untergruppenZiehen(v, g.name, 600, 3, 4000, element, r, profile);
}

} // namespace

std::vector<Gruppe> gruppenKatalog(int v, int maxFest) {
    std::vector<Kandidat> alle;
    for (int fest = 0; fest <= maxFest; ++fest) {
        const int n = v - fest;
        if (n < 3)
            continue;
        if (const auto f = feldBauen(n))
            affineGruppen(v, *f, fest, alle);
        if (const auto f = feldBauen(n - 1))
            projektiveGruppen(v, *f, fest, alle);
        produktGruppen(v, n, fest, alle);
        for (int c = 2; c <= n / 3; ++c)
            if (n % c == 0)
                if (const auto f = feldBauen(n / c))
                    diagonaleGruppen(v, *f, c, fest, alle);
    }
    // Subgroups of the affine and projective groups.
    std::set<std::string> profile;
    for (const auto& k : alle)
        profile.insert(zyklenProfil(k.gruppe));
    const std::size_t grosse = alle.size();
    for (std::size_t i = 0; i < grosse; ++i) {
        const Gruppe g = alle[i].gruppe; // alle grows below
        const std::string& name = g.name;
        if (name.starts_with("AGL") || name.starts_with("AΓL") || name.starts_with("PSL") ||
            name.starts_with("PGL") || name.starts_with("PΓL"))
            untergruppen(g, alle, profile);
    }
    // The groups of the higher-dimensional geometries: whole when small enough to list, and their
    // subgroups by random words.
    constexpr long ganzBis = 200'000;
    for (int fest = 0; fest <= maxFest; ++fest)
        for (const GrosseGruppe& g : geometrischeGruppen(v, fest)) {
            if (g.ordnung <= ganzBis) {
                Gruppe ganz = gruppeErzeugen(v, g.erzeuger, g.name);
                profile.insert(zyklenProfil(ganz));
                alle.push_back({std::move(ganz), g.ordnung});
            }
            geometrischeUntergruppen(g, v, alle, profile);
        }
    std::vector<Gruppe> r;
    std::set<std::string> gesehen; // the sorted elements, as one string

    for (auto& k : alle) {
        if (static_cast<long>(k.gruppe.elemente.size()) != k.ordnung) {
            std::cerr << "Gruppenkatalog: " << k.gruppe.name << " hat Ordnung " << k.gruppe.elemente.size()
                      << " statt " << k.ordnung << "; ausgelassen\n";
            continue;
        }
        std::vector<std::string> elemente;
        for (const Perm& e : k.gruppe.elemente)
            elemente.emplace_back(e.begin(), e.end());
        std::sort(elemente.begin(), elemente.end());
        std::string schluessel;
        for (const auto& e : elemente)
            schluessel += e;
        if (k.ordnung > 1 && gesehen.insert(std::move(schluessel)).second)
            r.push_back(std::move(k.gruppe));
    }
    std::stable_sort(r.begin(), r.end(),
                     [](const Gruppe& a, const Gruppe& b) { return a.elemente.size() > b.elemente.size(); });
    // Distinct names: the searches pick and skip groups by name.
    std::map<std::string, int> namen;
    for (Gruppe& g : r)
        if (const int n = ++namen[g.name]; n > 1)
            g.name += text(" Nr. ", n);
    return r;
}

std::vector<GruppenWahl> katalogFuer(int v, int k, int t, int b, long maxBahnen, int maxFest) {
    (void)t;
    std::vector<GruppenWahl> r;
    for (Gruppe& g : gruppenKatalog(v, maxFest)) {
        const long n = static_cast<long>(g.elemente.size());
        if (static_cast<double>(binom.c[v][k]) / static_cast<double>(n) > static_cast<double>(maxBahnen))
            continue;
        r.push_back({std::move(g), static_cast<int>(b / n), static_cast<int>(b % n)});
    }
    return r;
}

} // namespace kb::reihen
