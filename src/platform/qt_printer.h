#pragma once

#include "printer.h"

#include <QPainter>

#include <memory>

class QPrinter;

namespace kb {

// Draws the jobs onto a QPrinter; the subclasses choose the printer or the PDF file.
class QPrinterDrucker : public Printer {
public:
    QPrinterDrucker();
    ~QPrinterDrucker() override;
    QPoint rand() const override;
    Status beginnen(const QString& titel) override;
    void text(QPoint punkt, const QString& text) override;
    Status beenden() override;
    bool auftragOffen() const override { return m_maler.isActive(); }

protected:
    QPrinter& drucker() { return *m_drucker; }

private:
    std::unique_ptr<QPrinter> m_drucker;
    QPainter m_maler;
    double m_proEinheit = 1; // device pixels per tenth of a millimetre
    double m_oberlaenge = 0; // font ascent in device pixels
};

class QtPrinter final : public QPrinterDrucker {
public:
    bool auswaehlen(QWidget* eltern) override;
};

} // namespace kb
