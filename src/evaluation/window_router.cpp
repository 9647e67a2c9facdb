#include "window_router.h"

#include <QApplication>
#include <QGuiApplication>

namespace kb {

Fensterverwaltung::Fensterverwaltung(QObject* eltern) : QObject(eltern) {}

void Fensterverwaltung::registriere(const QString& name, Fabrik fabrik, Regel regel) {
    m_eintraege.insert(name, Eintrag{std::move(fabrik), regel});
}

void Fensterverwaltung::anmelden(QWidget* fenster) {
    if (fenster && !m_fenster.contains(fenster))
        m_fenster.append(fenster);
}

bool Fensterverwaltung::kannOeffnen(const QString& name) const {
    return m_eintraege.contains(name) || FensterOffen(name);
}

QWidget* Fensterverwaltung::fenster(const QString& name) const {
    for (auto it = m_fenster.crbegin(); it != m_fenster.crend(); ++it)
        if (!it->isNull() && (*it)->objectName() == name)
            return it->data();
    return nullptr;
}

QStringList Fensterverwaltung::registrierteNamen() const {
    QStringList namen = m_eintraege.keys();
    namen.sort();
    return namen;
}

QList<QWidget*> Fensterverwaltung::alleFenster() const {
    QList<QWidget*> liste;
    for (const QPointer<QWidget>& w : m_fenster)
        if (w)
            liste.append(w);
    return liste;
}

QWidget* Fensterverwaltung::oeffne(const QString& name) {
    m_fenster.removeAll(nullptr);
    const auto eintrag = m_eintraege.constFind(name);
    const Regel regel = eintrag != m_eintraege.constEnd() ? eintrag->regel : Regel::NachVorn;
    QWidget* w = fenster(name);
    if (w) {
        if (w->isMinimized() || w->isMaximized() || w->isFullScreen())
            w->showNormal();
    } else {
        if (eintrag == m_eintraege.constEnd())
            return nullptr;
        const bool sanduhr = regel == Regel::MitSanduhrOhneNachVorn;
        if (sanduhr)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        w = eintrag->fabrik();
        if (sanduhr)
            QGuiApplication::restoreOverrideCursor();
        if (!w)
            return nullptr;
        if (w->objectName().isEmpty())
            w->setObjectName(name);
        m_fenster.append(w);
        Q_EMIT fensterErzeugt(w);
    }
    w->show();
    if (regel == Regel::NachVorn) {
        w->raise();
        w->activateWindow();
    }
    return w;
}

} // namespace kb
