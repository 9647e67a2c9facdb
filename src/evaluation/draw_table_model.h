#pragma once

#include "core/records.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QVector>

namespace kb {

// The draw table of the main window: newest draw on top; date, the six numbers in stored
// order, Superzahl (empty when unknown).
class GewinnzahlenModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int Spalten = 8;

    explicit GewinnzahlenModell(QObject* eltern = nullptr);

    void setZiehungen(const QVector<TGewZahlen>& ziehungen, const QLocale& locale);
    // History index of a table row.
    qsizetype index(int zeile) const { return m_ziehungen.size() - 1 - zeile; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    QVector<TGewZahlen> m_ziehungen; // shares the history's data until it changes
    QLocale m_locale;
};

} // namespace kb
