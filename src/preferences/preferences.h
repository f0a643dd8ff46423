// TPreferences: the program's own settings beyond the eight of the settings
// file, kept in "varnesk.ini" beside it in the data folder, so that vrk.txt
// stays exactly the file its readers know.
//
// The file is INI text under a "[General]" section, one "key=value" a line:
//   Preconnect=true|false         get the ticked engines ready (their site's
//                                 page process and connection) when a new
//                                 search is typed (default true)
//   Zoom1, Zoom2, Zoom3=percent   each slot's pane zoom, 25 to 500 (100)
//   ScrollTogether=true|false     the panes scroll together (false)
//   MarkSharedResults=true|false  results shown by several engines are marked
//                                 (true)
//   RememberSearches=true|false   the search history is kept on disk (false)
// Reading ignores section lines, comments (";", "#"), unknown keys and values
// that do not parse, and trims spaces, so a missing, broken or foreign file
// gives the defaults and never stops the start. A plain value; Parse and
// Format are pure.
#pragma once

#include <array>
#include <string>
#include <string_view>

inline constexpr std::u16string_view PreferencesFileName = u"varnesk.ini";
inline constexpr std::u16string_view PreferencesTempFileName = u"varnesk.ini.tmp";

struct TPreferences {
  static constexpr int kMinZoomPercent = 25;
  static constexpr int kMaxZoomPercent = 500;

  bool Preconnect = true;
  std::array<int, 3> ZoomPercent{100, 100, 100};  // slots 1 to 3
  bool ScrollTogether = false;
  bool MarkSharedResults = true;
  bool RememberSearches = false;

  // The preferences a file of these bytes holds, defaults for the rest.
  static TPreferences Parse(std::string_view Bytes);
  // The file's text for these preferences; Parse reads it back unchanged.
  std::string Format() const;

  friend bool operator==(const TPreferences&, const TPreferences&) = default;
};
