#include "platform/ui/Shell.h"

#include <utility>

namespace marivo {

namespace {

using TShellExecuteA = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

TShellOpener& Opener() {
  static TShellOpener opener;
  return opener;
}

// shell32 is not linked: the programs must start where it is missing or broken.
TShellExecuteA BindShellExecute() {
  static const TShellExecuteA entry = [] {
    HMODULE module = LoadLibraryA("shell32.dll");
    if (!module)
      return TShellExecuteA{};
    return reinterpret_cast<TShellExecuteA>(
        reinterpret_cast<void*>(GetProcAddress(module, "ShellExecuteA")));
  }();
  return entry;
}

} // namespace

INT_PTR ShellOpen(HWND owner, const std::string& target) {
  if (Opener())
    return Opener()(owner, target);
  const TShellExecuteA execute = BindShellExecute();
  if (!execute)
    return 0;
  return reinterpret_cast<INT_PTR>(
      execute(owner, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

void SetShellOpener(TShellOpener opener) {
  Opener() = std::move(opener);
}

} // namespace marivo
