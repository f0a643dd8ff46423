// TMainWindowView: the main window's input controls as the search and pane
// rules see them.
//
// The rules (query composition, option exclusion, page completion, focus on
// mouse-over) read and write the window only through this interface; the Qt
// window implements it over its widgets and the tests with a fake. All
// members are called on the UI thread. The view belongs to the main window
// and lives as long as it; the rules hold a reference to it.
//
// Setting a check box to the state it already has changes nothing. Setting
// it to the other state raises that box's click handler before SetChecked
// returns, exactly as a user's click would: the window binds the handlers to
// the toggled signal, which programmatic changes raise as well, and a fake
// must behave the same way.
#pragma once

#include "settings/engineslots.h"

#include <string>

// The main window's five check boxes: the two query options and the three
// engine slots' enable boxes.
enum class TMainCheckBox {
  CheckBox1,  // " Exact phrase"
  CheckBox2,  // " Site search"
  CheckBox3,  // " Google", engine slot 1
  CheckBox4,  // " Bing", engine slot 2
  CheckBox5,  // " Yahoo", engine slot 3
};

inline constexpr TPerSlot<TMainCheckBox> EngineCheckBoxes{TMainCheckBox::CheckBox3, TMainCheckBox::CheckBox4,
                                                          TMainCheckBox::CheckBox5};

class TMainWindowView {
 public:
  virtual ~TMainWindowView() = default;

  // The words line.
  virtual std::u16string Edit4Text() const = 0;
  virtual void SetEdit4Text(const std::u16string& Text) = 0;
  // The excluded-words line.
  virtual std::u16string Edit5Text() const = 0;
  virtual void SetEdit5Text(const std::u16string& Text) = 0;

  virtual bool Checked(TMainCheckBox Box) const = 0;
  // See the header comment: a change of state raises Box's click handler.
  virtual void SetChecked(TMainCheckBox Box, bool Checked) = 0;

  // Whether the words line has the keyboard focus, and giving it the focus.
  virtual bool Edit4Focused() const = 0;
  virtual void FocusEdit4() = 0;

  // Whether the main window is the active window.
  virtual bool MainWindowActive() const = 0;

  // The enable box of engine slot 1, 2 or 3 (see SlotIndex for any other).
  static constexpr TMainCheckBox EngineCheckBox(int Slot) { return EngineCheckBoxes[SlotIndex(Slot)]; }
};
