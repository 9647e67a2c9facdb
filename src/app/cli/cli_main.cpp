// kugelblick-cli: the program's logic from the command line, for scripts and batch work.
// Every subcommand calls the logic functions the windows call; this file only dispatches.

#include "cli_context.h"
#include "commands.h"
#include "core/program_state.h"
#include "platform/paths.h"
#include "systems/catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <cstdio>

namespace kb::cli {

namespace {

const QString Programm = QStringLiteral("kugelblick-cli");

QList<QCommandLineOption> allgemeineOptionen() {
    return {{QStringLiteral("daten"),
             QStringLiteral("Datenordner mit GZ.649 und Quo.649 (Vorgabe: der Datenordner des Programms)."),
             QStringLiteral("ORDNER")},
            {QStringLiteral("csv"),
             QStringLiteral("Maschinenlesbare Ausgabe: CSV mit Kopfzeile, ISO-Daten, Dezimalpunkt.")},
            {{QStringLiteral("hilfe"), QStringLiteral("help"), QStringLiteral("h")},
             QStringLiteral("Zeigt diese Hilfe.")}};
}

QVector<Befehl> alleBefehle() {
    QVector<Befehl> b;
    ZiehungsBefehle(b);
    StatistikBefehle(b);
    SystemBefehle(b);
    ReihenBefehle(b);
    WerkzeugBefehle(b);
    return b;
}

QString optionenText(const QList<QCommandLineOption>& optionen) {
    QStringList namen;
    for (const QCommandLineOption& o : optionen) {
        QStringList n;
        for (const QString& name : o.names())
            n.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        QString text = n.join(QStringLiteral(", "));
        if (!o.valueName().isEmpty())
            text += QLatin1Char(' ') + o.valueName();
        namen.append(text);
    }
    int breite = 0;
    for (const QString& n : std::as_const(namen))
        breite = std::max(breite, static_cast<int>(n.size()));
    QString text;
    for (qsizetype i = 0; i < optionen.size(); ++i)
        text += QStringLiteral("  ") + namen[i].leftJustified(breite) + QStringLiteral("  ") +
                optionen[i].description() + QLatin1Char('\n');
    return text;
}

QString allgemeineHilfe(const QVector<Befehl>& befehle) {
    QString text = FensterTitel() + QStringLiteral(" – die Logik des Programms auf der Kommandozeile\n\n") +
                   QStringLiteral("Aufruf: %1 BEFEHL [ARGUMENTE] [OPTIONEN]\n\nBefehle:\n").arg(Programm);
    int breite = 0;
    for (const Befehl& b : befehle)
        breite = std::max(breite, static_cast<int>(b.name.size()));
    for (const Befehl& b : befehle)
        text += QStringLiteral("  ") + b.name.leftJustified(breite) + QStringLiteral("  ") + b.beschreibung +
                QLatin1Char('\n');
    QList<QCommandLineOption> optionen = allgemeineOptionen();
    optionen.append({QStringLiteral("version"), QStringLiteral("Zeigt die Version.")});
    text += QStringLiteral("\nAllgemeine Optionen (auch hinter dem Befehl):\n") + optionenText(optionen) +
            QStringLiteral("\n\"%1 BEFEHL --hilfe\" zeigt Argumente und Optionen eines Befehls.\n"
                           "Daten als TT.MM.JJJJ oder JJJJ-MM-TT.\n"
                           "Exit-Status: 0 erledigt, 1 Eingabe abgelehnt, 2 falscher Aufruf.\n")
                .arg(Programm);
    return text;
}

QString befehlsHilfe(const Befehl& b) {
    QString text = QStringLiteral("Aufruf: %1 %2 %3\n\n%4\n").arg(Programm, b.name, b.syntax, b.beschreibung);
    if (!b.optionen.isEmpty())
        text += QStringLiteral("\nOptionen:\n") + optionenText(b.optionen);
    text += QStringLiteral("\nAllgemeine Optionen:\n") + optionenText(allgemeineOptionen());
    return text;
}

// The parser's own errors are English; the program speaks German.
QString parserFehler(const QCommandLineParser& p) {
    const QStringList unbekannt = p.unknownOptionNames();
    if (!unbekannt.isEmpty()) {
        const QString& n = unbekannt.constFirst();
        return QStringLiteral("Unbekannte Option \"%1%2\".")
            .arg(n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), n);
    }
    const QString fehler = p.errorText();
    static const QRegularExpression zitat(QStringLiteral("'([^']*)'"));
    const QString name = zitat.match(fehler).captured(1);
    if (fehler.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("Nach \"%1\" fehlt ein Wert.").arg(name);
    if (fehler.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("\"%1\" nimmt keinen Wert an.").arg(name);
    return QStringLiteral("Fehlerhafter Aufruf: %1").arg(fehler);
}

int ausfuehren(const QStringList& argumente, QTextStream& aus, QTextStream& fehler) {
    const QVector<Befehl> befehle = alleBefehle();
    const auto aufrufFehler = [&](const QString& text) {
        fehler << MeldungAlsText(text) << '\n'
               << QStringLiteral("\"%1 --hilfe\" zeigt die Befehle.").arg(Programm) << '\n';
        return ExitAufruf;
    };

    // Up to the subcommand: only the general options; the rest belongs to the subcommand.
    QCommandLineParser oben;
    oben.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    oben.addOptions(allgemeineOptionen());
    oben.addOption({QStringLiteral("version"), QStringLiteral("Zeigt die Version.")});
    if (!oben.parse(argumente))
        return aufrufFehler(parserFehler(oben));
    if (oben.isSet(QStringLiteral("version"))) {
        aus << FensterTitel() << '\n';
        return ExitOk;
    }
    const QStringList rest = oben.positionalArguments();
    if (rest.isEmpty()) {
        if (oben.isSet(QStringLiteral("hilfe"))) {
            aus << allgemeineHilfe(befehle);
            return ExitOk;
        }
        fehler << allgemeineHilfe(befehle);
        return ExitAufruf;
    }
    const auto it = std::find_if(befehle.begin(), befehle.end(),
                                 [&](const Befehl& b) { return b.name == rest.constFirst(); });
    if (it == befehle.end())
        return aufrufFehler(QStringLiteral("Unbekannter Befehl \"%1\".").arg(rest.constFirst()));
    const Befehl& befehl = *it;

    QCommandLineParser p;
    p.addOptions(allgemeineOptionen());
    p.addOptions(befehl.optionen);
    if (!p.parse(QStringList{argumente.constFirst()} + rest.mid(1)))
        return aufrufFehler(parserFehler(p));
    if (p.isSet(QStringLiteral("hilfe")) || oben.isSet(QStringLiteral("hilfe"))) {
        aus << befehlsHilfe(befehl);
        return ExitOk;
    }
    const QStringList args = p.positionalArguments();
    if (args.size() < befehl.minArgumente || (befehl.maxArgumente >= 0 && args.size() > befehl.maxArgumente))
        return aufrufFehler(QStringLiteral("Falsche Anzahl von Argumenten für \"%1\".\nAufruf: %2 %1 %3")
                                .arg(befehl.name, Programm, befehl.syntax));

    QString daten = p.isSet(QStringLiteral("daten"))      ? p.value(QStringLiteral("daten"))
                    : oben.isSet(QStringLiteral("daten")) ? oben.value(QStringLiteral("daten"))
                                                          : pfadeErmitteln().datenPfad;
    daten = QDir::fromNativeSeparators(daten);
    const bool csv = p.isSet(QStringLiteral("csv")) || oben.isSet(QStringLiteral("csv"));
    Kontext k(csv ? Format::CSV : Format::Tabelle, daten, aus, fehler);
    try {
        const int status = befehl.ausfuehren(k, Aufruf{p, args, rest.mid(1)});
        aus.flush();
        return status;
    } catch (const Abbruch& a) {
        aus.flush();
        fehler << MeldungAlsText(a.text) << '\n';
        return a.status;
    }
}

} // namespace

} // namespace kb::cli

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kugelblick"));
    QCoreApplication::setApplicationVersion(kb::VersionText);
    // The catalogue is built at start, as in the program.
    kb::SystemeAufbauen(kb::MaxSystemreihen);
    QTextStream aus(stdout);
    QTextStream fehler(stderr);
    const int status = kb::cli::ausfuehren(QCoreApplication::arguments(), aus, fehler);
    aus.flush();
    fehler.flush();
    return status;
}
