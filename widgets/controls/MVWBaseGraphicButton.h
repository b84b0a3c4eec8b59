#pragma once

#include "platform/ui/Menus.h"
#include "widgets/controls/MVWBaseGraphicControl.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGlyph.h"

#include <array>
#include <cstdint>

namespace marivo {

class TMVWFormShape;

// Button states; 5 is never used.
constexpr std::uint8_t gbsUp = 0;
constexpr std::uint8_t gbsDisabled = 1;
constexpr std::uint8_t gbsHot = 2;         // the mouse is over it
constexpr std::uint8_t gbsLatched = 3;     // down in its group
constexpr std::uint8_t gbsPressed = 4;     // the left button is held down on it
constexpr std::uint8_t gbsDroppedDown = 6; // its menu is open
constexpr std::uint8_t gbsDisabledLatched = 7;

// The window-less button: a state machine over the mouse, its accelerator and its group, with a
// glyph and caption laid out by ButtonLayout, hover highlighting, latching in groups, repeated
// clicks on the widget timer pool and a drop-down menu. Descendants paint the face.
class TMVWBaseGraphicButton : public TMVWBaseGraphicControl {
public:
  static constexpr bool DefaultAllowTransparency = true;
  static constexpr std::int32_t DefaultGroupIndex = 0;
  static constexpr bool DefaultEnterColorChange = false;
  static constexpr TColor DefaultEnterColor = static_cast<TColor>(0x80000009);
  static constexpr std::int32_t DefaultDropDownComboWidth = 12;
  static constexpr bool DefaultDropDownCombo = false;
  static constexpr bool DefaultAllowAllUp = false;
  static constexpr bool DefaultHideHint = true;
  static constexpr bool DefaultRepeatedClick = false;
  static constexpr std::uint16_t DefaultRepeatingInterval = 100;
  static constexpr std::uint16_t DefaultRepeatingDelay = 500;
  static constexpr bool DefaultUseCaption = true;
  static constexpr bool DefaultPressed = false;
  static constexpr std::int32_t DefaultDropDownIndent = 0;
  static constexpr bool DefaultDropDownRight = false;
  static constexpr bool DefaultMultiLine = false;

  explicit TMVWBaseGraphicButton(TComponent* owner);
  ~TMVWBaseGraphicButton() override;

  TMVWButtonLayout& ButtonLayout() { return ButtonLayout_; }
  void SetButtonLayout(const TMVWButtonLayout& value) { ButtonLayout_.Assign(value); }
  TMVWFxCaption& FontFX() { return FontFX_; }
  void SetFontFX(const TMVWFxCaption& value) { FontFX_.Assign(value); }
  TColor EnterColor() const { return EnterColor_; }
  void SetEnterColor(TColor value);
  bool EnterColorChange() const { return EnterColorChange_; }
  void SetEnterColorChange(bool value);
  TBitmap& Glyph() { return Glyph_.Bitmap(); }
  // A copy of value, none for nullptr; outside loading it replaces an image-list entry.
  void SetGlyph(const TBitmap* value);
  TMVWGlyph& GlyphImages() { return Glyph_; }
  TMVWNumGlyphs NumGlyphs() const { return Glyph_.NumGlyphs(); }
  void SetNumGlyphs(TMVWNumGlyphs value);
  bool HideHint() const { return HideHint_; }
  void SetHideHint(bool value) { HideHint_ = value; }
  bool RepeatedClick() const { return RepeatedClick_; }
  // Off also stops a repeat that runs.
  void SetRepeatedClick(bool value);
  std::uint16_t RepeatingInterval() const { return RepeatingInterval_; }
  void SetRepeatingInterval(std::uint16_t value) { RepeatingInterval_ = value; }
  std::uint16_t RepeatingDelay() const { return RepeatingDelay_; }
  void SetRepeatingDelay(std::uint16_t value) { RepeatingDelay_ = value; }
  bool UseCaption() const { return UseCaption_; }
  void SetUseCaption(bool value);

  bool AllowAllUp() const { return AllowAllUp_; }
  void SetAllowAllUp(bool value);
  bool AllowMouseOver() const { return AllowMouseOver_; }
  void SetAllowMouseOver(bool value) { AllowMouseOver_ = value; }
  bool AllowTransparency() const { return AllowTransparency_; }
  void SetAllowTransparency(bool value) { AllowTransparency_ = value; }
  std::int32_t GroupIndex() const { return GroupIndex_; }
  void SetGroupIndex(std::int32_t value);
  bool Pressed() const { return Pressed_; }
  // Only a button of a group latches; a latched one is released only with AllowAllUp.
  void SetPressed(bool value);
  TPopupMenu* DropDownMenu() const { return DropDownMenu_; }
  void SetDropDownMenu(TPopupMenu* value);
  std::int32_t DropDownIndent() const { return DropDownIndent_; }
  void SetDropDownIndent(std::int32_t value);
  bool DropDownRight() const { return DropDownRight_; }
  void SetDropDownRight(bool value);
  bool DropDownCombo() const { return DropDownCombo_; }
  void SetDropDownCombo(bool value);
  std::int32_t DropDownComboWidth() const { return DropDownComboWidth_; }
  void SetDropDownComboWidth(std::int32_t value);
  bool MultiLine() const { return MultiLine_; }
  void SetMultiLine(bool value);

  std::uint8_t State() const { return State_; }
  std::uint8_t PreviousState() const { return PreviousState_; }
  bool MouseIsDown() const { return MouseIsDown_; }
  // A menu is set and its arrow has a part of the button of its own.
  bool ComboActive() const { return ComboActive_; }
  // The hover check (0) and the repeat (1) timers' identifiers in the pool; 0 while stopped.
  std::uint16_t TimerId(int index) const { return Timers_.at(static_cast<std::size_t>(index)); }

  // Opens DropDownMenu below the button (right of it with DropDownRight) and returns when the
  // menu has closed.
  void DropDown();
  HPALETTE GetPalette() override;
  void WndProc(TMessage& message) override;
  void DoMouseEnter() override;
  void DoMouseExit() override;
  bool ParentBackActive() override;
  void ImageListChanged() override;
  void Loaded() override;

  TNotifyEvent OnDropDown;

  // Form data stores Glyph only while this holds.
  virtual bool IsGlyphStored();

protected:
  virtual bool HasOwnGlyphStyle();
  virtual bool StyleShowsHot() { return false; }
  virtual void RepeatClick();
  virtual void DrawContent(TCanvas& canvas, const RECT& rect);
  virtual bool ColorShowsHot() { return false; }
  // The edges count as inside.
  virtual bool PtInButton(int x, int y);
  // Drops the hot look once the cursor has gone elsewhere without a leave message.
  virtual void CheckMouseInside();
  // The union of glyph and caption as they would be laid out in rect.
  virtual RECT MeasureLayout(const RECT& rect);

  void SetState(std::uint8_t value);
  // Painted now when the parent has a window and nothing is being read, else invalidated.
  void PaintAtOnce();
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void FontChanged(TObject* sender);
  // The parent's background under rect, the parent's point origin at the rect's top left.
  void PaintParentBackground(TCanvas& canvas, const RECT& rect, POINT origin);
  // The rect of the drop-down arrow: the right DropDownComboWidth pixels of rect.
  RECT ArrowPart(const RECT& rect) const;

private:
  void StartTimer(int index, std::uint16_t interval, TNotifyEvent handler);
  void StopTimer(int index);
  void RepeatTick();
  void NotifyGroup();
  void UpdateComboActive();
  void CaptureLost();
  void ButtonPressed(TMessage& message);
  void DialogChar(TMessage& message);
  // The client point inside the button by the mouse-move rule of AllowTransparency.
  bool InsideClient(int x, int y);
  TMVWFormShape* OwnerFormShape() const;

  TMVWButtonLayout ButtonLayout_;
  TMVWFxCaption FontFX_;
  TMVWGlyph Glyph_;
  TColor EnterColor_ = DefaultEnterColor;
  bool EnterColorChange_ = DefaultEnterColorChange;
  bool HideHint_ = DefaultHideHint;
  bool RepeatedClick_ = DefaultRepeatedClick;
  std::uint16_t RepeatingInterval_ = DefaultRepeatingInterval;
  std::uint16_t RepeatingDelay_ = DefaultRepeatingDelay;
  bool UseCaption_ = DefaultUseCaption;
  bool AllowAllUp_ = DefaultAllowAllUp;
  bool AllowMouseOver_ = false;
  bool AllowTransparency_ = DefaultAllowTransparency;
  std::int32_t GroupIndex_ = DefaultGroupIndex;
  bool Pressed_ = DefaultPressed;
  TPopupMenu* DropDownMenu_ = nullptr;
  std::int32_t DropDownIndent_ = DefaultDropDownIndent;
  bool DropDownRight_ = DefaultDropDownRight;
  bool DropDownCombo_ = DefaultDropDownCombo;
  std::int32_t DropDownComboWidth_ = DefaultDropDownComboWidth;
  bool MultiLine_ = DefaultMultiLine;
  std::uint8_t State_ = gbsUp;
  std::uint8_t PreviousState_ = gbsUp;
  bool MouseIsDown_ = false;
  bool ComboActive_ = false;
  std::array<std::uint16_t, 2> Timers_{};
};

// Makes the base known to form data.
void RegisterMVWBaseGraphicButton();

} // namespace marivo
