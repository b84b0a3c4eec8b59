#include "widgets/controls/MVWCustomCheckGroup.h"

#include "platform/rtl/Exceptions.h"
#include "widgets/controls/MVWCustomButtonGroup.h"

namespace marivo {

TMVWCustomCheckGroup::TMVWCustomCheckGroup(TComponent* owner) : TMVWCustomButtonGroup(owner) {
  SetGlyphTransparent(DefaultGlyphTransparent);
}

TMVWButtonControl* TMVWCustomCheckGroup::CreateButton() {
  auto* button = new TMVWCheckGroupButton(this);
  button->SetGlyphNumber(GlyphNumber_);
  return button;
}

void TMVWCustomCheckGroup::SetGlyphNumber(std::uint8_t value) {
  if (!Store(GlyphNumber_, value))
    return;
  ForEachButton([value](TMVWButtonControl& button) {
    static_cast<TMVWCheckGroupButton&>(button).SetGlyphNumber(value);
  });
}

void TMVWCustomCheckGroup::SetItemIndex(int value) {
  if (Store(ItemIndex_, value) && !MVWControlLoading(*this))
    ApplyItemIndex();
}

int TMVWCustomCheckGroup::GetItemIndex() {
  std::vector<bool> checked;
  for (int i = 0; i < ButtonCount(); ++i)
    checked.push_back(Buttons(i)->GetChecked());
  return CheckedBits(checked);
}

void TMVWCustomCheckGroup::ApplyItemIndex() {
  const bool wasUpdating = Updating_;
  Updating_ = true;
  const std::vector<bool> checked = CheckedFromBits(ItemIndex_, ButtonCount());
  for (int i = 0; i < ButtonCount(); ++i) {
    TMVWButtonControl& button = *Buttons(i);
    button.SetPaintSuppressed(true);
    button.SetChecked(checked[static_cast<std::size_t>(i)]);
    button.SetPaintSuppressed(false);
    button.Invalidate();
  }
  Updating_ = wasUpdating;
}

void TMVWCustomCheckGroup::CheckItemCount(int count) {
  if (count > MaxCheckGroupItems)
    throw EListError("List count out of bounds (" + std::to_string(count) + ")");
}

void RegisterMVWCustomCheckGroup() {
  using T = TMVWCustomCheckGroup;
  auto builder = RegisterComponentClass<T, TMVWCustomButtonGroup>("TMVWCustomCheckGroup");
  builder.Integer("ItemIndex", &T::ItemIndex, &T::SetItemIndex, T::DefaultItemIndex)
      .Integer("GlyphNumber", &T::GlyphNumber, &T::SetGlyphNumber, T::DefaultGlyphNumber);
  PublishButtonGroup(builder);
}

} // namespace marivo
