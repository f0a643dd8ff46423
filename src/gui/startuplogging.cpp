#include "gui/startuplogging.h"

#include "gui/chromiumflags.h"

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
  chromiumflags::AddUnlessGiven("--log-level", "--log-level=2");
}

}  // namespace startuplogging
