#include "fuzz_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdlib>

namespace kb::fuzz {

namespace {

void stilleAusgabe(QtMsgType typ, const QMessageLogContext&, const QString& text) {
    if (typ == QtFatalMsg) {
        fprintf(stderr, "qFatal: %s\n", qPrintable(text));
        std::abort();
    }
}

QTemporaryDir& ordner() {
    static QTemporaryDir o;
    if (!o.isValid())
        std::abort();
    return o;
}

} // namespace

void Vorbereiten() {
    qInstallMessageHandler(stilleAusgabe);
    ordner();
}

QString AlsDatei(const QByteArray& daten, const QString& name) {
    const QString pfad = ordner().filePath(name);
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(daten) != daten.size())
        std::abort();
    return pfad;
}

const QLocale& Deutsch() {
    static const QLocale l(QLocale::German, QLocale::Germany);
    return l;
}

} // namespace kb::fuzz
