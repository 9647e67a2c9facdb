#include "quota_import.h"

#include <QRegularExpression>
#include <QStringList>

namespace kb {

namespace {
// Web pages put no-break spaces between digits and currency; the cleaning treats them as blanks.
QString blankNormal(QString t) {
    t.replace(QChar(0x00A0), QLatin1Char(' '));
    t.replace(QChar(0x202F), QLatin1Char(' '));
    t.replace(QChar(0x2007), QLatin1Char(' '));
    return t;
}

bool nurZiffern(const QString& t) {
    // Fourteen digits are more than any quota and stay far inside the 64-bit money type.
    if (t.isEmpty() || t.size() > 14)
        return false;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

const QString Absatz = QStringLiteral("\r\r");
} // namespace

QString QuoteBereinigen(const QString& text) {
    QString t = blankNormal(text).trimmed();
    t.remove(QStringLiteral("Euro"), Qt::CaseInsensitive);
    t.remove(QStringLiteral("Eur"), Qt::CaseInsensitive);
    t.remove(QStringLiteral("€"));
    t.remove(QLatin1Char(' '));
    if (t.contains(QLatin1Char(',')))
        t.remove(QLatin1Char('.'));
    else
        t.replace(QLatin1Char('.'), QLatin1Char(','));
    QString ziffern = t;
    ziffern.remove(QLatin1Char(','));
    return nurZiffern(ziffern) ? t : QString();
}

QString QuotenTextFehlt(const QString& text) {
    if (!text.trimmed().isEmpty())
        return {};
    return QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu übertragen.") + Absatz +
           QStringLiteral("Ich breche erst einmal ab.");
}

QString QuotenBeispielText() {
    return QStringLiteral(
        "1\n6 Richtige + SZ\nunbesetzt\n2\n6 Richtige\nunbesetzt\n3\n5 Richtige + SZ\n"
        "15986.30 €\n4\n5 Richtige\n4967.10 €\n5\n4 Richtige + SZ\n228.30 €\n6\n4 Richtige\n"
        "57.00 €\n7\n3 Richtige + SZ\n23.40 €\n8\n3 Richtige\n12.30 €\n9\n2 Richtige + SZ\n5.00 €");
}

QuotenImport QuotenAusText(const QString& text, int spalte) {
    QuotenImport ergebnis;
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    QString t = blankNormal(text);
    t.remove(QLatin1Char('\r'));
    QStringList zeilen;
    for (QString& z : t.split(QLatin1Char('\n')))
        if (!z.isEmpty())
            zeilen.append(z.replace(blanks, QStringLiteral(" ")));
    ergebnis.text = zeilen.join(QLatin1Char('\n'));
    ergebnis.zeilenform = zeilen.size() >= 13 && !ergebnis.text.contains(QLatin1Char('\t'));

    if (ergebnis.zeilenform) {
        int klasse = 10;
        qsizetype zuletzt = 10000000;
        for (qsizetype j = zeilen.size() - 1; j >= 0 && klasse > 1; --j) {
            QString z = zeilen[j];
            // An amount line lies at least three lines above the one taken before it (class
            // number, class name, amount); a line ending in neither "0" nor "€" holds no amount.
            if (z.isEmpty() || zuletzt - j <= 2 ||
                !(z.endsWith(QLatin1Char('0')) || z.endsWith(QStringLiteral("€"))))
                continue;
            zuletzt = j;
            z.remove(QStringLiteral(" €"));
            if (!z.contains(QLatin1Char(' ')))
                z.prepend(QLatin1Char(' '));
            --klasse;
            ergebnis.felder.append({klasse, QuoteBereinigen(z.mid(z.lastIndexOf(QLatin1Char(' '))))});
        }
        return ergebnis;
    }

    for (qsizetype k = 0; k < std::min<qsizetype>(zeilen.size(), 9); ++k) {
        const QStringList stuecke = zeilen[k].split(QLatin1Char('\t'));
        if (spalte < 1 || spalte > stuecke.size()) {
            ergebnis.fehler = QStringLiteral("Die Zeile %1 (\"%2\") hat keine Spalte %3.")
                                  .arg(k + 1)
                                  .arg(zeilen[k].left(60), QString::number(spalte)) +
                              Absatz +
                              QStringLiteral("Wählen Sie die Spalte, in der die Quote steht, oder entfernen "
                                             "Sie Zeilen ohne Quote aus dem Textfeld.") +
                              Absatz + QStringLiteral("Ich breche erst einmal ab.");
            return ergebnis;
        }
        ergebnis.felder.append({static_cast<int>(k) + 1, QuoteBereinigen(stuecke[spalte - 1])});
    }
    return ergebnis;
}

} // namespace kb
