#pragma once

#include "ticket_file.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace kb {

// Whole number as the runtime's integer conversion reads it: optional leading blanks,
// an optional sign, decimal digits, nothing after them; must fit in 32 bits.
std::optional<int> GanzzahlAusText(QStringView text);
// "'x' ist kein gültiger Integerwert": the conversion error shown for such a text.
QString KonvertierungsFehler(const QString& text);

// A table of cell texts addressed as (column, row). Row 0 holds the headings and column 0
// the row numbers; both are fixed. Export, sort and the readers work only through this.
class ZellenTabelle {
public:
    static constexpr int FesteZeilen = 1;
    static constexpr int FesteSpalten = 1;

    virtual ~ZellenTabelle() = default;

    virtual int zeilenAnzahl() const = 0;  // heading row included
    virtual int spaltenAnzahl() const = 0; // row-number column included
    virtual QString zelle(int spalte, int zeile) const = 0;
    virtual void setzeZelle(int spalte, int zeile, const QString& text) = 0;

    // Fast paths for big tables; the defaults go through the cell texts.
    virtual bool zelleLeer(int spalte, int zeile) const { return zelle(spalte, zeile).isEmpty(); }
    virtual std::optional<int> alsGanzzahl(int spalte, int zeile) const {
        return GanzzahlAusText(zelle(spalte, zeile));
    }
    // New data row erste + i takes the cells of old row erste + reihenfolge[i]; column 0 stays.
    virtual void zeilenUmordnen(int erste, const std::vector<int>& reihenfolge);
    // An independent copy that a worker thread may read while this table changes.
    virtual std::shared_ptr<const ZellenTabelle> schnappschuss() const;
};

// Plain grid of strings, for small tables and as the generic copy.
class TextTabelle final : public ZellenTabelle {
public:
    TextTabelle(int zeilen, int spalten);
    int zeilenAnzahl() const override { return static_cast<int>(m_zellen.size()); }
    int spaltenAnzahl() const override { return m_spalten; }
    QString zelle(int spalte, int zeile) const override;
    void setzeZelle(int spalte, int zeile, const QString& text) override;
    std::shared_ptr<const ZellenTabelle> schnappschuss() const override;

private:
    int m_spalten;
    QVector<QStringList> m_zellen;
};

// Tip-row table over compact rows: six bytes per row for the numbers 1..255 in columns 1..6,
// one flag byte, and a side table for any cell that holds other text. Fourteen million rows
// fit in about 100 MB.
class TippreihenDaten final : public ZellenTabelle {
public:
    static constexpr int ZahlSpalten = 6;
    // Column numbers share a key with the row in the side table: 20 bits for the column.
    static constexpr int MaxSpalten = (1 << 20) - 1;

    explicit TippreihenDaten(int zeilen = 2, int spalten = ZahlSpalten + 1);

    // Headings "Reihe", " Z1" ... " Z6" of the ticket tables.
    static QStringList StandardKopf();

    int zeilenAnzahl() const override { return static_cast<int>(m_zahlen.size()) + 1; }
    int spaltenAnzahl() const override { return m_spalten; }
    QString zelle(int spalte, int zeile) const override;
    void setzeZelle(int spalte, int zeile, const QString& text) override;
    bool zelleLeer(int spalte, int zeile) const override;
    std::optional<int> alsGanzzahl(int spalte, int zeile) const override;
    void zeilenUmordnen(int erste, const std::vector<int>& reihenfolge) override;
    std::shared_ptr<const ZellenTabelle> schnappschuss() const override;

    void setzeKopf(const QStringList& kopf);
    // Rows added are empty; rows removed lose their cells. At least the heading row stays.
    void setzeZeilenAnzahl(int zeilen);
    void setzeSpaltenAnzahl(int spalten);
    // Row number in column 0 and the six numbers in columns 1..6.
    void setzeReihe(int zeile, const Tippreihe& zahlen);
    // Empties every data cell; headings, row numbers and the row count stay.
    void datenLeeren();

private:
    enum Flag : std::uint8_t { Nummer = 1, HatText = 2 };
    static quint64 schluessel(int spalte, int zeile) {
        return (static_cast<quint64>(static_cast<unsigned>(zeile)) << 20) | static_cast<unsigned>(spalte);
    }
    bool gueltig(int spalte, int zeile) const {
        return spalte >= 0 && spalte < m_spalten && zeile >= 0 && zeile < zeilenAnzahl();
    }
    const QString* text(int spalte, int zeile) const;
    void textEntfernen(int spalte, int zeile);
    void textSetzen(int spalte, int zeile, const QString& text);

    int m_spalten;
    QStringList m_kopf;
    std::vector<Tippreihe> m_zahlen; // index zeile - 1; 0 = empty
    std::vector<std::uint8_t> m_flags;
    QHash<quint64, QString> m_texte;
};

} // namespace kb
