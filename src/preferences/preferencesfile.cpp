#include "preferences/preferencesfile.h"

#include <utility>

TPreferencesFile::TPreferencesFile(std::u16string DataFolder, TFileLayer& Files)
    : FDataFolder(std::move(DataFolder)), FFiles(Files) {}

TPreferences TPreferencesFile::Load() const {
  const std::u16string Name = FDataFolder + std::u16string(PreferencesFileName);
  if (!FFiles.FileExists(Name)) return {};
  std::string Bytes;
  // One byte over the cap tells an oversized file from one exactly at it.
  if (ReadFileBytes(FFiles, Name, MaxPreferencesFileBytes + 1, Bytes) != 0) return {};
  if (Bytes.size() > MaxPreferencesFileBytes) return {};
  return TPreferences::Parse(Bytes);
}

int TPreferencesFile::Save(const TPreferences& Preferences) const {
  return WriteFileReplacing(FFiles, FDataFolder + std::u16string(PreferencesFileName),
                            FDataFolder + std::u16string(PreferencesTempFileName), Preferences.Format());
}
