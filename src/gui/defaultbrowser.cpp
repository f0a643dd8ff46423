#include "gui/defaultbrowser.h"

#include <QDesktopServices>
#include <QUrl>

namespace defaultbrowser {

void Open(const QUrl& Url) {
  const QString scheme = Url.scheme();
  if (!Url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) return;
  QDesktopServices::openUrl(Url);
}

}  // namespace defaultbrowser
