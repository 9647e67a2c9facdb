#pragma once

#include "platform/qt_services.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kb::test {

// The real network service, reporting "online" whatever the machine says: the tests talk to 127.0.0.1.
class LokalesNetz final : public Network {
public:
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

inline QByteArray dateiLesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
}
inline bool dateiSchreiben(const QString& pfad, const QByteArray& b) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

// The system proxy must not take the requests to 127.0.0.1.
inline void ohneProxy() {
    for (const char* v : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(v);
}

} // namespace kb::test
