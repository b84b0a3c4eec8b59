#pragma once

#include "platform/ui/Graphics.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <cstdint>
#include <string>

namespace marivo {

enum TMVWShadowStyle : std::uint8_t { hssNone, hssSolid, hssTracing };

// 0..40
using TMVWShadowDepth = std::uint8_t;

// A drop shadow to the right and down; with hssNone it has no depth for anybody.
class TMVWShadow : public TMVWObject {
public:
  static constexpr TColor DefaultColor = clBtnShadow;
  static constexpr TMVWShadowDepth DefaultDepth = 6;
  static constexpr TMVWShadowStyle DefaultStyle = hssSolid;

  TColor Color() const { return Color_; }
  void SetColor(TColor value);
  TMVWShadowDepth Depth() const { return Depth_; }
  void SetDepth(TMVWShadowDepth value);
  TMVWShadowStyle Style() const { return Style_; }
  void SetStyle(TMVWShadowStyle value);
  // Depth, or 0 without a shadow.
  int EffectiveDepth() const { return Style_ == hssNone ? 0 : Depth_; }

  void Assign(const TPersistent& source) override;
  std::string DescribeSettings() const override;

private:
  TColor Color_ = DefaultColor;
  TMVWShadowDepth Depth_ = DefaultDepth;
  TMVWShadowStyle Style_ = DefaultStyle;
};

// The shadow of a shaped window: none until one is chosen.
class TMVWRgnShadow : public TMVWShadow {
public:
  static constexpr TMVWShadowStyle DefaultStyle = hssNone;

  TMVWRgnShadow() { SetStyle(DefaultStyle); }
};

// Makes the shadows known to form data.
void RegisterMVWShadow();

} // namespace marivo
