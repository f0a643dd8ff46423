#include "app/systemfolderaccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/tempfolder.h"

namespace fs = std::filesystem;

namespace {

TEST(SystemFolderAccess, ReadsAttributesOfRealPaths) {
  TTempFolder Temp;
  const fs::path T = Temp.Path();
  fs::create_directory(T / "dir");
  std::ofstream(T / "file") << "x";
  fs::create_directory_symlink(T / "dir", T / "link-to-dir");
  fs::create_symlink(T / "file", T / "link-to-file");
  fs::create_symlink(T / "missing", T / "dangling");
  fs::create_symlink(T / "loop-b", T / "loop-a");
  fs::create_symlink(T / "loop-a", T / "loop-b");
  fs::create_directory(T / "\xC3\xBC-dir");  // "ü-dir" in UTF-8

  struct TCase {
    const char* Name;
    std::u16string Path;
    TPathAttributes Expected;
  };
  const std::u16string Base = T.u16string() + u"/";
  const std::vector<TCase> Cases = {
      {"folder", Base + u"dir", {true, true, 0}},
      {"plain file", Base + u"file", {true, false, 0}},
      {"link to a folder", Base + u"link-to-dir", {true, true, 0}},
      {"link to a file", Base + u"link-to-file", {true, false, 0}},
      {"missing", Base + u"missing", {false, false, IoCode::FileNotFound}},
      {"missing inside missing", Base + u"missing/deeper", {false, false, IoCode::FileNotFound}},
      {"a prefix is a file", Base + u"file/deeper", {false, false, IoCode::PathNotFound}},
      {"dangling link", Base + u"dangling", {false, false, IoCode::FileNotFound}},
      {"link loop", Base + u"loop-a", {false, false, IoCode::CantResolveName}},
      {"name longer than a component may be", Base + std::u16string(300, u'a'), {false, false, IoCode::InvalidName}},
      {"non-ASCII name", Base + u"\u00FC-dir", {true, true, 0}},
      // Would name the folder "dir" if cut at the NUL.
      {"embedded NUL", Base + std::u16string(u"dir\0x", 5), {false, false, IoCode::InvalidName}},
      // Has no UTF-8 form.
      {"unpaired surrogate", Base + u"\xDC00", {false, false, IoCode::InvalidName}},
  };
  TSystemFolderAccess Folders;
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const TPathAttributes Got = Folders.Attributes(Case.Path);
    EXPECT_EQ(Got.Readable, Case.Expected.Readable);
    EXPECT_EQ(Got.Directory, Case.Expected.Directory);
    EXPECT_EQ(Got.Error, Case.Expected.Error);
  }
}

TEST(SystemFolderAccess, CreatesOneLevelAndNeverACutShortPath) {
  TTempFolder Temp;
  const std::u16string Base = Temp.Path().u16string() + u"/";
  TSystemFolderAccess Folders;

  Folders.CreateFolder(Base + u"new");
  EXPECT_TRUE(fs::is_directory(Temp.Path() / "new"));
  Folders.CreateFolder(Base + u"absent/child");
  EXPECT_FALSE(fs::exists(Temp.Path() / "absent"));
  Folders.CreateFolder(Base + u"\u00FC");
  EXPECT_TRUE(fs::is_directory(Temp.Path() / "\xC3\xBC"));

  Folders.CreateFolder(Base + std::u16string(u"cut\0short", 9));
  Folders.CreateFolder(Base + u"lone\xD800");
  EXPECT_FALSE(fs::exists(Temp.Path() / "cut"));
  EXPECT_EQ(std::distance(fs::directory_iterator(Temp.Path()), fs::directory_iterator()), 2);
}

}  // namespace
