#pragma once

#include "cli_context.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace kb::cli {

// One subcommand as parsed: its options, its arguments and the raw words after its name
// (for options whose meaning depends on their order).
struct Aufruf {
    const QCommandLineParser& p;
    QStringList argumente;
    QStringList roh;
};

struct Befehl {
    QString name;
    QString syntax;       // arguments and options after the name, for the help
    QString beschreibung; // one line
    QList<QCommandLineOption> optionen;
    int minArgumente = 0;
    int maxArgumente = 0; // -1: any number
    int (*ausfuehren)(Kontext&, const Aufruf&) = nullptr;
};

// Each group file adds its subcommands.
void ZiehungsBefehle(QVector<Befehl>& b);
void StatistikBefehle(QVector<Befehl>& b);
void SystemBefehle(QVector<Befehl>& b);
void ReihenBefehle(QVector<Befehl>& b);
void WerkzeugBefehle(QVector<Befehl>& b);

} // namespace kb::cli
