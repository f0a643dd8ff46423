#include "gui/tqttimer.h"

TQtTimer::TQtTimer() {
  QObject::connect(&FTimer, &QTimer::timeout, &FTimer, [this] { Timer(); });
  UpdateTimer();
}

void TQtTimer::UpdateTimer() {
  FTimer.setInterval(static_cast<int>(Interval()));
  if (Enabled() && OnTimer()) {
    FTimer.start();
  } else {
    FTimer.stop();
  }
}
