#include "widgets/controls/MVWCheckBox.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Accelerators.h"

namespace marivo {

TMVWCustomCheckBox::TMVWCustomCheckBox(TComponent* owner) : TMVWButtonControl(owner) {
  SetTabStop(DefaultTabStop);
}

void TMVWCustomCheckBox::SetState(TCheckBoxState value) {
  if (!Store(State_, value))
    return;
  PaintGlyph();
  if (!MVWControlLoading(*this) && OnChange)
    OnChange(this);
}

void TMVWCustomCheckBox::SetChecked(bool value) {
  if (value != Checked())
    SetState(value ? cbChecked : cbUnchecked);
}

void TMVWCustomCheckBox::SetGlyphNumber(std::uint8_t value) {
  const auto clamped = static_cast<std::uint8_t>(ClampGlyphNumber(value));
  if (!Store(GlyphNumber_, clamped))
    return;
  Strip_.reset();
  Invalidate();
}

void TMVWCustomCheckBox::Toggle() {
  switch (State_) {
  case cbUnchecked:
    SetState(AllowGrayed_ ? cbGrayed : cbChecked);
    break;
  case cbChecked:
    SetState(cbUnchecked);
    break;
  case cbGrayed:
    SetState(cbChecked);
    break;
  }
}

void TMVWCustomCheckBox::Click() {
  if (CanModify())
    Toggle();
  TMVWButtonControl::Click();
}

void TMVWCustomCheckBox::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_KEYDOWN:
    if (message.WParam == VK_SPACE && Focused() && CanModify())
      Toggle();
    break;
  case CM_DIALOGCHAR:
    if (Enabled() && IsAccel(static_cast<WORD>(message.WParam), Caption()) && CanFocus()) {
      SetFocus();
      // A read-only box takes the focus but keeps its state.
      if (CanModify())
        Toggle();
      message.Result = 1;
      return;
    }
    break;
  }
  TMVWButtonControl::WndProc(message);
}

void TMVWCustomCheckBox::CreateGlyphs() {
  BuildStrip(CheckBoxCellsPerSet, clBtnFace, DFCS_BUTTONCHECK,
             {0, DFCS_INACTIVE, DFCS_CHECKED, DFCS_CHECKED | DFCS_INACTIVE,
              DFCS_BUTTON3STATE | DFCS_CHECKED, DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_INACTIVE},
             ThemeCheckBoxPart);
}

TColor TMVWCustomCheckBox::StripTransparentColor() {
  return ImageList() ? GlyphTransparentColor() : clBtnFace;
}

int TMVWCustomCheckBox::CellIndex() {
  TMVWGlyphCellState state = CellState();
  state.State = GetState();
  state.GlyphNumber = GlyphNumber_;
  return CheckBoxCellIndex(state);
}

int TMVWCustomCheckBox::CellWidthFromList(int stripWidth) {
  return CheckBoxListCellWidth(stripWidth, GlyphNumber_, Flat(), UseDownGlyph());
}

void RegisterMVWCheckBox() {
  RegisterPersistentClass<TMVWCustomCheckBox, TMVWButtonControl>("TMVWCustomCheckBox");
  auto builder = RegisterComponentClass<TMVWCheckBox, TMVWCustomCheckBox>("TMVWCheckBox");
  builder
      .Boolean("AllowGrayed", &TMVWCheckBox::AllowGrayed, &TMVWCheckBox::SetAllowGrayed,
               TMVWCheckBox::DefaultAllowGrayed)
      .Boolean("Checked", &TMVWCheckBox::Checked, &TMVWCheckBox::SetChecked,
               TMVWCheckBox::DefaultState == cbChecked)
      .Enumeration("State", {"cbUnchecked", "cbChecked", "cbGrayed"}, &TMVWCheckBox::State,
                   &TMVWCheckBox::SetState, TMVWCheckBox::DefaultState)
      .Integer("GlyphNumber", &TMVWCheckBox::GlyphNumber, &TMVWCheckBox::SetGlyphNumber,
               TMVWCheckBox::DefaultGlyphNumber)
      .Event("OnChange", &TMVWCheckBox::OnChange)
      .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop,
               TMVWCheckBox::DefaultTabStop);
  AddButtonControlProperties(builder);
}

} // namespace marivo
