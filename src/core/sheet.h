#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace kb {

// Largest worksheet the common spreadsheet programs open.
inline constexpr int BlattMaxZeilen = 1048576;
inline constexpr int BlattMaxSpalten = 16384;

// The first worksheet of a workbook as read: cell texts up to the last used cell.
struct Tabellenblatt {
    QString name;
    int zeilen = 0;              // row of the last used cell (1-based), 0 for an empty sheet
    int spalten = 0;             // column of the last used cell
    QVector<QStringList> zellen; // zellen[zeile - 1][spalte - 1]; a row may be shorter than spalten
    QString dimension;           // the range the file states for itself (".xlsx" only), e.g. "A1:G16"

    QString zelle(int spalte, int zeile) const {
        if (zeile < 1 || zeile > zellen.size())
            return {};
        return zellen[zeile - 1].value(spalte - 1);
    }
};

// A worksheet to be written: the range A1 .. (spalten, zeilen); cells by 1-based column and row.
// zelle must be callable from a worker thread.
struct ExportBlatt {
    QString name;
    int zeilen = 0;
    int spalten = 0;
    std::function<QString(int spalte, int zeile)> zelle;
};

} // namespace kb
