#include "ini_file.h"

#include "file_errors.h"
#include "record_file.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace kb {

QString TextDekodieren(const QByteArray& bytes) {
    QByteArrayView daten(bytes);
    if (daten.startsWith("\xEF\xBB\xBF"))
        daten = daten.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(daten);
    if (!utf8.hasError())
        return text;
    // Windows-1252: Latin-1 except for 0x80..0x9F.
    static const char16_t hoch[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                      0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    text.clear();
    text.reserve(daten.size());
    for (char c : daten) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(hoch[b - 0x80]) : QChar(b));
    }
    return text;
}

IniDatei::IniDatei(QString pfad) : m_pfad(std::move(pfad)) {
    const auto inhalt = DateiLesen(m_pfad);
    if (!inhalt.ok()) {
        m_vorhanden = true;
        m_ladeFehler = inhalt.fehler();
        return;
    }
    m_vorhanden = inhalt->vorhanden;
    if (m_vorhanden)
        parse(TextDekodieren(inhalt->daten));
}

IniDatei IniDatei::ausText(const QString& text) {
    IniDatei ini;
    ini.m_vorhanden = true;
    ini.parse(text);
    return ini;
}

void IniDatei::parse(const QString& text) {
    m_zeilenende = text.contains(QLatin1String("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList zeilen = normal.split(QLatin1Char('\n'));
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    for (const QString& roh : std::as_const(zeilen)) {
        Zeile z;
        z.roh = roh;
        const QString t = roh.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.contains(QLatin1Char(']'))) {
            z.art = Zeile::Abschnitt;
            z.name = t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
        } else if (!t.isEmpty() && !t.startsWith(QLatin1Char(';')) && t.contains(QLatin1Char('='))) {
            z.art = Zeile::Eintrag;
            const qsizetype gleich = t.indexOf(QLatin1Char('='));
            z.name = t.left(gleich).trimmed();
            z.wert = t.mid(gleich + 1).trimmed();
        }
        m_zeilen.push_back(z);
    }
}

qsizetype IniDatei::abschnittIndex(const QString& abschnitt) const {
    for (qsizetype i = 0; i < m_zeilen.size(); ++i)
        if (m_zeilen[i].art == Zeile::Abschnitt && m_zeilen[i].name.compare(abschnitt, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// Index of the next section header after kopf (or the end).
qsizetype IniDatei::abschnittEnde(qsizetype kopf) const {
    qsizetype i = kopf + 1;
    while (i < m_zeilen.size() && m_zeilen[i].art != Zeile::Abschnitt)
        ++i;
    return i;
}

qsizetype IniDatei::eintragIndex(const QString& abschnitt, const QString& schluessel) const {
    const qsizetype kopf = abschnittIndex(abschnitt);
    if (kopf < 0)
        return -1;
    const qsizetype ende = abschnittEnde(kopf);
    for (qsizetype i = kopf + 1; i < ende; ++i)
        if (m_zeilen[i].art == Zeile::Eintrag && m_zeilen[i].name.compare(schluessel, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString IniDatei::wertLesen(const QString& roh) {
    if (roh.size() >= 2) {
        const QChar a = roh.front();
        if ((a == QLatin1Char('"') || a == QLatin1Char('\'')) && roh.back() == a)
            return roh.mid(1, roh.size() - 2);
    }
    return roh;
}

QString IniDatei::wertSchreiben(const QString& wert) {
    // Quote only where reading back would otherwise change the value.
    const bool rand = !wert.isEmpty() && (wert.front().isSpace() || wert.back().isSpace());
    const bool zitat = wert.size() >= 2 && (wert.front() == QLatin1Char('"') || wert.front() == QLatin1Char('\'')) &&
                       wert.back() == wert.front();
    return (rand || zitat) ? QLatin1Char('"') + wert + QLatin1Char('"') : wert;
}

bool IniDatei::SectionExists(const QString& abschnitt) const { return abschnittIndex(abschnitt) >= 0; }

bool IniDatei::ValueExists(const QString& abschnitt, const QString& schluessel) const {
    return eintragIndex(abschnitt, schluessel) >= 0;
}

QStringList IniDatei::ReadSection(const QString& abschnitt) const {
    QStringList namen;
    const qsizetype kopf = abschnittIndex(abschnitt);
    if (kopf < 0)
        return namen;
    const qsizetype ende = abschnittEnde(kopf);
    for (qsizetype i = kopf + 1; i < ende; ++i)
        if (m_zeilen[i].art == Zeile::Eintrag)
            namen.append(m_zeilen[i].name);
    return namen;
}

QString IniDatei::ReadString(const QString& abschnitt, const QString& schluessel, const QString& vorgabe) const {
    const qsizetype i = eintragIndex(abschnitt, schluessel);
    return i < 0 ? vorgabe : wertLesen(m_zeilen[i].wert);
}

int IniDatei::ReadInteger(const QString& abschnitt, const QString& schluessel, int vorgabe) const {
    const QString text = ReadString(abschnitt, schluessel, QString()).trimmed();
    bool ok = false;
    int wert = text.toInt(&ok, 10);
    if (!ok && (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) || text.startsWith(QLatin1Char('$'))))
        wert = text.mid(text.startsWith(QLatin1Char('$')) ? 1 : 2).toInt(&ok, 16);
    return ok ? wert : vorgabe;
}

bool IniDatei::ReadBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const {
    return ReadInteger(abschnitt, schluessel, vorgabe ? 1 : 0) != 0;
}

void IniDatei::WriteString(const QString& abschnitt, const QString& schluessel, const QString& wert) {
    const QString geschrieben = wertSchreiben(wert);
    const qsizetype vorhanden = eintragIndex(abschnitt, schluessel);
    if (vorhanden >= 0) {
        Zeile& z = m_zeilen[vorhanden];
        z.wert = geschrieben;
        z.roh = z.name + QLatin1Char('=') + geschrieben;
        return;
    }
    Zeile neu;
    neu.art = Zeile::Eintrag;
    neu.name = schluessel;
    neu.wert = geschrieben;
    neu.roh = schluessel + QLatin1Char('=') + geschrieben;
    qsizetype kopf = abschnittIndex(abschnitt);
    if (kopf < 0) {
        if (!m_zeilen.isEmpty() && !m_zeilen.last().roh.trimmed().isEmpty())
            m_zeilen.push_back(Zeile{});
        Zeile k;
        k.art = Zeile::Abschnitt;
        k.name = abschnitt;
        k.roh = QLatin1Char('[') + abschnitt + QLatin1Char(']');
        m_zeilen.push_back(k);
        m_zeilen.push_back(neu);
        return;
    }
    // After the section's last entry, so trailing blank lines and comments stay in front of the next section.
    qsizetype ziel = kopf + 1;
    const qsizetype ende = abschnittEnde(kopf);
    for (qsizetype i = kopf + 1; i < ende; ++i)
        if (m_zeilen[i].art == Zeile::Eintrag)
            ziel = i + 1;
    m_zeilen.insert(ziel, neu);
}

void IniDatei::WriteInteger(const QString& abschnitt, const QString& schluessel, int wert) {
    WriteString(abschnitt, schluessel, QString::number(wert));
}

void IniDatei::WriteBool(const QString& abschnitt, const QString& schluessel, bool wert) {
    WriteString(abschnitt, schluessel, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniDatei::EraseSection(const QString& abschnitt) {
    qsizetype kopf;
    while ((kopf = abschnittIndex(abschnitt)) >= 0)
        m_zeilen.remove(kopf, abschnittEnde(kopf) - kopf);
}

QString IniDatei::text() const {
    QString t;
    for (const Zeile& z : m_zeilen)
        t += z.roh + m_zeilenende;
    return t;
}

Status IniDatei::speichern() const {
    // Never replace a file we could not read with the few keys we know.
    if (!m_ladeFehler.isEmpty()) {
        if (QFileInfo(m_pfad).isDir())
            return Fehler{SpeicherFehlerText(m_pfad, {})};
        return Fehler{m_ladeFehler + QStringLiteral("\r\rDamit ihre übrigen Einstellungen nicht verloren "
                                                    "gehen, speichere ich sie nicht.")};
    }
    return DateiSchreibenAtomar(m_pfad, text().toUtf8());
}

} // namespace kb
