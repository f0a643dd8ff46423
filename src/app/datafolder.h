// ResolveDataFolder: works out the per-user data folder, the Documents
// folder followed by "Orvandel" and "Varnesk", creates the levels that are
// missing, and answers the path with a closing separator (so a file name can
// be appended directly).
//
// The Documents lookup answers a path or nothing. Nothing, an empty path, or
// a path whose text up to its first NUL is empty, counts as a failed lookup:
// the answer is the empty string and no folder is tested or created. (An
// empty path taken as found would put the folders at the file-system root.)
// A path already ending in Separator gets no second one. Each level is
// created when FolderPresent says it is absent; failures to create are not
// reported, and the answer names the folders all the same. An exception
// from the lookup passes through, with nothing touched.
//
// FolderPresent is the folder test: a path whose attributes cannot be read is
// absent for the codes 2, 3, 21, 53 and 123 and present for any other code;
// otherwise it is present exactly when it is a directory (a plain file of the
// name counts as absent).
//
// Runs once at start-up on the user-interface thread; keeps no state.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/appname.h"
#include "app/folderaccess.h"

using TDocumentsLookup = std::function<std::optional<std::u16string>()>;

#ifdef _WIN32
inline constexpr char16_t PathSeparator = u'\\';
#else
inline constexpr char16_t PathSeparator = u'/';
#endif

inline constexpr std::u16string_view MakerFolderName = u"Orvandel";
inline constexpr std::u16string_view ProductFolderName = AppName;

bool FolderPresent(TFolderAccess& Folders, std::u16string_view Path);

std::u16string ResolveDataFolder(const TDocumentsLookup& Documents, TFolderAccess& Folders,
                                 char16_t Separator = PathSeparator);

#ifdef _WIN32
// The user's Documents folder through SHGetSpecialFolderPathW (CSIDL_PERSONAL,
// not created when missing).
std::optional<std::u16string> WindowsDocumentsFolder();
#endif
