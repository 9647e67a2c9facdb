#pragma once

// The filter of the selection window: which catalogue systems match the player's wishes.

#include "core/ini_file.h"
#include "core/lotto.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

namespace kb {

// The state of the filter controls. Radio items: 0 "mindestens"/"maximal", 1 "genau".
struct FilterWerte {
    int ZP = 13; // pool size
    int GA = 2;  // guarantee
    int TR = 24; // rows
    int BZ = 2;  // Bankzahlen
    int GARadio = 1;
    int BZRadio = 1;
    bool Scheinsysteme = false; // only slip systems
    bool ZPegal = false;
    bool GAegal = false;
    bool TRegal = false;
    bool BZegal = false;

    bool operator==(const FilterWerte&) const = default;
};

inline constexpr int GenauItem = 1;

// Ranges of the filter's sliders. The guarantee is further capped by GarantieMaximum.
inline constexpr int ZPMin = 4;
inline constexpr int ZPMax = MaxZahl;
inline constexpr int GAMax = 6;
inline constexpr int TRMin = 5;
inline constexpr int BZMax = 4;

// Why the guarantee cannot go above 6 minus the Bankzahlen.
inline const QString GarantieBeschraenktText =
    QStringLiteral("Die Skala für die Gewinngarantie ist durch die Anzahl der Bankzahlen beschränkt worden.");

// Whether a system of r rows matches the wanted w rows (fest: the row count is fixed anyway).
bool TRPasst(int r, int w, bool egal = false, bool fest = false);

// Full guarantee with an exact number of Bankzahlen: the system is a full system whose number
// of rows follows from pool and Bankzahlen.
bool ReihenzahlFest(const FilterWerte& f);
// Rows of that full system: Binomial(pool - b, 6 - b).
std::int64_t FesteReihenzahl(const FilterWerte& f);
// Largest guarantee the slider offers.
int GarantieMaximum(const FilterWerte& f);

struct FilterErgebnis {
    QStringList eintraege;        // "* " for slip systems, then the short text
    QVector<int> ListenSysteme;   // catalogue position of each item
    bool garantieGesenkt = false; // the guarantee was above what the Bankzahlen allow
    int GA = 0;                   // guarantee after that correction
    int GARadio = 0;
    QString anzahlText; // for LSysAnz
};

FilterErgebnis SystemeFiltern(const FilterWerte& f);

// Section "Filter" of the settings; missing keys take the stored defaults (12, 2, 24, 0, ...).
FilterWerte FilterLesen(const IniDatei& ini);
void FilterSchreiben(IniDatei& ini, const FilterWerte& f);

} // namespace kb
