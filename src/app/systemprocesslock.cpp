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
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/utf8.h"
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

bool UsableLockFile(int Fd) {
  struct stat St {};
  if (::fstat(Fd, &St) != 0) return false;
  return S_ISREG(St.st_mode) && St.st_uid == ::geteuid() && (St.st_mode & 077) == 0;
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
  TLockAttempt Attempt{ToHandle(Native), Error == ERROR_ALREADY_EXISTS};
  if (Attempt.Handle != nullptr) FOpenHandles.push_back(Attempt.Handle);
  return Attempt;
}

void TSystemProcessLock::Release(TLockHandle Handle) { ::CloseHandle(ToNative(Handle)); }

#else

TSystemProcessLock::TSystemProcessLock() : TSystemProcessLock(DefaultFolder()) {}

TSystemProcessLock::TSystemProcessLock(std::string Folder) : FFolder(std::move(Folder)) {}

std::string TSystemProcessLock::DefaultFolder() {
  if (const char* Runtime = std::getenv("XDG_RUNTIME_DIR"); Runtime != nullptr && Runtime[0] == '/') {
    struct stat St {};
    if (::stat(Runtime, &St) == 0 && S_ISDIR(St.st_mode)) return Runtime;
  }
  return "/tmp";
}

std::optional<std::string> TSystemProcessLock::LockPath(std::u16string_view Name) const {
  if (Name.empty() || Name.find_first_of(u"/\0", 0, 2) != std::u16string_view::npos) return std::nullopt;
  auto Utf8 = varnesk::app::Utf16ToUtf8(Name);
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
  if (!Path) return {};
  // O_NOFOLLOW refuses a planted symbolic link; O_NONBLOCK keeps a planted
  // FIFO from blocking the open (fstat then refuses it).
  const int Fd = ::open(Path->c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
  if (Fd < 0) return {};
  if (!UsableLockFile(Fd)) {
    ::close(Fd);
    return {};
  }
  int Result = 0;
  do {
    Result = ::flock(Fd, LOCK_EX | LOCK_NB);
  } while (Result != 0 && errno == EINTR);
  if (Result != 0 && errno != EWOULDBLOCK) {
    ::close(Fd);
    return {};
  }
  TLockAttempt Attempt{ToHandle(Fd), Result != 0};
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
