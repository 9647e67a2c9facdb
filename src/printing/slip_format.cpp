#include "slip_format.h"

#include "core/money.h"
#include "core/record_file.h"

#include <QDir>

namespace kb {

namespace {

std::int32_t leseI32(const char* p) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return static_cast<std::int32_t>(v);
}

void schreibeI32(char* p, std::int32_t wert) {
    auto v = static_cast<std::uint32_t>(wert);
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<char>(v & 0xFFu);
        v >>= 8;
    }
}

constexpr int AWerteStart = 32;
constexpr int ZusatzStart = 7088;

// File offset of each extra-mark coordinate, in ZusatzIndex order.
constexpr int zusatzOffset(int i) {
    if (i < 16)
        return ZusatzStart + i * 4;
    if (i < 18)
        return 7152 + (i - 16) * 4;
    return 7168 + (i - 18) * 4;
}

} // namespace

int KaestchenTeilung(int abstand) {
    return static_cast<int>(rundeHalbGerade(abstand, 6));
}

int ZusatzIndex(int marke, int position, int achse) {
    if (achse < 1 || achse > 2)
        return -1;
    if (marke >= 1 && marke <= 4 && position >= 1 && position <= 2)
        return (marke - 1) * 4 + (position - 1) * 2 + (achse - 1);
    if ((marke == 5 || marke == 6) && position == 1)
        return 16 + (marke - 5) * 2 + (achse - 1);
    return -1;
}

TScheinFormat TScheinFormat::lesen(const char* p) {
    TScheinFormat f;
    f.reserviert0 = leseI32(p);
    f.anordnung = leseI32(p + 4);
    f.B = leseI32(p + 8);
    f.C = leseI32(p + 12);
    f.hori = leseI32(p + 16);
    f.vert = leseI32(p + 20);
    f.nrX = leseI32(p + 24);
    f.nrY = leseI32(p + 28);
    for (int k = 0; k < MaxTippfelder; ++k)
        for (int n = 0; n < 49; ++n)
            for (int a = 0; a < 2; ++a)
                f.A[k][n][a] = leseI32(p + AWerteStart + k * 392 + n * 8 + a * 4);
    for (int i = 0; i < ZusatzKoordinaten; ++i)
        f.zusatz[i] = leseI32(p + zusatzOffset(i));
    for (int i = 0; i < 2; ++i) {
        f.reserviert1[i] = leseI32(p + 7160 + i * 4);
        f.reserviert2[i] = leseI32(p + 7176 + i * 4);
    }
    return f;
}

void TScheinFormat::schreiben(char* p) const {
    schreibeI32(p, reserviert0);
    schreibeI32(p + 4, anordnung);
    schreibeI32(p + 8, B);
    schreibeI32(p + 12, C);
    schreibeI32(p + 16, hori);
    schreibeI32(p + 20, vert);
    schreibeI32(p + 24, nrX);
    schreibeI32(p + 28, nrY);
    for (int k = 0; k < MaxTippfelder; ++k)
        for (int n = 0; n < 49; ++n)
            for (int a = 0; a < 2; ++a)
                schreibeI32(p + AWerteStart + k * 392 + n * 8 + a * 4, A[k][n][a]);
    for (int i = 0; i < ZusatzKoordinaten; ++i)
        schreibeI32(p + zusatzOffset(i), zusatz[i]);
    for (int i = 0; i < 2; ++i) {
        schreibeI32(p + 7160 + i * 4, reserviert1[i]);
        schreibeI32(p + 7176 + i * 4, reserviert2[i]);
    }
}

Result<TScheinFormat> FormatDateiLesen(const QString& pfad) {
    const Result<DateiInhalt> inhalt = DateiLesen(pfad);
    if (!inhalt.ok())
        return Fehler{inhalt.fehler()};
    if (!inhalt->vorhanden)
        return Fehler{
            QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(QDir::toNativeSeparators(pfad))};
    if (inhalt->daten.size() < TScheinFormat::Groesse)
        return Fehler{QStringLiteral("Die Datei \"%1\" ist kein vollständiges Schein-Format.")
                          .arg(QDir::toNativeSeparators(pfad))};
    return TScheinFormat::lesen(inhalt->daten.constData());
}

Status FormatDateiSchreiben(const QString& pfad, const TScheinFormat& format) {
    QByteArray daten(TScheinFormat::Groesse, '\0');
    format.schreiben(daten.data());
    return DateiSchreibenAtomar(pfad, daten);
}

} // namespace kb
