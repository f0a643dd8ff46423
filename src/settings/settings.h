// TSettings: the settings in force while the program runs, and the defaults.
//
// One instance lives for the whole run, owned by the application. The
// settings file loader (TSettingsFile) puts the defaults in force and reads
// the file; page completion reads the values at each event. Before the first
// load the options are off and the distances 0. Only the UI thread touches it.
//
// The three search commands have no member here: the settings window's edit
// boxes are their only store (see TSettingsView).
#pragma once

#include "settings/engineslots.h"

#include <cstdint>

struct TSettings {
  bool DeleteWordsOnComplete = false;
  bool AutoScrollRight = false;
  // ScrollPixels1 to ScrollPixels3.
  TPerSlot<std::int32_t> ScrollPixelsBySlot{};

  // The scroll distance of engine slot 1, 2 or 3.
  std::int32_t& ScrollPixels(int Slot) { return ScrollPixelsBySlot[SlotIndex(Slot)]; }
  std::int32_t ScrollPixels(int Slot) const { return ScrollPixelsBySlot[SlotIndex(Slot)]; }
};
