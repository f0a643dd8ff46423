#include "guitestenv.h"

#include "gui/errordisplay.h"
#include "gui/look.h"
#include "gui/threadsupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

namespace guitest {
namespace {

QTemporaryDir* TempHome() {
  static QTemporaryDir* home = new QTemporaryDir();
  return home;
}

QStringList& Errors() {
  static QStringList errors;
  return errors;
}

}  // namespace

void PrepareEnvironment() {
  const QString home = TempHome()->path();
  qputenv("HOME", home.toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toLocal8Bit());
  qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/.cache")).toLocal8Bit());
  qputenv("XDG_RUNTIME_DIR", home.toLocal8Bit());
  qunsetenv("XDG_DOCUMENTS_DIR");
  QDir(home).mkpath(QStringLiteral("Documents"));
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

QString Home() { return TempHome()->path(); }

void Install() {
  look::LoadFonts();
  threadsupport::Install();
  errordisplay::SetErrorSink([](const QString& Text) { Errors().append(Text); });
}

QStringList TakeErrors() {
  QStringList errors = Errors();
  Errors().clear();
  return errors;
}

bool WaitFor(const std::function<bool()>& Condition, int TimeoutMs) {
  QDeadlineTimer deadline(TimeoutMs);
  while (!Condition()) {
    if (deadline.hasExpired()) return false;
    // A real loop slice: it blocks when idle, so the idle hook runs as in
    // the program (processEvents alone never blocks).
    QEventLoop slice;
    QTimer::singleShot(10, &slice, &QEventLoop::quit);
    slice.exec();
  }
  return true;
}

}  // namespace guitest
