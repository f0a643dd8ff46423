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

#include <cstdint>
#include <string_view>

// Default search commands of engine slots 1 (Google), 2 (Bing), 3 (Yahoo);
// also the design texts of the settings window's command boxes.
inline constexpr std::u16string_view DefaultSearchCommand1 = u"https://www.google.com/search?q=";
inline constexpr std::u16string_view DefaultSearchCommand2 = u"https://www.bing.com/search?q=";
inline constexpr std::u16string_view DefaultSearchCommand3 = u"https://search.yahoo.com/search?p=";

// Default scroll distances in pixels of panes 1 to 3.
inline constexpr std::int32_t DefaultScrollPixels1 = 150;
inline constexpr std::int32_t DefaultScrollPixels2 = 100;
inline constexpr std::int32_t DefaultScrollPixels3 = 120;

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
