#include "widgets/foundation/MVWBevel.h"

#include "platform/rtl/ClassRegistry.h"

#include <algorithm>
#include <string>
#include <vector>

namespace marivo {

namespace {

bool IsFrame(TMVWBevelStyle style) {
  return style == bvFrameLowered || style == bvFrameRaised;
}

} // namespace

void TMVWBevel::SetStyleInner(TMVWBevelStyle value) {
  if (value == StyleInner_)
    return;
  if (value == bvShadow)
    StyleOuter_ = bvShadow;
  else if (StyleInner_ == bvShadow)
    StyleOuter_ = bvNone;
  StyleInner_ = value;
  Change();
}

void TMVWBevel::SetStyleOuter(TMVWBevelStyle value) {
  if (value == StyleOuter_)
    return;
  if (value == bvShadow)
    StyleInner_ = bvShadow;
  else if (StyleOuter_ == bvShadow)
    StyleInner_ = bvNone;
  StyleOuter_ = value;
  Change();
}

void TMVWBevel::SetWidthInner(TMVWBevelWidth value) {
  if (Store(WidthInner_, value))
    Change();
}

void TMVWBevel::SetWidthOuter(TMVWBevelWidth value) {
  if (Store(WidthOuter_, value))
    Change();
}

TColor TMVWBevel::Color(int index) const {
  return index == 0 ? BorderColor_ : index == 1 ? LightColor_ : ShadowColor_;
}

void TMVWBevel::SetColor(int index, TColor value) {
  TColor& field = index == 0 ? BorderColor_ : index == 1 ? LightColor_ : ShadowColor_;
  if (Store(field, value))
    Change();
}

void TMVWBevel::SetBorderSides(TMVWFrameSides value) {
  if (Store(BorderSides_, static_cast<TMVWFrameSides>(value & AllFrameSides)))
    Change();
}

void TMVWBevel::SetBorderWidth(TMVWBorderWidth value) {
  if (Store(BorderWidth_, value))
    Change();
}

void TMVWBevel::SetBorderInnerWidth(TMVWBorderWidth value) {
  if (Store(BorderInnerWidth_, value))
    Change();
}

void TMVWBevel::SetEdgeStyle(TMVWEdgeStyle value) {
  if (Store(EdgeStyle_, value))
    Change();
}

void TMVWBevel::SetMode(TMVWBevelMode value) {
  if (value == Mode_)
    return;
  if (OwnerDrawsWindowsBorder_ && (value == bmWindows || Mode_ == bmWindows))
    ModeChangeNeedsFrame_ = true;
  Mode_ = value;
  Change();
}

void TMVWBevel::SetStandardStyle(TMVWBorderStyle value) {
  if (Store(StandardStyle_, value) && Mode_ == bmStandard)
    Change();
}

std::int32_t TMVWBevel::GetExtent() const {
  switch (Mode_) {
  case bmCustom: {
    if (ShadowStyle())
      return WidthInner_ + BorderInnerWidth_;
    std::int32_t extent = BorderWidth_ + BorderInnerWidth_;
    if (StyleInner_ == bvNone && StyleOuter_ == bvNone)
      return extent;
    if (StyleOuter_ != bvNone)
      extent += WidthOuter_ + (IsFrame(StyleOuter_) ? 1 : 0);
    if (StyleInner_ != bvNone)
      extent += WidthInner_ + (IsFrame(StyleInner_) ? 1 : 0);
    return extent;
  }
  case bmStandard:
    return StandardBorderWidth(StandardStyle_) + BorderInnerWidth_;
  case bmEdge:
    return (BorderSides_ != 0 ? 2 : 0) + BorderInnerWidth_;
  case bmWindows:
    return OwnerDrawsWindowsBorder_ ? 0 : BorderInnerWidth_ + 2;
  }
  return 0;
}

RECT TMVWBevel::ClientRect(const RECT& rect) const {
  RECT client = rect;
  if (Mode_ == bmCustom && ShadowStyle()) {
    client.left += WidthInner_ + BorderInnerWidth_;
    client.top += WidthInner_ + BorderInnerWidth_;
    client.right -= WidthInner_ + WidthOuter_ + BorderInnerWidth_;
    client.bottom -= WidthInner_ + WidthOuter_ + BorderInnerWidth_;
  } else {
    InflateRect(&client, -Extent_, -Extent_);
  }
  return client;
}

bool TMVWBevel::NeedsFullRepaint() {
  const bool result = ModeChangeNeedsFrame_ || (Mode_ == bmWindows && OwnerDrawsWindowsBorder_);
  ModeChangeNeedsFrame_ = false;
  return result;
}

void TMVWBevel::FlatRing(TCanvas& canvas, RECT& rect, int width, bool transparent) const {
  if (transparent) {
    InflateRect(&rect, -width, -width);
    return;
  }
  canvas.Brush().SetColor(BorderColor_);
  for (int k = 0; k < width; ++k) {
    canvas.FrameRect(rect);
    InflateRect(&rect, -1, -1);
  }
}

RECT TMVWBevel::PaintBevel(TCanvas& canvas, const RECT& rect, bool transparent) {
  if (Extent_ == 0)
    return rect;
  RECT r = rect;
  switch (Mode_) {
  case bmCustom:
    if (ShadowStyle()) {
      DrawShadowFrame(canvas, r, LightColor_, ShadowColor_, BorderColor_, WidthOuter_, WidthInner_,
                      transparent);
    } else {
      DrawBevelFrame(canvas, r, StyleOuter_, WidthOuter_, ShadowColor_, LightColor_);
      FlatRing(canvas, r, BorderWidth_, transparent);
      DrawBevelFrame(canvas, r, StyleInner_, WidthInner_, ShadowColor_, LightColor_);
    }
    break;
  case bmStandard:
    DrawStandardBorder(canvas, r, StandardStyle_, 0);
    break;
  case bmWindows:
    DrawStandardBorder(canvas, r, lsLoweredExt, 0);
    break;
  case bmEdge:
    if (BorderSides_ != 0) {
      static constexpr UINT edges[] = {BDR_RAISEDINNER, BDR_RAISEDOUTER, BDR_SUNKENINNER,
                                       BDR_SUNKENOUTER, EDGE_BUMP,       EDGE_ETCHED,
                                       EDGE_RAISED,     EDGE_SUNKEN};
      static constexpr UINT sides[] = {BF_BOTTOM, BF_LEFT, BF_RIGHT, BF_TOP};
      UINT flags = 0;
      for (int side = 0; side < 4; ++side)
        if (BorderSides_ & (1 << side))
          flags |= sides[side];
      DrawEdge(canvas.Handle(), &r, edges[EdgeStyle_], flags);
      InflateRect(&r, -2, -2);
    }
    break;
  }
  FlatRing(canvas, r, BorderInnerWidth_, transparent);
  return r;
}

void TMVWBevel::Change() {
  Extent_ = GetExtent();
  ExtentRightBottom_ = Extent_;
  if (Mode_ == bmCustom && ShadowStyle())
    ExtentRightBottom_ = WidthInner_ + WidthOuter_ + BorderInnerWidth_;
  TMVWObject::Change();
}

void TMVWBevel::Assign(const TPersistent& source) {
  const auto* bevel = dynamic_cast<const TMVWBevel*>(&source);
  if (!bevel) {
    TMVWObject::Assign(source);
    return;
  }
  StyleInner_ = bevel->StyleInner_;
  StyleOuter_ = bevel->StyleOuter_;
  WidthInner_ = bevel->WidthInner_;
  WidthOuter_ = bevel->WidthOuter_;
  BorderColor_ = bevel->BorderColor_;
  BorderSides_ = bevel->BorderSides_;
  BorderWidth_ = bevel->BorderWidth_;
  BorderInnerWidth_ = bevel->BorderInnerWidth_;
  EdgeStyle_ = bevel->EdgeStyle_;
  LightColor_ = bevel->LightColor_;
  Mode_ = bevel->Mode_;
  ShadowColor_ = bevel->ShadowColor_;
  StandardStyle_ = bevel->StandardStyle_;
  OwnerDrawsWindowsBorder_ = bevel->OwnerDrawsWindowsBorder_;
  Change();
}

std::string TMVWBevel::DescribeSettings() const {
  static const char* const names[] = {"{Custom style}", "{Standard style}", "{Edged style}",
                                      "{Windows style}"};
  return names[Mode_];
}

TMVWScrollBoxBevel::TMVWScrollBoxBevel() {
  SetOwnerDrawsWindowsBorder(true);
  BeginUpdate();
  SetMode(DefaultMode);

  EndUpdate(false);
}

void RegisterMVWBevel() {
  using T = TMVWBevel;
  const std::vector<std::string> styles = {
      "bvNone", "bvLowered", "bvRaised", "bvFrameLowered", "bvFrameRaised", "bvNormal", "bvShadow"};
  const std::vector<std::string> modes = {"bmCustom", "bmStandard", "bmEdge", "bmWindows"};
  RegisterPersistentClass<T, TMVWObject>("TMVWBevel")
      .Enumeration("StyleInner", styles, &T::StyleInner, &T::SetStyleInner, T::DefaultStyle)
      .Enumeration("StyleOuter", styles, &T::StyleOuter, &T::SetStyleOuter, T::DefaultStyle)
      .Integer(
          "WidthInner", &T::WidthInner,
          [](T& bevel, TMVWBevelWidth value) {
            bevel.SetWidthInner(std::min<TMVWBevelWidth>(value, 50));
          },
          T::DefaultWidth)
      .Integer(
          "WidthOuter", &T::WidthOuter,
          [](T& bevel, TMVWBevelWidth value) {
            bevel.SetWidthOuter(std::min<TMVWBevelWidth>(value, 50));
          },
          T::DefaultWidth)
      .Integer("BorderColor", ColorIdents(), &T::BorderColor, &T::SetBorderColor,
               T::DefaultBorderColor)
      .Set("BorderSides", {"fsBottom", "fsLeft", "fsRight", "fsTop"}, &T::BorderSides,
           &T::SetBorderSides, T::DefaultBorderSides)
      .Integer("BorderWidth", &T::BorderWidth, &T::SetBorderWidth, T::DefaultBorderWidth)
      .Integer("BorderInnerWidth", &T::BorderInnerWidth, &T::SetBorderInnerWidth,
               T::DefaultBorderWidth)
      .Enumeration("EdgeStyle",
                   {"etRaisedInner", "etRaisedOuter", "etSunkenInner", "etSunkenOuter", "etBump",
                    "etEtched", "etRaised", "etSunken"},
                   &T::EdgeStyle, &T::SetEdgeStyle, T::DefaultEdgeStyle)
      .Integer("LightColor", ColorIdents(), &T::LightColor, &T::SetLightColor, T::DefaultLightColor)
      .Enumeration("Mode", modes, &T::Mode, &T::SetMode)
      .Integer("ShadowColor", ColorIdents(), &T::ShadowColor, &T::SetShadowColor,
               T::DefaultShadowColor)
      .Enumeration("StandardStyle",
                   {"lsNone", "lsSingle", "lsLowered", "lsRaised", "lsRaisedspb", "lsLoweredspb",
                    "lsRaisedExt", "lsLoweredExt", "lsFrameInset", "lsFrameOffset",
                    "lsWindowBorder", "lsSingleRaised", "lsSingleLowered", "lsDoubleRaised",
                    "lsDoubleLowered"},
                   &T::StandardStyle, &T::SetStandardStyle, T::DefaultStandardStyle);
  RegisterPersistentClass<TMVWScrollBoxBevel, T>("TMVWScrollBoxBevel")
      .Enumeration("Mode", modes, &TMVWScrollBoxBevel::Mode, &TMVWScrollBoxBevel::SetMode,
                   TMVWScrollBoxBevel::DefaultMode);
}

} // namespace marivo
