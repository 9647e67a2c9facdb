#include "program_state.h"

namespace kb {

Programmzustand& zustand() {
    static Programmzustand z;
    return z;
}

} // namespace kb
