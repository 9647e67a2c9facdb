#include "row_table.h"

#include <algorithm>
#include <limits>

namespace kb {

std::optional<int> GanzzahlAusText(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negativ = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    std::int64_t wert = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        wert = wert * 10 + (c - u'0');
        if (wert > std::int64_t{std::numeric_limits<int>::max()} + 1)
            return std::nullopt;
    }
    if (negativ)
        wert = -wert;
    if (wert > std::numeric_limits<int>::max() || wert < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(wert);
}

QString KonvertierungsFehler(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}

void ZellenTabelle::zeilenUmordnen(int erste, const std::vector<int>& reihenfolge) {
    const int n = static_cast<int>(reihenfolge.size());
    const int spalten = spaltenAnzahl();
    std::vector<QStringList> alt(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        for (int s = FesteSpalten; s < spalten; ++s)
            alt[static_cast<std::size_t>(i)].append(zelle(s, erste + i));
    for (int i = 0; i < n; ++i) {
        const QStringList& quelle = alt[static_cast<std::size_t>(reihenfolge[static_cast<std::size_t>(i)])];
        for (int s = FesteSpalten; s < spalten; ++s)
            setzeZelle(s, erste + i, quelle.at(s - FesteSpalten));
    }
}

std::shared_ptr<const ZellenTabelle> ZellenTabelle::schnappschuss() const {
    auto kopie = std::make_shared<TextTabelle>(zeilenAnzahl(), spaltenAnzahl());
    for (int z = 0; z < zeilenAnzahl(); ++z)
        for (int s = 0; s < spaltenAnzahl(); ++s)
            kopie->setzeZelle(s, z, zelle(s, z));
    return kopie;
}

TextTabelle::TextTabelle(int zeilen, int spalten)
    : m_spalten(std::max(spalten, 1)), m_zellen(std::max(zeilen, 1), QStringList(std::max(spalten, 1))) {}

QString TextTabelle::zelle(int spalte, int zeile) const {
    if (zeile < 0 || zeile >= m_zellen.size() || spalte < 0 || spalte >= m_spalten)
        return {};
    return m_zellen[zeile][spalte];
}

void TextTabelle::setzeZelle(int spalte, int zeile, const QString& text) {
    if (zeile >= 0 && zeile < m_zellen.size() && spalte >= 0 && spalte < m_spalten)
        m_zellen[zeile][spalte] = text;
}

std::shared_ptr<const ZellenTabelle> TextTabelle::schnappschuss() const {
    return std::make_shared<TextTabelle>(*this);
}

namespace {

// 1..255 written plainly (no sign, blank or leading zero); -1 for any other text.
int kompakteZahl(QStringView t) {
    if (t.isEmpty() || t.size() > 3 || t[0] == QLatin1Char('0'))
        return -1;
    int wert = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        wert = wert * 10 + (c.unicode() - u'0');
    }
    return wert <= 255 ? wert : -1;
}

} // namespace

TippreihenDaten::TippreihenDaten(int zeilen, int spalten) : m_spalten(std::clamp(spalten, 1, MaxSpalten)) {
    m_kopf = StandardKopf();
    setzeSpaltenAnzahl(m_spalten);
    setzeZeilenAnzahl(zeilen);
}

QStringList TippreihenDaten::StandardKopf() {
    return {QStringLiteral("Reihe"), QStringLiteral(" Z1"), QStringLiteral(" Z2"), QStringLiteral(" Z3"),
            QStringLiteral(" Z4"),   QStringLiteral(" Z5"), QStringLiteral(" Z6")};
}

const QString* TippreihenDaten::text(int spalte, int zeile) const {
    if (!(m_flags[static_cast<std::size_t>(zeile - 1)] & HatText))
        return nullptr;
    const auto it = m_texte.constFind(schluessel(spalte, zeile));
    return it == m_texte.constEnd() ? nullptr : &it.value();
}

void TippreihenDaten::textEntfernen(int spalte, int zeile) {
    std::uint8_t& flags = m_flags[static_cast<std::size_t>(zeile - 1)];
    if (!(flags & HatText))
        return;
    m_texte.remove(schluessel(spalte, zeile));
    for (int s = 0; s < m_spalten; ++s)
        if (m_texte.contains(schluessel(s, zeile)))
            return;
    flags &= static_cast<std::uint8_t>(~HatText);
}

void TippreihenDaten::textSetzen(int spalte, int zeile, const QString& text) {
    m_texte.insert(schluessel(spalte, zeile), text);
    m_flags[static_cast<std::size_t>(zeile - 1)] |= HatText;
}

QString TippreihenDaten::zelle(int spalte, int zeile) const {
    if (!gueltig(spalte, zeile))
        return {};
    if (zeile == 0)
        return m_kopf.value(spalte);
    if (const QString* t = text(spalte, zeile))
        return *t;
    const std::size_t i = static_cast<std::size_t>(zeile - 1);
    if (spalte == 0)
        return (m_flags[i] & Nummer) ? QString::number(zeile) : QString();
    if (spalte <= ZahlSpalten) {
        const int b = m_zahlen[i][static_cast<std::size_t>(spalte - 1)];
        return b ? QString::number(b) : QString();
    }
    return {};
}

bool TippreihenDaten::zelleLeer(int spalte, int zeile) const {
    if (!gueltig(spalte, zeile) || zeile == 0)
        return zelle(spalte, zeile).isEmpty();
    if (const QString* t = text(spalte, zeile))
        return t->isEmpty();
    const std::size_t i = static_cast<std::size_t>(zeile - 1);
    if (spalte == 0)
        return !(m_flags[i] & Nummer);
    return spalte > ZahlSpalten || m_zahlen[i][static_cast<std::size_t>(spalte - 1)] == 0;
}

std::optional<int> TippreihenDaten::alsGanzzahl(int spalte, int zeile) const {
    if (gueltig(spalte, zeile) && zeile > 0 && spalte >= 1 && spalte <= ZahlSpalten && !text(spalte, zeile)) {
        const int b = m_zahlen[static_cast<std::size_t>(zeile - 1)][static_cast<std::size_t>(spalte - 1)];
        return b ? std::optional<int>(b) : std::nullopt;
    }
    return GanzzahlAusText(zelle(spalte, zeile));
}

void TippreihenDaten::setzeZelle(int spalte, int zeile, const QString& t) {
    if (!gueltig(spalte, zeile))
        return;
    if (zeile == 0) {
        while (m_kopf.size() <= spalte)
            m_kopf.append(QString());
        m_kopf[spalte] = t;
        return;
    }
    const std::size_t i = static_cast<std::size_t>(zeile - 1);
    if (spalte == 0) {
        const bool eigeneNummer = t == QString::number(zeile);
        if (eigeneNummer || t.isEmpty()) {
            textEntfernen(0, zeile);
            if (eigeneNummer)
                m_flags[i] |= Nummer;
            else
                m_flags[i] &= static_cast<std::uint8_t>(~Nummer);
        } else {
            textSetzen(0, zeile, t);
        }
        return;
    }
    if (spalte <= ZahlSpalten) {
        const int b = kompakteZahl(t);
        m_zahlen[i][static_cast<std::size_t>(spalte - 1)] = static_cast<std::uint8_t>(std::max(b, 0));
        if (b > 0 || t.isEmpty())
            textEntfernen(spalte, zeile);
        else
            textSetzen(spalte, zeile, t);
        return;
    }
    if (t.isEmpty())
        textEntfernen(spalte, zeile);
    else
        textSetzen(spalte, zeile, t);
}

void TippreihenDaten::setzeReihe(int zeile, const Tippreihe& zahlen) {
    if (zeile < 1 || zeile >= zeilenAnzahl())
        return;
    const std::size_t i = static_cast<std::size_t>(zeile - 1);
    if (m_flags[i] & HatText) {
        for (int s = 0; s <= ZahlSpalten && s < m_spalten; ++s)
            textEntfernen(s, zeile);
    }
    m_flags[i] |= Nummer;
    for (int s = 1; s <= ZahlSpalten; ++s) {
        const std::uint8_t z = zahlen[static_cast<std::size_t>(s - 1)];
        if (s >= m_spalten) {
            m_zahlen[i][static_cast<std::size_t>(s - 1)] = 0;
        } else if (z == 0) {
            m_zahlen[i][static_cast<std::size_t>(s - 1)] = 0;
            textSetzen(s, zeile, QStringLiteral("0"));
        } else {
            m_zahlen[i][static_cast<std::size_t>(s - 1)] = z;
        }
    }
}

void TippreihenDaten::zeilenUmordnen(int erste, const std::vector<int>& reihenfolge) {
    const int n = static_cast<int>(reihenfolge.size());
    if (erste < 1 || erste + n > zeilenAnzahl())
        return;
    const std::size_t basis = static_cast<std::size_t>(erste - 1);
    std::vector<Tippreihe> zahlen(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        zahlen[static_cast<std::size_t>(i)] =
            m_zahlen[basis + static_cast<std::size_t>(reihenfolge[static_cast<std::size_t>(i)])];
    // Column 0 keeps its place: the row-number flag stays with the position.
    QHash<quint64, QString> verschoben;
    if (!m_texte.isEmpty()) {
        for (int i = 0; i < n; ++i) {
            const int alt = erste + reihenfolge[static_cast<std::size_t>(i)];
            if (!(m_flags[static_cast<std::size_t>(alt - 1)] & HatText))
                continue;
            for (int s = 1; s < m_spalten; ++s) {
                const auto it = m_texte.constFind(schluessel(s, alt));
                if (it != m_texte.constEnd())
                    verschoben.insert(schluessel(s, erste + i), it.value());
            }
        }
        for (int i = 0; i < n; ++i)
            if (m_flags[basis + static_cast<std::size_t>(i)] & HatText)
                for (int s = 1; s < m_spalten; ++s)
                    m_texte.remove(schluessel(s, erste + i));
    }
    for (int i = 0; i < n; ++i) {
        const std::size_t ziel = basis + static_cast<std::size_t>(i);
        m_zahlen[ziel] = zahlen[static_cast<std::size_t>(i)];
        const bool nummer = m_flags[ziel] & Nummer;
        const bool text0 = !m_texte.isEmpty() && m_texte.contains(schluessel(0, erste + i));
        m_flags[ziel] = static_cast<std::uint8_t>((nummer ? Nummer : 0) | (text0 ? HatText : 0));
    }
    for (auto it = verschoben.cbegin(); it != verschoben.cend(); ++it) {
        const int zeile = static_cast<int>(it.key() >> 20);
        textSetzen(static_cast<int>(it.key() & 0xFFFFF), zeile, it.value());
    }
}

std::shared_ptr<const ZellenTabelle> TippreihenDaten::schnappschuss() const {
    return std::make_shared<TippreihenDaten>(*this);
}

void TippreihenDaten::setzeKopf(const QStringList& kopf) {
    m_kopf = kopf;
    while (m_kopf.size() < m_spalten)
        m_kopf.append(QString());
}

void TippreihenDaten::setzeZeilenAnzahl(int zeilen) {
    const std::size_t neu = static_cast<std::size_t>(std::max(zeilen, 1) - 1);
    if (neu < m_zahlen.size() && !m_texte.isEmpty()) {
        for (auto it = m_texte.begin(); it != m_texte.end();) {
            if ((it.key() >> 20) > neu)
                it = m_texte.erase(it);
            else
                ++it;
        }
    }
    m_zahlen.resize(neu, Tippreihe{});
    m_flags.resize(neu, 0);
}

void TippreihenDaten::setzeSpaltenAnzahl(int spalten) {
    spalten = std::clamp(spalten, 1, MaxSpalten);
    if (spalten < m_spalten) {
        for (auto& r : m_zahlen)
            for (int s = spalten; s <= ZahlSpalten; ++s)
                r[static_cast<std::size_t>(s - 1)] = 0;
        for (auto it = m_texte.begin(); it != m_texte.end();) {
            if (static_cast<int>(it.key() & 0xFFFFF) >= spalten)
                it = m_texte.erase(it);
            else
                ++it;
        }
    }
    m_spalten = spalten;
    while (m_kopf.size() < m_spalten)
        m_kopf.append(QString());
    while (m_kopf.size() > m_spalten)
        m_kopf.removeLast();
}

void TippreihenDaten::datenLeeren() {
    std::fill(m_zahlen.begin(), m_zahlen.end(), Tippreihe{});
    for (auto it = m_texte.begin(); it != m_texte.end();) {
        if ((it.key() & 0xFFFFF) != 0)
            it = m_texte.erase(it);
        else
            ++it;
    }
    for (std::size_t i = 0; i < m_flags.size(); ++i) {
        const bool text0 = !m_texte.isEmpty() && m_texte.contains(schluessel(0, static_cast<int>(i + 1)));
        m_flags[i] = static_cast<std::uint8_t>((m_flags[i] & Nummer) | (text0 ? HatText : 0));
    }
}

} // namespace kb
