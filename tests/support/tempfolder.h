// TTempFolder: a fresh folder under the system temp folder for one test,
// removed with everything in it (permissions restored first) at the end.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

class TTempFolder {
 public:
  TTempFolder() {
    std::random_device Random;
    const auto Base = std::filesystem::temp_directory_path();
    do {
      FPath = Base / ("varnesk-test-" + std::to_string(Random()));
    } while (!std::filesystem::create_directory(FPath));
  }
  ~TTempFolder() {
    namespace fs = std::filesystem;
    std::error_code Error;
    for (auto It = fs::recursive_directory_iterator(FPath, Error); It != fs::recursive_directory_iterator();
         It.increment(Error))
      fs::permissions(It->path(), fs::perms::owner_all, fs::perm_options::add, Error);
    fs::permissions(FPath, fs::perms::owner_all, fs::perm_options::add, Error);
    fs::remove_all(FPath, Error);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::filesystem::path& Path() const { return FPath; }

  // The folder as a data folder: UTF-16, with a trailing separator.
  std::u16string Data() const { return Widen(FPath.string() + "/"); }

  std::string Read(const std::string& Name) const {
    std::ifstream In(FPath / Name, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  }
  void Write(const std::string& Name, const std::string& Bytes) const {
    std::ofstream(FPath / Name, std::ios::binary) << Bytes;
  }
  // Names of the entries directly inside the folder.
  std::set<std::string> Entries() const {
    std::set<std::string> Names;
    for (const auto& Entry : std::filesystem::directory_iterator(FPath)) Names.insert(Entry.path().filename().string());
    return Names;
  }

  static std::u16string Widen(const std::string& Ascii) { return {Ascii.begin(), Ascii.end()}; }

 private:
  std::filesystem::path FPath;
};
