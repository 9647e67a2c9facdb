#include "row_sort.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>
#include <vector>

namespace kb {

namespace {

const QString FalscheZeilen = QStringLiteral("Falsche Zeilenangabe");
const QString KeineZahl = QStringLiteral("Werte entsprechen nicht dem Typ Zahl");

// Empty cells sort as the smallest positive value: after 0 and the negatives, before 1.
constexpr double LeerWert = std::numeric_limits<double>::denorm_min();

std::optional<double> sortWert(const ZellenTabelle& t, int spalte, int zeile, const QLocale& locale) {
    if (t.zelleLeer(spalte, zeile))
        return LeerWert;
    if (const auto g = t.alsGanzzahl(spalte, zeile))
        return static_cast<double>(*g);
    QString text = t.zelle(spalte, zeile);
    text.remove(QLatin1Char('.'));
    bool ok = false;
    const double wert = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

// Small whole numbers and empty cells as codes in sort order: 0 -> 0, empty -> 1, n -> n + 1.
// -1 when the cell needs the general comparison.
int kurzCode(const ZellenTabelle& t, int spalte, int zeile) {
    if (t.zelleLeer(spalte, zeile))
        return 1;
    const auto g = t.alsGanzzahl(spalte, zeile);
    if (!g || *g < 0 || *g > 255)
        return -1;
    return *g == 0 ? 0 : *g + 1;
}

// Tables of small numbers (all tip-row tables): every row's keys and its index packed into
// one 64-bit word, then a stable LSD radix sort over the key bits only.
std::optional<std::vector<int>> packenUndSortieren(const ZellenTabelle& t, const QVector<int>& spalten,
                                                   int erste, int n) {
    const int k = static_cast<int>(spalten.size());
    std::vector<std::uint16_t> codes(static_cast<std::size_t>(n) * static_cast<std::size_t>(k));
    int groesster = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < k; ++j) {
            const int c = kurzCode(t, spalten[j], erste + i);
            if (c < 0)
                return std::nullopt;
            codes[static_cast<std::size_t>(i) * static_cast<std::size_t>(k) + static_cast<std::size_t>(j)] =
                static_cast<std::uint16_t>(c);
            groesster = std::max(groesster, c);
        }
    const int codeBits = std::max(1, static_cast<int>(std::bit_width(static_cast<unsigned>(groesster))));
    const int indexBits = std::max(1, static_cast<int>(std::bit_width(static_cast<unsigned>(n))));
    const int schluesselBits = codeBits * k;
    if (schluesselBits + indexBits > 64)
        return std::nullopt;

    std::vector<std::uint64_t> a(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        std::uint64_t s = 0;
        for (int j = 0; j < k; ++j)
            s = (s << codeBits) | codes[static_cast<std::size_t>(i) * static_cast<std::size_t>(k) +
                                        static_cast<std::size_t>(j)];
        a[static_cast<std::size_t>(i)] = (s << indexBits) | static_cast<std::uint64_t>(i);
    }
    codes = {};

    constexpr int ZiffernBits = 11;
    constexpr std::size_t Faecher = std::size_t{1} << ZiffernBits;
    std::vector<std::uint64_t> b(a.size());
    std::vector<std::size_t> zaehler(Faecher);
    for (int verschiebung = indexBits; verschiebung < indexBits + schluesselBits;
         verschiebung += ZiffernBits) {
        std::fill(zaehler.begin(), zaehler.end(), 0);
        for (std::uint64_t w : a)
            ++zaehler[(w >> verschiebung) & (Faecher - 1)];
        if (std::find(zaehler.begin(), zaehler.end(), a.size()) != zaehler.end())
            continue; // one digit everywhere: this pass would change nothing
        std::size_t summe = 0;
        for (std::size_t& z : zaehler)
            summe += std::exchange(z, summe);
        for (std::uint64_t w : a)
            b[zaehler[(w >> verschiebung) & (Faecher - 1)]++] = w;
        a.swap(b);
    }
    std::vector<int> reihenfolge(static_cast<std::size_t>(n));
    const std::uint64_t indexMaske = (std::uint64_t{1} << indexBits) - 1;
    for (int i = 0; i < n; ++i)
        reihenfolge[static_cast<std::size_t>(i)] =
            static_cast<int>(a[static_cast<std::size_t>(i)] & indexMaske);
    return reihenfolge;
}

} // namespace

Status ReihenSortieren(ZellenTabelle& t, const QVector<int>& spalten, int erste, int letzte,
                       const QLocale& locale) {
    if (letzte > t.zeilenAnzahl() - 1 || erste > letzte || erste < ZellenTabelle::FesteZeilen)
        return Fehler{FalscheZeilen};
    const int n = letzte - erste + 1;
    if (spalten.isEmpty() || n == 1)
        return {};

    if (auto schnell = packenUndSortieren(t, spalten, erste, n)) {
        t.zeilenUmordnen(erste, *schnell);
        return {};
    }

    const int k = static_cast<int>(spalten.size());
    std::vector<double> werte(static_cast<std::size_t>(n) * static_cast<std::size_t>(k));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < k; ++j) {
            const auto w = sortWert(t, spalten[j], erste + i, locale);
            if (!w)
                return Fehler{KeineZahl};
            werte[static_cast<std::size_t>(i) * static_cast<std::size_t>(k) + static_cast<std::size_t>(j)] =
                *w;
        }
    std::vector<int> reihenfolge(static_cast<std::size_t>(n));
    std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [&](int x, int y) {
        const double* a = &werte[static_cast<std::size_t>(x) * static_cast<std::size_t>(k)];
        const double* b = &werte[static_cast<std::size_t>(y) * static_cast<std::size_t>(k)];
        return std::lexicographical_compare(a, a + k, b, b + k);
    });
    t.zeilenUmordnen(erste, reihenfolge);
    return {};
}

} // namespace kb
