// TPaneDoneFlags: one done flag per engine slot.
//
// A flag is true when its slot's pane has completed a page, passed the
// readiness tests and been scrolled since the pane's last before-navigate
// event. Page completion alone sets flags true; the search and the settings
// window's creation clear all three. One instance lives for the whole run,
// owned by the application; only the UI thread touches it, so nothing is
// locked.
#pragma once

#include "settings/engineslots.h"

struct TPaneDoneFlags {
  // PaneDone1 to PaneDone3.
  TPerSlot<bool> PaneDoneBySlot{};
  // The input lines are still to be emptied for the latest search (or the
  // start pages): set by ClearAll, cleared by the first all-done test that
  // passes after it, so later completions leave the lines alone.
  bool LinesPending = true;

  // The flag of engine slot 1, 2 or 3 (see SlotIndex for any other).
  bool& PaneDone(int Slot) { return PaneDoneBySlot[SlotIndex(Slot)]; }
  bool PaneDone(int Slot) const { return PaneDoneBySlot[SlotIndex(Slot)]; }

  // Sets all three flags false and LinesPending true.
  void ClearAll() {
    PaneDoneBySlot.fill(false);
    LinesPending = true;
  }
};
