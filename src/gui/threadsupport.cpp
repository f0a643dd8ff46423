#include "gui/threadsupport.h"

#include "gui/tqttimer.h"
#include "threads/synchronize.h"
#include "threads/timer.h"

#include <QCoreApplication>

namespace threadsupport {

void Install() {
  SetMainThread();
  QCoreApplication* application = QCoreApplication::instance();
  SetWakeMainThread([application] {
    QMetaObject::invokeMethod(application, [] { CheckSynchronize(0); }, Qt::QueuedConnection);
  });
  SetTimerFactory([] { return std::make_unique<TQtTimer>(); });
}

}  // namespace threadsupport
