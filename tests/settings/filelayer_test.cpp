#include "settings/systemfilelayer.h"

#include "settings/inouterror.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class SystemFileLayerTest : public ::testing::Test {
 protected:
  std::u16string Name(const std::string& Relative) const { return Folder.Data() + TTempFolder::Widen(Relative); }

  TTempFolder Folder;
  TSystemFileLayer Layer;
};

TEST_F(SystemFileLayerTest, ReportsWindowsCodes) {
  Folder.Write("file", "x");
  std::filesystem::create_directory(Folder.Path() / "folder");
  const struct {
    const char* Operation;
    const char* Path;
    int Code;
  } Cases[] = {
      {"read", "missing", IoCode::FileNotFound},
      {"read", "nofolder/vrk.txt", IoCode::PathNotFound},
      {"read", "file/vrk.txt", IoCode::PathNotFound},  // a file used as a folder
      {"create", "nofolder/vrk.txt", IoCode::PathNotFound},
      {"create", "folder", IoCode::AccessDenied},  // a folder in the way
      {"check", "missing", IoCode::FileNotFound},
      {"check", "nofolder/vrk.txt", IoCode::PathNotFound},
      {"check", "folder", IoCode::AccessDenied},
      {"check", "file", 0},
      {"replace", "nofolder/vrk.txt", IoCode::PathNotFound},
  };
  for (const auto& Case : Cases) {
    std::unique_ptr<TOpenFile> File;
    const std::string Operation = Case.Operation;
    const int Code = Operation == "read"     ? Layer.OpenRead(Name(Case.Path), File)
                     : Operation == "create" ? Layer.Create(Name(Case.Path), File)
                     : Operation == "check"  ? Layer.CheckWritable(Name(Case.Path))
                                             : Layer.Replace(Name("file"), Name(Case.Path));
    EXPECT_EQ(Code, Case.Code) << Case.Operation << " " << Case.Path;
  }
  EXPECT_EQ(Folder.Read("file"), "x");  // the check opened it without change
}

TEST_F(SystemFileLayerTest, WritesReadsAndReplaces) {
  std::unique_ptr<TOpenFile> File;
  ASSERT_EQ(Layer.Create(Name("new"), File), 0);
  ASSERT_EQ(File->Write("hello\r\n"), 0);
  ASSERT_EQ(File->Flush(), 0);
  ASSERT_EQ(File->Close(), 0);
  Folder.Write("old", "previous");
  ASSERT_EQ(chmod((Folder.Path() / "old").c_str(), 0640), 0);
  ASSERT_EQ(Layer.Replace(Name("new"), Name("old")), 0);
  EXPECT_EQ(Folder.Entries(), (std::set<std::string>{"old"}));

  struct stat Info {};
  ASSERT_EQ(stat((Folder.Path() / "old").c_str(), &Info), 0);
  EXPECT_EQ(Info.st_mode & 0777, 0640u);  // the replaced file's permissions stay

  ASSERT_EQ(Layer.OpenRead(Name("old"), File), 0);
  char Buffer[64];
  std::size_t Got = 0;
  ASSERT_EQ(File->Read(Buffer, sizeof Buffer, Got), 0);
  EXPECT_EQ(std::string(Buffer, Got), "hello\r\n");
  ASSERT_EQ(File->Read(Buffer, sizeof Buffer, Got), 0);
  EXPECT_EQ(Got, 0u);
  EXPECT_EQ(File->Close(), 0);
}

TEST_F(SystemFileLayerTest, RootReplacingAnotherUsersFileKeepsItsOwnerAndGroup) {
  if (geteuid() != 0) GTEST_SKIP() << "only root can give a file away";
  constexpr uid_t Nobody = 65534;
  constexpr gid_t NoGroup = 65534;
  Folder.Write("old", "previous");
  Folder.Write("mine", "previous");
  ASSERT_EQ(chown((Folder.Path() / "old").c_str(), Nobody, NoGroup), 0);
  for (const char* Target : {"old", "mine"}) {
    Folder.Write("new", "hello");
    ASSERT_EQ(Layer.Replace(Name("new"), Name(Target)), 0) << Target;
  }
  struct stat Info {};
  ASSERT_EQ(stat((Folder.Path() / "old").c_str(), &Info), 0);
  EXPECT_EQ(Info.st_uid, Nobody);
  EXPECT_EQ(Info.st_gid, NoGroup);
  ASSERT_EQ(stat((Folder.Path() / "mine").c_str(), &Info), 0);
  EXPECT_EQ(Info.st_uid, 0u);  // root's own file stays root's
  EXPECT_EQ(Folder.Read("old"), "hello");
}

TEST_F(SystemFileLayerTest, FileExistsOnlyForFiles) {
  Folder.Write("file", "");
  std::filesystem::create_directory(Folder.Path() / "folder");
  EXPECT_TRUE(Layer.FileExists(Name("file")));
  EXPECT_FALSE(Layer.FileExists(Name("folder")));
  EXPECT_FALSE(Layer.FileExists(Name("missing")));
  Layer.Remove(Name("file"));
  Layer.Remove(Name("missing"));  // ignored
  EXPECT_FALSE(Layer.FileExists(Name("file")));
}

TEST_F(SystemFileLayerTest, ReadOnlyFileIsAccessDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes to read-only files";
  Folder.Write("file", "x");
  ASSERT_EQ(chmod((Folder.Path() / "file").c_str(), 0444), 0);
  EXPECT_EQ(Layer.CheckWritable(Name("file")), IoCode::AccessDenied);
}

}  // namespace
