// TFakeSettingsView: the settings window's controls in memory, starting with
// the window's design values. Changing a box's state runs its click handler,
// as the real window does. Borrows the settings; assigning a fresh fake
// resets the window. Test and fuzz use only.
#pragma once

#include "settings/settings.h"
#include "settings/settingsview.h"
#include "settings/settingswindow.h"

#include <array>
#include <string>

class TFakeSettingsView final : public TSettingsView {
 public:
  explicit TFakeSettingsView(TSettings& Settings) : FSettings(&Settings) {}

  std::u16string Text(TSettingsEdit Edit) const override { return Texts[Index(Edit)]; }
  void SetText(TSettingsEdit Edit, std::u16string_view Text) override { Texts[Index(Edit)] = Text; }

  bool Checked(TSettingsCheckBox Box) const override { return Boxes[Index(Box)]; }
  void SetChecked(TSettingsCheckBox Box, bool Checked) override {
    if (Boxes[Index(Box)] == Checked) return;
    Boxes[Index(Box)] = Checked;
    ++Clicks[Index(Box)];
    if (Box == TSettingsCheckBox::CheckBox1)
      CheckBox1Click(*this, *FSettings);
    else
      CheckBox2Click(*this, *FSettings);
  }

  void Hide() override { Visible = false; }

  std::array<std::u16string, 6> Texts{std::u16string(DefaultSearchCommand[0]), std::u16string(DefaultSearchCommand[1]),
                                      std::u16string(DefaultSearchCommand[2]), u"150", u"100", u"120"};
  std::array<bool, 2> Boxes{true, true};
  std::array<int, 2> Clicks{};
  bool Visible = true;

 private:
  static std::size_t Index(TSettingsEdit Edit) { return static_cast<std::size_t>(Edit) - 1; }
  static std::size_t Index(TSettingsCheckBox Box) { return static_cast<std::size_t>(Box) - 1; }

  TSettings* FSettings = nullptr;
};
