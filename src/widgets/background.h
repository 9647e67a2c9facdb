#pragma once

#include <QCursor>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>

namespace kb {

// Runs arbeit on a worker thread with the hourglass showing; fertig gets the result on the
// thread of kontext. If kontext goes away first, the result is dropped and the cursor restored.
template <class T, class Arbeit, class Fertig>
void imHintergrund(QObject* kontext, Arbeit arbeit, Fertig fertig) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    auto* waechter = new QFutureWatcher<T>(kontext);
    auto offen = std::make_shared<bool>(true);
    const auto cursorZurueck = [offen] {
        if (std::exchange(*offen, false))
            QGuiApplication::restoreOverrideCursor();
    };
    QObject::connect(waechter, &QObject::destroyed, qApp, cursorZurueck);
    QObject::connect(waechter, &QFutureWatcherBase::finished, kontext,
                     [waechter, fertig = std::move(fertig), cursorZurueck] {
                         cursorZurueck();
                         fertig(waechter->result());
                         waechter->deleteLater();
                     });
    waechter->setFuture(QtConcurrent::run(std::move(arbeit)));
}

} // namespace kb
