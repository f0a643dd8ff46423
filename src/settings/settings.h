// TSettings: the settings in force while the program runs.
//
// One instance lives for the whole run, owned by the application. The
// settings file loader puts the defaults in force and reads the file; page
// completion reads the values at each event. Before the first load the
// options are off and the distances 0. Only the UI thread touches it.
#pragma once

#include <cstdint>

struct TSettings {
  bool DeleteWordsOnComplete = false;
  bool AutoScrollRight = false;
  std::int32_t ScrollPixels1 = 0;
  std::int32_t ScrollPixels2 = 0;
  std::int32_t ScrollPixels3 = 0;

  // The scroll distance of engine slot 1, 2 or 3.
  std::int32_t& ScrollPixels(int Slot) {
    return Slot == 1 ? ScrollPixels1 : Slot == 2 ? ScrollPixels2 : ScrollPixels3;
  }
  std::int32_t ScrollPixels(int Slot) const {
    return Slot == 1 ? ScrollPixels1 : Slot == 2 ? ScrollPixels2 : ScrollPixels3;
  }
};
