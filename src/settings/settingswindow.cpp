#include "settings/settingswindow.h"

#include <stdexcept>

void Button1Click(TSettingsFile& File) {
  TSettingsView& View = File.View();
  for (std::size_t I = 0; I < DistanceEdits.size(); ++I) {
    if (!View.Text(DistanceEdits[I]).empty()) continue;
    View.SetText(DistanceEdits[I], u"0");
    File.Settings().ScrollPixelsBySlot[I] = 0;
  }
  View.Hide();
  File.SaveSettings();
}

void CheckBox1Click(const TSettingsView& View, TSettings& Settings) {
  Settings.DeleteWordsOnComplete = View.Checked(TSettingsCheckBox::CheckBox1);
}

void CheckBox2Click(const TSettingsView& View, TSettings& Settings) {
  Settings.AutoScrollRight = View.Checked(TSettingsCheckBox::CheckBox2);
}

std::u16string StartPagePath(std::u16string_view ExePath, int N, TPathStyle Style) {
  if (N < 1 || N > 3) throw std::out_of_range("start page number must be 1, 2 or 3");
  std::u16string Page = u"start1.htm";
  Page[5] = static_cast<char16_t>(u'0' + N);

  const bool Windows = Style == TPathStyle::Windows;
  const std::size_t Cut = ExePath.find_last_of(Windows ? std::u16string_view(u"\\/:") : std::u16string_view(u"/"));
  if (Cut == std::u16string_view::npos) return Page;
  if (ExePath[Cut] == u':') return std::u16string(ExePath.substr(0, Cut + 1)) + Page;
  return std::u16string(ExePath.substr(0, Cut)) + (Windows ? u'\\' : u'/') + Page;
}
