// TConnectionWarmer: opens connections to search engines ahead of a search,
// in the browser profile the panes use, so that the first search finds the
// profile's network stack up and the engine's connection open.
//
// Qt WebEngine offers no preconnect call and ignores resource hints, and the
// panes' local start pages may reach no remote URL. So a hidden page of the
// profile, on a blank document, sends each origin a HEAD request without
// credentials whose answer nobody reads; the connection stays in the
// profile's pool for the pane's navigation. The page is made on first use;
// origins asked for before it is ready wait for it.
// UI thread only; owned by the main window, destroyed before the profile.
#pragma once

#include <QObject>
#include <QStringList>

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
  void Send(const QString& Origin);

  QWebEngineProfile* FProfile;
  QWebEnginePage* FPage = nullptr;
  bool FReady = false;
  QStringList FWaiting;
};
