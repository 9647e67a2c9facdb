// Builds the shipped data set from the readable sources in data/:
//   kb_datensatz <source folder> <output folder>
// Writes GZ.649, Quo.649, the two demo tickets, downloads/GZ.649 and downloads/verinfos.k2b
// (naming this program's version, so the bundled server offers no update). Any broken input line
// stops the build with its file and line number.
#include "core/date.h"
#include "core/record_file.h"
#include "core/program_state.h"
#include "core/records.h"
#include "update/program_update.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>
#include <stdexcept>

using namespace kb;

namespace {

[[noreturn]] void abbruch(const QString& datei, int zeile, const QString& grund) {
    throw std::runtime_error(QStringLiteral("%1:%2: %3").arg(datei).arg(zeile).arg(grund).toStdString());
}

QStringList zeilenLesen(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        abbruch(pfad, 0, f.errorString());
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
}

void schreiben(const QString& pfad, const QByteArray& daten) {
    if (const Status s = DateiSchreibenAtomar(pfad, daten); !s)
        throw std::runtime_error(s.fehler().toStdString());
}

int zahl(const QString& text, int min, int max, const QString& datei, int zeile) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < min || n > max)
        abbruch(datei, zeile,
                QStringLiteral("'%1' liegt nicht zwischen %2 und %3").arg(text).arg(min).arg(max));
    return n;
}

TDate datum(const QString& text, const QString& datei, int zeile) {
    const QDate d = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!d.isValid())
        abbruch(datei, zeile, QStringLiteral("kein Datum: '%1'").arg(text));
    return ausQDate(d);
}

// "14245792.70" or "5" euros; empty = no winner = 0. Exact, no floating point.
Geld betrag(const QString& text, const QString& datei, int zeile) {
    if (text.isEmpty())
        return 0;
    static const QRegularExpression muster(QStringLiteral("^(\\d+)(?:\\.(\\d{1,2}))?$"));
    const QRegularExpressionMatch m = muster.match(text);
    if (!m.hasMatch())
        abbruch(datei, zeile, QStringLiteral("kein Betrag: '%1'").arg(text));
    const Geld euro = m.captured(1).toLongLong();
    const Geld cent = m.captured(2).leftJustified(2, QLatin1Char('0')).toLongLong();
    return euro * GeldProEuro + cent * 100;
}

QVector<TGewZahlen> ziehungenLesen(const QString& pfad) {
    const QStringList zeilen = zeilenLesen(pfad);
    if (zeilen.value(0) != QStringLiteral("date,n1,n2,n3,n4,n5,n6,sz,order"))
        abbruch(pfad, 1, QStringLiteral("unerwartete Kopfzeile"));
    QVector<TGewZahlen> r;
    for (int i = 1; i < zeilen.size(); ++i) {
        if (zeilen[i].isEmpty())
            continue;
        const QStringList f = zeilen[i].split(QLatin1Char(','));
        if (f.size() != 9)
            abbruch(pfad, i + 1, QStringLiteral("9 Spalten erwartet"));
        TGewZahlen z;
        z.datum = datum(f[0], pfad, i + 1);
        QSet<int> gesehen;
        for (int k = 0; k < 6; ++k) {
            const int n = zahl(f[1 + k], 1, 49, pfad, i + 1);
            if (gesehen.contains(n))
                abbruch(pfad, i + 1, QStringLiteral("Zahl %1 doppelt").arg(n));
            gesehen.insert(n);
            z.GZ[k] = static_cast<std::uint8_t>(n); // kept in the order given
        }
        z.SZ = f[7].isEmpty() ? 255 : static_cast<std::uint8_t>(zahl(f[7], 0, 9, pfad, i + 1));
        if (f[8] != QStringLiteral("drawn") && f[8] != QStringLiteral("ascending"))
            abbruch(pfad, i + 1, QStringLiteral("unbekannte Reihenfolge '%1'").arg(f[8]));
        if (!r.isEmpty() && z.datum <= r.back().datum)
            abbruch(pfad, i + 1, QStringLiteral("Datum nicht aufsteigend"));
        r.append(z);
    }
    return r;
}

QVector<TQuoten> quotenLesen(const QString& pfad, const QVector<TGewZahlen>& ziehungen, TDate von,
                             TDate bis) {
    const QStringList zeilen = zeilenLesen(pfad);
    if (zeilen.value(0) != QStringLiteral("date,q1,q2,q3,q4,q5,q6,q7,q8,q9"))
        abbruch(pfad, 1, QStringLiteral("unerwartete Kopfzeile"));
    QSet<TDate> ziehungstage;
    for (const TGewZahlen& z : ziehungen)
        ziehungstage.insert(z.datum);
    QVector<TQuoten> r;
    for (int i = 1; i < zeilen.size(); ++i) {
        if (zeilen[i].isEmpty())
            continue;
        const QStringList f = zeilen[i].split(QLatin1Char(','));
        if (f.size() != 10)
            abbruch(pfad, i + 1, QStringLiteral("10 Spalten erwartet"));
        TQuoten q;
        q.datum = datum(f[0], pfad, i + 1);
        if (!ziehungstage.contains(q.datum))
            abbruch(pfad, i + 1, QStringLiteral("keine Ziehung an diesem Tag"));
        for (int k = 1; k <= 9; ++k)
            q.q[k] = betrag(f[k], pfad, i + 1);
        if (!r.isEmpty() && q.datum <= r.back().datum)
            abbruch(pfad, i + 1, QStringLiteral("Datum nicht aufsteigend"));
        if (q.datum >= von && q.datum <= bis)
            r.append(q);
    }
    // The shipped file has one record per draw of its range.
    int erwartet = 0;
    for (const TGewZahlen& z : ziehungen)
        erwartet += (z.datum >= von && z.datum <= bis) ? 1 : 0;
    if (r.size() != erwartet)
        abbruch(pfad, 0, QStringLiteral("%1 Quoten für %2 Ziehungen").arg(r.size()).arg(erwartet));
    return r;
}

// Non-comment lines of a demo source; the first one must be "Superzahl <0-9 or ->".
QStringList demoZeilen(const QString& pfad, std::int8_t& sz) {
    QStringList r;
    const QStringList zeilen = zeilenLesen(pfad);
    for (int i = 0; i < zeilen.size(); ++i) {
        const QString z = zeilen[i].trimmed();
        if (z.isEmpty() || z.startsWith(QLatin1Char('#')))
            continue;
        if (r.isEmpty() && sz == -2) {
            if (!z.startsWith(QStringLiteral("Superzahl ")))
                abbruch(pfad, i + 1, QStringLiteral("'Superzahl' erwartet"));
            const QString wert = z.mid(10).trimmed();
            sz = wert == QStringLiteral("-") ? -1 : static_cast<std::int8_t>(zahl(wert, 0, 9, pfad, i + 1));
            continue;
        }
        r.append(QString::number(i + 1) + QLatin1Char('\t') + z);
    }
    return r;
}

QVector<int> zahlenListe(const QString& text, const QString& pfad, int zeile) {
    QVector<int> r;
    QSet<int> gesehen;
    for (const QString& t : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int n = zahl(t, 1, 49, pfad, zeile);
        if (gesehen.contains(n))
            abbruch(pfad, zeile, QStringLiteral("Zahl %1 doppelt").arg(n));
        gesehen.insert(n);
        r.append(n);
    }
    return r;
}

QByteArray normalschein(const QString& pfad) {
    std::int8_t sz = -2;
    QVector<TNormalSchein> reihen;
    for (const QString& z : demoZeilen(pfad, sz)) {
        const int zeile = z.section(QLatin1Char('\t'), 0, 0).toInt();
        const QVector<int> n = zahlenListe(z.section(QLatin1Char('\t'), 1), pfad, zeile);
        if (n.size() != 6)
            abbruch(pfad, zeile, QStringLiteral("sechs Zahlen erwartet"));
        TNormalSchein r;
        r.SZ = sz;
        for (int k = 0; k < 6; ++k)
            r.WZ[k] = static_cast<std::uint8_t>(n[k]);
        reihen.append(r);
    }
    return RecordsZuBytes<TNormalSchein>(reihen);
}

QByteArray systemschein(const QString& pfad) {
    // Numbers to cross per slip system code 1..18.
    static const int zahlenJeCode[19] = {0,  7,  8,  9,  10, 11, 12, 9,  10, 10,
                                         10, 11, 12, 12, 12, 14, 16, 22, 26};
    std::int8_t sz = -2;
    QVector<TSySSchein> felder;
    for (const QString& z : demoZeilen(pfad, sz)) {
        const int zeile = z.section(QLatin1Char('\t'), 0, 0).toInt();
        const QString inhalt = z.section(QLatin1Char('\t'), 1);
        const int code = zahl(inhalt.section(QLatin1Char(':'), 0, 0), 1, 18, pfad, zeile);
        QVector<int> n = zahlenListe(inhalt.section(QLatin1Char(':'), 1), pfad, zeile);
        if (n.size() != zahlenJeCode[code])
            abbruch(pfad, zeile,
                    QStringLiteral("System %1 braucht %2 Zahlen").arg(code).arg(zahlenJeCode[code]));
        std::sort(n.begin(), n.end());
        TSySSchein f;
        f.SZ = sz;
        f.Sys = static_cast<std::uint8_t>(code);
        for (qsizetype k = 0; k < n.size(); ++k)
            f.WZ[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(n[k]);
        felder.append(f);
    }
    if (felder.isEmpty() || felder.size() > 6)
        abbruch(pfad, 0, QStringLiteral("ein bis sechs Felder erwartet"));
    return RecordsZuBytes<TSySSchein>(felder);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kb_datensatz <source folder> <output folder>\n");
        return 2;
    }
    const QString quelle = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const QString ziel = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');
    try {
        if (!QDir().mkpath(ziel + QStringLiteral("downloads")))
            throw std::runtime_error("cannot create the output folder");
        const QVector<TGewZahlen> ziehungen = ziehungenLesen(quelle + QStringLiteral("draws.csv"));
        const QByteArray gz = RecordsZuBytes<TGewZahlen>(ziehungen);
        schreiben(ziel + QStringLiteral("GZ.649"), gz);
        schreiben(ziel + QStringLiteral("downloads/GZ.649"), gz);
        schreiben(ziel + QStringLiteral("downloads/") + VersionsDateiName, VersionsDatei({VersionText}));
        const QVector<TQuoten> quoten =
            quotenLesen(quelle + QStringLiteral("quotas.csv"), ziehungen, ausQDate(QDate(2019, 1, 2)),
                        ausQDate(QDate(2025, 12, 31)));
        schreiben(ziel + QStringLiteral("Quo.649"), RecordsZuBytes<TQuoten>(quoten));
        schreiben(ziel + QStringLiteral("Demo-Normalschein.nkb"),
                  normalschein(quelle + QStringLiteral("demo/Demo-Normalschein.txt")));
        schreiben(ziel + QStringLiteral("Demo-Systemschein.skb"),
                  systemschein(quelle + QStringLiteral("demo/Demo-Systemschein.txt")));
        QFile::remove(ziel + QStringLiteral("QUELLEN.md"));
        if (!QFile::copy(quelle + QStringLiteral("README.md"), ziel + QStringLiteral("QUELLEN.md")))
            throw std::runtime_error("cannot copy README.md");
        std::printf("%lld draws, %lld quota records\n", static_cast<long long>(ziehungen.size()),
                    static_cast<long long>(quoten.size()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kb_datensatz: %s\n", e.what());
        return 1;
    }
    return 0;
}
