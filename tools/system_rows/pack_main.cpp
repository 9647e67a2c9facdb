// Build step: packs data/system_rows.txt into a C++ source with the row bytes of the built-in
// systems. Refuses (and so fails the build) when the rows do not match the catalogue.

#include "rows_file.h"
#include "systems/catalogue_table.h"

#include <bit>
#include <cstdio>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Aufruf: kb_system_rows_pack <system_rows.txt> <ausgabe.cpp>\n";
        return 2;
    }
    std::string fehler;
    const auto eintraege = kb::reihen::lesen(argv[1], fehler);
    if (!eintraege) {
        std::cerr << argv[1] << ": " << fehler << '\n';
        return 1;
    }
    if (eintraege->size() != static_cast<std::size_t>(kb::EingebauteSysteme)) {
        std::cerr << argv[1] << ": " << eintraege->size() << " Systeme statt " << kb::EingebauteSysteme
                  << '\n';
        return 1;
    }
    for (std::size_t i = 0; i < eintraege->size(); ++i) {
        const kb::reihen::Eintrag& e = (*eintraege)[i];
        const kb::TSysteme& s = kb::SystemeKonst[i];
        if (e.position != static_cast<int>(i) || e.RG != s.RG || e.WZ != s.WZ || e.GA != s.GA ||
            e.TR != s.TR) {
            std::cerr << argv[1] << ": System " << e.position << " passt nicht zu Katalogposition " << i
                      << '\n';
            return 1;
        }
        if (e.luecken > 65535) {
            std::cerr << argv[1] << ": System " << i << " hat zu viele Lücken\n";
            return 1;
        }
    }

    const std::string temp = std::string(argv[2]) + ".tmp";
    {
        std::ofstream aus(temp, std::ios::trunc);
        aus << "// Generated from data/system_rows.txt by kb_system_rows_pack; do not edit.\n"
               "#include \"systems/system_rows_data.h\"\n\nnamespace kb::detail {\n\n"
               "const std::uint8_t SystemReihenDaten[SystemReihenGroesse] = {\n";
        int spalte = 0;
        for (const kb::reihen::Eintrag& e : *eintraege)
            for (kb::reihen::Maske m : e.reihen)
                for (; m != 0; m &= m - 1) {
                    aus << std::countr_zero(m) << ',';
                    if (++spalte == 40) {
                        aus << '\n';
                        spalte = 0;
                    }
                }
        aus << "};\n\nconst std::uint16_t SystemReihenLuecken[EingebauteSysteme] = {\n";
        spalte = 0;
        for (const kb::reihen::Eintrag& e : *eintraege) {
            aus << e.luecken << ',';
            if (++spalte == 20) {
                aus << '\n';
                spalte = 0;
            }
        }
        aus << "};\n\n} // namespace kb::detail\n";
        if (!aus) {
            std::cerr << temp << " ließ sich nicht schreiben\n";
            return 1;
        }
    }
    if (std::rename(temp.c_str(), argv[2]) != 0) {
        std::cerr << argv[2] << " ließ sich nicht ersetzen\n";
        return 1;
    }
    return 0;
}
