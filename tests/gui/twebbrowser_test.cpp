// A pane sent to a local file that is not there (a program file copied away
// from its start pages): it shows a page naming the file, and that page
// completes like any other, so the start-up's page completion still runs.
// A pane destroyed while its page is read; the pane's progress line, which
// waits before it shows.

#include "gui/tprogressline.h"
#include "gui/twebbrowser.h"
#include "guitestenv.h"

#include <QFile>
#include <QTemporaryDir>

class TWebBrowserTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void missingLocalPageIsNamedAndCompletes() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    // Characters that mean something in HTML show as they are.
    const QString missing = folder.path() + QStringLiteral("/a<b>&c/start1.htm");
    TWebBrowser pane(nullptr, nullptr);
    int before = 0;
    int complete = 0;
    pane.OnBeforeNavigate2 = [&before] { ++before; };
    pane.OnDocumentComplete = [&complete] { ++complete; };
    pane.resize(600, 400);
    pane.show();
    pane.OpenLocalFile(missing.toStdU16String());
    QVERIFY(guitest::WaitFor([&complete] { return complete > 0; }));
    QCOMPARE(before, 1);
    QVERIFY(pane.HasBody());
    // It stands for the start page: a local page, which auto-scroll moves.
    QCOMPARE(QUrl(QString::fromStdU16String(pane.DocumentUrl())), QUrl::fromLocalFile(missing));
    QString text;
    pane.page()->toPlainText([&text](const QString& Text) { text = Text; });
    QVERIFY(guitest::WaitFor([&text] { return !text.isEmpty(); }));
    QVERIFY2(text.contains(QStringLiteral("Varnesk cannot find its start page ") + missing), qPrintable(text));
    // One navigation, one completion: no second load follows the page.
    QTest::qWait(500);
    QCOMPARE(complete, 1);
    QCOMPARE(guitest::TakeErrors(), QStringList());
  }

  void destroyedWhileItsPageIsBeingReadRunsNoHandler() {
    // The window closes right after a page loaded, before the pane's reading
    // of the document has answered: that answer must find no pane.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile page(folder.path() + QStringLiteral("/page.htm"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<!DOCTYPE html><html><body>page</body></html>");
    page.close();
    bool completed = false;
    bool destroyed = false;
    auto* pane = new TWebBrowser(nullptr, nullptr);
    pane->OnDocumentComplete = [&completed] { completed = true; };
    connect(pane->page(), &QWebEnginePage::loadFinished, pane, [pane, &destroyed] {
      QMetaObject::invokeMethod(
          pane, [pane, &destroyed] {
            delete pane;
            destroyed = true;
          },
          Qt::QueuedConnection);
    });
    pane->show();
    pane->OpenLocalFile(page.fileName().toStdU16String());
    QVERIFY(guitest::WaitFor([&destroyed] { return destroyed; }));
    QTest::qWait(300);
    QVERIFY(!completed);
  }

  void progressLineShowsOnlyForALoadThatTakesAWhile() {
    QWidget pane;
    pane.resize(400, 300);
    pane.show();
    TProgressLine line(&pane);
    // A quick load: started and finished within the delay, never shown (and
    // so nothing is repainted while a search reaches the other panes).
    line.SetProgress(0);
    line.SetProgress(60);
    QVERIFY(!line.isVisible());
    line.Finish();
    QTest::qWait(TProgressLine::kShowDelayMs + 200);
    QVERIFY(!line.isVisible());
    // A slow one: shown once the delay has passed, across the pane's top.
    line.SetProgress(0);
    QVERIFY(guitest::WaitFor([&line] { return line.isVisible(); }, 5000));
    QCOMPARE(line.geometry(), QRect(0, 0, 400, TProgressLine::kHeight));
    line.Finish();
    QVERIFY(!line.isVisible());
  }
};

VARNESK_GUI_TEST_MAIN(TWebBrowserTest)
#include "twebbrowser_test.moc"
