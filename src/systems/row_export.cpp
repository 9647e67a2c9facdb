#include "row_export.h"

#include "core/file_errors.h"
#include "core/money.h"

#include <QDir>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>

namespace kb {

namespace {

bool mussZitieren(const QString& zelle) {
    for (QChar c : zelle)
        if ((c.unicode() >= 1 && c.unicode() <= 32) || c == QLatin1Char('"') || c == QLatin1Char(','))
            return true;
    return false;
}

// Columns 1.. as long as the cell in row 1 is filled.
int csvSpalten(const ZellenTabelle& t) {
    int bis = 0;
    while (bis + 1 < t.spaltenAnzahl() && !t.zelleLeer(bis + 1, 1))
        ++bis;
    return bis;
}

QByteArray csvZeile(const ZellenTabelle& t, int zeile, int spalten, QStringList& puffer) {
    puffer.clear();
    for (int s = 1; s <= spalten; ++s)
        puffer.append(t.zelle(s, zeile));
    QByteArray b = Windows1252(KommaZeile(puffer));
    b.append("\r\n", 2);
    return b;
}

} // namespace

QString KommaZeile(const QStringList& zellen) {
    if (zellen.size() == 1 && zellen.constFirst().isEmpty())
        return QStringLiteral("\"\"");
    QString zeile;
    for (qsizetype i = 0; i < zellen.size(); ++i) {
        if (i > 0)
            zeile.append(QLatin1Char(','));
        const QString& z = zellen[i];
        if (mussZitieren(z)) {
            QString innen = z;
            innen.replace(QLatin1Char('"'), QLatin1String("\"\""));
            zeile.append(QLatin1Char('"') + innen + QLatin1Char('"'));
        } else {
            zeile.append(z);
        }
    }
    return zeile;
}

QByteArray Windows1252(const QString& text) {
    // The code points of 0x80..0x9F; the rest of the page equals Latin-1.
    static const char16_t hoch[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    QByteArray b;
    b.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b.append(static_cast<char>(u));
            continue;
        }
        const auto* treffer = std::find(std::begin(hoch), std::end(hoch), u);
        b.append(u != 0 && treffer != std::end(hoch) ? static_cast<char>(0x80 + (treffer - std::begin(hoch)))
                                                     : '?');
    }
    return b;
}

QByteArray CSVText(const ZellenTabelle& t) {
    const int spalten = csvSpalten(t);
    QByteArray text;
    QStringList puffer;
    for (int z = 1; z < t.zeilenAnzahl(); ++z)
        text.append(csvZeile(t, z, spalten, puffer));
    return text;
}

Status CSVSchreiben(const ZellenTabelle& t, const QString& pfad) {
    QSaveFile f(pfad);
    const auto fehler = [&] { return Fehler{SpeicherFehlerText(pfad, f.errorString())}; };
    if (!f.open(QIODevice::WriteOnly))
        return fehler();
    const int spalten = csvSpalten(t);
    QByteArray block;
    QStringList puffer;
    constexpr qsizetype BlockGroesse = 1 << 20;
    for (int z = 1; z < t.zeilenAnzahl(); ++z) {
        block.append(csvZeile(t, z, spalten, puffer));
        if (block.size() >= BlockGroesse || z + 1 == t.zeilenAnzahl()) {
            if (f.write(block) != block.size()) {
                const Fehler e = fehler();
                f.cancelWriting();
                return e;
            }
            block.clear();
        }
    }
    if (!f.commit())
        return fehler();
    return {};
}

QString SpaltenName(int spalte) {
    QString name;
    for (int n = spalte; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

Result<ExportBlatt> ExcelExport(std::shared_ptr<const ZellenTabelle> tabelle, const QString& blattName,
                                int letzteSpalte) {
    const int zeilen = tabelle->zeilenAnzahl();
    const int spalten = std::min(tabelle->spaltenAnzahl(), BlattMaxSpalten);
    if (zeilen - 1 > BlattMaxZeilen) {
        const QLocale l;
        return Fehler{
            QStringLiteral("Die Tabelle hat %1 Zeilen; ein Tabellenblatt fasst höchstens %2 Zeilen. "
                           "Der Export ist daher nicht möglich.\r\rIch breche ab.")
                .arg(ZahlText(zeilen - 1, l), ZahlText(BlattMaxZeilen, l))};
    }
    const int bis = std::min(letzteSpalte, spalten);
    ExportBlatt blatt;
    blatt.name = blattName;
    // The range ends one row below the data; a full sheet has no room for that empty row.
    blatt.zeilen = std::min(zeilen, BlattMaxZeilen);
    blatt.spalten = spalten;
    blatt.zelle = [tabelle = std::move(tabelle), bis, zeilen](int spalte, int zeile) {
        if (spalte < 1 || spalte > bis || zeile < 1 || zeile >= zeilen)
            return QString();
        return QChar(0x00A0) + tabelle->zelle(spalte, zeile);
    };
    return blatt;
}

} // namespace kb
