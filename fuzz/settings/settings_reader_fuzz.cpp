// Arbitrary bytes as a settings file: reading never fails, every written file
// is exactly eight CR LF lines, and load -> save -> load settles: at the
// first round for UTF-8 and ISO-8859-1, at the second for CP1252 and ASCII,
// whose invalid bytes decode to U+FFFD and come back as "?".
// The first input byte picks the encoding.
#include "support/fakesettingsview.h"
#include "settings/settingsfile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct TSnapshot {
  std::array<std::u16string, 6> Texts;
  std::array<bool, 2> Boxes{};
  bool DeleteWordsOnComplete = false;
  bool AutoScrollRight = false;
  std::int32_t ScrollPixels1 = 0, ScrollPixels2 = 0, ScrollPixels3 = 0;
  bool operator==(const TSnapshot&) const = default;
};

TSnapshot Take(const TFakeSettingsView& View, const TSettings& Settings) {
  return {View.Texts,
          View.Boxes,
          Settings.DeleteWordsOnComplete,
          Settings.AutoScrollRight,
          Settings.ScrollPixels(1),
          Settings.ScrollPixels(2),
          Settings.ScrollPixels(3)};
}

void Require(bool Condition) {
  if (!Condition) std::abort();
}

bool EightCrLfLines(const std::string& Bytes) {
  std::size_t Lines = 0;
  for (std::size_t I = 0; I < Bytes.size(); ++I) {
    const char B = Bytes[I];
    if (B == '\x1A' || (B == '\n' && (I == 0 || Bytes[I - 1] != '\r'))) return false;
    if (B == '\r' && (I + 1 == Bytes.size() || Bytes[I + 1] != '\n')) return false;
    if (B == '\n') ++Lines;
  }
  return Lines == 8 && Bytes.size() >= 2 && Bytes.compare(Bytes.size() - 2, 2, "\r\n") == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const std::unique_ptr<TTextEncoding> Encodings[] = {MakeEncoding("UTF-8"), MakeEncoding("ISO-8859-1"),
                                                             MakeEncoding("CP1252"), MakeEncoding("US-ASCII")};
  if (Size == 0) return 0;
  const std::size_t Pick = Data[0] % 4;
  const std::string_view Bytes(reinterpret_cast<const char*>(Data + 1), Size - 1);

  TSettings Settings;
  TFakeSettingsView View(Settings);
  TSettingsFile File(View, Settings, u"", SystemFileLayer(), *Encodings[Pick]);

  File.LoadFromBytes(Bytes);
  const TSnapshot First = Take(View, Settings);
  Require(First.Boxes[0] == First.DeleteWordsOnComplete && First.Boxes[1] == First.AutoScrollRight);
  const std::string Written = File.FileBytes();
  Require(EightCrLfLines(Written));

  File.LoadFromBytes(Written);
  const TSnapshot Second = Take(View, Settings);
  // UTF-8 and ISO-8859-1 decode to text they can always write back.
  if (Pick <= 1) Require(Second == First);
  const std::string Rewritten = File.FileBytes();
  Require(EightCrLfLines(Rewritten));

  File.LoadFromBytes(Rewritten);
  Require(Take(View, Settings) == Second);
  Require(File.FileBytes() == Rewritten);
  return 0;
}
