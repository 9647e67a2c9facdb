#include "date.h"

#include <cmath>

namespace kb {

const QStringList WochentagNamen = {QString(),         QStringLiteral("Sonntag"),    QStringLiteral("Montag"),
                                    QStringLiteral("Dienstag"), QStringLiteral("Mittwoch"), QStringLiteral("Donnerstag"),
                                    QStringLiteral("Freitag"),  QStringLiteral("Samstag")};

namespace {
const QDate &nullTag() {
    static const QDate d(1899, 12, 30);
    return d;
}
} // namespace

QDate zuQDate(TDate d) {
    if (!std::isfinite(d) || std::fabs(d) > 3.0e6)
        return {};
    return nullTag().addDays(static_cast<qint64>(std::floor(d)));
}

TDate ausQDate(const QDate& d) { return static_cast<TDate>(nullTag().daysTo(d)); }

int Wochentag(const QDate& d) { return d.dayOfWeek() % 7 + 1; }

int Wochentag(TDate d) {
    const QDate q = zuQDate(d);
    return q.isValid() ? Wochentag(q) : 0;
}

QString kurzDatumFormat(const QLocale& locale) {
    QString f = locale.dateFormat(QLocale::ShortFormat);
    // Player files span decades: always show the full year.
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return f;
}

QString DatumText(const QDate& d, const QLocale& locale) { return locale.toString(d, kurzDatumFormat(locale)); }

QString DatumText(TDate d, const QLocale& locale) { return DatumText(zuQDate(d), locale); }

std::optional<TDate> DatumAusText(const QString& text, const QLocale& locale) {
    QDate d = locale.toDate(text.trimmed(), kurzDatumFormat(locale));
    if (!d.isValid())
        d = locale.toDate(text.trimmed(), QLocale::ShortFormat);
    if (!d.isValid())
        return std::nullopt;
    return ausQDate(d);
}

} // namespace kb
