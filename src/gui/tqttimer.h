// TQtTimer: the worker components' update timer on Qt's event loop: ticks
// arrive on the UI thread every Interval milliseconds while enabled.
#pragma once

#include "threads/timer.h"

#include <QTimer>

class TQtTimer : public TTimer {
 public:
  TQtTimer();

 protected:
  void UpdateTimer() override;

 private:
  QTimer FTimer;
};
