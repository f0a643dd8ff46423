// TSettingsFile: reads and writes the settings file "vrk.txt" between the
// settings window's controls (TSettingsView) and the values in force
// (TSettings).
//
// The file is eight lines, each ended by CR LF when written: the three search
// commands (Edit1-Edit3), "yes"/"no" for DeleteWordsOnComplete and
// AutoScrollRight, and the three scroll-distance texts (Edit4-Edit6), in the
// given TTextEncoding. Reading follows SplitSettingsLines (LF or CR LF,
// Ctrl-Z ends the file, missing lines are empty) and ParseNumber; only
// "yes" exactly means true. Reading stops after MaxSettingsFileBytes, which
// counts as the end of the file. A CR, LF or Ctrl-Z inside a text is written
// as a space, so that the file always keeps its eight lines.
//
// Saving never truncates the file in place: the content goes to "vrk.tmp" in
// the same folder, is flushed to the device and then renamed over
// "vrk.txt"; on any failure the temporary file is removed and the previous
// file stays whole.
//
// Failures throw EInOutError naming the settings file (a name longer than
// MaxFileNameLength, or holding U+0000, gives code 3 before anything is
// opened). A failed number is never an error.
//
// The view, settings, layer and encoding are borrowed and must outlive this
// object. UI thread only.
#pragma once

#include "settings/filelayer.h"
#include "settings/settings.h"
#include "settings/settingsview.h"
#include "settings/textencoding.h"

#include <climits>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::u16string_view SettingsFileName = u"vrk.txt";
inline constexpr std::u16string_view SettingsTempFileName = u"vrk.tmp";
// The longest usable name: on Windows 259 UTF-16 units (MAX_PATH less the
// NUL); elsewhere PATH_MAX less the NUL, counted in bytes of its UTF-8 form,
// as the kernel counts it.
#ifdef _WIN32
inline constexpr std::size_t MaxFileNameLength = 259;
#else
inline constexpr std::size_t MaxFileNameLength = PATH_MAX - 1;
#endif
inline constexpr std::size_t MaxSettingsFileBytes = 16 * 1024 * 1024;

class TSettingsFile {
 public:
  // DataFolder ends in the platform's separator, or is empty for the
  // current directory.
  TSettingsFile(TSettingsView& View, TSettings& Settings, std::u16string DataFolder,
                TFileLayer& Files = SystemFileLayer(), const TTextEncoding& Encoding = SystemEncoding());

  // DataFolder directly followed by "vrk.txt".
  std::u16string FileName() const;

  // Puts the defaults in force, then reads the file if there is one.
  void LoadSettings();
  // Writes the file from the controls and options, then takes the three
  // scroll distances over from their boxes. Nothing changes when the write
  // fails.
  void SaveSettings();
  // LoadSettings, then SaveSettings, as the settings window does at start.
  void LoadAndSaveSettings();

  // LoadSettings as if Bytes were the file's content.
  void LoadFromBytes(std::string_view Bytes);
  // The bytes SaveSettings would write now.
  std::string FileBytes() const;

  TSettingsView& View() { return FView; }
  TSettings& Settings() { return FSettings; }

 private:
  void PutDefaults();
  void ApplyBytes(std::string_view Bytes);
  void WriteReplacing(const std::u16string& Name, std::string_view Bytes);
  void TakeOverDistances();

  TSettingsView& FView;
  TSettings& FSettings;
  std::u16string FDataFolder;
  TFileLayer& FFiles;
  const TTextEncoding& FEncoding;
};
