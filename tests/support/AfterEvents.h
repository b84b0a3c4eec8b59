#pragma once

#include "platform/rtl/Components.h"

#include <string>
#include <vector>

namespace marivo::test {

// Notes each posted after-enter and after-exit of the edits as "enter Name" or "exit Name", in
// the order they run, and still runs the handlers the form bound.
template <class TEditClass, class TEdits>
void RecordAfterEvents(const TEdits& edits, std::vector<std::string>& events) {
  for (TEditClass* edit : edits) {
    const auto note = [edit, &events](const std::string& what, TNotifyEvent bound) {
      return [edit, &events, what, bound](TObject* sender) {
        events.push_back(what + " " + edit->Name());
        if (bound)
          bound(sender);
      };
    };
    edit->OnAfterEnter = note("enter", edit->OnAfterEnter);
    edit->OnAfterExit = note("exit", edit->OnAfterExit);
  }
}

} // namespace marivo::test
