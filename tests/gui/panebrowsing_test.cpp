// Browsing in the result panes, with the real windows and WebEngine panes
// against a loopback HTTP server that carries an engine's host names (the
// resolver maps every host to 127.0.0.1): links that ask for a new window
// reach the default browser while the pane keeps its page, the history and
// reload keys, zoom kept per slot across a restart, the find bar, the
// context menu, the browser's identity on the wire, and the page-completion
// mends (consent host, going back, typing after a search).

#include "gui/tapplicationstate.h"
#include "gui/tedit.h"
#include "gui/tfindbar.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "gui/tprogressline.h"
#include "gui/twebbrowser.h"
#include "guitestenv.h"
#include "testhttpserver.h"

#include <QCheckBox>
#include <QCursor>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineHistory>
#include <QWheelEvent>

#include <memory>

namespace {

using guitest::Evaluate;

// Stands in for the desktop's default browser.
class TDefaultBrowser : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> Opened;

 public Q_SLOTS:
  void Open(const QUrl& Url) { Opened.append(Url); }
};

// The centre of the element with Id in Pane's widget coordinates.
QPoint ElementCentre(TWebBrowser* Pane, const QString& Id) {
  const QVariantList box =
      Evaluate(Pane, QStringLiteral("(r => [r.left + r.width / 2, r.top + r.height / 2])"
                                    "(document.getElementById('%1').getBoundingClientRect())")
                         .arg(Id))
          .toList();
  const double zoom = Pane->zoomFactor();
  return box.size() == 2 ? QPoint(int(box[0].toDouble() * zoom), int(box[1].toDouble() * zoom)) : QPoint();
}

int ScrollX(TWebBrowser* Pane) { return Evaluate(Pane, QStringLiteral("Math.round(scrollX)")).toInt(); }

}  // namespace

class PaneBrowsingTest : public QObject {
  Q_OBJECT

 private:
  // "host target" of every request, in arrival order.
  QStringList FRequests;
  QByteArray FLastUserAgent;
  QByteArray FLastAcceptLanguage;
  TTestHttpServer FServer{[this](const THttpRequest& Request) { return Serve(Request); }};
  TDefaultBrowser FBrowser;
  std::unique_ptr<TApplicationState> FState;
  std::unique_ptr<TForm3> FForm3;
  std::unique_ptr<TForm1> FForm1;

  // Every request is recorded with its headers. /g/... pages are wider than
  // any pane, carry two links where a scrolled page shows them and the word
  // "solar" three times; /slow is never answered.
  THttpResponse Serve(const THttpRequest& Request) {
    const QByteArray& target = Request.Target;
    FLastUserAgent = Request.Headers.value("user-agent", FLastUserAgent);
    FLastAcceptLanguage = Request.Headers.value("accept-language", FLastAcceptLanguage);
    FRequests.append(QString::fromLatin1(Request.Host + ' ' + target));
    THttpResponse response;
    if (target == "/slow") {
      response.Held = true;  // the load goes on until stopped
      return response;
    }
    if (target == "/g/file.zip") {
      response.ContentType = "application/zip";
      response.ExtraHeaders = "Content-Disposition: attachment; filename=file.zip\r\n";
      response.Body = QByteArray("PK\x05\x06", 4);
      return response;
    }
    if (!target.startsWith("/g/")) return TTestHttpServer::NotFound();
    const QByteArray base = "http://www.engine.test:" + QByteArray::number(FServer.Port());
    response.Body =
        "<!doctype html><html><head><title>" + target +
        "</title></head><body style='margin:0;padding-left:200px;font:16px sans-serif'>"
        "<p><a id=plain href='" + base + "/g/followed'>plain link</a></p>"
        "<p><a id=blank target=_blank href='" + base + "/g/blank'>new window link</a></p>"
        "<p><a id=script href='#' onclick=\"window.open('" + base + "/g/popup');return false\">script window</a></p>"
        "<p><a id=download href='" + base + "/g/file.zip'>download</a></p>"
        "<p id=words>solar panels, solar roofs and solar farms</p>"
        "<div style='width:3000px;height:2000px'></div>" +
        (target == "/g/pop-up" ? "<script>window.open('" + base + "/g/unasked')</script>" : QByteArray()) +
        "</body></html>";
    return response;
  }

  TWebBrowser* Pane() const { return FForm3->WebBrowser1; }
  QWidget* Page() const { return Pane()->focusProxy(); }

  QString Command(char Engine) const {
    return FServer.Url(QStringLiteral("www.engine.test"), QStringLiteral("/%1/search?q=").arg(QLatin1Char(Engine)));
  }

  bool Open() {
    guitest::OpenWindows(FState, FForm3, FForm1);
    if (!guitest::ShowAndWaitForStartPages(*FForm3, *FState)) return false;
    FForm3->activateWindow();
    return QTest::qWaitForWindowActive(FForm3.get());
  }

  // A search for Words on slot 1 alone, until its page is complete.
  bool Search(const QString& Words) {
    FForm3->Edit4->setText(Words);
    FForm3->SpeedButton1->click();
    return guitest::WaitFor([&] { return FState->PaneDone.PaneDone(1) && FForm3->Edit4->text().isEmpty(); });
  }

  // Runs Step, which navigates pane 1, and waits until the pane's page is complete.
  bool Navigated(const std::function<void()>& Step) {
    FState->PaneDone.PaneDone(1) = false;
    Step();
    return guitest::WaitFor([&] { return FState->PaneDone.PaneDone(1) && !Pane()->Loading(); });
  }

  // Right-clicks the element with Id in pane 1 and answers the menu shown.
  QMenu* OpenMenuOn(const QString& Id) {
    QTest::mouseClick(Page(), Qt::RightButton, Qt::NoModifier, ElementCentre(Pane(), Id));
    QMenu* menu = nullptr;
    guitest::WaitFor([&] { return (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())); }, 5000);
    return menu;
  }

  static QStringList MenuTexts(const QMenu& Menu) {
    QStringList texts;
    for (const QAction* action : Menu.actions()) {
      if (!action->isSeparator()) texts.append(action->text());
    }
    return texts;
  }

  void Click(const QString& Id, Qt::MouseButton Button, Qt::KeyboardModifiers Modifiers) {
    QTest::mouseClick(Page(), Button, Modifiers, ElementCentre(Pane(), Id));
  }

 private Q_SLOTS:
  void initTestCase() {
    QCursor::setPos(0, 0);  // off the window: hover focus stays out of the way
    QVERIFY(FServer.Listen());
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &FBrowser, "Open");
    QVERIFY(guitest::WriteSettings(Command('g'), Command('b'), Command('y')));
    QVERIFY(Open());
    FForm3->CheckBox4->setChecked(false);
    FForm3->CheckBox5->setChecked(false);
    QVERIFY(Search(QStringLiteral("solar panels")));
  }

  void cleanupTestCase() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList());
  }

  void identityOnTheWireIsChromiumsAndTheUsersLanguage() {
    QVERIFY(!FLastUserAgent.isEmpty());
    QVERIFY2(!FLastUserAgent.contains("QtWebEngine"), FLastUserAgent.constData());
    QVERIFY(FLastUserAgent.contains("Chrome/"));
    QVERIFY(!FLastAcceptLanguage.isEmpty());
    qInfo() << "User-Agent:" << FLastUserAgent << "Accept-Language:" << FLastAcceptLanguage;
  }

  void resultPageIsScrolledAndConsentHostIsNot() {
    QCOMPARE(ScrollX(Pane()), 150);
    QVERIFY(Navigated([&] {
      const QString consent = FServer.Url(QStringLiteral("consent.engine.test"), QStringLiteral("/g/consent"));
      Pane()->Navigate(consent.toStdU16String());
    }));
    QCOMPARE(ScrollX(Pane()), 0);
    QVERIFY(Navigated([&] { Pane()->back(); }));
    QCOMPARE(Pane()->url().host(), QStringLiteral("www.engine.test"));
  }

  void goingBackDoesNotScrollTwice() {
    QVERIFY(Navigated([&] { Click(QStringLiteral("plain"), Qt::LeftButton, Qt::NoModifier); }));
    QCOMPARE(Pane()->url().path(), QStringLiteral("/g/followed"));
    QVERIFY(Navigated([&] { QTest::keyClick(Page(), Qt::Key_Left, Qt::AltModifier); }));
    QCOMPARE(Pane()->url().path(), QStringLiteral("/g/search"));
    QCOMPARE(ScrollX(Pane()), 150);
  }

  void newWindowRequestsGoToTheDefaultBrowser() {
    struct Case {
      const char* Reason;
      QString Id;
      Qt::MouseButton Button;
      Qt::KeyboardModifiers Modifiers;
      QString Path;
    };
    const Case cases[] = {
        {"Ctrl+click", QStringLiteral("plain"), Qt::LeftButton, Qt::ControlModifier, QStringLiteral("/g/followed")},
        {"middle-click", QStringLiteral("plain"), Qt::MiddleButton, Qt::NoModifier, QStringLiteral("/g/followed")},
        {"target=_blank", QStringLiteral("blank"), Qt::LeftButton, Qt::NoModifier, QStringLiteral("/g/blank")},
        {"window.open", QStringLiteral("script"), Qt::LeftButton, Qt::NoModifier, QStringLiteral("/g/popup")},
        {"download", QStringLiteral("download"), Qt::LeftButton, Qt::NoModifier, QStringLiteral("/g/file.zip")},
    };
    const QUrl page = Pane()->url();
    for (const Case& c : cases) {
      FBrowser.Opened.clear();
      Click(c.Id, c.Button, c.Modifiers);
      QVERIFY2(guitest::WaitFor([&] { return !FBrowser.Opened.isEmpty(); }, 5000), c.Reason);
      QCOMPARE(FBrowser.Opened.value(0).path(), c.Path);
      QTest::qWait(300);
      QCOMPARE(FBrowser.Opened.size(), 1);
      QCOMPARE(Pane()->url(), page);
      QVERIFY2(Pane()->history()->canGoBack(), c.Reason);
    }

  }

  void historyAndReloadKeys() {
    QVERIFY(Navigated([&] { QTest::keyClick(Page(), Qt::Key_Right, Qt::AltModifier); }));
    QCOMPARE(Pane()->url().path(), QStringLiteral("/g/followed"));
    QVERIFY(Navigated([&] { QTest::keyClick(Page(), Qt::Key_Left, Qt::AltModifier); }));
    QCOMPARE(Pane()->url().path(), QStringLiteral("/g/search"));
    QVERIFY(Navigated([&] { QTest::mouseClick(Page(), Qt::ForwardButton); }));
    QCOMPARE(Pane()->url().path(), QStringLiteral("/g/followed"));
    QVERIFY(Navigated([&] { QTest::mouseClick(Page(), Qt::BackButton); }));
    QCOMPARE(Pane()->url().path(), QStringLiteral("/g/search"));
    const int requests = FRequests.size();
    QVERIFY(Navigated([&] { QTest::keyClick(Page(), Qt::Key_F5); }));
    QCOMPARE(FRequests.size(), requests + 1);
    QCOMPARE(Pane()->url().path(), QStringLiteral("/g/search"));
  }

  void escapeStopsALoadAndTheProgressLineGoes() {
    Pane()->Navigate(FServer.Url(QStringLiteral("www.engine.test"), QStringLiteral("/slow")).toStdU16String());
    QVERIFY(guitest::WaitFor([&] { return Pane()->Loading() && Pane()->ProgressLine()->isVisible(); }));
    QCOMPARE(Pane()->ProgressLine()->height(), TProgressLine::kHeight);
    QCOMPARE(Pane()->ProgressLine()->geometry().top(), 0);
    QCOMPARE(Pane()->geometry().top(), 136);  // the layout stays as it is
    QTest::keyClick(Page(), Qt::Key_Escape);
    QVERIFY(guitest::WaitFor([&] { return !Pane()->Loading(); }, 5000));
    QVERIFY(!Pane()->ProgressLine()->isVisible());
    QCOMPARE(Pane()->url().path(), QStringLiteral("/g/search"));
  }

  void aPopUpThePageOpensByItselfGoesNowhere() {
    FBrowser.Opened.clear();
    QVERIFY(Navigated([&] {
      Pane()->Navigate(FServer.Url(QStringLiteral("www.engine.test"), QStringLiteral("/g/pop-up")).toStdU16String());
    }));
    QTest::qWait(500);
    QCOMPARE(FBrowser.Opened, QList<QUrl>());
    QVERIFY(!FRequests.join(QLatin1Char(' ')).contains(QStringLiteral("/g/unasked")));
    QCOMPARE(Pane()->url().path(), QStringLiteral("/g/pop-up"));
  }

  void findBarCountsAndStepsThroughMatches() {
    QTest::keyClick(Page(), Qt::Key_F, Qt::ControlModifier);
    TFindBar* bar = Pane()->FindBar();
    QVERIFY(bar->isVisible());
    QVERIFY(guitest::WaitFor([&] { return bar->Line()->hasFocus(); }, 5000));
    QTest::keyClicks(bar->Line(), QStringLiteral("solar"));
    QVERIFY(guitest::WaitFor([&] { return bar->CountText() == QStringLiteral("1 of 3"); }, 5000));
    QTest::keyClick(bar->Line(), Qt::Key_Return);
    QVERIFY(guitest::WaitFor([&] { return bar->CountText() == QStringLiteral("2 of 3"); }, 5000));
    QTest::keyClick(bar->Line(), Qt::Key_Return, Qt::ShiftModifier);
    QVERIFY(guitest::WaitFor([&] { return bar->CountText() == QStringLiteral("1 of 3"); }, 5000));
    QTest::keyClick(bar->Line(), Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QVERIFY(Pane()->HasFocus());
  }

  void contextMenuOffersThePanesOwnEntries() {
    QMenu* menu = OpenMenuOn(QStringLiteral("plain"));
    QVERIFY(menu);
    const QStringList expected{u"Back"_qs, u"Forward"_qs, u"Reload"_qs, u"Open link in default browser"_qs,
                               u"Copy link address"_qs, u"Open page in default browser"_qs, u"Copy page address"_qs,
                               u"Zoom in"_qs, u"Zoom out"_qs, u"Reset zoom (100%)"_qs, u"Find in page"_qs,
                               // the main window's own, after the pane's
                               u"Scroll panes together"_qs, u"Mark shared results"_qs};
    QCOMPARE(MenuTexts(*menu), expected);
    menu->close();

    // On a selection: Copy, and a search for it.
    Evaluate(Pane(), QStringLiteral("getSelection().selectAllChildren(document.getElementById('words'))"));
    menu = OpenMenuOn(QStringLiteral("words"));
    QVERIFY(menu);
    const QStringList texts = MenuTexts(*menu);
    const QString search = u"Search for \u201Csolar panels, solar roofs and s\u2026\u201D"_qs;
    QCOMPARE(texts.mid(3, 2), (QStringList{u"Copy"_qs, search}));
    const int requests = FRequests.size();
    for (QAction* action : menu->actions()) {
      if (action->text() == search) action->trigger();
    }
    QVERIFY(guitest::WaitFor([&] { return FRequests.size() > requests; }));
    QCOMPARE(FRequests.at(requests),
             u"www.engine.test /g/search?q=solar%20panels,%20solar%20roofs%20and%20solar%20farms"_qs);
    QVERIFY(guitest::WaitFor([&] { return FState->PaneDone.PaneDone(1) && FForm3->Edit4->text().isEmpty(); }));
  }

  void ctrlPlusZoomsOnlyItsPaneAndIsKeptAcrossARestart() {
    QTest::keyClick(Page(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(Page(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(Pane()->ZoomPercent(), 125);
    QCOMPARE(Pane()->zoomFactor(), 1.25);
    QCOMPARE(FForm3->WebBrowser2->zoomFactor(), 1.0);
    QCOMPARE(FForm3->WebBrowser3->zoomFactor(), 1.0);

    QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList());
    QVERIFY(Open());
    QCOMPARE(Pane()->ZoomPercent(), 125);
    QCOMPARE(Pane()->zoomFactor(), 1.25);
    QCOMPARE(FForm3->WebBrowser2->zoomFactor(), 1.0);
    QVERIFY(Navigated([&] {
      Pane()->Navigate(FServer.Url(QStringLiteral("other.test"), QStringLiteral("/g/article")).toStdU16String());
    }));
    QCOMPARE(Pane()->zoomFactor(), 1.25);  // another host keeps the pane's zoom
    // The page is laid out at that zoom: its viewport is 1/1.25 of the pane.
    QVERIFY(qAbs(Evaluate(Pane(), QStringLiteral("innerWidth")).toInt() - int(Pane()->width() / 1.25)) <= 2);
    // A notch zooms one step; a touchpad's small turns add up to one.
    for (const int delta : {-120, -60, -40}) {
      QWheelEvent wheel(QPointF(50, 50), Page()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                        Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(Page(), &wheel);
    }
    QCOMPARE(Pane()->ZoomPercent(), 110);
    QWheelEvent last(QPointF(50, 50), Page()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -20), Qt::NoButton,
                     Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Page(), &last);
    QCOMPARE(Pane()->ZoomPercent(), 100);
    QTest::keyClick(Page(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(Pane()->ZoomPercent(), 110);
    QCOMPARE(FState->Preferences.ZoomPercent[0], 110);
    QTest::keyClick(Page(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(FState->Preferences.ZoomPercent[0], 100);
    FForm3->CheckBox4->setChecked(false);
    FForm3->CheckBox5->setChecked(false);
    QVERIFY(Search(QStringLiteral("solar roofs")));
  }

  void typingAfterACompleteSearchSurvivesFollowingALink() {
    QTest::keyClicks(FForm3->Edit4, QStringLiteral("wind"));
    QVERIFY(Navigated([&] { Click(QStringLiteral("plain"), Qt::LeftButton, Qt::NoModifier); }));
    QCOMPARE(FForm3->Edit4->text(), QStringLiteral("wind"));
  }

  void wordsLineKeysAndFocus() {
    // Ctrl+L from a pane selects the whole line.
    Page()->setFocus();
    QTest::keyClick(Page(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(FForm3->Edit4->hasFocus());
    QCOMPARE(FForm3->Edit4->selectedText(), QStringLiteral("wind"));
    // Hover focus coming back keeps the cursor where it was.
    FForm3->Edit4->setCursorPosition(2);
    Page()->setFocus();
    FForm3->FocusEdit4();
    QVERIFY(FForm3->Edit4->hasFocus());
    QVERIFY(!FForm3->Edit4->hasSelectedText());
    QCOMPARE(FForm3->Edit4->cursorPosition(), 2);
    // Tab still selects all.
    FForm3->Edit5->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(FForm3->Edit5, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(FForm3->Edit4->hasFocus());
    QCOMPARE(FForm3->Edit4->selectedText(), QStringLiteral("wind"));
  }
};

int main(int argc, char** argv) {
  // The pages carry an engine's host names; all of them lead to the test's server.
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
          qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --host-resolver-rules=\"MAP * 127.0.0.1\"");
  guitest::PrepareEnvironment();
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  guitest::Install();
  PaneBrowsingTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "panebrowsing_test.moc"
