#include "widgets/controls/MVWSpecialButton.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWButtonPanel.h"
#include "widgets/controls/MVWCustomEdit.h"

namespace marivo {

TMVWSpecialButton::TMVWSpecialButton(TWinControl* ownerControl)
    : Button_(new TMVWSpeedButton(ownerControl)) {
  Button_->SetParent(ownerControl);
  Button_->SetColor(clBtnFace);
  Button_->SetCursor(DefaultCursor);
  Button_->OnClick = [this](TObject*) { ButtonClicked(); };
  const TNotifyEvent apply = [this](TObject*) { ApplyToButton(); };
  Glyph_.OnChange = apply;
  Layout_.OnChange = apply;
  Font_.OnChange = apply;
  FontFX_.OnChange = apply;
}

TMVWSpecialButton::~TMVWSpecialButton() {
  if (Freed_)
    *Freed_ = true;
  Glyph_.OnChange = nullptr;
  Layout_.OnChange = nullptr;
  Font_.OnChange = nullptr;
  FontFX_.OnChange = nullptr;
  delete Button_;
}

std::string TMVWSpecialButton::DisplayName() const {
  return Caption().empty() ? TCollectionItem::DisplayName() : Caption();
}

void TMVWSpecialButton::ApplyToButton() {
  Button_->SetGlyph(&Glyph_);
  Button_->SetButtonLayout(Layout_);
  Button_->SetFontFX(FontFX_);
  if (!Button_->ParentFont())
    Button_->Font().Assign(Font_);
  Changed(false);
}

void TMVWSpecialButton::ButtonClicked() {
  // A handler may free the edit or panel, and this item with it: nothing is touched after.
  auto* buttons = static_cast<TMVWSpecialButtons*>(Collection());
  TWinControl* owner = buttons ? buttons->OwnerControl() : nullptr;
  TMVWSpeedButton* button = Button_;
  const int index = Index();
  if (TMVWOnCustomBtnClick handler = OnClick) {
    bool freed = false;
    Freed_ = &freed;
    try {
      handler(this, index);
    } catch (...) {
      if (!freed)
        Freed_ = nullptr;
      throw;
    }
    if (freed)
      return;
    Freed_ = nullptr;
  }
  if (auto* edit = dynamic_cast<TMVWCustomEdit*>(owner))
    edit->DoButtonClick(button, index);
  else if (auto* panel = dynamic_cast<TMVWButtonPanel*>(owner))
    panel->ButtonClicked(*button);
}

void TMVWSpecialButton::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TMVWSpecialButton*>(&source);
  if (!other) {
    TCollectionItem::Assign(source);
    return;
  }
  SetCaption(other->Caption());
  SetHint(other->Hint());
  Glyph_.Assign(other->Glyph_);
  SetEnabled(other->Enabled());
  SetCursor(other->Cursor());
  SetGroupIndex(other->GroupIndex());
  Layout_.Assign(other->Layout_);
  Font_.Assign(other->Font_);
  FontFX_.Assign(other->FontFX_);
  SetParentFont(other->ParentFont());
  OnClick = other->OnClick;
}

TMVWSpecialButtons::TMVWSpecialButtons(TWinControl* ownerControl, bool relayout)
    : TCollection(ownerControl,
                  [this, ownerControl] {
                    // The button's tag tells its index to the panel's click handler.
                    auto item = std::make_unique<TMVWSpecialButton>(ownerControl);
                    item->Button().SetTag(Count());
                    return item;
                  }),
      OwnerControl_(ownerControl), Relayout_(relayout) {}

void TMVWSpecialButtons::Update(TCollectionItem*) {
  if (!Relayout_)
    return;
  // Posted: the edit lays out once the change, whatever it was, is complete.
  if (auto* edit = dynamic_cast<TMVWCustomEdit*>(OwnerControl_); edit && edit->HandleAllocated())
    PostMessageA(edit->Handle(), WM_SIZE, 0, 0);
}

void RegisterMVWSpecialButton() {
  using B = TMVWSpecialButton;
  RegisterPersistentClass<B, TCollectionItem>("TMVWSpecialButton")
      .String("Caption", &B::Caption, &B::SetCaption, std::string())
      .Integer("Cursor", CursorIdents(), &B::Cursor, &B::SetCursor, B::DefaultCursor)
      .String("Hint", &B::Hint, &B::SetHint, std::string())
      .Class("Glyph", &B::Glyph)
      .Boolean("Enabled", &B::Enabled, &B::SetEnabled, TControl::DefaultEnabled)
      .Class("Layout", &B::Layout)
      .Boolean("ParentFont", &B::ParentFont, &B::SetParentFont, TControl::DefaultParentFont)
      .Class("Font", &B::Font)
      .Class("FontFX", &B::FontFX)
      .Integer("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, TMVWSpeedButton::DefaultGroupIndex)
      .Event("OnClick", &B::OnClick);
}

} // namespace marivo
