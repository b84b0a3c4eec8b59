#include "tests/support/TemporaryFolder.h"

#include <windows.h>

#include <stdexcept>

namespace marivo::test {

TTemporaryCurrentFolder::TTemporaryCurrentFolder(const std::string& prefix) : Folder_(prefix) {
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  Previous_ = previous;
  if (!SetCurrentDirectoryA(Path().string().c_str()))
    throw std::runtime_error("Cannot enter " + Path().string());
}

// The folder goes after this, once it is no longer the current one.
TTemporaryCurrentFolder::~TTemporaryCurrentFolder() {
  SetCurrentDirectoryA(Previous_.string().c_str());
}

} // namespace marivo::test
