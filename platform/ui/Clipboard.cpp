#include "platform/ui/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace marivo {

namespace {

// The clipboard needs an owner window for SetClipboardData to succeed after EmptyClipboard.
HWND OwnerWindow() {
  static HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
  return window;
}

// Holds the clipboard open for a scope.
class TOpenClipboard {
public:
  TOpenClipboard() {
    constexpr int attempts = 20;
    for (int i = 0; i < attempts; ++i) {
      if (OpenClipboard(OwnerWindow()))
        return;
      Sleep(25);
    }
    throw EClipboardException("Cannot open clipboard");
  }
  ~TOpenClipboard() { CloseClipboard(); }
  TOpenClipboard(const TOpenClipboard&) = delete;
  TOpenClipboard& operator=(const TOpenClipboard&) = delete;
};

} // namespace

bool TClipboard::HasText() {
  return IsClipboardFormatAvailable(CF_TEXT) != 0;
}

std::string TClipboard::AsText() {
  const TOpenClipboard open;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data)
    return {};
  const auto* text = static_cast<const char*>(GlobalLock(data));
  if (!text)
    throw EClipboardException("Cannot read the clipboard");
  // The data need not end in a zero within its block.
  const std::string result(text, strnlen(text, GlobalSize(data)));
  GlobalUnlock(data);
  return result;
}

void TClipboard::SetAsText(const std::string& text) {
  const TOpenClipboard open;
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!data)
    throw EClipboardException("Cannot write the clipboard");
  auto* target = static_cast<char*>(GlobalLock(data));
  std::memcpy(target, text.c_str(), text.size() + 1);
  GlobalUnlock(data);
  if (!EmptyClipboard() || !SetClipboardData(CF_TEXT, data)) {
    GlobalFree(data);
    throw EClipboardException("Cannot write the clipboard");
  }
}

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

} // namespace marivo
