#include "app/datafolder.h"

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>
#endif

bool FolderPresent(TFolderAccess& Folders, std::u16string_view Path) {
  const TPathAttributes Attributes = Folders.Attributes(Path);
  if (Attributes.Readable) return Attributes.Directory;
  switch (Attributes.Error) {
    case IoCode::FileNotFound:
    case IoCode::PathNotFound:
    case IoCode::NotReady:
    case IoCode::BadNetPath:
    case IoCode::InvalidName:
      return false;
    default:
      return true;
  }
}

std::u16string ResolveDataFolder(const TDocumentsLookup& Documents, TFolderAccess& Folders, char16_t Separator) {
  if (!Documents) return {};
  const std::optional<std::u16string> Found = Documents();
  if (!Found) return {};
  std::u16string Folder = Found->substr(0, Found->find(u'\0'));
  if (Folder.empty()) return {};

  const auto EnsureFolder = [&Folders](const std::u16string& Path) {
    if (!FolderPresent(Folders, Path)) Folders.CreateFolder(Path);
  };
  if (Folder.back() != Separator) Folder.push_back(Separator);
  Folder += MakerFolderName;
  EnsureFolder(Folder);
  Folder.push_back(Separator);
  Folder += ProductFolderName;
  EnsureFolder(Folder);
  Folder.push_back(Separator);
  return Folder;
}

#ifdef _WIN32
std::optional<std::u16string> WindowsDocumentsFolder() {
  wchar_t Buffer[MAX_PATH + 1] = {};
  if (!::SHGetSpecialFolderPathW(nullptr, Buffer, CSIDL_PERSONAL, FALSE)) return std::nullopt;
  std::u16string Path;
  for (std::size_t I = 0; I < MAX_PATH && Buffer[I] != L'\0'; ++I) Path.push_back(static_cast<char16_t>(Buffer[I]));
  return Path;
}
#endif
