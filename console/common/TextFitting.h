#pragma once

#include "console/common/rules/TextPadding.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Controls.h"

#include <string>

namespace marivo {

struct TFittedText {
  int Size;
  int Height;
};

// The largest bold Verdana size, from startSize down, at which the text and one blank fit the
// width.
int FitFontSize(const std::string& text, int width, int startSize, TCanvas& measuring);

// Sets the caption and gives the label the largest bold Verdana size, from startSize down, at
// which the text and one blank fit its width. Measured on the given canvas.
void FitLabelText(TControl& label, const std::string& text, int startSize, TCanvas& measuring);

// The largest bold Verdana size, from startSize down, at which the text and one blank fit both
// width and height, with the height of that text at that size.
TFittedText FitTextToWidth(const std::string& text, int width, int startSize, int height,
                           TCanvas& measuring);

} // namespace marivo
