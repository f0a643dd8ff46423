// Arbitrary bytes as a history file: parsing never crashes, and a file that
// parses is written back as one that parses to the same searches. The same
// bytes as the two lines of a search: written and read back unchanged, or
// left out when the text has no UTF-8 form.
#include "fuzzsupport.h"
#include "history/historyfile.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string Bytes(reinterpret_cast<const char*>(Data), Size);
  if (const auto Searches = THistoryFile::Parse(Bytes)) {
    const std::string Written = THistoryFile::Format(*Searches);
    FUZZ_CHECK(THistoryFile::Parse(Written) == Searches);
  }

  const std::u16string Text = FuzzText(Data, Size);
  const std::size_t Half = Text.size() / 2;
  const std::vector<TSearchEntry> Typed{{Text.substr(0, Half), Text.substr(Half)}};
  const auto Read = THistoryFile::Parse(THistoryFile::Format(Typed));
  FUZZ_CHECK(Read.has_value());
  FUZZ_CHECK(Read->empty() || *Read == Typed);
  return 0;
}
