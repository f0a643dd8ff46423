// TScrollTogether: while on, a vertical scroll that the user makes in one
// pane brings the other panes to the same fraction of their own scrollable
// height (sharedresults/scrollfraction.h); horizontal positions stay.
//
// A scroll counts as the user's when the pane had wheel, key or mouse input
// within the last moments and is not the pane arriving where this class
// sent it: so page loads, the auto-scroll and the panes this class moves
// never start a round, and the panes cannot echo each other. The checkable Action()
// "Scroll panes together" (Ctrl+Shift+L) turns it on and off and keeps the
// choice in the preferences. Lives on the UI thread, a child of the main
// window; the panes may go first.
#pragma once

#include "settings/engineslots.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include <functional>
#include <optional>

class QAction;
class QWebEngineView;
struct TPreferences;

class TScrollTogether : public QObject {
  Q_OBJECT
 public:
  // Save writes the preferences after the action changed them.
  TScrollTogether(const TPerSlot<QWebEngineView*>& Panes, TPreferences& Preferences, std::function<void()> Save,
                  QObject* Parent);

  QAction* Action() const { return FAction; }

 Q_SIGNALS:
  // The other panes have been sent to the scrolled pane's fraction.
  void panesFollowed();

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void Watch(QObject* Object, std::size_t Index);
  void Scrolled(std::size_t Index, double Y);
  void Follow(std::size_t Source);
  void Measured(std::size_t Index, const QVariant& Answer, quint64 Round);
  void Move(quint64 Round);

  TPerSlot<QPointer<QWebEngineView>> FPanes;
  TPreferences& FPreferences;
  std::function<void()> FSave;
  QAction* FAction = nullptr;
  QElapsedTimer FClock;
  TPerSlot<qint64> FLastInput{-1, -1, -1};   // ms on FClock
  // Where a round sent each pane, until the pane reports arriving there or
  // the user takes it over.
  TPerSlot<std::optional<double>> FSentY;
  TPerSlot<double> FLastY{0, 0, 0};
  // One round: every pane's [top, scrollable height] is measured, then the
  // others are moved to the source's fraction.
  // A round whose answers do not come (its page navigated away) is given up.
  std::optional<std::size_t> FFollowing;  // the source of the round in flight
  std::optional<std::size_t> FNext;       // a pane the user scrolled during it
  bool FSettled = false;                  // the user's scroll had its second round
  quint64 FRound = 0;
  qint64 FRoundStart = 0;  // ms on FClock
  int FWaiting = 0;
  TPerSlot<QVariantList> FMeasures;
};
