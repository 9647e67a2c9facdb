#pragma once

#include "platform/qt_printer.h"
#include "platform/services.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>

#include <random>

namespace kb::test {

// Records every message and answers from a script (default: Ok for Ok boxes, else Abbrechen).
class TestDialogs final : public Dialogs {
public:
    struct Meldung {
        Nachricht art;
        QString text;
        Knoepfe knoepfe;
    };
    Antwort zeige(QWidget* eltern, Nachricht art, const QString& text, Knoepfe knoepfe) override;

    QList<Meldung> meldungen;
    QQueue<Antwort> antworten;
    QStringList texte() const;
};

class TestFileDialogs final : public FileDialogs {
public:
    QStringList oeffnen(QWidget* eltern, DateiDialogOptionen& optionen, bool mehrere) override;
    QString speichern(QWidget* eltern, DateiDialogOptionen& optionen) override;

    // Each call takes the next answer; an empty answer means "cancelled".
    QQueue<QStringList> oeffnenAntworten;
    QQueue<QString> speichernAntworten;
    // The filter index the simulated user picks (0 = keep the proposed one).
    int gewaehlterFilter = 0;
    QList<DateiDialogOptionen> aufrufe;
};

class TestShell final : public Shell {
public:
    bool oeffneUrl(const QUrl& url) override;
    bool oeffneDatei(const QString& pfad) override;
    bool rechnerStarten() override;
    bool skriptStarten(const QString& pfad) override;
    QString skriptDateiAnlegen() override;
    QString programmDatei() const override { return programm; }
    qint64 prozessNummer() const override { return prozess; }
    bool schreibschutzAufheben(const QString& pfad) override;
    void beenden() override;
    void sofortBeenden() override;

    // "url:<url>", "datei:<path>", "rechner", "skript:<path>", "skriptdatei:<path>",
    // "schreibschutz:<path>", "beenden", "sofortBeenden"
    QStringList aufrufe;
    bool erfolg = true;
    bool skriptDateiMoeglich = true;
    QString programm = QStringLiteral("/opt/Kugel Blick/kugelblick");
    qint64 prozess = 4242;
    // Script files are real, in a folder of their own that goes with the test.
    QTemporaryDir skriptOrdner;
};

// Scripted answers per URL, delivered from the event loop like a real reply.
class TestNetwork final : public Network {
public:
    struct Antwort {
        bool ok = true;
        QByteArray daten;
        QString fehler;
    };
    bool online() const override { return istOnline; }
    Abruf* holen(const QUrl& url) override;
    void cacheLeeren() override { ++cacheGeleert; }

    bool istOnline = true;
    QHash<QString, Antwort> antworten; // by URL text; unknown URLs fail
    QStringList abrufe;
    int cacheGeleert = 0;
};

class TestClock final : public Clock {
public:
    explicit TestClock(QDateTime t = QDateTime(QDate(2024, 4, 11), QTime(12, 0))) : zeit(std::move(t)) {}
    QDateTime jetzt() const override { return zeit; }
    QDateTime zeit;
};

// Deterministic: a fixed seed, or a script of values for zahl().
class TestRandom final : public Random {
public:
    explicit TestRandom(std::uint64_t seed = 4711) : m_engine(seed) {}
    std::uint64_t saat() override { return m_engine(); }
    std::uint32_t zahl(std::uint32_t grenze) override;
    QQueue<std::uint32_t> skript;

private:
    std::mt19937_64 m_engine;
};

// Records "thema:<n>" and "suche".
class TestHelp final : public Help {
public:
    void thema(QWidget*, int kontext) override { aufrufe.append(QStringLiteral("thema:%1").arg(kontext)); }
    void suche(QWidget*) override { aufrufe.append(QStringLiteral("suche")); }
    QStringList aufrufe;
};

// Writes and reads real workbooks; the spreadsheet program is simulated.
class TestSpreadsheet final : public Spreadsheet {
public:
    bool programmVorhanden() override { return programm; }
    Status schreiben(const QString& pfad, const ExportBlatt& blatt) override;
    bool oeffnen(const QString& pfad) override;
    Result<Tabellenblatt> lesen(const QString& pfad) override;

    bool programm = true;  // a spreadsheet program is installed
    bool oeffnenOk = true; // opening the workbook works
    QStringList geoeffnet; // workbooks handed to the program
    QStringList gelesen;   // files read
};

// Prints every job into a PDF file of its own (auftrag-1.pdf, ...) with the given unprintable
// margins, and records the calls: "auswaehlen", "beginnen:<title>", "text:<x>,<y>:<text>", "beenden".
class TestPrinter final : public QPrinterDrucker {
public:
    TestPrinter();
    bool auswaehlen(QWidget* eltern) override;
    Status beginnen(const QString& titel) override;
    void text(QPoint punkt, const QString& text) override;
    Status beenden() override;

    QString ordner() const { return m_ordner.path(); }
    QString pdf(int auftrag) const; // 1-based

    bool ausgewaehlt = true;      // the printer dialog is confirmed
    QMarginsF randMm{4, 6, 4, 6}; // left, top, right, bottom
    QStringList aufrufe;
    int auftraege = 0;

private:
    QTemporaryDir m_ordner;
};

// All doubles together, with a Dienste pointing at them.
struct TestDienste {
    TestDienste();
    TestDienste(const TestDienste&) = delete;
    TestDienste& operator=(const TestDienste&) = delete;

    TestDialogs dialoge;
    TestFileDialogs dateiDialoge;
    TestShell shell;
    TestNetwork netz;
    TestClock uhr;
    TestRandom zufall;
    TestHelp hilfe;
    TestSpreadsheet tabellen;
    TestPrinter drucker;
    Dienste dienste;
};

} // namespace kb::test
