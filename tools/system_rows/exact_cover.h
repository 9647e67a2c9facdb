#pragma once

// Exact cover by dancing links (Knuth's algorithm X): choose rows so that every column lies in
// exactly one of them; the column with the fewest rows left is branched on first.

#include <numeric>
#include <optional>
#include <vector>

namespace kb::reihen {

// Rows list their columns (0..spalten-1).
class ExakteUeberdeckung {
public:
    ExakteUeberdeckung(int spalten, const std::vector<std::vector<int>>& zeilen) {
        const int knoten = 1 + spalten +
                           std::accumulate(zeilen.begin(), zeilen.end(), 0,
                                           [](int s, const auto& z) { return s + static_cast<int>(z.size()); });
        m_l.resize(knoten);
        m_r.resize(knoten);
        m_u.resize(knoten);
        m_d.resize(knoten);
        m_c.resize(knoten);
        m_zeile.resize(knoten, -1);
        m_groesse.assign(static_cast<std::size_t>(spalten + 1), 0);
        for (int i = 0; i <= spalten; ++i) {
            m_l[i] = i == 0 ? spalten : i - 1;
            m_r[i] = i == spalten ? 0 : i + 1;
            m_u[i] = m_d[i] = m_c[i] = i;
        }
        int neu = spalten + 1;
        for (std::size_t z = 0; z < zeilen.size(); ++z) {
            int erster = -1;
            for (int spalte : zeilen[z]) {
                const int c = spalte + 1, x = neu++;
                m_c[x] = c;
                m_zeile[x] = static_cast<int>(z);
                m_u[x] = m_u[c];
                m_d[x] = c;
                m_d[m_u[c]] = x;
                m_u[c] = x;
                ++m_groesse[c];
                if (erster < 0) {
                    erster = x;
                    m_l[x] = m_r[x] = x;
                } else {
                    m_l[x] = m_l[erster];
                    m_r[x] = erster;
                    m_r[m_l[erster]] = x;
                    m_l[erster] = x;
                }
            }
        }
    }

    // The chosen rows, or nothing when there is no cover or the node limit is reached.
    std::optional<std::vector<int>> loesen(long grenze) {
        m_knoten = 0;
        m_grenze = grenze;
        m_wahl.clear();
        if (suchen())
            return m_wahl;
        return std::nullopt;
    }

    long knoten() const { return m_knoten; }

private:
    void bedecken(int c) {
        m_r[m_l[c]] = m_r[c];
        m_l[m_r[c]] = m_l[c];
        for (int i = m_d[c]; i != c; i = m_d[i])
            for (int j = m_r[i]; j != i; j = m_r[j]) {
                m_d[m_u[j]] = m_d[j];
                m_u[m_d[j]] = m_u[j];
                --m_groesse[m_c[j]];
            }
    }
    void aufdecken(int c) {
        for (int i = m_u[c]; i != c; i = m_u[i])
            for (int j = m_l[i]; j != i; j = m_l[j]) {
                ++m_groesse[m_c[j]];
                m_d[m_u[j]] = j;
                m_u[m_d[j]] = j;
            }
        m_r[m_l[c]] = c;
        m_l[m_r[c]] = c;
    }
    bool suchen() {
        if (m_r[0] == 0)
            return true;
        if (++m_knoten > m_grenze)
            return false;
        int c = m_r[0];
        for (int j = m_r[c]; j != 0; j = m_r[j])
            if (m_groesse[j] < m_groesse[c])
                c = j;
        if (m_groesse[c] == 0)
            return false;
        bedecken(c);
        for (int i = m_d[c]; i != c; i = m_d[i]) {
            m_wahl.push_back(m_zeile[i]);
            for (int j = m_r[i]; j != i; j = m_r[j])
                bedecken(m_c[j]);
            const bool fertig = suchen();
            for (int j = m_l[i]; j != i; j = m_l[j])
                aufdecken(m_c[j]);
            if (fertig)
                return true;
            m_wahl.pop_back();
            if (m_knoten > m_grenze)
                break;
        }
        aufdecken(c);
        return false;
    }

    std::vector<int> m_l, m_r, m_u, m_d, m_c, m_zeile, m_groesse, m_wahl;
    long m_knoten = 0, m_grenze = 0;
};

} // namespace kb::reihen
