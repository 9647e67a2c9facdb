#pragma once

#include "platform/services.h"

#include <QWidget>

class QCalendarWidget;

namespace kb {

// A month calendar on today's date; draw days in bold.
class TFKal : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 368;
    static constexpr int ClientHoehe = 282;
    static constexpr int HilfeKontext = 1120;

    explicit TFKal(Dienste& dienste, QWidget* eltern = nullptr);

    QCalendarWidget* kalender() const { return m_kalender; }

private:
    QCalendarWidget* m_kalender = nullptr;
};

} // namespace kb
