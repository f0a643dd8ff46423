// TWebBrowser: one result pane, a Qt WebEngine view behind TBrowserPane.
//
// Qt WebEngine answers document queries asynchronously, so on every finished
// load the pane reads the document's state (body present, root client width)
// with one script call and raises OnDocumentComplete only once the answer is
// in: the completion handler then sees one consistent document. An answer
// that arrives after a newer navigation has started is dropped.
// OnBeforeNavigate2 is raised for every navigation request, frames inside
// the page included.
//
// A person browses in it as in any browser: a plain click follows a link in
// the pane; a request for a new window or tab (target="_blank",
// window.open, Ctrl+click, middle-click) and a download go to the default
// browser, and the pane keeps its page and history. With the focus in the
// pane, Alt+Left/Right and the mouse's back and forward buttons go through
// the history, F5 and Ctrl+R reload, Escape stops a load, Ctrl+F opens the
// find bar, and Ctrl+plus/minus/0 and Ctrl+wheel zoom in Chromium's steps
// (OnZoomChanged tells the window, which keeps the zoom). A thin line over
// the top edge shows a load in progress. The context menu is the pane's
// own (panemenu), with the window's entries (OnContextMenu) at the end.
// A pane loads web pages over http and https only; local files only when
// asked for by path, and a local page reaches no other local file and no
// remote URL.
// Lives on the UI thread, owned by its window.
#pragma once

#include "panes/browserpane.h"

#include <QWebEnginePage>
#include <QWebEngineView>

#include <functional>
#include <memory>

class QKeyEvent;
class QMenu;
class QWheelEvent;
class QWebEngineProfile;
class TFindBar;
class TProgressLine;

class TWebBrowserPage : public QWebEnginePage {
  Q_OBJECT
 public:
  explicit TWebBrowserPage(QWebEngineProfile* Profile, QObject* Parent);

 Q_SIGNALS:
  void navigationRequested();

 protected:
  bool acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool IsMainFrame) override;
};

class TWebBrowser : public QWebEngineView, public TBrowserPane {
  Q_OBJECT
 public:
  // Profile null: the default profile.
  explicit TWebBrowser(QWebEngineProfile* Profile, QWidget* Parent);

  // Text as a web URL: a valid http or https URL, else an empty QUrl.
  static QUrl WebUrl(const QString& Text);

  // A local file that does not exist shows a page naming it (and a warning
  // on the console) instead.
  void Navigate(const std::u16string& Url) override;
  void OpenLocalFile(const std::u16string& Path) override;
  bool HasDocument() const override;
  bool HasBody() const override;
  std::int32_t RootClientWidth() const override;
  std::u16string DocumentUrl() const override;
  void ScrollHorizontallyTo(std::int32_t X) override;
  // The page, or a widget of the pane such as its find bar, has the focus.
  bool HasFocus() const override;
  void Focus() override;
  TScreenRect ScreenRect() const override;

  // A load is under way.
  bool Loading() const { return FLoading; }

  // The zoom in percent; setting it does not raise OnZoomChanged.
  int ZoomPercent() const { return FZoomPercent; }
  void SetZoomPercent(int Percent);
  // One of Chromium's steps in or out, or back to 100 %; each raises
  // OnZoomChanged when the zoom changes.
  void ZoomIn();
  void ZoomOut();
  void ResetZoom();

  void OpenFindBar();
  TFindBar* FindBar() const { return FFindBar; }
  TProgressLine* ProgressLine() const { return FProgressLine; }

  // Lets the window add its own entries to the pane's context menu just
  // before it shows.
  std::function<void(QMenu& Menu)> OnContextMenu;
  // The user changed the zoom (percent).
  std::function<void(int Percent)> OnZoomChanged;
  // The menu's "Search for" entry, with the selected text.
  std::function<void(const std::u16string& Text)> OnSearchFor;

 protected:
  void contextMenuEvent(QContextMenuEvent* Event) override;
  void childEvent(QChildEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void PageLoadFinished();
  void ChangeZoom(int Percent);
  // The pane's keys and mouse buttons, seen before the page; true when used.
  bool PaneKey(const QKeyEvent& Key);
  bool PaneMouseButton(Qt::MouseButton Button);
  bool PaneWheel(const QWheelEvent& Wheel);

  bool FHasDocument = false;
  bool FHasBody = false;
  std::int32_t FClientWidth = 0;
  std::u16string FDocumentUrl;
  bool FLoading = false;
  int FZoomPercent = 100;
  int FWheelDelta = 0;  // Ctrl+wheel turns not yet a whole step
  TFindBar* FFindBar = nullptr;
  TProgressLine* FProgressLine = nullptr;
  // Counts load starts, so that a late answer for an older load is dropped.
  quint64 FLoadGeneration = 0;
  // Expires with the pane: the page answers pending scripts while it is
  // destroyed, after the pane's own members are gone.
  std::shared_ptr<const bool> FAlive = std::make_shared<const bool>(true);
};
