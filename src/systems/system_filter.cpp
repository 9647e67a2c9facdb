#include "system_filter.h"

#include "catalogue.h"

#include <algorithm>
#include <cmath>

namespace kb {

namespace {

const QString Abschnitt = QStringLiteral("Filter");

// Bounds of the windows in which any two row counts are taken as alike.
constexpr int Fenster[][2] = {{10, 20}, {18, 30}, {28, 40},  {36, 48}, {44, 60},
                              {54, 72}, {66, 88}, {80, 104}, {96, 124}};

int gerundet(double x) {
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(x));
}

} // namespace

bool TRPasst(int r, int w, bool egal, bool fest) {
    if (egal || fest)
        return true;
    if (r <= 12 && w <= 12)
        return true;
    for (const auto& f : Fenster)
        if (r >= f[0] && r <= f[1] && w >= f[0] && w <= f[1])
            return true;
    return gerundet(w / 1.333333) <= r && r <= gerundet(w * 1.25);
}

bool ReihenzahlFest(const FilterWerte& f) {
    return f.BZRadio == GenauItem && f.GA + f.BZ >= 6 && !f.BZegal && !f.GAegal;
}

std::int64_t FesteReihenzahl(const FilterWerte& f) {
    return Binomial(f.ZP - f.BZ, 6 - f.BZ);
}

int GarantieMaximum(const FilterWerte& f) {
    return f.BZegal ? 6 : 6 - f.BZ;
}

FilterErgebnis SystemeFiltern(const FilterWerte& f) {
    FilterErgebnis e;
    int bmax = f.BZegal ? 4 : std::min(f.BZ, 4);
    int bmin = f.BZegal ? 0 : (f.BZRadio == GenauItem ? bmax : 0);
    e.GA = f.GA;
    e.GARadio = f.GARadio;
    if (!f.GAegal && 6 - bmax < e.GA) {
        e.GA = 6 - bmax;
        e.GARadio = GenauItem;
        e.garantieGesenkt = true;
    }
    FilterWerte korrigiert = f;
    korrigiert.GA = e.GA;
    const bool fest = ReihenzahlFest(korrigiert);
    const auto& systeme = Systeme();
    for (int b = bmin; b <= bmax; ++b) {
        for (int p = 0; p < static_cast<int>(systeme.size()); ++p) {
            const TSysteme& s = systeme[static_cast<std::size_t>(p)];
            if (s.RG + b != 6 || s.WZ + b > MaxZahl)
                continue;
            if (!f.ZPegal && s.WZ + b != f.ZP)
                continue;
            if (!f.GAegal && ((e.GARadio == GenauItem) ? s.GA != e.GA : s.GA < e.GA))
                continue;
            if (!TRPasst(s.TR, f.TR, f.TRegal, fest))
                continue;
            const bool schein = IstScheinSystem(p);
            if (f.Scheinsysteme && !schein)
                continue;
            e.eintraege.append((schein ? QStringLiteral("* ") : QString()) + SystemKurztext(p, b));
            e.ListenSysteme.append(p);
        }
    }
    const auto n = e.eintraege.size();
    e.anzahlText = n == 0   ? QStringLiteral("Keine Systeme gefunden")
                   : n == 1 ? QStringLiteral("Ein System gefunden")
                            : QStringLiteral("%1 Systeme gefunden").arg(n);
    return e;
}

FilterWerte FilterLesen(const IniDatei& ini) {
    FilterWerte f;
    f.ZP = ini.ReadInteger(Abschnitt, QStringLiteral("ZP"), 12);
    f.GA = ini.ReadInteger(Abschnitt, QStringLiteral("GA"), 2);
    f.TR = ini.ReadInteger(Abschnitt, QStringLiteral("TR"), 24);
    f.BZ = ini.ReadInteger(Abschnitt, QStringLiteral("BZ"), 0);
    f.GARadio = ini.ReadInteger(Abschnitt, QStringLiteral("GARadio"), 0) == GenauItem ? 1 : 0;
    f.BZRadio = ini.ReadInteger(Abschnitt, QStringLiteral("BZRadio"), 0) == GenauItem ? 1 : 0;
    f.Scheinsysteme = ini.ReadBool(Abschnitt, QStringLiteral("Scheinsysteme"), false);
    f.ZPegal = ini.ReadBool(Abschnitt, QStringLiteral("ZPegal"), false);
    f.GAegal = ini.ReadBool(Abschnitt, QStringLiteral("GAegal"), false);
    f.TRegal = ini.ReadBool(Abschnitt, QStringLiteral("TRegal"), false);
    f.BZegal = ini.ReadBool(Abschnitt, QStringLiteral("BZegal"), false);
    // A hand-edited file must not move a slider outside its range.
    f.ZP = std::clamp(f.ZP, ZPMin, ZPMax);
    f.BZ = std::clamp(f.BZ, 0, BZMax);
    f.GA = std::clamp(f.GA, 0, GAMax);
    f.TR = std::clamp(f.TR, TRMin, MaxSystemreihen);
    return f;
}

void FilterSchreiben(IniDatei& ini, const FilterWerte& f) {
    ini.WriteInteger(Abschnitt, QStringLiteral("ZP"), f.ZP);
    ini.WriteInteger(Abschnitt, QStringLiteral("GA"), f.GA);
    ini.WriteInteger(Abschnitt, QStringLiteral("TR"), f.TR);
    ini.WriteInteger(Abschnitt, QStringLiteral("BZ"), f.BZ);
    ini.WriteInteger(Abschnitt, QStringLiteral("GARadio"), f.GARadio);
    ini.WriteInteger(Abschnitt, QStringLiteral("BZRadio"), f.BZRadio);
    ini.WriteBool(Abschnitt, QStringLiteral("Scheinsysteme"), f.Scheinsysteme);
    ini.WriteBool(Abschnitt, QStringLiteral("ZPegal"), f.ZPegal);
    ini.WriteBool(Abschnitt, QStringLiteral("GAegal"), f.GAegal);
    ini.WriteBool(Abschnitt, QStringLiteral("TRegal"), f.TRegal);
    ini.WriteBool(Abschnitt, QStringLiteral("BZegal"), f.BZegal);
}

} // namespace kb
