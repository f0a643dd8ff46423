#include "settings/settingslines.h"

std::array<std::string, SettingsLineCount> SplitSettingsLines(std::string_view Bytes) {
  std::array<std::string, SettingsLineCount> Lines;
  Bytes = Bytes.substr(0, Bytes.find('\x1A'));
  std::size_t Line = 0;
  for (const char B : Bytes) {
    if (B == '\n') {
      if (++Line == SettingsLineCount) break;
    } else if (B != '\r') {
      Lines[Line] += B;
    }
  }
  return Lines;
}
