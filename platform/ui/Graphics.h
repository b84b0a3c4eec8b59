#pragma once

#include "platform/rtl/Components.h"
#include "platform/ui/GdiHandles.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace marivo {

// 0x00BBGGRR, or a system colour: clSystemColor or'ed with the COLOR_* index, the numbers stored
// widget data carries (clBtnFace = 0x8000000F).
using TColor = std::int32_t;

constexpr TColor clSystemColor = static_cast<TColor>(0x80000000);
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The colour names form data may use, in place of numbers.
const std::vector<std::pair<std::string, std::int64_t>>& ColorIdents();

// Resolves a system colour (any negative value) to its current RGB value.
std::uint32_t ColorToRGB(TColor color);

using TFontStyles = std::uint8_t;
enum : TFontStyles { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font description with its GDI font made when first asked for. Height is in pixels (negative:
// character height without internal leading); Size is in points at the screen's resolution.
class TFont : public TPersistent {
public:
  TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;
  void Assign(const TPersistent& source) override;

  const std::string& Name() const { return Name_; }
  void SetName(const std::string& value);
  int Height() const { return Height_; }
  void SetHeight(int value);
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return Style_; }
  void SetStyle(TFontStyles value);
  TColor Color() const { return Color_; }
  void SetColor(TColor value);
  int Charset() const { return Charset_; }
  void SetCharset(int value);
  // The angle of the text's baseline in tenths of a degree, counter-clockwise.
  int Orientation() const { return Orientation_; }
  void SetOrientation(int value);

  HFONT Handle();
  bool Equals(const TFont& other) const;

  TNotifyEvent OnChange;

  static int PixelsPerInch();

private:
  void Changed();

  std::string Name_ = "Tahoma";
  int Height_ = -11;
  TFontStyles Style_ = 0;
  TColor Color_ = clWindowText;
  int Charset_ = DEFAULT_CHARSET;
  int Orientation_ = 0;
  TFontHandle Handle_;
};

} // namespace marivo
