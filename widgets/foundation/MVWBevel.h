#pragma once

#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace marivo {

enum TMVWBevelMode : std::uint8_t { bmCustom, bmStandard, bmEdge, bmWindows };
enum TMVWEdgeStyle : std::uint8_t {
  etRaisedInner,
  etRaisedOuter,
  etSunkenInner,
  etSunkenOuter,
  etBump,
  etEtched,
  etRaised,
  etSunken
};

// Set of sides, bit 1 << side.
enum TMVWFrameSide : std::uint8_t { fsBottom, fsLeft, fsRight, fsTop };
using TMVWFrameSides = std::uint8_t;
constexpr TMVWFrameSides AllFrameSides = 0x0F;

// 0..50
using TMVWBevelWidth = std::uint8_t;
using TMVWBorderWidth = std::uint8_t;

// The border of a widget control: a custom two-stage bevel, a standard border, an edge of chosen
// sides or the sunken window border; it gives the inset of the client area and paints itself.
class TMVWBevel : public TMVWObject {
public:
  static constexpr TMVWBevelStyle DefaultStyle = bvNone;
  static constexpr TMVWBevelWidth DefaultWidth = 1;
  static constexpr TColor DefaultBorderColor = clBtnFace;
  static constexpr TMVWFrameSides DefaultBorderSides = AllFrameSides;
  static constexpr TMVWBorderWidth DefaultBorderWidth = 0;
  static constexpr TMVWEdgeStyle DefaultEdgeStyle = etEtched;
  static constexpr TColor DefaultLightColor = clBtnHighlight;
  static constexpr TColor DefaultShadowColor = clBtnShadow;
  static constexpr TMVWBorderStyle DefaultStandardStyle = lsSingleLowered;

  TMVWBevel() = default;

  TMVWBevelStyle StyleInner() const { return StyleInner_; }
  void SetStyleInner(TMVWBevelStyle value);
  TMVWBevelStyle StyleOuter() const { return StyleOuter_; }
  void SetStyleOuter(TMVWBevelStyle value);
  TMVWBevelWidth WidthInner() const { return WidthInner_; }
  void SetWidthInner(TMVWBevelWidth value);
  TMVWBevelWidth WidthOuter() const { return WidthOuter_; }
  void SetWidthOuter(TMVWBevelWidth value);
  // Index 0 BorderColor, 1 LightColor, 2 ShadowColor.
  TColor Color(int index) const;
  void SetColor(int index, TColor value);
  TColor BorderColor() const { return BorderColor_; }
  void SetBorderColor(TColor value) { SetColor(0, value); }
  TColor LightColor() const { return LightColor_; }
  void SetLightColor(TColor value) { SetColor(1, value); }
  TColor ShadowColor() const { return ShadowColor_; }
  void SetShadowColor(TColor value) { SetColor(2, value); }
  TMVWFrameSides BorderSides() const { return BorderSides_; }
  void SetBorderSides(TMVWFrameSides value);
  TMVWBorderWidth BorderWidth() const { return BorderWidth_; }
  void SetBorderWidth(TMVWBorderWidth value);
  TMVWBorderWidth BorderInnerWidth() const { return BorderInnerWidth_; }
  void SetBorderInnerWidth(TMVWBorderWidth value);
  TMVWEdgeStyle EdgeStyle() const { return EdgeStyle_; }
  void SetEdgeStyle(TMVWEdgeStyle value);
  TMVWBevelMode Mode() const { return Mode_; }
  void SetMode(TMVWBevelMode value);
  TMVWBorderStyle StandardStyle() const { return StandardStyle_; }
  // Tells the owner only in standard mode.
  void SetStandardStyle(TMVWBorderStyle value);

  std::int32_t Extent() const { return Extent_; }
  std::int32_t ExtentRightBottom() const { return ExtentRightBottom_; }
  bool OwnerDrawsWindowsBorder() const { return OwnerDrawsWindowsBorder_; }
  void SetOwnerDrawsWindowsBorder(bool value) { OwnerDrawsWindowsBorder_ = value; }

  std::int32_t GetExtent() const;
  RECT ClientRect(const RECT& rect) const;
  // True once after a mode change into or out of the window border, and always while the owner
  // draws that border.
  bool NeedsFullRepaint();
  // Paints the border into rect; the rect left inside. Transparent leaves the flat rings and the
  // shadow corners unpainted.
  RECT PaintBevel(TCanvas& canvas, const RECT& rect, bool transparent);

  void Change() override;
  void Assign(const TPersistent& source) override;
  std::string DescribeSettings() const override;

private:
  bool ShadowStyle() const { return StyleOuter_ == bvShadow; }
  void FlatRing(TCanvas& canvas, RECT& rect, int width, bool transparent) const;

  TMVWBevelStyle StyleInner_ = DefaultStyle;
  TMVWBevelStyle StyleOuter_ = DefaultStyle;
  TMVWBevelWidth WidthInner_ = DefaultWidth;
  TMVWBevelWidth WidthOuter_ = DefaultWidth;
  TColor BorderColor_ = DefaultBorderColor;
  TMVWFrameSides BorderSides_ = DefaultBorderSides;
  TMVWBorderWidth BorderWidth_ = DefaultBorderWidth;
  TMVWBorderWidth BorderInnerWidth_ = DefaultBorderWidth;
  TMVWEdgeStyle EdgeStyle_ = DefaultEdgeStyle;
  TColor LightColor_ = DefaultLightColor;
  TMVWBevelMode Mode_ = bmCustom;
  TColor ShadowColor_ = DefaultShadowColor;
  TMVWBorderStyle StandardStyle_ = DefaultStandardStyle;
  std::int32_t Extent_ = 0;
  std::int32_t ExtentRightBottom_ = 0;
  bool OwnerDrawsWindowsBorder_ = false;
  bool ModeChangeNeedsFrame_ = false;
};

// The scroll box's bevel: the window border, drawn by the box itself.
class TMVWScrollBoxBevel : public TMVWBevel {
public:
  static constexpr TMVWBevelMode DefaultMode = bmWindows;

  TMVWScrollBoxBevel();
};

// Makes the bevels known to form data.
void RegisterMVWBevel();

} // namespace marivo
