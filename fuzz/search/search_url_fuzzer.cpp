// Fuzzes the search URL of a query: for any well-formed query, the value the
// engine reads back (the parameter after "q=", or the last path segment)
// decodes to exactly the query, and holds none of the characters that would
// end it early.

#include "search/searchurl.h"
#include "uri/byteencoding.h"
#include "fuzzsupport.h"

#include <string>
#include <string_view>

namespace {

int HexValue(char16_t C) {
  if (C >= u'0' && C <= u'9') return C - u'0';
  if (C >= u'A' && C <= u'F') return C - u'A' + 10;
  return -1;
}

// Decodes as a server does: runs of "%XX" are UTF-8 bytes; any other code
// unit stands for itself.
std::u16string ServerDecode(std::u16string_view Value) {
  std::u16string Text;
  std::string Bytes;
  for (std::size_t I = 0; I < Value.size();) {
    if (Value[I] != u'%') {
      Text.push_back(Value[I++]);
      continue;
    }
    FUZZ_CHECK(I + 2 < Value.size());
    const int High = HexValue(Value[I + 1]);
    const int Low = HexValue(Value[I + 2]);
    FUZZ_CHECK(High >= 0 && Low >= 0);
    Bytes.push_back(static_cast<char>(High << 4 | Low));
    I += 3;
    if (I == Value.size() || Value[I] != u'%') {
      TByteEncoding::UTF8().Decode(Bytes, Text);
      Bytes.clear();
    }
  }
  return Text;
}

void CheckRoundTrip(std::u16string_view Command, std::u16string_view Query, std::u16string_view Cut) {
  const std::u16string Url = SearchUrl(Command, Query);
  FUZZ_CHECK(Url.compare(0, Command.size(), Command) == 0);
  const std::u16string_view Value = std::u16string_view(Url).substr(Command.size());
  FUZZ_CHECK(Value.find_first_of(Cut) == std::u16string_view::npos);
  FUZZ_CHECK(ServerDecode(Value) == Query);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
  const std::u16string Query = FuzzText(AData, ASize);
  if (!SurrogateError(Query).empty()) return 0;
  CheckRoundTrip(u"http://host/search?q=", Query, u"&=+#");
  CheckRoundTrip(u"http://host/search/", Query, u"/?#\\");
  return 0;
}
