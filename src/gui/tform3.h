// TForm3: the main window: the two input lines, the option and engine boxes,
// the Search and Settings buttons, the maker's link and the three result
// panes under the rule.
//
// The window owns its widgets and wires their signals to handlers; the rules
// those handlers follow (composition, dispatch, pane layout, page
// completion, hover focus) live in the core libraries and reach the
// widgets through TMainWindowView. Created once at start-up; closing it ends
// the program.
#pragma once

#include "panes/browserpane.h"
#include "panes/mainwindowview.h"

#include <QMargins>
#include <QWidget>

#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QToolButton;
class QWebEngineProfile;
class TApplicationState;
class TConnectionWarmer;
class TCursorTracker;
class TEdit;
class TForm1;
class TLinkLabel;
class TOptionBoxes;
class TPageCompletion;
class TQueryComposer;
class TSearchDispatcher;
class TSearchHistoryControl;
class TSearchWarmUp;
class TWebBrowser;

class TForm3 : public QWidget, public TMainWindowView {
  Q_OBJECT
 public:
  // Creates every control and wires it; the start-up (startup.h) runs
  // FormCreate next. Profile null: the default browser profile.
  TForm3(TApplicationState& State, QWebEngineProfile* Profile);
  ~TForm3() override;

  // The settings window, shown by the Settings button and read by the
  // searches and the hover pass. Set once, before the message loop.
  void SetSettingsWindow(TForm1* Settings);

  TBrowserPane& Pane(int Slot);
  // WebBrowser1 to WebBrowser3, the panes of slots 1 to 3.
  TPerSlot<TBrowserPane*> Panes() const;

  // Reads the program's own preferences from the data folder FormCreate
  // resolved, and wires the features they set up: the warm-up, each pane's
  // zoom, shared-result marks, scrolling together and the search history.
  void LoadPreferences();

  // Writes the program's own preferences (TApplicationState::Preferences)
  // to their file; a failure is reported on the console only, since it
  // follows a zoom step or a menu tick, not an explicit save.
  void SavePreferences();

  // Handlers.
  void FormCreate();
  void FormResize();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void Edit4KeyPress(char16_t& Key);
  void Label7Click();
  void ApplicationEvents1Idle();

  // TMainWindowView
  std::u16string Edit4Text() const override;
  void SetEdit4Text(const std::u16string& Text) override;
  std::u16string Edit5Text() const override;
  void SetEdit5Text(const std::u16string& Text) override;
  bool Checked(TMainCheckBox Box) const override;
  void SetChecked(TMainCheckBox Box, bool Checked) override;
  bool Edit4Focused() const override;
  void FocusEdit4() override;
  bool MainWindowActive() const override;

  // The controls, named as in the window design.
  TWebBrowser* WebBrowser3 = nullptr;
  TWebBrowser* WebBrowser1 = nullptr;
  TWebBrowser* WebBrowser2 = nullptr;
  TEdit* Edit4 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QWidget* Shape1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  TEdit* Edit5 = nullptr;
  QCheckBox* CheckBox3 = nullptr;
  QCheckBox* CheckBox4 = nullptr;
  QCheckBox* CheckBox5 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  TLinkLabel* Label7 = nullptr;
  // Up and Down through earlier searches, and the words line's history menu.
  TSearchHistoryControl* SearchHistory = nullptr;

  static constexpr int kMinTrackWidth = 1280;
  static constexpr int kMinTrackHeight = 720;

 protected:
  void resizeEvent(QResizeEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;

 private:
  QCheckBox* CheckBox(TMainCheckBox Box) const;
  // The search command of engine slot 1, 2 or 3 in the settings window.
  std::u16string SearchCommand(int Slot) const;
  // Keeps the minimum outer size (frame included) at kMinTrackWidth x
  // kMinTrackHeight: the client minimum is that less the frame the window
  // manager draws now (none without one).
  void FollowFrame();
  // The panes' zoom (kept per slot in the preferences), their "Search for"
  // entry, and Ctrl+L to the words line.
  void WirePaneBrowsing();
  // Runs a handler; an error that escapes it goes to the standard error display.
  template <class Handler>
  void Guarded(Handler&& Run);

  TApplicationState& FState;
  TForm1* FSettings = nullptr;
  std::unique_ptr<TOptionBoxes> FOptionBoxes;
  std::unique_ptr<TQueryComposer> FComposer;
  std::unique_ptr<TPageCompletion> FCompletion;
  std::unique_ptr<TSearchDispatcher> FDispatcher;
  std::unique_ptr<TSearchWarmUp> FWarmUp;
  TConnectionWarmer* FWarmer = nullptr;
  TCursorTracker* FCursor = nullptr;
  bool FInIdle = false;
  std::optional<QMargins> FFrame;  // the frame the minimum was set for
};
