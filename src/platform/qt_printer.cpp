#include "qt_printer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>

namespace kb {

namespace {
constexpr double EinheitenProZoll = 254.0;
constexpr double ZellHoehe = 35.0; // character cell of 3.5 mm
} // namespace

QPrinterDrucker::QPrinterDrucker() : m_drucker(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

QPrinterDrucker::~QPrinterDrucker() {
    if (m_maler.isActive())
        m_maler.end();
}

QPoint QPrinterDrucker::rand() const {
    // The painter's origin is the corner of the printable area; measured where the painter puts it.
    const QPointF r = m_drucker->pageRect(QPrinter::DevicePixel).topLeft() -
                      m_drucker->paperRect(QPrinter::DevicePixel).topLeft();
    const double proZehntel = m_drucker->resolution() / EinheitenProZoll;
    return {static_cast<int>(std::lround(r.x() / proZehntel)),
            static_cast<int>(std::lround(r.y() / proZehntel))};
}

Status QPrinterDrucker::beginnen(const QString& titel) {
    if (m_maler.isActive())
        m_maler.end();
    m_drucker->setDocName(titel);
    m_drucker->setFullPage(false);
    if (!m_maler.begin(m_drucker.get()))
        return Fehler{QStringLiteral("Der Drucker \"%1\" kann den Auftrag nicht beginnen.")
                          .arg(m_drucker->printerName())};
    m_proEinheit = m_drucker->resolution() / EinheitenProZoll;
    QFont schrift = m_maler.font();
    schrift.setBold(true);
    schrift.setPixelSize(1000);
    // Scale the font so that ascent plus descent make the 3.5 mm character cell.
    const double hoehe1000 = QFontMetricsF(schrift, m_drucker.get()).height();
    schrift.setPixelSize(
        std::max(1, static_cast<int>(std::lround(1000.0 * ZellHoehe * m_proEinheit / hoehe1000))));
    m_maler.setFont(schrift);
    m_maler.setPen(QColor(0, 0, 128));
    m_oberlaenge = QFontMetricsF(schrift, m_drucker.get()).ascent();
    return {};
}

void QPrinterDrucker::text(QPoint punkt, const QString& text) {
    if (!m_maler.isActive())
        return;
    m_maler.drawText(QPointF(punkt.x() * m_proEinheit, punkt.y() * m_proEinheit + m_oberlaenge), text);
}

Status QPrinterDrucker::beenden() {
    if (!m_maler.isActive())
        return {};
    if (!m_maler.end() || m_drucker->printerState() == QPrinter::Error)
        return Fehler{
            QStringLiteral("Der Drucker \"%1\" meldet einen Fehler.").arg(m_drucker->printerName())};
    return {};
}

bool QtPrinter::auswaehlen(QWidget* eltern) {
    QPrintDialog dialog(&drucker(), eltern);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kb
