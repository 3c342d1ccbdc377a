#include "ui/stats/event_pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace kragmoor {

void ProcessEventsFor(std::chrono::milliseconds duration) {
    if (duration.count() <= 0) return;
    // A local loop quit by a timer sleeps in the event dispatcher between events; QCoreApplication
    // ::exit() ends every running loop, so a pause never outlives the application.
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, &loop,
                     &QEventLoop::quit);
    loop.exec();
}

}  // namespace kragmoor
