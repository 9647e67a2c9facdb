// quoten-import, n-ueber-k: the quota tool's text import and the n-over-k calculator.

#include "commands.h"
#include "core/ini_file.h"
#include "core/record_file.h"
#include "quotas/quota_file.h"
#include "quotas/quota_import.h"
#include "quotas/quota_settings.h"
#include "tools/binomial_text.h"

#include <array>

namespace kb::cli {

namespace {

int quotenImport(Kontext& k, const Aufruf& a) {
    const int spalte = a.p.isSet(QStringLiteral("spalte"))
                           ? GanzzahlOption(a.p, QStringLiteral("spalte"), QuotenSpalteMin, QuotenSpalteMax)
                           : QuotenSpalteVorgabe;
    const Result<QByteArray> daten = VorhandeneDateiLesen(a.argumente.constFirst());
    if (!daten)
        abgelehnt(daten.fehler());
    const QString text = TextDekodieren(*daten);
    if (const QString leer = QuotenTextFehlt(text); !leer.isEmpty())
        abgelehnt(leer);

    const QuotenImport import = QuotenAusText(text, spalte);
    // What the tool writes into the editor's nine fields; a class it does not reach keeps its field.
    std::array<std::optional<QString>, 10> felder;
    for (const QuotenFeldText& f : import.felder)
        if (f.klasse >= 1 && f.klasse <= 9)
            felder[static_cast<std::size_t>(f.klasse)] = f.text;
    {
        Tabelle t(k, {{QStringLiteral("Klasse"), QStringLiteral("klasse"), false},
                      {QStringLiteral("Betrag"), QStringLiteral("betrag")}});
        for (int klasse = 1; klasse <= 9; ++klasse) {
            const std::optional<QString>& f = felder[static_cast<std::size_t>(klasse)];
            if (k.csv())
                t.zeile({QString::number(klasse), f.value_or(QString())});
            else
                t.zeile({QuotenKlassenTexte.value(klasse).trimmed(), !f ? QStringLiteral("(unverändert)")
                                                                     : f->isEmpty() ? QStringLiteral("(leer)")
                                                                                    : *f});
        }
    }
    if (!import.fehler.isEmpty())
        abgelehnt(import.fehler);
    return ExitOk;
}

int nUeberK(Kontext& k, const Aufruf& a) {
    const QString n = a.argumente[0];
    const QString kText = a.argumente[1];
    const Result<QString> r = NueberKBerechnen(n, kText, k.deutsch());
    if (!r)
        abgelehnt(r.fehler());
    if (k.csv()) {
        Tabelle t(k, {{{}, QStringLiteral("n")}, {{}, QStringLiteral("k")}, {{}, QStringLiteral("wert")}});
        QString ziffern = *r;
        ziffern.remove(k.deutsch().groupSeparator());
        t.zeile({n.trimmed(), kText.trimmed(), ziffern});
    } else {
        k.zeile(QStringLiteral("%1 über %2 = %3").arg(n.trimmed(), kText.trimmed(), *r));
    }
    return ExitOk;
}

} // namespace

void WerkzeugBefehle(QVector<Befehl>& b) {
    b.append(
        {QStringLiteral("quoten-import"),
         QStringLiteral("DATEI [--spalte N]"),
         QStringLiteral(
             "Die Textübernahme des Quoten-Tools: die neun Beträge einer kopierten Quotentabelle."),
         {{QStringLiteral("spalte"),
           QStringLiteral("Spalte, in der die Quote steht (1 bis 10, Vorgabe 4; nur für Tabellen mit Tabs)."),
           QStringLiteral("N")}},
         1,
         1,
         &quotenImport});
    b.append({QStringLiteral("n-ueber-k"),
              QStringLiteral("N K"),
              QStringLiteral("Der Binomialkoeffizient n über k, exakt (n bis 1000)."),
              {},
              2,
              2,
              &nUeberK});
}

} // namespace kb::cli
