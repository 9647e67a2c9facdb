#pragma once

#include "clock.h"
#include "dialogs.h"
#include "file_dialogs.h"
#include "network.h"
#include "random.h"
#include "shell.h"
#include "spreadsheet.h"

#include <QNetworkAccessManager>

#include <memory>
#include <random>

class QApplication;

namespace kb {

class QtDialogs final : public Dialogs {
public:
    Antwort zeige(QWidget* eltern, Nachricht art, const QString& text, Knoepfe knoepfe) override;
};

class QtFileDialogs final : public FileDialogs {
public:
    QStringList oeffnen(QWidget* eltern, DateiDialogOptionen& optionen, bool mehrere) override;
    QString speichern(QWidget* eltern, DateiDialogOptionen& optionen) override;
};

class QtShell final : public Shell {
public:
    bool oeffneUrl(const QUrl& url) override;
    bool oeffneDatei(const QString& pfad) override;
    bool rechnerStarten() override;
    bool skriptStarten(const QString& pfad) override;
    QString skriptDateiAnlegen() override;
    QString programmDatei() const override;
    qint64 prozessNummer() const override;
    bool schreibschutzAufheben(const QString& pfad) override;
    void beenden() override;
    void sofortBeenden() override;
};

class QtSpreadsheet final : public Spreadsheet {
public:
    explicit QtSpreadsheet(Shell& shell);
    bool programmVorhanden() override;
    Status schreiben(const QString& pfad, const ExportBlatt& blatt) override;
    bool oeffnen(const QString& pfad) override;
    Result<Tabellenblatt> lesen(const QString& pfad) override;

private:
    Shell& m_shell;
};

class QtNetwork final : public Network {
public:
    QtNetwork();
    bool online() const override;
    Abruf* holen(const QUrl& url) override;
    void cacheLeeren() override;
    // A request that receives nothing for this long ends with an error.
    void zeitlimitSetzen(int millisekunden) { m_zeitlimit = millisekunden; }

private:
    std::unique_ptr<QNetworkAccessManager> m_nam;
    int m_zeitlimit = 60000;
};

class StdRandom final : public Random {
public:
    StdRandom();
    std::uint64_t saat() override;
    std::uint32_t zahl(std::uint32_t grenze) override;

private:
    std::mt19937_64 m_engine;
};

// Loads the German Qt translations so that standard dialogs read "Ja", "Nein", "Abbrechen".
void deutscheUebersetzungLaden(QApplication& app);

// Message box text: "\r\r" paragraph breaks become an empty line.
QString nachrichtFuerAnzeige(const QString& text);

} // namespace kb
