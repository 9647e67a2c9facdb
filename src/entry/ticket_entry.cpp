#include "ticket_entry.h"

#include "core/money.h"
#include "systems/row_export.h"

#include <QDir>
#include <QLocale>

#include <QRegularExpression>

#include <algorithm>

namespace kb {

QStringList MemoZeilen(const QString& text) {
    if (text.isEmpty())
        return {};
    QStringList zeilen = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        zeilen.removeLast();
    return zeilen;
}

QString MemoText(const QStringList& zeilen) {
    QString text;
    for (const QString& z : zeilen)
        text += z + QLatin1Char('\n');
    return text;
}

QString ZahlAnhaengen(const QString& text, int zahl) {
    const qsizetype umbruch = text.lastIndexOf(QLatin1Char('\n'));
    const QStringView letzte = QStringView(text).sliced(umbruch + 1);
    const bool voll = letzte.count(QLatin1Char(',')) == 5;
    return text + QString::number(zahl) + (voll ? QLatin1Char('\n') : QLatin1Char(','));
}

QString ZeilenAnhaengen(const QString& text, const QStringList& zeilen) {
    QString r = text;
    if (!r.isEmpty() && !r.endsWith(QLatin1Char('\n')))
        r += QLatin1Char('\n');
    return r + MemoText(zeilen);
}

Result<QVector<Tippreihe>> ScheinReihen(const ZellenTabelle& t) {
    QVector<Tippreihe> reihen;
    reihen.reserve(std::max(t.zeilenAnzahl() - 1, 0));
    for (int z = 1; z < t.zeilenAnzahl(); ++z) {
        Tippreihe r{};
        for (int s = 1; s <= TippreihenDaten::ZahlSpalten; ++s) {
            const auto zahl = s < t.spaltenAnzahl() ? t.alsGanzzahl(s, z) : std::nullopt;
            if (!zahl)
                return Fehler{KonvertierungsFehler(t.zelle(s, z))};
            if (*zahl < 1 || *zahl > MaxZahl)
                return Fehler{
                    QStringLiteral("In Zeile %1 ist die %2. Zahl, die %3, keine gültige Tippzahl.\r\r"
                                   "Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 49 zu wählen.\r\r"
                                   "Ich breche erst einmal ab.")
                        .arg(z)
                        .arg(s)
                        .arg(*zahl)};
            r[static_cast<std::size_t>(s - 1)] = static_cast<std::uint8_t>(*zahl);
        }
        reihen.push_back(r);
    }
    return reihen;
}

TippreihenDaten ScheinAlsTabelle(const NormalScheinDatei& schein) {
    TippreihenDaten t(static_cast<int>(schein.reihen.size()) + 1);
    for (qsizetype k = 0; k < schein.reihen.size(); ++k)
        t.setzeReihe(static_cast<int>(k) + 1, schein.reihen[k].WZ);
    return t;
}

Result<TippreihenDaten> CSVAlsTabelle(const QByteArray& daten, const QString& pfad) {
    static const QRegularExpression umbruch(QStringLiteral("\r\n|\r|\n"));
    QVector<QStringList> zeilen;
    qsizetype breiteste = 0;
    for (const QString& z : TextDekodieren(daten).split(umbruch)) {
        if (z.isEmpty() || z == QLatin1String("\"\""))
            continue;
        zeilen.append(z.split(QLatin1Char(',')));
        breiteste = std::max(breiteste, zeilen.constLast().size());
        if (breiteste > BlattMaxSpalten)
            return Fehler{
                QStringLiteral("Die Datei \"%1\" hat Zeilen mit mehr als %2 Werten und enthält daher "
                               "keine Tippreihen.\r\rIch breche erst einmal ab.")
                    .arg(QDir::toNativeSeparators(pfad), ZahlText(BlattMaxSpalten, QLocale()))};
    }
    TippreihenDaten t(std::max<int>(static_cast<int>(zeilen.size()) + 1, 2),
                      std::max<int>(static_cast<int>(breiteste) + 1, TippreihenDaten::ZahlSpalten + 1));
    for (qsizetype k = 0; k < zeilen.size(); ++k) {
        const int zeile = static_cast<int>(k) + 1;
        t.setzeZelle(0, zeile, QString::number(zeile));
        for (qsizetype s = 0; s < zeilen[k].size(); ++s)
            t.setzeZelle(static_cast<int>(s) + 1, zeile, zeilen[k][s]);
    }
    return t;
}

TippreihenDaten BlattAlsTabelle(const Tabellenblatt& blatt) {
    if (blatt.zeilen == 0 || blatt.spalten == 0)
        return TippreihenDaten();
    TippreihenDaten t(blatt.zeilen + 1, blatt.spalten + 1);
    for (int z = 1; z <= blatt.zeilen; ++z) {
        t.setzeZelle(0, z, QString::number(z));
        const QStringList& zellen = blatt.zellen.at(z - 1);
        for (qsizetype s = 0; s < zellen.size(); ++s)
            t.setzeZelle(static_cast<int>(s) + 1, z, zellen[s]);
    }
    return t;
}

Result<QStringList> TabelleAlsZeilen(const ZellenTabelle& t) {
    if (t.zeilenAnzahl() < 2 || t.zelleLeer(1, 1))
        return Fehler{QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu übertragen.\r\r"
                                     "Ich breche erst einmal ab.")};
    QStringList zeilen;
    zeilen.reserve(t.zeilenAnzahl() - 1);
    QStringList zellen;
    for (int z = 1; z < t.zeilenAnzahl(); ++z) {
        zellen.clear();
        for (int s = 1; s < t.spaltenAnzahl(); ++s)
            zellen.append(t.zelle(s, z));
        zeilen.append(KommaZeile(zellen));
    }
    return zeilen;
}

namespace {
const QString Eingabe = QStringLiteral("Eingabe");
} // namespace

EingabeEinstellungen EingabeEinstellungenLesen(const IniDatei& ini, EingabeEinstellungen e) {
    if (!ini.dateiVorhanden())
        return e;
    const bool ueberschreiben = ini.ReadBool(Eingabe, QStringLiteral("overwrite1"), false);
    const bool anhaengen = ini.ReadBool(Eingabe, QStringLiteral("overwrite2"), true);
    // The two options are exclusive; append wins when the file says both or neither.
    e.ueberschreiben = ueberschreiben && !anhaengen;
    const int groesse = ini.ReadInteger(Eingabe, QStringLiteral("Fontsize"), 10);
    if (groesse >= SchriftMin && groesse <= SchriftMax)
        e.schriftgroesse = groesse;
    return e;
}

void EingabeEinstellungenSchreiben(IniDatei& ini, const EingabeEinstellungen& e) {
    ini.WriteBool(Eingabe, QStringLiteral("overwrite1"), e.ueberschreiben);
    ini.WriteBool(Eingabe, QStringLiteral("overwrite2"), !e.ueberschreiben);
    ini.WriteInteger(Eingabe, QStringLiteral("Fontsize"), e.schriftgroesse);
}

} // namespace kb
