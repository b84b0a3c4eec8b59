#include "widgets/controls/MVWButtonPanel.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWControl.h"
#include "widgets/controls/MVWControls.h"

#include <algorithm>

namespace marivo {

TMVWButtonPanel::TMVWButtonPanel(TComponent* owner)
    : TMVWCustomPanelFill(owner), Buttons_(std::make_unique<TMVWSpecialButtons>(this, false)) {
  SetControlStyle(ControlStyle() & ~(csAcceptsControls | csSetCaption | csReplicatable));
}

void TMVWButtonPanel::SetButtonSize(int index, int value) {
  int& size = index == 1 ? ButtonWidth_ : ButtonHeight_;
  value = std::max(value, 1);
  if (Store(size, value))
    ChildChanged(nullptr);
}

void TMVWButtonPanel::SetButtonStyle(TMVWUserButtonStyle value) {
  if (!Store(ButtonStyle_, value))
    return;
  for (int i = 0; i < Buttons_->Count(); ++i)
    Buttons_->Items(i)->Button().SetStyle(value);
}

void TMVWButtonPanel::ButtonClicked(TMVWSpeedButton& button) {
  // Looked up now, so a handler assigned after the layout still hears the click.
  if (OnButtonClick)
    OnButtonClick(this, &button, static_cast<int>(button.Tag()));
}

void TMVWButtonPanel::ChildChanged(TObject* sender) {
  TMVWCustomPanelFill::ChildChanged(sender);
  ArrangeButtons();
}

void TMVWButtonPanel::Loaded() {
  TMVWCustomPanelFill::Loaded();
  ArrangeButtons();
}

void TMVWButtonPanel::WndProc(TMessage& message) {
  TMVWCustomPanelFill::WndProc(message);
  if (message.Msg == WM_SIZE)
    ArrangeButtons();
}

void TMVWButtonPanel::ArrangeButtons() {
  // Taking the grid's size sends a size message of its own.
  if (Arranging_ || MVWControlLoading(*this))
    return;
  Arranging_ = true;
  try {
    LayOutGrid();
  } catch (...) {
    Arranging_ = false;
    throw;
  }
  Arranging_ = false;
}

void TMVWButtonPanel::LayOutGrid() {
  RECT room = ClientRect();
  const int extent = Bevel().Mode() == bmWindows ? 0 : Bevel().Extent();
  if (extent)
    InflateRect(&room, -extent, -extent);
  const int count = Buttons_->Count();
  const int columns =
      std::max(1, std::min(static_cast<int>(room.right - room.left) / ButtonWidth_, count));
  int rows = 1;
  if (count > columns) {
    rows = static_cast<int>(room.bottom - room.top) / ButtonHeight_;
    if (columns == 1 && count < rows)
      rows = count;
    rows = std::max(rows, 1);
    while (columns * rows > count)
      --rows;
    while (columns * rows < count)
      ++rows;
  }
  // The window border comes on top of the grid, or the next size message loses a column.
  const int borderWidth = Width() - ClientWidth();
  const int borderHeight = Height() - ClientHeight();
  SetBounds(Left(), Top(), columns * ButtonWidth_ + 2 * Bevel().Extent() + borderWidth,
            rows * ButtonHeight_ + 2 * Bevel().Extent() + borderHeight);
  for (int i = 0; i < count; ++i)
    Buttons_->Items(i)->Button().SetBounds(room.left + (i % columns) * ButtonWidth_,
                                           room.top + ((i / columns) % rows) * ButtonHeight_,
                                           ButtonWidth_, ButtonHeight_);
}

void RegisterMVWButtonPanel() {
  using T = TMVWButtonPanel;
  auto builder = RegisterComponentClass<T, TMVWCustomPanelFill>("TMVWButtonPanel");
  PublishImageLink(builder)
      .Boolean("Transparent", &T::Transparent, &T::SetTransparent, T::DefaultTransparent)
      .Boolean("Flat", &T::Flat, &T::SetFlat, T::DefaultFlat)
      .Class("Bevel", &T::Bevel)
      .Class("BackFX", &T::BackFX)
      .Class("FillObject", &T::FillObject)
      .Collection("Buttons", &T::Buttons)
      .Integer("ButtonWidth", &T::ButtonWidth, &T::SetButtonWidth, T::DefaultButtonSize)
      .Integer("ButtonHeight", &T::ButtonHeight, &T::SetButtonHeight, T::DefaultButtonSize)
      .Enumeration("ButtonStyle", UserButtonStyleNames(), &T::ButtonStyle, &T::SetButtonStyle,
                   T::DefaultButtonStyle)
      .Event("OnButtonClick", &T::OnButtonClick);
}

} // namespace marivo
