#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

namespace kb {

// One running GET. Signals arrive on the window thread; the object deletes itself after fertig().
class Abruf : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void abbrechen() = 0;

    bool ok() const { return m_ok; }
    const QByteArray& daten() const { return m_daten; }
    const QString& fehler() const { return m_fehler; }

Q_SIGNALS:
    void fortschritt(qint64 empfangen, qint64 gesamt);
    void fertig();

protected:
    void abschliessen(bool ok, QByteArray daten, QString fehler);

private:
    bool m_ok = false;
    QByteArray m_daten;
    QString m_fehler;
};

class Network {
public:
    virtual ~Network() = default;
    // What the operating system reports; no request is made.
    virtual bool online() const = 0;
    // GET with the system proxy; file URLs need no connection.
    virtual Abruf* holen(const QUrl& url) = 0;
    virtual void cacheLeeren() = 0;
};

} // namespace kb
