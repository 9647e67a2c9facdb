#include "test_services.h"

#include "platform/spreadsheet_files.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTimer>

namespace kb::test {

Antwort TestDialogs::zeige(QWidget*, Nachricht art, const QString& text, Knoepfe knoepfe) {
    meldungen.append({art, text, knoepfe});
    if (!antworten.isEmpty())
        return antworten.dequeue();
    return knoepfe == Knoepfe::Ok ? Antwort::Ok : Antwort::Abbrechen;
}

QStringList TestDialogs::texte() const {
    QStringList t;
    for (const Meldung& m : meldungen)
        t.append(m.text);
    return t;
}

QStringList TestFileDialogs::oeffnen(QWidget*, DateiDialogOptionen& optionen, bool) {
    aufrufe.append(optionen);
    if (oeffnenAntworten.isEmpty())
        return {};
    if (gewaehlterFilter > 0)
        optionen.filterIndex = gewaehlterFilter;
    return oeffnenAntworten.dequeue();
}

QString TestFileDialogs::speichern(QWidget*, DateiDialogOptionen& optionen) {
    aufrufe.append(optionen);
    if (speichernAntworten.isEmpty())
        return {};
    if (gewaehlterFilter > 0)
        optionen.filterIndex = gewaehlterFilter;
    return speichernAntworten.dequeue();
}

bool TestShell::oeffneUrl(const QUrl& url) {
    aufrufe.append(QStringLiteral("url:") + url.toString());
    return erfolg;
}
bool TestShell::oeffneDatei(const QString& pfad) {
    aufrufe.append(QStringLiteral("datei:") + pfad);
    return erfolg;
}
bool TestShell::rechnerStarten() {
    aufrufe.append(QStringLiteral("rechner"));
    return erfolg;
}
bool TestShell::skriptStarten(const QString& pfad) {
    aufrufe.append(QStringLiteral("skript:") + pfad);
    return erfolg;
}
QString TestShell::skriptDateiAnlegen() {
    QString pfad;
    if (skriptDateiMoeglich) {
        QTemporaryFile f(skriptOrdner.path() + QStringLiteral("/uisXXXXXX.sh"));
        f.setAutoRemove(false);
        if (f.open())
            pfad = f.fileName();
    }
    aufrufe.append(QStringLiteral("skriptdatei:") + pfad);
    return pfad;
}
bool TestShell::schreibschutzAufheben(const QString& pfad) {
    aufrufe.append(QStringLiteral("schreibschutz:") + pfad);
    return erfolg;
}
void TestShell::beenden() {
    aufrufe.append(QStringLiteral("beenden"));
}
void TestShell::sofortBeenden() {
    aufrufe.append(QStringLiteral("sofortBeenden"));
}

namespace {
class TestAbruf final : public Abruf {
public:
    explicit TestAbruf(TestNetwork::Antwort a) : m_antwort(std::move(a)) {
        QTimer::singleShot(0, this, [this] {
            if (m_abgebrochen) {
                abschliessen(false, {}, QStringLiteral("Der Download wurde abgebrochen."));
                return;
            }
            if (m_antwort.ok)
                Q_EMIT fortschritt(m_antwort.daten.size(), m_antwort.daten.size());
            abschliessen(m_antwort.ok, m_antwort.daten, m_antwort.fehler);
        });
    }
    void abbrechen() override { m_abgebrochen = true; }

private:
    TestNetwork::Antwort m_antwort;
    bool m_abgebrochen = false;
};
} // namespace

Abruf* TestNetwork::holen(const QUrl& url) {
    const QString text = url.toString();
    abrufe.append(text);
    const auto it = antworten.constFind(text);
    return new TestAbruf(
        it != antworten.constEnd() ? *it : Antwort{false, {}, QStringLiteral("Host nicht gefunden")});
}

std::uint32_t TestRandom::zahl(std::uint32_t grenze) {
    if (!skript.isEmpty())
        return skript.dequeue() % grenze;
    return std::uniform_int_distribution<std::uint32_t>(0, grenze - 1)(m_engine);
}

Status TestSpreadsheet::schreiben(const QString& pfad, const ExportBlatt& blatt) {
    return XlsxSchreiben(pfad, blatt);
}

bool TestSpreadsheet::oeffnen(const QString& pfad) {
    geoeffnet.append(pfad);
    return oeffnenOk;
}

Result<Tabellenblatt> TestSpreadsheet::lesen(const QString& pfad) {
    gelesen.append(pfad);
    return TabelleLesen(pfad);
}

TestPrinter::TestPrinter() {
    drucker().setOutputFormat(QPrinter::PdfFormat);
}

bool TestPrinter::auswaehlen(QWidget*) {
    aufrufe.append(QStringLiteral("auswaehlen"));
    drucker().setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, randMm, QPageLayout::Millimeter));
    return ausgewaehlt;
}

QString TestPrinter::pdf(int auftrag) const {
    return m_ordner.filePath(QStringLiteral("auftrag-%1.pdf").arg(auftrag));
}

Status TestPrinter::beginnen(const QString& titel) {
    aufrufe.append(QStringLiteral("beginnen:") + titel);
    drucker().setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, randMm, QPageLayout::Millimeter));
    drucker().setOutputFileName(pdf(++auftraege));
    return QPrinterDrucker::beginnen(titel);
}

void TestPrinter::text(QPoint punkt, const QString& t) {
    aufrufe.append(QStringLiteral("text:%1,%2:%3").arg(punkt.x()).arg(punkt.y()).arg(t));
    QPrinterDrucker::text(punkt, t);
}

Status TestPrinter::beenden() {
    if (auftragOffen())
        aufrufe.append(QStringLiteral("beenden"));
    return QPrinterDrucker::beenden();
}

TestDienste::TestDienste() {
    dienste.dialoge = &dialoge;
    dienste.dateiDialoge = &dateiDialoge;
    dienste.shell = &shell;
    dienste.netz = &netz;
    dienste.uhr = &uhr;
    dienste.zufall = &zufall;
    dienste.hilfe = &hilfe;
    dienste.tabellen = &tabellen;
    dienste.drucker = &drucker;
}

} // namespace kb::test
