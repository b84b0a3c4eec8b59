#pragma once

#include "platform/ui/Graphics.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <array>

namespace marivo {

// The face colour of a shape button in each state.
class TMVWShapeButtonColor : public TMVWObject {
public:
  static constexpr TColor DefaultColor = clBtnFace;

  TMVWShapeButtonColor() { Colors_.fill(DefaultColor); }

  // 0 Disabled, 1 Down, 2 MouseOver, 3 OptionSet, 4 Up.
  TColor Color(int index) const { return Colors_.at(static_cast<std::size_t>(index)); }
  void SetColor(int index, TColor value);
  TColor Disabled() const { return Colors_[0]; }
  void SetDisabled(TColor value) { SetColor(0, value); }
  TColor Down() const { return Colors_[1]; }
  void SetDown(TColor value) { SetColor(1, value); }
  TColor MouseOver() const { return Colors_[2]; }
  void SetMouseOver(TColor value) { SetColor(2, value); }
  TColor OptionSet() const { return Colors_[3]; }
  void SetOptionSet(TColor value) { SetColor(3, value); }
  TColor Up() const { return Colors_[4]; }
  void SetUp(TColor value) { SetColor(4, value); }

  // All five colours, then one change.
  void Assign(const TPersistent& source) override;

private:
  std::array<TColor, 5> Colors_;
};

// Makes the colours known to form data.
void RegisterMVWShapeButtonColor();

} // namespace marivo
