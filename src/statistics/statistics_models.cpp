#include "statistics_models.h"

#include "core/date.h"

namespace kb {

KombiListenModell::KombiListenModell(QObject* eltern) : QAbstractTableModel(eltern) {}

void KombiListenModell::setzen(const KombiTabelle* tabelle, const QVector<KombiPlatz>& liste) {
    beginResetModel();
    m_tabelle = tabelle;
    m_liste = tabelle ? liste : QVector<KombiPlatz>{};
    endResetModel();
}

int KombiListenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(m_liste.size());
}

int KombiListenModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 3;
}

QVariant KombiListenModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= m_liste.size())
        return {};
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(index.column() == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                                                     : Qt::AlignRight | Qt::AlignVCenter));
    if (rolle != Qt::DisplayRole)
        return {};
    const KombiPlatz& p = m_liste[index.row()];
    switch (index.column()) {
    case 0:
        return QString::number(index.row() + 1);
    case 1:
        return m_tabelle->text(p.index);
    case 2:
        return QString::number(p.anzahl);
    }
    return {};
}

QVariant KombiListenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    switch (abschnitt) {
    case 0:
        return QStringLiteral("Rang");
    case 1:
        return QStringLiteral("Kombi");
    case 2:
        return QStringLiteral("Anz.");
    }
    return {};
}

KombiSucheModell::KombiSucheModell(QLocale locale, QObject* eltern)
    : QAbstractTableModel(eltern), m_locale(std::move(locale)) {}

void KombiSucheModell::setzen(const QVector<KombiTreffer>& treffer) {
    beginResetModel();
    m_treffer = treffer;
    m_leer = treffer.isEmpty() ? 1 : 0;
    endResetModel();
}

void KombiSucheModell::leeren() {
    beginResetModel();
    m_treffer.clear();
    m_leer = LeereZeilen;
    endResetModel();
}

int KombiSucheModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(m_treffer.size()) + m_leer;
}

int KombiSucheModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 3;
}

QVariant KombiSucheModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= m_treffer.size() || rolle != Qt::DisplayRole)
        return {};
    const KombiTreffer& t = m_treffer[index.row()];
    switch (index.column()) {
    case 0:
        return QString::number(index.row() + 1);
    case 1:
        return DatumText(t.datum, m_locale);
    case 2: {
        QStringList mit;
        for (const int n : t.mit)
            mit.append(QString::number(n));
        return mit.join(QLatin1Char(','));
    }
    }
    return {};
}

QVariant KombiSucheModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    switch (abschnitt) {
    case 0:
        return QStringLiteral("Nr.");
    case 1:
        return QStringLiteral("Datum");
    case 2:
        return QStringLiteral("mit...");
    }
    return {};
}

AbwesenheitsModell::AbwesenheitsModell(QObject* eltern) : QAbstractTableModel(eltern) {}

void AbwesenheitsModell::setzen(const Abwesenheit& a) {
    m_a = a;
    m_gefuellt = true;
    Q_EMIT dataChanged(index(0, 1), index(1, MaxZahl));
}

int AbwesenheitsModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 2;
}

int AbwesenheitsModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : MaxZahl + 1;
}

QVariant AbwesenheitsModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid())
        return {};
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                                     : Qt::AlignRight | Qt::AlignVCenter));
    if (rolle != Qt::DisplayRole)
        return {};
    if (index.column() == 0)
        return index.row() == 0 ? QStringLiteral("    Zahl:") : QStringLiteral("Anzahl:");
    if (!m_gefuellt)
        return QString();
    const int n = m_a.reihenfolge[static_cast<std::size_t>(index.column() - 1)];
    if (n < 1 || n > MaxZahl)
        return QString();
    return index.row() == 0 ? QLatin1Char(' ') + QString::number(n)
                            : QString::number(m_a.luecke[static_cast<std::size_t>(n - 1)]);
}

} // namespace kb
