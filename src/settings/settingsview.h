// TSettingsView: the settings window's controls as the settings rules see them.
//
// The rules (TSettingsFile, the window handlers in settingswindow.h) read and
// write the window only through this interface, so the Qt window and a test
// fake run the same code. The window owns the controls and outlives every
// user of the view. Every member is called on the UI thread.
//
// Edit1 to Edit3 hold the search commands of slots 1 to 3 (their only store),
// Edit4 to Edit6 the scroll distances of panes 1 to 3 as typed; CheckBox1 is
// "delete words on Search complete", CheckBox2 "auto-scroll to the right".
#pragma once

#include "settings/engineslots.h"

#include <string>
#include <string_view>

enum class TSettingsEdit { Edit1 = 1, Edit2, Edit3, Edit4, Edit5, Edit6 };
enum class TSettingsCheckBox { CheckBox1 = 1, CheckBox2 };

// The command box and the distance box of each engine slot.
inline constexpr TPerSlot<TSettingsEdit> CommandEdits{TSettingsEdit::Edit1, TSettingsEdit::Edit2, TSettingsEdit::Edit3};
inline constexpr TPerSlot<TSettingsEdit> DistanceEdits{TSettingsEdit::Edit4, TSettingsEdit::Edit5,
                                                       TSettingsEdit::Edit6};

class TSettingsView {
 public:
  virtual ~TSettingsView() = default;

  virtual std::u16string Text(TSettingsEdit Edit) const = 0;
  virtual void SetText(TSettingsEdit Edit, std::u16string_view Text) = 0;

  virtual bool Checked(TSettingsCheckBox Box) const = 0;
  // Sets the ticked state. When the state changes, the box's click handler
  // (CheckBox1Click or CheckBox2Click) runs before this returns, exactly as
  // when the user clicks the box; setting the state it already has raises
  // nothing. (In Qt: connect the handler to QCheckBox::toggled, which fires
  // for programmatic changes too, not to clicked.)
  virtual void SetChecked(TSettingsCheckBox Box, bool Checked) = 0;

  // Hides the settings window.
  virtual void Hide() = 0;
};
