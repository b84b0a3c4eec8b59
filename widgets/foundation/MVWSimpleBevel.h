#pragma once

#include "platform/ui/Graphics.h"
#include "widgets/foundation/MVWBevel.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <cstdint>
#include <string>

namespace marivo {

enum TMVWSimpleBevelStyle : std::uint8_t { sbNormal, sbInset, sbOffset };

// The outline of a shape (sbNormal) or its sunken or raised two-colour bevel.
class TMVWSimpleBevel : public TMVWObject {
public:
  static constexpr TColor DefaultColor = clBlack;
  static constexpr TMVWBevelWidth DefaultWidth = 2;
  static constexpr TMVWSimpleBevelStyle DefaultStyle = sbNormal;
  static constexpr TColor DefaultLightColor = clBtnHighlight;
  static constexpr TColor DefaultShadowColor = clBtnShadow;

  TColor Color() const { return Color_; }
  void SetColor(TColor value) { SetColour(Color_, value); }
  // 0 draws no outline.
  TMVWBevelWidth Width() const { return Width_; }
  void SetWidth(TMVWBevelWidth value);
  TMVWSimpleBevelStyle Style() const { return Style_; }
  void SetStyle(TMVWSimpleBevelStyle value);
  TColor LightColor() const { return LightColor_; }
  void SetLightColor(TColor value) { SetColour(LightColor_, value); }
  TColor ShadowColor() const { return ShadowColor_; }
  void SetShadowColor(TColor value) { SetColour(ShadowColor_, value); }

  void Assign(const TPersistent& source) override;
  std::string DescribeSettings() const override;

private:
  void SetColour(TColor& field, TColor value);

  TColor Color_ = DefaultColor;
  TMVWBevelWidth Width_ = DefaultWidth;
  TMVWSimpleBevelStyle Style_ = DefaultStyle;
  TColor LightColor_ = DefaultLightColor;
  TColor ShadowColor_ = DefaultShadowColor;
};

// Makes the outline known to form data.
void RegisterMVWSimpleBevel();

} // namespace marivo
