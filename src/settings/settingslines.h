// SplitSettingsLines: the eight lines of a settings file's bytes.
//
// A byte 26 (Ctrl-Z) ends the file: it and all after it are ignored. A line
// ends at LF; a CR is never part of a line's text (before LF it belongs to
// the line end; elsewhere it is dropped and does not end the line). Lines
// past the end of the file are empty; lines after the eighth are ignored.
// The lines keep their bytes otherwise (no decoding). Pure function.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t SettingsLineCount = 8;

std::array<std::string, SettingsLineCount> SplitSettingsLines(std::string_view Bytes);
