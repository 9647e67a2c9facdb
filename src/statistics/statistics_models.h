#pragma once

#include "combination_statistics.h"
#include "number_statistics.h"

#include <QAbstractTableModel>
#include <QLocale>

namespace kb {

// "Die häufigsten ..." / "Die seltensten ...": Rang, Kombi, Anz.
class KombiListenModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit KombiListenModell(QObject* eltern = nullptr);

    void setzen(const KombiTabelle* tabelle, const QVector<KombiPlatz>& liste);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    const KombiTabelle* m_tabelle = nullptr;
    QVector<KombiPlatz> m_liste;
};

// Result of a combination search: Nr., Datum, mit... A fresh or reset table shows 50 empty
// rows, a search without hits one.
class KombiSucheModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int LeereZeilen = 50;

    explicit KombiSucheModell(QLocale locale, QObject* eltern = nullptr);

    void setzen(const QVector<KombiTreffer>& treffer);
    void leeren();
    int treffer() const { return static_cast<int>(m_treffer.size()); }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QLocale m_locale;
    QVector<KombiTreffer> m_treffer;
    int m_leer = LeereZeilen;
};

// "Wie oft sind Zahlen ausgeblieben": row 0 the numbers, row 1 their gaps, largest gap first;
// column 0 holds the row captions.
class AbwesenheitsModell final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit AbwesenheitsModell(QObject* eltern = nullptr);

    void setzen(const Abwesenheit& a);
    const Abwesenheit& abwesenheit() const { return m_a; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;

private:
    Abwesenheit m_a;
    bool m_gefuellt = false;
};

} // namespace kb
