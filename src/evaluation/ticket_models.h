#pragma once

#include "core/ticket_file.h"
#include "period_evaluation.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QVector>

namespace kb {

// The result list of an evaluation; a normal ticket has no "System" column.
class ErgebnisModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    ErgebnisModell(bool system, QLocale locale, QObject* eltern = nullptr);
    void setzen(AuswertungsErgebnis ergebnis, QStringList feldNamen);
    void leeren();
    const AuswertungsErgebnis& ergebnis() const { return m_ergebnis; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

    // The text of a cell as shown (for tests and exports).
    QString text(int zeile, int spalte) const;

private:
    bool m_system;
    QLocale m_locale;
    AuswertungsErgebnis m_ergebnis;
    QStringList m_feldNamen;
};

} // namespace kb
