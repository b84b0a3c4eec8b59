#include "widgets/controls/MVWSimpleLabel.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Shell.h"
#include "widgets/foundation/MVWGraph.h"

namespace marivo {

TMVWCustomSimpleLabel::TMVWCustomSimpleLabel(TComponent* owner) : TMVWBaseLabel(owner) {
  Font3D_.OnChange = [this](TObject* sender) { FontChanged(sender); };
}

TMVWCustomSimpleLabel::~TMVWCustomSimpleLabel() {
  Font3D_.OnChange = nullptr;
}

void TMVWCustomSimpleLabel::SetUnderline(bool value) {
  TFontStyles style = Font().Style();
  style = value ? (style | fsUnderline) : (style & ~fsUnderline);
  Font().SetStyle(style);
}

void TMVWCustomSimpleLabel::SetInActiveColor(TColor value) {
  InActiveColor_ = value;
  if (UseAsJump_)
    Font().SetColor(value);
}

void TMVWCustomSimpleLabel::SetJumpUnderline(bool value) {
  JumpUnderline_ = value;
  if (UseAsJump_)
    SetUnderline(value);
}

void TMVWCustomSimpleLabel::SetJumpMode(TMVWJumpModes value) {
  JumpMode_ = value;
  if (!IsLink()) {
    if (MVWControlLoading(*this))
      return;
    SetCursor(crDefault);
    Font().SetColor(clBlack);
    if (JumpUnderline_)
      SetUnderline(false);
    return;
  }
  ClickCount_ = 0;
  Font().SetColor(InActiveColor_);
  if (JumpUnderline_)
    SetUnderline(true);
  SetCursor(crHandPoint);
}

void TMVWCustomSimpleLabel::Loaded() {
  TMVWBaseLabel::Loaded();
  if (UseAsJump_)
    SetJumpMode(jmInternet);
}

void TMVWCustomSimpleLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && IsLink()) {
    ++ClickCount_;
    Font().SetColor(ActiveColor_);
  }
  TMVWBaseLabel::MouseDown(button, shift, x, y);
}

void TMVWCustomSimpleLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && UseAsJump_)
    Font().SetColor(InActiveColor_);
  TMVWBaseLabel::MouseUp(button, shift, x, y);
}

void TMVWCustomSimpleLabel::OpenLink(bool internet) {
  std::string target = Trim(Jump_).empty() ? Caption() : Jump_;
  if (internet && Trim(Jump_).empty() && Caption().find('@') != std::string::npos)
    target = "mailto:" + Caption();
  TForm* form = ParentForm();
  const INT_PTR result = ShellOpen(form ? form->Handle() : nullptr, target);
  if (internet && result <= 32) {
    SetJumpMode(jmNone);
    SetEnabled(false);
  }
}

void TMVWCustomSimpleLabel::Click() {
  switch (JumpMode_) {
  case jmInternet:
    OpenLink(true);
    break;
  case jmApplication:
    OpenLink(false);
    break;
  case jmNone:
  case jmCustom:
    TMVWBaseLabel::Click();
    break;
  }
}

void TMVWCustomSimpleLabel::AdjustBounds() {
  if (!AutoSize() || MVWControlLoading(*this))
    return;
  RECT rect{0, 0, Width(), Height()};
  const TMVWLabelTextLook look = TextLook();
  MeasureFxCaption(Canvas(), GetLabelText(), &Font3D_, LabelOptionFlags(look.Options), 0,
                   ShowAccelChar(), MultiLine(), Font(), rect);
  SetBounds(Left(), Top(), rect.right - rect.left, rect.bottom - rect.top);
}

void TMVWCustomSimpleLabel::Paint() {
  if (Painting_ || MVWControlLoading(*this))
    return;
  if (CanPaintBack())
    return;
  const std::string text = GetLabelText();
  TPaintingMark mark(Painting_);
  RECT rect{0, 0, Width(), Height()};
  if (!Transparent())
    FillBackground();
  DrawLabelText(text, &Font3D_, nullptr, Enabled() ? FxTextEnabled : 0,
                SimpleLabelTextFlags(TextLook()), rect);
}

void RegisterMVWSimpleLabel() {
  RegisterPersistentClass<TMVWCustomSimpleLabel, TMVWBaseLabel>("TMVWCustomSimpleLabel");
  RegisterComponentClass<TMVWSimpleLabel, TMVWCustomSimpleLabel>("TMVWSimpleLabel")
      .Enumeration("Alignment", AlignmentNames(), &TMVWSimpleLabel::Alignment,
                   &TMVWSimpleLabel::SetAlignment, TMVWSimpleLabel::DefaultAlignment)
      .Boolean("AutoSize", &TMVWSimpleLabel::AutoSize, &TMVWSimpleLabel::SetAutoSize,
               TMVWSimpleLabel::DefaultAutoSize)
      .Component("FocusControl", &TMVWSimpleLabel::FocusControl, &TMVWSimpleLabel::SetFocusControl)
      .Class("Font3D", &TMVWSimpleLabel::Font3D)
      .Event("OnMouseEnter", &TMVWSimpleLabel::OnMouseEnter)
      .Event("OnMouseExit", &TMVWSimpleLabel::OnMouseExit)
      .Boolean("MultiLine", &TMVWSimpleLabel::MultiLine, &TMVWSimpleLabel::SetMultiLine,
               TMVWSimpleLabel::DefaultMultiLine)
      .Boolean("ShowAccelChar", &TMVWSimpleLabel::ShowAccelChar, &TMVWSimpleLabel::SetShowAccelChar,
               TMVWSimpleLabel::DefaultShowAccelChar)
      .Boolean("Transparent", &TMVWSimpleLabel::Transparent, &TMVWSimpleLabel::SetTransparent,
               TMVWSimpleLabel::DefaultTransparent)
      .Boolean("Twinkle", &TMVWSimpleLabel::Twinkle, &TMVWSimpleLabel::SetTwinkle,
               TMVWSimpleLabel::DefaultTwinkle)
      .Integer("TwinkleColor", ColorIdents(), &TMVWSimpleLabel::TwinkleColor,
               &TMVWSimpleLabel::SetTwinkleColor, TMVWSimpleLabel::DefaultTwinkleColor)
      .Integer("TwinkleVisible", &TMVWSimpleLabel::TwinkleVisible,
               &TMVWSimpleLabel::SetTwinkleVisible, TMVWSimpleLabel::DefaultTwinkleVisible)
      .Integer("TwinkleInVisible", &TMVWSimpleLabel::TwinkleInVisible,
               &TMVWSimpleLabel::SetTwinkleInVisible, TMVWSimpleLabel::DefaultTwinkleInVisible)
      .String("Jump", &TMVWSimpleLabel::Jump, &TMVWSimpleLabel::SetJump, std::string())
      .Integer("ActiveColor", ColorIdents(), &TMVWSimpleLabel::ActiveColor,
               &TMVWSimpleLabel::SetActiveColor, TMVWSimpleLabel::DefaultActiveColor)
      .Integer("InActiveColor", ColorIdents(), &TMVWSimpleLabel::InActiveColor,
               &TMVWSimpleLabel::SetInActiveColor, TMVWSimpleLabel::DefaultInActiveColor)
      .Boolean("JumpUnderline", &TMVWSimpleLabel::JumpUnderline, &TMVWSimpleLabel::SetJumpUnderline,
               TMVWSimpleLabel::DefaultJumpUnderline)
      .Enumeration("JumpMode", {"jmInternet", "jmApplication", "jmNone", "jmCustom"},
                   &TMVWSimpleLabel::JumpMode, &TMVWSimpleLabel::SetJumpMode,
                   TMVWSimpleLabel::DefaultJumpMode)
      .Set("Options", LabelOptionNames(), &TMVWSimpleLabel::Options, &TMVWSimpleLabel::SetOptions,
           TMVWSimpleLabel::DefaultOptions)
      .Boolean("UseAsJump", &TMVWSimpleLabel::UseAsJump, &TMVWSimpleLabel::SetUseAsJump,
               TMVWSimpleLabel::DefaultUseAsJump)
      .Stored([](TMVWSimpleLabel&) { return false; });
}

} // namespace marivo
