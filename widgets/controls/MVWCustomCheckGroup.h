#pragma once

#include "widgets/controls/MVWCustomButtonGroup.h"

namespace marivo {

// Any items checked; ItemIndex holds them as bits, bit i for item i.
class TMVWCustomCheckGroup : public TMVWCustomButtonGroup {
public:
  static constexpr std::uint8_t DefaultGlyphNumber = 3;
  static constexpr bool DefaultGlyphTransparent = false;

  explicit TMVWCustomCheckGroup(TComponent* owner);

  void SetItemIndex(int value) override;
  std::uint8_t GlyphNumber() const { return GlyphNumber_; }
  void SetGlyphNumber(std::uint8_t value);

protected:
  TMVWButtonControl* CreateButton() override;
  int GetItemIndex() override;
  void ApplyItemIndex() override;
  // EListError "List count out of bounds (%d)" beyond what the bits hold.
  void CheckItemCount(int count) override;

private:
  std::uint8_t GlyphNumber_ = DefaultGlyphNumber;
};

void RegisterMVWCustomCheckGroup();

} // namespace marivo
