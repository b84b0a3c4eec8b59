#include "widgets/foundation/MVWFxCaption.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TextUtils.h"

namespace marivo {

// Compared before it is reduced, so 360 on an upright caption still tells the owner.
void TMVWFxCaption::SetAngle(TMVWAngle value) {
  if (value == Angle_)
    return;
  Angle_ = static_cast<TMVWAngle>(value % 360);
  Change();
}

void TMVWFxCaption::SetPosIndex(int index, std::uint16_t value) {
  std::uint16_t& field = index == 0 ? PosX_ : PosY_;
  if (Store(field, value))
    Change();
}

void TMVWFxCaption::SetPos(std::uint16_t x, std::uint16_t y) {
  BeginUpdate();
  SetPosX(x);
  SetPosY(y);
  EndUpdate(false);
}

void TMVWFxCaption::Assign(const TPersistent& source) {
  const auto* caption = dynamic_cast<const TMVWFxCaption*>(&source);
  if (!caption) {
    TMVW3DCaption::Assign(source);
    return;
  }
  CopyFrom(*caption);
  PosX_ = caption->PosX_;
  PosY_ = caption->PosY_;
  Angle_ = caption->Angle_;
  Change();
}

std::string TMVWFxCaption::DescribeSettings() const {
  std::string text = TMVW3DCaption::DescribeSettings();
  if (Angle_ == 0)
    return text;
  if (text == "{Disabled}")
    text = "{";
  else
    text.back() = ',';
  return text + " rot: " + IntToStr(Angle_) + "\xB0}";
}

void RegisterMVWFxCaption() {
  using T = TMVWFxCaption;
  RegisterPersistentClass<T, TMVW3DCaption>("TMVWFxCaption")
      .Integer("Angle", &T::Angle, &T::SetAngle, T::DefaultAngle)
      .Integer("PosX", &T::PosX, &T::SetPosX, T::DefaultPos)
      .Integer("PosY", &T::PosY, &T::SetPosY, T::DefaultPos);
}

} // namespace marivo
