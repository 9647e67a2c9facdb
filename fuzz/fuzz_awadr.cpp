// Slip format files ".awadr": loaded into the print window's geometry, saved back and
// used to place the marks of a print run.
#include "fuzz_support.h"

#include "core/row_table.h"
#include "printing/print_run.h"
#include "printing/slip_format.h"
#include "printing/slip_geometry.h"

using namespace kb;

namespace {

// Answers every question with yes, as a user clicking through would.
class JaSager final : public Rueckfrage {
public:
    void information(const QString&) override {}
    void hinweis(const QString&) override {}
    bool bestaetigt(const QString&) override { return true; }
    void fehler(const QString&) override {}
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<TScheinFormat> format =
        FormatDateiLesen(fuzz::AlsDatei(fuzz::Bytes(data, size), QStringLiteral("Schein.awadr")));
    if (!format)
        return 0;

    Scheingeometrie geometrie;
    const FormatFelder felder = geometrie.formatUebernehmen(*format);
    JaSager ja;
    (void)geometrie.formatZumSpeichern(felder, ja);

    // A print run as the print window starts it from the fields the format filled in.
    const int a = felder.anordnung;
    if (a < 0 || a >= AnordnungAnzahl)
        return 0;
    DruckVorgaben v;
    v.felderProSchein = Anordnungen[static_cast<std::size_t>(a)].felder;
    v.hori = GanzzahlAusText(felder.hori).value_or(0);
    v.vert = GanzzahlAusText(felder.vert).value_or(0);
    v.zusatzAn.fill(true);
    for (int i = 0; i < ZusatzKoordinaten; ++i)
        v.zusatz[static_cast<std::size_t>(i)] = GanzzahlAusText(felder.zusatz[static_cast<std::size_t>(i)]);
    v.nrDrucken = true;
    v.nrX = GanzzahlAusText(felder.nrX);
    v.nrY = GanzzahlAusText(felder.nrY);
    v.rand = QPoint(40, 40);
    QVector<std::array<QString, 6>> zeilen;
    for (int r = 0; r < 20; ++r)
        zeilen.append({QString::number(1 + r), QString::number(10 + r), QString::number(20 + r),
                       QString::number(30 + r), QString::number(40), QString::number(49)});
    Druckablauf lauf(zeilen, 1, static_cast<int>(zeilen.size()), geometrie.format(), v);
    for (int i = 0; i < 50 && !lauf.fertig(); ++i)
        if (!lauf.naechsterSchein())
            break;
    return 0;
}
