// TCursorTracker: the mouse cursor's screen position, kept up to date from
// the application's own pointer events.
//
// The hover-focus pass runs every time the event loop is about to block,
// which under a busy browser is a thousand times a second; asking the window
// system for the cursor each time (a server round trip on X11) slowed page
// loading and searches measurably. The tracker filters the application's
// events instead: a mouse, hover or wheel event carries the position; an
// enter or leave, a window activation or an application state change
// (moments at which the pointer may have come from or gone somewhere that
// sends us no events) marks it stale, and the next Position() reads it from
// the window system once, however many widgets saw the event. While the
// pointer moves over another application's window, without first crossing
// one of ours, the position read at the last such moment stands.
//
// Lifetime: installs itself on the application at construction and removes
// itself when destroyed. UI thread only.
#pragma once

#include <QObject>
#include <QPoint>

class TCursorTracker : public QObject {
 public:
  explicit TCursorTracker(QObject* Parent);
  ~TCursorTracker() override;

  // The cursor's last known position in screen coordinates.
  QPoint Position();

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  QPoint FPosition;
  // True when FPosition must be read again from the window system.
  bool FStale = true;
};
