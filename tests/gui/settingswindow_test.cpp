// The settings window as a person meets it: first start, OK with odd
// distance boxes, the option boxes, tab order, keys that must not close it,
// and the window's fixed frame.

#include "gui/tapplicationstate.h"
#include "gui/tedit.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "gui/twebbrowser.h"
#include "guitestenv.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QToolButton>

#include <memory>

namespace {

QString SettingsFilePath() { return guitest::Home() + QStringLiteral("/Documents/Orvandel/Varnesk/vrk.txt"); }

QByteArray SettingsFileBytes() {
  QFile file(SettingsFilePath());
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class SettingsWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TApplicationState> FState;
  std::unique_ptr<TForm3> FForm3;
  std::unique_ptr<TForm1> FForm1;

  void Start() { guitest::OpenWindows(FState, FForm3, FForm1); }

 private Q_SLOTS:
  void initTestCase() {
    // A fresh account: no data folder yet.
    QDir(guitest::Home() + QStringLiteral("/Documents/Orvandel")).removeRecursively();
  }

  void cleanup() { QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList()); }

  void firstStartWritesDefaultsAndOpensStartPages() {
    Start();
    QCOMPARE(FState->DataFolder, QString(guitest::Home() + QStringLiteral("/Documents/Orvandel/Varnesk/")).toStdU16String());
    QCOMPARE(SettingsFileBytes(), QByteArray("https://www.google.com/search?q=\r\n"
                                             "https://www.bing.com/search?q=\r\n"
                                             "https://search.yahoo.com/search?p=\r\n"
                                             "yes\r\nyes\r\n150\r\n100\r\n120\r\n"));
    QVERIFY(!FForm1->isVisible());
    const QString folder = QCoreApplication::applicationDirPath();
    int slot = 1;
    for (TWebBrowser* pane : {FForm3->WebBrowser1, FForm3->WebBrowser2, FForm3->WebBrowser3}) {
      QTRY_COMPARE_WITH_TIMEOUT(pane->url(), QUrl::fromLocalFile(folder + QStringLiteral("/start%1.htm").arg(slot)),
                                20000);
      ++slot;
    }
    const TPaneDoneFlags& done = FState->PaneDone;
    QVERIFY(guitest::WaitFor([&] { return done.PaneDoneBySlot == TPerSlot<bool>{true, true, true}; }));
    QVERIFY(!FForm3->WebBrowser1->title().isEmpty());
  }

  void okWithOddDistanceBoxes_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("pixels");  // -1: the distance in force before stays
    QTest::addColumn<QByteArray>("line6");
    QTest::newRow("empty box") << "" << 0 << QByteArray("0");
    QTest::newRow("leading zeros") << "007" << 7 << QByteArray("007");
    // Not a number: the file keeps the text, the distance in force stays.
    QTest::newRow("digits then a letter") << "12a" << -1 << QByteArray("12a");
  }

  void okWithOddDistanceBoxes() {
    QFETCH(QString, typed);
    QFETCH(int, pixels);
    QFETCH(QByteArray, line6);
    Start();
    if (pixels < 0) pixels = FState->Settings.ScrollPixels(1);
    FForm3->SpeedButton2->click();
    FForm1->Edit4->setText(typed);
    FForm1->Button1->click();
    QVERIFY(!FForm1->isVisible());
    QCOMPARE(FForm1->Edit4->text(), QString::number(pixels));
    QCOMPARE(FState->Settings.ScrollPixels(1), pixels);
    QCOMPARE(SettingsFileBytes().split('\n').value(5), line6 + '\r');
  }

  void longLinesAreNotCut() {
    Start();
    const QString command = QStringLiteral("https://x/?q=") + QString(40000, QLatin1Char('a'));
    FForm3->SpeedButton2->click();
    for (TEdit* edit : {FForm1->Edit1, FForm1->Edit2, FForm1->Edit3}) edit->setText(command);
    FForm1->Button1->click();
    const QList<QByteArray> lines = SettingsFileBytes().split('\n');
    for (int line = 0; line < 3; ++line) QCOMPARE(lines.value(line), command.toUtf8() + '\r');
    for (TEdit* edit : {FForm3->Edit4, FForm3->Edit5}) {
      edit->setText(command);
      QCOMPARE(edit->text().size(), command.size());
    }
  }

  void optionBoxesTakeEffectAtOnce() {
    Start();
    QVERIFY(FState->Settings.AutoScrollRight);
    FForm1->CheckBox2->click();
    QVERIFY(!FState->Settings.AutoScrollRight);
    FForm1->CheckBox1->click();
    QVERIFY(!FState->Settings.DeleteWordsOnComplete);
    // Not saved until OK.
    QVERIFY(SettingsFileBytes().contains("yes\r\nyes\r\n"));
  }

  void tabOrder() {
    Start();
    QWidget* expected[] = {FForm1->Edit1,     FForm1->Edit3, FForm1->Edit2, FForm1->Button1, FForm1->CheckBox1,
                           FForm1->CheckBox2, FForm1->Edit4, FForm1->Edit5, FForm1->Edit6,   FForm1->Edit7};
    for (std::size_t i = 1; i < std::size(expected); ++i) {
      QWidget* next = expected[i - 1]->nextInFocusChain();
      while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
      QCOMPARE(next, expected[i]);
    }
  }

  void enterAndEscapeDoNotClose() {
    Start();
    FForm3->SpeedButton2->click();
    QVERIFY(QTest::qWaitForWindowExposed(FForm1.get()));
    QTest::keyClick(FForm1->Edit1, Qt::Key_Return);
    QTest::keyClick(FForm1->Edit4, Qt::Key_Escape);
    QVERIFY(FForm1->isVisible());
  }

  void distanceBoxesTakeDigitsOnly() {
    Start();
    FForm1->Edit5->clear();
    QTest::keyClicks(FForm1->Edit5, QStringLiteral("4x2 -"));
    QCOMPARE(FForm1->Edit5->text(), QStringLiteral("42"));
    QCOMPARE(FForm1->Edit5->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  }

  void fixedFrameOnTop() {
    Start();
    QCOMPARE(FForm1->size(), QSize(904, 500));
    QCOMPARE(FForm1->minimumSize(), FForm1->maximumSize());
    const Qt::WindowFlags flags = FForm1->windowFlags();
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(!(flags & Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & Qt::WindowSystemMenuHint));
    QVERIFY(!FForm1->Button1->isDefault());
    QVERIFY(!FForm1->Button1->autoDefault());
    QVERIFY(FForm1->Edit7->isReadOnly());
    QCOMPARE(FForm1->windowTitle(), QStringLiteral("Settings"));
  }

  void missingDataFolderIsReported() {
    // A plain file where the maker's folder belongs: the folder cannot be
    // made, the start-up save fails with "path not found" and says so.
    QDir(guitest::Home() + QStringLiteral("/Documents/Orvandel")).removeRecursively();
    QFile blocker(guitest::Home() + QStringLiteral("/Documents/Orvandel"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Start();
    const QStringList errors = guitest::TakeErrors();
    QCOMPARE(errors, QStringList{QStringLiteral("Invalid file name - ") + SettingsFilePath() + QStringLiteral(".")});
    // FormCreate stopped before the start pages.
    QVERIFY(FForm3->WebBrowser1->url().isEmpty());
    QFile::remove(guitest::Home() + QStringLiteral("/Documents/Orvandel"));
  }
};

VARNESK_GUI_TEST_MAIN(SettingsWindowTest)
#include "settingswindow_test.moc"
