#include "panes/panedone.h"

bool& TPaneDoneFlags::PaneDone(int Slot) {
  return Slot == 1 ? PaneDone1 : Slot == 2 ? PaneDone2 : PaneDone3;
}

bool TPaneDoneFlags::PaneDone(int Slot) const {
  return Slot == 1 ? PaneDone1 : Slot == 2 ? PaneDone2 : PaneDone3;
}

void TPaneDoneFlags::ClearAll() {
  PaneDone1 = false;
  PaneDone2 = false;
  PaneDone3 = false;
  LinesPending = true;
}
