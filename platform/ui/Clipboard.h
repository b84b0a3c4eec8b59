#pragma once

#include "platform/rtl/Exceptions.h"

#include <string>

namespace marivo {

// The display's clipboard could not be opened, read or written.
class EClipboardException : public Exception {
public:
  using Exception::Exception;
};

// The text of the display's clipboard. Another program may hold it open for a moment, so an open
// is tried again for a short while before it fails.
class TClipboard {
public:
  bool HasText();
  // "" when the clipboard holds no text.
  std::string AsText();
  // Replaces everything on the clipboard by the text.
  void SetAsText(const std::string& text);
};

TClipboard& Clipboard();

} // namespace marivo
