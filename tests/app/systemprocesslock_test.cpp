#include "app/systemprocesslock.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "support/tempfolder.h"

namespace fs = std::filesystem;

namespace {

constexpr std::u16string_view Name = u"Varnesk";

bool Held(const TLockAttempt& A) { return A.Handle != nullptr && A.AlreadyExists; }
bool Taken(const TLockAttempt& A) { return A.Handle != nullptr && !A.AlreadyExists; }
bool Refused(const TLockAttempt& A) { return A.Handle == nullptr && !A.AlreadyExists; }
// Refused as a lock that cannot be used, not as a running copy.
std::string Unusable(const TLockAttempt& A) {
  if (!Refused(A)) return "<not refused>";
  return std::string(A.Error.begin(), A.Error.end());
}
std::string Narrow(const std::u16string& Text) { return {Text.begin(), Text.end()}; }

// Runs Body in a child process as the user nobody (uid and gid 65534) and
// answers its exit code; Body's answer is the exit code.
int AsNobody(const std::function<int()>& Body) {
  const pid_t Pid = ::fork();
  if (Pid == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(100);
    ::_exit(Body());
  }
  int Status = 0;
  ::waitpid(Pid, &Status, 0);
  return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
}

// A forked child, killed and reaped when the test leaves, whatever happens.
class TChild {
 public:
  explicit TChild(pid_t Pid) : FPid(Pid) {}
  ~TChild() { Kill(); }
  TChild(const TChild&) = delete;
  TChild& operator=(const TChild&) = delete;
  void Kill() {
    if (FPid <= 0) return;
    ::kill(FPid, SIGKILL);
    ::waitpid(FPid, nullptr, 0);
    FPid = -1;
  }

 private:
  pid_t FPid = -1;
};

// Everything in the folder: name to kind and size, to show nothing changed.
std::map<std::string, std::string> Listing(const fs::path& Folder) {
  std::map<std::string, std::string> Out;
  for (const auto& Entry : fs::directory_iterator(Folder)) {
    const auto Status = Entry.symlink_status();
    std::string What = std::to_string(static_cast<int>(Status.type()));
    if (Status.type() == fs::file_type::regular) What += ":" + std::to_string(fs::file_size(Entry.path()));
    Out[Entry.path().filename().string()] = What;
  }
  return Out;
}

class SystemProcessLockTest : public ::testing::Test {
 protected:
  SystemProcessLockTest() { fs::permissions(Temp.Path(), fs::perms::owner_all); }

  TTempFolder Temp;
  TSystemProcessLock Lock{Temp.Path().string()};
  std::string LockFile = *Lock.LockPath(Name);
};

TEST_F(SystemProcessLockTest, LockFileIsNamedWithTheUserIdInTheFolder) {
  EXPECT_EQ(LockFile, (Temp.Path() / ("Varnesk-" + std::to_string(::geteuid()) + ".lock")).string());
}

TEST_F(SystemProcessLockTest, SecondAttemptInTheSameProcessConflictsUntilTheFirstIsClosed) {
  const TLockAttempt First = Lock.Create(Name);
  ASSERT_TRUE(Taken(First));
  struct stat St {};
  ASSERT_EQ(::stat(LockFile.c_str(), &St), 0);
  EXPECT_EQ(St.st_mode & 0777, 0600u);

  const TLockAttempt Second = Lock.Create(Name);
  EXPECT_TRUE(Held(Second));
  EXPECT_NE(Second.Handle, First.Handle);
  Lock.Close(Second.Handle);
  EXPECT_TRUE(Held(Lock.Create(Name))) << "closing the conflicting attempt must not free the lock";

  Lock.Close(First.Handle);
  EXPECT_TRUE(Taken(Lock.Create(Name)));
}

TEST_F(SystemProcessLockTest, AnotherLockObjectConflictsAndDestructionReleases) {
  auto Other = std::make_unique<TSystemProcessLock>(Temp.Path().string());
  ASSERT_TRUE(Taken(Other->Create(Name)));
  EXPECT_TRUE(Held(Lock.Create(Name)));
  EXPECT_TRUE(Taken(Lock.Create(u"OtherName"))) << "names are separate locks";
  Other.reset();
  EXPECT_TRUE(Taken(Lock.Create(Name)));
}

TEST_F(SystemProcessLockTest, LockOfAKilledChildIsReleased) {
  int Ready[2];
  ASSERT_EQ(::pipe(Ready), 0);
  const pid_t Pid = ::fork();
  ASSERT_GE(Pid, 0);
  if (Pid == 0) {
    ::close(Ready[0]);
    TSystemProcessLock ChildLock(Temp.Path().string());
    const char Answer = Taken(ChildLock.Create(Name)) ? '1' : '0';
    if (::write(Ready[1], &Answer, 1) != 1) ::_exit(1);
    for (;;) ::pause();
  }
  TChild Child(Pid);
  ::close(Ready[1]);
  char Answer = 0;
  ASSERT_EQ(::read(Ready[0], &Answer, 1), 1);
  ::close(Ready[0]);
  ASSERT_EQ(Answer, '1') << "the child could not take the lock";

  const TLockAttempt WhileAlive = Lock.Create(Name);
  EXPECT_TRUE(Held(WhileAlive));
  Lock.Close(WhileAlive.Handle);

  Child.Kill();
  EXPECT_TRUE(Taken(Lock.Create(Name)));
}

TEST_F(SystemProcessLockTest, ProgramsStartedByTheHolderDoNotInheritTheLock) {
  const TLockAttempt Mine = Lock.Create(Name);
  ASSERT_TRUE(Taken(Mine));
  // The close-on-exec pipe reads end-of-file once the child has exec'd.
  int Execed[2];
  ASSERT_EQ(::pipe2(Execed, O_CLOEXEC), 0);
  const pid_t Pid = ::fork();
  ASSERT_GE(Pid, 0);
  if (Pid == 0) {
    ::execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  TChild Child(Pid);
  ::close(Execed[1]);
  char Byte = 0;
  ASSERT_EQ(::read(Execed[0], &Byte, 1), 0);
  ::close(Execed[0]);

  Lock.Close(Mine.Handle);
  EXPECT_TRUE(Taken(Lock.Create(Name))) << "the child program still holds the lock";
}

TEST_F(SystemProcessLockTest, ClosingTwiceOrClosingForeignHandlesTouchesNothing) {
  const TLockAttempt Mine = Lock.Create(Name);
  ASSERT_TRUE(Taken(Mine));
  Lock.Close(Mine.Handle);
  // The freed descriptor number is likely reused by the next open.
  const int Unrelated = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  ASSERT_GE(Unrelated, 0);
  Lock.Close(Mine.Handle);
  Lock.Close(nullptr);
  EXPECT_NE(::fcntl(Unrelated, F_GETFD), -1) << "a stale handle closed an unrelated descriptor";
  ::close(Unrelated);
}

TEST_F(SystemProcessLockTest, RefusesPlantedLockFilesWithoutTouchingThem) {
  const fs::path Target = Temp.Path() / "target";
  struct TCase {
    const char* Name;
    std::function<void()> Plant;
  };
  const std::vector<TCase> Cases = {
      // A link to a file of ours: following it would lock (or create) elsewhere.
      {"symlink to a file",
       [&] {
         std::ofstream(Target) << "keep";
         fs::create_symlink(Target, LockFile);
       }},
      // A dangling link: following it would create the target.
      {"dangling symlink", [&] { fs::create_symlink(Target, LockFile); }},
      {"directory", [&] { fs::create_directory(LockFile); }},
      // A FIFO would block a plain open for reading.
      {"fifo", [&] { ASSERT_EQ(::mkfifo(LockFile.c_str(), 0600), 0); }},
      // Readable by others: anyone could open it and hold the lock.
      {"file readable by others",
       [&] {
         std::ofstream(LockFile) << "";
         fs::permissions(LockFile, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
       }},
      {"file writable by the group",
       [&] {
         std::ofstream(LockFile) << "";
         fs::permissions(LockFile, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write);
       }},
  };
  const std::vector<std::string> Reasons = {"it is a symbolic link",    "it is a symbolic link",
                                            "it is not a regular file", "it is not a regular file",
                                            "others can read or write it", "others can read or write it"};
  for (std::size_t I = 0; I < Cases.size(); ++I) {
    SCOPED_TRACE(Cases[I].Name);
    Cases[I].Plant();
    const auto Before = Listing(Temp.Path());
    const TLockAttempt Attempt = Lock.Create(Name);
    EXPECT_EQ(Unusable(Attempt), Reasons[I]);
    EXPECT_EQ(Narrow(Attempt.LockFile), LockFile);
    EXPECT_EQ(Listing(Temp.Path()), Before);
    for (const auto& Entry : fs::directory_iterator(Temp.Path())) fs::remove_all(Entry.path());
  }
}

TEST_F(SystemProcessLockTest, RefusesALockFileOfAnotherUser) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand a file to another user";
  std::ofstream(LockFile) << "";
  ::chmod(LockFile.c_str(), 0600);
  ASSERT_EQ(::chown(LockFile.c_str(), 65534, 65534), 0);
  EXPECT_EQ(Unusable(Lock.Create(Name)), "it belongs to another user");
}

TEST_F(SystemProcessLockTest, CreatesTheMissingFolderLevelsForItsUserOnly) {
  const fs::path Folder = Temp.Path() / "state" / "Varnesk";
  TSystemProcessLock Nested(Folder.string());
  EXPECT_TRUE(Taken(Nested.Create(Name)));
  for (const fs::path& Level : {Folder.parent_path(), Folder})
    EXPECT_EQ(fs::status(Level).permissions(), fs::perms::owner_all) << Level;
}

TEST_F(SystemProcessLockTest, UnsafeFoldersAreUnusable) {
  const fs::path Folder = Temp.Path() / "Varnesk";
  struct TCase {
    const char* Name;
    std::function<void()> Plant;
    std::string Reason;
  };
  const std::vector<TCase> Cases = {
      {"symlink",
       [&] {
         fs::create_directory(Temp.Path() / "elsewhere");
         fs::create_directory_symlink(Temp.Path() / "elsewhere", Folder);
       },
       "its folder is a symbolic link"},
      {"group-writable",
       [&] {
         fs::create_directory(Folder);
         fs::permissions(Folder, fs::perms::owner_all | fs::perms::group_write);
       },
       "others can write to its folder"},
      {"a file in the way", [&] { std::ofstream(Folder) << ""; }, "its folder is not a folder"},
      {"a file in the way of a level",
       [&] { std::ofstream(Temp.Path() / "file") << ""; },
       "the folder cannot be created: Not a directory"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Case.Plant();
    const bool Deep = std::string(Case.Name).find("level") != std::string::npos;
    TSystemProcessLock Unsafe((Deep ? Temp.Path() / "file" / "Varnesk" : Folder).string());
    EXPECT_EQ(Unusable(Unsafe.Create(Name)), Case.Reason);
    for (const auto& Entry : fs::directory_iterator(Temp.Path())) fs::remove_all(Entry.path());
  }
}

TEST_F(SystemProcessLockTest, FolderOfAnotherUserIsUnusable) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand a folder to another user";
  ASSERT_EQ(::chown(Temp.Path().c_str(), 65534, 65534), 0);
  EXPECT_EQ(Unusable(Lock.Create(Name)), "its folder belongs to another user");
}

TEST_F(SystemProcessLockTest, UnwritableFolderIsUnusable) {
  fs::permissions(Temp.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  const auto Check = [&] {
    TSystemProcessLock Own(Temp.Path().string());
    const TLockAttempt Attempt = Own.Create(Name);
    return Unusable(Attempt) == "it cannot be opened: Permission denied" ? 0 : 1;
  };
  if (::geteuid() != 0) {
    EXPECT_EQ(Check(), 0);
    return;
  }
  // Root writes anywhere: the folder's owner tries instead.
  ASSERT_EQ(::chown(Temp.Path().c_str(), 65534, 65534), 0);
  EXPECT_EQ(AsNobody(Check), 0);
}

TEST_F(SystemProcessLockTest, RefusesNamesThatAreNoPlainFileName) {
  const std::vector<std::pair<const char*, std::u16string>> Cases = {
      {"empty", u""},
      // Would reach outside the folder.
      {"slash", u"../Varnesk"},
      // Would be cut short at the NUL.
      {"embedded NUL", std::u16string(u"Var\0nesk", 8)},
      // Has no UTF-8 form.
      {"unpaired surrogate", u"Var\xD800nesk"},
  };
  for (const auto& [Label, Bad] : Cases) {
    SCOPED_TRACE(Label);
    EXPECT_FALSE(Lock.LockPath(Bad).has_value());
    EXPECT_EQ(Unusable(Lock.Create(Bad)), "its name cannot be used");
  }
  EXPECT_TRUE(fs::is_empty(Temp.Path()));
}

// Sets or unsets (nullptr) an environment variable for one scope.
class TEnv {
 public:
  TEnv(const char* Name, const char* Value) : FName(Name) {
    if (const char* Old = std::getenv(Name)) FOld = Old;
    Set(Value);
  }
  ~TEnv() { Set(FOld ? FOld->c_str() : nullptr); }
  TEnv(const TEnv&) = delete;
  TEnv& operator=(const TEnv&) = delete;
  void Set(const char* Value) { Value != nullptr ? ::setenv(FName, Value, 1) : ::unsetenv(FName); }

 private:
  const char* FName;
  std::optional<std::string> FOld;
};

TEST(SystemProcessLockFolder, OneFolderOfTheUsersStateWhateverTheRuntimeFolder) {
  TTempFolder Home;
  TTempFolder State;
  const std::string Default = (Home.Path() / ".local/state/Varnesk").string();
  TEnv SetHome("HOME", Home.Path().c_str());
  TEnv Runtime("XDG_RUNTIME_DIR", nullptr);
  TEnv StateHome("XDG_STATE_HOME", nullptr);
  const struct {
    const char* Runtime;
    const char* State;
    std::string Expected;
  } Cases[] = {
      {nullptr, nullptr, Default},
      {State.Path().c_str(), nullptr, Default},  // the runtime folder never counts
      {"/run/user/0", nullptr, Default},
      {nullptr, State.Path().c_str(), (State.Path() / "Varnesk").string()},
      {State.Path().c_str(), State.Path().c_str(), (State.Path() / "Varnesk").string()},
      {nullptr, "relative/state", Default},  // relative to whatever the current folder is
      {nullptr, "", Default},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(std::string(Case.Runtime ? Case.Runtime : "(unset)") + " " + (Case.State ? Case.State : "(unset)"));
    Runtime.Set(Case.Runtime);
    StateHome.Set(Case.State);
    EXPECT_EQ(TSystemProcessLock::DefaultFolder(), Case.Expected);
  }
}

TEST(SystemProcessLockFolder, CopiesStartedWithAndWithoutARuntimeFolderMeet) {
  TTempFolder Home;
  TTempFolder RuntimeFolder;
  TEnv SetHome("HOME", Home.Path().c_str());
  TEnv StateHome("XDG_STATE_HOME", nullptr);
  TEnv Runtime("XDG_RUNTIME_DIR", RuntimeFolder.Path().c_str());
  TSystemProcessLock WithRuntime;
  ASSERT_TRUE(Taken(WithRuntime.Create(Name)));
  Runtime.Set(nullptr);
  TSystemProcessLock WithoutRuntime;
  EXPECT_TRUE(Held(WithoutRuntime.Create(Name)));
  EXPECT_EQ(*WithoutRuntime.LockPath(Name), *WithRuntime.LockPath(Name));
  EXPECT_TRUE(fs::is_empty(RuntimeFolder.Path()));
  EXPECT_EQ(fs::status(Home.Path() / ".local/state/Varnesk").permissions(), fs::perms::owner_all);
}

}  // namespace
