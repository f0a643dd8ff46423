// Number texts of the settings file and the scroll-distance boxes.
//
// ParseNumber reads a signed 32-bit integer: leading spaces (U+0020) are
// skipped, an optional "+" or "-" follows, then either decimal digits or
// hexadecimal digits (either case) introduced by "$", "x", "X", "0x" or
// "0X". Nothing may follow the digits. A decimal value must lie in the
// signed 32-bit range after its sign; a hexadecimal value may go up to
// FFFFFFFF and is taken as a 32-bit two's-complement pattern (FFFFFFFF is
// -1; a "-" negates that pattern modulo 2^32). Any other text, the empty
// text included, gives no value; that is never an error. Pure functions,
// no allocation besides the result.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

std::optional<std::int32_t> ParseNumber(std::u16string_view Text);

// Value in decimal: no sign when positive, "-" when negative.
std::u16string NumberText(std::int32_t Value);
