#pragma once

#include "platform/services.h"

#include <QHash>
#include <QToolBar>

namespace kb {

class Fensterverwaltung;

// The tool bar at the top of most windows: buttons that open the neighbouring windows by the
// single-instance rule, start the calculator, show help or close the window they sit in.
class NavigationsLeiste final : public QToolBar {
    Q_OBJECT
public:
    enum class Knopf {
        Schliessen,
        NueberK,
        Statistik,
        Hilfe,
        Rechner,
        Normalschein,
        Systemschein,
        SystemWahl,
        Update,
        Kalender,
        Quoten,
        Druck,
    };

    // fenster: the window to close; hilfeKontext: its help topic.
    NavigationsLeiste(QWidget* fenster, Dienste& dienste, Fensterverwaltung& router, int hilfeKontext,
                      const QList<Knopf>& knoepfe);

    int hilfeKontext() const { return m_hilfeKontext; }
    // Enables the buttons whose windows can be opened now.
    void aktualisieren();

protected:
    void showEvent(QShowEvent* e) override;

private:
    Dienste& m_dienste;
    Fensterverwaltung& m_router;
    int m_hilfeKontext;
    QHash<QAction*, QString> m_ziele;
};

} // namespace kb
