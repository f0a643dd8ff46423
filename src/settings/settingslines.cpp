#include "settings/settingslines.h"

std::array<std::string, SettingsLineCount> SplitSettingsLines(std::string_view Bytes) {
  std::array<std::string, SettingsLineCount> Lines;
  Bytes = Bytes.substr(0, Bytes.find('\x1A'));
  for (std::string& Line : Lines) {
    if (Bytes.empty()) break;
    const std::size_t End = Bytes.find('\n');
    std::string_view Text = Bytes.substr(0, End);
    Bytes.remove_prefix(End == std::string_view::npos ? Bytes.size() : End + 1);
    // Copy the text in runs between CRs, which are dropped.
    for (std::size_t Cr = Text.find('\r'); Cr != std::string_view::npos; Cr = Text.find('\r')) {
      Line.append(Text.substr(0, Cr));
      Text.remove_prefix(Cr + 1);
    }
    Line.append(Text);
  }
  return Lines;
}
