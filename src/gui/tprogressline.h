// TProgressLine: a thin line over the top edge of a pane while it loads,
// as long as the load's progress. It floats over the page (the pane's
// layout and the window's stay as they are), takes no mouse or focus, and
// is hidden when the load has finished. It shows only once a load has run
// for kShowDelayMs: a quick load does not flash it, and the window is not
// repainted while a search is being handed to the panes (without a GPU, a
// repaint of a window holding three browser views costs tens of
// milliseconds, which would hold up the other panes' navigations). Owned
// by its pane; UI thread only.
#pragma once

#include <QTimer>
#include <QWidget>

class TProgressLine : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 3;
  static constexpr int kShowDelayMs = 200;

  explicit TProgressLine(QWidget* Pane);

  // A load has started (0) or gone on (1 to 100 percent).
  void SetProgress(int Percent);
  void Finish();

 protected:
  void paintEvent(QPaintEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void FollowPane();

  int FPercent = 0;
  QTimer FShowTimer;
};
