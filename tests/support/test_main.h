#pragma once

#include <QObject>
#include <QTest>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace kb::test {

using TestFabrik = std::function<std::unique_ptr<QObject>()>;

inline std::vector<std::pair<const char*, TestFabrik>>& testRegister() {
    static std::vector<std::pair<const char*, TestFabrik>> r;
    return r;
}

inline bool registrieren(const char* name, TestFabrik f) {
    testRegister().emplace_back(name, std::move(f));
    return true;
}

// Runs every registered test class; called by the folder's main.
int alleTestsAusfuehren(int argc, char** argv);

// Sets XDG_DATA_HOME to a fresh temporary folder and the German locale (before the app exists).
void testumgebungEinrichten();

} // namespace kb::test

// One line after a test class: the folder's test executable runs it.
#define KB_TEST(Klasse)                                                                                            \
    static const bool kb_test_registriert_##Klasse =                                                               \
        kb::test::registrieren(#Klasse, [] { return std::make_unique<Klasse>(); });
