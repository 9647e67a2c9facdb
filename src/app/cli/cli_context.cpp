#include "cli_context.h"

#include "core/draw_history.h"
#include "core/lotto.h"
#include "core/record_file.h"
#include "core/ticket_file.h"
#include "entry/ticket_entry.h"
#include "evaluation/period_evaluation.h"
#include "systems/row_export.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace kb::cli {

void abgelehnt(const QString& text) {
    throw Abbruch{ExitAbgelehnt, text};
}

void falscherAufruf(const QString& text) {
    throw Abbruch{ExitAufruf, text};
}

QString MeldungAlsText(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\r"), QLatin1String("\n"));
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QString CSVZeile(const QStringList& zellen) {
    QStringList teile;
    teile.reserve(zellen.size());
    for (const QString& z : zellen) {
        if (z.contains(QLatin1Char(',')) || z.contains(QLatin1Char('"')) || z.contains(QLatin1Char('\n')) ||
            z.contains(QLatin1Char('\r'))) {
            QString innen = z;
            innen.replace(QLatin1String("\""), QLatin1String("\"\""));
            teile.append(QLatin1Char('"') + innen + QLatin1Char('"'));
        } else {
            teile.append(z);
        }
    }
    return teile.join(QLatin1Char(','));
}

Kontext::Kontext(Format format, QString datenPfad, QTextStream& aus, QTextStream& fehler)
    : m_format(format), m_datenPfad(std::move(datenPfad)), m_aus(aus), m_fehler(fehler),
      m_deutsch(QLocale::German, QLocale::Germany) {
    if (!m_datenPfad.isEmpty() && !m_datenPfad.endsWith(QLatin1Char('/')))
        m_datenPfad += QLatin1Char('/');
}

void Kontext::zeile(const QString& text) {
    m_aus << text << '\n';
}

void Kontext::hinweis(const QString& text) {
    m_aus.flush();
    m_fehler << MeldungAlsText(text) << '\n';
    m_fehler.flush();
}

const QVector<TGewZahlen>& Kontext::ziehungen() {
    if (m_ziehungen)
        return *m_ziehungen;
    const QString pfad = m_datenPfad + GZDateiName;
    // The program treats a missing history as empty; here the folder was probably mistyped.
    if (!QFileInfo::exists(pfad))
        abgelehnt(VorhandeneDateiLesen(pfad).fehler());
    Result<QVector<TGewZahlen>> gelesen = GZDateiLesen(pfad);
    if (!gelesen)
        abgelehnt(gelesen.fehler());
    if (gelesen->isEmpty())
        abgelehnt(KeineZiehungenText);
    m_ziehungen = std::move(gelesen).wert();
    return *m_ziehungen;
}

QString Kontext::datum(TDate d) const {
    return csv() ? zuQDate(d).toString(Qt::ISODate) : DatumText(d, m_deutsch);
}

QString Kontext::betrag(Geld g) const {
    return GeldText(g, csv() ? QLocale::c() : m_deutsch);
}

QString Kontext::zahl(qint64 n) const {
    return csv() ? QString::number(n) : ZahlText(n, m_deutsch);
}

Tabelle::Tabelle(Kontext& k, QVector<Spalte> spalten, bool streamen)
    : m_k(k), m_spalten(std::move(spalten)), m_streamen(streamen || k.csv()) {
    if (m_streamen) {
        QStringList kopf;
        for (const Spalte& s : m_spalten)
            kopf.append(m_k.csv() ? s.csv : s.kopf);
        drucken(kopf);
        m_kopfGedruckt = true;
    }
}

Tabelle::~Tabelle() {
    ende();
}

void Tabelle::zeile(const QStringList& zellen) {
    if (m_streamen)
        drucken(zellen);
    else
        m_zeilen.append(zellen);
}

void Tabelle::ende() {
    if (m_kopfGedruckt && m_zeilen.isEmpty())
        return;
    for (qsizetype s = 0; s < m_spalten.size(); ++s) {
        int breite = std::max(m_spalten[s].breite, static_cast<int>(m_spalten[s].kopf.size()));
        for (const QStringList& z : std::as_const(m_zeilen))
            breite = std::max(breite, static_cast<int>(z.value(s).size()));
        m_spalten[s].breite = breite;
    }
    if (!m_kopfGedruckt) {
        QStringList kopf;
        for (const Spalte& s : std::as_const(m_spalten))
            kopf.append(s.kopf);
        drucken(kopf);
        m_kopfGedruckt = true;
    }
    for (const QStringList& z : std::as_const(m_zeilen))
        drucken(z);
    m_zeilen.clear();
}

void Tabelle::drucken(const QStringList& zellen) {
    if (m_k.csv()) {
        m_k.zeile(CSVZeile(zellen));
        return;
    }
    QString text;
    for (qsizetype s = 0; s < m_spalten.size(); ++s) {
        const Spalte& sp = m_spalten[s];
        const QString zelle = zellen.value(s);
        if (s > 0)
            text += QStringLiteral("  ");
        const bool letzte = s + 1 == m_spalten.size();
        if (sp.rechts)
            text += zelle.rightJustified(sp.breite);
        else
            text += letzte ? zelle : zelle.leftJustified(sp.breite);
    }
    // No trailing blanks when the last cells are empty.
    qsizetype ende = text.size();
    while (ende > 0 && text.at(ende - 1) == QLatin1Char(' '))
        --ende;
    text.truncate(ende);
    m_k.zeile(text);
}

std::optional<TDate> DatumAusEingabe(const QString& text) {
    static const QRegularExpression deutsch(QStringLiteral("^\\d{1,2}\\.\\d{1,2}\\.\\d{4}$"));
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QString t = text.trimmed();
    if (deutsch.match(t).hasMatch()) {
        const QDate d = QDate::fromString(t, QStringLiteral("d.M.yyyy"));
        if (d.isValid())
            return ausQDate(d);
    } else if (iso.match(t).hasMatch()) {
        const QDate d = QDate::fromString(t, Qt::ISODate);
        if (d.isValid())
            return ausQDate(d);
    }
    return std::nullopt;
}

QList<QCommandLineOption> ZeitraumOptionen() {
    return {{QStringLiteral("von"), QStringLiteral("Erste Ziehung des Zeitraums: an oder nach diesem Tag."),
             QStringLiteral("DATUM")},
            {QStringLiteral("bis"), QStringLiteral("Letzte Ziehung des Zeitraums: an oder vor diesem Tag."),
             QStringLiteral("DATUM")}};
}

Zeitraum ZeitraumLesen(const QCommandLineParser& p) {
    Zeitraum z;
    for (const QString& name : {QStringLiteral("von"), QStringLiteral("bis")}) {
        if (!p.isSet(name))
            continue;
        const QString text = p.value(name);
        const std::optional<TDate> d = DatumAusEingabe(text);
        if (!d)
            falscherAufruf(QStringLiteral("\"%1\" (--%2) ist kein gültiges Datum. Bitte als TT.MM.JJJJ oder "
                                          "JJJJ-MM-TT angeben.")
                               .arg(text, name));
        (name == QLatin1String("von") ? z.von : z.bis) = *d;
    }
    return z;
}

std::pair<int, int> ZeitraumIndizes(const QVector<TGewZahlen>& ziehungen, const Zeitraum& z) {
    const int n = static_cast<int>(ziehungen.size());
    int erste = 0;
    while (z.von && erste < n && ziehungen[erste].datum < *z.von)
        ++erste;
    int letzte = n - 1;
    while (z.bis && letzte >= 0 && ziehungen[letzte].datum > *z.bis)
        --letzte;
    return {erste, letzte};
}

QVector<int> ZahlenListeLesen(const QString& text, const QString& option) {
    static const QRegularExpression trenner(QStringLiteral("[,;\\s]+"));
    QVector<int> zahlen;
    for (const QString& teil : text.split(trenner, Qt::SkipEmptyParts)) {
        const std::optional<int> z = GanzzahlAusText(teil);
        if (!z)
            falscherAufruf(KonvertierungsFehler(teil) + QStringLiteral(" (%1)").arg(option));
        zahlen.append(*z);
    }
    return zahlen;
}

void TippzahlenPruefen(const QVector<QVector<int>>& listen) {
    ZahlenMenge gesehen;
    for (const QVector<int>& liste : listen)
        for (const int z : liste) {
            if (z < 1 || z > MaxZahl)
                abgelehnt(QStringLiteral("Die Zahl %1 ist keine Lottozahl; es gibt nur die Zahlen 1 bis 49.")
                              .arg(z));
            if (gesehen.enthaelt(z))
                abgelehnt(QStringLiteral("Die Zahl %1 ist mehr als einmal angegeben.").arg(z));
            gesehen.hinzu(z);
        }
}

int GanzzahlOption(const QCommandLineParser& p, const QString& name, int von, int bis) {
    const QString text = p.value(name);
    const std::optional<int> z = GanzzahlAusText(text);
    if (!z)
        falscherAufruf(KonvertierungsFehler(text) + QStringLiteral(" (--%1)").arg(name));
    if (*z < von || *z > bis)
        falscherAufruf(
            QStringLiteral("--%1 erlaubt %2 bis %3, nicht %4.").arg(name).arg(von).arg(bis).arg(*z));
    return *z;
}

void ReihenAusgeben(Kontext& k, const ZellenTabelle& tabelle) {
    const int zeilen = tabelle.zeilenAnzahl() - 1;
    QVector<Spalte> spalten{{QStringLiteral("Reihe"), QStringLiteral("reihe"), true,
                             static_cast<int>(QString::number(zeilen).size())}};
    for (int s = 1; s <= TippreihenDaten::ZahlSpalten; ++s)
        spalten.append({QStringLiteral("Z%1").arg(s), QStringLiteral("z%1").arg(s), true, 2});
    Tabelle t(k, spalten, true);
    QStringList zellen;
    for (int z = 1; z <= zeilen; ++z) {
        zellen.clear();
        for (int s = 0; s <= TippreihenDaten::ZahlSpalten; ++s)
            zellen.append(tabelle.zelle(s, z));
        t.zeile(zellen);
    }
}

void AusgabeEndungPruefen(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung != NormalscheinEndung && endung != QLatin1String("csv"))
        falscherAufruf(
            QStringLiteral("Die Ausgabedatei \"%1\" muss auf .nkb (Spielschein) oder .csv enden.").arg(pfad));
}

void ReihenSpeichern(Kontext& k, const ZellenTabelle& tabelle, const QString& pfad, int sz) {
    AusgabeEndungPruefen(pfad);
    Status s;
    if (ScheinArtVon(pfad) == ScheinArt::Normal) {
        const auto reihen = ScheinReihen(tabelle);
        if (!reihen)
            abgelehnt(reihen.fehler());
        s = NormalscheinSchreiben(pfad, sz, *reihen);
    } else {
        s = CSVSchreiben(tabelle, pfad);
    }
    if (!s)
        abgelehnt(s.fehler());
    if (!k.csv())
        k.zeile(QStringLiteral("%1 Tippreihen gespeichert in: %2")
                    .arg(k.zahl(tabelle.zeilenAnzahl() - 1), QFileInfo(pfad).fileName()));
}

} // namespace kb::cli
