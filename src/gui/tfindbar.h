// TFindBar: the find-in-page bar at the bottom of a pane.
//
// Opened by Ctrl+F or the menu; typing searches the page as the text
// changes, Enter steps to the next match and Shift+Enter to the previous
// one, and the bar shows "n of m" (QWebEnginePage::findText does the work).
// Escape or the close button hides it, clears the highlights and gives the
// focus back to the page. It floats over the bottom of the page, so the
// pane keeps its size. Owned by its pane; UI thread only.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;
class QWebEngineFindTextResult;
class QWebEngineView;

class TFindBar : public QWidget {
  Q_OBJECT
 public:
  explicit TFindBar(QWebEngineView* Pane);

  // Shows the bar with its text selected and the focus in it.
  void Open();
  void Close();

  // What the count shows, "n of m" ("0 of 0" when nothing is found).
  QString CountText() const;
  QLineEdit* Line() const { return FLine; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void Find(bool Backward);
  void ShowResult(const QWebEngineFindTextResult& Result);
  void FollowPane();

  QWebEngineView* FPane;
  QLineEdit* FLine;
  QLabel* FCount;
  QToolButton* FClose;
};
