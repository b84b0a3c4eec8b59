#pragma once

#include "widgets/controls/MVWBaseLabel.h"
#include "widgets/foundation/MVW3DCaption.h"

#include <cstdint>
#include <string>

namespace marivo {

enum TMVWJumpModes : std::uint8_t { jmInternet, jmApplication, jmNone, jmCustom };

// A quick label with a 3D text style that can also act as a link opened by the shell.
class TMVWCustomSimpleLabel : public TMVWBaseLabel {
public:
  static constexpr bool DefaultUseAsJump = false;
  static constexpr TMVWJumpModes DefaultJumpMode = jmNone;
  static constexpr bool DefaultJumpUnderline = true;
  static constexpr TColor DefaultInActiveColor = 0xFF0000;
  static constexpr TColor DefaultActiveColor = 0x800080;

  explicit TMVWCustomSimpleLabel(TComponent* owner);
  ~TMVWCustomSimpleLabel() override;

  TMVW3DCaption& Font3D() { return Font3D_; }
  void SetFont3D(const TMVW3DCaption& value) { Font3D_.Assign(value); }
  const std::string& Jump() const { return Jump_; }
  void SetJump(const std::string& value) { Jump_ = value; }
  // The link's colour while pressed.
  TColor ActiveColor() const { return ActiveColor_; }
  void SetActiveColor(TColor value) { ActiveColor_ = value; }
  TColor InActiveColor() const { return InActiveColor_; }
  void SetInActiveColor(TColor value);
  bool JumpUnderline() const { return JumpUnderline_; }
  void SetJumpUnderline(bool value);
  TMVWJumpModes JumpMode() const { return JumpMode_; }
  void SetJumpMode(TMVWJumpModes value);
  // Older form data marked links this way; read, never written.
  bool UseAsJump() const { return UseAsJump_; }
  void SetUseAsJump(bool value) { UseAsJump_ = value; }
  int ClickCount() const { return ClickCount_; }

  void Click() override;

protected:
  void Paint() override;
  void AdjustBounds() override;
  void Loaded() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  bool IsLink() const { return JumpMode_ != jmNone; }
  void SetUnderline(bool value);
  void OpenLink(bool internet);

  TMVW3DCaption Font3D_;
  std::string Jump_;
  TColor ActiveColor_ = DefaultActiveColor;
  TColor InActiveColor_ = DefaultInActiveColor;
  bool JumpUnderline_ = DefaultJumpUnderline;
  TMVWJumpModes JumpMode_ = DefaultJumpMode;
  bool UseAsJump_ = DefaultUseAsJump;
  int ClickCount_ = 0;
};

class TMVWSimpleLabel : public TMVWCustomSimpleLabel {
public:
  using TMVWCustomSimpleLabel::TMVWCustomSimpleLabel;
};

void RegisterMVWSimpleLabel();

} // namespace marivo
