// The engines the settings window offers for a slot's search command, in the
// order of its menu. Each command is an https URL ending in the engine's
// query key, so that the query appended at search time becomes that key's
// value. The first three are the slots' default commands.
#pragma once

#include <span>
#include <string_view>

struct TEnginePreset {
  std::u16string_view Name;     // as the menu shows it
  std::u16string_view Command;  // the search command it puts into the box
};

std::span<const TEnginePreset> EnginePresets();
