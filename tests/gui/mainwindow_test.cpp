// The main window as a person meets it: its controls where the design puts
// them, the panes across the width, the minimum size, Enter in the input
// lines, tab order, the link label and the Settings button.

#include "gui/tapplicationstate.h"
#include "gui/tedit.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "gui/tlinklabel.h"
#include "gui/twebbrowser.h"
#include "guitestenv.h"
#include "panes/panelayout.h"

#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QToolButton>

#include <memory>

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TApplicationState> FState;
  std::unique_ptr<TForm3> FForm3;
  std::unique_ptr<TForm1> FForm1;

  void UntickEngines() {
    for (QCheckBox* box : {FForm3->CheckBox3, FForm3->CheckBox4, FForm3->CheckBox5}) box->setChecked(false);
  }

 private Q_SLOTS:
  void init() {
    guitest::OpenWindows(FState, FForm3, FForm1);
    QVERIFY(guitest::ShowAndWaitForStartPages(*FForm3, *FState));
  }

  void cleanup() { QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList()); }

  void captionAndTitle() {
    QCOMPARE(FForm3->windowTitle(), QStringLiteral("Varnesk 1.0"));
    QCOMPARE(FForm3->focusWidget(), FForm3->Edit4);
  }

  void controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label1") << "Label1" << QRect(24, 7, -1, -1) << 13 << "Words to search for:";
    QTest::newRow("Edit4") << "Edit4" << QRect(24, 28, 729, 31) << 19 << "";
    QTest::newRow("Label2") << "Label2" << QRect(24, 66, -1, -1) << 13 << "None of these words:";
    QTest::newRow("Edit5") << "Edit5" << QRect(24, 85, 729, 31) << 19 << "";
    QTest::newRow("SpeedButton1") << "SpeedButton1" << QRect(776, 27, 113, 90) << 19 << "Search";
    QTest::newRow("CheckBox1") << "CheckBox1" << QRect(905, 30, 120, 17) << 16 << " Exact phrase";
    QTest::newRow("CheckBox2") << "CheckBox2" << QRect(905, 62, 120, 17) << 16 << " Site search";
    QTest::newRow("Label7") << "Label7" << QRect(926, 90, -1, 19) << 16 << "Orvandel";
    QTest::newRow("CheckBox3") << "CheckBox3" << QRect(1039, 30, 90, 17) << 16 << " Google";
    QTest::newRow("CheckBox4") << "CheckBox4" << QRect(1039, 62, 90, 17) << 16 << " Bing";
    QTest::newRow("CheckBox5") << "CheckBox5" << QRect(1039, 92, 90, 17) << 16 << " Yahoo";
    QTest::newRow("SpeedButton2") << "SpeedButton2" << QRect(1128, 28, 113, 90) << 19 << "Settings";
  }

  void controls() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(int, pixelSize);
    QFETCH(QString, text);
    const std::map<QString, QWidget*> widgets = {
        {QStringLiteral("Label1"), FForm3->Label1},        {QStringLiteral("Edit4"), FForm3->Edit4},
        {QStringLiteral("Label2"), FForm3->Label2},        {QStringLiteral("Edit5"), FForm3->Edit5},
        {QStringLiteral("SpeedButton1"), FForm3->SpeedButton1}, {QStringLiteral("CheckBox1"), FForm3->CheckBox1},
        {QStringLiteral("CheckBox2"), FForm3->CheckBox2},  {QStringLiteral("Label7"), FForm3->Label7},
        {QStringLiteral("CheckBox3"), FForm3->CheckBox3},  {QStringLiteral("CheckBox4"), FForm3->CheckBox4},
        {QStringLiteral("CheckBox5"), FForm3->CheckBox5},  {QStringLiteral("SpeedButton2"), FForm3->SpeedButton2}};
    QWidget* widget = widgets.at(name);
    QCOMPARE(widget->pos(), geometry.topLeft());
    if (geometry.width() > 0) QCOMPARE(widget->width(), geometry.width());
    if (geometry.height() > 0) QCOMPARE(widget->height(), geometry.height());
    QCOMPARE(widget->font().pixelSize(), pixelSize);
    QCOMPARE(widget->font().family(), QStringLiteral("Calibri"));
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(widget)) shown = label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) shown = edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) shown = button->text();
    QCOMPARE(shown, text);
  }

  void startStates() {
    QVERIFY(!FForm3->CheckBox1->isChecked());
    QVERIFY(!FForm3->CheckBox2->isChecked());
    QVERIFY(FForm3->CheckBox3->isChecked());
    QVERIFY(FForm3->CheckBox4->isChecked());
    QVERIFY(FForm3->CheckBox5->isChecked());
    QCOMPARE(FForm3->SpeedButton1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(FForm3->SpeedButton2->focusPolicy(), Qt::NoFocus);
    QCOMPARE(FForm3->SpeedButton1->iconSize(), QSize(32, 32));
    QCOMPARE(FForm3->palette().color(QPalette::Window), QColor(216, 215, 225));
    QCOMPARE(FForm3->Label1->palette().color(QPalette::WindowText), QColor(112, 112, 112));
    QCOMPARE(FForm3->Shape1->palette().color(QPalette::Window), QColor(102, 105, 138));
  }

  void panesFollowTheWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("minimum") << 1280 << 720;
    QTest::newRow("wider") << 1501 << 800;
    QTest::newRow("full hd") << 1920 << 1000;
  }

  void panesFollowTheWidth() {
    QFETCH(int, width);
    QFETCH(int, height);
    FForm3->resize(width, height);
    QTRY_COMPARE(FForm3->size(), QSize(width, height));
    const TPaneLayout layout = TPaneLayout::ForClientWidth(width);
    QCOMPARE(FForm3->WebBrowser1->geometry(), QRect(0, 136, layout.WebBrowser1.Width, height - 136));
    QCOMPARE(FForm3->WebBrowser2->geometry(),
             QRect(layout.WebBrowser2.Left, 136, layout.WebBrowser2.Width, height - 136));
    QCOMPARE(FForm3->WebBrowser3->geometry(),
             QRect(layout.WebBrowser3.Left, 136, layout.WebBrowser3.Width, height - 136));
    QCOMPARE(FForm3->Shape1->geometry(), QRect(0, 135, width + 16, 1));
    // The controls above the rule keep their places.
    QCOMPARE(FForm3->SpeedButton2->pos(), QPoint(1128, 28));
  }

  void cannotShrinkBelowMinimum() {
    const QSize frame = FForm3->frameGeometry().size() - FForm3->geometry().size();
    QCOMPARE(FForm3->minimumSize() + frame, QSize(1280, 720));
    FForm3->resize(800, 500);
    QTest::qWait(50);
    QVERIFY(FForm3->width() + frame.width() >= 1280);
    QVERIFY(FForm3->height() + frame.height() >= 720);
  }

  void enterSearchesAndIsSwallowed_data() {
    QTest::addColumn<bool>("inWordsLine");
    QTest::addColumn<int>("key");
    QTest::newRow("words line, Return") << true << int(Qt::Key_Return);
    QTest::newRow("words line, keypad Enter") << true << int(Qt::Key_Enter);
    QTest::newRow("excluded line, Return") << false << int(Qt::Key_Return);
  }

  void enterSearchesAndIsSwallowed() {
    QFETCH(bool, inWordsLine);
    QFETCH(int, key);
    UntickEngines();
    FForm3->Edit4->setText(QStringLiteral("solar panels"));
    FForm3->Edit5->setText(QStringLiteral("cheap"));
    TEdit* target = inWordsLine ? FForm3->Edit4 : FForm3->Edit5;
    const QString before = target->text();
    FState->PaneDone.PaneDone(2) = true;
    QTest::keyClick(target, static_cast<Qt::Key>(key));
    QCOMPARE(target->text(), before);
    QCOMPARE(QString::fromStdU16String(FState->Search.SearchText), QStringLiteral("solar panels -cheap"));
    QVERIFY(!FState->PaneDone.PaneDone(2));  // the dispatch ran
  }

  void otherKeysType() {
    FForm3->Edit4->setFocus();
    QTest::keyClicks(FForm3->Edit4, QStringLiteral("ab c"));
    QCOMPARE(FForm3->Edit4->text(), QStringLiteral("ab c"));
    QVERIFY(FState->Search.SearchText.empty());
  }

  void tabOrder() {
    QWidget* expected[] = {FForm3->Edit4,     FForm3->Edit5,     FForm3->CheckBox1, FForm3->CheckBox2,
                           FForm3->CheckBox3, FForm3->CheckBox4, FForm3->CheckBox5};
    QWidget* widget = FForm3->Edit4;
    for (std::size_t i = 1; i < std::size(expected); ++i) {
      widget = widget->nextInFocusChain();
      while (widget->focusPolicy() == Qt::NoFocus || !(widget->focusPolicy() & Qt::TabFocus)) {
        widget = widget->nextInFocusChain();
      }
      QCOMPARE(widget, expected[i]);
    }
  }

  // The cursor is read from the pointer events the window system sends.
  void hoverFocusFollowsTheCursor() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("needs a window system that moves the cursor");
    FForm3->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FForm3.get()));
    const auto centre = [](QWidget* Pane) { return Pane->mapToGlobal(Pane->rect().center()); };
    const auto focused = [](TWebBrowser* Pane) { return static_cast<TBrowserPane*>(Pane)->HasFocus(); };
    QCursor::setPos(centre(FForm3->WebBrowser2));
    QVERIFY(guitest::WaitFor([&] { return focused(FForm3->WebBrowser2); }));
    QCursor::setPos(centre(FForm3->WebBrowser3));
    QVERIFY(guitest::WaitFor([&] { return focused(FForm3->WebBrowser3); }));
    // Off every pane (over the rule's right end, clear of the controls) the focus stays.
    QCursor::setPos(FForm3->mapToGlobal(QPoint(FForm3->width() - 4, 130)));
    QVERIFY(!guitest::WaitFor([&] { return !focused(FForm3->WebBrowser3); }, 300));
    // Into the words line: it takes the focus back.
    QCursor::setPos(FForm3->Edit4->mapToGlobal(FForm3->Edit4->rect().center()));
    QVERIFY(guitest::WaitFor([&] { return FForm3->Edit4->hasFocus(); }));
  }

  void linkLabelColours() {
    QCOMPARE(FForm3->Label7->Colour(), QColor(22, 92, 199));
    QCOMPARE(FForm3->Label7->cursor().shape(), Qt::PointingHandCursor);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(FForm3->Label7, &enter);
    QCOMPARE(FForm3->Label7->Colour(), QColor(54, 124, 215));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(FForm3->Label7, &leave);
    QCOMPARE(FForm3->Label7->Colour(), QColor(22, 92, 199));
  }

  void settingsButtonShowsTheWindowOnce() {
    QVERIFY(!FForm1->isVisible());
    FForm1->Edit1->setText(QStringLiteral("https://example.test/?q="));
    FForm3->SpeedButton2->click();
    QVERIFY(FForm1->isVisible());
    FForm3->SpeedButton2->click();
    QVERIFY(FForm1->isVisible());
    QCOMPARE(FForm1->Edit1->text(), QStringLiteral("https://example.test/?q="));
  }

  void shortWordsLineDoesNothing() {
    FForm3->Edit4->setText(QStringLiteral("x"));
    FState->PaneDone.PaneDone(1) = true;
    FForm3->SpeedButton1->click();
    QVERIFY(FState->PaneDone.PaneDone(1));
    QCOMPARE(QString::fromStdU16String(FState->Search.SearchText), QStringLiteral("x"));
  }
};

VARNESK_GUI_TEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
