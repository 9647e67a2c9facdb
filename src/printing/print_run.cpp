#include "print_run.h"

#include "core/row_table.h"
#include "slip_geometry.h"

#include <algorithm>
#include <limits>

namespace kb {

Result<std::optional<int>> ScheinAnzahl(const QString& start, const QString& ende, int anordnung) {
    if (start.isEmpty() || ende.isEmpty())
        return std::optional<int>{};
    const int s = GanzzahlAusText(start).value_or(0);
    const int e = GanzzahlAusText(ende).value_or(0);
    if (s == 0 || e == 0 || e < s)
        return Fehler{QStringLiteral("Bitte überpfrüfen Sie die Angaben für Start und Ende des Ausdrucks.\r\r"
                                     "Ich breche ab.")};
    if (anordnung < 0 || anordnung >= AnordnungAnzahl)
        return Fehler{Scheingeometrie::AnordnungFehlt(QStringLiteral("das Drucken"))};
    const int f = Anordnungen[anordnung].felder;
    const qint64 m = qint64{e} - s + 1;
    return std::optional<int>(static_cast<int>(m <= f ? 1 : (m + f - 1) / f));
}

Druckablauf::Druckablauf(QVector<std::array<QString, 6>> zeilen, int s, int e, TScheinFormat format,
                         DruckVorgaben vorgaben)
    : m_zeilen(std::move(zeilen)), m_r(s), m_e(e), m_erste(s), m_nummer(vorgaben.startNr - 1),
      m_format(format), m_v(vorgaben) {
    m_v.felderProSchein = std::clamp(m_v.felderProSchein, 1, MaxTippfelder);
}

QPoint Druckablauf::seitenPunkt(int x, int y) const {
    // A broken format file may hold any coordinates: a mark that lies off the page stays
    // off it instead of overflowing.
    const auto lage = [](qint64 wert, int rand, int versatz) {
        return static_cast<int>(std::clamp<qint64>(wert - rand + versatz, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
    };
    return {lage(x, m_v.rand.x(), m_v.hori), lage(y, m_v.rand.y(), m_v.vert)};
}

Result<Schein> Druckablauf::naechsterSchein() {
    Schein s;
    m_erste = m_r;
    s.ersteReihe = m_r;
    int n = 0;
    while (m_r <= m_e) {
        ++n;
        if (m_r >= 1 && m_r <= m_zeilen.size()) {
            for (const QString& zelle : m_zeilen[m_r - 1]) {
                if (zelle.isEmpty())
                    continue;
                const std::optional<int> k = GanzzahlAusText(zelle);
                if (!k)
                    return Fehler{KonvertierungsFehler(zelle)};
                // Numbers outside the field and boxes never measured get no cross.
                if (*k < 1 || *k > 49)
                    continue;
                const auto& a = m_format.A[n - 1][*k - 1];
                if (a[0] > 0 && a[1] > 0)
                    s.zeichen.append({seitenPunkt(a[0], a[1]), QStringLiteral("x")});
            }
        }
        ++m_r;
        if (n == m_v.felderProSchein)
            break;
    }
    s.letzteReihe = m_r - 1;
    s.nummer = ++m_nummer;
    zusatzZeichnen(s);
    return s;
}

void Druckablauf::zusatzZeichnen(Schein& s) const {
    const auto kreuz = [&](int index) {
        const std::optional<int>& x = m_v.zusatz[index];
        const std::optional<int>& y = m_v.zusatz[index + 1];
        if (x && y)
            s.zeichen.append({seitenPunkt(*x, *y), QStringLiteral("x")});
    };
    for (int i = 1; i <= 4; ++i)
        kreuz(ZusatzIndex(i, m_v.zusatzAn[i - 1] ? 1 : 2, 1));
    for (int i = 5; i <= 6; ++i)
        if (m_v.zusatzAn[i - 1])
            kreuz(ZusatzIndex(i, 1, 1));
    if (m_v.nrDrucken && m_v.nrX && m_v.nrY)
        s.zeichen.append({seitenPunkt(*m_v.nrX, *m_v.nrY), QString::number(s.nummer)});
}

void Druckablauf::wiederholen() {
    m_r = m_erste;
    --m_nummer;
}

DruckEinstellungen DruckEinstellungenLesen(const IniDatei& ini) {
    DruckEinstellungen e;
    for (int i = 0; i < 6; ++i)
        e.zusatz[i] = ini.ReadBool(DruckAbschnitt, QStringLiteral("Zusatz%1").arg(i + 1), false);
    e.scheinNr = ini.ReadBool(DruckAbschnitt, QStringLiteral("ScheinNr"), false);
    e.fragen = ini.ReadBool(DruckAbschnitt, QStringLiteral("Fragen"), true);
    e.formatdatei = ini.ReadString(DruckAbschnitt, QStringLiteral("Formatdatei"), QString());
    return e;
}

void DruckEinstellungenSchreiben(IniDatei& ini, const DruckEinstellungen& e) {
    for (int i = 0; i < 6; ++i)
        ini.WriteBool(DruckAbschnitt, QStringLiteral("Zusatz%1").arg(i + 1), e.zusatz[i]);
    ini.WriteBool(DruckAbschnitt, QStringLiteral("ScheinNr"), e.scheinNr);
    ini.WriteBool(DruckAbschnitt, QStringLiteral("Fragen"), e.fragen);
}

} // namespace kb
