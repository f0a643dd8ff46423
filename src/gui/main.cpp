// Varnesk's entry: the single-instance guard, then the two windows in the
// order of startup.h, then the message loop.

#include "app/appname.h"
#include "app/singleinstance.h"
#include "app/systemprocesslock.h"
#include "gui/chromiumflags.h"
#include "gui/desktopidentity.h"
#include "gui/errordisplay.h"
#include "gui/look.h"
#include "gui/profileidentity.h"
#include "gui/startup.h"
#include "gui/startuplogging.h"
#include "gui/tapplicationstate.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "gui/threadsupport.h"
#include "text/utf8.h"

#include <QApplication>
#include <QWebEngineProfile>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

int main(int argc, char* argv[]) {
  startuplogging::QuietUnlessAsked();
  chromiumflags::ShareRendererPerSite();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);

  static TSystemProcessLock instanceLock;
  const auto sleep = [](int Ms) { std::this_thread::sleep_for(std::chrono::milliseconds(Ms)); };
  std::u16string lockError;
  switch (AcquireSingleInstance(instanceLock, sleep, [] { QApplication::beep(); }, lockError)) {
    case TInstanceGuard::Acquired:
      break;
    case TInstanceGuard::AlreadyRunning:
      return 0;
    case TInstanceGuard::LockUnusable:
      // Not a running copy: say why every start fails instead of beeping.
      errordisplay::Show(std::runtime_error(Utf16ToUtf8(lockError).value_or("")));
      return 1;
  }

  QApplication::setApplicationName(QString::fromStdU16String(std::u16string(AppName)));
  desktopidentity::Apply();
  look::LoadFonts();
  threadsupport::Install();

  // Cookies and cache persist, so an engine's consent or sign-in is asked once.
  auto* profile = new QWebEngineProfile(QStringLiteral("Varnesk"), &application);
  profile->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
  profileidentity::Apply(*profile);

  TApplicationState state;
  startup::TWindows windows = startup::OpenWindows(state, profile);
  windows.Form3->show();
  QApplication::exec();
  startup::CloseWindows(windows);
  return 0;
}
