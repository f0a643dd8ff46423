// Helpers shared by the URI tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

// The message of the E that AAction raises, or "" when it raises nothing.
// Any other exception escapes and fails the test.
template <class E, class F>
std::string ErrorOf(F&& AAction) {
  try {
    AAction();
  } catch (const E& Error) {
    return Error.what();
  }
  return {};
}

inline std::string Show(std::u16string_view AText) { return ::testing::PrintToString(std::u16string(AText)); }
