#include "qt_services.h"

#include <QFile>
#include <QNetworkDiskCache>
#include <QNetworkInformation>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

namespace kb {

namespace {

// Qt's texts are English and name no cause a player understands; these say what happened.
QString fehlerText(const QNetworkReply& antwort) {
    const QUrl& url = antwort.url();
    const QString server = url.host().isEmpty() ? url.toDisplayString() : url.host();
    switch (antwort.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("Der Server \"%1\" hat die Verbindung abgelehnt.").arg(server);
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("Der Server \"%1\" wurde nicht gefunden.").arg(server);
    // OperationCanceled is the transfer timeout here: a cancel by the user is told apart before.
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("Der Server \"%1\" antwortet nicht.").arg(server);
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("Der Server \"%1\" hat die Verbindung vorzeitig beendet.").arg(server);
    case QNetworkReply::ContentNotFoundError:
        return QStringLiteral("Die Datei \"%1\" gibt es auf dem Server nicht (Fehler 404).")
            .arg(url.fileName());
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("Die sichere Verbindung zum Server \"%1\" kam nicht zustande.").arg(server);
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QStringLiteral("Der Proxy-Server ist nicht erreichbar.");
    default:
        break;
    }
    const int status = antwort.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        return QStringLiteral("Der Server meldet den Fehler %1.").arg(status);
    return QStringLiteral("Der Download ist gescheitert (%1).").arg(antwort.errorString());
}

class QtAbruf final : public Abruf {
public:
    QtAbruf(QNetworkAccessManager& nam, const QUrl& url, int zeitlimit) {
        QNetworkRequest anfrage(url);
        anfrage.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        anfrage.setTransferTimeout(zeitlimit);
        m_antwort = nam.get(anfrage);
        m_antwort->setParent(this);
        connect(m_antwort, &QNetworkReply::downloadProgress, this, &Abruf::fortschritt);
        connect(m_antwort, &QNetworkReply::finished, this, [this] {
            const int status = m_antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (m_abgebrochen) {
                abschliessen(false, {}, QStringLiteral("Der Download wurde abgebrochen."));
            } else if (m_antwort->error() != QNetworkReply::NoError) {
                abschliessen(false, {}, fehlerText(*m_antwort));
            } else if (status >= 400) {
                abschliessen(false, {}, QStringLiteral("Der Server meldet den Fehler %1.").arg(status));
            } else {
                abschliessen(true, m_antwort->readAll(), {});
            }
        });
    }
    void abbrechen() override {
        m_abgebrochen = true;
        if (m_antwort && m_antwort->isRunning())
            m_antwort->abort();
    }

private:
    QPointer<QNetworkReply> m_antwort;
    bool m_abgebrochen = false;
};

} // namespace

QtNetwork::QtNetwork() : m_nam(std::make_unique<QNetworkAccessManager>()) {
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    QNetworkInformation::loadDefaultBackend();
}

bool QtNetwork::online() const {
    const QNetworkInformation* info = QNetworkInformation::instance();
    // Without a backend the state is unknown; a failed request reports itself later.
    if (!info || info->reachability() == QNetworkInformation::Reachability::Unknown)
        return true;
    return info->reachability() == QNetworkInformation::Reachability::Online;
}

Abruf* QtNetwork::holen(const QUrl& url) { return new QtAbruf(*m_nam, url, m_zeitlimit); }

void QtNetwork::cacheLeeren() {
    m_nam->clearAccessCache();
    if (auto* cache = m_nam->cache())
        cache->clear();
}

StdRandom::StdRandom()
    : m_engine(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()) ^ std::random_device{}()) {}

std::uint64_t StdRandom::saat() { return m_engine(); }

std::uint32_t StdRandom::zahl(std::uint32_t grenze) {
    return std::uniform_int_distribution<std::uint32_t>(0, grenze - 1)(m_engine);
}

} // namespace kb
