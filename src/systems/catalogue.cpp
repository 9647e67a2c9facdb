#include "catalogue.h"

#include "covering.h"
#include "system_rows_data.h"

namespace kb {

namespace {

std::vector<TSysteme>& katalog() {
    static std::vector<TSysteme> k;
    return k;
}

} // namespace

const std::vector<TSysteme>& Systeme() {
    return katalog();
}

int SystemeAufbauen(int zeilenLimit) {
    std::vector<TSysteme>& k = katalog();
    k.assign(SystemeKonst.begin(), SystemeKonst.end());
    for (int rg = 2; rg <= 6; ++rg) {
        for (int wz = rg + 1;; ++wz) {
            const std::int64_t tr = Binomial(wz, rg);
            if (tr > zeilenLimit || wz - rg - 1 + 6 >= MaxZahl)
                break;
            k.push_back(TSysteme{static_cast<std::uint8_t>(rg), static_cast<std::uint8_t>(wz),
                                 static_cast<std::uint8_t>(rg), static_cast<std::uint16_t>(tr)});
        }
    }
    return static_cast<int>(k.size());
}

const TSysteme* SystemAn(int position) {
    const std::vector<TSysteme>& k = katalog();
    if (position < 0 || position >= static_cast<int>(k.size()))
        return nullptr;
    return &k[static_cast<std::size_t>(position)];
}

const TScheinSystem* ScheinSystemFuerCode(int code) {
    if (code < 1 || code > ScheinSystemAnzahl)
        return nullptr;
    return &ScheinSysteme[static_cast<std::size_t>(code - 1)];
}

std::span<const std::uint8_t> SystemReihen(int position) {
    if (position < 0 || position >= EingebauteSysteme)
        return {};
    const auto p = static_cast<std::size_t>(position);
    return std::span<const std::uint8_t>(
        detail::SystemReihenDaten + SystemReihenVersatz[p],
        static_cast<std::size_t>(SystemReihenVersatz[p + 1] - SystemReihenVersatz[p]));
}

std::uint8_t SystemZahl(int s, int r, int i, int j) {
    const std::span<const std::uint8_t> reihen = SystemReihen(s);
    if (r < 1 || i < 1 || j < 1 || j > r)
        return 0;
    const std::int64_t stelle = static_cast<std::int64_t>(r) * (i - 1) + j - 1;
    if (stelle >= static_cast<std::int64_t>(reihen.size()))
        return 0;
    return reihen[static_cast<std::size_t>(stelle)];
}

std::vector<Zahlenmaske> SystemReihenMasken(int position) {
    if (position >= 0 && position < EingebauteSysteme)
        return ReihenAlsMasken(SystemReihen(position), SystemeKonst[static_cast<std::size_t>(position)].RG);
    const TSysteme* s = SystemAn(position);
    if (s == nullptr)
        return {};
    std::vector<Zahlenmaske> r;
    r.reserve(s->TR);
    KombinationenDurchlaufen(s->WZ, s->RG, [&r](Zahlenmaske m) {
        r.push_back(m);
        return true;
    });
    return r;
}

int SystemLuecken(int position) {
    if (position < 0 || position >= EingebauteSysteme)
        return 0;
    return detail::SystemReihenLuecken[static_cast<std::size_t>(position)];
}

QString SystemKurztext(int position, int bankzahlen) {
    const TSysteme* s = SystemAn(position);
    if (s == nullptr)
        return {};
    QString t = QString::number(s->WZ) + QStringLiteral(" Wahlzahlen ");
    if (bankzahlen == 0)
        t += QStringLiteral("ohne BZ in ");
    else if (bankzahlen == 1)
        t += QStringLiteral("plus eine BZ in ");
    else
        t += QStringLiteral("plus ") + QString::number(bankzahlen) + QStringLiteral(" BZ in ");
    t += QString::number(s->TR) + QStringLiteral(" Reihen ");
    if (s->GA > 0)
        t += QStringLiteral("mit ") + QString::number(s->GA) + QStringLiteral("er Garantie");
    else
        t += QStringLiteral("ohne Garantie");
    return t;
}

QString SystemBeschreibung(int position) {
    const TSysteme* s = SystemAn(position);
    if (s == nullptr)
        return {};
    const int b = s->bankzahlen();
    const QString garantie =
        s->GA > 0 ? QStringLiteral("mit ") + QString::number(s->GA) + QStringLiteral("er Garantie.")
                  : QStringLiteral("ohne Garantie.");
    QString bank;
    if (b == 0)
        bank = QStringLiteral("ohne Bankzahl in ");
    else if (b == 1)
        bank = QStringLiteral("plus eine Bankzahl in ");
    else
        bank = QStringLiteral("plus ") + QString::number(b) + QStringLiteral(" Bankzahlen in ");
    QString t = QStringLiteral("Gewählt wurde ein System für ") + QString::number(s->WZ) +
                QStringLiteral(" Wahlzahlen ") + bank + QString::number(s->TR) +
                QStringLiteral(" Tippreihen ") + garantie;
    if (s->GA == s->RG) {
        if (b == 0)
            t += QStringLiteral("\rEin klassisches Vollsystem.");
        else if (b == 1)
            t += QStringLiteral("\rEin \"Vollsystem\" auf einer Bankzahl.");
        else
            t += QStringLiteral("\rEin \"Vollsystem\" auf ") + QString::number(b) +
                 QStringLiteral(" Bankzahlen.");
    }
    return t;
}

} // namespace kb
