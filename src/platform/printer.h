#pragma once

#include "core/result.h"

#include <QPoint>
#include <QString>

class QWidget;

namespace kb {

// Print jobs of one page each on a canvas in tenths of a millimetre, origin at the top-left
// corner of the printable area, y downwards. Texts are bold navy with a character cell 3.5 mm
// high whose top-left corner lies at the given point.
class Printer {
public:
    virtual ~Printer() = default;
    // The printer selection dialog; false when cancelled.
    virtual bool auswaehlen(QWidget* eltern) = 0;
    // The chosen printer's unprintable left and top margins in tenths of a millimetre.
    virtual QPoint rand() const = 0;
    virtual Status beginnen(const QString& titel) = 0;
    virtual void text(QPoint punkt, const QString& text) = 0;
    // Ends the open job; the page goes to the printer.
    virtual Status beenden() = 0;
    virtual bool auftragOffen() const = 0;
};

} // namespace kb
