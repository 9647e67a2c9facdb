#include "spreadsheet_files.h"

#include <QDir>
#include <QFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <vector>

namespace kb {

Status XlsxSchreiben(const QString& pfad, const ExportBlatt& blatt) {
    const auto fehler = [&](const QString& grund) {
        QFile::remove(pfad);
        return Fehler{QStringLiteral("Die Arbeitsmappe \"%1\" kann nicht geschrieben werden.\r\r%2")
                          .arg(QDir::toNativeSeparators(pfad), grund)};
    };
    if (blatt.zeilen > BlattMaxZeilen || blatt.spalten > BlattMaxSpalten)
        return fehler(QStringLiteral("Ein Tabellenblatt fasst höchstens %1 Zeilen und %2 Spalten.")
                          .arg(BlattMaxZeilen)
                          .arg(BlattMaxSpalten));

    const QByteArray datei = QFile::encodeName(pfad);
    QByteArray tempOrdner = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options optionen{};
    // Rows go straight to a temporary file: a sheet of a million rows needs little memory.
    optionen.constant_memory = LXW_TRUE;
    optionen.tmpdir = tempOrdner.data();
    lxw_workbook* mappe = workbook_new_opt(datei.constData(), &optionen);
    if (!mappe)
        return fehler(QStringLiteral("Die Datei lässt sich nicht anlegen."));

    const QByteArray name = blatt.name.toUtf8();
    if (workbook_validate_sheet_name(mappe, name.constData()) != LXW_NO_ERROR) {
        workbook_close(mappe);
        return fehler(
            QStringLiteral("\"%1\" ist als Name eines Tabellenblatts nicht erlaubt.").arg(blatt.name));
    }
    lxw_worksheet* tabelle = workbook_add_worksheet(mappe, name.constData());
    lxw_format* alsText = workbook_add_format(mappe);
    format_set_num_format(alsText, "@");

    std::vector<int> breite(static_cast<std::size_t>(std::max(blatt.spalten, 0)), 0);
    lxw_error fehlerNr = LXW_NO_ERROR;
    for (int z = 1; z <= blatt.zeilen && fehlerNr == LXW_NO_ERROR; ++z) {
        for (int s = 1; s <= blatt.spalten && fehlerNr == LXW_NO_ERROR; ++s) {
            const QString text = blatt.zelle ? blatt.zelle(s, z) : QString();
            const auto zeile = static_cast<lxw_row_t>(z - 1);
            const auto spalte = static_cast<lxw_col_t>(s - 1);
            // Empty cells get the text format too, so the sheet spans the whole range.
            if (text.isEmpty()) {
                fehlerNr = worksheet_write_blank(tabelle, zeile, spalte, alsText);
            } else {
                fehlerNr = worksheet_write_string(tabelle, zeile, spalte, text.toUtf8().constData(), alsText);
                int& b = breite[static_cast<std::size_t>(s - 1)];
                b = std::max(b, static_cast<int>(text.size()));
            }
        }
    }
    if (fehlerNr != LXW_NO_ERROR) {
        workbook_close(mappe);
        return fehler(QString::fromUtf8(lxw_strerror(fehlerNr)));
    }
    // The library cannot measure text; widths from the character count come close.
    for (int s = 0; s < blatt.spalten; ++s)
        if (const int b = breite[static_cast<std::size_t>(s)]; b > 0)
            worksheet_set_column(tabelle, static_cast<lxw_col_t>(s), static_cast<lxw_col_t>(s), b * 1.1 + 1.5,
                                 nullptr);
    fehlerNr = workbook_close(mappe);
    if (fehlerNr != LXW_NO_ERROR)
        return fehler(QString::fromUtf8(lxw_strerror(fehlerNr)));
    return {};
}

} // namespace kb
