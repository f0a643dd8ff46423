// TWebBrowser: one result pane, a Qt WebEngine view behind TBrowserPane.
//
// Qt WebEngine answers document queries asynchronously, so on every finished
// load the pane reads the document's state (body present, root client width)
// with one script call and raises OnDocumentComplete only once the answer is
// in: the completion handler then sees one consistent document. An answer
// that arrives after a newer navigation has started is dropped.
// OnBeforeNavigate2 is raised for every navigation request, frames inside
// the page included. Links that ask for a new window open in the same pane.
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

class QMenu;
class QWebEngineProfile;

class TWebBrowserPage : public QWebEnginePage {
  Q_OBJECT
 public:
  explicit TWebBrowserPage(QWebEngineProfile* Profile, QObject* Parent);

 Q_SIGNALS:
  void navigationRequested();

 protected:
  bool acceptNavigationRequest(const QUrl& Url, NavigationType Type, bool IsMainFrame) override;
  QWebEnginePage* createWindow(WebWindowType Type) override;
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
  void ScrollBy(std::int32_t X, std::int32_t Y) override;
  bool HasFocus() const override;
  void Focus() override;
  TScreenRect ScreenRect() const override;

  // Lets the window add its own entries to the pane's context menu just
  // before it shows.
  std::function<void(QMenu& Menu)> OnContextMenu;

 protected:
  void contextMenuEvent(QContextMenuEvent* Event) override;

 private:
  void PageLoadFinished();

  bool FHasDocument = false;
  bool FHasBody = false;
  std::int32_t FClientWidth = 0;
  // Counts load starts, so that a late answer for an older load is dropped.
  quint64 FLoadGeneration = 0;
  // Expires with the pane: the page answers pending scripts while it is
  // destroyed, after the pane's own members are gone.
  std::shared_ptr<const bool> FAlive = std::make_shared<const bool>(true);
};
