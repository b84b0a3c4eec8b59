#pragma once

#include "platform/ui/Forms.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace marivo::test {

// A form's window as it showed on screen.
struct TSnapshot {
  // Whether some pixel of the colour shows within part of the control's client area (all of it
  // when part is empty); smoothed text has no point that is sure to hold its colour.
  bool Shows(TControl& control, TColor color, RECT part = {}) const;
  // The colour, as ColorToRGB gives it, at a point of the control's client area; CLR_INVALID off
  // the picture.
  std::uint32_t At(TControl& control, POINT point) const;

  std::string File;       // the picture written, or empty without a folder for pictures
  RECT Bounds{};          // the window on screen
  std::vector<char> Bits; // 24 bits a pixel, rows from the bottom, as in the file
};

// Takes a picture of the form as shown on screen, and writes it to
// <MARIVO_SNAPSHOT_DIR>/<name>.bmp when that variable is set, so a person can look at every page.
TSnapshot SnapshotForm(TForm& form, const std::string& name);

} // namespace marivo::test
