#include "evaluation/startup.h"
#include "platform/qt_service_set.h"
#include "self_test.h"
#include "widgets/skin.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (kb::SelbsttestVerlangt(argc, argv))
        return kb::Selbsttest(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kugelblick"));
    QApplication::setApplicationVersion(QStringLiteral("1.7.0.0"));
    // Wayland and the task bar find the menu entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("kugelblick"));
    kb::deutscheUebersetzungLaden(app);
    kb::skin::anwenden(app);

    kb::QtDiensteSatz dienste;
    kb::Programmstart start(dienste.dienste());
    start.ausfuehren();
    return QApplication::exec();
}
