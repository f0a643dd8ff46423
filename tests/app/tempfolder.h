// TTempFolder: a fresh, empty folder under the system temp folder for one
// test, removed with everything in it when the object goes.
#pragma once

#include <filesystem>
#include <random>
#include <string>

class TTempFolder {
 public:
  TTempFolder() {
    std::random_device Random;
    const auto Base = std::filesystem::temp_directory_path();
    do {
      FPath = Base / ("varnesk-app-test-" + std::to_string(Random()));
    } while (!std::filesystem::create_directory(FPath));
  }
  ~TTempFolder() {
    std::error_code Ignored;
    std::filesystem::remove_all(FPath, Ignored);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::filesystem::path& Path() const { return FPath; }

 private:
  std::filesystem::path FPath;
};
