// kb_system_coverage: checks every built-in system of the program against its guarantee and
// prints one line per position and the number of systems whose guarantee holds.

#include "systems/covering.h"

#include <cstdio>

int main() {
    const kb::AbdeckungsBericht b = kb::SystemAbdeckung();
    std::printf("Position  RG  WZ  GA   TR  ungedeckte GA-Teilmengen\n");
    for (const kb::AbdeckungsZeile& z : b.zeilen)
        std::printf("%8d  %2d  %2d  %2d  %3d  %lld%s\n", z.position, z.RG, z.WZ, z.GA, z.TR,
                    static_cast<long long>(z.ungedeckt), z.GA == 0 ? " (ohne Garantie)" : "");
    std::printf("%d von %d Systemen mit erfüllter Garantie\n", b.erfuellt, b.garantiert);
    return 0;
}
