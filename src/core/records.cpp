#include "records.h"

#include "byte_io.h"

#include <algorithm>
#include <cstring>

namespace kb {

using namespace bytes;

TGewZahlen TGewZahlen::lesen(const char* p) {
    TGewZahlen r;
    r.datum = leseDouble(p);
    for (int i = 0; i < 6; ++i)
        r.GZ[i] = leseU8(p + 8 + i);
    r.SZ = leseU8(p + 14);
    return r;
}

void TGewZahlen::schreiben(char* p) const {
    schreibeDouble(p, datum);
    for (int i = 0; i < 6; ++i)
        p[8 + i] = static_cast<char>(GZ[i]);
    p[14] = static_cast<char>(SZ);
    p[15] = 0;
}

TGewAusw TGewAusw::lesen(const char* p) {
    TGewAusw r;
    r.dat = leseDouble(p);
    const int laenge = std::min<int>(leseU8(p + 8), SDatumMax);
    r.SDatum = QString::fromLatin1(p + 9, laenge);
    r.GZA = ZahlenMenge::ausBytes(p + 27);
    r.SZ = leseU8(p + 59);
    return r;
}

void TGewAusw::schreiben(char* p) const {
    std::memset(p, 0, Groesse);
    schreibeDouble(p, dat);
    const QByteArray text = SDatum.left(SDatumMax).toLatin1();
    p[8] = static_cast<char>(text.size());
    std::memcpy(p + 9, text.constData(), static_cast<std::size_t>(text.size()));
    const QByteArray menge = GZA.zuBytes();
    std::memcpy(p + 27, menge.constData(), ZahlenMenge::DateiGroesse);
    p[59] = static_cast<char>(SZ);
}

TNormalSchein TNormalSchein::lesen(const char* p) {
    TNormalSchein r;
    r.SZ = leseI8(p);
    for (int i = 0; i < 6; ++i)
        r.WZ[i] = leseU8(p + 1 + i);
    return r;
}

void TNormalSchein::schreiben(char* p) const {
    p[0] = static_cast<char>(SZ);
    for (int i = 0; i < 6; ++i)
        p[1 + i] = static_cast<char>(WZ[i]);
}

TSySSchein TSySSchein::lesen(const char* p) {
    TSySSchein r;
    r.SZ = leseI8(p);
    r.Sys = leseU8(p + 1);
    for (int i = 0; i < 49; ++i)
        r.WZ[i] = leseU8(p + 2 + i);
    return r;
}

void TSySSchein::schreiben(char* p) const {
    p[0] = static_cast<char>(SZ);
    p[1] = static_cast<char>(Sys);
    for (int i = 0; i < 49; ++i)
        p[2 + i] = static_cast<char>(WZ[i]);
}

TQuoten TQuoten::lesen(const char* p) {
    TQuoten r;
    r.datum = leseDouble(p);
    for (int k = 1; k <= 9; ++k)
        r.q[k] = leseI64(p + 8 + 8 * (k - 1));
    return r;
}

void TQuoten::schreiben(char* p) const {
    schreibeDouble(p, datum);
    for (int k = 1; k <= 9; ++k)
        schreibeI64(p + 8 + 8 * (k - 1), q[k]);
}

} // namespace kb
