#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace marivo::test {

// A fresh folder of its own, gone with the object.
class TTemporaryFolder {
public:
  explicit TTemporaryFolder(const std::string& prefix)
      : Path_(std::filesystem::temp_directory_path() /
              (prefix + std::to_string(std::random_device()()))) {
    std::filesystem::create_directories(Path_);
  }
  ~TTemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Path_, ignored);
  }
  TTemporaryFolder(const TTemporaryFolder&) = delete;
  TTemporaryFolder& operator=(const TTemporaryFolder&) = delete;

  const std::filesystem::path& Path() const { return Path_; }
  std::string PathOf(const std::string& name) const { return (Path_ / name).string(); }

private:
  std::filesystem::path Path_;
};

// A fresh folder of its own made the current one, as the console's start folder; the previous
// current folder comes back and the folder goes away with the object.
class TTemporaryCurrentFolder {
public:
  explicit TTemporaryCurrentFolder(const std::string& prefix);
  ~TTemporaryCurrentFolder();
  TTemporaryCurrentFolder(const TTemporaryCurrentFolder&) = delete;
  TTemporaryCurrentFolder& operator=(const TTemporaryCurrentFolder&) = delete;

  const std::filesystem::path& Path() const { return Folder_.Path(); }

private:
  TTemporaryFolder Folder_;
  std::filesystem::path Previous_;
};

} // namespace marivo::test
