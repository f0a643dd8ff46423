// TTempFolder: a fresh folder under the system temp folder for one test,
// removed with everything in it (permissions restored first) at the end.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>

#include <stdlib.h>

class TTempFolder {
 public:
  TTempFolder() {
    std::string Pattern = (std::filesystem::temp_directory_path() / "varnesk-settings-XXXXXX").string();
    if (mkdtemp(Pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    Path = Pattern;
  }
  ~TTempFolder() {
    std::error_code Error;
    for (auto It = std::filesystem::recursive_directory_iterator(Path, Error);
         It != std::filesystem::recursive_directory_iterator(); It.increment(Error))
      std::filesystem::permissions(It->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                   Error);
    std::filesystem::permissions(Path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, Error);
    std::filesystem::remove_all(Path, Error);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // The folder as a data folder: UTF-16, with a trailing separator.
  std::u16string Data() const { return Widen(Path.string() + "/"); }

  std::string Read(const std::string& Name) const {
    std::ifstream In(Path / Name, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  }
  void Write(const std::string& Name, const std::string& Bytes) const {
    std::ofstream(Path / Name, std::ios::binary) << Bytes;
  }
  // Names of the entries directly inside the folder.
  std::set<std::string> Entries() const {
    std::set<std::string> Names;
    for (const auto& Entry : std::filesystem::directory_iterator(Path)) Names.insert(Entry.path().filename().string());
    return Names;
  }

  static std::u16string Widen(const std::string& Ascii) { return {Ascii.begin(), Ascii.end()}; }

  std::filesystem::path Path;
};
