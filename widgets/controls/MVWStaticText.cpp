#include "widgets/controls/MVWStaticText.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWBaseLabel.h"
#include "widgets/foundation/MVWGraph.h"

namespace marivo {

TMVWStaticText::TMVWStaticText(TComponent* owner) : TMVWCustomPanelFill(owner) {
  // Text only: no child controls.
  SetControlStyle(ControlStyle() & ~csAcceptsControls);
}

TMVWStaticText::~TMVWStaticText() {
  SetFocusControl(nullptr);
}

void TMVWStaticText::SetAutoSize(bool value) {
  if (Store(AutoSize_, value))
    AdjustBounds();
}

void TMVWStaticText::SetMultiLine(bool value) {
  if (!Store(MultiLine_, value))
    return;
  AdjustBounds();
  Invalidate();
}

void TMVWStaticText::SetShowAccelChar(bool value) {
  if (!Store(ShowAccelChar_, value))
    return;
  AdjustBounds();
  Invalidate();
}

void TMVWStaticText::SetOptions(TMVWLabelOptions value) {
  if (!Store(Options_, value))
    return;
  AdjustBounds();
  ChildChanged(nullptr);
}

void TMVWStaticText::SetFocusControl(TWinControl* value) {
  ReplaceWatched(FocusControl_, value);
}

void TMVWStaticText::Notification(TComponent* component, TOperation operation) {
  TMVWCustomPanelFill::Notification(component, operation);
  if (operation == opRemove && component == FocusControl_)
    FocusControl_ = nullptr;
}

void TMVWStaticText::AdjustBounds() {
  if (!Parent() || !AutoSize_ || MVWControlLoading(*this))
    return;
  RECT rect{0, 0, Width(), Height()};
  MeasureFxCaption(Canvas(), Caption(), &FontFX(), LabelOptionFlags(Options_), GetBevelExtent(),
                   ShowAccelChar_, MultiLine_, Font(), rect);
  SetBounds(Left(), Top(), rect.right - rect.left, rect.bottom - rect.top);
}

void TMVWStaticText::Loaded() {
  TMVWCustomPanelFill::Loaded();
  AdjustBounds();
}

void TMVWStaticText::PaintCaption(RECT rect, TMVWAlignment alignment) {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetStyle(bsClear);
  canvas.Brush().SetColor(Color());
  canvas.Font().Assign(Font());
  TMVWLabelTextLook look;
  look.Alignment = alignment;
  look.MultiLine = MultiLine_;
  look.ShowAccelChar = ShowAccelChar_;
  look.Options = Options_;
  look.Angle = FontFX().Angle();
  const TMVWLabelTextFlags flags = StaticTextFlags(look);
  if (flags.PlaceByCaption) {
    RECT placed{};
    DrawFxCaptionRect(alignment, Caption(), &FontFX(), placed, look.ReadingFlags, ShowAccelChar_,
                      MultiLine_, Font(), rect);
    rect = placed;
  }
  DrawFxText(canvas, Caption(), &FontFX(), nullptr, (Enabled() ? FxTextEnabled : 0) | FxTextClip,
             flags.Flags, rect);
}

void TMVWStaticText::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CM_DIALOGCHAR:
    if (ShowAccelChar_ && FocusByAccel(*this, FocusControl_, message))
      return;
    break;
  case CM_TEXTCHANGED:
    TMVWCustomPanelFill::WndProc(message);
    AdjustBounds();
    if (!AutoSize_)
      Invalidate();
    return;
  }
  TMVWCustomPanelFill::WndProc(message);
}

void RegisterMVWStaticText() {
  RegisterComponentClass<TMVWStaticText, TMVWCustomPanelFill>("TMVWStaticText")
      .Enumeration("Alignment", AlignmentNames(), &TMVWStaticText::Alignment,
                   &TMVWStaticText::SetAlignment, TMVWStaticText::DefaultAlignment)
      .Boolean("AutoSize", &TMVWStaticText::AutoSize, &TMVWStaticText::SetAutoSize,
               TMVWStaticText::DefaultAutoSize)
      .Boolean("MultiLine", &TMVWStaticText::MultiLine, &TMVWStaticText::SetMultiLine,
               TMVWStaticText::DefaultMultiLine)
      .Boolean("ShowAccelChar", &TMVWStaticText::ShowAccelChar, &TMVWStaticText::SetShowAccelChar,
               TMVWStaticText::DefaultShowAccelChar)
      .Set("Options", LabelOptionNames(), &TMVWStaticText::Options, &TMVWStaticText::SetOptions,
           TMVWStaticText::DefaultOptions)
      .Component("FocusControl", &TMVWStaticText::FocusControl, &TMVWStaticText::SetFocusControl)
      .Boolean("Transparent", &TMVWStaticText::Transparent, &TMVWStaticText::SetTransparent,
               TMVWStaticText::DefaultTransparent)
      .Class("Bevel", &TMVWStaticText::Bevel)
      .Class("FontFX", &TMVWStaticText::FontFX)
      .Class("FillObject", &TMVWStaticText::FillObject);
}

} // namespace marivo
