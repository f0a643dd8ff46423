#include "history/historyfile.h"

#include "support/faultyfilelayer.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const std::string kFile = "varnesk-history.txt";

TEST(HistoryFile, FormatsOneSearchALineOldestFirst) {
  EXPECT_EQ(THistoryFile::Format({{u"solar panels", u"cheap \"used parts\""}, {u"caf\u00E9", u""}}),
            "solar panels\tcheap \"used parts\"\ncaf\xC3\xA9\t\n");
  EXPECT_EQ(THistoryFile::Format({}), "");
}

TEST(HistoryFile, AnyTextComesBackAsItWas) {
  struct Case {
    TSearchEntry Search;
    const char* Why;
  };
  const Case Cases[] = {
      {{u"a\tb", u"c\td"}, "tabs, the field separator"},
      {{u"a\\tb", u"\\"}, "backslashes, the escape, also before a t"},
      {{u"line\none", u"cr\rlf\r\n"}, "line ends, pasted"},
      {{u"\U0001F600 \u00E9\u4E2D", u"\u00A0"}, "beyond ASCII, beyond the BMP"},
      {{u"  ", u""}, "spaces only, nothing excluded"},
      {{std::u16string(1, u'\0') + u"x", u"#;[General]"}, "a NUL, and what other files treat as special"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Why);
    const std::vector<TSearchEntry> Searches{C.Search, {u"next", u"line"}};
    EXPECT_EQ(THistoryFile::Parse(THistoryFile::Format(Searches)), Searches);
  }
}

TEST(HistoryFile, LeavesOutASearchWithoutAUtf8Form) {
  EXPECT_EQ(THistoryFile::Format({{u"bad\xD800", u""}, {u"good", u"x\xDC00"}, {u"kept", u""}}), "kept\t\n");
}

TEST(HistoryFile, ParseRefusesABrokenFileWhole) {
  struct Case {
    std::string Bytes;
    const char* Why;
  };
  const Case Cases[] = {
      {"solar\t\n\xFF\xFE\t\n", "not UTF-8"},
      {"solar\t\nwind\n", "a line without its tab"},
      {"solar\tcheap\tused\n", "two tabs"},
      {"so\\lar\t\n", "an escape the format lacks"},
      {"solar\\\t\n", "a backslash at a field's end"},
      {"solar\t\n\nwind\t\n", "an empty line"},
      {"[General]\nRememberSearches=true\n", "another file's text"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Why);
    EXPECT_EQ(THistoryFile::Parse(C.Bytes), std::nullopt);
  }
}

TEST(HistoryFile, ParseTakesCrLfAndAMissingLastLineEnd) {
  const std::vector<TSearchEntry> Expected{{u"solar", u"cheap"}, {u"wind", u""}};
  EXPECT_EQ(THistoryFile::Parse("solar\tcheap\r\nwind\t\r\n"), Expected);
  EXPECT_EQ(THistoryFile::Parse("solar\tcheap\nwind\t"), Expected);
  EXPECT_EQ(THistoryFile::Parse(""), std::vector<TSearchEntry>{});
}

TEST(HistoryFile, SavesThroughATemporaryFileAndLoadsBack) {
  TTempFolder Folder;
  const THistoryFile File(Folder.Data());
  EXPECT_EQ(File.Load(), std::vector<TSearchEntry>{}) << "no file yet: an empty history";

  const std::vector<TSearchEntry> Searches{{u"solar", u"cheap"}, {u"wind power", u""}};
  ASSERT_EQ(File.Save(Searches), 0);
  EXPECT_EQ(Folder.Read(kFile), "solar\tcheap\nwind power\t\n");
  EXPECT_EQ(Folder.Entries(), std::set<std::string>{kFile});
  EXPECT_EQ(File.Load(), Searches);

  File.Remove();
  EXPECT_TRUE(Folder.Entries().empty());
  File.Remove();  // nothing left to remove
}

TEST(HistoryFile, ABrokenFileIsIgnoredAndLeftAsItIs) {
  struct Case {
    std::string Bytes;
    const char* Why;
  };
  const Case Cases[] = {
      {"solar\t\n\xC3(\t\n", "not UTF-8"},
      {std::string(MaxHistoryFileBytes + 1, 'a'), "larger than any history"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Why);
    TTempFolder Folder;
    Folder.Write(kFile, C.Bytes);
    EXPECT_EQ(THistoryFile(Folder.Data()).Load(), std::nullopt);
    EXPECT_EQ(Folder.Read(kFile), C.Bytes);
  }
}

TEST(HistoryFile, AFailedReadGivesNothing) {
  TTempFolder Folder;
  Folder.Write(kFile, "solar\t\n");
  for (const TFault Fault : {TFault::OpenRead, TFault::Read}) {
    TFaultyFileLayer Files(Fault, 5);
    EXPECT_EQ(THistoryFile(Folder.Data(), Files).Load(), std::nullopt);
  }
}

TEST(HistoryFile, AFailedSaveKeepsThePreviousFileWhole) {
  for (const TFault Fault : {TFault::Create, TFault::Write, TFault::Flush, TFault::Close, TFault::Replace}) {
    SCOPED_TRACE(static_cast<int>(Fault));
    TTempFolder Folder;
    Folder.Write(kFile, "solar\t\n");
    TFaultyFileLayer Files(Fault, 112);  // disk full
    EXPECT_EQ(THistoryFile(Folder.Data(), Files).Save({{u"wind", u""}, {u"tidal", u""}}), 112);
    EXPECT_EQ(Folder.Read(kFile), "solar\t\n");
    EXPECT_EQ(Folder.Entries(), std::set<std::string>{kFile});
  }
}

}  // namespace
