// The engine presets, the command warnings and the search history as a
// person meets them: a preset chosen by keyboard and saved with OK, a bad
// command warned about and fixed, earlier searches brought back with Up and
// Down, and the history remembered across runs from the words line's menu.

#include "gui/commandwarning.h"
#include "gui/enginetips.h"
#include "gui/presetbutton.h"
#include "gui/searchhistorycontrol.h"
#include "gui/tapplicationstate.h"
#include "gui/tedit.h"
#include "gui/tform1.h"
#include "gui/tform3.h"
#include "guitestenv.h"

#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

QString DataFile(const QString& Name) {
  return guitest::Home() + QStringLiteral("/Documents/Orvandel/Varnesk/") + Name;
}

QByteArray FileBytes(const QString& Name) {
  QFile file(DataFile(Name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray SettingsLine(int Line) { return FileBytes(QStringLiteral("vrk.txt")).split('\n').value(Line - 1).trimmed(); }

void WriteFile(const QString& Name, const QByteArray& Bytes) {
  QFile file(DataFile(Name));
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(Bytes);
}

// Runs Drive on the popup menu once it shows, while Open (which may run
// the menu's own loop) is under way.
void WithPopupMenu(const std::function<void()>& Open, const std::function<void(QMenu&)>& Drive) {
  bool driven = false;
  QTimer poll;
  poll.setInterval(20);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || !menu->isVisible() || driven) return;
    driven = true;
    Drive(*menu);
  });
  poll.start();
  Open();
  QVERIFY(guitest::WaitFor([&] { return driven && !QApplication::activePopupWidget(); }, 10000));
}

QAction* ActionNamed(QMenu& Menu, const QString& Text) {
  for (QAction* action : Menu.actions()) {
    if (action->text() == Text) return action;
  }
  return nullptr;
}

}  // namespace

class EnginesHistoryTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TApplicationState> FState;
  std::unique_ptr<TForm3> FForm3;
  std::unique_ptr<TForm1> FForm1;

  void Open() {
    guitest::OpenWindows(FState, FForm3, FForm1);
    FForm3->show();
    QVERIFY(QTest::qWaitForWindowExposed(FForm3.get()));
    // Searches compose and stay here: no pane navigates.
    for (QCheckBox* box : {FForm3->CheckBox3, FForm3->CheckBox4, FForm3->CheckBox5}) box->setChecked(false);
  }

  void ShowSettings() {
    FForm3->SpeedButton2->click();
    QVERIFY(QTest::qWaitForWindowExposed(FForm1.get()));
  }

  void Search(const QString& Words, const QString& Excluded) {
    FForm3->Edit4->setText(Words);
    FForm3->Edit5->setText(Excluded);
    QTest::keyClick(FForm3->Edit4, Qt::Key_Return);
  }

  void CompareLines(const QString& Words, const QString& Excluded) {
    QCOMPARE(FForm3->Edit4->text(), Words);
    QCOMPARE(FForm3->Edit5->text(), Excluded);
  }

  // Opens the words line's context menu and triggers the entry named Text.
  void WordsLineMenu(const QString& Text) {
    WithPopupMenu(
        [&] {
          QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                                  FForm3->Edit4->mapToGlobal(QPoint(10, 10)));
          QApplication::sendEvent(FForm3->Edit4, &event);
        },
        [&](QMenu& Menu) {
          QAction* action = ActionNamed(Menu, Text);
          QVERIFY2(action, qPrintable(Text));
          Menu.close();
          action->trigger();
        });
  }

 private Q_SLOTS:
  void init() {
    QFile::remove(DataFile(QStringLiteral("varnesk-history.txt")));
    QFile::remove(DataFile(QStringLiteral("varnesk.ini")));
  }

  void cleanup() { QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList()); }

  void presetButtonsSitBetweenBoxAndLabelAfterTheDesignInTabOrder() {
    Open();
    const std::array<QWidget*, 3> boxes{FForm1->Edit1, FForm1->Edit2, FForm1->Edit3};
    const std::array<QWidget*, 3> labels{FForm1->Label2, FForm1->Label3, FForm1->Label4};
    QWidget* previous = FForm1->Edit7;
    for (std::size_t i = 0; i < 3; ++i) {
      const QRect button = FForm1->PresetButtons[i]->geometry();
      QVERIFY(button.left() > boxes[i]->geometry().right());
      QVERIFY(button.right() < labels[i]->geometry().left());
      QCOMPARE(button.top(), boxes[i]->y());
      QWidget* next = previous->nextInFocusChain();
      while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
      QCOMPARE(next, FForm1->PresetButtons[i]);
      previous = next;
    }
  }

  void presetChosenByKeyboardFillsTheBoxAndOkSavesIt() {
    Open();
    ShowSettings();
    FForm1->PresetButtons[0]->setFocus(Qt::TabFocusReason);
    QStringList offered;
    WithPopupMenu([&] { QTest::keyClick(FForm1->PresetButtons[0], Qt::Key_Space); },
                  [&](QMenu& Menu) {
                    for (const QAction* action : Menu.actions()) offered << action->text();
                    for (int step = 0; step < 12 && (!Menu.activeAction() ||
                                                     Menu.activeAction()->text() != QStringLiteral("DuckDuckGo"));
                         ++step) {
                      QTest::keyClick(&Menu, Qt::Key_Down);
                    }
                    QTest::keyClick(&Menu, Qt::Key_Return);
                  });
    QCOMPARE(offered, QStringLiteral("Google,Bing,Yahoo,DuckDuckGo,Brave Search,Startpage,Ecosia,Qwant,Mojeek,"
                                     "Wikipedia (English)")
                          .split(u','));
    QCOMPARE(FForm1->Edit1->text(), QStringLiteral("https://duckduckgo.com/?q="));
    // As if typed: one step of the box's undo.
    FForm1->Edit1->undo();
    QCOMPARE(FForm1->Edit1->text(), QStringLiteral("https://www.google.com/search?q="));
    FForm1->Edit1->redo();
    QCOMPARE(FForm1->Edit1->text(), QStringLiteral("https://duckduckgo.com/?q="));
    QVERIFY(!FForm1->CommandWarnings[0]->isVisible());
    QCOMPARE(FForm3->CheckBox3->toolTip(), enginetips::ToolTip(QStringLiteral("https://duckduckgo.com/?q=")));
    QCOMPARE(SettingsLine(1), QByteArray("https://www.google.com/search?q="));  // not before OK
    FForm1->Button1->click();
    QCOMPARE(SettingsLine(1), QByteArray("https://duckduckgo.com/?q="));
  }

  void badCommandIsWarnedAboutWhileTypedAndStillSaved() {
    Open();
    ShowSettings();
    TEdit* box = FForm1->Edit2;
    TCommandWarning* warning = FForm1->CommandWarnings[1];
    QVERIFY(!warning->isVisible());
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("localhost:8765/search?q="));
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), QStringLiteral("needs a scheme and a host, like https://example.com/search?q="));
    QVERIFY(!FForm1->CommandWarnings[0]->isVisible() && !FForm1->CommandWarnings[2]->isVisible());
    // Under its own box, above the next row.
    QVERIFY(warning->geometry().top() > box->geometry().bottom());
    QVERIFY(warning->geometry().bottom() < FForm1->Edit3->geometry().top());
    QCOMPARE(FForm3->CheckBox4->toolTip(), enginetips::ToolTip(QStringLiteral("localhost:8765/search?q=")));

    FForm1->Button1->click();  // OK saves what the box holds, warning or not
    QCOMPARE(SettingsLine(2), QByteArray("localhost:8765/search?q="));

    ShowSettings();
    QVERIFY(warning->isVisible());
    box->setFocus();
    box->setCursorPosition(0);
    QTest::keyClicks(box, QStringLiteral("http:/"));
    QVERIFY(warning->isVisible());
    QTest::keyClicks(box, QStringLiteral("/"));
    QVERIFY(!warning->isVisible());
    QCOMPARE(box->text(), QStringLiteral("http://localhost:8765/search?q="));
  }

  void upAndDownBringEarlierSearchesBackIntoBothLines() {
    Open();
    Search(QStringLiteral("solar panels"), QStringLiteral("cheap"));
    Search(QStringLiteral("wind power"), QString());
    Search(QStringLiteral("wind power"), QString());  // a repeat is not kept again
    QCOMPARE(FForm3->SearchHistory->History().Searches().size(), std::size_t(2));

    FForm3->Edit4->setText(QString());
    FForm3->Edit4->setFocus();
    QTest::keyClicks(FForm3->Edit4, QStringLiteral("tid"));
    QTest::keyClick(FForm3->Edit4, Qt::Key_Up);
    CompareLines(QStringLiteral("wind power"), QString());
    QTest::keyClick(FForm3->Edit5, Qt::Key_Up);  // either line steps
    CompareLines(QStringLiteral("solar panels"), QStringLiteral("cheap"));
    QTest::keyClick(FForm3->Edit4, Qt::Key_Up);
    CompareLines(QStringLiteral("solar panels"), QStringLiteral("cheap"));
    QTest::keyClick(FForm3->Edit4, Qt::Key_Down);
    CompareLines(QStringLiteral("wind power"), QString());
    QTest::keyClick(FForm3->Edit4, Qt::Key_Down);
    CompareLines(QStringLiteral("tid"), QString());

    // An Up shown search searches like a typed one.
    QTest::keyClick(FForm3->Edit4, Qt::Key_Up);
    QTest::keyClick(FForm3->Edit4, Qt::Key_Up);
    QTest::keyClick(FForm3->Edit4, Qt::Key_Return);
    QCOMPARE(QString::fromStdU16String(FState->Search.SearchText), QStringLiteral("solar panels -cheap"));
    QVERIFY(!QFile::exists(DataFile(QStringLiteral("varnesk-history.txt"))));  // not remembered: nothing on disk
  }

  void rememberedSearchesOutliveTheRun() {
    Open();
    Search(QStringLiteral("solar panels"), QStringLiteral("cheap"));
    WordsLineMenu(QStringLiteral("Remember searches"));
    QVERIFY(FState->Preferences.RememberSearches);
    QVERIFY(FileBytes(QStringLiteral("varnesk.ini")).contains("RememberSearches=true"));
    QCOMPARE(FileBytes(QStringLiteral("varnesk-history.txt")), QByteArray("solar panels\tcheap\n"));
    Search(QStringLiteral("wind"), QString());
    QCOMPARE(FileBytes(QStringLiteral("varnesk-history.txt")), QByteArray("solar panels\tcheap\nwind\t\n"));
    QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList());

    Open();  // read at start
    FForm3->Edit4->setFocus();
    QTest::keyClick(FForm3->Edit4, Qt::Key_Up);
    CompareLines(QStringLiteral("wind"), QString());
    QCOMPARE(guitest::CloseWindows(FForm3, FForm1), QStringList());

    // A broken file is ignored, and kept until the next remembered search.
    const QByteArray broken("solar\tcheap\nnot a history line\n");
    WriteFile(QStringLiteral("varnesk-history.txt"), broken);
    Open();
    QVERIFY(FForm3->SearchHistory->History().Searches().empty());
    QCOMPARE(FileBytes(QStringLiteral("varnesk-history.txt")), broken);
    Search(QStringLiteral("tidal"), QString());
    QCOMPARE(FileBytes(QStringLiteral("varnesk-history.txt")), QByteArray("tidal\t\n"));

    WordsLineMenu(QStringLiteral("Clear search history"));
    QVERIFY(FForm3->SearchHistory->History().Searches().empty());
    QCOMPARE(FileBytes(QStringLiteral("varnesk-history.txt")), QByteArray());
    Search(QStringLiteral("geothermal"), QString());
    WordsLineMenu(QStringLiteral("Remember searches"));  // untick: the file goes
    QVERIFY(!FState->Preferences.RememberSearches);
    QVERIFY(!QFile::exists(DataFile(QStringLiteral("varnesk-history.txt"))));
    QCOMPARE(FForm3->SearchHistory->History().Searches().size(), std::size_t(1));  // this run's stay
  }
};

VARNESK_GUI_TEST_MAIN(EnginesHistoryTest)
#include "engines_history_test.moc"
