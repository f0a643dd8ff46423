#include "gui/tprogressline.h"

#include "gui/look.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace {

// A sliver even at 0 %, so that a load that has just begun shows.
constexpr int kMinimumPercent = 5;

}  // namespace

TProgressLine::TProgressLine(QWidget* Pane) : QWidget(Pane) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  Pane->installEventFilter(this);
  hide();
  FShowTimer.setSingleShot(true);
  FShowTimer.setInterval(kShowDelayMs);
  connect(&FShowTimer, &QTimer::timeout, this, [this] {
    FollowPane();
    show();
    raise();
  });
}

void TProgressLine::SetProgress(int Percent) {
  FPercent = std::clamp(Percent, kMinimumPercent, 100);
  if (isVisible()) {
    update();
  } else if (!FShowTimer.isActive()) {
    FShowTimer.start();
  }
}

void TProgressLine::Finish() {
  FShowTimer.stop();
  hide();
}

void TProgressLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(QRect(0, 0, width() * FPercent / 100, height()), look::kLinkBlue);
}

bool TProgressLine::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == parentWidget() && Event->type() == QEvent::Resize) FollowPane();
  return QWidget::eventFilter(Watched, Event);
}

void TProgressLine::FollowPane() { setGeometry(0, 0, parentWidget()->width(), kHeight); }
