#pragma once

#include "platform/rtl/Collections.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/Pictures.h"
#include "widgets/controls/MVWSpeedButton.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWFxCaption.h"

#include <functional>
#include <string>

namespace marivo {

class TWinControl;

using TMVWOnCustomBtnClick = std::function<void(TObject* Sender, int index)>;

// One custom button of an edit or a button panel: the item's settings go to a speed button that
// the item owns, made on the collection's owner control.
class TMVWSpecialButton : public TCollectionItem {
public:
  static constexpr TCursor DefaultCursor = crArrow;

  explicit TMVWSpecialButton(TWinControl* ownerControl);
  ~TMVWSpecialButton() override;

  TMVWSpeedButton& Button() { return *Button_; }
  const std::string& Caption() const { return Button_->Caption(); }
  void SetCaption(const std::string& value) { Button_->SetCaption(value); }
  TCursor Cursor() const { return Button_->Cursor(); }
  void SetCursor(TCursor value) { Button_->SetCursor(value); }
  const std::string& Hint() const { return Button_->Hint(); }
  void SetHint(const std::string& value) { Button_->SetHint(value); }
  TBitmap& Glyph() { return Glyph_; }
  void SetGlyph(const TBitmap& value) { Glyph_.Assign(value); }
  bool Enabled() const { return Button_->Enabled(); }
  void SetEnabled(bool value) { Button_->SetEnabled(value); }
  TMVWButtonLayout& Layout() { return Layout_; }
  void SetLayout(const TMVWButtonLayout& value) { Layout_.Assign(value); }
  bool ParentFont() const { return Button_->ParentFont(); }
  void SetParentFont(bool value) { Button_->SetParentFont(value); }
  TFont& Font() { return Font_; }
  void SetFont(const TFont& value) { Font_.Assign(value); }
  TMVWFxCaption& FontFX() { return FontFX_; }
  void SetFontFX(const TMVWFxCaption& value) { FontFX_.Assign(value); }
  std::int32_t GroupIndex() const { return Button_->GroupIndex(); }
  void SetGroupIndex(std::int32_t value) { Button_->SetGroupIndex(value); }
  std::string DisplayName() const override;

  void Assign(const TPersistent& source) override;

  TMVWOnCustomBtnClick OnClick;

private:
  // Glyph, layout, effects and font onto the button; the collection hears of it.
  void ApplyToButton();
  void ButtonClicked();

  TMVWSpeedButton* Button_;
  bool* Freed_ = nullptr; // set while a click handler runs, told when the item goes
  TBitmap Glyph_;
  TMVWButtonLayout Layout_;
  TFont Font_;
  TMVWFxCaption FontFX_;
};

// The custom buttons of an edit (laid out again after each change) or of a button panel.
class TMVWSpecialButtons : public TCollection {
public:
  // `relayout`: every change asks the owner to lay its buttons out again.
  TMVWSpecialButtons(TWinControl* ownerControl, bool relayout);

  TMVWSpecialButton* Items(int index) const {
    return static_cast<TMVWSpecialButton*>(TCollection::Items(index));
  }
  TMVWSpecialButton* Add() { return static_cast<TMVWSpecialButton*>(TCollection::Add()); }
  TWinControl* OwnerControl() const { return OwnerControl_; }

protected:
  void Update(TCollectionItem* item) override;

private:
  TWinControl* OwnerControl_;
  bool Relayout_;
};

// Makes the special buttons known to form data.
void RegisterMVWSpecialButton();

} // namespace marivo
