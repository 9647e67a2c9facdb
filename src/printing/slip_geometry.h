#pragma once

#include "slip_format.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace kb {

// One pair of coordinate cells as the user typed them; empty = not given.
struct XY {
    QString x;
    QString y;
    bool operator==(const XY&) const = default;
};
// Rows 1..7 of one field table: the first box of each row of the tip field (numbers 1, 8, ... 43).
using Feldtabelle = std::array<XY, FeldZeilen>;
using Feldtabellen = std::array<Feldtabelle, MaxTippfelder>;
// The box of every number 1..49 of every field.
using AWertTabelle = std::array<std::array<XY, 49>, MaxTippfelder>;

// What the geometry asks the user; the window answers with message boxes.
class Rueckfrage {
public:
    virtual ~Rueckfrage() = default;
    virtual void information(const QString& text) = 0;
    // A confirmation box with OK only.
    virtual void hinweis(const QString& text) = 0;
    // Yes/No/Cancel; true only for Yes.
    virtual bool bestaetigt(const QString& text) = 0;
    // The conversion error of a text that is no number.
    virtual void fehler(const QString& text) = 0;
};

// The window's own fields that belong to the slip format (texts as typed).
struct FormatFelder {
    int anordnung = -1;
    QString B, C, hori, vert, nrX, nrY;
    std::array<QString, ZusatzKoordinaten> zusatz;
};

// The geometry side of the print window: field tables, the A-value table with its two marks,
// the undo buffer and the slip format last loaded or saved.
class Scheingeometrie : public QObject {
    Q_OBJECT
public:
    explicit Scheingeometrie(QObject* eltern = nullptr);

    static QString AnordnungFehlt(const QString& wofuer);

    const Feldtabellen& felder() const { return m_felder; }
    const AWertTabelle& aWerte() const { return m_aWerte; }
    const TScheinFormat& format() const { return m_format; }
    bool gueltig() const { return m_gueltig; }
    bool extrahiert() const { return m_extrahiert; }
    bool rueckgaengigMoeglich() const { return m_undo.has_value(); }
    QString rueckgaengigText() const { return m_undoName + QStringLiteral(" rückgängig"); }

    void setzeFeldZelle(int feld, int zeile, int achse,
                        const QString& text); // feld 0..17, zeile 0..6, achse 0 x / 1 y
    void setzeAWert(int feld, int zahl, int achse, const QString& text); // zahl 0..48

    // Derives the A-values of the arrangement's fields from the field tables; false when stopped.
    bool DetailTransfer(const QString& B, int anordnung, Rueckfrage& frage);
    // Fills the field tables from the first X and Y values; false when refused.
    bool automatischAusfuellen(int anordnung, const QString& C, Rueckfrage& frage);
    void felderLoeschen();     // all 18 tables, undoable
    void feldLeeren(int feld); // one table, not undoable
    void rueckgaengig();
    void aWerteLeeren(); // empties the table and clears both marks
    // Sets the extracted mark, then derives.
    bool extrahieren(const QString& B, int anordnung, Rueckfrage& frage);

    // Takes a loaded format: A-value table and field tables from it; returns the window's fields.
    FormatFelder formatUebernehmen(const TScheinFormat& format);
    // The record to save, or nothing when the derivation stopped or a cell is no number.
    std::optional<TScheinFormat> formatZumSpeichern(const FormatFelder& f, Rueckfrage& frage);
    // After a successful write the record becomes the current format.
    void formatGespeichert(const TScheinFormat& format) { m_format = format; }

Q_SIGNALS:
    void felderGeaendert();
    void aWerteGeaendert();
    void zustandGeaendert(); // undo availability or marks

private:
    void fuerRueckgaengigMerken(const QString& name);

    Feldtabellen m_felder;
    AWertTabelle m_aWerte;
    TScheinFormat m_format;
    bool m_gueltig = false;
    bool m_extrahiert = false;
    std::optional<Feldtabellen> m_undo;
    QString m_undoName = QStringLiteral("Ausfüllen");
};

} // namespace kb
