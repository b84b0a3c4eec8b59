#pragma once

#include <string>
#include <vector>

namespace marivo::test {

// Reads every form compiled into this program into a new instance of its class and writes it
// back. Gives each difference from the form's file that the differences known for all forms do
// not explain ("FORM: Object.Child.Property is not written", "is written", "changes"), and each
// form whose written text does not read and write back the same.
std::vector<std::string> UnexplainedWriteBackDifferences();

} // namespace marivo::test
