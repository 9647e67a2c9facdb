// Every seed and every input that once found a fault, run through its fuzz harness.
#include "test_main.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

#define KB_HARNESS(ziel) extern "C" int kbFuzz_##ziel(const std::uint8_t* data, std::size_t size);
KB_HARNESS(gz)
KB_HARNESS(quo)
KB_HARNESS(nkb)
KB_HARNESS(skb)
KB_HARNESS(awadr)
KB_HARNESS(ini)
KB_HARNESS(csv)
KB_HARNESS(text_import)
KB_HARNESS(quota_text)
KB_HARNESS(spreadsheet)
KB_HARNESS(workbook_xml)
#ifdef KB_FUZZ_VERINFOS
KB_HARNESS(verinfos)
#endif
#undef KB_HARNESS

namespace {

using Harness = int (*)(const std::uint8_t*, std::size_t);

struct Ziel {
    const char* name;
    Harness harness;
};

const Ziel Ziele[] = {
    {"gz", kbFuzz_gz},
    {"quo", kbFuzz_quo},
    {"nkb", kbFuzz_nkb},
    {"skb", kbFuzz_skb},
    {"awadr", kbFuzz_awadr},
    {"ini", kbFuzz_ini},
    {"csv", kbFuzz_csv},
    {"text_import", kbFuzz_text_import},
    {"quota_text", kbFuzz_quota_text},
    {"spreadsheet", kbFuzz_spreadsheet},
    {"workbook_xml", kbFuzz_workbook_xml},
#ifdef KB_FUZZ_VERINFOS
    {"verinfos", kbFuzz_verinfos},
#endif
};

} // namespace

class FuzzRegressionTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eingabe_data() {
        QTest::addColumn<int>("ziel");
        QTest::addColumn<QString>("pfad");
        const QDir quelle(qEnvironmentVariable("KB_SOURCE_DIR"));
        int faelle = 0;
        for (int i = 0; i < static_cast<int>(std::size(Ziele)); ++i) {
            const QString name = QString::fromLatin1(Ziele[i].name);
            for (const QString& ordner : {QStringLiteral("fuzz/corpus/"), QStringLiteral("tests/fuzz/fixtures/")}) {
                const QDir d(quelle.filePath(ordner + name));
                for (const QString& datei : d.entryList(QDir::Files, QDir::Name)) {
                    QTest::addRow("%s/%s", qPrintable(ordner + name), qPrintable(datei)) << i << d.filePath(datei);
                    ++faelle;
                }
            }
        }
        QVERIFY2(faelle > 0, "no seeds found: is KB_SOURCE_DIR set?");
    }

    // Passes when the harness returns: faults show as crashes or sanitizer reports.
    void eingabe() {
        QFETCH(int, ziel);
        QFETCH(QString, pfad);
        QFile f(pfad);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(pfad));
        const QByteArray daten = f.readAll();
        QCOMPARE(Ziele[ziel].harness(reinterpret_cast<const std::uint8_t*>(daten.constData()),
                                     static_cast<std::size_t>(daten.size())),
                 0);
    }
};

KB_TEST(FuzzRegressionTest)
#include "fuzz_regression_test.moc"
