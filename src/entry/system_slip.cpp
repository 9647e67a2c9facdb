#include "system_slip.h"

#include "systems/catalogue.h"

#include <QStringList>

namespace kb {

namespace {

constexpr std::array<int, 7> ZahlSpalteX = {5, 26, 47, 67, 87, 107, 127};
constexpr std::array<int, 7> ZahlZeileY = {-3, 19, 42, 63, 85, 107, 129};
constexpr std::array<int, 6> SystemSpalteX = {5, 26, 47, 67, 87, 107};
constexpr std::array<int, 3> SystemZeileY = {174, 240, 284};

bool imKasten(const QPoint& kasten, int x, int y) {
    return kasten.x() <= x && x <= kasten.x() + KastenGroesse - 1 && kasten.y() <= y &&
           y <= kasten.y() + KastenGroesse - 1;
}

// The first of codes erster..erster+5 whose box holds the point.
Treffer systemInZeile(int erster, int x, int y) {
    for (int code = erster; code < erster + 6; ++code)
        if (imKasten(SystemKasten(code), x, y))
            return {TrefferArt::System, code};
    return {};
}

bool feldGueltig(int feld) {
    return feld >= 1 && feld <= ScheinFelder;
}

} // namespace

QPoint ZahlKasten(int zahl) {
    if (zahl < 1 || zahl > MaxZahl)
        return {};
    const int i = (zahl - 1) / 7;
    const int j = (zahl - 1) % 7;
    return {ZahlSpalteX[static_cast<std::size_t>(j)], ZahlZeileY[static_cast<std::size_t>(i)]};
}

QPoint SystemKasten(int code) {
    if (code < 1 || code > ScheinSystemAnzahl)
        return {};
    const int zeile = (code - 1) / 6;
    const int spalte = (code - 1) % 6;
    return {SystemSpalteX[static_cast<std::size_t>(spalte)], SystemZeileY[static_cast<std::size_t>(zeile)]};
}

Treffer TrefferAnPunkt(int x, int y) {
    if (y <= 154) {
        for (int n = 1; n <= MaxZahl; ++n)
            if (imKasten(ZahlKasten(n), x, y))
                return {TrefferArt::Zahl, n};
        return {};
    }
    if (y <= 194)
        return systemInZeile(1, x, y);
    if (y <= 259)
        return systemInZeile(7, x, y);
    if (y <= 304)
        return systemInZeile(13, x, y);
    return {};
}

QString SpeichernFrageText(const QString& phrase) {
    return QStringLiteral("Es ") + phrase + QStringLiteral(" gespeichert.\r\rIst das korrekt?");
}

Verwertung Systemschein::TrefferVerwerten(TrefferArt art, int wert, int feld) {
    if (!feldGueltig(feld))
        return Verwertung::Ungueltig;
    SystemFeldStand& f = m_felder[index(feld)];
    Verwertung ergebnis = Verwertung::Ungueltig;
    if (art == TrefferArt::Zahl) {
        if (wert < 1 || wert > MaxZahl)
            return Verwertung::Ungueltig;
        if (f.zahlen.enthaelt(wert)) {
            // Taking a number back always works, also when the system box was cleared since.
            f.zahlen.entferne(wert);
            --f.anzahl;
            ergebnis = Verwertung::Entfernt;
        } else if (f.code == 0) {
            return Verwertung::OhneSystem;
        } else if (f.anzahl < f.benoetigt) {
            f.zahlen.hinzu(wert);
            ++f.anzahl;
            ergebnis = Verwertung::Gesetzt;
        } else {
            ergebnis = Verwertung::Voll;
        }
    } else if (art == TrefferArt::System) {
        if (!ScheinSystemFuerCode(wert))
            return Verwertung::Ungueltig;
        const bool gleicherCode = f.code == wert;
        f.code = gleicherCode ? 0 : wert;
        ergebnis = gleicherCode ? Verwertung::Entfernt : Verwertung::Gesetzt;
        const TScheinSystem* s = ScheinSystemFuerCode(f.code);
        // The crossed numbers stay, even when there are now more than the system needs.
        f.benoetigt = s ? s->WZ : 0;
    } else {
        return Verwertung::Ungueltig;
    }
    AnzeigeKontrollieren(feld);
    return ergebnis;
}

StandFarbe Systemschein::AnzeigeKontrollieren(int feld) {
    if (!feldGueltig(feld))
        return StandFarbe::Normal;
    SystemFeldStand& f = m_felder[index(feld)];
    f.komplett = f.anzahl == f.benoetigt && f.anzahl > 0;
    return farbe(feld);
}

StandFarbe Systemschein::farbe(int feld) const {
    const SystemFeldStand& f = m_felder[index(feld)];
    if (f.komplett)
        return StandFarbe::Komplett;
    return f.anzahl > f.benoetigt ? StandFarbe::Zuviel : StandFarbe::Normal;
}

void Systemschein::FeldLeeren(int feld) {
    if (!feldGueltig(feld))
        return;
    SystemFeldStand& f = m_felder[index(feld)];
    for (int n = 1; n <= MaxZahl; ++n)
        if (f.zahlen.enthaelt(n))
            TrefferVerwerten(TrefferArt::Zahl, n, feld);
    f.zahlen.leeren();
    f.anzahl = 0;
    if (f.code != 0)
        TrefferVerwerten(TrefferArt::System, f.code, feld);
    AnzeigeKontrollieren(feld);
}

void Systemschein::NeuerSchein() {
    for (int feld = 1; feld <= ScheinFelder; ++feld)
        FeldLeeren(feld);
}

KorrekteFelderErgebnis Systemschein::KorrekteFelder() const {
    QStringList felder;
    for (int feld = 1; feld <= ScheinFelder; ++feld)
        if (m_felder[index(feld)].komplett)
            felder.append(QString::number(feld));
    KorrekteFelderErgebnis r;
    r.anzahl = static_cast<int>(felder.size());
    if (r.anzahl == 1) {
        r.phrase = QStringLiteral("wird nur Feld ") + felder.constFirst();
    } else if (r.anzahl >= 2 && r.anzahl < ScheinFelder) {
        const QString letztes = felder.takeLast();
        r.phrase = QStringLiteral("werden die Felder ") + felder.join(QStringLiteral(", ")) +
                   QStringLiteral(" und ") + letztes;
    }
    return r;
}

QVector<SystemFeld> Systemschein::SpeicherFelder() const {
    QVector<SystemFeld> felder;
    for (const SystemFeldStand& f : m_felder) {
        if (!f.komplett)
            continue;
        SystemFeld s;
        s.code = static_cast<std::uint8_t>(f.code);
        const QByteArray zahlen = MengeZuZahlen(f.zahlen, f.benoetigt);
        for (char z : zahlen)
            s.zahlen.append(static_cast<std::uint8_t>(z));
        felder.append(s);
    }
    return felder;
}

QString Systemschein::Einlesen(const QVector<TSySSchein>& records) {
    NeuerSchein();
    QStringList hinweise;
    if (records.size() > ScheinFelder)
        hinweise.append(QStringLiteral("Die Datei enthält %1 Felder, ein Systemschein aber nur %2. "
                                       "Geöffnet wurden die ersten %2.")
                            .arg(records.size())
                            .arg(ScheinFelder));
    for (int feld = 1; feld <= ScheinFelder && feld <= records.size(); ++feld) {
        const TSySSchein& r = records[feld - 1];
        const TScheinSystem* s = ScheinSystemFuerCode(r.Sys);
        if (!s) {
            hinweise.append(QStringLiteral("Feld %1 hat kein gültiges Spielsystem (Code %2) und bleibt leer.")
                                .arg(feld)
                                .arg(r.Sys));
            continue;
        }
        TrefferVerwerten(TrefferArt::System, r.Sys, feld);
        // A number outside 1..49 or a repeated one would not be a cross of its own.
        bool fehlerhaft = false;
        for (int i = 0; i < s->WZ; ++i) {
            const int zahl = r.WZ[static_cast<std::size_t>(i)];
            if (zahl < 1 || zahl > MaxZahl || m_felder[index(feld)].zahlen.enthaelt(zahl))
                fehlerhaft = true;
            else
                TrefferVerwerten(TrefferArt::Zahl, zahl, feld);
        }
        if (fehlerhaft)
            hinweise.append(
                QStringLiteral("Feld %1 enthält ungültige Zahlen; sie wurden übergangen.").arg(feld));
    }
    return hinweise.join(QStringLiteral("\r\r"));
}

} // namespace kb
