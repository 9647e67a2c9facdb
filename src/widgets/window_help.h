#pragma once

#include "platform/help.h"

class QAbstractButton;
class QWidget;

namespace kb {

// F1 anywhere in the window, and the window's help button if it has one, open its help topic.
void hilfeAnbinden(QWidget* fenster, Help* hilfe, int kontext, QAbstractButton* knopf = nullptr);

} // namespace kb
