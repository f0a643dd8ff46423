#include "gui/tconnectionwarmer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>

TConnectionWarmer::TConnectionWarmer(QWebEngineProfile* Profile, QObject* Parent)
    : QObject(Parent), FProfile(Profile ? Profile : QWebEngineProfile::defaultProfile()) {}

void TConnectionWarmer::Preconnect(const QUrl& Origin) {
  const QString origin = Origin.toString(QUrl::FullyEncoded);
  if (FReady) return Send(origin);
  FWaiting.append(origin);
  if (FPage) return;
  FPage = new QWebEnginePage(FProfile, this);
  connect(FPage, &QWebEnginePage::loadFinished, this, [this](bool) {
    FReady = true;
    for (const QString& waiting : std::as_const(FWaiting)) Send(waiting);
    FWaiting.clear();
  });
  FPage->load(QUrl(QStringLiteral("about:blank")));
}

void TConnectionWarmer::Send(const QString& Origin) {
  // The origin goes in as a JSON string; failures (no network) are dropped.
  const QString literal = QString::fromUtf8(QJsonDocument(QJsonArray{Origin}).toJson(QJsonDocument::Compact));
  FPage->runJavaScript(QStringLiteral("fetch(") + literal +
                           QStringLiteral("[0], {method: 'HEAD', mode: 'no-cors', credentials: 'omit'})"
                                          ".catch(() => {})"),
                       QWebEngineScript::ApplicationWorld);
}
