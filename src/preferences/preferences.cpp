#include "preferences/preferences.h"

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
    if (Key == "Preconnect") Result.Preconnect = ParseBool(Value).value_or(Result.Preconnect);
  }
  return Result;
}
