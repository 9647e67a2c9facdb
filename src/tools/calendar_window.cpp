#include "calendar_window.h"

#include "core/program_state.h"
#include "widgets/window_help.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace kb {

TFKal::TFKal(Dienste& dienste, QWidget* eltern) : QWidget(eltern, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FKal"));
    setWindowTitle(FensterTitel());
    setFixedSize(ClientBreite, ClientHoehe);

    m_kalender = new QCalendarWidget(this);
    m_kalender->setObjectName(QStringLiteral("MonthCalendar1"));
    m_kalender->setLocale(zustand().LandesFormat);
    m_kalender->setFirstDayOfWeek(Qt::Sunday);
    m_kalender->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_kalender->setGridVisible(true);
    const QDate heute = dienste.uhr->heute();
    m_kalender->setSelectedDate(heute);

    // Wednesday and Saturday are the draw days a player looks for.
    for (Qt::DayOfWeek tag : {Qt::Wednesday, Qt::Saturday}) {
        QTextCharFormat f = m_kalender->weekdayTextFormat(tag);
        f.setFontWeight(QFont::Bold);
        m_kalender->setWeekdayTextFormat(tag, f);
    }
    QTextCharFormat heuteFormat = m_kalender->dateTextFormat(heute);
    heuteFormat.setFontUnderline(true);
    heuteFormat.setForeground(QColor(190, 30, 30));
    heuteFormat.setFontWeight(QFont::Bold);
    m_kalender->setDateTextFormat(heute, heuteFormat);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_kalender, 1);
    auto* unten = new QHBoxLayout;
    auto* hilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    unten->addWidget(hilfe);
    unten->addStretch(1);
    auto* schliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    unten->addWidget(schliessen);
    layout->addLayout(unten);
    // Closing only hides: the window is reopened as it was.
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    hilfeAnbinden(this, dienste.hilfe, HilfeKontext, hilfe);
}

} // namespace kb
