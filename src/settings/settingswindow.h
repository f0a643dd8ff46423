// The settings window's handlers, as rules over TSettingsView, and the
// paths of the three start pages.
//
// The Qt window calls these from its slots on the UI thread; tests call them
// with a fake view. They keep no state of their own.
#pragma once

#include "settings/settingsfile.h"

#include <string>
#include <string_view>

// OK: every empty scroll-distance box becomes "0" and its distance 0; the
// window is hidden; then the file is saved (SaveSettings' EInOutError passes
// through, after the window was hidden).
void Button1Click(TSettingsFile& File);

// DeleteWordsOnComplete := CheckBox1's state; run on every change of it.
void CheckBox1Click(const TSettingsView& View, TSettings& Settings);
// AutoScrollRight := CheckBox2's state; run on every change of it.
void CheckBox2Click(const TSettingsView& View, TSettings& Settings);

enum class TPathStyle { Posix, Windows };
#ifdef _WIN32
inline constexpr TPathStyle HostPathStyle = TPathStyle::Windows;
#else
inline constexpr TPathStyle HostPathStyle = TPathStyle::Posix;
#endif

// Start page N (1 to 3) beside the executable: ExePath cut before its last
// separator ("/"; on Windows "\" or "/"), then the separator and
// "startN.htm". A Windows path whose last delimiter is a drive colon
// ("C:app.exe") keeps the colon and gets no separator ("C:startN.htm"); a
// bare name gives the bare "startN.htm". Throws std::out_of_range for N
// outside 1 to 3.
std::u16string StartPagePath(std::u16string_view ExePath, int N, TPathStyle Style = HostPathStyle);
