// The XML inside .xlsx and .ods workbooks. Mutating a zip file directly rarely gets past its
// checksums, so this target packs the input into a valid workbook first and reads that with
// the program's reader. Input: one byte (odd: .ods, even: .xlsx), then the parts separated by
// NUL bytes: .ods content.xml; .xlsx sheet, shared strings, workbook, workbook relations.
#include "fuzz_support.h"

#include "entry/ticket_entry.h"
#include "platform/spreadsheet_files.h"

#include <QFile>

#include <zip.h>

#include <cstdlib>

using namespace kb;

namespace {

const QByteArray Mappe = R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Tabelle1" sheetId="1" r:id="rId1"/></sheets></workbook>)";
const QByteArray MappenBeziehungen = R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>)";
const QByteArray Wurzel = R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)";
const QByteArray Typen = R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>)";

void hinzu(zipFile z, const char* name, const QByteArray& daten) {
    if (zipOpenNewFileInZip(z, name, nullptr, nullptr, 0, nullptr, 0, nullptr, 0, 0) != ZIP_OK ||
        zipWriteInFileInZip(z, daten.constData(), static_cast<unsigned>(daten.size())) != ZIP_OK ||
        zipCloseFileInZip(z) != ZIP_OK)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Vorbereiten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const bool ods = (data[0] & 1) != 0;
    const QList<QByteArray> teile = fuzz::Bytes(data + 1, size - 1).split('\0');
    const auto teil = [&teile](qsizetype i, const QByteArray& vorgabe) {
        return i < teile.size() ? teile[i] : vorgabe;
    };

    const QString pfad = fuzz::AlsDatei({}, QStringLiteral("Mappe.zip"));
    zipFile z = zipOpen64(QFile::encodeName(pfad).constData(), APPEND_STATUS_CREATE);
    if (!z)
        std::abort();
    if (ods) {
        hinzu(z, "mimetype", "application/vnd.oasis.opendocument.spreadsheet");
        hinzu(z, "content.xml", teil(0, {}));
    } else {
        hinzu(z, "[Content_Types].xml", Typen);
        hinzu(z, "_rels/.rels", Wurzel);
        hinzu(z, "xl/worksheets/sheet1.xml", teil(0, {}));
        hinzu(z, "xl/sharedStrings.xml", teil(1, {}));
        hinzu(z, "xl/workbook.xml", teil(2, Mappe));
        hinzu(z, "xl/_rels/workbook.xml.rels", teil(3, MappenBeziehungen));
    }
    if (zipClose(z, nullptr) != ZIP_OK)
        std::abort();

    const Result<Tabellenblatt> blatt = TabelleLesen(pfad);
    if (!blatt)
        return 0;
    (void)TabelleAlsZeilen(BlattAlsTabelle(*blatt));
    return 0;
}
