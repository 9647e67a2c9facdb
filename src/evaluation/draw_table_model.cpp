#include "draw_table_model.h"

#include "core/date.h"

namespace kb {

GewinnzahlenModell::GewinnzahlenModell(QObject* eltern) : QAbstractTableModel(eltern) {}

void GewinnzahlenModell::setZiehungen(const QVector<TGewZahlen>& ziehungen, const QLocale& locale) {
    beginResetModel();
    m_ziehungen = ziehungen;
    m_locale = locale;
    endResetModel();
}

int GewinnzahlenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(m_ziehungen.size());
}

int GewinnzahlenModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : Spalten;
}

QVariant GewinnzahlenModell::data(const QModelIndex& idx, int rolle) const {
    if (!idx.isValid() || idx.row() >= rowCount() || idx.column() >= Spalten)
        return {};
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (rolle != Qt::DisplayRole)
        return {};
    const TGewZahlen& z = m_ziehungen[index(idx.row())];
    if (idx.column() == 0)
        return DatumText(z.datum, m_locale);
    if (idx.column() <= 6)
        return QString::number(z.GZ[idx.column() - 1]);
    return z.szBekannt() ? QString::number(z.SZ) : QString();
}

QVariant GewinnzahlenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 || abschnitt >= Spalten)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    if (abschnitt == 0)
        return QStringLiteral("Datum");
    if (abschnitt == 7)
        return QStringLiteral("SZ");
    return QStringLiteral("Z%1").arg(abschnitt);
}

} // namespace kb
