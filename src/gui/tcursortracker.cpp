#include "gui/tcursortracker.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QSinglePointEvent>

TCursorTracker::TCursorTracker(QObject* Parent) : QObject(Parent) {
  QCoreApplication::instance()->installEventFilter(this);
}

TCursorTracker::~TCursorTracker() {
  if (QCoreApplication* application = QCoreApplication::instance()) application->removeEventFilter(this);
}

QPoint TCursorTracker::Position() {
  if (FStale) {
    FPosition = QCursor::pos();
    FStale = false;
  }
  return FPosition;
}

bool TCursorTracker::eventFilter(QObject* Watched, QEvent* Event) {
  switch (Event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::HoverMove:
    case QEvent::Wheel:
      if (const auto* pointer = dynamic_cast<const QSinglePointEvent*>(Event)) {
        FPosition = pointer->globalPosition().toPoint();
        FStale = false;
      }
      break;
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ApplicationStateChange:
      FStale = true;
      break;
    default:
      break;
  }
  return QObject::eventFilter(Watched, Event);
}
