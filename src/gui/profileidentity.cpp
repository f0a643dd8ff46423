#include "gui/profileidentity.h"

#include "browsing/browseridentity.h"

#include <QLocale>
#include <QWebEngineProfile>

#include <string>
#include <vector>

namespace profileidentity {

void Apply(QWebEngineProfile& Profile) {
  Profile.setHttpUserAgent(
      QString::fromStdU16String(BrowserUserAgent(Profile.httpUserAgent().toStdU16String())));
  std::vector<std::u16string> languages;
  for (const QString& language : QLocale::system().uiLanguages()) languages.push_back(language.toStdU16String());
  Profile.setHttpAcceptLanguage(QString::fromStdU16String(AcceptLanguage(languages)));
}

}  // namespace profileidentity
