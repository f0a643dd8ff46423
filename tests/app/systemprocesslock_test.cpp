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
#include <string>

#include "tempfolder.h"

namespace fs = std::filesystem;

namespace {

constexpr std::u16string_view Name = u"Varnesk";

bool Held(const TLockAttempt& A) { return A.Handle != nullptr && A.AlreadyExists; }
bool Taken(const TLockAttempt& A) { return A.Handle != nullptr && !A.AlreadyExists; }
bool Refused(const TLockAttempt& A) { return A.Handle == nullptr && !A.AlreadyExists; }

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
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Case.Plant();
    const auto Before = Listing(Temp.Path());
    EXPECT_TRUE(Refused(Lock.Create(Name)));
    EXPECT_EQ(Listing(Temp.Path()), Before);
    for (const auto& Entry : fs::directory_iterator(Temp.Path())) fs::remove_all(Entry.path());
  }
}

TEST_F(SystemProcessLockTest, RefusesALockFileOfAnotherUser) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand a file to another user";
  std::ofstream(LockFile) << "";
  ::chmod(LockFile.c_str(), 0600);
  ASSERT_EQ(::chown(LockFile.c_str(), 65534, 65534), 0);
  EXPECT_TRUE(Refused(Lock.Create(Name)));
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
    EXPECT_TRUE(Refused(Lock.Create(Bad)));
  }
  EXPECT_TRUE(fs::is_empty(Temp.Path()));
}

TEST(SystemProcessLockFolder, UsesTheRuntimeFolderOnlyWhenItIsAnAbsoluteExistingFolder) {
  TTempFolder Runtime;
  const char* Saved = std::getenv("XDG_RUNTIME_DIR");
  const std::string Restore = Saved != nullptr ? Saved : "";
  const std::vector<std::pair<const char*, std::string>> Cases = {
      {Runtime.Path().c_str(), Runtime.Path().string()},
      {"relative/run", "/tmp"},  // relative to whatever the current folder is
      {"", "/tmp"},
      {"/nonexistent-varnesk-runtime", "/tmp"},
  };
  for (const auto& [Value, Expected] : Cases) {
    SCOPED_TRACE(Value);
    ::setenv("XDG_RUNTIME_DIR", Value, 1);
    EXPECT_EQ(TSystemProcessLock::DefaultFolder(), Expected);
  }
  ::unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(TSystemProcessLock::DefaultFolder(), "/tmp");
  if (Saved != nullptr) ::setenv("XDG_RUNTIME_DIR", Restore.c_str(), 1);
}

}  // namespace
