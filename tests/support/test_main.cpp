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
    // "<executable> Klasse [QtTest options]" runs one test class only.
    QByteArray nurKlasse;
    if (argc > 1 && std::any_of(tests.begin(), tests.end(), [&](const auto& t) { return std::strcmp(t.first, argv[1]) == 0; })) {
        nurKlasse = argv[1];
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    int fehler = 0;
    for (const auto& [name, fabrik] : tests) {
        if (!nurKlasse.isEmpty() && nurKlasse != name)
            continue;
        std::unique_ptr<QObject> t = fabrik();
        fehler += QTest::qExec(t.get(), argc, argv);
    }
    return fehler == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace kb::test

int main(int argc, char** argv) { return kb::test::alleTestsAusfuehren(argc, argv); }
