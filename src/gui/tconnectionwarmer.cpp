#include "gui/tconnectionwarmer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>

#include <algorithm>

TConnectionWarmer::TConnectionWarmer(QWebEngineProfile* Profile, QObject* Parent)
    : QObject(Parent), FProfile(Profile ? Profile : QWebEngineProfile::defaultProfile()) {}

void TConnectionWarmer::Preconnect(const QUrl& Origin) {
  const QString origin = Origin.toString(QUrl::FullyEncoded);
  const auto known = std::find_if(FPages.begin(), FPages.end(),
                                  [&origin](const TOriginPage& Known) { return Known.Origin == origin; });
  if (known == FPages.end()) {
    if (FPages.size() == kMaxPages) {
      delete FPages.front().Page;
      FPages.erase(FPages.begin());
    }
    FPages.push_back({origin, OpenPage(), TState::Loading});
    return Load(FPages.back());
  }
  std::rotate(known, known + 1, FPages.end());
  TOriginPage& page = FPages.back();
  if (page.State == TState::Failed) return Load(page);
  // A page still loading is opening the connection already.
  if (page.State == TState::Loading) return;
  // The origin goes in as a JSON string; failures (no network) are dropped.
  const QString literal = QString::fromUtf8(QJsonDocument(QJsonArray{origin}).toJson(QJsonDocument::Compact));
  page.Page->runJavaScript(QStringLiteral("fetch(") + literal +
                               QStringLiteral("[0], {method: 'HEAD', mode: 'no-cors', credentials: 'omit'})"
                                              ".catch(() => {})"),
                           QWebEngineScript::ApplicationWorld);
}

QWebEnginePage* TConnectionWarmer::OpenPage() {
  auto* page = new QWebEnginePage(FProfile, this);
  // The page's own scripts never run; the HEAD request above runs in the
  // program's isolated world, which this setting leaves on.
  QWebEngineSettings* settings = page->settings();
  settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
  settings->setAttribute(QWebEngineSettings::AutoLoadImages, false);
  settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
  settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  connect(page, &QWebEnginePage::loadFinished, this, [this, page](bool Ok) {
    for (TOriginPage& known : FPages) {
      if (known.Page == page) known.State = Ok ? TState::Loaded : TState::Failed;
    }
  });
  return page;
}

void TConnectionWarmer::Load(TOriginPage& Page) {
  Page.State = TState::Loading;
  Page.Page->load(QUrl(Page.Origin + QStringLiteral("/robots.txt")));
}
