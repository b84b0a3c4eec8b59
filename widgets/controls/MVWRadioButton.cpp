#include "widgets/controls/MVWRadioButton.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Accelerators.h"

namespace marivo {

TMVWRadioButton::TMVWRadioButton(TComponent* owner) : TMVWButtonControl(owner) {
  SetControlStyle(ControlStyle() | csDoubleClicks);
  SetGlyphTransparent(DefaultGlyphTransparent);
}

bool TMVWRadioButton::IsSibling(TControl* control) {
  return control != this && dynamic_cast<TMVWRadioButton*>(control) != nullptr;
}

void TMVWRadioButton::SetChecked(bool value) {
  if (!Store(Checked_, value))
    return;
  if (value) {
    if (TWinControl* parent = Parent())
      for (int i = 0; i < parent->ControlCount(); ++i)
        if (IsSibling(parent->Controls(i)))
          static_cast<TMVWRadioButton*>(parent->Controls(i))->SetChecked(false);
    if (!SuppressClick_)
      Click();
  }
  PaintGlyph();
}

void TMVWRadioButton::Click() {
  if (!Checked_ && CanModify()) {
    SuppressClick_ = true;
    SetChecked(true);
    SuppressClick_ = false;
  }
  TMVWButtonControl::Click();
}

void TMVWRadioButton::CreateGlyphs() {
  BuildStrip(RadioCellsPerSet, GlyphTransparentColor(), DFCS_BUTTONRADIO,
             {0, DFCS_INACTIVE, DFCS_CHECKED, DFCS_CHECKED | DFCS_INACTIVE}, ThemeRadioButtonPart);
}

int TMVWRadioButton::CellIndex() {
  TMVWGlyphCellState state = CellState();
  state.State = Checked_ ? 1 : 0;
  return RadioCellIndex(state);
}

int TMVWRadioButton::CellWidthFromList(int stripWidth) {
  return RadioListCellWidth(stripWidth, Flat());
}

RECT TMVWRadioButton::TextArea() {
  return RECT{1, 0, Width() - 1, Height()};
}

void TMVWRadioButton::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_SETFOCUS:
    TMVWButtonControl::WndProc(message);
    if (!Checked_ && CanModify())
      SetChecked(true);
    return;
  case CM_DIALOGCHAR:
    if (Enabled() && IsAccel(static_cast<WORD>(message.WParam), Caption()) && CanFocus()) {
      SetFocus();
      message.Result = 1;
      return;
    }
    break;
  }
  TMVWButtonControl::WndProc(message);
}

void RegisterMVWRadioButton() {
  auto builder = RegisterComponentClass<TMVWRadioButton, TMVWButtonControl>("TMVWRadioButton");
  builder.Boolean("Checked", &TMVWRadioButton::Checked, &TMVWRadioButton::SetChecked,
                  TMVWRadioButton::DefaultChecked);
  AddButtonControlProperties(builder);
}

} // namespace marivo
