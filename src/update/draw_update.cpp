#include "draw_update.h"

#include "core/date.h"
#include "core/draw_history.h"

#include <QFile>

namespace kb {

QDate ErwarteteZiehung(const QDateTime& jetzt, int wochentag) {
    // "After 20:00" means strictly later than 20:00:00.000.
    QDate tag = jetzt.time() > QTime(20, 0) ? jetzt.date() : jetzt.date().addDays(-1);
    for (int i = 0; i < 7 && Wochentag(tag) != wochentag; ++i)
        tag = tag.addDays(-1);
    return tag;
}

GewinnzahlenStand GewinnzahlenStandErmitteln(const ZahlenStatistik& s, const QDateTime& jetzt,
                                             const QLocale& locale) {
    GewinnzahlenStand st;
    if (!s.ziehungen[KategorieSamstag].isEmpty())
        st.standSamstag = DatumText(s.ziehungen[KategorieSamstag].back().datum, locale);
    if (!s.ziehungen[KategorieMittwoch].isEmpty())
        st.standMittwoch = DatumText(s.ziehungen[KategorieMittwoch].back().datum, locale);
    st.aktuellSamstag = DatumText(ErwarteteZiehung(jetzt, Samstag), locale);
    st.aktuellMittwoch = DatumText(ErwarteteZiehung(jetzt, Mittwoch), locale);
    return st;
}

QUrl DownloadBasis(const IniDatei& ini, const QString& datensatzPfad) {
    QString text = ini.ReadString(QStringLiteral("Update"), QStringLiteral("Server"), QString()).trimmed();
    QUrl basis;
    if (!text.isEmpty())
        basis = QUrl::fromUserInput(text);
    else if (!datensatzPfad.isEmpty())
        basis = QUrl::fromLocalFile(datensatzPfad + QStringLiteral("downloads/"));
    if (basis.isValid() && !basis.path().endsWith(QLatin1Char('/')))
        basis.setPath(basis.path() + QLatin1Char('/'));
    return basis;
}

QUrl GZDownloadAdresse(const QUrl& basis) {
    return basis.isValid() ? basis.resolved(QUrl(GZDateiName)) : QUrl();
}

bool GZSicherungAnlegen(const QString& datenPfad) {
    const QString gz = datenPfad + GZDateiName;
    const QString bak = datenPfad + GZSicherungName;
    if (!QFile::exists(gz) || QFile::exists(bak))
        return false;
    return QFile::rename(gz, bak);
}

void GZSicherungZurueck(const QString& datenPfad) {
    const QString gz = datenPfad + GZDateiName;
    const QString bak = datenPfad + GZSicherungName;
    if (!QFile::exists(gz) && QFile::exists(bak))
        QFile::rename(bak, gz);
}

} // namespace kb
