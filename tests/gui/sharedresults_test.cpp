// Where the engines agree, with the real windows and panes: a loopback
// server plays Google, Bing and Yahoo under their own host names (Chromium
// maps every name to 127.0.0.1) and serves result pages with each engine's
// redirect-wrapped links; the marks name the right slots, follow a pane to
// its next page and go when switched off; with scrolling together on, a
// wheel in one pane brings the others to the same fraction.

#include "gui/tapplicationstate.h"
#include "gui/tedit.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "gui/tscrolltogether.h"
#include "gui/tsharedresultsmarker.h"
#include "gui/twebbrowser.h"
#include "guitestenv.h"
#include "testhttpserver.h"

#include <QAction>
#include <QFile>
#include <QMap>
#include <QMenu>
#include <QUrlQuery>
#include <QWheelEvent>

#include <memory>

namespace {

using guitest::Evaluate;

struct TResult {
  const char* Id;
  const char* Target;
};

// Each engine's results for each query; ids name the expected marks.
const QMap<QByteArray, QList<TResult>> kResults = {
    {"google/rust",
     {{"wiki", "https://en.wikipedia.org/wiki/Rust_(programming_language)"},
      {"home", "https://www.rust-lang.org/"},
      {"alone", "https://only-google.example/rust"},
      {"own", "https://maps.google.com/maps?q=rust"}}},
    {"bing/rust",
     {{"wiki", "https://en.wikipedia.org/wiki/Rust_(programming_language)#History"},
      {"home", "http://rust-lang.org/?utm_source=bing"},
      {"alone", "https://only-bing.example/"}}},
    {"yahoo/rust",
     {{"wiki", "https://en.wikipedia.org/wiki/Rust_(programming_language)"},
      {"book", "https://doc.rust-lang.org/book/"},
      {"own", "https://images.search.yahoo.com/search/images?p=rust"}}},
    {"yahoo/book", {{"book", "https://doc.rust-lang.org/book/"}, {"home", "https://www.rust-lang.org"}}},
};

// The link an engine's page shows for Target, wrapped as that engine does.
QByteArray Wrapped(const QByteArray& Engine, const QByteArray& Target) {
  if (Engine == "google") {
    if (Target.contains("google.")) return Target;
    return "/url?q=" + QUrl::toPercentEncoding(QString::fromLatin1(Target)) + "&amp;sa=U&amp;ved=2ahUKE";
  }
  if (Engine == "bing") {
    return "https://www.bing.com/ck/a?!&amp;&amp;p=5f3e&amp;ptn=3&amp;u=a1" +
           Target.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals) + "&amp;ntb=1";
  }
  if (Target.contains("yahoo.")) return Target;
  // Yahoo writes its escapes in lower case.
  QByteArray escaped = QUrl::toPercentEncoding(QString::fromLatin1(Target));
  for (qsizetype i = escaped.indexOf('%'); i >= 0; i = escaped.indexOf('%', i + 1)) {
    escaped.replace(i + 1, 2, escaped.mid(i + 1, 2).toLower());
  }
  return "https://r.search.yahoo.com/_ylt=AwrE;_ylu=Y29s/RV=2/RE=1700000000/RO=10/RU=" + escaped + "/RK=2/RS=abc-";
}

// Answers by the request's host name: result pages for the three engines,
// and /tall pages (any host) that are higher and wider than a pane.
THttpResponse Serve(const THttpRequest& Request) {
  const QUrl target(QString::fromLatin1("http://x" + Request.Target));
  const QUrlQuery query(target);
  THttpResponse response;
  if (target.path() == QLatin1String("/tall")) {
    response.Body = "<!doctype html><html><body style='margin:0'><div style='width:3000px;height:" +
                    query.queryItemValue(QStringLiteral("h")).toLatin1() + "px'>tall</div></body></html>";
    return response;
  }
  const QByteArray& host = Request.Host;
  const QByteArray engine = host.contains("google") ? "google" : host.contains("bing") ? "bing" : "yahoo";
  const QByteArray words = query.queryItemValue(engine == "yahoo" ? QStringLiteral("p") : QStringLiteral("q")).toLatin1();
  QByteArray& body = response.Body;
  body = "<!doctype html><html><head><meta charset='utf-8'><title>" + words + " - " + engine +
         "</title></head><body style='font:14px/1.4 sans-serif;margin:12px'>"
         "<div><a id='settings' href='/preferences'>Settings</a> <a id='script' href='javascript:void(0)'>Tools</a>"
         "</div>";
  for (const TResult& result : kResults.value(engine + '/' + words)) {
    body += "<div style='margin:14px 0'><a id='" + QByteArray(result.Id) + "' href='" +
            Wrapped(engine, result.Target) + "'><h3 style='margin:0;font-size:17px'>" + result.Target +
            "</h3></a><div style='color:#2a6a2a'>" + result.Target + "</div></div>";
  }
  body += "</body></html>";
  return response;
}

// "id=marks" for every link of the pane's page, in page order.
QString Marks(TWebBrowser* Pane) {
  return Evaluate(Pane, QStringLiteral("Array.from(document.querySelectorAll('a'), a => a.id + '=' + "
                                       "(a.getAttribute('data-varnesk-also') || '')).join(', ')"))
      .toString();
}

// [scrollX, scrollY, how far the page can scroll down].
QVariantList Position(TWebBrowser* Pane) {
  return Evaluate(Pane, QStringLiteral("[scrollX, scrollY, document.documentElement.scrollHeight - "
                                       "document.documentElement.clientHeight]"))
      .toList();
}

double Fraction(TWebBrowser* Pane) {
  const QVariantList position = Position(Pane);
  return position.value(1).toDouble() / position.value(2).toDouble();
}

void Wheel(TWebBrowser* Pane, int Notches) {
  QWidget* target = Pane->focusProxy() ? Pane->focusProxy() : Pane;
  const QPointF local(target->width() / 2, target->height() / 2);
  QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, -120 * Notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &wheel);
}

}  // namespace

class SharedResultsTest : public QObject {
  Q_OBJECT

 private:
  TTestHttpServer FServer{Serve};
  std::unique_ptr<TApplicationState> FState;
  std::unique_ptr<TForm3> FForm3;
  std::unique_ptr<TForm1> FForm1;

  QString Url(const char* Host, const QString& PathAndQuery) const {
    return FServer.Url(QLatin1String(Host), PathAndQuery);
  }

  std::array<TWebBrowser*, 3> Panes() const { return {FForm3->WebBrowser1, FForm3->WebBrowser2, FForm3->WebBrowser3}; }

  // Waits until every pane's marks read as expected; on a timeout the
  // comparison shows what they are.
  void ExpectMarks(const std::array<QString, 3>& Expected) {
    guitest::WaitFor([&] {
      for (std::size_t i = 0; i < 3; ++i) {
        if (Marks(Panes()[i]) != Expected[i]) return false;
      }
      return true;
    });
    for (std::size_t i = 0; i < 3; ++i) QCOMPARE(Marks(Panes()[i]), Expected[i]);
  }

  QString Fractions() const {
    QStringList fractions;
    for (TWebBrowser* pane : Panes()) fractions << QString::number(Fraction(pane));
    return QStringLiteral("fractions ") + fractions.join(QLatin1Char(' '));
  }

  QString PreferencesText() const {
    QFile file(guitest::Home() + QStringLiteral("/Documents/Orvandel/Varnesk/varnesk.ini"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

 private Q_SLOTS:
  void initTestCase() {
    QVERIFY(FServer.Listen());
    QVERIFY(guitest::WriteSettings(Url("www.google.com", QStringLiteral("/search?q=")),
                                   Url("www.bing.com", QStringLiteral("/search?q=")),
                                   Url("search.yahoo.com", QStringLiteral("/search?p="))));
    guitest::OpenWindows(FState, FForm3, FForm1);
    QVERIFY(guitest::ShowAndWaitForStartPages(*FForm3, *FState));
  }

  void cleanupTestCase() { QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList()); }

  void contextMenuOffersBothSwitches() {
    QMenu menu;
    FForm3->WebBrowser2->OnContextMenu(menu);
    QStringList entries;
    for (const QAction* action : menu.actions()) {
      if (action->isSeparator()) continue;
      entries << QStringLiteral("%1|%2|%3|%4")
                     .arg(action->text(), action->shortcut().toString())
                     .arg(action->isCheckable())
                     .arg(action->isChecked());
    }
    QCOMPARE(entries, (QStringList{QStringLiteral("Scroll panes together|Ctrl+Shift+L|1|0"),
                                   QStringLiteral("Mark shared results||1|1")}));
  }

  void marksNameTheOtherEngines() {
    FForm3->Edit4->setText(QStringLiteral("rust"));
    FForm3->SpeedButton1Click();
    ExpectMarks({QStringLiteral("settings=, script=, wiki=Bing Yahoo, home=Bing, alone=, own="),
                 QStringLiteral("settings=, script=, wiki=Google Yahoo, home=Google, alone="),
                 QStringLiteral("settings=, script=, wiki=Google Bing, book=, own=")});
    // Each marked link has one marker, which says who else shows it; the
    // page's own scripts cannot reach the marking code.
    QCOMPARE(Evaluate(FForm3->WebBrowser1, QStringLiteral("Array.from(document.querySelectorAll('varnesk-mark'), "
                                                          "m => m.textContent + ':' + m.title).join(', ')")),
             QVariant(QStringLiteral("3:Also on Bing and Yahoo, 2:Also on Bing")));
    QCOMPARE(Evaluate(FForm3->WebBrowser1, QStringLiteral("typeof varneskShared")), QVariant(QStringLiteral("undefined")));
  }

  void marksFollowANewPage() {
    FForm3->WebBrowser3->Navigate(Url("search.yahoo.com", QStringLiteral("/search?p=book")).toStdU16String());
    ExpectMarks({QStringLiteral("settings=, script=, wiki=Bing, home=Bing Yahoo, alone=, own="),
                 QStringLiteral("settings=, script=, wiki=Google, home=Google Yahoo, alone="),
                 QStringLiteral("settings=, script=, book=, home=Google Bing")});
    QCOMPARE(Evaluate(FForm3->WebBrowser1, QStringLiteral("document.querySelectorAll('varnesk-mark').length")),
             QVariant(2));
  }

  void marksSwitchOffAndOnWithoutMovingThePage() {
    const QString boxes = QStringLiteral(
        "Array.from(document.querySelectorAll('a,div'), e => { const r = e.getBoundingClientRect();"
        " return [r.left, r.top, r.width, r.height].join(' '); }).join('; ') + ' / ' +"
        " document.documentElement.scrollWidth + 'x' + document.documentElement.scrollHeight");
    const QString marked = QStringLiteral("document.querySelectorAll('varnesk-mark').length");
    const QVariant withMarks = Evaluate(FForm3->WebBrowser1, boxes);
    QAction* action = FForm3->findChild<TSharedResultsMarker*>()->Action();

    action->trigger();
    ExpectMarks({QStringLiteral("settings=, script=, wiki=, home=, alone=, own="),
                 QStringLiteral("settings=, script=, wiki=, home=, alone="),
                 QStringLiteral("settings=, script=, book=, home=")});
    QCOMPARE(Evaluate(FForm3->WebBrowser1, marked), QVariant(0));
    QCOMPARE(Evaluate(FForm3->WebBrowser1, boxes), withMarks);
    QVERIFY(!FState->Preferences.MarkSharedResults);
    QVERIFY(PreferencesText().contains(QStringLiteral("MarkSharedResults=false")));

    action->trigger();
    ExpectMarks({QStringLiteral("settings=, script=, wiki=Bing, home=Bing Yahoo, alone=, own="),
                 QStringLiteral("settings=, script=, wiki=Google, home=Google Yahoo, alone="),
                 QStringLiteral("settings=, script=, book=, home=Google Bing")});
    QCOMPARE(Evaluate(FForm3->WebBrowser1, marked), QVariant(2));
    QVERIFY(PreferencesText().contains(QStringLiteral("MarkSharedResults=true")));
  }

  void scrollingTogetherFollowsTheWheel() {
    const std::array<int, 3> heights{4000, 2500, 9000};
    for (std::size_t i = 0; i < 3; ++i) {
      Panes()[i]->Navigate(Url("www.example.org", QStringLiteral("/tall?h=%1").arg(heights[i])).toStdU16String());
    }
    QVERIFY(guitest::WaitFor([&] {
      const auto& done = FState->PaneDone;
      return done.PaneDone(1) && done.PaneDone(2) && done.PaneDone(3) &&
             Position(FForm3->WebBrowser3).value(2).toInt() > 8000;
    }));
    const QVariantList start2 = Position(FForm3->WebBrowser2);
    const QVariantList start3 = Position(FForm3->WebBrowser3);

    // Off: a wheel moves its own pane only.
    Wheel(FForm3->WebBrowser1, 3);
    QVERIFY(guitest::WaitFor([&] { return Position(FForm3->WebBrowser1).value(1).toInt() > 0; }));
    guitest::RunLoop(500);
    QCOMPARE(Position(FForm3->WebBrowser2), start2);
    QCOMPARE(Position(FForm3->WebBrowser3), start3);

    // On, by its shortcut: the others follow to the same fraction; the
    // horizontal auto-scroll stays as it was.
    FForm3->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FForm3.get()));
    QTest::keyClick(FForm3->Edit4, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(FState->Preferences.ScrollTogether);
    QVERIFY(PreferencesText().contains(QStringLiteral("ScrollTogether=true")));
    Wheel(FForm3->WebBrowser1, 5);
    const auto together = [&] {
      const double source = Fraction(FForm3->WebBrowser1);
      return source > 0.1 && std::abs(Fraction(FForm3->WebBrowser2) - source) < 0.005 &&
             std::abs(Fraction(FForm3->WebBrowser3) - source) < 0.005;
    };
    QVERIFY2(guitest::WaitFor(together), qPrintable(Fractions()));
    guitest::RunLoop(1000);
    QVERIFY2(together(), qPrintable(Fractions()));
    QCOMPARE(Position(FForm3->WebBrowser2).value(0), start2.value(0));
    QCOMPARE(Position(FForm3->WebBrowser3).value(0), start3.value(0));

    // A pane that followed leads in turn, and nothing echoes back.
    const QVariant before = Position(FForm3->WebBrowser1).value(1);
    Wheel(FForm3->WebBrowser3, 20);
    QVERIFY2(guitest::WaitFor([&] { return Fraction(FForm3->WebBrowser1) > 0.2 && together(); }),
             qPrintable(Fractions()));
    guitest::RunLoop(1000);
    QVERIFY2(together(), qPrintable(Fractions()));
    QVERIFY(Position(FForm3->WebBrowser1).value(1).toInt() > before.toInt());

    // A page that loads (and so jumps to its top) is no scroll of the user's.
    const QVariantList held1 = Position(FForm3->WebBrowser1);
    const QVariantList held3 = Position(FForm3->WebBrowser3);
    FState->PaneDone.PaneDone(2) = false;
    FForm3->WebBrowser2->Navigate(Url("www.example.org", QStringLiteral("/tall?h=6000")).toStdU16String());
    QVERIFY(guitest::WaitFor([&] { return FState->PaneDone.PaneDone(2); }));
    guitest::RunLoop(1000);
    QCOMPARE(Position(FForm3->WebBrowser2).value(1), QVariant(0));
    QCOMPARE(Position(FForm3->WebBrowser1), held1);
    QCOMPARE(Position(FForm3->WebBrowser3), held3);

    // Off again, by the shortcut from inside a pane.
    FForm3->WebBrowser2->setFocus();
    QTest::keyClick(FForm3->WebBrowser2->focusProxy(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!FState->Preferences.ScrollTogether);
  }
};

int main(int argc, char** argv) {
  guitest::PrepareEnvironment();
  // Every host name, the engines' included, leads to the loopback server.
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
          qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --host-resolver-rules=\"MAP * 127.0.0.1\"");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  guitest::Install();
  SharedResultsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "sharedresults_test.moc"
