#pragma once

#include "platform/ui/Buttons.h"
#include "platform/ui/Canvas.h"
#include "widgets/controls/MVWImageLink.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGlyph.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

namespace marivo {

// The platform push button drawn by the widget library: the window keeps focus, keys, Default
// and Cancel; the face, glyph and caption are painted in one of the fourteen looks, with hover
// and repeated clicks.
class TMVWCustomButton : public TButton {
public:
  static constexpr TMVWUserButtonStyle DefaultExtStyle = ubsAutoDetect;
  static constexpr bool DefaultHideHint = true;
  static constexpr bool DefaultMultiLine = false;
  static constexpr bool DefaultRepeatedClick = false;
  static constexpr std::uint16_t DefaultRepeatingDelay = 500;
  static constexpr std::uint16_t DefaultRepeatingInterval = 100;
  static constexpr bool DefaultUseCaption = true;

  explicit TMVWCustomButton(TComponent* owner);
  ~TMVWCustomButton() override;

  const TMVWAboutVar& About() const { return About_; }
  void SetAbout(const TMVWAboutVar& value) { About_ = value; }
  TMVWButtonLayout& ButtonLayout() { return ButtonLayout_; }
  void SetButtonLayout(const TMVWButtonLayout& value) { ButtonLayout_.Assign(value); }
  TMVWUserButtonStyle ExtStyle() const { return ExtStyle_; }
  void SetExtStyle(TMVWUserButtonStyle value);
  TMVWFxCaption& FontFX() { return FontFX_; }
  void SetFontFX(const TMVWFxCaption& value) { FontFX_.Assign(value); }
  TBitmap& Glyph() { return Glyph_.Bitmap(); }
  // Outside loading a glyph set in code replaces an image-list entry.
  void SetGlyph(const TBitmap* value);
  TMVWGlyph& GlyphImages() { return Glyph_; }
  bool HideHint() const { return HideHint_; }
  void SetHideHint(bool value) { HideHint_ = value; }
  TMVWCustomImageList* ImageList() const { return ImageLink_->ImageList(); }
  void SetImageList(TMVWCustomImageList* list) { ImageLink_->SetImageList(list); }
  int ImageIndex() const { return ImageLink_->ImageIndex(); }
  void SetImageIndex(int value) { ImageLink_->SetIndexProperty(0, value); }
  int ListIndex() const { return ImageLink_->ListIndex(); }
  void SetListIndex(int value) { ImageLink_->SetIndexProperty(1, value); }
  // "Internal" of form data: the signature of a global image list.
  std::string InternalListRef() const { return ImageLink_->InternalRef(); }
  void SetInternalListRef(const std::string& text) { ImageLink_->SetInternalRef(text); }
  bool MultiLine() const { return MultiLine_; }
  void SetMultiLine(bool value);
  TMVWNumGlyphs NumGlyphs() const { return Glyph_.NumGlyphs(); }
  void SetNumGlyphs(TMVWNumGlyphs value);
  bool RepeatedClick() const { return RepeatedClick_; }
  void SetRepeatedClick(bool value) { RepeatedClick_ = value; }
  std::uint16_t RepeatingDelay() const { return RepeatingDelay_; }
  void SetRepeatingDelay(std::uint16_t value) { RepeatingDelay_ = value; }
  std::uint16_t RepeatingInterval() const { return RepeatingInterval_; }
  void SetRepeatingInterval(std::uint16_t value) { RepeatingInterval_ = value; }
  bool UseCaption() const { return UseCaption_; }
  void SetUseCaption(bool value);

  bool Hot() const { return Hot_; }
  bool DefaultLook() const { return DefaultLook_; }
  std::uint8_t DrawState() const { return DrawState_; }
  bool MenuDropping() const { return MenuDropping_; }
  // The repeat timer's identifier in the pool; 0 while stopped.
  std::uint16_t RepeatTimer() const { return RepeatTimer_; }
  // Glyph stored in form data only without an image list.
  bool IsGlyphStored() const { return ImageList() == nullptr; }

  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;
  HPALETTE GetPalette() override { return Glyph_.Bitmap().Palette(); }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;

  // The flags say what changed: 1 the size, 2 the place. Not called while loading.
  virtual void BoundsChanged(std::uint8_t flags) { (void)flags; }
  virtual void DrawCaptionGlyph(TCanvas& canvas, const RECT& rect, UINT bidiFlags);
  virtual void DrawItem(const DRAWITEMSTRUCT& item);
  virtual void RepeatClick();

protected:
  void CreateParams(TCreateParams& params) override;
  void SetButtonStyle(bool active) override;
  void Notification(TComponent* component, TOperation operation) override;
  void FontChanged(TObject* sender);
  void ImageListChanged();
  // Runs action and tells whether it freed the button, so nothing touches it afterwards.
  bool FreedBy(const std::function<void()>& action);

private:
  void StopRepeat();
  void MouseEntered(TMessage& message);
  void MouseLeft(TMessage& message);

  TMVWAboutVar About_;
  std::unique_ptr<TCanvas> Canvas_;
  TMVWButtonLayout ButtonLayout_;
  TMVWFxCaption FontFX_;
  TMVWGlyph Glyph_;
  std::unique_ptr<TMVWImageLink> ImageLink_;
  TMVWUserButtonStyle ExtStyle_ = DefaultExtStyle;
  bool HideHint_ = DefaultHideHint;
  bool MultiLine_ = DefaultMultiLine;
  bool RepeatedClick_ = DefaultRepeatedClick;
  std::uint16_t RepeatingDelay_ = DefaultRepeatingDelay;
  std::uint16_t RepeatingInterval_ = DefaultRepeatingInterval;
  bool UseCaption_ = DefaultUseCaption;
  bool Hot_ = false;
  bool DefaultLook_ = false;
  std::uint8_t DrawState_ = 0;
  std::uint16_t RepeatTimer_ = 0;
  bool* Freed_ = nullptr;

protected:
  bool MenuDropping_ = false;
  void SetDrawState(std::uint8_t value) { DrawState_ = value; }
};

// Makes the base known to form data.
void RegisterMVWCustomButton();

} // namespace marivo
