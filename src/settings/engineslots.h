// The three engine slots as data: slots are numbered 1 to 3 as the windows
// show them, and every per-slot value is an element of a TPerSlot array at
// SlotIndex(Slot). Constants only; safe from any thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

inline constexpr int SlotCount = 3;

template <class T>
using TPerSlot = std::array<T, SlotCount>;

// The array index of engine slot 1, 2 or 3; any other slot answers slot 3's.
constexpr std::size_t SlotIndex(int Slot) {
  return static_cast<std::size_t>(Slot >= 1 && Slot <= SlotCount ? Slot - 1 : SlotCount - 1);
}

// The engines' names, as the windows and the shared-result marks label
// their slots.
inline constexpr TPerSlot<std::u16string_view> SlotLabel{u"Google", u"Bing", u"Yahoo"};

// Default search commands of slots 1 (Google), 2 (Bing) and 3 (Yahoo); also
// the design texts of the settings window's command boxes.
inline constexpr TPerSlot<std::u16string_view> DefaultSearchCommand{
    u"https://www.google.com/search?q=", u"https://www.bing.com/search?q=", u"https://search.yahoo.com/search?p="};
inline constexpr std::u16string_view DefaultSearchCommand1 = DefaultSearchCommand[0];
inline constexpr std::u16string_view DefaultSearchCommand2 = DefaultSearchCommand[1];
inline constexpr std::u16string_view DefaultSearchCommand3 = DefaultSearchCommand[2];

// Default scroll distances in pixels; also the design texts of the distance boxes.
inline constexpr TPerSlot<std::int32_t> DefaultScrollPixels{150, 100, 120};
