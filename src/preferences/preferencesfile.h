// TPreferencesFile: reads and saves "varnesk.ini" in the data folder.
//
// Load answers the defaults for a file that is missing, unreadable or over
// MaxPreferencesFileBytes, and whatever Parse makes of any other; it never
// fails. Save writes through a temporary file and a rename, so a failed save
// keeps the previous file whole; it answers 0 or the file layer's error code.
// The layer is borrowed and must outlive this object. UI thread only.
#pragma once

#include "preferences/preferences.h"
#include "settings/filelayer.h"

#include <cstddef>
#include <string>

inline constexpr std::size_t MaxPreferencesFileBytes = 1 << 20;

class TPreferencesFile {
 public:
  // DataFolder ends in the platform's separator, or is empty for the
  // current directory.
  explicit TPreferencesFile(std::u16string DataFolder, TFileLayer& Files = SystemFileLayer());

  TPreferences Load() const;
  int Save(const TPreferences& Preferences) const;

 private:
  std::u16string FDataFolder;
  TFileLayer& FFiles;
};
