// TConnectionWarmer: readies the browser profile that the panes use for a
// navigation to a search engine's origin, while the search is still typed,
// so that the first search after start costs what a later one does.
//
// A first search's extra time is not the connection: it is the new renderer
// process that each pane starts for the engine's site. So the first time an
// origin is asked for, a hidden page of the profile loads its
// "/robots.txt" (small, no scripts run, no images or icons load), which opens
// the connection and starts a renderer process for the site; with one
// process per site (chromiumflags::ShareRendererPerSite) the pane's
// navigation then reuses that process. That request carries the profile's
// cookies for the engine, as the search itself will. Later, the same origin
// only gets a HEAD request without credentials from that page, whose answer
// nobody reads, to open the connection again; a page that failed to load
// loads again instead. At most three origins keep a
// page (the three slots); the one asked for least recently gives way.
// UI thread only; owned by the main window, destroyed before the profile.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QUrl;
class QWebEnginePage;
class QWebEngineProfile;

class TConnectionWarmer : public QObject {
  Q_OBJECT
 public:
  // Profile null: the default profile.
  TConnectionWarmer(QWebEngineProfile* Profile, QObject* Parent);

  void Preconnect(const QUrl& Origin);

 private:
  enum class TState { Loading, Loaded, Failed };
  struct TOriginPage {
    QString Origin;
    QWebEnginePage* Page;
    TState State;
  };
  static constexpr std::size_t kMaxPages = 3;

  QWebEnginePage* OpenPage();
  static void Load(TOriginPage& Page);

  QWebEngineProfile* FProfile;
  // Most recently asked for last.
  std::vector<TOriginPage> FPages;
};
