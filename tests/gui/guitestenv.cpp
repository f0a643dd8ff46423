#include "guitestenv.h"

#include "gui/chromiumflags.h"
#include "gui/errordisplay.h"
#include "gui/look.h"
#include "gui/profileidentity.h"
#include "gui/startup.h"
#include "gui/tapplicationstate.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "gui/threadsupport.h"
#include "gui/twebbrowser.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

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
  qputenv("XDG_STATE_HOME", (home + QStringLiteral("/.local/state")).toLocal8Bit());
  qputenv("XDG_RUNTIME_DIR", home.toLocal8Bit());
  qunsetenv("XDG_DOCUMENTS_DIR");
  QDir(home).mkpath(QStringLiteral("Documents"));
  qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  // The browser's process model as main() sets it.
  chromiumflags::ShareRendererPerSite();
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

void RunLoop(int Ms) {
  QEventLoop loop;
  QTimer::singleShot(Ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool WaitFor(const std::function<bool()>& Condition, int TimeoutMs) {
  QDeadlineTimer deadline(TimeoutMs);
  while (!Condition()) {
    if (deadline.hasExpired()) return false;
    RunLoop(10);
  }
  return true;
}

bool WriteSettings(const QString& Command1, const QString& Command2, const QString& Command3) {
  const QString folder = Home() + QStringLiteral("/Documents/Orvandel/Varnesk");
  if (!QDir().mkpath(folder)) return false;
  QFile file(folder + QStringLiteral("/vrk.txt"));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QString text = Command1 + QStringLiteral("\r\n") + Command2 + QStringLiteral("\r\n") + Command3 +
                       QStringLiteral("\r\nyes\r\nyes\r\n150\r\n100\r\n120\r\n");
  return file.write(text.toLatin1()) == text.size() && file.flush();
}

QVariant Evaluate(TWebBrowser* Pane, const QString& Script) {
  QVariant result;
  bool answered = false;
  Pane->page()->runJavaScript(Script, [&](const QVariant& Value) {
    result = Value;
    answered = true;
  });
  WaitFor([&] { return answered; });
  return result;
}

void OpenWindows(std::unique_ptr<TApplicationState>& State, std::unique_ptr<TForm3>& Form3,
                 std::unique_ptr<TForm1>& Form1) {
  State = std::make_unique<TApplicationState>();
  profileidentity::Apply(*QWebEngineProfile::defaultProfile());
  startup::TWindows windows = startup::OpenWindows(*State, nullptr);
  Form3 = std::move(windows.Form3);
  Form1 = std::move(windows.Form1);
}

bool ShowAndWaitForStartPages(TForm3& Form3, const TApplicationState& State) {
  Form3.show();
  if (!QTest::qWaitForWindowExposed(&Form3)) return false;
  const TPaneDoneFlags& done = State.PaneDone;
  return WaitFor([&] { return done.PaneDone(1) && done.PaneDone(2) && done.PaneDone(3); });
}

QStringList CloseWindows(std::unique_ptr<TForm3>& Form3, std::unique_ptr<TForm1>& Form1) {
  startup::TWindows windows{std::move(Form3), std::move(Form1)};
  startup::CloseWindows(windows);
  return TakeErrors();
}

}  // namespace guitest
