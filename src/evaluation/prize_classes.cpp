#include "prize_classes.h"

#include "quotas/quota_file.h"

#include <cmath>

namespace kb {

const std::array<QString, 10> KlassenTexte = {
    QString(),          QStringLiteral("6 + SZ"), QStringLiteral("6"), QStringLiteral("5 + SZ"),
    QStringLiteral("5"), QStringLiteral("4 + SZ"), QStringLiteral("4"), QStringLiteral("3 + SZ"),
    QStringLiteral("3"), QStringLiteral("2 + SZ")};

namespace {
constexpr bool klassenUmkehrbar() {
    for (int treffer = 0; treffer <= 6; ++treffer)
        for (bool sz : {false, true})
            if (const int k = Gewinnklasse(treffer, sz); k > 0 && TrefferDerKlasse(k) != treffer)
                return false;
    return true;
}
static_assert(klassenUmkehrbar());

// Exact date equality for whole-day dates; fractional dates never equal a draw date.
bool ganzerTag(TDate d, qint64& tag) {
    if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 1e9)
        return false;
    tag = static_cast<qint64>(d);
    return true;
}
} // namespace

QuotenSuche::QuotenSuche(const QVector<TQuoten>& liste) : m_liste(liste) {
    m_leer = liste.isEmpty();
    if (m_leer)
        return;
    m_letztes = liste.constLast().datum;
    m_ersterIndex.reserve(liste.size());
    for (qsizetype i = 0; i < liste.size(); ++i) {
        qint64 tag = 0;
        if (ganzerTag(liste[i].datum, tag) && !m_ersterIndex.contains(tag))
            m_ersterIndex.insert(tag, i);
    }
}

Geld QuotenSuche::betrag(int klasse, TDate datum) const {
    if (klasse < 1 || klasse > 9)
        return 0;
    if (!m_leer && datum <= m_letztes) {
        qint64 tag = 0;
        if (ganzerTag(datum, tag)) {
            const auto it = m_ersterIndex.constFind(tag);
            if (it != m_ersterIndex.constEnd())
                return m_liste[*it].q[klasse];
        }
    }
    return StandardquotenFuer(datum).q[klasse];
}

} // namespace kb
