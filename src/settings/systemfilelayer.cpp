#include "settings/systemfilelayer.h"

#include "settings/inouterror.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "text/utf8.h"
#endif

#ifdef _WIN32

namespace {

const wchar_t* Wide(const std::u16string& Name) { return reinterpret_cast<const wchar_t*>(Name.c_str()); }

int LastError() { return static_cast<int>(GetLastError()); }

class TWin32File final : public TOpenFile {
 public:
  explicit TWin32File(HANDLE Handle) : FHandle(Handle) {}
  ~TWin32File() override {
    if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  }
  TWin32File(const TWin32File&) = delete;
  TWin32File& operator=(const TWin32File&) = delete;

  int Read(char* Buffer, std::size_t Size, std::size_t& Got) override {
    DWORD Done = 0;
    const auto Ask = static_cast<DWORD>(std::min<std::size_t>(Size, 1u << 30));
    Got = 0;
    if (!ReadFile(FHandle, Buffer, Ask, &Done, nullptr)) return LastError();
    Got = Done;
    return 0;
  }

  int Write(std::string_view Bytes) override {
    while (!Bytes.empty()) {
      DWORD Done = 0;
      const auto Ask = static_cast<DWORD>(std::min<std::size_t>(Bytes.size(), 1u << 30));
      if (!WriteFile(FHandle, Bytes.data(), Ask, &Done, nullptr)) return LastError();
      Bytes.remove_prefix(Done);
    }
    return 0;
  }

  int Flush() override { return FlushFileBuffers(FHandle) ? 0 : LastError(); }

  int Close() override {
    const HANDLE Handle = FHandle;
    FHandle = INVALID_HANDLE_VALUE;
    return CloseHandle(Handle) ? 0 : LastError();
  }

 private:
  HANDLE FHandle = INVALID_HANDLE_VALUE;
};

int Open(const std::u16string& Name, DWORD Access, DWORD Disposition, std::unique_ptr<TOpenFile>& File) {
  const HANDLE Handle =
      CreateFileW(Wide(Name), Access, FILE_SHARE_READ, nullptr, Disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (Handle == INVALID_HANDLE_VALUE) return LastError();
  File = std::make_unique<TWin32File>(Handle);
  return 0;
}

}  // namespace

bool TSystemFileLayer::FileExists(const std::u16string& Name) {
  const DWORD Attributes = GetFileAttributesW(Wide(Name));
  return Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

int TSystemFileLayer::OpenRead(const std::u16string& Name, std::unique_ptr<TOpenFile>& File) {
  return Open(Name, GENERIC_READ, OPEN_EXISTING, File);
}

int TSystemFileLayer::CheckWritable(const std::u16string& Name) {
  std::unique_ptr<TOpenFile> File;
  const int Code = Open(Name, GENERIC_WRITE, OPEN_EXISTING, File);
  if (Code != 0) return Code;
  File->Close();
  return 0;
}

int TSystemFileLayer::Create(const std::u16string& Name, std::unique_ptr<TOpenFile>& File) {
  return Open(Name, GENERIC_WRITE, CREATE_ALWAYS, File);
}

int TSystemFileLayer::Replace(const std::u16string& From, const std::u16string& To) {
  return MoveFileExW(Wide(From), Wide(To), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : LastError();
}

void TSystemFileLayer::Remove(const std::u16string& Name) { DeleteFileW(Wide(Name)); }

#else

namespace {

std::string Native(const std::u16string& Name) { return EncodeUtf8(Name); }

// The folder part of Path ("." for a bare name).
std::string FolderOf(const std::string& Path) {
  const std::size_t Slash = Path.rfind('/');
  if (Slash == std::string::npos) return ".";
  return Slash == 0 ? "/" : Path.substr(0, Slash);
}

bool FolderMissing(const std::string& Path) {
  struct stat Info {};
  return stat(FolderOf(Path).c_str(), &Info) != 0 || !S_ISDIR(Info.st_mode);
}

// The code for the errno a call on Path just left.
int Failure(const std::string& Path) {
  const int Error = errno;
  return Error == ENOENT && FolderMissing(Path) ? IoCode::PathNotFound : WindowsErrorFromErrno(Error, TErrnoUse::File);
}

class TPosixFile final : public TOpenFile {
 public:
  explicit TPosixFile(int Descriptor) : FDescriptor(Descriptor) {}
  ~TPosixFile() override {
    if (FDescriptor >= 0) close(FDescriptor);
  }
  TPosixFile(const TPosixFile&) = delete;
  TPosixFile& operator=(const TPosixFile&) = delete;

  int Read(char* Buffer, std::size_t Size, std::size_t& Got) override {
    Got = 0;
    for (;;) {
      const ssize_t Done = read(FDescriptor, Buffer, Size);
      if (Done >= 0) {
        Got = static_cast<std::size_t>(Done);
        return 0;
      }
      if (errno != EINTR) return WindowsErrorFromErrno(errno, TErrnoUse::File);
    }
  }

  int Write(std::string_view Bytes) override {
    while (!Bytes.empty()) {
      const ssize_t Done = write(FDescriptor, Bytes.data(), Bytes.size());
      if (Done < 0) {
        if (errno == EINTR) continue;
        return WindowsErrorFromErrno(errno, TErrnoUse::File);
      }
      Bytes.remove_prefix(static_cast<std::size_t>(Done));
    }
    return 0;
  }

  int Flush() override {
    while (fsync(FDescriptor) != 0) {
      if (errno == EINTR) continue;
      // A file that cannot be synced (a pipe, some special file systems)
      // has nothing more to push.
      if (errno == EINVAL || errno == EROFS) return 0;
      return WindowsErrorFromErrno(errno, TErrnoUse::File);
    }
    return 0;
  }

  int Close() override {
    const int Descriptor = FDescriptor;
    FDescriptor = -1;
    // On EINTR the descriptor is gone all the same; what was written is in
    // the kernel already (Flush synced it).
    if (close(Descriptor) != 0 && errno != EINTR) return WindowsErrorFromErrno(errno, TErrnoUse::File);
    return 0;
  }

 private:
  int FDescriptor = -1;
};

int Open(const std::string& Path, int Flags, std::unique_ptr<TOpenFile>& File) {
  int Descriptor = -1;
  do {
    Descriptor = open(Path.c_str(), Flags | O_CLOEXEC | O_NOCTTY, 0666);
  } while (Descriptor < 0 && errno == EINTR);
  if (Descriptor < 0) return Failure(Path);
  File = std::make_unique<TPosixFile>(Descriptor);
  return 0;
}

void SyncFolder(const std::string& Path) {
  const int Descriptor = open(FolderOf(Path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Descriptor < 0) return;
  fsync(Descriptor);
  close(Descriptor);
}

}  // namespace

bool TSystemFileLayer::FileExists(const std::u16string& Name) {
  struct stat Info {};
  return stat(Native(Name).c_str(), &Info) == 0 && S_ISREG(Info.st_mode);
}

int TSystemFileLayer::OpenRead(const std::u16string& Name, std::unique_ptr<TOpenFile>& File) {
  return Open(Native(Name), O_RDONLY, File);
}

int TSystemFileLayer::CheckWritable(const std::u16string& Name) {
  std::unique_ptr<TOpenFile> File;
  // Non-blocking, so that a FIFO in the file's place cannot hang the open.
  const int Code = Open(Native(Name), O_WRONLY | O_NONBLOCK, File);
  if (Code != 0) return Code;
  File->Close();
  return 0;
}

int TSystemFileLayer::Create(const std::u16string& Name, std::unique_ptr<TOpenFile>& File) {
  return Open(Native(Name), O_WRONLY | O_CREAT | O_TRUNC, File);
}

int TSystemFileLayer::Replace(const std::u16string& From, const std::u16string& To) {
  const std::string Source = Native(From);
  const std::string Target = Native(To);
  struct stat Info {};
  if (stat(Target.c_str(), &Info) == 0 && S_ISREG(Info.st_mode)) chmod(Source.c_str(), Info.st_mode & 0777);
  // Root saving another user's file must not leave that user a file of
  // root's: the new file takes the old one's owner and group (a symbolic link
  // in its place is replaced, so its target's owner does not count). Better
  // no save than a file its user can no longer write.
  struct stat Entry {};
  if (geteuid() == 0 && lstat(Target.c_str(), &Entry) == 0 && S_ISREG(Entry.st_mode) &&
      chown(Source.c_str(), Entry.st_uid, Entry.st_gid) != 0)
    return Failure(Source);
  if (rename(Source.c_str(), Target.c_str()) != 0) return Failure(Target);
  SyncFolder(Target);
  return 0;
}

void TSystemFileLayer::Remove(const std::u16string& Name) { unlink(Native(Name).c_str()); }

#endif

TFileLayer& SystemFileLayer() {
  static TSystemFileLayer Layer;
  return Layer;
}
