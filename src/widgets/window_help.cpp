#include "window_help.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QWidget>

namespace kb {

void hilfeAnbinden(QWidget* fenster, Help* hilfe, int kontext, QAbstractButton* knopf) {
    if (!hilfe)
        return;
    auto* f1 = new QShortcut(QKeySequence::HelpContents, fenster);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, fenster, [fenster, hilfe, kontext] { hilfe->thema(fenster, kontext); });
    if (knopf)
        QObject::connect(knopf, &QAbstractButton::clicked, fenster,
                         [fenster, hilfe, kontext] { hilfe->thema(fenster, kontext); });
}

} // namespace kb
