#include "app/datafolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/systemfolderaccess.h"
#include "text/utf8.h"
#include "support/tempfolder.h"

namespace fs = std::filesystem;

namespace {

std::string Narrow(std::u16string_view Text) { return Utf16ToUtf8(Text).value_or("(bad)"); }

// Answers attributes from a table (paths not in it are absent: code 2) and
// logs every call.
class TFakeFolders final : public TFolderAccess {
 public:
  std::map<std::u16string, TPathAttributes> Answers;
  std::vector<std::string> Log;

  TPathAttributes Attributes(std::u16string_view Path) override {
    Log.push_back("test " + Narrow(Path));
    const auto It = Answers.find(std::u16string(Path));
    return It != Answers.end() ? It->second : TPathAttributes{false, false, IoCode::FileNotFound};
  }
  void CreateFolder(std::u16string_view Path) override { Log.push_back("create " + Narrow(Path)); }
};

// The real file system, with the creations logged.
class TRecordingFolders final : public TFolderAccess {
 public:
  std::vector<std::string> Created;

  TPathAttributes Attributes(std::u16string_view Path) override { return FReal.Attributes(Path); }
  void CreateFolder(std::u16string_view Path) override {
    Created.push_back(fs::path(std::u16string(Path)).filename().string());
    FReal.CreateFolder(Path);
  }

 private:
  TSystemFolderAccess FReal;
};

TDocumentsLookup Answering(std::optional<std::u16string> Path) {
  return [Path] { return Path; };
}

TEST(FolderPresent, ClassifiesAttributesAndErrorCodes) {
  struct TCase {
    const char* Name;
    TPathAttributes Attributes;
    bool Present;
  };
  const std::vector<TCase> Cases = {
      {"directory", {true, true, 0}, true},
      {"plain file", {true, false, 0}, false},
      {"file not found", {false, false, 2}, false},
      {"path not found", {false, false, 3}, false},
      {"not ready", {false, false, 21}, false},
      {"bad network path", {false, false, 53}, false},
      {"invalid name", {false, false, 123}, false},
      {"access denied", {false, false, 5}, true},
      {"sharing violation", {false, false, 32}, true},
      {"cannot resolve", {false, false, 1921}, true},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TFakeFolders Folders;
    Folders.Answers[u"X"] = Case.Attributes;
    EXPECT_EQ(FolderPresent(Folders, u"X"), Case.Present);
  }
}

TEST(ResolveDataFolder, BuildsThePathAndCreatesOnlyAbsentLevels) {
  struct TCase {
    const char* Name;
    std::u16string Documents;
    std::map<std::u16string, TPathAttributes> Answers;
    std::u16string Expected;
    std::vector<std::string> Calls;
  };
  const TPathAttributes Dir{true, true, 0};
  const TPathAttributes Denied{false, false, IoCode::AccessDenied};
  const std::vector<TCase> Cases = {
      {"fresh account",
       u"C:\\Users\\Ann\\Documents",
       {},
       u"C:\\Users\\Ann\\Documents\\Orvandel\\Varnesk\\",
       {"test C:\\Users\\Ann\\Documents\\Orvandel", "create C:\\Users\\Ann\\Documents\\Orvandel",
        "test C:\\Users\\Ann\\Documents\\Orvandel\\Varnesk", "create C:\\Users\\Ann\\Documents\\Orvandel\\Varnesk"}},
      {"root of a drive: no doubled separator",
       u"D:\\",
       {{u"D:\\Orvandel", Dir}},
       u"D:\\Orvandel\\Varnesk\\",
       {"test D:\\Orvandel", "test D:\\Orvandel\\Varnesk", "create D:\\Orvandel\\Varnesk"}},
      {"access denied counts as present",
       u"E:\\Docs",
       {{u"E:\\Docs\\Orvandel", Denied}, {u"E:\\Docs\\Orvandel\\Varnesk", Denied}},
       u"E:\\Docs\\Orvandel\\Varnesk\\",
       {"test E:\\Docs\\Orvandel", "test E:\\Docs\\Orvandel\\Varnesk"}},
      {"text after a NUL is not part of the path",
       std::u16string(u"F:\\Docs\0junk", 12),
       {{u"F:\\Docs\\Orvandel", Dir}, {u"F:\\Docs\\Orvandel\\Varnesk", Dir}},
       u"F:\\Docs\\Orvandel\\Varnesk\\",
       {"test F:\\Docs\\Orvandel", "test F:\\Docs\\Orvandel\\Varnesk"}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TFakeFolders Folders;
    Folders.Answers = Case.Answers;
    EXPECT_EQ(ResolveDataFolder(Answering(Case.Documents), Folders, u'\\'), Case.Expected);
    EXPECT_EQ(Folders.Log, Case.Calls);
  }
}

TEST(ResolveDataFolder, FailedLookupAnswersEmptyAndTouchesNothing) {
  const std::vector<std::pair<const char*, TDocumentsLookup>> Cases = {
      {"lookup fails", Answering(std::nullopt)},
      // Taken as found, an empty path would put the folders at the root.
      {"empty path", Answering(u"")},
      {"NUL first", Answering(std::u16string(u"\0/home", 6))},
      {"no lookup at all", nullptr},
  };
  for (const auto& [Name, Lookup] : Cases) {
    SCOPED_TRACE(Name);
    TFakeFolders Folders;
    EXPECT_EQ(ResolveDataFolder(Lookup, Folders), u"");
    EXPECT_TRUE(Folders.Log.empty());
  }
}

TEST(ResolveDataFolder, WorksOnRealFolders) {
  struct TCase {
    const char* Name;
    std::function<void(const fs::path& Documents)> Prepare;
    bool EndWithSeparator;
    std::vector<std::string> Created;
    bool FolderMade;  // Documents/Orvandel/Varnesk is a folder afterwards
  };
  const std::vector<TCase> Cases = {
      {"fresh", [](const fs::path&) {}, false, {"Orvandel", "Varnesk"}, true},
      {"both present", [](const fs::path& D) { fs::create_directories(D / "Orvandel" / "Varnesk"); }, false, {},
       true},
      {"only Orvandel present", [](const fs::path& D) { fs::create_directory(D / "Orvandel"); }, false, {"Varnesk"},
       true},
      {"Documents ending in a separator", [](const fs::path&) {}, true, {"Orvandel", "Varnesk"}, true},
      // Both creations fail silently; the file keeps its contents.
      {"plain file named Orvandel", [](const fs::path& D) { std::ofstream(D / "Orvandel") << "keep me"; }, false,
       {"Orvandel", "Varnesk"}, false},
      {"link to a folder named Orvandel",
       [](const fs::path& D) {
         fs::create_directory(D / "elsewhere");
         fs::create_directory_symlink(D / "elsewhere", D / "Orvandel");
       },
       false, {"Varnesk"}, true},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TTempFolder Temp;
    const fs::path Documents = Temp.Path() / "Documents";
    fs::create_directory(Documents);
    Case.Prepare(Documents);
    std::u16string Given = Documents.u16string();
    if (Case.EndWithSeparator) Given.push_back(PathSeparator);

    TRecordingFolders Folders;
    const std::u16string Folder = ResolveDataFolder(Answering(Given), Folders);

    EXPECT_EQ(Folder, (Documents / "Orvandel" / "Varnesk").u16string() + PathSeparator);
    EXPECT_EQ(Folders.Created, Case.Created);
    EXPECT_EQ(fs::is_directory(Documents / "Orvandel" / "Varnesk"), Case.FolderMade);
    if (fs::is_regular_file(Documents / "Orvandel")) {
      std::ifstream In(Documents / "Orvandel");
      std::string Contents;
      std::getline(In, Contents);
      EXPECT_EQ(Contents, "keep me");
    }
  }
}

TEST(ResolveDataFolder, FailedLookupLeavesTheFileSystemAlone) {
  TTempFolder Temp;
  const fs::path Saved = fs::current_path();
  fs::current_path(Temp.Path());
  TSystemFolderAccess Folders;
  const std::u16string Folder = ResolveDataFolder(Answering(std::nullopt), Folders);
  fs::current_path(Saved);
  EXPECT_EQ(Folder, u"");
  EXPECT_TRUE(fs::is_empty(Temp.Path()));
}

}  // namespace
