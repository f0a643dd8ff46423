// TPreferences: the program's own settings beyond the eight of the settings
// file, kept in "varnesk.ini" beside it in the data folder, so that vrk.txt
// stays exactly the file its readers know.
//
// The file is INI text: "key=value" lines, "[section]" lines and lines
// starting with ";" or "#" are ignored, as are unknown keys and values that
// do not parse; spaces around keys and values are dropped. So a missing,
// broken or foreign file gives the defaults, and never stops the start.
//   Preconnect=true|false   warm up the ticked engines' connections when a
//                           new search is typed (default true)
// A plain value; Parse is a pure function.
#pragma once

#include <string_view>

inline constexpr std::u16string_view PreferencesFileName = u"varnesk.ini";

struct TPreferences {
  bool Preconnect = true;

  // The preferences a file of these bytes holds, defaults for the rest.
  static TPreferences Parse(std::string_view Bytes);
};
