#include "settings/numbertext.h"

namespace {

int DigitValue(char16_t C, bool Hex) {
  if (C >= u'0' && C <= u'9') return C - u'0';
  if (Hex && C >= u'a' && C <= u'f') return C - u'a' + 10;
  if (Hex && C >= u'A' && C <= u'F') return C - u'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::int32_t> ParseNumber(std::u16string_view Text) {
  std::size_t I = 0;
  while (I < Text.size() && Text[I] == u' ') ++I;
  bool Negative = false;
  if (I < Text.size() && (Text[I] == u'+' || Text[I] == u'-')) {
    Negative = Text[I] == u'-';
    ++I;
  }
  bool Hex = false;
  if (I < Text.size() && (Text[I] == u'$' || Text[I] == u'x' || Text[I] == u'X')) {
    Hex = true;
    ++I;
  } else if (I + 1 < Text.size() && Text[I] == u'0' && (Text[I + 1] == u'x' || Text[I + 1] == u'X')) {
    Hex = true;
    I += 2;
  }
  if (I == Text.size()) return std::nullopt;

  // Largest magnitude allowed; accumulation stops above it, so long digit
  // runs cannot overflow.
  const std::uint64_t Limit = Hex ? 0xFFFFFFFFu : Negative ? 0x80000000u : 0x7FFFFFFFu;
  const std::uint64_t Base = Hex ? 16 : 10;
  std::uint64_t Value = 0;
  for (; I < Text.size(); ++I) {
    const int Digit = DigitValue(Text[I], Hex);
    if (Digit < 0) return std::nullopt;
    Value = Value * Base + static_cast<std::uint64_t>(Digit);
    if (Value > Limit) return std::nullopt;
  }
  auto Pattern = static_cast<std::uint32_t>(Value);
  if (Negative) Pattern = 0u - Pattern;
  return static_cast<std::int32_t>(Pattern);
}

std::u16string NumberText(std::int32_t Value) {
  // Work on the magnitude as unsigned so that INT32_MIN needs no special case.
  std::uint32_t Magnitude = Value < 0 ? 0u - static_cast<std::uint32_t>(Value) : static_cast<std::uint32_t>(Value);
  char16_t Digits[10];
  std::size_t Count = 0;
  do {
    Digits[Count++] = static_cast<char16_t>(u'0' + Magnitude % 10);
    Magnitude /= 10;
  } while (Magnitude != 0);
  std::u16string Result;
  if (Value < 0) Result += u'-';
  while (Count > 0) Result += Digits[--Count];
  return Result;
}
