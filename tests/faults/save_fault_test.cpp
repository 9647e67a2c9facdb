// Saving user files when the system refuses: a read-only folder, a folder where the file
// should be, a full disk. The old file stays as it was and the message names file and cause.
#include "save_targets.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

using namespace kb;

namespace {

enum class Stoerung { NurLesbarerOrdner, OrdnerAnDateiStelle, DatentraegerVoll };

QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
}

} // namespace

class SpeicherFehlerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void speichernScheitert_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("stoerung");
        QTest::addColumn<QString>("grund");
        for (const QString& datei : faults::Dateien) {
            QTest::addRow("%s, nur lesbarer Ordner", qPrintable(datei))
                << datei << int(Stoerung::NurLesbarerOrdner) << QStringLiteral("Es fehlt die Berechtigung");
            QTest::addRow("%s, Ordner an ihrer Stelle", qPrintable(datei))
                << datei << int(Stoerung::OrdnerAnDateiStelle)
                << QStringLiteral("liegt ein Ordner gleichen Namens");
            QTest::addRow("%s, Datenträger voll", qPrintable(datei))
                << datei << int(Stoerung::DatentraegerVoll) << QStringLiteral("nicht genug Platz");
        }
    }
    void speichernScheitert() {
        QFETCH(QString, datei);
        QFETCH(int, stoerung);
        QFETCH(QString, grund);
        if (stoerung == int(Stoerung::NurLesbarerOrdner) && geteuid() == 0)
            QSKIP("root writes into read-only folders");

        QTemporaryDir dir;
        const QString ordner = dir.filePath(QStringLiteral("Daten"));
        QVERIFY(QDir().mkpath(ordner));
        const QString pfad = ordner + QLatin1Char('/') + datei;
        QVector<TGewZahlen> gewZahlen = faults::alteZiehungen();
        QVERIFY(faults::speichern(pfad, false, gewZahlen).ok());
        QByteArray vorher = lesen(pfad);

        Status s;
        switch (Stoerung(stoerung)) {
        case Stoerung::NurLesbarerOrdner:
            QVERIFY(QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            s = faults::speichern(pfad, true, gewZahlen);
            QFile::setPermissions(ordner,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            break;
        case Stoerung::OrdnerAnDateiStelle: {
            // What is in that folder must survive too.
            QVERIFY(QFile::remove(pfad));
            QVERIFY(QDir().mkpath(pfad));
            QFile drin(pfad + QStringLiteral("/drin.txt"));
            QVERIFY(drin.open(QIODevice::WriteOnly) && drin.write("Inhalt") == 6);
            drin.close();
            vorher = "Inhalt";
            s = faults::speichern(pfad, true, gewZahlen);
            QCOMPARE(lesen(pfad + QStringLiteral("/drin.txt")), vorher);
            break;
        }
        case Stoerung::DatentraegerVoll: {
            // In a child process: the file size limit would hit this process's other writes too.
            QProcess kind;
            QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
            umgebung.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
            kind.setProcessEnvironment(umgebung);
            kind.start(QStringLiteral(KB_SPEICHER_PROBE), {pfad, QStringLiteral("128")});
            QVERIFY(kind.waitForFinished(60000));
            QCOMPARE(kind.exitStatus(), QProcess::NormalExit);
            const QString text = QString::fromUtf8(kind.readAllStandardOutput());
            QVERIFY2(kind.exitCode() != 2, "the draw history in memory was changed");
            QCOMPARE(kind.exitCode(), 1);
            s = Fehler{text};
            break;
        }
        }

        QVERIFY(!s.ok());
        QVERIFY2(s.fehler().startsWith(QStringLiteral("Die Datei \"%1\" kann nicht gespeichert werden.")
                                           .arg(QDir::toNativeSeparators(pfad))),
                 qPrintable(s.fehler()));
        QVERIFY2(s.fehler().contains(grund), qPrintable(s.fehler()));
        if (Stoerung(stoerung) != Stoerung::OrdnerAnDateiStelle)
            QCOMPARE(lesen(pfad), vorher);
        // No half-written temporary file is left behind.
        QCOMPARE(QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{datei});
        QCOMPARE(gewZahlen, faults::alteZiehungen());
    }
};
KB_TEST(SpeicherFehlerTest)

#include "save_fault_test.moc"
