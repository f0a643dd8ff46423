// Shared set-up of the window tests: a fresh home folder per program run
// (so the data folder, the settings file and the browser's storage are the
// test's own), the thread support the windows need, an error sink instead of
// the modal error box, and a main() that puts these in place.
#pragma once

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QtTest>

#include <functional>
#include <memory>

class TApplicationState;
class TForm1;
class TForm3;
class TWebBrowser;

namespace guitest {

// Points HOME and the XDG folders at a new temporary folder; call before
// the application object exists.
void PrepareEnvironment();
// The temporary home folder made by PrepareEnvironment.
QString Home();
// Thread support and the error sink; call once the application object exists.
void Install();
// The error texts shown since the last call, which clears them.
QStringList TakeErrors();
// Runs a real event loop for Ms milliseconds: it blocks when idle, so the
// idle hook runs as in the program (processEvents alone never blocks).
void RunLoop(int Ms);
// Processes events until Condition holds or TimeoutMs passes; answers Condition.
bool WaitFor(const std::function<bool()>& Condition, int TimeoutMs = 20000);

// Writes the settings file with the three engine Commands, both options on
// and the scroll distances 150, 100 and 120; call before OpenWindows.
// Answers whether the file was written.
bool WriteSettings(const QString& Command1, const QString& Command2, const QString& Command3);
// The value Script gives in Pane's page (the page's own world), once the
// page has answered.
QVariant Evaluate(TWebBrowser* Pane, const QString& Script);

// Makes the program's state and its two windows through main()'s start-up.
void OpenWindows(std::unique_ptr<TApplicationState>& State, std::unique_ptr<TForm3>& Form3,
                 std::unique_ptr<TForm1>& Form1);
// Shows the main window and waits until the three start pages are complete
// (and scrolled), so that no late completion empties the lines under a test.
bool ShowAndWaitForStartPages(TForm3& Form3, const TApplicationState& State);
// Destroys the windows in main()'s order; answers the errors they showed,
// which should be none.
QStringList CloseWindows(std::unique_ptr<TForm3>& Form3, std::unique_ptr<TForm1>& Form1);

}  // namespace guitest

#define VARNESK_GUI_TEST_MAIN(TestClass)                       \
  int main(int argc, char** argv) {                            \
    guitest::PrepareEnvironment();                             \
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); \
    QApplication application(argc, argv);                      \
    guitest::Install();                                        \
    TestClass test;                                            \
    return QTest::qExec(&test, argc, argv);                    \
  }
