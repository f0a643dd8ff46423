#include "preferences/preferences.h"
#include "preferences/preferencesfile.h"

#include "support/faultyfilelayer.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
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

TEST(Preferences, ZoomTakesWholePercentsInRangeOnly) {
  struct Case {
    const char* Line;
    int Zoom1;
    const char* Why;
  };
  const Case Cases[] = {
      {"Zoom1=125", 125, "a step"},
      {"Zoom1=25", 25, "the smallest"},
      {"Zoom1=500", 500, "the largest"},
      {"Zoom1=24", 100, "below the range"},
      {"Zoom1=501", 100, "above the range"},
      {"Zoom1=1.5", 100, "not a whole number"},
      {"Zoom1=-100", 100, "negative"},
      {"Zoom1=99999999999999999999", 100, "overflows"},
      {"Zoom1=", 100, "empty"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Why);
    EXPECT_EQ(TPreferences::Parse(C.Line).ZoomPercent[0], C.Zoom1);
  }
  EXPECT_EQ(TPreferences::Parse("Zoom3=67").ZoomPercent, (std::array<int, 3>{100, 100, 67}));
}

TEST(Preferences, FormatReadsBackUnchanged) {
  TPreferences Changed;
  Changed.Preconnect = false;
  Changed.ZoomPercent = {90, 110, 300};
  Changed.ScrollTogether = true;
  Changed.MarkSharedResults = false;
  Changed.RememberSearches = true;
  for (const TPreferences& Value : {TPreferences(), Changed}) {
    EXPECT_EQ(TPreferences::Parse(Value.Format()), Value);
  }
  EXPECT_EQ(TPreferences().Format().rfind("[General]\n", 0), 0u);
}

class PreferencesFileTest : public ::testing::Test {
 protected:
  TTempFolder Folder;
};

TEST_F(PreferencesFileTest, SavesAndLoadsThroughATemporaryFile) {
  const TPreferencesFile File(Folder.Data());
  EXPECT_EQ(File.Load(), TPreferences()) << "no file yet";
  TPreferences Changed;
  Changed.ZoomPercent[1] = 150;
  ASSERT_EQ(File.Save(Changed), 0);
  EXPECT_EQ(File.Load(), Changed);
  EXPECT_EQ(Folder.Entries(), std::set<std::string>{"varnesk.ini"}) << "no temporary file stays";
}

TEST_F(PreferencesFileTest, BrokenOrOversizedFilesGiveTheDefaults) {
  struct Case {
    std::string Bytes;
    const char* Why;
  };
  const Case Cases[] = {
      {std::string("\0\xff\xfe", 3), "binary junk"},
      {"Zoom1=110\n" + std::string(MaxPreferencesFileBytes, ' '), "over the size cap"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Why);
    Folder.Write("varnesk.ini", C.Bytes);
    EXPECT_EQ(TPreferencesFile(Folder.Data()).Load(), TPreferences());
  }
  TFaultyFileLayer Unreadable(TFault::Read, 5);
  Folder.Write("varnesk.ini", "ScrollTogether=true\n");
  EXPECT_EQ(TPreferencesFile(Folder.Data(), Unreadable).Load(), TPreferences()) << "a read error";
}

TEST_F(PreferencesFileTest, AFailedSaveKeepsThePreviousFileWhole) {
  Folder.Write("varnesk.ini", "Zoom2=80\n");
  for (const TFault Fault : {TFault::Create, TFault::Write, TFault::Flush, TFault::Close, TFault::Replace}) {
    SCOPED_TRACE(static_cast<int>(Fault));
    TFaultyFileLayer Files(Fault, 112);  // ERROR_DISK_FULL
    TPreferences Changed;
    Changed.ZoomPercent[1] = 200;
    EXPECT_EQ(TPreferencesFile(Folder.Data(), Files).Save(Changed), 112);
    EXPECT_EQ(Folder.Read("varnesk.ini"), "Zoom2=80\n");
    EXPECT_EQ(Folder.Entries(), std::set<std::string>{"varnesk.ini"});
  }
}

}  // namespace
