#include "platform/ui/Dialogs.h"

#include <windows.h>

namespace marivo {

namespace {

TMessageBoxHandler& Handler() {
  static TMessageBoxHandler handler;
  return handler;
}

} // namespace

int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  if (Handler())
    return Handler()(text, caption, flags);
  return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
}

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler) {
  TMessageBoxHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

} // namespace marivo
