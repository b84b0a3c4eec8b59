#pragma once

#include <windows.h>

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

namespace marivo::test {

// A T on pages of its own that are made unreadable when it is freed, so that any use after the
// free stops the test.
template <class T> class TGuarded : public T {
public:
  using T::T;
  static void* operator new(std::size_t size) {
    if (void* storage = VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))
      return storage;
    throw std::bad_alloc();
  }
  static void operator delete(void* storage, std::size_t size) {
    DWORD old = 0;
    VirtualProtect(storage, size, PAGE_NOACCESS, &old);
    Graves.push_back(storage);
  }
  // Gives the freed objects' pages back and tells how many were freed.
  static std::size_t Release() {
    const std::vector<void*> graves = std::exchange(Graves, {});
    for (void* storage : graves)
      VirtualFree(storage, 0, MEM_RELEASE);
    return graves.size();
  }

private:
  static inline std::vector<void*> Graves;
};

} // namespace marivo::test
