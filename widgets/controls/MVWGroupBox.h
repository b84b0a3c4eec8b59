#pragma once

#include "widgets/controls/MVWControl.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWCustomParentPanel.h"
#include "widgets/controls/portable/MVWGroupLayout.h"
#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWFxCaption.h"

namespace marivo {

// A frame whose caption sits at one of twelve places around it, turned on the left and right.
class TMVWCustomGroupBox : public TMVWCustomParentPanel {
public:
  static constexpr TMVWGroupCaptionAlign DefaultAlignment = gcaTopLeft;
  static constexpr std::int32_t DefaultCaptionOffset = 8;
  static constexpr bool DefaultTabStop = false;
  static constexpr bool DefaultCaptionParentFont = true;
  static constexpr bool DefaultShowAccelChar = true;

  explicit TMVWCustomGroupBox(TComponent* owner);
  ~TMVWCustomGroupBox() override;

  TMVWGroupCaptionAlign Alignment() const { return Alignment_; }
  void SetAlignment(TMVWGroupCaptionAlign value);
  std::int32_t CaptionOffset() const { return CaptionOffset_; }
  void SetCaptionOffset(std::int32_t value);
  // Follows the parent's font while CaptionParentFont holds.
  TFont& CaptionFont() { return CaptionFont_; }
  void SetCaptionFont(const TFont& value) { CaptionFont_.Assign(value); }
  TMVW3DCaption& CaptionFont3D() { return CaptionFont3D_; }
  void SetCaptionFont3D(const TMVW3DCaption& value) { CaptionFont3D_.Assign(value); }
  bool CaptionParentFont() const { return CaptionParentFont_; }
  void SetCaptionParentFont(bool value);
  bool ShowAccelChar() const { return ShowAccelChar_; }
  void SetShowAccelChar(bool value);
  // 0 without caption text.
  int CaptionHeight();
  const TMVWFxCaption& CaptionStyle() const { return Fx_; }

  void WndProc(TMessage& message) override;

protected:
  void AlignControls(TControl* control, RECT& rect) override;
  void Paint() override;
  void CaptionMetrics();
  void FollowParentFont(TFont* font);
  bool HasCaption();

private:
  void CaptionFontChanged();
  // False when the theme could not be opened.
  bool PaintThemedFrame(TCanvas& canvas, const RECT& frame);
  // The group-box part's state: 1 enabled, 2 disabled.
  int ThemeState() { return Enabled() ? 1 : 2; }
  // The parent's background under the caption, where the themed frame lets it show; false
  // when the theme has nothing to show through.
  bool PaintThemedCaptionBack(TCanvas& canvas, const RECT& back);

  TMVWGroupCaptionAlign Alignment_ = DefaultAlignment;
  std::int32_t CaptionOffset_ = DefaultCaptionOffset;
  TFont CaptionFont_;
  TMVW3DCaption CaptionFont3D_;
  bool CaptionParentFont_ = DefaultCaptionParentFont;
  bool ShowAccelChar_ = DefaultShowAccelChar;
  TMVWFxCaption Fx_;
  int CaptionHeight_ = 0;
  bool FollowingParent_ = false;
};

class TMVWGroupBox : public TMVWCustomGroupBox {
public:
  using TMVWCustomGroupBox::TMVWCustomGroupBox;
};

const std::vector<std::string>& GroupCaptionAlignNames();
void RegisterMVWGroupBox();

// The published properties of a group box, which the button groups publish too.
template <class T> TClassBuilder<T>& PublishGroupBox(TClassBuilder<T>& builder) {
  return PublishImageLink(builder)
      .Class("Bevel", &T::Bevel)
      .Boolean("Transparent", &T::Transparent, &T::SetTransparent, T::DefaultTransparent)
      .Boolean("CtlXP", &T::CtlXP, &T::SetCtlXP, T::DefaultCtlXP)
      .Class("BackFX", &T::BackFX)
      .Enumeration("Alignment", GroupCaptionAlignNames(), &T::Alignment, &T::SetAlignment,
                   T::DefaultAlignment)
      .Integer("CaptionOffset", &T::CaptionOffset, &T::SetCaptionOffset, T::DefaultCaptionOffset)
      .Class("CaptionFont", &T::CaptionFont)
      .Class("CaptionFont3D", &T::CaptionFont3D)
      .Boolean("CaptionParentFont", &T::CaptionParentFont, &T::SetCaptionParentFont,
               T::DefaultCaptionParentFont)
      .Boolean("ShowAccelChar", &T::ShowAccelChar, &T::SetShowAccelChar, T::DefaultShowAccelChar)
      .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, T::DefaultTabStop);
}

} // namespace marivo
