#include "window_help.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QWidget>

namespace kb {

void hilfeAnbinden(QWidget* fenster, Help* hilfe, int kontext, QAbstractButton* knopf) {
    if (!hilfe)
        return;
    // One F1 per window: a second binding replaces the first (two would cancel each other out).
    static const QString name = QStringLiteral("kbHilfeF1");
    delete fenster->findChild<QShortcut*>(name, Qt::FindDirectChildrenOnly);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, fenster);
    f1->setObjectName(name);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, fenster, [fenster, hilfe, kontext] { hilfe->thema(fenster, kontext); });
    if (knopf)
        QObject::connect(knopf, &QAbstractButton::clicked, fenster,
                         [fenster, hilfe, kontext] { hilfe->thema(fenster, kontext); });
}

} // namespace kb
