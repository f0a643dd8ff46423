// The two windows under a real window manager, which frames them after they
// are shown and sends close requests of its own: the main window's minimum
// outer size, the settings window's title bar hints, its refusal to close,
// and the main window's close ending the loop while the settings window is
// shown.
//
// Starts Openbox on the test's X display when no window manager runs there
// and ends it afterwards, so the display must be the test's own (test.sh
// runs the "wm" label on a display of its own). Sizes and hints are read
// with the X tools, as the window manager sees them.

#include "gui/tapplicationstate.h"
#include "gui/tedit.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "guitestenv.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

QString Run(const QString& Program, const QStringList& Arguments) {
  QProcess process;
  process.start(Program, Arguments);
  if (!process.waitForFinished(10000)) return QString();
  return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString Id(const QWidget& Window) { return QString::number(Window.winId()); }

bool WindowManagerRuns() {
  return Run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
      .contains(QStringLiteral("window id"));
}

// The numbers after "=" in xprop's answer for one property; empty while the
// window has no such property.
std::vector<qulonglong> Property(const QWidget& Window, const QString& Name) {
  const QString answer = Run(QStringLiteral("xprop"), {QStringLiteral("-id"), Id(Window), Name});
  const qsizetype equals = answer.indexOf(u'=');
  std::vector<qulonglong> numbers;
  if (equals < 0) return numbers;
  for (const QString& part : answer.mid(equals + 1).split(u',')) numbers.push_back(part.trimmed().toULongLong(nullptr, 0));
  return numbers;
}

// Left, right, top and bottom of the frame the window manager has put
// around the window; empty until it has.
std::vector<qulonglong> FrameExtents(const QWidget& Window) {
  std::vector<qulonglong> extents = Property(Window, QStringLiteral("_NET_FRAME_EXTENTS"));
  if (extents.size() != 4) extents.clear();
  return extents;
}

// Client size as the X server has it, plus the frame.
QSize OuterSize(const QWidget& Window) {
  const QString info = Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), Id(Window)});
  const auto field = [&](const QString& Name) {
    return QRegularExpression(QStringLiteral("%1: +(\\d+)").arg(Name)).match(info).captured(1).toInt();
  };
  const std::vector<qulonglong> frame = FrameExtents(Window);
  if (frame.empty()) return QSize();
  return QSize(field(QStringLiteral("Width")) + int(frame[0] + frame[1]),
               field(QStringLiteral("Height")) + int(frame[2] + frame[3]));
}

QByteArray SettingsFileBytes() {
  QFile file(guitest::Home() + QStringLiteral("/Documents/Orvandel/Varnesk/vrk.txt"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Counts the close events a window receives.
class TCloseCounter : public QObject {
 public:
  using QObject::QObject;
  int Count = 0;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() == QEvent::Close) ++Count;
    return QObject::eventFilter(Watched, Event);
  }
};

}  // namespace

class WindowManagerTest : public QObject {
  Q_OBJECT

 private:
  QProcess FWindowManager;  // started by this test when none ran
  std::unique_ptr<TApplicationState> FState;
  std::unique_ptr<TForm3> FForm3;
  std::unique_ptr<TForm1> FForm1;

  // Waits until the window manager has framed the shown window, then idles
  // a moment as the program does before a user can act.
  static bool ShowFramed(QWidget& Window) {
    if (!QTest::qWaitForWindowExposed(&Window)) return false;
    if (!guitest::WaitFor([&] { return !FrameExtents(Window).empty(); }, 10000)) return false;
    guitest::RunLoop(100);
    return true;
  }

  // The start pages complete first: destroying the panes while a page's
  // completion check is pending crashes in the teardown.
  bool ShowMainFramed() { return guitest::ShowAndWaitForStartPages(*FForm3, *FState) && ShowFramed(*FForm3); }

  bool ShowSettingsFramed() {
    if (!ShowMainFramed()) return false;
    FForm3->SpeedButton2->click();
    return ShowFramed(*FForm1);
  }

 private Q_SLOTS:
  void initTestCase() {
    if (WindowManagerRuns()) return;
    FWindowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    QVERIFY2(FWindowManager.waitForStarted(), "openbox does not start");
    QVERIFY(guitest::WaitFor(WindowManagerRuns, 10000));
  }

  void cleanupTestCase() {
    if (FWindowManager.state() == QProcess::NotRunning) return;
    FWindowManager.terminate();
    if (!FWindowManager.waitForFinished(5000)) FWindowManager.kill();
  }

  void init() { guitest::OpenWindows(FState, FForm3, FForm1); }

  void cleanup() { QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList()); }

  void mainWindowStopsAtMinimumOuterSize() {
    QVERIFY(ShowMainFramed());
    // What a user's drag asks of the window manager.
    Run(QStringLiteral("xdotool"), {QStringLiteral("windowsize"), Id(*FForm3), QStringLiteral("640"),
                                    QStringLiteral("400")});
    const auto atMinimum = [&] {
      const QSize outer = OuterSize(*FForm3);
      return std::abs(outer.width() - 1280) <= 1 && std::abs(outer.height() - 720) <= 1;
    };
    QVERIFY2(guitest::WaitFor(atMinimum, 5000),
             qPrintable(QStringLiteral("outer size %1 x %2")
                            .arg(OuterSize(*FForm3).width())
                            .arg(OuterSize(*FForm3).height())));
  }

  void settingsWindowAsksForTitleOnly() {
    QVERIFY(ShowSettingsFramed());
    // Flags, functions, decorations (Motif window manager hints).
    const std::vector<qulonglong> hints = Property(*FForm1, QStringLiteral("_MOTIF_WM_HINTS"));
    QVERIFY(hints.size() >= 3);
    const qulonglong functionsStated = 1, decorationsStated = 2;
    QCOMPARE(hints[0] & (functionsStated | decorationsStated), functionsStated | decorationsStated);
    const qulonglong allFunctions = 1, resize = 2, move = 4, minimise = 8, maximise = 16, close = 32;
    QCOMPARE(hints[1] & (allFunctions | resize | move | minimise | maximise | close), move);
    const qulonglong allDecorations = 1, title = 8, menu = 16, minimiseBox = 32, maximiseBox = 64;
    QCOMPARE(hints[2] & (allDecorations | title | menu | minimiseBox | maximiseBox), title);
  }

  void settingsWindowRefusesCloseRequest() {
    QVERIFY(ShowSettingsFramed());
    const QByteArray saved = SettingsFileBytes();
    QVERIFY(!saved.isEmpty());
    FForm1->Edit4->setText(QStringLiteral("77"));
    TCloseCounter closes;
    FForm1->installEventFilter(&closes);
    Run(QStringLiteral("wmctrl"), {QStringLiteral("-c"), QStringLiteral("Settings")});
    QVERIFY(guitest::WaitFor([&] { return closes.Count > 0; }, 5000));
    QTest::qWait(200);
    QVERIFY(FForm1->isVisible());
    QCOMPARE(SettingsFileBytes(), saved);
    QCOMPARE(FForm1->Edit4->text(), QStringLiteral("77"));
  }

  // Last: ending the loop this way leaves the thread's later loops ending at
  // once.
  void mainWindowCloseEndsTheLoopWhileSettingsShown() {
    QVERIFY(ShowSettingsFramed());
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, [&] { loop.exit(1); });
    Run(QStringLiteral("wmctrl"), {QStringLiteral("-c"), QStringLiteral("Varnesk 1.0")});
    QCOMPARE(loop.exec(), 0);
  }
};

VARNESK_GUI_TEST_MAIN(WindowManagerTest)
#include "windowmanager_test.moc"
