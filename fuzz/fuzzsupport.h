// Helpers shared by the fuzz targets: the text generator and a check
// that aborts (kept in release builds, unlike assert).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(Condition)                                                         \
  do {                                                                                \
    if (!(Condition)) {                                                               \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #Condition); \
      std::abort();                                                                   \
    }                                                                                 \
  } while (false)

// Bytes below 0x80 stand for themselves, so that separators and escapes are
// found fast; 0x80 to 0x8F pick a code unit from a list of troublesome
// ones; any other byte takes the next two bytes as one code unit.
inline std::u16string FuzzText(const std::uint8_t* AData, std::size_t ASize) {
  static constexpr char16_t Specials[16] = {0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0x0080, 0x0081, 0x00E9, 0x07FF,
                                            0x0800, 0xFFFF, 0xFFFD, 0x4E2D, 0x0000, 0x007F, 0x00FF, 0x0100};
  std::u16string Text;
  Text.reserve(ASize);
  for (std::size_t I = 0; I < ASize; ++I) {
    const std::uint8_t Byte = AData[I];
    if (Byte < 0x80) {
      Text.push_back(Byte);
    } else if (Byte < 0x90) {
      Text.push_back(Specials[Byte - 0x80]);
    } else if (I + 2 < ASize) {
      Text.push_back(static_cast<char16_t>(AData[I + 1] << 8 | AData[I + 2]));
      I += 2;
    }
  }
  return Text;
}

inline bool IsHighSurrogate(char16_t AUnit) { return AUnit >= 0xD800 && AUnit <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t AUnit) { return AUnit >= 0xDC00 && AUnit <= 0xDFFF; }

// The error the percent encoders must raise for AText, or "" when it is
// well-formed UTF-16.
inline std::string SurrogateError(std::u16string_view AText) {
  for (std::size_t I = 0; I < AText.size(); ++I) {
    if (IsLowSurrogate(AText[I]))
      return "Low surrogate char without a preceding high surrogate char at index: " + std::to_string(I + 1) +
             ". Check that the string is encoded properly";
    if (IsHighSurrogate(AText[I])) {
      if (I + 1 < AText.size() && IsLowSurrogate(AText[I + 1])) {
        ++I;
        continue;
      }
      return "High surrogate char without a following low surrogate char at index: " + std::to_string(I + 1) +
             ". Check that the string is encoded properly";
    }
  }
  return {};
}
