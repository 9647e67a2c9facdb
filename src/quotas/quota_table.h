#pragma once

#include "core/records.h"
#include "core/result.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace kb {

// Standard-quota records for every Wednesday and Saturday after `letztes` up to and including
// `heute` (a draw on today's date counts whatever the hour). Each takes the standard quotas of
// its period: from 23.09.2020 the newest row, before that the row from 08.09.2010.
QVector<TQuoten> FehlendeZiehungen(TDate letztes, const QDate& heute);

// The quota editor's table G1: one row per draw, column 0 the date, columns 1..9 the quotas
// of the prize classes. Cells hold text, because "Ersetzen" puts the typed amounts in as they
// were typed; saving parses them back.
// No Q_OBJECT: it adds no signals, and kb_core runs no moc.
class QuotenTabelle final : public QAbstractTableModel {
public:
    static constexpr int Spalten = 10;
    using Zeile = std::array<QString, Spalten>;

    explicit QuotenTabelle(QLocale locale, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

    void setzeQuoten(const QVector<TQuoten>& quoten);
    void anhaengen(const QVector<TQuoten>& quoten);
    const QString& zelle(int zeile, int spalte) const { return m_zeilen[zeile].text[spalte]; }
    QStringList datumsTexte() const;

    // Puts every non-empty text of felder[1..9] into its column of the row; the others stay.
    void ersetzen(int zeile, const Zeile& felder);

    // All rows as records: typed cells parsed, the others as read (the display rounds to cents,
    // the file need not). The first typed cell that cannot be read stops it with a message
    // naming its row and column.
    Result<QVector<TQuoten>> alsQuoten() const;

    // After a save: the rows show the saved records as if just read.
    void gespeichert(const QVector<TQuoten>& quoten);

private:
    struct Eintrag {
        Zeile text;
        TQuoten quoten;
        std::array<bool, Spalten> getippt{}; // the cell holds typed text, not quoten
    };
    Eintrag eintragAus(const TQuoten& q) const;

    QLocale m_locale;
    QVector<Eintrag> m_zeilen;
};

} // namespace kb
