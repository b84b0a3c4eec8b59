#include "tests/support/TemporaryFolder.h"

#include <windows.h>

#include <random>
#include <stdexcept>

namespace marivo::test {

TTemporaryCurrentFolder::TTemporaryCurrentFolder(const std::string& prefix)
    : Path_(std::filesystem::temp_directory_path() /
            (prefix + std::to_string(std::random_device()()))) {
  std::filesystem::create_directories(Path_);
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  Previous_ = previous;
  if (!SetCurrentDirectoryA(Path_.string().c_str()))
    throw std::runtime_error("Cannot enter " + Path_.string());
}

TTemporaryCurrentFolder::~TTemporaryCurrentFolder() {
  SetCurrentDirectoryA(Previous_.string().c_str());
  std::error_code ignored;
  std::filesystem::remove_all(Path_, ignored);
}

} // namespace marivo::test
