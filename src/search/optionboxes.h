// TOptionBoxes: keeps " Exact phrase" (CheckBox1) and " Site search"
// (CheckBox2) from being ticked together.
//
// The window binds CheckBox1Click to CheckBox1 and to the three engine boxes,
// and CheckBox2Click to CheckBox2. Ticking one option unticks the other;
// unticking one leaves the other as it was; an engine box never changes the
// options, since they are never both ticked. Unticking by program raises the
// unticked box's handler (see TMainWindowView), which then finds its box
// unticked and does nothing.
//
// Lifetime: the view is borrowed and must outlive this object. UI thread
// only.
#pragma once

#include "panes/mainwindowview.h"

class TOptionBoxes {
 public:
  explicit TOptionBoxes(TMainWindowView& View);

  // If CheckBox1 is ticked, unticks CheckBox2.
  void CheckBox1Click();
  // If CheckBox2 is ticked, unticks CheckBox1.
  void CheckBox2Click();

 private:
  TMainWindowView& FView;
};
