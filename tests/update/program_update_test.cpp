#include "platform/qt_services.h"
#include "test_main.h"
#include "update/program_update.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

using namespace kb;

namespace {

// One version record written byte by byte: 8 unused bytes, the length, 15 text bytes.
QByteArray record(const QByteArray& text, int laenge = -1, char fuellung = '\0') {
    QByteArray r(8, '\x7f');
    r += static_cast<char>(laenge < 0 ? text.size() : laenge);
    r += text.left(15).leftJustified(15, fuellung);
    return r;
}

bool schreiben(const QString& pfad, const QByteArray& b) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

} // namespace

class ProgrammUpdateTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void version_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("version");
        QTest::newRow("ein Eintrag") << record("1.7.0.0") << true << "1.7.0.0";
        QTest::newRow("der letzte zählt") << record("9.0.0.0") + record("1.7.0.0") << true << "1.7.0.0";
        QTest::newRow("Leerzeichen bleibt") << record("1.7.0.0 ") << true << "1.7.0.0 ";
        QTest::newRow("Bytes nach dem Text zählen nicht") << record("1.8", -1, 'x') << true << "1.8";
        QTest::newRow("Länge 15") << record("1.7.0.0-beta.12") << true << "1.7.0.0-beta.12";
        QTest::newRow("Länge 0") << record("") << true << "";
        QTest::newRow("angebrochener Eintrag am Ende")
            << record("1.8.0.0") + QByteArray(10, '\3') << true << "1.8.0.0";
        QTest::newRow("Latin-1") << record("1.8\xe4") << true << QStringLiteral("1.8ä");
        QTest::newRow("kein ganzer Eintrag") << QByteArray(23, '\1') << false << "";
        QTest::newRow("leer") << QByteArray() << false << "";
        QTest::newRow("Länge 16") << record("1.7.0.0", 16) << false << "";
        QTest::newRow("Fehlerseite") << QByteArray("<html><head><title>Fehler</title></head></html>") << false
                                     << "";
    }
    void version() {
        QFETCH(QByteArray, datei);
        QFETCH(bool, ok);
        QFETCH(QString, version);
        const Result<QString> v = VerfuegbareVersion(datei);
        QCOMPARE(v.ok(), ok);
        if (ok)
            QCOMPARE(*v, version);
        else
            QVERIFY(!v.fehler().isEmpty());
    }

    void versionsDateiRundreise() {
        const QByteArray b = VersionsDatei({QStringLiteral("1.6.0.0"), QStringLiteral("1.7.0.0")});
        QCOMPARE(b, record("1.6.0.0").replace(0, 8, QByteArray(8, '\0')) +
                        record("1.7.0.0").replace(0, 8, QByteArray(8, '\0')));
        QCOMPARE(*VerfuegbareVersion(b), QStringLiteral("1.7.0.0"));
    }

    void adressen() {
        const QUrl basis(QStringLiteral("http://127.0.0.1:8080/downloads/"));
        QCOMPARE(VersionsAdresse(basis).toString(),
                 QStringLiteral("http://127.0.0.1:8080/downloads/verinfos.k2b"));
        QCOMPARE(InstallerAdresse(basis).toString(),
                 QStringLiteral("http://127.0.0.1:8080/downloads/kbupdate.exe"));
    }

    void shellZitat_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("Leerzeichen") << "/opt/Kugel Blick/kugelblick";
        QTest::newRow("Hochkomma") << "/home/o'brien/it's here";
        QTest::newRow("Dollar, Backtick, Backslash") << "/a/$HOME/`id`/\\n/$(rm -rf x)";
        QTest::newRow("Anführungszeichen, Stern") << "/a/\"b\"/*/;&|<>";
        QTest::newRow("Zeilenumbruch") << "/a/b\nc";
        QTest::newRow("Umlaut") << "/home/jürgen/Lotto";
        QTest::newRow("leer") << "";
    }
    void shellZitat() {
        // The shell itself must read the quoted text back unchanged.
        QFETCH(QString, text);
        QProcess sh;
        sh.start(QStringLiteral("/bin/sh"),
                 {QStringLiteral("-c"), QStringLiteral("printf '%s' ") + ShellZitat(text)});
        QVERIFY(sh.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), text);
    }

    void batchSkript() {
        Uebergabe u;
        u.programmDatei = QStringLiteral("C:/Program Files/Kugel 100%/Kugelblick.exe");
        u.programmOrdner = QStringLiteral("C:/Program Files/Kugel 100%/");
        u.skript = QStringLiteral("C:/Users/Jo Do/AppData/Local/Temp/uis1A2B.bat");
        const QString s = QString::fromLocal8Bit(UebergabeSkript(u, SkriptArt::Batch));
        const QString f = QStringLiteral("\"C:\\Program Files\\Kugel 100%%\\Kugelblick.exe\"");
        QVERIFY(s.contains(QStringLiteral("\r\n:Label1\r\ndel ") + f));
        QVERIFY(s.contains(QStringLiteral("if not exist ") + f + QStringLiteral(" goto Label2")));
        QVERIFY(s.contains(QStringLiteral("if %n% geq 120 goto Label2")));
        QVERIFY(s.contains(QStringLiteral("rmdir \"C:\\Program Files\\Kugel 100%%\\\"")));
        // The script's own path is quoted too.
        QVERIFY(s.endsWith(
            QStringLiteral("\r\ndel \"C:\\Users\\Jo Do\\AppData\\Local\\Temp\\uis1A2B.bat\"\r\n")));
    }

    // The hand-off script really run by /bin/sh on a dummy program in a folder whose name needs quoting.
    void uebergabeSkript_data() {
        QTest::addColumn<bool>("programmEndet");
        QTest::addColumn<bool>("weitereDatei");
        QTest::addColumn<int>("wartezeit");
        QTest::addColumn<bool>("dateiWeg");
        QTest::addColumn<bool>("ordnerWeg");
        QTest::newRow("Programm endet") << true << false << 120 << true << true;
        QTest::newRow("Ordner nicht leer") << true << true << 120 << true << false;
        QTest::newRow("Programm endet nie") << false << false << 1 << false << false;
    }
    void uebergabeSkript() {
        QFETCH(bool, programmEndet);
        QFETCH(bool, weitereDatei);
        QFETCH(int, wartezeit);
        QFETCH(bool, dateiWeg);
        QFETCH(bool, ordnerWeg);
        QTemporaryDir tmp;
        const QString ordner = tmp.path() + QStringLiteral("/Mein Programm 'alt' $HOME `x`/");
        QVERIFY(QDir().mkpath(ordner));
        const QString datei = ordner + QStringLiteral("kugel blick");
        QVERIFY(schreiben(datei, "\x7f"
                                 "ELF dummy"));
        if (weitereDatei)
            QVERIFY(schreiben(ordner + QStringLiteral("Kugelblick.qhc"), "hilfe"));

        // Stands for the running program until it is killed.
        QProcess programm;
        programm.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(programm.waitForStarted());

        Uebergabe u;
        u.programmDatei = datei;
        u.programmOrdner = ordner;
        u.skript = tmp.path() + QStringLiteral("/uis skript.sh");
        u.prozess = programm.processId();
        u.wartezeitSekunden = wartezeit;
        QVERIFY(schreiben(u.skript, UebergabeSkript(u, SkriptArt::Posix)));

        QProcess sh;
        sh.setWorkingDirectory(tmp.path());
        sh.start(QStringLiteral("/bin/sh"), {u.skript});
        QVERIFY(sh.waitForStarted());
        if (programmEndet) {
            // Nothing is deleted while the program runs.
            QVERIFY(!sh.waitForFinished(1500));
            QVERIFY(QFile::exists(datei));
            programm.kill();
            QVERIFY(programm.waitForFinished());
        }
        QVERIFY(sh.waitForFinished(20000));
        QCOMPARE(sh.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sh.readAllStandardError(), QByteArray());
        QCOMPARE(!QFile::exists(datei), dateiWeg);
        QCOMPARE(!QDir(ordner).exists(), ordnerWeg);
        QVERIFY(!QFile::exists(u.skript));
        QVERIFY(QDir(tmp.path()).exists()); // nothing above the program folder is touched
        programm.kill();
        programm.waitForFinished();
    }

    void qtShellStartetSkriptImEigenenOrdner() {
        QtShell shell;
        const QString skript = shell.skriptDateiAnlegen();
        QVERIFY(!skript.isEmpty());
        const QFileInfo info(skript);
        QVERIFY(info.exists());
        QCOMPARE(info.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        QVERIFY(info.fileName().startsWith(QStringLiteral("uis")));
        QVERIFY(info.fileName().endsWith(QStringLiteral(".sh")));
        const QString zweites = shell.skriptDateiAnlegen();
        QVERIFY(!zweites.isEmpty() && zweites != skript);
        QFile::remove(zweites);

        QTemporaryDir tmp;
        const QString ausgabe = tmp.path() + QStringLiteral("/pwd.txt");
        QVERIFY(schreiben(skript, "pwd > " + ShellZitat(ausgabe).toUtf8() + "\nrm -f -- \"$0\"\n"));
        QVERIFY(shell.skriptStarten(skript));
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(skript), 10000);
        QFile f(ausgabe);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QFileInfo(QString::fromLocal8Bit(f.readAll().trimmed())).canonicalFilePath(),
                 QFileInfo(info.absolutePath()).canonicalFilePath());
    }
};
KB_TEST(ProgrammUpdateTest)

#include "program_update_test.moc"
