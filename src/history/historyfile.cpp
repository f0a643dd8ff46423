#include "history/historyfile.h"

#include "text/utf8.h"

#include <utility>

namespace {

void AppendEscaped(std::string& Out, std::string_view Text) {
  for (const char C : Text) {
    switch (C) {
      case '\\': Out += "\\\\"; break;
      case '\t': Out += "\\t"; break;
      case '\n': Out += "\\n"; break;
      case '\r': Out += "\\r"; break;
      default: Out.push_back(C);
    }
  }
}

// The field's text, or nothing for an escape the format does not have.
std::optional<std::u16string> Unescaped(std::string_view Field) {
  std::string Out;
  Out.reserve(Field.size());
  for (std::size_t I = 0; I < Field.size(); ++I) {
    if (Field[I] != '\\') {
      Out.push_back(Field[I]);
      continue;
    }
    if (++I == Field.size()) return std::nullopt;
    switch (Field[I]) {
      case '\\': Out.push_back('\\'); break;
      case 't': Out.push_back('\t'); break;
      case 'n': Out.push_back('\n'); break;
      case 'r': Out.push_back('\r'); break;
      default: return std::nullopt;
    }
  }
  return Utf8ToUtf16(Out);
}

// Bytes are UTF-8 when the converter, which replaces every ill-formed
// sequence, gives them back unchanged.
bool IsUtf8(std::string_view Bytes) { return Utf16ToUtf8(Utf8ToUtf16(Bytes)) == Bytes; }

}  // namespace

THistoryFile::THistoryFile(std::u16string DataFolder, TFileLayer& Files)
    : FDataFolder(std::move(DataFolder)), FFiles(Files) {}

std::u16string THistoryFile::Name() const { return FDataFolder + std::u16string(HistoryFileName); }

std::optional<std::vector<TSearchEntry>> THistoryFile::Load() const {
  if (!FFiles.FileExists(Name())) return std::vector<TSearchEntry>{};
  std::string Bytes;
  // One byte over the cap tells an oversized file from one exactly at it.
  if (ReadFileBytes(FFiles, Name(), MaxHistoryFileBytes + 1, Bytes) != 0) return std::nullopt;
  if (Bytes.size() > MaxHistoryFileBytes) return std::nullopt;
  return Parse(Bytes);
}

int THistoryFile::Save(const std::vector<TSearchEntry>& Searches) const {
  return WriteFileReplacing(FFiles, Name(), FDataFolder + std::u16string(HistoryTempFileName), Format(Searches));
}

void THistoryFile::Remove() const { FFiles.Remove(Name()); }

std::string THistoryFile::Format(const std::vector<TSearchEntry>& Searches) {
  std::string Out;
  for (const TSearchEntry& Search : Searches) {
    const std::optional<std::string> Words = Utf16ToUtf8(Search.Words);
    const std::optional<std::string> Excluded = Utf16ToUtf8(Search.Excluded);
    if (!Words || !Excluded) continue;
    AppendEscaped(Out, *Words);
    Out.push_back('\t');
    AppendEscaped(Out, *Excluded);
    Out.push_back('\n');
  }
  return Out;
}

std::optional<std::vector<TSearchEntry>> THistoryFile::Parse(std::string_view Bytes) {
  if (!IsUtf8(Bytes)) return std::nullopt;
  std::vector<TSearchEntry> Searches;
  while (!Bytes.empty()) {
    const std::size_t End = Bytes.find('\n');
    std::string_view Line = Bytes.substr(0, End);
    Bytes.remove_prefix(End == std::string_view::npos ? Bytes.size() : End + 1);
    if (Line.ends_with('\r')) Line.remove_suffix(1);
    const std::size_t Tab = Line.find('\t');
    if (Tab == std::string_view::npos || Line.find('\t', Tab + 1) != std::string_view::npos) return std::nullopt;
    std::optional<std::u16string> Words = Unescaped(Line.substr(0, Tab));
    std::optional<std::u16string> Excluded = Unescaped(Line.substr(Tab + 1));
    if (!Words || !Excluded) return std::nullopt;
    Searches.push_back({std::move(*Words), std::move(*Excluded)});
  }
  return Searches;
}
