#pragma once

#include "platform/ui/Forms.h"

#include <string>

namespace marivo::test {

// Writes a picture of the form as shown on screen to <MARIVO_SNAPSHOT_DIR>/<name>.bmp, so a
// person can look at every page; does nothing when the variable is not set. Returns the file.
std::string SnapshotForm(TForm& form, const std::string& name);

} // namespace marivo::test
