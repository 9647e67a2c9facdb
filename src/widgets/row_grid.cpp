#include "row_grid.h"

#include "systems/row_sort.h"

#include <QApplication>
#include <QHeaderView>
#include <QPalette>

namespace kb {

TippreihenModell::TippreihenModell(QObject* eltern) : QAbstractTableModel(eltern) {
    m_fett.setBold(true);
}

void TippreihenModell::setzeDaten(TippreihenDaten daten) {
    beginResetModel();
    m_daten = std::move(daten);
    endResetModel();
}

void TippreihenModell::setzeHervorhebung(const ZahlenMenge& zahlen, const QColor& farbe) {
    m_hervorgehoben = zahlen;
    m_hervorFarbe = farbe;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

void TippreihenModell::farbenErneuern() {
    if (rowCount() > 0 && columnCount() > 1)
        Q_EMIT dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

int TippreihenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : m_daten.zeilenAnzahl() - 1;
}

int TippreihenModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : m_daten.spaltenAnzahl();
}

QVariant TippreihenModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const bool nummer = index.column() == 0;
    switch (rolle) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_daten.zelle(index.column(), index.row() + 1);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(nummer ? Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter)
                                          : Qt::Alignment(Qt::AlignCenter));
    case Qt::FontRole:
        return nummer ? QVariant() : QVariant(m_fett);
    case Qt::BackgroundRole:
        if (nummer)
            return QApplication::palette().color(QPalette::Button);
        if (!m_hervorgehoben.leer()) {
            const auto z = m_daten.alsGanzzahl(index.column(), index.row() + 1);
            if (z && m_hervorgehoben.enthaelt(*z))
                return m_hervorFarbe;
        }
        if (m_zahlenFarbe) {
            if (const auto zahl = m_daten.alsGanzzahl(index.column(), index.row() + 1)) {
                const QColor farbe = m_zahlenFarbe(*zahl);
                if (farbe.isValid())
                    return farbe;
            }
        }
        return QColor(Qt::white);
    case Qt::ForegroundRole:
        return nummer ? QVariant(QApplication::palette().color(QPalette::ButtonText))
                      : QVariant(QColor(Qt::black));
    default:
        return {};
    }
}

QVariant TippreihenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= columnCount())
        return {};
    if (rolle == Qt::DisplayRole)
        return m_daten.zelle(abschnitt, 0);
    return {};
}

Qt::ItemFlags TippreihenModell::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editierbar && index.column() > 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TippreihenModell::setData(const QModelIndex& index, const QVariant& wert, int rolle) {
    if (!index.isValid() || rolle != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_daten.setzeZelle(index.column(), index.row() + 1, wert.toString());
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

TippreihenGitter::TippreihenGitter(QWidget* eltern)
    : QTableView(eltern), m_modell(new TippreihenModell(this)) {
    setModel(m_modell);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_modell, &QAbstractItemModel::modelReset, this, &TippreihenGitter::breitenAnwenden);
    breitenAnwenden();
}

void TippreihenGitter::setzeSpaltenBreiten(int nummernSpalte, int zahlenSpalte) {
    m_nummernBreite = nummernSpalte;
    m_zahlenBreite = zahlenSpalte;
    breitenAnwenden();
}

void TippreihenGitter::breitenAnwenden() {
    horizontalHeader()->setDefaultSectionSize(m_zahlenBreite);
    if (m_modell->columnCount() > 0)
        setColumnWidth(0, m_nummernBreite);
    setEditTriggers(m_modell->editierbar()
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed
                        : QAbstractItemView::NoEditTriggers);
}

Status TippreihenGitter::sortieren(const QVector<int>& schluesselSpalten, int ersteZeile, int letzteZeile) {
    if (state() == QAbstractItemView::EditingState) {
        if (QWidget* editor = QApplication::focusWidget(); editor && isAncestorOf(editor)) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    return m_modell->aendern(
        [&](TippreihenDaten& d) { return ReihenSortieren(d, schluesselSpalten, ersteZeile, letzteZeile); });
}

} // namespace kb
