#pragma once

#include "slip_geometry.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

namespace kb {

// Drops every key but digits, backspace and tab (and "-" when allowed) with a warning beep.
class ZiffernFilter final : public QObject {
    Q_OBJECT
public:
    explicit ZiffernFilter(QObject* eltern, bool minus = false, bool tab = true);
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    bool m_minus;
    bool m_tab;
};

// Cells of the print window's grids: white, normal type, centred, 2 pixels below the top;
// editors take digits only.
class ZellMaler final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

// One field table: 7 rows (numbers 1, 8, ... 43) and the columns "Zahl", "  X", "  Y".
class FeldtabellenModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    FeldtabellenModell(Scheingeometrie& geometrie, int feld, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle = Qt::EditRole) override;

private:
    Scheingeometrie& m_geometrie;
    int m_feld;
};

// The A-value table: rows 1..49, column 0 "Zahl", then x and y of fields 1 to 18.
class AWerteModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit AWerteModell(Scheingeometrie& geometrie, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle = Qt::EditRole) override;

private:
    Scheingeometrie& m_geometrie;
};

} // namespace kb
