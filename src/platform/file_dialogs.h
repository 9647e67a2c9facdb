#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kb {

// File open/save dialogs. Filters in Qt form ("Normal-Schein (*.nkb);;System-Schein (*.skb)");
// filterIndex is 1-based, read as the initial choice and set to the user's choice.
struct DateiDialogOptionen {
    QString titel;
    QString startOrdner;
    QString filter;
    QString standardEndung; // without dot; appended on save when the user typed none
    QString vorschlag;      // proposed file name (save)
    int filterIndex = 1;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Empty list when cancelled.
    virtual QStringList oeffnen(QWidget* eltern, DateiDialogOptionen& optionen, bool mehrere) = 0;
    // Empty text when cancelled.
    virtual QString speichern(QWidget* eltern, DateiDialogOptionen& optionen) = 0;
};

} // namespace kb
