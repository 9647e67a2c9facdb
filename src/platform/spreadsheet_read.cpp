#include "spreadsheet_files.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QXmlStreamReader>

#include <freexl.h>
#include <unzip.h>

#include <cmath>
#include <limits>
#include <optional>

namespace kb {

namespace {

// No part of a workbook we read may unpack to more than this (guards against zip bombs).
constexpr qint64 MaxEintragGroesse = qint64{512} * 1024 * 1024;
// Cells kept in memory at most: a sheet beyond that is refused rather than exhausting memory.
// Enough for every row of a worksheet with eight columns of tip rows; repeat counts in a tiny
// file (ods) must not make it hundreds of millions.
constexpr qint64 MaxZellen = qint64{BlattMaxZeilen} * 8;

QString nativ(const QString& pfad) {
    return QDir::toNativeSeparators(pfad);
}

Fehler beschaedigt(const QString& pfad, const QString& grund = {}) {
    QString text =
        QStringLiteral("Die Datei \"%1\" ist beschädigt oder unvollständig und kann nicht gelesen werden.")
            .arg(nativ(pfad));
    if (!grund.isEmpty())
        text += QStringLiteral("\r\r") + grund;
    return Fehler{text};
}

Fehler zuGross(const QString& pfad) {
    return Fehler{QStringLiteral("Die Tabelle in \"%1\" ist zu groß, um sie einzulesen.").arg(nativ(pfad))};
}

// Collects cell texts up to the last used cell; empty cells and rows are only counted
// until something follows them.
class BlattSammler {
public:
    explicit BlattSammler(Tabellenblatt& blatt) : m_blatt(blatt) {}

    // Sets one cell (1-based). False when the sheet grows beyond what we keep.
    bool setze(qint64 zeile, qint64 spalte, const QString& text) {
        if (text.isEmpty())
            return true;
        if (zeile < 1 || spalte < 1 || zeile > BlattMaxZeilen || spalte > BlattMaxSpalten)
            return false;
        while (m_blatt.zellen.size() < zeile)
            m_blatt.zellen.append(QStringList());
        QStringList& z = m_blatt.zellen[zeile - 1];
        if (z.size() < spalte) {
            m_zellen += spalte - z.size();
            if (m_zellen > MaxZellen)
                return false;
            while (z.size() < spalte)
                z.append(QString());
        }
        z[spalte - 1] = text;
        m_blatt.zeilen = std::max<int>(m_blatt.zeilen, static_cast<int>(zeile));
        m_blatt.spalten = std::max<int>(m_blatt.spalten, static_cast<int>(spalte));
        return true;
    }

    void abschliessen() { m_blatt.zellen.resize(m_blatt.zeilen); }
    // Whether this many more cells still fit.
    bool passt(qint64 weitere) const { return m_zellen + weitere <= MaxZellen; }

private:
    Tabellenblatt& m_blatt;
    qint64 m_zellen = 0;
};

// ----- zip container (libminizip) -----

class ZipArchiv {
public:
    explicit ZipArchiv(const QString& pfad) : m_pfad(QFile::encodeName(pfad)) {
        m_uf = unzOpen64(m_pfad.constData());
    }
    ~ZipArchiv() {
        if (m_uf)
            unzClose(m_uf);
    }
    ZipArchiv(const ZipArchiv&) = delete;
    ZipArchiv& operator=(const ZipArchiv&) = delete;

    bool offen() const { return m_uf != nullptr; }
    bool hat(const QString& name) { return unzLocateFile(m_uf, name.toUtf8().constData(), 2) == UNZ_OK; }

    // nullopt: no such entry. A broken entry is an error.
    std::optional<Result<QByteArray>> lesen(const QString& name) {
        if (!hat(name))
            return std::nullopt;
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(m_uf, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
            return Result<QByteArray>(Fehler{});
        if (info.uncompressed_size > static_cast<ZPOS64_T>(MaxEintragGroesse))
            return Result<QByteArray>(Fehler{QStringLiteral("zu groß")});
        if (unzOpenCurrentFile(m_uf) != UNZ_OK)
            return Result<QByteArray>(Fehler{});
        QByteArray daten;
        daten.reserve(static_cast<qsizetype>(info.uncompressed_size));
        char puffer[65536];
        int n = 0;
        while ((n = unzReadCurrentFile(m_uf, puffer, sizeof puffer)) > 0) {
            if (daten.size() + n > MaxEintragGroesse) {
                unzCloseCurrentFile(m_uf);
                return Result<QByteArray>(Fehler{QStringLiteral("zu groß")});
            }
            daten.append(puffer, n);
        }
        // A CRC mismatch shows up when closing the entry.
        const int schluss = unzCloseCurrentFile(m_uf);
        if (n < 0 || schluss != UNZ_OK)
            return Result<QByteArray>(Fehler{});
        return Result<QByteArray>(daten);
    }

private:
    QByteArray m_pfad;
    unzFile m_uf = nullptr;
};

// Reads an entry; a missing or broken one becomes the message for the whole file.
Result<QByteArray> eintrag(ZipArchiv& zip, const QString& pfad, const QString& name) {
    auto r = zip.lesen(name);
    if (!r)
        return beschaedigt(pfad, QStringLiteral("Es fehlt der Teil \"%1\".").arg(name));
    if (!r->ok())
        return r->fehler() == QLatin1String("zu groß") ? zuGross(pfad) : beschaedigt(pfad);
    return std::move(*r);
}

QString xmlFehler(const QXmlStreamReader& xml) {
    return QStringLiteral("XML-Fehler in Zeile %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
}

QString attribut(const QXmlStreamReader& xml, QStringView name) {
    for (const QXmlStreamAttribute& a : xml.attributes())
        if (a.name() == name)
            return a.value().toString();
    return {};
}

// ----- .xlsx -----

QString pfadVerbinden(const QString& ordner, const QString& ziel) {
    if (ziel.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(ziel.mid(1));
    return QDir::cleanPath(ordner.isEmpty() ? ziel : ordner + QLatin1Char('/') + ziel);
}

QString ordnerVon(const QString& teil) {
    const qsizetype p = teil.lastIndexOf(QLatin1Char('/'));
    return p < 0 ? QString() : teil.left(p);
}

// Relationship targets by id, and the first target of each type (by the last part of its URI).
struct Beziehungen {
    QHash<QString, QString> ziele;
    QHash<QString, QString> nachTyp;
};

Beziehungen beziehungenLesen(const QByteArray& xmlText, const QString& ordner) {
    Beziehungen b;
    QXmlStreamReader xml(xmlText);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("Relationship"))
            continue;
        const QString ziel = pfadVerbinden(ordner, attribut(xml, u"Target"));
        b.ziele.insert(attribut(xml, u"Id"), ziel);
        const QString typ = attribut(xml, u"Type");
        const QString kurz = typ.mid(typ.lastIndexOf(QLatin1Char('/')) + 1);
        if (!b.nachTyp.contains(kurz))
            b.nachTyp.insert(kurz, ziel);
    }
    return b;
}

// Text of a shared or inline string: all <t> below, phonetic runs left out.
QString rstText(QXmlStreamReader& xml) {
    QString text;
    const QString ende = xml.name().toString();
    int phonetisch = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("rPh"))
                ++phonetisch;
            else if (xml.name() == QLatin1String("t") && phonetisch == 0)
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("rPh"))
                --phonetisch;
            else if (xml.name() == ende)
                break;
        }
    }
    return text;
}

Result<QStringList> gemeinsameTexte(const QByteArray& xmlText, const QString& pfad) {
    QStringList texte;
    QXmlStreamReader xml(xmlText);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("si"))
            texte.append(rstText(xml));
    }
    if (xml.hasError())
        return beschaedigt(pfad, xmlFehler(xml));
    return texte;
}

// "B12" -> column 2, row 12; 0 for parts that are missing.
std::pair<qint64, qint64> zellBezug(QStringView r) {
    qint64 spalte = 0, zeile = 0;
    qsizetype i = 0;
    for (; i < r.size() && r[i].isLetter(); ++i) {
        spalte = spalte * 26 + (r[i].toUpper().unicode() - u'A' + 1);
        if (spalte > BlattMaxSpalten)
            return {BlattMaxSpalten + 1, 0};
    }
    for (; i < r.size() && r[i].isDigit(); ++i) {
        zeile = zeile * 10 + (r[i].unicode() - u'0');
        if (zeile > BlattMaxZeilen)
            return {spalte, BlattMaxZeilen + 1};
    }
    return {spalte, zeile};
}

QString xlsxZellText(const QString& typ, const QString& wert, bool hatWert, const QString& inline_,
                     const QStringList& gemeinsam, bool& fehlerhaft) {
    if (typ == QLatin1String("inlineStr"))
        return inline_;
    if (!hatWert)
        return {};
    if (typ == QLatin1String("s")) {
        bool ok = false;
        const int i = wert.trimmed().toInt(&ok);
        if (!ok || i < 0 || i >= gemeinsam.size()) {
            fehlerhaft = true;
            return {};
        }
        return gemeinsam.at(i);
    }
    if (typ == QLatin1String("b"))
        return wert.trimmed() == QLatin1String("1") ? QStringLiteral("WAHR") : QStringLiteral("FALSCH");
    if (typ == QLatin1String("str") || typ == QLatin1String("e") || typ == QLatin1String("d"))
        return wert;
    bool ok = false;
    const double zahl = wert.trimmed().toDouble(&ok);
    return ok ? TabellenZahl(zahl) : wert;
}

Result<Tabellenblatt> xlsxLesen(ZipArchiv& zip, const QString& pfad) {
    QString mappe = QStringLiteral("xl/workbook.xml");
    if (auto wurzel = zip.lesen(QStringLiteral("_rels/.rels")); wurzel && wurzel->ok()) {
        const Beziehungen b = beziehungenLesen(wurzel->wert(), QString());
        mappe = b.nachTyp.value(QStringLiteral("officeDocument"), mappe);
    }
    const auto mappenText = eintrag(zip, pfad, mappe);
    if (!mappenText)
        return Fehler{mappenText.fehler()};
    const QString mappenOrdner = ordnerVon(mappe);
    const QString relsName = pfadVerbinden(
        mappenOrdner, QStringLiteral("_rels/") + mappe.mid(mappe.lastIndexOf(QLatin1Char('/')) + 1) +
                          QStringLiteral(".rels"));
    const auto relsText = eintrag(zip, pfad, relsName);
    if (!relsText)
        return Fehler{relsText.fehler()};
    const Beziehungen rels = beziehungenLesen(*relsText, mappenOrdner);

    Tabellenblatt blatt;
    QString blattId;
    {
        QXmlStreamReader xml(*mappenText);
        while (!xml.atEnd() && blattId.isEmpty()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("sheet")) {
                blatt.name = attribut(xml, u"name");
                blattId = attribut(xml, u"id");
            }
        }
        if (xml.hasError())
            return beschaedigt(pfad, xmlFehler(xml));
    }
    if (blattId.isEmpty() || !rels.ziele.contains(blattId))
        return beschaedigt(pfad, QStringLiteral("Die Arbeitsmappe enthält kein Tabellenblatt."));

    QStringList gemeinsam;
    const QString sstName = rels.nachTyp.value(QStringLiteral("sharedStrings"));
    if (!sstName.isEmpty()) {
        if (auto sst = zip.lesen(sstName)) {
            if (!sst->ok())
                return sst->fehler() == QLatin1String("zu groß") ? zuGross(pfad) : beschaedigt(pfad);
            auto texte = gemeinsameTexte(sst->wert(), pfad);
            if (!texte)
                return Fehler{texte.fehler()};
            gemeinsam = std::move(texte).wert();
        }
    }

    const auto blattText = eintrag(zip, pfad, rels.ziele.value(blattId));
    if (!blattText)
        return Fehler{blattText.fehler()};
    BlattSammler sammler(blatt);
    QXmlStreamReader xml(*blattText);
    qint64 zeile = 0, spalte = 0;
    bool fehlerhaft = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("dimension")) {
            blatt.dimension = attribut(xml, u"ref");
        } else if (xml.name() == QLatin1String("row")) {
            const QString r = attribut(xml, u"r");
            zeile = r.isEmpty() ? zeile + 1 : r.toLongLong();
            spalte = 0;
        } else if (xml.name() == QLatin1String("c")) {
            const QString r = attribut(xml, u"r");
            if (r.isEmpty()) {
                ++spalte;
            } else {
                const auto [s, z] = zellBezug(r);
                spalte = s > 0 ? s : spalte + 1;
                if (z > 0)
                    zeile = z;
            }
            const QString typ = attribut(xml, u"t");
            QString wert, inlineText;
            bool hatWert = false;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                    break;
                if (!xml.isStartElement())
                    continue;
                if (xml.name() == QLatin1String("v")) {
                    wert = xml.readElementText();
                    hatWert = true;
                } else if (xml.name() == QLatin1String("is")) {
                    inlineText = rstText(xml);
                }
            }
            const QString text = xlsxZellText(typ, wert, hatWert, inlineText, gemeinsam, fehlerhaft);
            if (!sammler.setze(zeile, spalte, text))
                return zuGross(pfad);
        }
    }
    if (xml.hasError())
        return beschaedigt(pfad, xmlFehler(xml));
    if (fehlerhaft)
        return beschaedigt(pfad, QStringLiteral("Eine Zelle verweist auf einen Text, den es nicht gibt."));
    sammler.abschliessen();
    return blatt;
}

// ----- .ods -----

const QString OdsTabelle = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString OdsOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString OdsText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

qint64 wiederholung(const QXmlStreamReader& xml, QLatin1String name) {
    const QStringView v = xml.attributes().value(OdsTabelle, name);
    if (v.isEmpty())
        return 1;
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    return ok && n > 0 ? n : 1;
}

// Text of a paragraph element with its spaces, tabs and line breaks; notes are skipped.
void odsAbsatz(QXmlStreamReader& xml, QString& text) {
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement()) {
            if (xml.namespaceUri() == OdsText && xml.name() == QLatin1String("s")) {
                const QStringView c = xml.attributes().value(OdsText, QLatin1String("c"));
                const int n = c.isEmpty() ? 1 : std::clamp(c.toInt(), 1, 1000);
                text += QString(n, QLatin1Char(' '));
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == OdsText && xml.name() == QLatin1String("tab")) {
                text += QLatin1Char('\t');
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == OdsText && xml.name() == QLatin1String("line-break")) {
                text += QLatin1Char('\n');
                xml.skipCurrentElement();
            } else if (xml.namespaceUri() == OdsOffice && xml.name() == QLatin1String("annotation")) {
                xml.skipCurrentElement();
            } else {
                odsAbsatz(xml, text);
            }
        } else if (xml.isEndElement()) {
            return;
        }
    }
}

QString odsZellText(QXmlStreamReader& xml) {
    const QXmlStreamAttributes a = xml.attributes();
    const QString typ = a.value(OdsOffice, QLatin1String("value-type")).toString();
    QString wert;
    if (typ == QLatin1String("float") || typ == QLatin1String("percentage") ||
        typ == QLatin1String("currency")) {
        bool ok = false;
        const double zahl = a.value(OdsOffice, QLatin1String("value")).toDouble(&ok);
        if (ok)
            wert = TabellenZahl(zahl);
    } else if (typ == QLatin1String("date")) {
        wert = a.value(OdsOffice, QLatin1String("date-value")).toString();
    } else if (typ == QLatin1String("time")) {
        wert = a.value(OdsOffice, QLatin1String("time-value")).toString();
    } else if (typ == QLatin1String("boolean")) {
        wert = a.value(OdsOffice, QLatin1String("boolean-value")) == QLatin1String("true")
                   ? QStringLiteral("WAHR")
                   : QStringLiteral("FALSCH");
    } else if (a.hasAttribute(OdsOffice, QStringLiteral("string-value"))) {
        wert = a.value(OdsOffice, QLatin1String("string-value")).toString();
    }
    const bool textAusAbsaetzen = wert.isEmpty() && (typ.isEmpty() || typ == QLatin1String("string"));
    QString absaetze;
    bool erster = true;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement())
            break;
        if (!xml.isStartElement())
            continue;
        if (textAusAbsaetzen && xml.namespaceUri() == OdsText &&
            (xml.name() == QLatin1String("p") || xml.name() == QLatin1String("h"))) {
            if (!erster)
                absaetze += QLatin1Char('\n');
            erster = false;
            odsAbsatz(xml, absaetze);
        } else {
            xml.skipCurrentElement();
        }
    }
    return textAusAbsaetzen ? absaetze : wert;
}

Result<Tabellenblatt> odsLesen(ZipArchiv& zip, const QString& pfad) {
    const auto inhalt = eintrag(zip, pfad, QStringLiteral("content.xml"));
    if (!inhalt)
        return Fehler{inhalt.fehler()};
    Tabellenblatt blatt;
    BlattSammler sammler(blatt);
    QXmlStreamReader xml(*inhalt);
    bool inTabelle = false;
    qint64 zeile = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && inTabelle && xml.namespaceUri() == OdsTabelle &&
            xml.name() == QLatin1String("table"))
            break; // only the first sheet
        if (!xml.isStartElement() || xml.namespaceUri() != OdsTabelle)
            continue;
        if (!inTabelle) {
            if (xml.name() == QLatin1String("table")) {
                inTabelle = true;
                blatt.name = xml.attributes().value(OdsTabelle, QLatin1String("name")).toString();
            }
            continue;
        }
        if (xml.name() == QLatin1String("table-column") || xml.name() == QLatin1String("shapes")) {
            xml.skipCurrentElement();
            continue;
        }
        if (xml.name() != QLatin1String("table-row"))
            continue;
        const qint64 zeilenWdh = wiederholung(xml, QLatin1String("number-rows-repeated"));
        QStringList zellen;
        qint64 spalte = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement())
                break; // end of the row
            if (!xml.isStartElement())
                continue;
            if (xml.namespaceUri() != OdsTabelle || (xml.name() != QLatin1String("table-cell") &&
                                                     xml.name() != QLatin1String("covered-table-cell"))) {
                xml.skipCurrentElement();
                continue;
            }
            const qint64 spaltenWdh = wiederholung(xml, QLatin1String("number-columns-repeated"));
            const QString text = odsZellText(xml);
            if (!text.isEmpty()) {
                if (spalte + spaltenWdh > BlattMaxSpalten)
                    return zuGross(pfad);
                while (zellen.size() < spalte)
                    zellen.append(QString());
                for (qint64 i = 0; i < spaltenWdh; ++i)
                    zellen.append(text);
            }
            spalte += spaltenWdh;
        }
        if (!zellen.isEmpty()) {
            // Checked before the copies are made: a tiny file may repeat a row a million times.
            if (zeile + zeilenWdh > BlattMaxZeilen || !sammler.passt(zellen.size() * zeilenWdh))
                return zuGross(pfad);
            for (qint64 i = 1; i <= zeilenWdh; ++i)
                for (qsizetype s = 0; s < zellen.size(); ++s)
                    if (!sammler.setze(zeile + i, s + 1, zellen[s]))
                        return zuGross(pfad);
        }
        zeile += zeilenWdh;
    }
    if (xml.hasError())
        return beschaedigt(pfad, xmlFehler(xml));
    if (!inTabelle)
        return beschaedigt(pfad, QStringLiteral("Die Datei enthält kein Tabellenblatt."));
    sammler.abschliessen();
    return blatt;
}

// ----- .xls -----

// libfreexl 1.0.6 trusts the compound file it opens: it reads a directory entry's name with
// the length the entry states (up to 64 KB from a 64-byte field), takes special sector numbers
// for real ones, allocates the stream sizes the directory states and loses memory on a broken
// allocation table. So the structure is checked
// here first: every sector number in the header, the allocation table and the directory
// chain must lie inside the file, every directory name within its field and every stream
// no larger than the file.
bool verbunddateiGueltig(const QByteArray& d) {
    const auto u16 = [&d](qint64 o) -> quint32 {
        return o >= 0 && o + 2 <= d.size() ? quint32(quint8(d[o])) | quint32(quint8(d[o + 1])) << 8 : 0;
    };
    const auto u32 = [&u16](qint64 o) -> quint32 { return u16(o) | u16(o + 2) << 16; };
    constexpr quint32 Besonders = 0xFFFFFFFAu; // this and above: free, end of chain, table sectors
    if (d.size() < 512 || u16(0x20) != 6)
        return false;
    const quint32 schiebung = u16(0x1E);
    if (schiebung != 9 && schiebung != 12)
        return false;
    const qint64 sektor = qint64{1} << schiebung;
    const qint64 proSektor = sektor / 4;
    const qint64 sektoren = d.size() / sektor - 1; // whole sectors after the header
    const auto imBereich = [sektoren](quint32 s) { return qint64{s} < sektoren; };
    const auto versatz = [sektor](quint32 s) { return (qint64{s} + 1) * sektor; };
    const quint32 fatAnzahl = u32(0x2C);
    const quint32 miniStart = u32(0x3C);
    quint32 difat = u32(0x44);
    if (fatAnzahl == 0 || fatAnzahl > sektoren || !imBereich(u32(0x30)) ||
        (miniStart < Besonders && !imBereich(miniStart)) || (difat < Besonders && !imBereich(difat)))
        return false;

    // The sectors of the allocation table: 109 in the header, the rest in the DIFAT chain.
    QVector<quint32> fat;
    for (int i = 0; i < 109 && fat.size() < qint64{fatAnzahl}; ++i)
        fat.append(u32(0x4C + 4 * i));
    for (qint64 n = 0; fat.size() < qint64{fatAnzahl}; ++n) {
        if (n >= sektoren || !imBereich(difat))
            return false;
        for (qint64 j = 0; j + 1 < proSektor && fat.size() < qint64{fatAnzahl}; ++j)
            fat.append(u32(versatz(difat) + 4 * j));
        difat = u32(versatz(difat) + sektor - 4);
    }
    for (quint32 s : fat)
        if (!imBereich(s))
            return false;
    // Every entry for a sector of the file names a sector of the file or a special value.
    const auto naechster = [&](quint32 s) {
        const qint64 i = s / proSektor;
        return i < fat.size() ? u32(versatz(fat[i]) + (s % proSektor) * 4) : Besonders;
    };
    for (qint64 s = 0; s < sektoren; ++s)
        if (const quint32 n = naechster(quint32(s)); n < Besonders && !imBereich(n))
            return false;
    // A chain runs through sectors of the file to "end of chain" (free or table sectors inside
    // it make the library give up without freeing its memory); calls pruefe on each sector.
    constexpr quint32 Kettenende = 0xFFFFFFFEu;
    const auto kette = [&](quint32 s, const auto& pruefe) {
        for (qint64 n = 0; s != Kettenende; ++n) {
            if (n >= sektoren || !imBereich(s) || !pruefe(s))
                return false;
            s = naechster(s);
        }
        return true;
    };
    const auto ohnePruefung = [](quint32) { return true; };
    if (miniStart < Besonders && !kette(miniStart, ohnePruefung))
        return false;
    const quint32 miniGrenze = u32(0x38);
    bool eintraegeGueltig = true;
    const bool verzeichnisGueltig = kette(u32(0x30), [&](quint32 s) {
        for (qint64 e = 0; e < sektor; e += 128) {
            const qint64 eintrag = versatz(s) + e;
            const quint8 typ = quint8(d[eintrag + 0x42]);
            const quint32 start = u32(eintrag + 0x74);
            const quint32 groesse = u32(eintrag + 0x78);
            // A stream cannot be larger than the file (the library allocates what it states);
            // the root entry and large streams lie in chains of their own.
            if (u16(eintrag + 0x40) > 64 || (typ != 0 && groesse > d.size()) ||
                ((typ == 5 || (typ == 2 && groesse >= miniGrenze)) && start != Kettenende &&
                 groesse > 0 && !kette(start, ohnePruefung)))
                eintraegeGueltig = false;
        }
        return eintraegeGueltig;
    });
    return verzeichnisGueltig && eintraegeGueltig;
}

Result<Tabellenblatt> xlsLesen(const QString& pfad) {
    {
        QFile f(pfad);
        if (!f.open(QIODevice::ReadOnly) || !verbunddateiGueltig(f.readAll()))
            return beschaedigt(pfad);
    }
    const QByteArray name = QFile::encodeName(pfad);
    const void* h = nullptr;
    const int rc = freexl_open(name.constData(), &h);
    if (rc != FREEXL_OK) {
        if (h)
            freexl_close(h);
        return beschaedigt(pfad);
    }
    struct Schliessen {
        const void* h;
        ~Schliessen() { freexl_close(h); }
    } schliessen{h};

    unsigned int schutz = 0;
    if (freexl_get_info(h, FREEXL_BIFF_PASSWORD, &schutz) == FREEXL_OK && schutz == FREEXL_BIFF_OBFUSCATED)
        return Fehler{
            QStringLiteral("Die Datei \"%1\" ist mit einem Kennwort geschützt und kann nicht gelesen "
                           "werden.")
                .arg(nativ(pfad))};
    Tabellenblatt blatt;
    unsigned int blaetter = 0;
    if (freexl_get_info(h, FREEXL_BIFF_SHEET_COUNT, &blaetter) != FREEXL_OK || blaetter == 0)
        return beschaedigt(pfad, QStringLiteral("Die Arbeitsmappe enthält kein Tabellenblatt."));
    const char* blattName = nullptr;
    if (freexl_get_worksheet_name(h, 0, &blattName) == FREEXL_OK && blattName)
        blatt.name = QString::fromUtf8(blattName);
    unsigned int zeilen = 0;
    unsigned short spalten = 0;
    if (freexl_select_active_worksheet(h, 0) != FREEXL_OK ||
        freexl_worksheet_dimensions(h, &zeilen, &spalten) != FREEXL_OK)
        return beschaedigt(pfad);
    BlattSammler sammler(blatt);
    for (unsigned int z = 0; z < zeilen; ++z) {
        for (unsigned short s = 0; s < spalten; ++s) {
            FreeXL_CellValue v{};
            if (freexl_get_cell_value(h, z, s, &v) != FREEXL_OK)
                return beschaedigt(pfad);
            QString text;
            switch (v.type) {
            case FREEXL_CELL_INT:
                text = QString::number(v.value.int_value);
                break;
            case FREEXL_CELL_DOUBLE:
                text = TabellenZahl(v.value.double_value);
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                if (v.value.text_value)
                    text = QString::fromUtf8(v.value.text_value);
                break;
            default:
                break;
            }
            if (!sammler.setze(qint64{z} + 1, qint64{s} + 1, text))
                return zuGross(pfad);
        }
    }
    sammler.abschliessen();
    return blatt;
}

} // namespace

QString TabellenZahl(double wert) {
    if (std::isfinite(wert) && std::floor(wert) == wert && std::fabs(wert) < 1e15)
        return QString::number(static_cast<qint64>(wert));
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(wert, 'g', 15);
}

Result<Tabellenblatt> TabelleLesen(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return Fehler{QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\r\r%2")
                          .arg(nativ(pfad), f.errorString())};
    const QByteArray kopf = f.read(8);
    f.close();
    if (kopf.startsWith("PK\x03\x04") || kopf.startsWith("PK\x05\x06")) {
        ZipArchiv zip(pfad);
        if (!zip.offen())
            return beschaedigt(pfad);
        if (zip.hat(QStringLiteral("content.xml")) && !zip.hat(QStringLiteral("xl/workbook.xml")))
            return odsLesen(zip, pfad);
        if (zip.hat(QStringLiteral("[Content_Types].xml")))
            return xlsxLesen(zip, pfad);
    } else if (kopf == QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)) {
        return xlsLesen(pfad);
    }
    return Fehler{QStringLiteral("Die Datei \"%1\" ist keine Tabelle, die ich lesen kann.\r\rLesbar sind "
                                 "Excel-Arbeitsmappen (.xlsx, .xls) und OpenDocument-Tabellen (.ods).")
                      .arg(nativ(pfad))};
}

} // namespace kb
