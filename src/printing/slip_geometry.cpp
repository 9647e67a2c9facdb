#include "slip_geometry.h"

#include "core/row_table.h"

namespace kb {

namespace {

const QString Absatz = QStringLiteral("\r\r");

// Reads a coordinate cell; a text that is no number ends the action with the conversion error.
std::optional<int> zahlLesen(const QString& text, Rueckfrage& frage) {
    const std::optional<int> z = GanzzahlAusText(text);
    if (!z)
        frage.fehler(KonvertierungsFehler(text));
    return z;
}

} // namespace

Scheingeometrie::Scheingeometrie(QObject* eltern) : QObject(eltern) {
    // Example values of a common slip, to be overwritten by the user's own measures.
    const int x[] = {180, 470, 760};
    for (int k = 0; k < 3; ++k)
        m_felder[k][0].x = QString::number(x[k]);
    const int y[] = {355, 675, 995, 1315, 1635};
    for (int i = 0; i < 5; ++i)
        m_felder[i * 3][0].y = QString::number(y[i]);
}

QString Scheingeometrie::AnordnungFehlt(const QString& wofuer) {
    return QStringLiteral("Für %1 benötige ich Anordnung und Anzahl der Tippfelder.\r"
                          "Die Auswahl ist unter der Grafik links zu treffen.")
               .arg(wofuer) +
           Absatz + QStringLiteral("Ich breche ab.");
}

void Scheingeometrie::setzeFeldZelle(int feld, int zeile, int achse, const QString& text) {
    if (feld < 0 || feld >= MaxTippfelder || zeile < 0 || zeile >= FeldZeilen)
        return;
    (achse == 0 ? m_felder[feld][zeile].x : m_felder[feld][zeile].y) = text;
}

void Scheingeometrie::setzeAWert(int feld, int zahl, int achse, const QString& text) {
    if (feld < 0 || feld >= MaxTippfelder || zahl < 0 || zahl >= 49)
        return;
    (achse == 0 ? m_aWerte[feld][zahl].x : m_aWerte[feld][zahl].y) = text;
}

bool Scheingeometrie::DetailTransfer(const QString& B, int anordnung, Rueckfrage& frage) {
    if (B.isEmpty()) {
        frage.information(QStringLiteral("Bitte geben Sie als B-Wert den horizontalen Abstand zwischen den "
                                         "Kästchen für Zahl1 1 und die Zahl 7 an.") +
                          Absatz + QStringLiteral("Ich breche erst einmal ab."));
        return false;
    }
    const std::optional<int> b = zahlLesen(B, frage);
    if (!b)
        return false;
    if (*b < 150 &&
        !frage.bestaetigt(
            QStringLiteral("Der B-Wert, den Sie für den horizontalen Abstand zwischen den Kästchen "
                           "für Zahl1 1 und die Zahl 7 angegeben haben, ist zu 99 % falsch.") +
            Absatz + QStringLiteral("Sind Sie sicher, dass ") + B +
            QStringLiteral(" der korrekte Wert ist?.")))
        return false;
    // The number of fields comes from the arrangement; without one nothing can be derived.
    if (anordnung < 0 || anordnung >= AnordnungAnzahl) {
        frage.hinweis(AnordnungFehlt(QStringLiteral("das automatische Ausfüllen")));
        return false;
    }
    const int p = KaestchenTeilung(*b);
    AWertTabelle neu = m_aWerte;
    for (int c = 0; c < Anordnungen[anordnung].felder; ++c) {
        for (int r = 0; r < FeldZeilen; ++r) {
            const std::optional<int> x0 = zahlLesen(m_felder[c][r].x, frage);
            if (!x0)
                return false;
            for (int j = 0; j < 7; ++j) {
                XY& a = neu[c][r * 7 + j];
                // In 64 bits: a value beyond int then stops the save with the conversion error.
                a.x = QString::number(qint64{*x0} + qint64{j} * p);
                a.y = m_felder[c][r].y;
            }
        }
    }
    m_aWerte = neu;
    m_gueltig = true;
    Q_EMIT aWerteGeaendert();
    Q_EMIT zustandGeaendert();
    return true;
}

bool Scheingeometrie::automatischAusfuellen(int anordnung, const QString& C, Rueckfrage& frage) {
    if (anordnung < 0 || anordnung >= AnordnungAnzahl) {
        frage.hinweis(AnordnungFehlt(QStringLiteral("das automatische Ausfüllen")));
        return false;
    }
    if (C.isEmpty()) {
        frage.information(
            QStringLiteral("Bitte geben Sie als C-Wert den vertikalen Abstand zwischen den Kästchen "
                           "für die Zahl 1 und die Zahl 43 an.") +
            Absatz + QStringLiteral("Ich breche erst einmal ab."));
        return false;
    }
    const std::optional<int> c = zahlLesen(C, frage);
    if (!c)
        return false;
    if (*c < 150 &&
        !frage.bestaetigt(
            QStringLiteral("Der C-Wert, den Sie für den vertikalen Abstand zwischen den Kästchen für "
                           "Zahl 1 und die Zahl 43 angegeben haben, ist zu 99 % falsch.") +
            Absatz + QStringLiteral("Sind Sie sicher, dass ") + C +
            QStringLiteral(" der korrekte Wert ist?.")))
        return false;
    const int q = KaestchenTeilung(*c);
    const Anordnung& a = Anordnungen[anordnung];

    std::array<int, 5> start{};
    for (int g = 0; g < a.reihen; ++g) {
        const QString& y = m_felder[g * a.proReihe][0].y;
        if (y.isEmpty()) {
            frage.hinweis(
                g == 0 ? QStringLiteral("Für das automatische Ausfüllen benötige ich im ersten Tippdeld "
                                        "für die Zahl 1 die y-Koordinate.") +
                             Absatz + QStringLiteral("Ich breche ab.")
                       : QStringLiteral("Für das automatische Ausfüllen benötige ich im Tippfeld %1 für "
                                        "die Zahl 1 die y-Koordinate.")
                                 .arg(g * a.proReihe + 1) +
                             Absatz + QStringLiteral("Ich breche ab."));
            return false;
        }
        const std::optional<int> wert = zahlLesen(y, frage);
        if (!wert)
            return false;
        start[g] = *wert;
    }

    fuerRueckgaengigMerken(QStringLiteral("Ausfüllen"));
    for (int i = 0; i < a.proReihe; ++i) {
        const QString x = m_felder[i][0].x;
        if (x.isEmpty())
            continue;
        for (int g = 0; g < a.reihen; ++g)
            for (XY& zeile : m_felder[i + g * a.proReihe])
                zeile.x = x;
    }
    for (int g = 0; g < a.reihen; ++g)
        for (int i = 0; i < a.proReihe; ++i)
            for (int r = 0; r < FeldZeilen; ++r) {
                XY& zeile = m_felder[g * a.proReihe + i][r];
                if (zeile.y.isEmpty())
                    zeile.y = QString::number(qint64{start[g]} + qint64{r} * q);
            }
    Q_EMIT felderGeaendert();
    Q_EMIT zustandGeaendert();
    return true;
}

void Scheingeometrie::fuerRueckgaengigMerken(const QString& name) {
    m_undo = m_felder;
    m_undoName = name;
}

void Scheingeometrie::felderLoeschen() {
    fuerRueckgaengigMerken(QStringLiteral("Löschen"));
    m_felder = {};
    Q_EMIT felderGeaendert();
    Q_EMIT zustandGeaendert();
}

void Scheingeometrie::feldLeeren(int feld) {
    if (feld < 0 || feld >= MaxTippfelder)
        return;
    m_felder[feld] = {};
    Q_EMIT felderGeaendert();
}

void Scheingeometrie::rueckgaengig() {
    if (!m_undo)
        return;
    m_felder = *m_undo;
    m_undo.reset();
    Q_EMIT felderGeaendert();
    Q_EMIT zustandGeaendert();
}

void Scheingeometrie::aWerteLeeren() {
    m_aWerte = {};
    m_gueltig = false;
    m_extrahiert = false;
    Q_EMIT aWerteGeaendert();
    Q_EMIT zustandGeaendert();
}

bool Scheingeometrie::extrahieren(const QString& B, int anordnung, Rueckfrage& frage) {
    m_extrahiert = true;
    return DetailTransfer(B, anordnung, frage);
}

FormatFelder Scheingeometrie::formatUebernehmen(const TScheinFormat& format) {
    m_format = format;
    const auto text = [](std::int32_t v) {
        return v == TScheinFormat::LeerWert ? QString() : QString::number(v);
    };
    const auto positiv = [](std::int32_t v) { return v > 0 ? QString::number(v) : QString(); };

    FormatFelder f;
    f.anordnung = format.anordnung >= 0 && format.anordnung < AnordnungAnzahl ? format.anordnung : -1;
    f.B = QString::number(format.B);
    f.C = QString::number(format.C);
    f.hori = QString::number(format.hori);
    f.vert = QString::number(format.vert);
    f.nrX = text(format.nrX);
    f.nrY = text(format.nrY);
    for (int i = 0; i < ZusatzKoordinaten; ++i)
        f.zusatz[i] = text(format.zusatz[i]);

    m_aWerte = {};
    m_gueltig = false;
    m_extrahiert = false;
    for (int k = 0; k < MaxTippfelder; ++k)
        for (int n = 0; n < 49; ++n)
            m_aWerte[k][n] = {positiv(format.A[k][n][0]), positiv(format.A[k][n][1])};
    for (int k = 0; k < MaxTippfelder; ++k)
        for (int r = 0; r < FeldZeilen; ++r) {
            const auto& a = format.A[k][r * 7];
            if (a[0] > 0)
                m_felder[k][r].x = QString::number(a[0]);
            if (a[1] > 0)
                m_felder[k][r].y = QString::number(a[1]);
        }
    Q_EMIT felderGeaendert();
    Q_EMIT aWerteGeaendert();
    Q_EMIT zustandGeaendert();
    return f;
}

std::optional<TScheinFormat> Scheingeometrie::formatZumSpeichern(const FormatFelder& f, Rueckfrage& frage) {
    if (!m_extrahiert && !DetailTransfer(f.B, f.anordnung, frage))
        return std::nullopt;
    if (!m_gueltig)
        return std::nullopt;
    TScheinFormat neu = m_format;
    for (int k = 0; k < MaxTippfelder; ++k)
        for (int n = 0; n < 49; ++n)
            for (int a = 0; a < 2; ++a) {
                const QString& t = a == 0 ? m_aWerte[k][n].x : m_aWerte[k][n].y;
                if (t.isEmpty())
                    continue;
                const std::optional<int> v = zahlLesen(t, frage);
                if (!v)
                    return std::nullopt;
                neu.A[k][n][a] = *v;
            }
    // Empty fields are stored with the substitutes of the file format.
    const auto wert = [&frage](const QString& t, std::int32_t ersatz) -> std::optional<std::int32_t> {
        if (t.isEmpty())
            return ersatz;
        return zahlLesen(t, frage);
    };
    neu.anordnung = f.anordnung;
    const std::array<std::pair<const QString*, std::int32_t*>, 6> felder{{{&f.B, &neu.B},
                                                                          {&f.C, &neu.C},
                                                                          {&f.hori, &neu.hori},
                                                                          {&f.vert, &neu.vert},
                                                                          {&f.nrX, &neu.nrX},
                                                                          {&f.nrY, &neu.nrY}}};
    const std::array<std::int32_t, 6> ersatz{78, 480, 0, 0, TScheinFormat::LeerWert, TScheinFormat::LeerWert};
    for (std::size_t i = 0; i < felder.size(); ++i) {
        const std::optional<std::int32_t> v = wert(*felder[i].first, ersatz[i]);
        if (!v)
            return std::nullopt;
        *felder[i].second = *v;
    }
    for (int i = 0; i < ZusatzKoordinaten; ++i) {
        const std::optional<std::int32_t> v = wert(f.zusatz[i], TScheinFormat::LeerWert);
        if (!v)
            return std::nullopt;
        neu.zusatz[i] = *v;
    }
    return neu;
}

} // namespace kb
