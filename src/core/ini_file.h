#pragma once

#include "result.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace kb {

// Reader/writer for Windows-style INI files. Values are taken as they stand (commas,
// semicolons, backslashes), one pair of enclosing quotes is stripped, names compare
// without regard to case, and a rewrite keeps comments, order and unknown lines.
// Reads UTF-8, falls back to Windows-1252; writes UTF-8.
class IniDatei {
public:
    explicit IniDatei(QString pfad);

    // Parses text directly (no file); for imports and tests.
    static IniDatei ausText(const QString& text);

    const QString& pfad() const { return m_pfad; }
    bool dateiVorhanden() const { return m_vorhanden; }
    // Set when the file existed but could not be read; reads then yield defaults.
    const QString& ladeFehler() const { return m_ladeFehler; }

    bool SectionExists(const QString& abschnitt) const;
    bool ValueExists(const QString& abschnitt, const QString& schluessel) const;
    QStringList ReadSection(const QString& abschnitt) const;

    QString ReadString(const QString& abschnitt, const QString& schluessel, const QString& vorgabe) const;
    int ReadInteger(const QString& abschnitt, const QString& schluessel, int vorgabe) const;
    // Any integer other than 0 is true; a non-number gives the default.
    bool ReadBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const;

    void WriteString(const QString& abschnitt, const QString& schluessel, const QString& wert);
    void WriteInteger(const QString& abschnitt, const QString& schluessel, int wert);
    void WriteBool(const QString& abschnitt, const QString& schluessel, bool wert);
    void EraseSection(const QString& abschnitt);

    QString text() const;
    // Atomic rewrite of the whole file.
    Status speichern() const;

private:
    struct Zeile {
        enum Art { Sonstiges, Abschnitt, Eintrag };
        Art art = Sonstiges;
        QString roh;  // the line as read or built
        QString name; // section or key name
        QString wert; // raw value text (before quote stripping)
    };

    IniDatei() = default;
    void parse(const QString& text);
    qsizetype abschnittIndex(const QString& abschnitt) const;
    qsizetype abschnittEnde(qsizetype kopf) const;
    qsizetype eintragIndex(const QString& abschnitt, const QString& schluessel) const;
    static QString wertLesen(const QString& roh);
    static QString wertSchreiben(const QString& wert);

    QString m_pfad;
    bool m_vorhanden = false;
    QString m_ladeFehler;
    QString m_zeilenende = QStringLiteral("\n");
    QVector<Zeile> m_zeilen;
};

// Decodes settings/import text: UTF-8 (BOM optional) if valid, else Windows-1252.
QString TextDekodieren(const QByteArray& bytes);

} // namespace kb
