#include "widgets/controls/MVWLabel.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWCustomStatusBar.h"
#include "widgets/foundation/MVWGraph.h"

namespace marivo {

TMVWCustomLabel::TMVWCustomLabel(TComponent* owner) : TMVWBaseLabel(owner) {
  Bevel_.OnChange = [this](TObject*) { Changed(); };
  FontFX_.OnChange = [this](TObject* sender) { FontChanged(sender); };
}

TMVWCustomLabel::~TMVWCustomLabel() {
  Bevel_.OnChange = nullptr;
  FontFX_.OnChange = nullptr;
}

bool TMVWCustomLabel::CanPaintBack() {
  return TMVWBaseLabel::CanPaintBack() && Bevel_.Extent() == 0;
}

void TMVWCustomLabel::FontChanged(TObject* sender) {
  if (MVWControlLoading(*this))
    return;
  if (sender == &Font())
    SetParentFont(false);
  Canvas().Font().Assign(Font());
  // A turned text needs a TrueType font: a new font drops the turn, a new turn takes "Arial".
  if (FontFX_.Angle() != 0 && !IsTrueTypeFont(Canvas().Font())) {
    if (sender == &Font())
      FontFX_.SetAngle(0);
    else if (sender == &FontFX_)
      Font().SetName("Arial");
    return;
  }
  Changed();
}

void TMVWCustomLabel::AdjustBounds() {
  if (!AutoSize() || MVWControlLoading(*this))
    return;
  RECT rect{0, 0, Width(), Height()};
  MeasureFxCaption(Canvas(), GetLabelText(), &FontFX_, LabelOptionFlags(Options()), Bevel_.Extent(),
                   ShowAccelChar(), MultiLine(), Font(), rect);
  SetBounds(Left(), Top(), rect.right - rect.left + StatusBarOffset(), rect.bottom - rect.top);
}

int TMVWCustomLabel::StatusBarOffset() {
  const auto* bar = dynamic_cast<const TMVWCustomStatusBar*>(Parent());
  return bar ? bar->LabelOffset() : 0;
}

void TMVWCustomLabel::Paint() {
  if (Painting_ || MVWControlLoading(*this))
    return;
  if (CanPaintBack()) {
    TMVWBaseLabel::Paint();
    return;
  }
  const std::string text = GetLabelText();
  TPaintingMark mark(Painting_);
  TCanvas& canvas = Canvas();
  RECT rect{StatusBarOffset(), 0, Width(), Height()};
  if (!Transparent())
    FillBackground();
  std::uint8_t state = Enabled() ? FxTextEnabled : 0;
  if (Bevel_.Extent() > 0) {
    rect = Bevel_.PaintBevel(canvas, rect, Transparent() || Bevel_.BorderColor() == Color());
    state |= FxTextClip;
  }
  TMVWLabelTextLook look = TextLook();
  look.Angle = FontFX_.Angle();
  // The clip stays in the label's own units: the clipping moves it onto the parent itself, and a
  // clip moved twice hid the caption of every label away from its parent's corner.
  DrawLabelText(text, &FontFX_, (state & FxTextClip) ? &rect : nullptr, state,
                BevelLabelTextFlags(look), rect);
}

void RegisterMVWLabel() {
  RegisterPersistentClass<TMVWCustomLabel, TMVWBaseLabel>("TMVWCustomLabel");
  RegisterComponentClass<TMVWLabel, TMVWCustomLabel>("TMVWLabel")
      .Class("Bevel", &TMVWLabel::Bevel)
      .Class("FontFX", &TMVWLabel::FontFX)
      .Enumeration("Alignment", AlignmentNames(), &TMVWLabel::Alignment, &TMVWLabel::SetAlignment,
                   TMVWLabel::DefaultAlignment)
      .Boolean("AutoSize", &TMVWLabel::AutoSize, &TMVWLabel::SetAutoSize,
               TMVWLabel::DefaultAutoSize)
      .Boolean("MultiLine", &TMVWLabel::MultiLine, &TMVWLabel::SetMultiLine,
               TMVWLabel::DefaultMultiLine)
      .Set("Options", LabelOptionNames(), &TMVWLabel::Options, &TMVWLabel::SetOptions,
           TMVWLabel::DefaultOptions)
      .Boolean("ShowAccelChar", &TMVWLabel::ShowAccelChar, &TMVWLabel::SetShowAccelChar,
               TMVWLabel::DefaultShowAccelChar)
      .Boolean("Transparent", &TMVWLabel::Transparent, &TMVWLabel::SetTransparent,
               TMVWLabel::DefaultTransparent)
      .Boolean("Twinkle", &TMVWLabel::Twinkle, &TMVWLabel::SetTwinkle, TMVWLabel::DefaultTwinkle)
      .Integer("TwinkleVisible", &TMVWLabel::TwinkleVisible, &TMVWLabel::SetTwinkleVisible,
               TMVWLabel::DefaultTwinkleVisible)
      .Integer("TwinkleInVisible", &TMVWLabel::TwinkleInVisible, &TMVWLabel::SetTwinkleInVisible,
               TMVWLabel::DefaultTwinkleInVisible)
      .Integer("TwinkleColor", ColorIdents(), &TMVWLabel::TwinkleColor, &TMVWLabel::SetTwinkleColor,
               TMVWLabel::DefaultTwinkleColor);
}

} // namespace marivo
