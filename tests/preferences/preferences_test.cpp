#include "preferences/preferences.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Preferences, ParseTakesWhatItKnowsAndDefaultsTheRest) {
  struct Case {
    std::string Bytes;
    bool Preconnect;
    const char* Why;
  };
  const Case Cases[] = {
      {"", true, "no file: the defaults"},
      {"[General]\r\nPreconnect=false\r\n", false, "as QSettings writes it"},
      {"Preconnect = no", false, "spaces and yes/no"},
      {"Preconnect=0\nPreconnect=1", true, "the last line wins"},
      {"Preconnect=maybe", true, "a value that does not parse"},
      {"preconnect=false", true, "keys are case-sensitive"},
      {"; Preconnect=false\n# Preconnect=false", true, "comments"},
      {"Preconnect", true, "no value"},
      {std::string("\0\xff\xfe=\n\x1A\n", 7) + "Preconnect=false", false, "binary junk around a good line"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Why);
    EXPECT_EQ(TPreferences::Parse(C.Bytes).Preconnect, C.Preconnect);
  }
}

}  // namespace
