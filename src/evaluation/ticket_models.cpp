#include "ticket_models.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace kb {

ErgebnisModell::ErgebnisModell(bool system, QLocale locale, QObject* eltern)
    : QAbstractTableModel(eltern), m_system(system), m_locale(std::move(locale)) {}

void ErgebnisModell::setzen(AuswertungsErgebnis ergebnis, QStringList feldNamen) {
    beginResetModel();
    m_ergebnis = std::move(ergebnis);
    m_feldNamen = std::move(feldNamen);
    endResetModel();
}

void ErgebnisModell::leeren() { setzen({}, {}); }

int ErgebnisModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(m_ergebnis.zeilen.size());
}

int ErgebnisModell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : (m_system ? 5 : 4); }

QString ErgebnisModell::text(int zeile, int spalte) const {
    if (zeile < 0 || zeile >= m_ergebnis.zeilen.size())
        return {};
    const Ergebniszeile& z = m_ergebnis.zeilen[zeile];
    if (!m_system && spalte > 0)
        ++spalte; // a normal ticket has no system column
    switch (spalte) {
    case 0: {
        if (!z.ersteZeile)
            return {};
        const QString datum = m_ergebnis.ziehungen.value(z.ziehung).SDatum;
        return m_system ? datum.left(10) : datum;
    }
    case 1: return z.feld >= 0 ? m_feldNamen.value(z.feld) : QString();
    case 2: return z.klasse ? KlassenTexte[z.klasse] : QStringLiteral("---");
    case 3: return z.klasse ? QString::number(z.reihe) : QStringLiteral("---");
    case 4: return z.klasse ? GeldText(z.betrag, m_locale) : QStringLiteral("---");
    default: return {};
    }
}

QVariant ErgebnisModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid())
        return {};
    if (rolle == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (rolle == Qt::BackgroundRole)
        return QBrush(index.row() + 1 == m_ergebnis.hoechstZeile ? QColor(185, 241, 253) : QColor(Qt::white));
    if (rolle == Qt::ForegroundRole)
        return QBrush(Qt::black);
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (rolle == Qt::FontRole) {
        QFont f;
        f.setBold(true);
        return f;
    }
    return {};
}

QVariant ErgebnisModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return {};
    const QStringList normal = {QStringLiteral("Datum (Wo.-Tag)"), QStringLiteral("Richtige"),
                                QStringLiteral("in Reihe"), QStringLiteral("Gewinn in €")};
    const QStringList system = {QStringLiteral("Datum"), QStringLiteral("System"), QStringLiteral("Richtige"),
                                QStringLiteral("in Reihe"), QStringLiteral("Gewinn in €")};
    return (m_system ? system : normal).value(abschnitt);
}

} // namespace kb
