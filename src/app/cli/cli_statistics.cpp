// statistik, suche: the numbers of the statistics window.

#include "commands.h"
#include "statistics/combination_statistics.h"
#include "statistics/number_statistics.h"

namespace kb::cli {

namespace {

QList<QCommandLineOption> statistikOptionen() {
    QList<QCommandLineOption> o{{QStringLiteral("kategorie"),
                                 QStringLiteral("0 beide Ziehungstage (Vorgabe), 1 Samstag, 2 Mittwoch."),
                                 QStringLiteral("K")}};
    o.append(ZeitraumOptionen());
    return o;
}

// The statistics of the history and the chosen stretch of one category, as the window's
// "von"/"bis" lists choose it (default: all draws of the category).
struct Auswahl {
    ZahlenStatistik s;
    int kategorie = KategorieAlle;
    int von = 0;
    int bis = -1;
};

void auswahlTreffen(Kontext& k, const Aufruf& a, Auswahl& w) {
    w.kategorie = a.p.isSet(QStringLiteral("kategorie"))
                      ? GanzzahlOption(a.p, QStringLiteral("kategorie"), KategorieAlle, KategorieMittwoch)
                      : KategorieAlle;
    const Zeitraum zeitraum = ZeitraumLesen(a.p);
    StatistikStart(w.s, k.ziehungen());
    const QVector<TGewZahlen>& liste = w.s.ziehungen[static_cast<std::size_t>(w.kategorie)];
    std::tie(w.von, w.bis) = ZeitraumIndizes(liste, zeitraum);
    if (w.bis < w.von)
        abgelehnt(QStringLiteral("Im gewählten Zeitraum liegt keine Ziehung dieser Kategorie."));
    if (!k.csv())
        k.zeile(QStringLiteral("%1, %2 bis %3: %4 Ziehungen")
                    .arg(KategorieTitel(w.kategorie), k.datum(liste[w.von].datum),
                         k.datum(liste[w.bis].datum), k.zahl(w.bis - w.von + 1)));
}

void haeufigkeit(Kontext& k, Auswahl& w) {
    const Zahlenzaehler anzahl = TeilStatistik(w.s, w.von, w.bis, w.kategorie);
    Tabelle t(k, {{QStringLiteral("Zahl"), QStringLiteral("zahl")},
                  {QStringLiteral("Anzahl"), QStringLiteral("anzahl")}});
    for (int n = 1; n <= MaxZahl; ++n)
        t.zeile({QString::number(n), QString::number(anzahl[static_cast<std::size_t>(n - 1)])});
}

void ausgeblieben(Kontext& k, const Auswahl& w) {
    const Abwesenheit a = Ausgeblieben(w.s, w.von, w.bis, w.kategorie);
    Tabelle t(k, {{QStringLiteral("Zahl"), QStringLiteral("zahl")},
                  {QStringLiteral("ausgeblieben"), QStringLiteral("ausgeblieben")}});
    for (const int n : a.reihenfolge)
        t.zeile({QString::number(n), QString::number(a.luecke[static_cast<std::size_t>(n - 1)])});
}

void favoriten(Kontext& k, const Auswahl& w, int groesse) {
    const KombiTabelle& tabelle = KombiTabelleFuer(groesse);
    const KombiFavoriten f =
        KombinationenFavoriten(tabelle, w.s.mengen[static_cast<std::size_t>(w.kategorie)], w.von, w.bis);
    const std::pair<QString, const QVector<KombiPlatz>*> listen[] = {
        {QStringLiteral("haeufigste"), &f.haeufigste}, {QStringLiteral("seltenste"), &f.seltenste}};
    if (k.csv()) {
        Tabelle t(k, {{{}, QStringLiteral("liste")},
                      {{}, QStringLiteral("rang")},
                      {{}, QStringLiteral("kombi")},
                      {{}, QStringLiteral("anzahl")}});
        for (const auto& [name, liste] : listen)
            for (qsizetype i = 0; i < liste->size(); ++i)
                t.zeile({name, QString::number(i + 1),
                         tabelle.text((*liste)[i].index).replace(QLatin1Char(','), QLatin1Char('-')),
                         QString::number((*liste)[i].anzahl)});
        return;
    }
    for (const auto& [name, liste] : listen) {
        k.zeile();
        k.zeile((name == QLatin1String("haeufigste") ? QStringLiteral("Die häufigsten %1er")
                                                     : QStringLiteral("Die seltensten %1er"))
                    .arg(groesse));
        Tabelle t(k, {{QStringLiteral("Rang"), {}},
                      {QStringLiteral("Kombi"), {}, false},
                      {QStringLiteral("Anz."), {}}});
        for (qsizetype i = 0; i < liste->size(); ++i)
            t.zeile({QString::number(i + 1), tabelle.text((*liste)[i].index),
                     QString::number((*liste)[i].anzahl)});
    }
}

int statistik(Kontext& k, const Aufruf& a) {
    const QString art = a.argumente.constFirst();
    const QStringList arten = {QStringLiteral("haeufigkeit"), QStringLiteral("ausgeblieben"),
                               QStringLiteral("paare"), QStringLiteral("tripel"),
                               QStringLiteral("quadrupel")};
    const qsizetype welche = arten.indexOf(art);
    if (welche < 0)
        falscherAufruf(QStringLiteral("Unbekannte Statistik \"%1\"; möglich sind %2.")
                           .arg(art, arten.join(QStringLiteral(", "))));
    Auswahl w;
    auswahlTreffen(k, a, w);
    switch (welche) {
    case 0:
        haeufigkeit(k, w);
        break;
    case 1:
        ausgeblieben(k, w);
        break;
    default:
        favoriten(k, w, static_cast<int>(welche));
        break;
    }
    return ExitOk;
}

int suche(Kontext& k, const Aufruf& a) {
    QVector<int> zahlen;
    for (const QString& teil : a.argumente)
        zahlen += ZahlenListeLesen(teil, QStringLiteral("ZAHLEN"));
    TippzahlenPruefen({zahlen});
    KombiAuswahl auswahl;
    for (const int n : zahlen)
        if (auswahl.umschalten(n) == KombiAuswahl::Ergebnis::Voll)
            abgelehnt(SucheVollText);
    if (!auswahl.suchbar())
        abgelehnt(QStringLiteral("Für die Suche sind mindestens zwei Zahlen anzugeben."));
    Auswahl w;
    auswahlTreffen(k, a, w);
    const QVector<KombiTreffer> treffer = KombisSuchen(w.s, w.von, w.bis, w.kategorie, auswahl.menge());
    {
        Tabelle t(k, {{QStringLiteral("Nr."), QStringLiteral("nr")},
                      {QStringLiteral("Datum"), QStringLiteral("datum"), false},
                      {QStringLiteral("mit..."), QStringLiteral("mit"), false}});
        for (qsizetype i = 0; i < treffer.size(); ++i) {
            QStringList mit;
            for (const int n : treffer[i].mit)
                mit.append(QString::number(n));
            t.zeile({QString::number(i + 1), k.datum(treffer[i].datum),
                     mit.join(k.csv() ? QLatin1Char('-') : QLatin1Char(','))});
        }
    }
    if (!k.csv())
        k.zeile(QStringLiteral("Treffer: %1").arg(treffer.size()));
    return ExitOk;
}

} // namespace

void StatistikBefehle(QVector<Befehl>& b) {
    b.append(
        {QStringLiteral("statistik"),
         QStringLiteral("haeufigkeit|ausgeblieben|paare|tripel|quadrupel [--kategorie 0|1|2] [--von DATUM] "
                        "[--bis DATUM]"),
         QStringLiteral("Die Zahlen des Statistikfensters: Häufigkeit, Ausbleiben, häufigste und seltenste "
                        "Kombinationen."),
         statistikOptionen(), 1, 1, &statistik});
    b.append({QStringLiteral("suche"),
              QStringLiteral("ZAHLEN [--kategorie 0|1|2] [--von DATUM] [--bis DATUM]"),
              QStringLiteral("Kombinationssuche: die Ziehungen, die alle zwei bis sechs Zahlen enthalten."),
              statistikOptionen(), 1, -1, &suche});
}

} // namespace kb::cli
