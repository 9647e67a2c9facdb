#pragma once

#include "core/result.h"
#include "core/lotto.h"
#include "core/row_table.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QTableView>

#include <functional>

namespace kb {

// Qt model over a tip-row table: model row i is table row i + 1 (table row 0 is the
// header), model column c is table column c (column 0 the row numbers).
class TippreihenModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TippreihenModell(QObject* eltern = nullptr);

    const TippreihenDaten& daten() const { return m_daten; }
    void setzeDaten(TippreihenDaten daten);
    // Any change of the table goes through here so that the views follow.
    template <class F> auto aendern(F&& f) {
        beginResetModel();
        struct Ende {
            TippreihenModell* m;
            ~Ende() { m->endResetModel(); }
        } ende{this};
        return f(m_daten);
    }

    // Cells holding one of these numbers are painted in farbe instead of white.
    void setzeHervorhebung(const ZahlenMenge& zahlen, const QColor& farbe);
    // Data cells: background by the number they hold (an invalid colour keeps white) and the
    // weight of their text. Views follow after farbenErneuern().
    void setzeZahlenFarbe(std::function<QColor(int zahl)> farbe) { m_zahlenFarbe = std::move(farbe); }
    void farbenErneuern();

    void setEditierbar(bool ja) { m_editierbar = ja; }
    // Numbers in bold (the default) or in normal type.
    void setzeFett(bool ja) { m_fett.setBold(ja); }
    bool editierbar() const { return m_editierbar; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle = Qt::EditRole) override;

private:
    TippreihenDaten m_daten;
    bool m_editierbar = false;
    std::function<QColor(int)> m_zahlenFarbe;
    QFont m_fett;
    ZahlenMenge m_hervorgehoben;
    QColor m_hervorFarbe;
};

// The grid every window uses for tip rows: fixed row heights and column widths, so a table
// of millions of rows scrolls without measuring anything; data cells bold and centred on
// white, the row-number column in the header colour.
class TippreihenGitter final : public QTableView {
    Q_OBJECT
public:
    explicit TippreihenGitter(QWidget* eltern = nullptr);

    TippreihenModell* modell() const { return m_modell; }
    const TippreihenDaten& daten() const { return m_modell->daten(); }

    void setzeSpaltenBreiten(int nummernSpalte, int zahlenSpalte);
    // Ends any cell editing, then sorts (see ReihenSortieren).
    Status sortieren(const QVector<int>& schluesselSpalten, int ersteZeile, int letzteZeile);

private:
    void breitenAnwenden();

    TippreihenModell* m_modell;
    int m_nummernBreite = 45;
    int m_zahlenBreite = 36;
};

} // namespace kb
