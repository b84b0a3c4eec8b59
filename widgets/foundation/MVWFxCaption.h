#pragma once

#include "widgets/foundation/MVW3DCaption.h"

#include <cstdint>

namespace marivo {

// 0..359 once stored.
using TMVWAngle = std::uint16_t;

// A 3D text style turned by an angle, with the text position the drawing recorded.
class TMVWFxCaption : public TMVW3DCaption {
public:
  static constexpr TMVWAngle DefaultAngle = 0;
  static constexpr std::uint16_t DefaultPos = 0;

  TMVWFxCaption() = default;

  TMVWAngle Angle() const { return Angle_; }
  // 360 is stored as 0; values past it lie outside the angle's range and are reduced as well.
  void SetAngle(TMVWAngle value);
  // Index 0 PosX, 1 PosY; drawing reads them as signed 16-bit offsets.
  std::uint16_t Pos(int index) const { return index == 0 ? PosX_ : PosY_; }
  void SetPosIndex(int index, std::uint16_t value);
  std::uint16_t PosX() const { return PosX_; }
  std::uint16_t PosY() const { return PosY_; }
  void SetPosX(std::uint16_t value) { SetPosIndex(0, value); }
  void SetPosY(std::uint16_t value) { SetPosIndex(1, value); }
  // Records the drawing's text position without telling the owner.
  void SetPos(std::uint16_t x, std::uint16_t y);

  void Assign(const TPersistent& source) override;
  std::string DescribeSettings() const override;

private:
  TMVWAngle Angle_ = DefaultAngle;
  std::uint16_t PosX_ = DefaultPos;
  std::uint16_t PosY_ = DefaultPos;
};

// Makes the caption style known to form data.
void RegisterMVWFxCaption();

} // namespace marivo
