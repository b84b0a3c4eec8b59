#pragma once

#include "platform/ui/Canvas.h"
#include "platform/ui/Pictures.h"
#include "widgets/controls/portable/MVWLEDCells.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace marivo {

// Draws texts as rows of sixteen-segment cells: every segment in a dim checkered pattern, the
// character's segments lit in ActiveColor.
class TMVWLED : public TMVWObject {
public:
  static constexpr bool DefaultDisabledDigits = true;
  static constexpr TColor DefaultInActiveColor = 0x008000;
  static constexpr TColor DefaultActiveColor = 0x00FF00;

  TMVWLED();

  TColor ActiveColor() const { return ActiveColor_; }
  TColor InActiveColor() const { return InActiveColor_; }
  TColor BackgroundColor() const { return BackgroundColor_; }
  // Index 0 ActiveColor, 1 InActiveColor, 2 the background.
  void SetColor(int index, TColor value);
  void SetActiveColor(TColor value) { SetColor(0, value); }
  void SetInActiveColor(TColor value) { SetColor(1, value); }
  void SetBackgroundColor(TColor value) { SetColor(2, value); }
  std::uint8_t Horzsize() const { return static_cast<std::uint8_t>(Size_.Horz); }
  std::uint8_t Thickness() const { return static_cast<std::uint8_t>(Size_.Thickness); }
  std::uint8_t Vertsize() const { return static_cast<std::uint8_t>(Size_.Vert); }
  // Index 1 Horzsize, 2 Thickness, 3 Vertsize.
  void SetSize(int index, std::uint8_t value);
  void SetHorzsize(std::uint8_t value) { SetSize(1, value); }
  void SetThickness(std::uint8_t value) { SetSize(2, value); }
  void SetVertsize(std::uint8_t value) { SetSize(3, value); }
  bool DisabledDigits() const { return DisabledDigits_; }
  void SetDisabledDigits(bool value);
  const TMVWLEDSize& CellSize() const { return Size_; }

  // Sizes and colours of another LED, not its background.
  void Assign(const TPersistent& source) override;

  // A blinking LED shows its segments lit at every other draw.
  virtual void BlinkOn();
  virtual void BlinkOff();
  bool Blinking() const { return Blinking_; }

  // Lays the text out from rect's top left; without draw only measures.
  void DrawText(TCanvas* canvas, const RECT& rect, bool draw, bool enabled,
                const std::string& text);
  SIZE TextExtent(const std::string& text, int bevelExtent);
  int Lines() const { return Lines_; }
  int Columns() const { return Columns_; }
  // A cell with every segment unlit.
  TBitmap& Cell() { return Cell_; }

private:
  void BuildCell();
  void DrawCell(TCanvas& canvas, int x, int y, std::uint16_t lit);

  TColor ActiveColor_ = DefaultActiveColor;
  TColor InActiveColor_ = DefaultInActiveColor;
  TColor BackgroundColor_ = clBlack;
  TMVWLEDSize Size_;
  bool DisabledDigits_ = DefaultDisabledDigits;
  bool Blinking_ = false;
  bool PhaseLit_ = false;
  TMVWLEDSegments Segments_{};
  TBitmap Cell_;
  std::string Text_;
  int Lines_ = 1;
  int Columns_ = 1;
};

// Makes the display known to form data.
void RegisterMVWLED();

} // namespace marivo
