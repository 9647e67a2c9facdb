#include "core/data_set.h"
#include "core/date.h"
#include "core/draw_history.h"
#include "core/money.h"
#include "core/record_file.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kb;

namespace {
QStringList csvZeilen(const QString& name) {
    QFile f(QStringLiteral(KB_QUELLEN_DIR "/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList z = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    z.removeFirst(); // heading
    return z;
}

QByteArray datensatz(const QString& name) {
    QFile f(QStringLiteral(KB_DATENSATZ_DIR "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TDate csvDatum(const QString& t) {
    return ausQDate(QDate::fromString(t, Qt::ISODate));
}
} // namespace

// The generated data set against its CSV sources.
class DatensatzTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gewinnzahlenWieCsv() {
        const QStringList zeilen = csvZeilen(QStringLiteral("draws.csv"));
        QCOMPARE(zeilen.size(), 5031);
        const QByteArray gz = datensatz(GZDateiName);
        QCOMPARE(gz.size(), 5031 * 16);
        QCOMPARE(datensatz(QStringLiteral("downloads/GZ.649")), gz);
        QVERIFY(GZInhaltPruefen(gz).ok());
        const QVector<TGewZahlen> ziehungen = RecordsAusBytes<TGewZahlen>(gz);
        for (int i = 0; i < zeilen.size(); ++i) {
            const QStringList f = zeilen[i].split(QLatin1Char(','));
            const TGewZahlen& z = ziehungen[i];
            QCOMPARE(z.datum, csvDatum(f[0]));
            for (int k = 0; k < 6; ++k)
                QCOMPARE(int(z.GZ[k]), f[1 + k].toInt()); // in the order given, never sorted
            QCOMPARE(int(z.SZ), f[7].isEmpty() ? 255 : f[7].toInt());
            QCOMPARE(gz.at(i * 16 + 15), '\0');
        }
        QCOMPARE(DatumText(ziehungen.front().datum, QLocale()), QStringLiteral("09.10.1955"));
        QCOMPARE(DatumText(ziehungen.back().datum, QLocale()), QStringLiteral("22.07.2026"));
    }

    void quotenAb2019WieCsv() {
        const TDate von = ausQDate(QDate(2019, 1, 2)), bis = ausQDate(QDate(2025, 12, 31));
        QVector<QStringList> erwartet;
        for (const QString& z : csvZeilen(QStringLiteral("quotas.csv"))) {
            const QStringList f = z.split(QLatin1Char(','));
            if (csvDatum(f[0]) >= von && csvDatum(f[0]) <= bis)
                erwartet.append(f);
        }
        const QVector<TQuoten> quoten = RecordsAusBytes<TQuoten>(datensatz(QStringLiteral("Quo.649")));
        QCOMPARE(quoten.size(), erwartet.size());
        QCOMPARE(quoten.size(), 731);
        for (int i = 0; i < quoten.size(); ++i) {
            QCOMPARE(quoten[i].datum, csvDatum(erwartet[i][0]));
            for (int k = 1; k <= 9; ++k) {
                const QString t = erwartet[i][k];
                QCOMPARE(quoten[i].q[k], t.isEmpty() ? Geld(0) : GeldAusText(t, QLocale::c()).value());
            }
        }
        QCOMPARE(quoten.front().datum, von);
        QCOMPARE(quoten.back().datum, bis);
    }

    void demoScheine() {
        const QByteArray n = datensatz(QStringLiteral("Demo-Normalschein.nkb"));
        QCOMPARE(n.size(), 6 * TNormalSchein::Groesse);
        const QVector<TNormalSchein> reihen = RecordsAusBytes<TNormalSchein>(n);
        QCOMPARE(reihen[0].WZ, (std::array<std::uint8_t, 6>{3, 11, 19, 26, 38, 45}));
        for (const TNormalSchein& r : reihen)
            QCOMPARE(r.SZ, std::int8_t(7));

        const QVector<TSySSchein> felder =
            RecordsAusBytes<TSySSchein>(datensatz(QStringLiteral("Demo-Systemschein.skb")));
        QCOMPARE(felder.size(), 3);
        const int codes[] = {2, 7, 1}, anzahl[] = {8, 9, 7};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(felder[i].SZ, std::int8_t(4));
            QCOMPARE(int(felder[i].Sys), codes[i]);
            for (int k = 0; k < 49; ++k) {
                if (k < anzahl[i])
                    QVERIFY(felder[i].WZ[k] >= 1 && (k == 0 || felder[i].WZ[k] > felder[i].WZ[k - 1]));
                else
                    QCOMPARE(int(felder[i].WZ[k]), 0);
            }
        }
    }

    void neuerDatenordnerBekommtQuotenUndDemos() {
        QTemporaryDir dir;
        const QString ziel = dir.path() + QLatin1Char('/');
        {
            QFile eigene(ziel + QStringLiteral("Demo-Normalschein.nkb"));
            QVERIFY(eigene.open(QIODevice::WriteOnly));
            eigene.write("eigen");
        }
        QVERIFY(DatensatzUebernehmen(QStringLiteral(KB_DATENSATZ_DIR "/"), ziel).ok());
        QCOMPARE(QDir(ziel).entryList(QDir::Files, QDir::Name),
                 (QStringList{"Demo-Normalschein.nkb", "Demo-Systemschein.skb", "Quo.649"}));
        QFile eigene(ziel + QStringLiteral("Demo-Normalschein.nkb"));
        QVERIFY(eigene.open(QIODevice::ReadOnly));
        QCOMPARE(eigene.readAll(), QByteArray("eigen")); // never overwritten
        QFile quoten(ziel + QStringLiteral("Quo.649"));
        QCOMPARE(quoten.size(), 731 * 80);
        // Without the data set the copy reports what is missing.
        const Status s = DatensatzUebernehmen(dir.path() + QStringLiteral("/fehlt/"),
                                              dir.path() + QStringLiteral("/neu/"));
        QVERIFY(!s.ok());
        QVERIFY(s.fehler().contains(QStringLiteral("kann nicht nach")));
    }
};
KB_TEST(DatensatzTest)

#include "dataset_test.moc"
