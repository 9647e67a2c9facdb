#pragma once

namespace kb {

// "kugelblick --selbsttest": proves that an installed program finds what it ships. It starts
// as usual but in a throw-away data folder, answers every question with "Ja", shows the main
// window (whose first start loads the bundled draw history through the download), opens the
// help, prints what it found and ends: exit code 0 when the data set, the history and the help
// were all there.
bool SelbsttestVerlangt(int argc, char* argv[]);
int Selbsttest(int argc, char* argv[]);

} // namespace kb
