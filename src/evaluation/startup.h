#pragma once

#include "main_window.h"
#include "platform/services.h"
#include "start_window.h"
#include "window_router.h"

#include <QPointer>

#include <memory>

namespace kb {

// Program start: start window, long-lived windows in their fixed order, hand-over.
class Programmstart {
public:
    explicit Programmstart(Dienste& dienste);
    ~Programmstart();

    // Shows the start window and creates the long-lived windows hidden.
    void ausfuehren();

    Fensterverwaltung& router() { return m_router; }
    TFAuswertung* hauptfenster() const { return m_haupt; }
    TFStart* startfenster() const { return m_start; }

private:
    void langlebigeFensterErzeugen();
    void routenRegistrieren();

    Dienste& m_dienste;
    Fensterverwaltung m_router;
    QPointer<TFStart> m_start;
    QPointer<TFAuswertung> m_haupt;
};

} // namespace kb
