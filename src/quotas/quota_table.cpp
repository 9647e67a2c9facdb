#include "quota_table.h"

#include "core/date.h"
#include "core/money.h"
#include "quota_file.h"

#include <cmath>

namespace kb {

namespace {
// The first draw of the lottery: a broken last date never makes the editor append decades.
const TDate ErsteZiehung = ausQDate(QDate(1955, 10, 9));
constexpr TDate NeueStandardquotenAb = 44097; // 23.09.2020
} // namespace

QVector<TQuoten> FehlendeZiehungen(TDate letztes, const QDate& heute) {
    QVector<TQuoten> neu;
    if (!std::isfinite(letztes) || !heute.isValid())
        return neu;
    const TDate bis = ausQDate(heute);
    TDate d = std::max(std::floor(letztes) + 1, ErsteZiehung);
    for (; d <= bis; ++d) {
        const int tag = Wochentag(d);
        if (tag != Mittwoch && tag != Samstag)
            continue;
        TQuoten q;
        q.datum = d;
        q.q = (d >= NeueStandardquotenAb ? Standardquoten[0] : Standardquoten[1]).q;
        neu.append(q);
    }
    return neu;
}

QuotenTabelle::QuotenTabelle(QLocale locale, QObject* eltern)
    : QAbstractTableModel(eltern), m_locale(std::move(locale)) {}

int QuotenTabelle::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(m_zeilen.size());
}

int QuotenTabelle::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : Spalten;
}

QVariant QuotenTabelle::data(const QModelIndex& index, int rolle) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (rolle == Qt::DisplayRole)
        return m_zeilen[index.row()].text[index.column()];
    if (rolle == Qt::TextAlignmentRole)
        return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                   : int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant QuotenTabelle::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= Spalten)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    if (rolle == Qt::DisplayRole)
        return abschnitt == 0 ? QStringLiteral("Ziehung") : QuotenKlassenTexte.at(abschnitt);
    return {};
}

QuotenTabelle::Eintrag QuotenTabelle::eintragAus(const TQuoten& q) const {
    Eintrag e;
    e.quoten = q;
    e.text[0] = DatumText(q.datum, m_locale);
    for (int k = 1; k < Spalten; ++k)
        e.text[k] = GeldText(q.q[k], m_locale);
    return e;
}

void QuotenTabelle::setzeQuoten(const QVector<TQuoten>& quoten) {
    beginResetModel();
    m_zeilen.clear();
    m_zeilen.reserve(quoten.size());
    for (const TQuoten& q : quoten)
        m_zeilen.append(eintragAus(q));
    endResetModel();
}

void QuotenTabelle::anhaengen(const QVector<TQuoten>& quoten) {
    if (quoten.isEmpty())
        return;
    const int erste = rowCount();
    beginInsertRows({}, erste, erste + static_cast<int>(quoten.size()) - 1);
    for (const TQuoten& q : quoten)
        m_zeilen.append(eintragAus(q));
    endInsertRows();
}

QStringList QuotenTabelle::datumsTexte() const {
    QStringList texte;
    texte.reserve(m_zeilen.size());
    for (const Eintrag& e : m_zeilen)
        texte.append(e.text[0]);
    return texte;
}

void QuotenTabelle::ersetzen(int zeile, const Zeile& felder) {
    if (zeile < 0 || zeile >= rowCount())
        return;
    for (int k = 1; k < Spalten; ++k) {
        if (felder[k].isEmpty())
            continue;
        m_zeilen[zeile].text[k] = felder[k];
        m_zeilen[zeile].getippt[k] = true;
        Q_EMIT dataChanged(index(zeile, k), index(zeile, k), {Qt::DisplayRole});
    }
}

Result<QVector<TQuoten>> QuotenTabelle::alsQuoten() const {
    QVector<TQuoten> quoten;
    quoten.reserve(m_zeilen.size());
    const QString absatz = QStringLiteral("\r\r");
    const QString bleibt = QStringLiteral("Die Quotendatei bleibt unverändert.");
    for (qsizetype r = 0; r < m_zeilen.size(); ++r) {
        const Zeile& z = m_zeilen[r].text;
        TQuoten q = m_zeilen[r].quoten;
        for (int k = 1; k < Spalten; ++k) {
            if (!m_zeilen[r].getippt[k])
                continue;
            const std::optional<Geld> betrag = GeldAusText(z[k], m_locale);
            if (!betrag)
                return Fehler{QStringLiteral("'%1' ist kein gültiger Betrag.").arg(z[k]) + absatz +
                              QStringLiteral("Zeile %1 (Ziehung %2), Spalte \"%3\".")
                                  .arg(r + 1)
                                  .arg(z[0], QuotenKlassenTexte.at(k).trimmed()) +
                              absatz + bleibt};
            q.q[k] = *betrag;
        }
        quoten.append(q);
    }
    return quoten;
}

void QuotenTabelle::gespeichert(const QVector<TQuoten>& quoten) {
    if (quoten.size() != m_zeilen.size()) {
        setzeQuoten(quoten);
        return;
    }
    // In place, so the view keeps its scroll position and selection.
    for (qsizetype r = 0; r < quoten.size(); ++r)
        m_zeilen[r] = eintragAus(quoten[r]);
    if (!m_zeilen.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, Spalten - 1), {Qt::DisplayRole});
}

} // namespace kb
