#include "app/systemprocesslock.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/appname.h"
#include "text/utf8.h"
#endif

namespace {

#ifdef _WIN32

TLockHandle ToHandle(HANDLE Native) { return reinterpret_cast<TLockHandle>(Native); }
HANDLE ToNative(TLockHandle Handle) { return reinterpret_cast<HANDLE>(Handle); }

#else

// Descriptor 0 is a valid descriptor, so handles carry the descriptor plus one.
TLockHandle ToHandle(int Fd) {
  return reinterpret_cast<TLockHandle>(static_cast<std::uintptr_t>(Fd) + 1);
}
int ToFd(TLockHandle Handle) {
  return static_cast<int>(reinterpret_cast<std::uintptr_t>(Handle) - 1);
}

std::u16string Text(std::string_view Utf8) { return Utf8ToUtf16(Utf8); }

std::u16string SystemError(std::u16string_view What, int Error) {
  return std::u16string(What) + u": " + Text(std::strerror(Error));
}

TLockAttempt Unusable(std::u16string LockFile, std::u16string Error) {
  TLockAttempt Attempt;
  Attempt.LockFile = std::move(LockFile);
  Attempt.Error = std::move(Error);
  return Attempt;
}

// Creates the missing levels of Folder (mode 0700) and checks that it is a
// real folder of this user that nobody else can write to; the reason when
// it is not.
std::u16string PrepareFolder(std::string Folder) {
  while (Folder.size() > 1 && Folder.back() == '/') Folder.pop_back();
  for (std::size_t End = Folder.find('/', 1);; End = Folder.find('/', End + 1)) {
    const std::string Level = Folder.substr(0, End);
    struct stat St {};
    if (::stat(Level.c_str(), &St) != 0 && (errno != ENOENT || (::mkdir(Level.c_str(), 0700) != 0 && errno != EEXIST)))
      return SystemError(u"the folder cannot be created", errno);
    if (End == std::string::npos) break;
  }
  struct stat St {};
  if (::lstat(Folder.c_str(), &St) != 0) return SystemError(u"the folder cannot be created", errno);
  if (S_ISLNK(St.st_mode)) return u"its folder is a symbolic link";
  if (!S_ISDIR(St.st_mode)) return u"its folder is not a folder";
  if (St.st_uid != ::geteuid()) return u"its folder belongs to another user";
  if ((St.st_mode & 022) != 0) return u"others can write to its folder";
  return {};
}

// Why the open lock file must not be used, or nothing.
std::u16string LockFileProblem(int Fd) {
  struct stat St {};
  if (::fstat(Fd, &St) != 0) return SystemError(u"it cannot be examined", errno);
  if (!S_ISREG(St.st_mode)) return u"it is not a regular file";
  if (St.st_uid != ::geteuid()) return u"it belongs to another user";
  if ((St.st_mode & 077) != 0) return u"others can read or write it";
  return {};
}

std::string HomeFolder() {
  if (const char* Home = std::getenv("HOME"); Home != nullptr && Home[0] == '/') return Home;
  const passwd* Entry = ::getpwuid(::geteuid());
  return Entry != nullptr && Entry->pw_dir != nullptr ? Entry->pw_dir : "";
}

#endif

}  // namespace

#ifdef _WIN32

TSystemProcessLock::TSystemProcessLock() = default;

TLockAttempt TSystemProcessLock::Create(std::u16string_view Name) {
  if (Name.find(u'\0') != std::u16string_view::npos) return {};
  const std::wstring Wide(Name.begin(), Name.end());
  ::SetLastError(ERROR_SUCCESS);
  const HANDLE Native = ::CreateMutexW(nullptr, FALSE, Wide.c_str());
  const DWORD Error = ::GetLastError();
  TLockAttempt Attempt{ToHandle(Native), Error == ERROR_ALREADY_EXISTS, {}, {}};
  if (Attempt.Handle != nullptr) FOpenHandles.push_back(Attempt.Handle);
  return Attempt;
}

void TSystemProcessLock::Release(TLockHandle Handle) { ::CloseHandle(ToNative(Handle)); }

#else

TSystemProcessLock::TSystemProcessLock() : TSystemProcessLock(DefaultFolder()) {}

TSystemProcessLock::TSystemProcessLock(std::string Folder) : FFolder(std::move(Folder)) {}

std::string TSystemProcessLock::DefaultFolder() {
  const char* State = std::getenv("XDG_STATE_HOME");
  std::string Folder = State != nullptr && State[0] == '/' ? State : HomeFolder() + "/.local/state";
  if (Folder.back() != '/') Folder.push_back('/');
  return Folder + *Utf16ToUtf8(AppName);
}

std::optional<std::string> TSystemProcessLock::LockPath(std::u16string_view Name) const {
  if (Name.empty() || Name.find_first_of(u"/\0", 0, 2) != std::u16string_view::npos) return std::nullopt;
  auto Utf8 = Utf16ToUtf8(Name);
  if (!Utf8) return std::nullopt;
  std::string Path = FFolder;
  if (Path.empty() || Path.back() != '/') Path.push_back('/');
  Path += *Utf8;
  Path += '-';
  Path += std::to_string(::geteuid());
  Path += ".lock";
  return Path;
}

TLockAttempt TSystemProcessLock::Create(std::u16string_view Name) {
  const auto Path = LockPath(Name);
  if (!Path) return Unusable(std::u16string(Name), u"its name cannot be used");
  const std::u16string Where = Text(*Path);
  if (std::u16string Problem = PrepareFolder(FFolder); !Problem.empty()) return Unusable(Where, std::move(Problem));
  // O_NOFOLLOW refuses a planted symbolic link; O_NONBLOCK keeps a planted
  // FIFO from blocking the open (fstat then refuses it).
  const int Fd = ::open(Path->c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
  if (Fd < 0) {
    if (errno == ELOOP) return Unusable(Where, u"it is a symbolic link");
    if (errno == EISDIR) return Unusable(Where, u"it is not a regular file");
    return Unusable(Where, SystemError(u"it cannot be opened", errno));
  }
  if (std::u16string Problem = LockFileProblem(Fd); !Problem.empty()) {
    ::close(Fd);
    return Unusable(Where, std::move(Problem));
  }
  int Result = 0;
  do {
    Result = ::flock(Fd, LOCK_EX | LOCK_NB);
  } while (Result != 0 && errno == EINTR);
  if (Result != 0 && errno != EWOULDBLOCK) {
    const int Error = errno;
    ::close(Fd);
    return Unusable(Where, SystemError(u"it cannot be locked", Error));
  }
  TLockAttempt Attempt{ToHandle(Fd), Result != 0, {}, {}};
  FOpenHandles.push_back(Attempt.Handle);
  return Attempt;
}

void TSystemProcessLock::Release(TLockHandle Handle) { ::close(ToFd(Handle)); }

#endif

TSystemProcessLock::~TSystemProcessLock() {
  for (TLockHandle Handle : FOpenHandles) Release(Handle);
}

void TSystemProcessLock::Close(TLockHandle Handle) {
  const auto It = std::find(FOpenHandles.begin(), FOpenHandles.end(), Handle);
  if (It == FOpenHandles.end()) return;
  FOpenHandles.erase(It);
  Release(Handle);
}
