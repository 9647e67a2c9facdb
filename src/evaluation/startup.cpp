#include "startup.h"

#include "core/program_state.h"
#include "entry/entry_window.h"
#include "entry/system_entry_window.h"
#include "main_window.h"
#include "printing/print_window.h"
#include "random/random_window.h"
#include "quotas/quota_editor_window.h"
#include "start_window.h"
#include "statistics/distribution_window.h"
#include "tools/calendar_window.h"
#include "tools/info_window.h"
#include "tools/nueberk_window.h"
#include "update/update_window.h"
#include "statistics/distribution_window.h"
#include "systems/selection_window.h"
#include "statistics/statistics_window.h"
#include "widgets/window_help.h"
#include "widgets/window_setup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>

#include <exception>

namespace kb {

Programmstart::Programmstart(Dienste& dienste) : m_dienste(dienste) {}

Programmstart::~Programmstart() {
    // Every window still open goes with the program, whoever created it.
    // Guarded: deleting a window also deletes the windows it owns, which may be listed later.
    QList<QPointer<QWidget>> fenster;
    for (QWidget* w : m_router.alleFenster())
        fenster.append(w);
    for (const QPointer<QWidget>& w : fenster)
        delete w.data();
    delete m_start.data();
}

void Programmstart::ausfuehren() {
    m_start = new TFStart(m_dienste.hilfe);
    fensterEinrichten(m_start, FensterArt::Arbeit);
    m_start->show();
    m_start->repaint();
    QGuiApplication::setApplicationDisplayName(ProduktName);

    // Small tool windows close on Escape; every window gets its tab order in reading order.
    QObject::connect(&m_router, &Fensterverwaltung::fensterErzeugt, &m_router, [this](QWidget* w) {
        static const QStringList dialoge{QStringLiteral("FNueberK"), QStringLiteral("FKal"),
                                         QStringLiteral("FInfo"), QStringLiteral("FUpdate")};
        fensterEinrichten(w, dialoge.contains(w->objectName()) ? FensterArt::Dialog : FensterArt::Arbeit);
        if (w->objectName() == QLatin1String("FUpdate"))
            hilfeAnbinden(w, m_dienste.hilfe, TFUpdate::HilfeKontext);
    });
    langlebigeFensterErzeugen();
    routenRegistrieren();
    // "Weiter" becomes usable whatever happened while the windows were created.
    m_start->setInitializationDone(true);
    m_start->setHauptfenster(m_haupt);
    if (m_haupt)
        m_haupt->routenAktualisieren();
}

void Programmstart::langlebigeFensterErzeugen() {
    // Order matters: each window may rely on the state the earlier ones loaded.
    const auto erzeugen = [this](auto&& fabrik) {
        try {
            QWidget* w = fabrik();
            m_router.anmelden(w);
            fensterEinrichten(w, w->objectName() == QLatin1String("FStat1") ? FensterArt::Dialog
                                                                            : FensterArt::Arbeit);
        } catch (const std::exception& e) {
            m_dienste.dialoge->fehler(m_start, QString::fromLocal8Bit(e.what()));
        }
    };
    erzeugen([this] {
        m_haupt = new TFAuswertung(m_dienste, m_router);
        return m_haupt.data();
    });
    erzeugen([this] { return new TFEingabe(m_dienste, m_router); });
    erzeugen([this] { return new TFSystemwahl(m_dienste, m_router); });
    // Its creation appends the draws since the last quota record and saves the quota file.
    erzeugen([this] { return new TFQuoten(m_dienste); });
    erzeugen([this] { return new TFEingabeSys2(m_dienste, m_router); });
    // The distribution window made at start is never shown: the entry makes its own.
    erzeugen([] { return new TFStat1; });
}

void Programmstart::routenRegistrieren() {
    using Regel = Fensterverwaltung::Regel;
    Dienste& d = m_dienste;
    m_router.registriere(QStringLiteral("FNueberK"), [&d] { return new TFNueberK(d); });
    m_router.registriere(
        QStringLiteral("FKal"), [&d] { return new TFKal(d); }, Regel::OhneNachVorn);
    m_router.registriere(QStringLiteral("FInfo"), [&d] { return new TFInfo(d); });
    m_router.registriere(QStringLiteral("FUpdate"), [this] { return new TFUpdate(m_dienste); });
    // The print window creates its detail window before it is shown.
    m_router.registriere(QStringLiteral("FDruck"), [&d] { return new TFDruck(d); });
    m_router.registriere(QStringLiteral("FZufall"), [this] { return new TFZufall(m_dienste, m_router); });
    m_router.registriere(QStringLiteral("FStatistik"), [this] { return new TFStatistik(m_dienste, m_router); },
                         Regel::MitSanduhrOhneNachVorn);
    // Destroyed when closed, so the next opening creates it anew.
    m_router.registriere(QStringLiteral("FQuoten"), [&d] { return new TFQuoten(d); });
}

} // namespace kb
