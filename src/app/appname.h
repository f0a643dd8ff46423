// The program's names: the title shown by the application and the name of
// the single-instance lock, and the main window's caption.
//
// Plain constants with static storage; they live for the whole run and may be
// read from any thread.
#pragma once

#include <string_view>

// Application title and instance lock name.
inline constexpr std::u16string_view AppName = u"Varnesk";

// Caption of the main window (and so of its taskbar button).
inline constexpr std::u16string_view MainWindowCaption = u"Varnesk 1.0";
