// TForm1: the settings window: the three search commands, the three scroll
// distances, the two options, the maker's copyright line and the help link.
//
// The command boxes are the commands' only store; a search reads them when
// it is dispatched. The window owns its widgets and wires them to the
// settings rules through TSettingsView. Created hidden, right after the main
// window; shown modelessly by the main window's Settings button, hidden
// again (and saved) by OK. It asks for no close box and refuses to close,
// has no default or cancel button, and does not keep the program running on
// its own; destroying it is how it ends.
#pragma once

#include "panes/browserpane.h"
#include "settings/engineslots.h"
#include "settings/settingsview.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class TApplicationState;
class TCommandWarning;
class TEdit;
class TLinkLabel;
class TPresetButton;
class TSettingsFile;

class TForm1 : public QWidget, public TSettingsView {
  Q_OBJECT
 public:
  // Creates every control and wires it; the start-up (startup.h) runs
  // FormCreate next, which loads and rewrites the settings file and sends
  // StartPanes (the main window's, slots 1 to 3) to the start pages.
  TForm1(TApplicationState& State, const TPerSlot<TBrowserPane*>& StartPanes);
  ~TForm1() override;

  // The search command of engine slot 1, 2 or 3, as the box holds it now.
  std::u16string SearchCommand(int Slot) const;

  // Handlers.
  void FormCreate();
  void Button1Click();
  void Label7Click();

  // TSettingsView
  std::u16string Text(TSettingsEdit Edit) const override;
  void SetText(TSettingsEdit Edit, std::u16string_view Text) override;
  bool Checked(TSettingsCheckBox Box) const override;
  void SetChecked(TSettingsCheckBox Box, bool Checked) override;
  void Hide() override;

  // The controls, named as in the window design.
  TEdit* Edit1 = nullptr;
  TEdit* Edit3 = nullptr;
  TEdit* Edit2 = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* Button1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  TEdit* Edit4 = nullptr;
  TEdit* Edit5 = nullptr;
  TEdit* Edit6 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  TEdit* Edit7 = nullptr;
  QLabel* Label6 = nullptr;
  TLinkLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Image1 = nullptr;
  // Beside and under the command boxes of slots 1 to 3, after the design's
  // controls in the tab order.
  TPerSlot<TPresetButton*> PresetButtons{};
  TPerSlot<TCommandWarning*> CommandWarnings{};

 protected:
  void showEvent(QShowEvent* Event) override;
  // OK is the only way back to hidden: a close request from the window
  // manager (its close box, a key, a task bar) is refused.
  void closeEvent(QCloseEvent* Event) override;

 private:
  TEdit* Edit(TSettingsEdit Which) const;
  // The engine preset buttons and the command warnings.
  void AddCommandAids();

  TApplicationState& FState;
  TPerSlot<TBrowserPane*> FStartPanes;
  std::unique_ptr<TSettingsFile> FFile;
};
