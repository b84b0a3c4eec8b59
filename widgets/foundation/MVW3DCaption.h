#pragma once

#include "platform/ui/Graphics.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <cstdint>
#include <string>

namespace marivo {

enum TMVWDisabledStyle : std::uint8_t { dsAuto, dsStandard, ds3d, dsNone };
enum TMVWThreeDOrientation : std::uint8_t { toBottomLeft, toBottomRight, toTopLeft, toTopRight };
enum TMVWThreeDStyle : std::uint8_t {
  tdNone,
  tdSunken,
  tdRaised,
  tdSunkenShadow,
  tdRaisedShadow,
  tdPColorSunken,
  tdPColorRaised,
  tdShadow,
  tdOutline,
  tdExtrude,
  tdExtrudeEnh
};

// A three-dimensional text style with light and shadow.
class TMVW3DCaption : public TMVWObject {
public:
  static constexpr TMVWDisabledStyle DefaultDisabledStyle = dsAuto;
  static constexpr std::uint8_t DefaultDepth = 1;
  static constexpr TColor DefaultLightColor = clBtnHighlight;
  static constexpr TColor DefaultShadowColor = clBtnShadow;
  static constexpr TMVWThreeDOrientation DefaultOrientation = toTopLeft;
  static constexpr TMVWThreeDStyle DefaultStyle = tdNone;
  static constexpr std::int32_t DefaultTracing = 0;

  TMVW3DCaption() = default;

  TMVWDisabledStyle DisabledStyle() const { return DisabledStyle_; }
  void SetDisabledStyle(TMVWDisabledStyle value);
  // Index 0 LightDepth, 1 ShadowDepth.
  std::uint8_t Depth(int index) const { return index == 0 ? LightDepth_ : ShadowDepth_; }
  void SetDepth(int index, std::uint8_t value);
  std::uint8_t LightDepth() const { return LightDepth_; }
  std::uint8_t ShadowDepth() const { return ShadowDepth_; }
  void SetLightDepth(std::uint8_t value) { SetDepth(0, value); }
  void SetShadowDepth(std::uint8_t value) { SetDepth(1, value); }
  // Index 0 LightColor, 1 ShadowColor.
  TColor Color(int index) const { return index == 0 ? LightColor_ : ShadowColor_; }
  void SetColor(int index, TColor value);
  TColor LightColor() const { return LightColor_; }
  TColor ShadowColor() const { return ShadowColor_; }
  void SetLightColor(TColor value) { SetColor(0, value); }
  void SetShadowColor(TColor value) { SetColor(1, value); }
  TMVWThreeDOrientation Orientation() const { return Orientation_; }
  void SetOrientation(TMVWThreeDOrientation value);
  TMVWThreeDStyle Style() const { return Style_; }
  void SetStyle(TMVWThreeDStyle value);
  std::int32_t Tracing() const { return Tracing_; }
  void SetTracing(std::int32_t value);

  void Assign(const TPersistent& source) override;
  std::string DescribeSettings() const override;

protected:
  void CopyFrom(const TMVW3DCaption& caption);

private:
  TMVWDisabledStyle DisabledStyle_ = DefaultDisabledStyle;
  std::uint8_t LightDepth_ = DefaultDepth;
  std::uint8_t ShadowDepth_ = DefaultDepth;
  TColor LightColor_ = DefaultLightColor;
  TColor ShadowColor_ = DefaultShadowColor;
  TMVWThreeDOrientation Orientation_ = DefaultOrientation;
  TMVWThreeDStyle Style_ = DefaultStyle;
  std::int32_t Tracing_ = DefaultTracing;
};

// Makes the caption style known to form data.
void RegisterMVW3DCaption();

} // namespace marivo
