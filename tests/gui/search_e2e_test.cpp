// One search end to end, with the real windows and WebEngine panes against a
// loopback HTTP server that the test runs: the words typed and Enter reach
// the server as exactly one request per ticked engine with the exactly
// encoded target, each result page reports how far it was scrolled, and the
// input lines are emptied; a slot with a bad command stays where it was.

#include "gui/tapplicationstate.h"
#include "gui/tedit.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "gui/twebbrowser.h"
#include "guitestenv.h"
#include "testhttpserver.h"

#include <QCheckBox>
#include <QMap>
#include <QToolButton>
#include <QUrlQuery>

#include <memory>

namespace {

using guitest::Evaluate;

// Types Text into Widget one key event per character, as a keyboard would,
// non-ASCII letters included.
void Type(QWidget* Widget, const QString& Text) {
  for (const QChar c : Text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(Widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(Widget, &release);
  }
}

}  // namespace

class SearchEndToEndTest : public QObject {
  Q_OBJECT

 private:
  // Request targets of the result pages, in arrival order.
  QStringList FSearches;
  // Every request target, in arrival order.
  QStringList FTargets;
  // The last scroll position each engine's page reported.
  QMap<QString, int> FReports;
  TTestHttpServer FServer{[this](const THttpRequest& Request) { return Serve(Request); }};
  std::unique_ptr<TApplicationState> FState;
  std::unique_ptr<TForm3> FForm3;
  std::unique_ptr<TForm1> FForm1;

  // Result pages (/g/, /b/, /y/) are wider than any pane and report their
  // scroll position to /report when they are scrolled.
  THttpResponse Serve(const THttpRequest& Request) {
    const QByteArray& target = Request.Target;
    FTargets.append(QString::fromLatin1(target));
    THttpResponse response;
    if (target.startsWith("/report?")) {
      const QUrlQuery query(QString::fromLatin1(target.mid(8)));
      FReports[query.queryItemValue(QStringLiteral("engine"))] = query.queryItemValue(QStringLiteral("x")).toInt();
      response.ContentType = "text/plain";
    } else if (target.size() > 3 && target[0] == '/' && target[2] == '/' && QByteArray("gby").contains(target[1])) {
      FSearches.append(QString::fromLatin1(target));
      const char engine = target[1];
      response.Body = "<!doctype html><html><head><title>result</title></head>"
                      "<body style='margin:0'><div style='width:3000px;height:2000px'>results</div><script>"
                      "addEventListener('scroll', () => fetch('/report?engine=" +
                      QByteArray(1, engine) + "&x=' + Math.round(scrollX)));</script></body></html>";
    } else {
      response = TTestHttpServer::NotFound();
    }
    return response;
  }

  QString Command(char Engine) const {
    return FServer.Url(QStringLiteral("127.0.0.1"), QStringLiteral("/%1/search?q=").arg(QLatin1Char(Engine)));
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(FServer.Listen());
    QVERIFY(guitest::WriteSettings(Command('g'), Command('b'), Command('y')));

    guitest::OpenWindows(FState, FForm3, FForm1);
    QVERIFY(guitest::ShowAndWaitForStartPages(*FForm3, *FState));
  }

  void startPagesKeepTheirStylesheet() {
    // Local pages may not read other local files; their stylesheet still loads.
    QCOMPARE(Evaluate(FForm3->WebBrowser1, QStringLiteral("getComputedStyle(document.querySelector('h1')).color")),
             QVariant(QStringLiteral("rgb(22, 92, 199)")));
  }

  void cleanupTestCase() { QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList()); }

  void enterSearchesEveryTickedEngine() {
    FForm3->Edit4->setFocus();
    Type(FForm3->Edit4, QStringLiteral("caf\u00E9 100% C#"));
    Type(FForm3->Edit5, QStringLiteral("\"used parts\" diy"));
    QTest::keyClick(FForm3->Edit4, Qt::Key_Return);

    QVERIFY(guitest::WaitFor([&] { return FReports.size() == 3; }));
    QVERIFY(guitest::WaitFor([&] { return FForm3->Edit4->text().isEmpty() && FForm3->Edit5->text().isEmpty(); }));
    QTest::qWait(300);  // no second request may follow
    const QString query = QStringLiteral("caf%C3%A9%20100%25%20C%23%20-%22used%20parts%22%20-diy");
    QStringList searches = FSearches;
    searches.sort();
    QCOMPARE(searches, (QStringList{QStringLiteral("/b/search?q=") + query, QStringLiteral("/g/search?q=") + query,
                                    QStringLiteral("/y/search?q=") + query}));
    QCOMPARE(FReports.value(QStringLiteral("g")), 150);
    QCOMPARE(FReports.value(QStringLiteral("b")), 100);
    QCOMPARE(FReports.value(QStringLiteral("y")), 120);
  }

  void badCommandLeavesItsPaneAlone() {
    FSearches.clear();
    FReports.clear();
    // No scheme: slot 2 cannot build a URL.
    FForm1->Edit2->setText(QStringLiteral("127.0.0.1/b/search?q="));
    const QUrl paneTwoBefore = FForm3->WebBrowser2->url();
    FForm3->Edit4->setText(QStringLiteral("red apple"));
    FForm3->SpeedButton1->click();

    QVERIFY(guitest::WaitFor([&] { return FReports.size() == 2; }));
    QTest::qWait(500);
    QStringList searches = FSearches;
    searches.sort();
    QCOMPARE(searches, (QStringList{QStringLiteral("/g/search?q=red%20apple"), QStringLiteral("/y/search?q=red%20apple")}));
    QCOMPARE(FForm3->WebBrowser2->url(), paneTwoBefore);
    // Slot 2 never completed, so the words stay.
    QCOMPARE(FForm3->Edit4->text(), QStringLiteral("red apple"));
    QVERIFY(!FState->PaneDone.PaneDone(2));
    FForm1->Edit2->setText(Command('b'));
  }

  void queryCharactersKeepTheirMeaning() {
    FSearches.clear();
    FReports.clear();
    FForm3->Edit4->setText(QStringLiteral("C++ AT&T a=b"));
    FForm3->SpeedButton1->click();
    QVERIFY(guitest::WaitFor([&] { return FReports.size() == 3; }));
    QVERIFY(FSearches.contains(QStringLiteral("/g/search?q=C%2B%2B%20AT%26T%20a%3Db")));
  }

  void hostileCommandsReachNothing() {
    QVERIFY(guitest::WaitFor([&] { return FForm3->Edit4->text().isEmpty(); }));
    const QString leak = QStringLiteral("location='http://127.0.0.1:%1/leak/'+document.title;//").arg(FServer.Port());
    const QStringList hostile = {
        // A script run in the pane's current page.
        QStringLiteral("javascript://x/") + QChar(0x2028) + leak,
        // Text QUrl refuses, once taken for a local path.
        QStringLiteral("http://bad host/../../../../../../etc/passwd#"),
    };
    for (const QString& command : hostile) {
      FTargets.clear();
      FForm1->Edit1->setText(command);
      const QUrl before = FForm3->WebBrowser1->url();
      FForm3->Edit4->setText(QStringLiteral("red apple"));
      FForm3->SpeedButton1->click();
      // The pane refuses such URLs on its own too.
      FForm3->WebBrowser1->Navigate(command.toStdU16String());
      QVERIFY(guitest::WaitFor([&] { return FSearches.size() >= 2; }));
      QTest::qWait(1000);
      QCOMPARE(FForm3->WebBrowser1->url(), before);
      for (const QString& target : FTargets) QVERIFY2(!target.startsWith(QStringLiteral("/leak/")), qPrintable(target));
      FSearches.clear();
    }
    FForm1->Edit1->setText(Command('g'));
    FForm3->Edit4->clear();
    FForm3->Edit5->clear();
  }

  void untickedEngineGetsNoRequest() {
    FSearches.clear();
    FReports.clear();
    FForm3->CheckBox4->setChecked(false);
    FForm3->Edit4->setText(QStringLiteral("solar"));
    FForm3->SpeedButton1->click();
    QVERIFY(guitest::WaitFor([&] { return FReports.size() == 2; }));
    QVERIFY(guitest::WaitFor([&] { return FForm3->Edit4->text().isEmpty(); }));
    QStringList searches = FSearches;
    searches.sort();
    QCOMPARE(searches, (QStringList{QStringLiteral("/g/search?q=solar"), QStringLiteral("/y/search?q=solar")}));
    FForm3->CheckBox4->setChecked(true);
  }
};

VARNESK_GUI_TEST_MAIN(SearchEndToEndTest)
#include "search_e2e_test.moc"
