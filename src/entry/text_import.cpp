#include "text_import.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace kb {

const QString LeerzeichenFrageText =
    QStringLiteral("Dienen die Leerzeichen der Trennung der Zahlen?\r\r"
                   "Wenn Sie mit \"Nein\" antworten, sind sie überflüssig und werden gelöscht.\r\r"
                   "Wenn Sie mit \"Ja\" antworten, werden die Leerzeichen in Kommata umgewandelt.");

namespace {

const QString Abbruch = QStringLiteral("\r\rIch breche erst einmal ab.");

bool steuerOderLeer(QChar c) {
    return c.unicode() <= 32;
}

QString getrimmt(const QString& zeile) {
    qsizetype a = 0, e = zeile.size();
    while (a < e && steuerOderLeer(zeile[a]))
        ++a;
    while (e > a && steuerOderLeer(zeile[e - 1]))
        --e;
    return (a == 0 && e == zeile.size()) ? zeile : zeile.mid(a, e - a);
}

// Replaces every run of two or more blanks by one.
void leerzeichenFolgenKuerzen(QString& zeile) {
    if (!zeile.contains(QLatin1String("  ")))
        return;
    QString r;
    r.reserve(zeile.size());
    for (qsizetype i = 0; i < zeile.size(); ++i)
        if (!(zeile[i] == QLatin1Char(' ') && i > 0 && zeile[i - 1] == QLatin1Char(' ')))
            r.append(zeile[i]);
    zeile = r;
}

} // namespace

void ZeilenVorbereiten(QStringList& zeilen) {
    for (QString& z : zeilen)
        z = getrimmt(z);
    zeilen.removeIf([](const QString& z) { return z.isEmpty(); });
}

void PraefixEntfernen(QStringList& zeilen, const QString& wort) {
    if (zeilen.isEmpty())
        return;
    const QString& erste = zeilen.constFirst();
    if (!erste.contains(wort) ||
        !(erste.contains(wort + QStringLiteral(" 1:\t")) || erste.contains(wort + QStringLiteral(" 1\t"))))
        return;
    for (QString& z : zeilen) {
        const qsizetype tab = z.indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            z.remove(0, tab + 1);
    }
}

QStringList GetrennteTeile(QStringView zeile, QChar trenner) {
    // A NUL ends the text, as it did for the string lists these lines come from.
    const qsizetype nul = zeile.indexOf(QChar(0));
    if (nul >= 0)
        zeile = zeile.left(nul);
    const qsizetype n = zeile.size();
    const auto leer = [&](qsizetype p) {
        return p < n && zeile[p].unicode() >= 1 && zeile[p].unicode() <= 32;
    };
    QStringList teile;
    qsizetype p = 0;
    while (leer(p))
        ++p;
    while (p < n) {
        QString teil;
        if (zeile[p] == QLatin1Char('"')) {
            ++p;
            while (p < n) {
                if (zeile[p] == QLatin1Char('"')) {
                    if (p + 1 < n && zeile[p + 1] == QLatin1Char('"')) {
                        teil.append(QLatin1Char('"'));
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                teil.append(zeile[p++]);
            }
        } else {
            const qsizetype anfang = p;
            while (p < n && zeile[p].unicode() > 32 && zeile[p] != trenner)
                ++p;
            teil = zeile.mid(anfang, p - anfang).toString();
        }
        teile.append(teil);
        while (leer(p))
            ++p;
        if (p < n && zeile[p] == trenner) {
            if (p + 1 == n)
                teile.append(QString());
            do
                ++p;
            while (leer(p));
        }
    }
    return teile;
}

TextUebertragung ReihenAusText(QStringList zeilen, const LeerzeichenFrage& frage) {
    TextUebertragung r;
    const auto fehler = [&](const QString& text) {
        r.zeilen = zeilen;
        r.meldung = {MeldungsArt::Fehler, text};
        return r;
    };
    const QString leer = QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu übertragen.") + Abbruch;
    if (zeilen.isEmpty())
        return fehler(leer);
    ZeilenVorbereiten(zeilen);
    if (zeilen.isEmpty())
        return fehler(leer);

    for (QString& z : zeilen)
        z.remove(QChar(0x00A0));
    PraefixEntfernen(zeilen, QStringLiteral("Feld"));
    PraefixEntfernen(zeilen, QStringLiteral("Tipp"));

    // None of these patterns spans a line break, so line by line equals the whole text.
    bool leerzeichen = false;
    for (QString& z : zeilen) {
        z.replace(QLatin1Char('\t'), QLatin1Char(','));
        leerzeichenFolgenKuerzen(z);
        z.replace(QLatin1Char(';'), QLatin1Char(','));
        z.replace(QLatin1String(" ,"), QLatin1String(","));
        z.replace(QLatin1String(", "), QLatin1String(","));
        z.replace(QLatin1String(",,"), QLatin1String(","));
        leerzeichen = leerzeichen || z.contains(QLatin1Char(' '));
    }
    if (leerzeichen) {
        switch (frage(zeilen)) {
        case LeerzeichenWahl::Abbrechen:
            r.zeilen = zeilen;
            r.abgebrochen = true;
            return r;
        case LeerzeichenWahl::Trennen:
            for (QString& z : zeilen)
                z.replace(QLatin1Char(' '), QLatin1Char(','));
            break;
        case LeerzeichenWahl::Entfernen:
            for (QString& z : zeilen)
                z.remove(QLatin1Char(' '));
            break;
        }
    }
    for (QString& z : zeilen)
        if (z.endsWith(QLatin1Char(',')))
            z.chop(1);

    for (qsizetype i = 0; i < zeilen.size(); ++i)
        if (zeilen[i].count(QLatin1Char(',')) != 5)
            return fehler(QStringLiteral("In Zeile %1 kann ich keine sechs Zahlen ausmachen.\r\r"
                                         "Bitte geben Sie Ihre Tippzahlen, 6 aus 49 zeilenweise, "
                                         "jeweils durch Kommata getrennt ein.")
                              .arg(i + 1) +
                          Abbruch);

    std::vector<std::array<int, 6>> werte(static_cast<std::size_t>(zeilen.size()));
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QStringView zeile(zeilen[i]);
        qsizetype anfang = 0;
        for (int p = 0; p < 6; ++p) {
            qsizetype ende = zeile.indexOf(QLatin1Char(','), anfang);
            if (ende < 0)
                ende = zeile.size();
            const QStringView teil = zeile.sliced(anfang, ende - anfang);
            const auto zahl = GanzzahlAusText(teil);
            if (!zahl)
                return fehler(KonvertierungsFehler(teil.toString()));
            werte[static_cast<std::size_t>(i)][static_cast<std::size_t>(p)] = *zahl;
            anfang = ende + 1;
        }
    }
    // Every row is checked for its range before any row is checked for repeats.
    for (std::size_t i = 0; i < werte.size(); ++i)
        for (int p = 0; p < 6; ++p)
            if (const int z = werte[i][static_cast<std::size_t>(p)]; z < 1 || z > MaxZahl)
                return fehler(
                    QStringLiteral("In Zeile %1 ist die %2. Zahl, die %3, keine gültige Tippzahl.\r\r"
                                   "Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 49 zu wählen.")
                        .arg(i + 1)
                        .arg(p + 1)
                        .arg(z) +
                    Abbruch);
    for (std::size_t i = 0; i < werte.size(); ++i)
        for (int a = 0; a < 6; ++a)
            for (int b = a + 1; b < 6; ++b)
                if (werte[i][static_cast<std::size_t>(a)] == werte[i][static_cast<std::size_t>(b)])
                    return fehler(QStringLiteral("In Zeile %1 ist die %2. und die %3. Zahl gleich.\r\r"
                                                 "Bitte wählen Sie sechs verschiedene Tippzahlen aus der "
                                                 "Zahlenreihe 1 bis 49.")
                                      .arg(i + 1)
                                      .arg(a + 1)
                                      .arg(b + 1) +
                                  Abbruch);

    r.reihen.reserve(static_cast<qsizetype>(werte.size()));
    for (auto& w : werte) {
        std::sort(w.begin(), w.end());
        Tippreihe t{};
        std::transform(w.begin(), w.end(), t.begin(), [](int z) { return static_cast<std::uint8_t>(z); });
        r.reihen.push_back(t);
    }
    r.zeilen = std::move(zeilen);
    return r;
}

int LetzteGefuellteZeile(const ZellenTabelle& t) {
    for (int z = 1; z < t.zeilenAnzahl(); ++z)
        if (t.zelleLeer(1, z))
            return z - 1;
    return t.zeilenAnzahl() - 1;
}

void ReihenInTabelle(TippreihenDaten& t, const QVector<Tippreihe>& reihen, bool ueberschreiben) {
    const int basis = ueberschreiben ? 0 : LetzteGefuellteZeile(t);
    t.setzeZeilenAnzahl(static_cast<int>(reihen.size()) + basis + 1);
    for (qsizetype p = 0; p < reihen.size(); ++p)
        t.setzeReihe(basis + static_cast<int>(p) + 1, reihen[p]);
}

Dopplungspruefung DopplungenPruefen(QStringList zeilen, bool loeschen) {
    Dopplungspruefung r;
    const auto melden = [&](MeldungsArt art, const QString& text) {
        r.zeilen = zeilen;
        r.meldung = {art, text};
        return r;
    };
    const QString leer = QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu prüfen.") + Abbruch;
    if (zeilen.isEmpty())
        return melden(MeldungsArt::Fehler, leer);
    ZeilenVorbereiten(zeilen);
    PraefixEntfernen(zeilen, QStringLiteral("Feld"));
    PraefixEntfernen(zeilen, QStringLiteral("Tipp"));
    if (zeilen.isEmpty())
        return melden(MeldungsArt::Fehler, leer);

    QChar trenner;
    for (QChar kandidat : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char(' ')})
        if (zeilen.constFirst().contains(kandidat)) {
            trenner = kandidat;
            break;
        }
    if (trenner.isNull())
        return melden(
            MeldungsArt::Fehler,
            QStringLiteral("Ich kann kein Trennzeichen - Komma, Semikolon oder Leerzeichen - ausmachen.") +
                Abbruch);

    // The numbers 0..55 of a line as a bit set; other numbers do not count.
    std::vector<std::uint64_t> mengen(static_cast<std::size_t>(zeilen.size()));
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        for (const QString& teil : GetrennteTeile(zeilen[i], trenner)) {
            const auto zahl = GanzzahlAusText(teil);
            if (!zahl)
                return melden(MeldungsArt::Fehler, KonvertierungsFehler(teil));
            if (*zahl >= 0 && *zahl <= 55)
                mengen[static_cast<std::size_t>(i)] |= std::uint64_t{1} << *zahl;
        }
    }

    if (loeschen) {
        std::unordered_set<std::uint64_t> gesehen;
        gesehen.reserve(mengen.size());
        int doppelt = 0;
        QStringList bleiben;
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            const std::uint64_t m = mengen[static_cast<std::size_t>(i)];
            if (m == 0)
                continue; // nothing countable in the line: it goes, uncounted
            if (!gesehen.insert(m).second) {
                ++doppelt;
                continue;
            }
            bleiben.append(zeilen[i]);
        }
        zeilen = std::move(bleiben);
        if (doppelt == 0)
            return melden(MeldungsArt::Information,
                          QStringLiteral("Es wurden keine doppelten Reihen gefunden."));
        if (doppelt == 1)
            return melden(MeldungsArt::Information, QStringLiteral("Es wurde eine doppelte Reihe gelöscht."));
        return melden(MeldungsArt::Information,
                      QStringLiteral("Es wurden %1 doppelte Reihen gelöscht.").arg(doppelt));
    }

    // The first pair (n, f) in the order of the lines: the earliest line that recurs, with its
    // next occurrence.
    std::unordered_map<std::uint64_t, qsizetype> erste;
    erste.reserve(mengen.size());
    qsizetype n = -1, f = -1;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const std::uint64_t m = mengen[static_cast<std::size_t>(i)];
        if (m == 0)
            continue;
        const auto [it, neu] = erste.try_emplace(m, i);
        if (!neu && it->second >= 0) {
            if (n < 0 || it->second < n) {
                n = it->second;
                f = i;
            }
            it->second = -1; // later occurrences cannot make an earlier pair
        }
    }
    if (n < 0)
        return melden(MeldungsArt::Information, QStringLiteral("Es wurden keine doppelten Reihen gefunden."));
    return melden(
        MeldungsArt::Information,
        QStringLiteral("Die Reihe %1: \"%2\" ist von den Zahlen her identisch mit Reihe %3: \"%4\".\r\r"
                       "Ich mache erst einmal nicht weiter.")
            .arg(QString::number(n + 1), zeilen[n], QString::number(f + 1), zeilen[f]));
}

} // namespace kb
