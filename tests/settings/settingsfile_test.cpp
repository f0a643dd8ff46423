#include "settings/settingsfile.h"

#include "support/faultyfilelayer.h"
#include "settings/inouterror.h"
#include "support/settingsfilefixture.h"

#include <gtest/gtest.h>

#include <clocale>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string DefaultFile =
    "https://www.google.com/search?q=\r\n"
    "https://www.bing.com/search?q=\r\n"
    "https://search.yahoo.com/search?p=\r\n"
    "yes\r\nyes\r\n150\r\n100\r\n120\r\n";

// What the window and the settings hold after a load.
struct TState {
  std::u16string Edit1, Edit2, Edit3, Edit4, Edit5, Edit6;
  bool CheckBox1 = false;
  bool CheckBox2 = false;
  std::int32_t ScrollPixels1 = 0, ScrollPixels2 = 0, ScrollPixels3 = 0;
  bool operator==(const TState&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const TState& S) {
  const auto Narrow = [](const std::u16string& T) { return std::string(T.begin(), T.end()); };
  return Out << "{" << Narrow(S.Edit1) << "|" << Narrow(S.Edit2) << "|" << Narrow(S.Edit3) << "|" << Narrow(S.Edit4)
             << "|" << Narrow(S.Edit5) << "|" << Narrow(S.Edit6) << "| boxes " << S.CheckBox1 << S.CheckBox2
             << " | " << S.ScrollPixels1 << " " << S.ScrollPixels2 << " " << S.ScrollPixels3 << "}";
}

class SettingsFileTest : public ::testing::Test, protected TSettingsFileFixture {
 protected:
  TState State() const {
    const auto& T = View.Texts;
    return {T[0], T[1], T[2], T[3], T[4], T[5], View.Boxes[0], View.Boxes[1],
            Settings.ScrollPixels(1), Settings.ScrollPixels(2), Settings.ScrollPixels(3)};
  }
  // The options must always agree with their boxes.
  void ExpectOptionsMatchBoxes() const {
    EXPECT_EQ(Settings.DeleteWordsOnComplete, View.Boxes[0]);
    EXPECT_EQ(Settings.AutoScrollRight, View.Boxes[1]);
  }
};

TEST_F(SettingsFileTest, FileNameIsFolderAndVrkTxt) {
  EXPECT_EQ(File.FileName(), Folder.Data() + u"vrk.txt");
  EXPECT_EQ(TSettingsFile(View, Settings, u"").FileName(), u"vrk.txt");
}

TEST_F(SettingsFileTest, NoFileStartUpWritesDefaults) {
  EXPECT_FALSE(Settings.AutoScrollRight);  // off before the first load
  File.LoadAndSaveSettings();
  EXPECT_EQ(Folder.Read("vrk.txt"), DefaultFile);
  EXPECT_EQ(Folder.Entries(), (std::set<std::string>{"vrk.txt"}));
  EXPECT_EQ(State(), (TState{u"https://www.google.com/search?q=", u"https://www.bing.com/search?q=",
                             u"https://search.yahoo.com/search?p=", u"150", u"100", u"120", true, true, 150, 100, 120}));
  EXPECT_TRUE(Settings.DeleteWordsOnComplete);
  EXPECT_TRUE(Settings.AutoScrollRight);
}

TEST_F(SettingsFileTest, NoFileLeavesBoxesAsTheyAre) {
  View.Texts[3] = u"77";
  View.Texts[0] = u"edited";
  File.LoadSettings();
  EXPECT_EQ(View.Texts[0], DefaultSearchCommand[0]);  // commands get their defaults
  EXPECT_EQ(View.Texts[3], u"77");                  // the distance box is untouched
  EXPECT_EQ(Settings.ScrollPixels(1), 150);
  EXPECT_EQ(View.Clicks, (std::array<int, 2>{0, 0}));
}

TEST_F(SettingsFileTest, LoadsAndRewritesNormalised) {
  const struct {
    const char* Name;
    std::string File;
    TState Loaded;
    std::string Saved;
  } Cases[] = {
      {"empty file", "", {u"", u"", u"", u"150", u"100", u"120", false, false, 150, 100, 120},
       "\r\n\r\n\r\nno\r\nno\r\n150\r\n100\r\n120\r\n"},
      {"three lines", "g\r\nb\r\ny\r\n", {u"g", u"b", u"y", u"150", u"100", u"120", false, false, 150, 100, 120},
       "g\r\nb\r\ny\r\nno\r\nno\r\n150\r\n100\r\n120\r\n"},
      {"http commands kept", "http://a/?q=\r\nhttp://b/?q=\r\nhttp://c/?p=\r\nyes\r\nno\r\n1\r\n-2\r\n3\r\n",
       {u"http://a/?q=", u"http://b/?q=", u"http://c/?p=", u"1", u"-2", u"3", true, false, 1, -2, 3},
       "http://a/?q=\r\nhttp://b/?q=\r\nhttp://c/?p=\r\nyes\r\nno\r\n1\r\n-2\r\n3\r\n"},
      {"LF only", "a\nb\nc\nno\nyes\n1\n2\n3\n", {u"a", u"b", u"c", u"1", u"2", u"3", false, true, 1, 2, 3},
       "a\r\nb\r\nc\r\nno\r\nyes\r\n1\r\n2\r\n3\r\n"},
      {"Ctrl-Z in line 2", "a\r\nb\x1A" "c\r\nc\r\nyes\r\nyes\r\n1\r\n2\r\n3\r\n",
       {u"a", u"b", u"", u"150", u"100", u"120", false, false, 150, 100, 120},
       "a\r\nb\r\n\r\nno\r\nno\r\n150\r\n100\r\n120\r\n"},
      {"numbers normalised", "a\r\nb\r\nc\r\nyes\r\nyes\r\n  42\r\n$20\r\n007\r\n",
       {u"a", u"b", u"c", u"42", u"32", u"7", true, true, 42, 32, 7}, "a\r\nb\r\nc\r\nyes\r\nyes\r\n42\r\n32\r\n7\r\n"},
      {"bad numbers keep defaults", "a\r\nb\r\nc\r\nyes\r\nyes\r\n42 \r\n12345678901\r\n12a\r\n",
       {u"a", u"b", u"c", u"150", u"100", u"120", true, true, 150, 100, 120}, "a\r\nb\r\nc\r\nyes\r\nyes\r\n150\r\n100\r\n120\r\n"},
      {"lines after the eighth ignored", "a\nb\nc\nyes\nyes\n1\n2\n3\n4\nno\n",
       {u"a", u"b", u"c", u"1", u"2", u"3", true, true, 1, 2, 3}, "a\r\nb\r\nc\r\nyes\r\nyes\r\n1\r\n2\r\n3\r\n"},
      {"spaces in commands kept", " a \r\nb\r\nc\r\n", {u" a ", u"b", u"c", u"150", u"100", u"120", false, false, 150, 100, 120},
       " a \r\nb\r\nc\r\nno\r\nno\r\n150\r\n100\r\n120\r\n"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Folder.Write("vrk.txt", Case.File);
    File.LoadSettings();
    EXPECT_EQ(State(), Case.Loaded);
    ExpectOptionsMatchBoxes();
    File.SaveSettings();
    EXPECT_EQ(Folder.Read("vrk.txt"), Case.Saved);
    // Reset the window to its design values for the next case.
    View = TFakeSettingsView(Settings);
  }
}

TEST_F(SettingsFileTest, OnlyExactYesIsTrue) {
  const struct {
    const char* Line;
    bool Value;
  } Cases[] = {
      {"yes", true}, {"Yes", false}, {"YES", false}, {"yes ", false}, {" yes", false}, {"", false}, {"no", false},
      {"y", false}, {"yess", false}, {"1", false}, {"true", false},
  };
  for (const auto& Case : Cases) {
    Folder.Write("vrk.txt", std::string("a\r\nb\r\nc\r\n") + Case.Line + "\r\n" + Case.Line + "\r\n");
    File.LoadSettings();
    EXPECT_EQ(Settings.DeleteWordsOnComplete, Case.Value) << '"' << Case.Line << '"';
    EXPECT_EQ(Settings.AutoScrollRight, Case.Value) << '"' << Case.Line << '"';
    ExpectOptionsMatchBoxes();
  }
}

TEST_F(SettingsFileTest, LoadRunsClickHandlersOfChangedBoxes) {
  Folder.Write("vrk.txt", "a\r\nb\r\nc\r\nno\r\nyes\r\n");
  File.LoadSettings();
  EXPECT_EQ(View.Clicks, (std::array<int, 2>{1, 0}));  // CheckBox2 stayed ticked: no click
  EXPECT_FALSE(Settings.DeleteWordsOnComplete);
}

TEST_F(SettingsFileTest, UnrepresentableCharacterComesBackReplaced) {
  const struct {
    const char* Charset;
    std::u16string_view Command;
    std::string_view Line;
    std::u16string_view Reloaded;
  } Cases[] = {
      {"US-ASCII", u"https://x/?q=caf\u00E9", "https://x/?q=caf?", u"https://x/?q=caf?"},
      {"ISO-8859-1", u"https://x/?q=\u20AC\u00E9", "https://x/?q=?\xE9", u"https://x/?q=?\u00E9"},
      {"CP1252", u"https://x/?q=\u20AC\u0101", "https://x/?q=\x80?", u"https://x/?q=\u20AC?"},
      {"UTF-8", u"https://x/?q=\u00E9\xD800", "https://x/?q=\xC3\xA9\xEF\xBF\xBD", u"https://x/?q=\u00E9\uFFFD"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Charset);
    const auto Charset = MakeEncoding(Case.Charset);
    TSettingsFile CharsetFile(View, Settings, Folder.Data(), SystemFileLayer(), *Charset);
    View.Texts[0] = Case.Command;
    CharsetFile.SaveSettings();
    const std::string Saved = Folder.Read("vrk.txt");
    EXPECT_EQ(Saved.substr(0, Saved.find('\n') + 1), std::string(Case.Line) + "\r\n");
    CharsetFile.LoadSettings();
    EXPECT_EQ(View.Texts[0], Case.Reloaded);
  }
}

TEST_F(SettingsFileTest, LineBreaksInsideATextBecomeSpaces) {
  View.Texts[0] = u"a\r\nb";
  View.Texts[1] = u"c\x1A" u"d";
  View.Texts[3] = u"1\n2";
  File.SaveSettings();
  EXPECT_EQ(Folder.Read("vrk.txt"), "a  b\r\nc d\r\nhttps://search.yahoo.com/search?p=\r\nno\r\nno\r\n1 2\r\n100\r\n120\r\n");
}

TEST_F(SettingsFileTest, MissingDataFolderFailsWithCode3NamingTheFile) {
  TSettingsFile Missing(View, Settings, Folder.Data() + u"Orvandel/Varnesk/", SystemFileLayer(), *Encoding);
  EXPECT_NO_THROW(Missing.LoadSettings());  // no file: defaults only
  try {
    Missing.SaveSettings();
    FAIL() << "save into a missing folder succeeded";
  } catch (const EInOutError& Error) {
    EXPECT_EQ(Error.ErrorCode, 3);
    EXPECT_EQ(Error.Message(), u"Invalid file name - " + Folder.Data() + u"Orvandel/Varnesk/vrk.txt");
  }
  EXPECT_TRUE(Folder.Entries().empty());
}

#ifndef _WIN32
TEST_F(SettingsFileTest, SystemEncodingKeepsNonAsciiCommandsUnderTheCLocale) {
  std::setlocale(LC_ALL, "C");
  TSettingsFile System(View, Settings, Folder.Data(), SystemFileLayer(), SystemEncoding());
  View.Texts[0] = u"https://x/?q=s\u00FC\u00DF";
  System.SaveSettings();
  EXPECT_EQ(Folder.Read("vrk.txt").substr(0, 20), "https://x/?q=s\xC3\xBC\xC3\x9F\r\n");
  View.Texts[0].clear();
  System.LoadAndSaveSettings();
  EXPECT_EQ(View.Texts[0], u"https://x/?q=s\u00FC\u00DF");

  // A file of an older run in Latin-1 loses no byte and is rewritten as UTF-8.
  Folder.Write("vrk.txt", "https://x/?q=s\xFC\xDF\r\n");
  System.LoadAndSaveSettings();
  EXPECT_EQ(View.Texts[0], u"https://x/?q=s\u00FC\u00DF");
  EXPECT_EQ(Folder.Read("vrk.txt").substr(0, 20), "https://x/?q=s\xC3\xBC\xC3\x9F\r\n");
}
#endif

// A relative folder (ending in "/") that makes Base + it + "vrk.txt" exactly
// Bytes bytes long, in components short enough for any file system; with
// Wide, two of its letters are one two-byte character.
std::string FolderPart(std::size_t Base, std::size_t Bytes, bool Wide) {
  std::size_t Rest = Bytes - Base - std::string_view("vrk.txt").size();
  std::string Part;
  while (Rest > 250) {
    Part += std::string(199, 'a') + "/";
    Rest -= 200;
  }
  std::string Last(Rest - 1, 'b');
  if (Wide) Last.replace(0, 2, "\xC3\xA9");
  return Part + Last + "/";
}

TEST_F(SettingsFileTest, NameLongerThanThePlatformLimitFailsBeforeAnyOpen) {
  const std::u16string Base = Folder.Data();
  const struct {
    std::size_t Bytes;
    bool Wide;
  } Cases[] = {
      {MaxFileNameLength, false},
      {MaxFileNameLength + 1, false},
#ifndef _WIN32
      {MaxFileNameLength + 1, true},  // within the limit in UTF-16 units, beyond it in bytes
#endif
  };
  for (const auto& Case : Cases) {
    const std::string Part = FolderPart(Base.size(), Case.Bytes, Case.Wide);
    const std::filesystem::path Sub = Folder.Path() / Part;
    std::filesystem::create_directories(Sub);
    const std::u16string Data = Base + Encoding->Decode(Part);
    const bool TooLong = Case.Bytes > MaxFileNameLength;
    SCOPED_TRACE(Case.Bytes);

    TFaultyFileLayer Counting(TFault::None, 0);
    TSettingsFile LongFile(View, Settings, Data, Counting, *Encoding);
    EXPECT_NO_THROW(LongFile.LoadSettings());  // no file there yet
    if (!TooLong) {
      EXPECT_NO_THROW(LongFile.SaveSettings());
      EXPECT_NO_THROW(LongFile.LoadSettings());
      continue;
    }
    // Beyond PATH_MAX the file cannot even be planted, nor found by a load.
    const bool Planted = static_cast<bool>(std::ofstream(Sub / "vrk.txt") << "x\r\n");
    Counting.Calls = 0;
    for (const bool Save : {true, false}) {
      if (!Save && !Planted) {
        EXPECT_NO_THROW(LongFile.LoadSettings());
        continue;
      }
      try {
        Save ? LongFile.SaveSettings() : LongFile.LoadSettings();
        ADD_FAILURE() << (Save ? "save" : "load") << " of a name over the limit succeeded";
      } catch (const EInOutError& Error) {
        EXPECT_EQ(Error.ErrorCode, 3);
        EXPECT_EQ(Error.Message(), u"Invalid file name - " + LongFile.FileName());
      }
    }
    EXPECT_EQ(Counting.Calls, 1);  // only the load's existence test
    if (Planted) {
      EXPECT_EQ(Folder.Read(Part + "vrk.txt"), "x\r\n");
    }
  }
}

TEST_F(SettingsFileTest, EmbeddedNulInNameIsInvalid) {
  TSettingsFile Nul(View, Settings, Folder.Data() + std::u16string(1, u'\0'), SystemFileLayer(), *Encoding);
  EXPECT_NO_THROW(Nul.LoadSettings());
  try {
    Nul.SaveSettings();
    FAIL() << "save with a NUL in the name succeeded";
  } catch (const EInOutError& Error) {
    EXPECT_EQ(Error.ErrorCode, 3);
  }
  EXPECT_TRUE(Folder.Entries().empty());  // nothing written under the cut-off name
}

TEST_F(SettingsFileTest, FailedSaveKeepsPreviousFileAndLeavesNoTemp) {
  const std::string Previous = "old1\r\nold2\r\nold3\r\nno\r\nyes\r\n1\r\n2\r\n3\r\n";
  const struct {
    TFault Fault;
    int Code;
    std::u16string_view Message;
  } Cases[] = {
      {TFault::CheckWritable, 5, u"File access denied"},  // read-only file
      {TFault::CheckWritable, 32, u"I/O error 32"},       // held open by another program
      {TFault::Create, 5, u"File access denied"},         // read-only folder
      {TFault::Create, 4, u"Too many open files"},
      {TFault::Write, 112, u"I/O error 112"},  // disk full half-way
      {TFault::Flush, 1117, u"I/O error 1117"},
      {TFault::Close, 112, u"I/O error 112"},  // delayed allocation fails at close
      {TFault::Replace, 5, u"File access denied"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Code);
    SCOPED_TRACE(static_cast<int>(Case.Fault));
    Folder.Write("vrk.txt", Previous);
    TFaultyFileLayer Faulty(Case.Fault, Case.Code);
    TSettingsFile FaultyFile(View, Settings, Folder.Data(), Faulty, *Encoding);
    Settings.ScrollPixels(1) = 9;
    View.Texts[0] = u"new";
    View.Texts[3] = u"007";
    try {
      FaultyFile.SaveSettings();
      ADD_FAILURE() << "save succeeded";
    } catch (const EInOutError& Error) {
      EXPECT_EQ(Error.ErrorCode, Case.Code);
      EXPECT_EQ(Error.Message(), Case.Message);
    }
    EXPECT_EQ(Folder.Read("vrk.txt"), Previous);
    EXPECT_EQ(Folder.Entries(), (std::set<std::string>{"vrk.txt"}));
    EXPECT_EQ(View.Texts[3], u"007");  // distances are not taken over after a failed write
    EXPECT_EQ(Settings.ScrollPixels(1), 9);
  }
}

TEST_F(SettingsFileTest, SaveReplacesLeftoverTempFile) {
  Folder.Write("vrk.tmp", "half a file from a crash");
  File.SaveSettings();
  EXPECT_EQ(Folder.Entries(), (std::set<std::string>{"vrk.txt"}));
}

TEST_F(SettingsFileTest, FolderInPlaceOfFile) {
  std::filesystem::create_directory(Folder.Path() / "vrk.txt");
  EXPECT_NO_THROW(File.LoadSettings());  // a folder does not count as the file
  try {
    File.SaveSettings();
    FAIL() << "save over a folder succeeded";
  } catch (const EInOutError& Error) {
    EXPECT_EQ(Error.ErrorCode, 5);
  }
  EXPECT_TRUE(std::filesystem::is_directory(Folder.Path() / "vrk.txt"));
  EXPECT_EQ(Folder.Entries(), (std::set<std::string>{"vrk.txt"}));
}

TEST_F(SettingsFileTest, RealReadOnlyFileAndFolderKeepTheFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes through read-only permissions";
  const std::string Previous = "p\r\nq\r\nr\r\nyes\r\nyes\r\n1\r\n2\r\n3\r\n";
  for (const bool LockFolder : {false, true}) {
    SCOPED_TRACE(LockFolder ? "read-only folder" : "read-only file");
    Folder.Write("vrk.txt", Previous);
    const auto Locked = LockFolder ? Folder.Path() : Folder.Path() / "vrk.txt";
    ASSERT_EQ(chmod(Locked.c_str(), LockFolder ? 0555 : 0444), 0);
    View.Texts[0] = u"new";
    try {
      File.SaveSettings();
      ADD_FAILURE() << "save succeeded";
    } catch (const EInOutError& Error) {
      EXPECT_EQ(Error.ErrorCode, 5);
      EXPECT_STREQ(Error.what(), "File access denied");
    }
    EXPECT_EQ(Folder.Read("vrk.txt"), Previous);
    EXPECT_EQ(Folder.Entries(), (std::set<std::string>{"vrk.txt"}));
    ASSERT_EQ(chmod(Locked.c_str(), LockFolder ? 0755 : 0644), 0);
  }
}

TEST_F(SettingsFileTest, LoadErrorsCarryTheirCode) {
  Folder.Write("vrk.txt", "a\r\nb\r\nc\r\nno\r\nno\r\n1\r\n2\r\n3\r\n");
  const struct {
    TFault Fault;
    int Code;
    bool Loaded;  // whether the lines were taken before the error
  } Cases[] = {
      {TFault::OpenRead, 32, false},  // held open for writing by another program
      {TFault::OpenRead, 5, false},
      {TFault::Read, 1117, false},
      {TFault::CloseRead, 6, true},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(static_cast<int>(Case.Fault));
    View = TFakeSettingsView(Settings);
    TFaultyFileLayer Faulty(Case.Fault, Case.Code);
    TSettingsFile FaultyFile(View, Settings, Folder.Data(), Faulty, *Encoding);
    try {
      FaultyFile.LoadSettings();
      ADD_FAILURE() << "load succeeded";
    } catch (const EInOutError& Error) {
      EXPECT_EQ(Error.ErrorCode, Case.Code);
    }
    EXPECT_EQ(View.Texts[0], Case.Loaded ? u"a" : DefaultSearchCommand[0]);
    EXPECT_EQ(Settings.ScrollPixels(1), Case.Loaded ? 1 : 150);
  }
}

TEST_F(SettingsFileTest, ReadingStopsAtTheSizeCap) {
  Folder.Write("vrk.txt", std::string(MaxSettingsFileBytes + 100, 'x') + "\nsecond\n");
  File.LoadSettings();
  EXPECT_EQ(View.Texts[0].size(), MaxSettingsFileBytes);
  EXPECT_EQ(View.Texts[1], u"");  // past the cap counts as past the end
}

TEST_F(SettingsFileTest, InMemoryLoadMatchesFileLoad) {
  const std::string Bytes = "x\ny\r\nz\rw\nno\nyes\n$10\n-3\n9 \n";
  Folder.Write("vrk.txt", Bytes);
  File.LoadSettings();
  const TState FromFile = State();
  View = TFakeSettingsView(Settings);
  File.LoadFromBytes(Bytes);
  EXPECT_EQ(State(), FromFile);
  EXPECT_EQ(File.FileBytes(), "x\r\ny\r\nzw\r\nno\r\nyes\r\n16\r\n-3\r\n120\r\n");
}

}  // namespace
