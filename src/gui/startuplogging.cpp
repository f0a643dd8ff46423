#include "gui/startuplogging.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QtGlobal>

namespace startuplogging {

void QuietUnlessAsked() {
  if (!qEnvironmentVariableIsEmpty("VARNESK_DEBUG_LOG")) return;
  // The engines' pages write to their JavaScript consoles, which WebEngine
  // forwards to the "js" category; the context prints its GL set-up at start.
  // QT_LOGGING_RULES and QT_LOGGING_CONF still take precedence over these.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false\njs=false"));
  // Errors stay: they say why a start fails (running as root with the sandbox
  // on, for one). A level the user gave is left as it is.
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (flags.contains("--log-level")) return;
  if (!flags.isEmpty()) flags += ' ';
  flags += "--log-level=2";
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

}  // namespace startuplogging
