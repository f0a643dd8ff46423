#include "app/systemfolderaccess.h"

#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <sys/stat.h>

#include "text/utf8.h"
#endif

namespace {

#ifdef _WIN32

std::optional<std::wstring> NativePath(std::u16string_view Path) {
  if (Path.find(u'\0') != std::u16string_view::npos) return std::nullopt;
  return std::wstring(Path.begin(), Path.end());
}

TPathAttributes Failed() { return {false, false, static_cast<std::uint32_t>(::GetLastError())}; }

// Attributes of the target a reparse point leads to.
TPathAttributes TargetAttributes(const std::wstring& Path) {
  const HANDLE File = ::CreateFileW(Path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (File == INVALID_HANDLE_VALUE) return Failed();
  BY_HANDLE_FILE_INFORMATION Info{};
  const BOOL Ok = ::GetFileInformationByHandle(File, &Info);
  TPathAttributes Result = Ok ? TPathAttributes{true, (Info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, 0}
                              : Failed();
  ::CloseHandle(File);
  return Result;
}

#else

std::optional<std::string> NativePath(std::u16string_view Path) {
  if (Path.find(u'\0') != std::u16string_view::npos) return std::nullopt;
  return Utf16ToUtf8(Path);
}

#endif

}  // namespace

#ifdef _WIN32

TPathAttributes TSystemFolderAccess::Attributes(std::u16string_view Path) {
  const auto Native = NativePath(Path);
  if (!Native) return {false, false, IoCode::InvalidName};
  const DWORD Attributes = ::GetFileAttributesW(Native->c_str());
  if (Attributes == INVALID_FILE_ATTRIBUTES) return Failed();
  if ((Attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return TargetAttributes(*Native);
  return {true, (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0, 0};
}

void TSystemFolderAccess::CreateFolder(std::u16string_view Path) {
  if (const auto Native = NativePath(Path)) ::CreateDirectoryW(Native->c_str(), nullptr);
}

#else

TPathAttributes TSystemFolderAccess::Attributes(std::u16string_view Path) {
  const auto Native = NativePath(Path);
  if (!Native) return {false, false, IoCode::InvalidName};
  struct stat St {};
  if (::stat(Native->c_str(), &St) != 0) {
    return {false, false, static_cast<std::uint32_t>(WindowsErrorFromErrno(errno, TErrnoUse::Folder))};
  }
  return {true, S_ISDIR(St.st_mode), 0};
}

void TSystemFolderAccess::CreateFolder(std::u16string_view Path) {
  if (const auto Native = NativePath(Path)) ::mkdir(Native->c_str(), 0777);
}

#endif
