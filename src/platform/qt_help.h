#pragma once

#include "help.h"

#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QTabWidget;
class QTextBrowser;

namespace kb {

// Help viewer window over a Qt Help collection: contents, index and full-text search
// on the left, the page on the right.
class HilfeBetrachter : public QWidget {
    Q_OBJECT
public:
    // sammlung: the collection file; it is used from a writable copy so the search index can be built.
    explicit HilfeBetrachter(const QString& sammlung, QWidget* eltern = nullptr);
    ~HilfeBetrachter() override;

    bool bereit() const { return m_bereit; }
    // The page of a context number, empty when there is none.
    QUrl seiteFuer(int kontext) const;
    bool zeigeThema(int kontext);
    void zeigeSuche();
    QUrl aktuelleSeite() const;
    QHelpEngine* engine() const { return m_engine; }

private:
    QHelpEngine* m_engine = nullptr;
    QTabWidget* m_reiter = nullptr;
    QTextBrowser* m_seite = nullptr;
    QWidget* m_suchSeite = nullptr;
    bool m_bereit = false;
};

class QtHelp final : public Help {
public:
    // Without a path the collection is the program's help file, known once start-up has run.
    explicit QtHelp(QString sammlung = {}) : m_sammlung(std::move(sammlung)) {}
    ~QtHelp() override;
    void thema(QWidget* eltern, int kontext) override;
    void suche(QWidget* eltern) override;

private:
    HilfeBetrachter* betrachter(QWidget* eltern);
    QString m_sammlung;
    QPointer<HilfeBetrachter> m_fenster;
};

// Copies the collection and its documentation next to each other into a writable folder;
// returns the copy's collection path, or an empty text when the collection is missing.
QString hilfeSammlungBereitstellen(const QString& sammlung, const QString& zielOrdner);

} // namespace kb
