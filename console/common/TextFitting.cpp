#include "console/common/TextFitting.h"

namespace marivo {

namespace {

// Size 1 is the floor: below it a size turns into a growing pixel height and the search for a
// fitting size would never end on a label too narrow for any text.
constexpr int SmallestSize = 1;

void PrepareMeasuringFont(TCanvas& measuring, int size) {
  measuring.Font().SetName("Verdana");
  measuring.Font().SetStyle(fsBold);
  measuring.Font().SetSize(size);
}

} // namespace

int FitFontSize(const std::string& text, int width, int startSize, TCanvas& measuring) {
  int size = startSize;
  PrepareMeasuringFont(measuring, size);
  while (size > SmallestSize && measuring.TextWidth(text + " ") > width)
    measuring.Font().SetSize(--size);
  return size;
}

void FitLabelText(TControl& label, const std::string& text, int startSize, TCanvas& measuring) {
  label.Font().SetSize(FitFontSize(text, label.Width(), startSize, measuring));
  label.SetCaption(text);
}

TFittedText FitTextToWidth(const std::string& text, int width, int startSize, int height,
                           TCanvas& measuring) {
  int size = FitFontSize(text, width, startSize, measuring);
  while (size > SmallestSize && measuring.TextHeight(text + " ") > height)
    measuring.Font().SetSize(--size);
  return {size, measuring.TextHeight(text + " ")};
}

} // namespace marivo
