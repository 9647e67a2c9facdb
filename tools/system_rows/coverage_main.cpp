// kb_system_coverage: checks every built-in system of the program against its guarantee and
// prints one line per position and the number of systems whose guarantee holds.

#include "systems/catalogue.h"
#include "systems/covering.h"

#include <cstdio>

int main() {
    int erfuellt = 0, garantiert = 0;
    std::printf("Position  RG  WZ  GA   TR  ungedeckte GA-Teilmengen\n");
    for (int p = 0; p < kb::EingebauteSysteme; ++p) {
        const kb::TSysteme& s = kb::SystemeKonst[static_cast<std::size_t>(p)];
        const auto reihen = kb::SystemReihenMasken(p);
        const std::int64_t offen = kb::FehlendeTeilmengen(reihen, s.WZ, s.GA);
        if (s.GA > 0) {
            ++garantiert;
            erfuellt += offen == 0 ? 1 : 0;
        }
        std::printf("%8d  %2d  %2d  %2d  %3d  %lld%s\n", p, s.RG, s.WZ, s.GA, s.TR,
                    static_cast<long long>(offen), s.GA == 0 ? " (ohne Garantie)" : "");
    }
    std::printf("%d von %d Systemen mit erfüllter Garantie\n", erfuellt, garantiert);
    return 0;
}
