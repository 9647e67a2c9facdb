// Saves a user file with the file size limited, as on a full disk: kb_speicher_probe <path> <bytes>.
// The old version must exist. Prints the error text (UTF-8); exit code 0 saved, 1 refused,
// 2 refused but the draw history in memory was changed, 3 bad call.
#include "save_targets.h"

#include <QByteArray>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

int main(int argc, char* argv[]) {
    if (argc != 3)
        return 3;
    const QString pfad = QString::fromLocal8Bit(argv[1]);
    QVector<kb::TGewZahlen> gewZahlen = faults::alteZiehungen();
    // Over the limit a write fails with EFBIG instead of killing the process.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit grenze{};
    getrlimit(RLIMIT_FSIZE, &grenze);
    grenze.rlim_cur = static_cast<rlim_t>(std::strtoll(argv[2], nullptr, 10));
    if (setrlimit(RLIMIT_FSIZE, &grenze) != 0)
        return 3;
    const kb::Status s = faults::speichern(pfad, true, gewZahlen);
    std::fputs(s.fehler().toUtf8().constData(), stdout);
    if (s.ok())
        return 0;
    return gewZahlen == faults::alteZiehungen() ? 1 : 2;
}
