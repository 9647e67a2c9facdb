#include "lotto.h"

namespace kb {

QByteArray ZahlenMenge::zuBytes() const {
    QByteArray b(DateiGroesse, '\0');
    for (int n = 0; n < 256; ++n)
        if (enthaelt(n))
            b[n >> 3] = static_cast<char>(static_cast<unsigned char>(b[n >> 3]) | (1u << (n & 7)));
    return b;
}

ZahlenMenge ZahlenMenge::ausBytes(const char* bytes32) {
    ZahlenMenge m;
    for (int n = 0; n < 256; ++n)
        if ((static_cast<unsigned char>(bytes32[n >> 3]) >> (n & 7)) & 1u)
            m.hinzu(n);
    return m;
}

QByteArray MengeZuZahlen(const ZahlenMenge& s, int k, int m) {
    QByteArray r(qMax(k, 0), '\0');
    int platz = 0;
    for (int n = 1; n <= m && n < 256 && platz < k; ++n)
        if (s.enthaelt(n))
            r[platz++] = static_cast<char>(n);
    return r;
}

} // namespace kb
