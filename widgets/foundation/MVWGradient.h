#pragma once

#include "platform/ui/Canvas.h"
#include "platform/ui/GdiHandles.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace marivo {

enum TMVWGradientStyle : std::uint8_t {
  gstHorizontal,
  gstVertical,
  gstSquare,
  gstElliptic,
  gstTopLeft,
  gstTopRight,
  gstBottomLeft,
  gstBottomRight,
  gstTopLeftDiagonal,
  gstTopRightDiagonal
};

// 2..236
using TMVWColorCount = std::uint8_t;

using TMVWColorList = std::vector<std::uint32_t>;

constexpr std::uint16_t GradientClip = 0x0001;
constexpr std::uint16_t GradientBuffered = 0x0004;
constexpr std::uint16_t GradientUsePalette = 0x1000;

// A colour gradient with the ready list of its steps and, on request, a palette of them.
class TMVWGradient : public TMVWObject {
public:
  static constexpr TColor DefaultColor = clBlue;
  static constexpr TMVWColorCount DefaultColorCount = 16;
  static constexpr TMVWGradientStyle DefaultStyle = gstVertical;
  static constexpr TColor DefaultEndColor = clBlack;
  static constexpr bool DefaultPaletteRealize = false;
  static constexpr bool DefaultTwoColors = true;

  TMVWGradient();
  ~TMVWGradient() override;
  TMVWGradient(const TMVWGradient&) = delete;
  TMVWGradient& operator=(const TMVWGradient&) = delete;

  TColor Color() const { return Color_; }
  void SetColor(TColor value);
  TMVWColorCount ColorCount() const { return ColorCount_; }
  // Kept within 2..236.
  void SetColorCount(TMVWColorCount value);
  TMVWGradientStyle Style() const { return Style_; }
  void SetStyle(TMVWGradientStyle value);
  TColor EndColor() const { return EndColor_; }
  void SetEndColor(TColor value);
  bool PaletteRealize() const { return PaletteRealize_; }
  void SetPaletteRealize(bool value);
  bool TwoColors() const { return TwoColors_; }
  void SetTwoColors(bool value);

  // The colours of the multi-colour mode; call Change after editing them.
  TMVWColorList& Colors() { return Colors_; }
  const TMVWColorList& StepColors() const { return StepColors_; }
  HPALETTE GetPalette() const { return Palette_.Get(); }

  // "ColorList" of form data: appended to Colors in one update.
  std::vector<std::int64_t> ColorList() const;
  void ReadColorList(const std::vector<std::int64_t>& values);

  void BuildSteps();
  void PaintGradient(TCanvas& canvas, const RECT& rect);
  void RealizeOnCanvas(TCanvas& canvas);
  void Change() override;
  void Assign(const TPersistent& source) override;
  std::string DescribeSettings() const override;

private:
  TColor Color_ = DefaultColor;
  TMVWColorCount ColorCount_ = DefaultColorCount;
  TMVWGradientStyle Style_ = DefaultStyle;
  TColor EndColor_ = DefaultEndColor;
  bool PaletteRealize_ = DefaultPaletteRealize;
  bool TwoColors_ = DefaultTwoColors;

  TMVWColorList Colors_;
  TMVWColorList StepColors_;
  TPaletteHandle Palette_;
};

// Appends count steps from one colour to another (both ends included) to list; first clears it
// and starts at the from colour, otherwise the from colour is left out as the previous segment
// ended with it.
void AppendColorSteps(TColor from, TColor to, int count, bool first, TMVWColorList* list);
// A palette of the steps; nullptr for none.
HPALETTE CreateStepPalette(const TMVWColorList* list);
// Fills rect with the colours in one of ten shapes. clipOffset: X in the low, Y in the high word.
void FillGradientRect(TCanvas& canvas, const RECT& rect, TMVWGradientStyle style,
                      std::uint32_t clipOffset, std::uint16_t flags, HPALETTE palette,
                      const TMVWColorList* colors);
// Palette use is dropped where the application asks for it and the screen has 8 bits or fewer.
bool MVWPaletteAllowed();

// Makes the gradient known to form data.
void RegisterMVWGradient();

} // namespace marivo
