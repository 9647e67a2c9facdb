#include "evaluation/startup.h"
#include "platform/qt_service_set.h"
#include "widgets/skin.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kugelblick"));
    QApplication::setApplicationVersion(QStringLiteral("1.7.0.0"));
    kb::deutscheUebersetzungLaden(app);
    kb::skin::anwenden(app);

    kb::QtDiensteSatz dienste;
    kb::Programmstart start(dienste.dienste());
    start.ausfuehren();
    return QApplication::exec();
}
