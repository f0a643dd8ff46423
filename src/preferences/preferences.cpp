#include "preferences/preferences.h"

#include <charconv>
#include <optional>

namespace {

std::string_view Trimmed(std::string_view Text) {
  const auto First = Text.find_first_not_of(" \t\r");
  if (First == std::string_view::npos) return {};
  return Text.substr(First, Text.find_last_not_of(" \t\r") - First + 1);
}

std::optional<bool> ParseBool(std::string_view Value) {
  if (Value == "true" || Value == "yes" || Value == "1") return true;
  if (Value == "false" || Value == "no" || Value == "0") return false;
  return std::nullopt;
}

std::optional<int> ParseZoom(std::string_view Value) {
  int Percent = 0;
  const auto [End, Error] = std::from_chars(Value.data(), Value.data() + Value.size(), Percent);
  if (Error != std::errc() || End != Value.data() + Value.size()) return std::nullopt;
  if (Percent < TPreferences::kMinZoomPercent || Percent > TPreferences::kMaxZoomPercent) return std::nullopt;
  return Percent;
}

void Take(bool& Field, std::string_view Value) { Field = ParseBool(Value).value_or(Field); }

const char* BoolText(bool Value) { return Value ? "true" : "false"; }

}  // namespace

TPreferences TPreferences::Parse(std::string_view Bytes) {
  TPreferences Result;
  while (!Bytes.empty()) {
    const auto End = Bytes.find('\n');
    const std::string_view Line = Trimmed(Bytes.substr(0, End));
    Bytes.remove_prefix(End == std::string_view::npos ? Bytes.size() : End + 1);
    const auto Equals = Line.find('=');
    if (Line.empty() || Line[0] == ';' || Line[0] == '#' || Line[0] == '[' || Equals == std::string_view::npos)
      continue;
    const std::string_view Key = Trimmed(Line.substr(0, Equals));
    const std::string_view Value = Trimmed(Line.substr(Equals + 1));
    if (Key == "Preconnect") Take(Result.Preconnect, Value);
    if (Key == "ScrollTogether") Take(Result.ScrollTogether, Value);
    if (Key == "MarkSharedResults") Take(Result.MarkSharedResults, Value);
    if (Key == "RememberSearches") Take(Result.RememberSearches, Value);
    for (std::size_t Slot = 0; Slot < Result.ZoomPercent.size(); ++Slot) {
      if (Key == "Zoom" + std::to_string(Slot + 1))
        Result.ZoomPercent[Slot] = ParseZoom(Value).value_or(Result.ZoomPercent[Slot]);
    }
  }
  return Result;
}

std::string TPreferences::Format() const {
  std::string Out = "[General]\n";
  Out += std::string("Preconnect=") + BoolText(Preconnect) + "\n";
  for (std::size_t Slot = 0; Slot < ZoomPercent.size(); ++Slot)
    Out += "Zoom" + std::to_string(Slot + 1) + "=" + std::to_string(ZoomPercent[Slot]) + "\n";
  Out += std::string("ScrollTogether=") + BoolText(ScrollTogether) + "\n";
  Out += std::string("MarkSharedResults=") + BoolText(MarkSharedResults) + "\n";
  Out += std::string("RememberSearches=") + BoolText(RememberSearches) + "\n";
  return Out;
}
