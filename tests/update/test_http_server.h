#pragma once

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A tiny HTTP/1.1 server on 127.0.0.1 for download tests: answers GET requests by path
// from a script; successive requests for a path take successive answers, the last repeats.
class TestHttpServer {
public:
    struct Antwort {
        int status = 200;
        QByteArray body;
    };

    bool starten() {
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                s->setParent(&m_server);
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { lesen(s); });
                QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
        return m_server.listen(QHostAddress::LocalHost);
    }
    void stoppen() { m_server.close(); }
    quint16 port() const { return m_server.serverPort(); }
    QUrl basis() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/downloads/").arg(port())); }

    QHash<QString, QList<Antwort>> antworten;
    QStringList anfragen; // "GET /downloads/GZ.649"

private:
    void lesen(QTcpSocket* s) {
        QByteArray& puffer = m_puffer[s];
        puffer += s->readAll();
        const qsizetype ende = puffer.indexOf("\r\n\r\n");
        if (ende < 0)
            return;
        const QList<QByteArray> teile = puffer.left(puffer.indexOf("\r\n")).split(' ');
        m_puffer.remove(s);
        const QString methode = QString::fromLatin1(teile.value(0));
        const QString pfad = QString::fromLatin1(teile.value(1));
        anfragen.append(methode + QLatin1Char(' ') + pfad);
        const int nummer = static_cast<int>(anfragen.filter(QLatin1Char(' ') + pfad).size()) - 1;
        Antwort a{404, QByteArray("<html><body>Not Found</body></html>")};
        if (const auto it = antworten.constFind(pfad); it != antworten.constEnd() && !it->isEmpty())
            a = it->value(std::min<int>(nummer, static_cast<int>(it->size()) - 1));
        QByteArray antwort = "HTTP/1.1 " + QByteArray::number(a.status) +
                             (a.status == 200 ? " OK" : " Fehler") +
                             "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                             QByteArray::number(a.body.size()) + "\r\nConnection: close\r\n\r\n" + a.body;
        s->write(antwort);
        s->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_puffer;
};
