// TUriOptionalFields and TUriOptionalFieldsSet: the optional parts that
// TUri::GetFullURI may add to a joined URI.
//
// The set is a value type of one byte, one bit per field (ofAuthInfo bit 0,
// ofBookmark bit 1), written like a set literal: {} or
// {ofAuthInfo, ofBookmark}.
#pragma once

#include <cstdint>
#include <initializer_list>

enum TUriOptionalFields : int { ofAuthInfo = 0, ofBookmark = 1 };

class TUriOptionalFieldsSet {
 public:
  constexpr TUriOptionalFieldsSet() noexcept = default;
  // Implicit, so that a braced list of fields converts to a set.
  constexpr TUriOptionalFieldsSet(std::initializer_list<TUriOptionalFields> AFields) noexcept {
    for (const TUriOptionalFields Field : AFields) insert(Field);
  }

  constexpr bool contains(TUriOptionalFields AField) const noexcept { return (FBits & Bit(AField)) != 0; }
  constexpr void insert(TUriOptionalFields AField) noexcept { FBits = static_cast<std::uint8_t>(FBits | Bit(AField)); }
  constexpr void erase(TUriOptionalFields AField) noexcept {
    FBits = static_cast<std::uint8_t>(FBits & ~Bit(AField));
  }
  constexpr std::uint8_t bits() const noexcept { return FBits; }

  friend constexpr bool operator==(TUriOptionalFieldsSet, TUriOptionalFieldsSet) noexcept = default;

 private:
  static constexpr std::uint8_t Bit(TUriOptionalFields AField) noexcept {
    const auto Index = static_cast<unsigned>(AField);
    return Index < 8 ? static_cast<std::uint8_t>(1u << Index) : std::uint8_t{0};
  }

  std::uint8_t FBits = 0;
};
