#pragma once

// What every subcommand of kugelblick-cli shares: output format, data folder, messages,
// the table and CSV writer and the readers of dates and number lists.

#include "core/date.h"
#include "core/money.h"
#include "core/records.h"
#include "core/row_table.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

#include <functional>
#include <optional>
#include <utility>

namespace kb::cli {

inline constexpr int ExitOk = 0;
inline constexpr int ExitAbgelehnt = 1; // the program refused the input
inline constexpr int ExitAufruf = 2;    // wrong usage

enum class Format { Tabelle, CSV };

// Ends a subcommand: main prints the text to stderr and exits with the status.
struct Abbruch {
    int status = ExitAbgelehnt;
    QString text;
};
[[noreturn]] void abgelehnt(const QString& text);
[[noreturn]] void falscherAufruf(const QString& text);

// One CSV line by the usual rules: a cell with a comma, a double quote or a line break is quoted,
// inner quotes doubled.
QString CSVZeile(const QStringList& zellen);

// A message of the program for the terminal: paragraph breaks become line breaks.
QString MeldungAlsText(const QString& text);

class Kontext {
public:
    Kontext(Format format, QString datenPfad, QTextStream& aus, QTextStream& fehler);

    bool csv() const { return m_format == Format::CSV; }
    const QString& datenPfad() const { return m_datenPfad; }
    // Tables show dates and amounts as the windows do, in German.
    const QLocale& deutsch() const { return m_deutsch; }
    QTextStream& aus() { return m_aus; }

    void zeile(const QString& text = {});
    // A note on stderr that does not end the command.
    void hinweis(const QString& text);

    // The draw history of the data folder; refused when it is missing, unreadable or empty.
    const QVector<TGewZahlen>& ziehungen();

    // Cell texts: German in tables, ISO dates and a decimal point in CSV.
    QString datum(TDate d) const;
    QString betrag(Geld g) const;
    QString zahl(qint64 n) const;

private:
    Format m_format;
    QString m_datenPfad;
    QTextStream& m_aus;
    QTextStream& m_fehler;
    QLocale m_deutsch;
    std::optional<QVector<TGewZahlen>> m_ziehungen;
};

struct Spalte {
    QString kopf; // heading of the table
    QString csv;  // name in the CSV header
    bool rechts = true;
    int breite = 0; // at least this wide (the heading counts too)
};

// Rows of cell texts as an aligned table or as CSV with a header line. A streaming table
// prints each row at once with the widths given up front (for long lists of tip rows).
class Tabelle {
public:
    Tabelle(Kontext& k, QVector<Spalte> spalten, bool streamen = false);
    ~Tabelle();
    Tabelle(const Tabelle&) = delete;
    Tabelle& operator=(const Tabelle&) = delete;

    void zeile(const QStringList& zellen);
    // Prints what is buffered; called by the destructor too.
    void ende();

private:
    void drucken(const QStringList& zellen);

    Kontext& m_k;
    QVector<Spalte> m_spalten;
    bool m_streamen;
    bool m_kopfGedruckt = false;
    QVector<QStringList> m_zeilen;
};

// TT.MM.JJJJ or JJJJ-MM-TT; nothing for any other text.
std::optional<TDate> DatumAusEingabe(const QString& text);

// --von and --bis as given (each optional); a wrong date is a usage error.
struct Zeitraum {
    std::optional<TDate> von;
    std::optional<TDate> bis;
    bool gesetzt() const { return von || bis; }
};
QList<QCommandLineOption> ZeitraumOptionen();
Zeitraum ZeitraumLesen(const QCommandLineParser& p);
// Indices of the first and last draw of the list within the period (the list is oldest first);
// first > last when none lies within.
std::pair<int, int> ZeitraumIndizes(const QVector<TGewZahlen>& ziehungen, const Zeitraum& z);

// A list such as "3,17,22" (commas, semicolons or blanks); a piece that is no whole number is
// a usage error.
QVector<int> ZahlenListeLesen(const QString& text, const QString& option);
// Numbers 1..49, none twice (also across the lists given); refused otherwise.
void TippzahlenPruefen(const QVector<QVector<int>>& listen);
// A whole number option within von..bis; a usage error otherwise.
int GanzzahlOption(const QCommandLineParser& p, const QString& name, int von, int bis);

// The tip-row table (column 0 row number, columns 1..6 the numbers) as a table or CSV
// "reihe,z1,...,z6".
void ReihenAusgeben(Kontext& k, const ZellenTabelle& tabelle);
// Writes the rows to ".nkb" (with Superzahl sz, -1 for none) or ".csv", chosen by the extension.
void ReihenSpeichern(Kontext& k, const ZellenTabelle& tabelle, const QString& pfad, int sz);
// "--ausgabe" must end in .nkb or .csv.
void AusgabeEndungPruefen(const QString& pfad);

} // namespace kb::cli
