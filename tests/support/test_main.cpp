#include "test_main.h"

#include <QLocale>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#ifdef KB_TEST_GUI
#include <QApplication>
using TestApp = QApplication;
#else
#include <QCoreApplication>
using TestApp = QCoreApplication;
#endif

namespace kb::test {

void testumgebungEinrichten() {
    static QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + QStringLiteral("/cache")).toLocal8Bit());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

int alleTestsAusfuehren(int argc, char** argv) {
    testumgebungEinrichten();
    TestApp app(argc, argv);
    auto& tests = testRegister();
    std::sort(tests.begin(), tests.end(), [](const auto& a, const auto& b) { return std::strcmp(a.first, b.first) < 0; });
    int fehler = 0;
    for (const auto& [name, fabrik] : tests) {
        std::unique_ptr<QObject> t = fabrik();
        fehler += QTest::qExec(t.get(), argc, argv);
    }
    return fehler == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace kb::test

int main(int argc, char** argv) { return kb::test::alleTestsAusfuehren(argc, argv); }
