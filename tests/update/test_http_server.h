#pragma once

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <algorithm>
#include <memory>

// A tiny HTTP/1.1 server on 127.0.0.1 for download tests: answers GET requests by path
// from a script; successive requests for a path take successive answers, the last repeats.
class TestHttpServer {
public:
    struct Antwort {
        int status = 200;
        QByteArray body;
        // Faults: no answer at all; Content-Length other than the body's (-1 the body's, -2 none:
        // the closed connection ends the body); zero bytes streamed after the body.
        bool stumm = false;
        qint64 laengeAngabe = -1;
        qint64 nachschub = 0;
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
    qint64 gesendet = 0;  // bytes of streamed bodies written so far

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
        if (a.stumm)
            return;
        const qint64 laenge = a.laengeAngabe == -1 ? a.body.size() : a.laengeAngabe;
        QByteArray antwort =
            "HTTP/1.1 " + QByteArray::number(a.status) + (a.status == 200 ? " OK" : " Fehler") +
            "\r\nContent-Type: application/octet-stream\r\n" +
            (laenge >= 0 ? "Content-Length: " + QByteArray::number(laenge) + "\r\n" : QByteArray()) +
            "Connection: close\r\n\r\n" + a.body;
        s->write(antwort);
        if (a.nachschub <= 0) {
            s->disconnectFromHost();
            return;
        }
        // Streams as fast as the client takes it, until all is sent or the client hangs up.
        auto rest = std::make_shared<qint64>(a.nachschub);
        const auto nachlegen = [this, s, rest] {
            while (*rest > 0 && s->bytesToWrite() < (qint64(1) << 18)) {
                const qint64 n = std::min<qint64>(*rest, qint64(1) << 16);
                s->write(QByteArray(n, '\0'));
                *rest -= n;
                gesendet += n;
            }
            if (*rest == 0 && s->bytesToWrite() == 0)
                s->disconnectFromHost();
        };
        QObject::connect(s, &QTcpSocket::bytesWritten, s, nachlegen);
        nachlegen();
    }

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_puffer;
};
