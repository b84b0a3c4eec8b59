#pragma once

#include <filesystem>
#include <string>

namespace marivo::test {

// A fresh folder of its own made the current one, as the console's start folder; the previous
// current folder comes back and the folder goes away with the object.
class TTemporaryCurrentFolder {
public:
  explicit TTemporaryCurrentFolder(const std::string& prefix);
  ~TTemporaryCurrentFolder();
  TTemporaryCurrentFolder(const TTemporaryCurrentFolder&) = delete;
  TTemporaryCurrentFolder& operator=(const TTemporaryCurrentFolder&) = delete;

  const std::filesystem::path& Path() const { return Path_; }

private:
  std::filesystem::path Path_;
  std::filesystem::path Previous_;
};

} // namespace marivo::test
