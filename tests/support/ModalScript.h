#pragma once

#include "platform/ui/Forms.h"

#include <functional>
#include <vector>

namespace marivo::test {

// Ends a modal loop that a script could not finish.
constexpr TModalResult mrTimedOut = 99;

// Shows the form modally while the steps run from inside its loop, one per timer tick, so that
// what a step posts is handled before the next step. A step that returns false is tried again
// on the next tick; one that stays false for 5 s, or a form still open 5 s after the last step,
// ends the loop with mrTimedOut.
TModalResult ShowModalWith(TForm& form, std::vector<std::function<bool()>> steps);
// The same steps for a form that the action may show modally, or may not show at all.
void ScriptModal(TForm& form, std::vector<std::function<bool()>> steps,
                 const std::function<void()>& action);

} // namespace marivo::test
