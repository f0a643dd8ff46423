// TFakeMainWindowView: the main window's controls held in plain members.
//
// Starts as the window does: both lines empty, the option boxes unticked,
// the engine boxes ticked, the words line without focus, the window active.
// Like the real window, SetChecked raises the box's OnClick entry (when set)
// only when the state changes, after the change. Calls records every write,
// in order; BoxReads counts Checked calls per box.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "panes/mainwindowview.h"

class TFakeMainWindowView final : public TMainWindowView {
 public:
  std::u16string Edit4;
  std::u16string Edit5;
  std::array<bool, 5> Boxes{false, false, true, true, true};
  std::array<std::function<void()>, 5> OnClick;
  bool Edit4HasFocus = false;
  bool Active = true;

  mutable std::array<int, 5> BoxReads{};
  std::vector<std::string> Calls;

  std::u16string Edit4Text() const override { return Edit4; }
  void SetEdit4Text(const std::u16string& Text) override {
    Calls.push_back("SetEdit4Text");
    Edit4 = Text;
  }
  std::u16string Edit5Text() const override { return Edit5; }
  void SetEdit5Text(const std::u16string& Text) override {
    Calls.push_back("SetEdit5Text");
    Edit5 = Text;
  }

  bool Checked(TMainCheckBox Box) const override {
    ++BoxReads[Index(Box)];
    return Boxes[Index(Box)];
  }
  void SetChecked(TMainCheckBox Box, bool Checked) override {
    Calls.push_back("SetChecked" + std::to_string(Index(Box) + 1));
    if (Boxes[Index(Box)] == Checked) return;
    Boxes[Index(Box)] = Checked;
    if (OnClick[Index(Box)]) OnClick[Index(Box)]();
  }

  bool Edit4Focused() const override { return Edit4HasFocus; }
  void FocusEdit4() override {
    Calls.push_back("FocusEdit4");
    Edit4HasFocus = true;
  }

  bool MainWindowActive() const override { return Active; }

  static int Index(TMainCheckBox Box) { return static_cast<int>(Box); }
};
