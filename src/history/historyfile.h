// THistoryFile: the remembered searches, "varnesk-history.txt" in the data
// folder.
//
// The file is UTF-8 without a byte-order mark, one search a line, oldest
// first: the words line, a tab, the excluded-words line, each with "\" as
// "\\", tab as "\t", LF as "\n" and CR as "\r"; every line ends in LF (CR LF
// is read too). Parse refuses the whole file (nothing) when any line is not
// of that form or the bytes are not UTF-8, so a broken or foreign file is
// ignored rather than half read; Load also refuses a file over
// MaxHistoryFileBytes or one that cannot be read. Nothing here writes a
// refused file: it stays as it is until the next Save replaces it. Save
// writes through a temporary file and a rename, so a failed save keeps the
// previous file whole; it leaves out a search with an unpaired surrogate,
// which has no UTF-8 form. The layer is borrowed and must outlive this
// object. UI thread only.
#pragma once

#include "history/searchentry.h"
#include "settings/filelayer.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::u16string_view HistoryFileName = u"varnesk-history.txt";
inline constexpr std::u16string_view HistoryTempFileName = u"varnesk-history.txt.tmp";
inline constexpr std::size_t MaxHistoryFileBytes = 8 << 20;

class THistoryFile {
 public:
  // DataFolder ends in the platform's separator, or is empty for the
  // current directory.
  explicit THistoryFile(std::u16string DataFolder, TFileLayer& Files = SystemFileLayer());

  // The searches of a sound file; an empty list when there is none; nothing
  // when it is broken, too large or unreadable.
  std::optional<std::vector<TSearchEntry>> Load() const;
  // Answers 0 or the file layer's error code.
  int Save(const std::vector<TSearchEntry>& Searches) const;
  // Deletes the file if it is there.
  void Remove() const;

  static std::string Format(const std::vector<TSearchEntry>& Searches);
  static std::optional<std::vector<TSearchEntry>> Parse(std::string_view Bytes);

 private:
  std::u16string Name() const;

  std::u16string FDataFolder;
  TFileLayer& FFiles;
};
