#pragma once

#include "core/date.h"
#include "core/program_state.h"
#include "core/records.h"
#include "platform/qt_services.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QString>
#include <QVector>

namespace kb::test {

// The real network service, reporting "online" whatever the machine says: the tests talk to 127.0.0.1.
class LokalesNetz final : public Network {
public:
    LokalesNetz() = default;
    explicit LokalesNetz(int zeitlimitMs) { m_netz.zeitlimitSetzen(zeitlimitMs); }
    bool online() const override { return true; }
    Abruf* holen(const QUrl& url) override { return m_netz.holen(url); }
    void cacheLeeren() override {
        ++cacheGeleert;
        m_netz.cacheLeeren();
    }
    int cacheGeleert = 0;

private:
    QtNetwork m_netz;
};

// A draw whose first number tells the draws apart.
inline TGewZahlen ziehung(const QDate& d, std::uint8_t a) {
    TGewZahlen z;
    z.datum = ausQDate(d);
    z.GZ = {a, 12, 23, 34, 45, 6};
    z.SZ = 5;
    return z;
}
// The history on the machine before a download.
inline QVector<TGewZahlen> alteZiehungen() {
    return {ziehung(QDate(2024, 3, 30), 1), ziehung(QDate(2024, 4, 3), 2), ziehung(QDate(2024, 4, 6), 3)};
}

inline QByteArray dateiLesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
}
inline bool dateiSchreiben(const QString& pfad, const QByteArray& b) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

// A fresh program state whose data folder and temporary file lie below root (emptied first).
inline void datenOrdnerEinrichten(const QString& wurzel) {
    zustand() = Programmzustand{};
    QDir(wurzel).removeRecursively();
    QDir().mkpath(wurzel + QStringLiteral("/daten"));
    zustand().DatenPfad = wurzel + QStringLiteral("/daten/");
    zustand().TempDatei = wurzel + QStringLiteral("/tmp.tmp");
}

// The system proxy must not take the requests to 127.0.0.1.
inline void ohneProxy() {
    for (const char* v : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(v);
}

} // namespace kb::test
