#include "navigation_bar.h"

#include "widgets/icons.h"
#include "widgets/window_help.h"
#include "window_router.h"

#include <QAction>
#include <QToolButton>

namespace kb {

namespace {

struct KnopfArt {
    const char* name;
    Symbol symbol;
    const char* hinweis;
    const char* ziel; // component name of the window it opens, or empty
};

KnopfArt artVon(NavigationsLeiste::Knopf k) {
    using K = NavigationsLeiste::Knopf;
    switch (k) {
    case K::Schliessen:
        return {"BClose", Symbol::Schliessen, "Fenster schließen", ""};
    case K::NueberK:
        return {"BNoverK", Symbol::NueberK, "n über k berechnen", "FNueberK"};
    case K::Statistik:
        return {"BStatistik", Symbol::Statistik, "Statistik der Gewinnzahlen", "FStatistik"};
    case K::Hilfe:
        return {"BHelp", Symbol::Hilfe, "Hilfe", ""};
    case K::Rechner:
        return {"BCalc", Symbol::Rechner, "Taschenrechner", ""};
    case K::Normalschein:
        return {"BEingabeN", Symbol::NormalscheinNeu, "Neuen Normalschein eingeben", "FEingabe"};
    case K::Systemschein:
        return {"BEingabeS", Symbol::SystemscheinNeu, "Neuen Systemschein eingeben", "FEingabeSys2"};
    case K::SystemWahl:
        return {"BSystemWahl", Symbol::SystemWahl, "Spielsystem auswählen", "FSystemwahl"};
    case K::Update:
        return {"BUpdate", Symbol::Update, "Update-Prüfung", "FUpdate"};
    case K::Kalender:
        return {"BKal", Symbol::Kalender, "Kalender", "FKal"};
    case K::Quoten:
        return {"BQuoten", Symbol::Quoten, "Quoten bearbeiten", "FQuoten"};
    case K::Druck:
        return {"BDruck", Symbol::Drucken, "Tippschein drucken", "FDruck"};
    }
    return {"", Symbol::Hilfe, "", ""};
}

} // namespace

NavigationsLeiste::NavigationsLeiste(QWidget* fenster, Dienste& dienste, Fensterverwaltung& router,
                                     int hilfeKontext, const QList<Knopf>& knoepfe)
    : QToolBar(fenster), m_dienste(dienste), m_router(router), m_hilfeKontext(hilfeKontext) {
    setObjectName(QStringLiteral("NavLeiste"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 24));
    setContextMenuPolicy(Qt::PreventContextMenu);
    for (Knopf k : knoepfe) {
        const KnopfArt art = artVon(k);
        QAction* a = addAction(symbolIcon(art.symbol), QString::fromUtf8(art.hinweis));
        a->setObjectName(QString::fromLatin1(art.name));
        widgetForAction(a)->setObjectName(a->objectName());
        const QString ziel = QString::fromLatin1(art.ziel);
        if (!ziel.isEmpty()) {
            m_ziele.insert(a, ziel);
            connect(a, &QAction::triggered, this, [this, ziel] { m_router.oeffne(ziel); });
        } else if (k == Knopf::Schliessen) {
            connect(a, &QAction::triggered, fenster, &QWidget::close);
        } else if (k == Knopf::Rechner) {
            connect(a, &QAction::triggered, this, [this] {
                if (!m_dienste.shell->rechnerStarten())
                    m_dienste.dialoge->information(
                        window(),
                        QStringLiteral("Auf diesem System wurde kein Taschenrechner-Programm gefunden."));
            });
        }
    }
    // F1 anywhere in the window, and the help button, open the window's topic.
    if (QAction* hilfe = findChild<QAction*>(QStringLiteral("BHelp"))) {
        connect(hilfe, &QAction::triggered, this, [this, fenster] { m_dienste.hilfe->thema(fenster, m_hilfeKontext); });
        hilfeAnbinden(fenster, m_dienste.hilfe, m_hilfeKontext);
    }
    aktualisieren();
}

void NavigationsLeiste::aktualisieren() {
    for (auto it = m_ziele.cbegin(); it != m_ziele.cend(); ++it)
        it.key()->setEnabled(m_router.kannOeffnen(it.value()));
}

void NavigationsLeiste::showEvent(QShowEvent* e) {
    aktualisieren();
    QToolBar::showEvent(e);
}

} // namespace kb
