#pragma once

#include "slip_format.h"

#include "core/ini_file.h"
#include "core/result.h"

#include <QPoint>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace kb {

// Slips needed for the rows start..ende (texts of "Ausdruck ab" and "bis Tippreihe"); nothing
// when a field is empty, an error text (OK box) for wrong rows or a missing arrangement.
Result<std::optional<int>> ScheinAnzahl(const QString& start, const QString& ende, int anordnung);

// A text on the page: in tenths of a millimetre from the top-left corner of the printable area.
struct DruckZeichen {
    QPoint punkt;
    QString text;
    bool operator==(const DruckZeichen&) const = default;
};

struct Schein {
    int nummer = 0;
    int ersteReihe = 0;
    int letzteReihe = 0;
    QVector<DruckZeichen> zeichen;
};

// What the window says at the start of a run; coordinates as typed (empty = not given).
struct DruckVorgaben {
    int felderProSchein = 12;
    int startNr = 1;
    int hori = 0;
    int vert = 0;
    std::array<bool, 6> zusatzAn{};
    std::array<std::optional<int>, ZusatzKoordinaten> zusatz{};
    bool nrDrucken = false;
    std::optional<int> nrX, nrY;
    QPoint rand; // unprintable left and top margin of the printer
};

// The rows of a print run slip by slip: the k-th row of a slip goes into tip field k, then the
// extra marks and the slip number. "Nein" to the question prints the last slip again.
class Druckablauf {
public:
    // zeilen: the number cells Z1..Z6 of every row of the list (row 1 first); s, e 1-based.
    Druckablauf(QVector<std::array<QString, 6>> zeilen, int s, int e, TScheinFormat format,
                DruckVorgaben vorgaben);

    bool fertig() const { return m_r > m_e; }
    // The next slip; a cell that is no number gives the conversion error.
    Result<Schein> naechsterSchein();
    // The slip just made comes again with the same rows and number.
    void wiederholen();

private:
    QPoint seitenPunkt(int x, int y) const;
    void zusatzZeichnen(Schein& s) const;

    QVector<std::array<QString, 6>> m_zeilen;
    int m_r;
    int m_e;
    int m_erste;
    int m_nummer;
    TScheinFormat m_format;
    DruckVorgaben m_v;
};

// Section "Druck" of the settings file.
struct DruckEinstellungen {
    std::array<bool, 6> zusatz{}; // "Zusatz1" .. "Zusatz6"
    bool scheinNr = false;        // "ScheinNr"
    bool fragen = true;           // "Fragen"
    QString formatdatei;          // "Formatdatei"
};
inline const QString DruckAbschnitt = QStringLiteral("Druck");
DruckEinstellungen DruckEinstellungenLesen(const IniDatei& ini);
// The check boxes only; "Formatdatei" is written when a format is opened or first saved.
void DruckEinstellungenSchreiben(IniDatei& ini, const DruckEinstellungen& e);

} // namespace kb
