#include "widgets/controls/MVWBaseLabel.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Accelerators.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWGraph.h"

#include <algorithm>

namespace marivo {

namespace {

// The pool counts in 16-bit milliseconds; a length outside that would wrap.
TMVWTimerInterval PoolInterval(int milliseconds) {
  return static_cast<TMVWTimerInterval>(std::clamp(milliseconds, 1, 65535));
}

} // namespace

TMVWBaseLabel::TMVWBaseLabel(TComponent* owner) : TMVWBaseGraphicControl(owner) {}

TMVWBaseLabel::~TMVWBaseLabel() {
  if (TimerId_ != 0 && MVWApplication)
    MVWApplication->RemoveTimer(TimerId_);
  SetFocusControl(nullptr);
}

void TMVWBaseLabel::SetAlignment(TMVWAlignment value) {
  if (Store(Alignment_, value))
    Changed();
}

void TMVWBaseLabel::SetAutoSize(bool value) {
  if (Store(AutoSize_, value))
    AdjustBounds();
}

void TMVWBaseLabel::SetMultiLine(bool value) {
  if (Store(MultiLine_, value))
    Changed();
}

void TMVWBaseLabel::SetShowAccelChar(bool value) {
  if (Store(ShowAccelChar_, value))
    RepaintControl();
}

void TMVWBaseLabel::SetOptions(TMVWLabelOptions value) {
  if (Store(Options_, value))
    Changed();
}

void TMVWBaseLabel::SetFocusControl(TWinControl* value) {
  ReplaceWatched(FocusControl_, value);
}

void TMVWBaseLabel::Notification(TComponent* component, TOperation operation) {
  TMVWBaseGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == FocusControl_)
    FocusControl_ = nullptr;
}

void TMVWBaseLabel::SetTwinkle(bool value) {
  if (Twinkle_ == value)
    return;
  if (!value) {
    StopTwinkle();
    return;
  }
  const std::uint16_t id = MVWApplication->AddTimer(
      PoolInterval(TwinkleVisible_), [this](TObject* sender) { TwinkleTick(sender); });
  if (id == 0)
    throw EOutOfResources("Not enough timers available");
  TimerId_ = id;
  MVWApplication->FindTimer(id)->SetEnabled(true);
  Twinkle_ = true;
}

void TMVWBaseLabel::StopTwinkle() {
  MVWApplication->RemoveTimer(TimerId_);
  TimerId_ = 0;
  Twinkle_ = false;
  TwinkleShown_ = true;
  RepaintControl();
}

void TMVWBaseLabel::TwinkleTick(TObject*) {
  TwinkleShown_ = !TwinkleShown_;
  if (TMVWTimerItem* item = MVWApplication->FindTimer(TimerId_))
    item->SetInterval(PoolInterval(TwinkleShown_ ? TwinkleVisible_ : TwinkleInVisible_));
  RepaintControl();
}

void TMVWBaseLabel::SetTwinkleColor(TColor value) {
  if (Store(TwinkleColor_, value) && !TwinkleShown_)
    RepaintControl();
}

void TMVWBaseLabel::DrawLabelText(const std::string& text, TMVW3DCaption* style, const RECT* clip,
                                  std::uint8_t state, const TMVWLabelTextFlags& flags, RECT rect) {
  if (flags.PlaceByCaption) {
    RECT placed{};
    DrawFxCaptionRect(Alignment_, text, style, placed, TextLook().ReadingFlags, ShowAccelChar_,
                      MultiLine_, Font(), rect);
    rect = placed;
  }
  const TColor color = TwinkleShown_ ? Font().Color() : TwinkleColor_;
  if (color == clNone)
    return;
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(Color());
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().Assign(Font());
  canvas.Font().SetColor(color);
  DrawFxText(canvas, text, style, clip, state, flags.Flags, rect);
}

TMVWLabelTextLook TMVWBaseLabel::TextLook() const {
  TMVWLabelTextLook look;
  look.Alignment = Alignment_;
  look.MultiLine = MultiLine_;
  look.ShowAccelChar = ShowAccelChar_;
  look.Options = Options_;
  look.AutoSize = AutoSize_;
  return look;
}

void TMVWBaseLabel::Changed() {
  AdjustBounds();
  TMVWBaseGraphicControl::Changed();
}

bool TMVWBaseLabel::CanPaintBack() {
  return Transparent() && GetLabelText().empty();
}

void TMVWBaseLabel::Loaded() {
  TMVWBaseGraphicControl::Loaded();
  Canvas().Font().Assign(Font());
  AdjustBounds();
}

void TMVWBaseLabel::FontChanged(TObject* sender) {
  if (MVWControlLoading(*this))
    return;
  if (sender == &Font())
    SetParentFont(false);
  Canvas().Font().Assign(Font());
  Changed();
}

bool FocusByAccel(TControl& label, TWinControl* focusControl, TMessage& message) {
  if (!focusControl || !label.Enabled() ||
      !IsAccel(static_cast<WORD>(message.WParam), label.Caption()))
    return false;
  if (focusControl->CanFocus())
    focusControl->SetFocus();
  message.Result = 1;
  return true;
}

void TMVWBaseLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CM_DIALOGCHAR:
    if (ShowAccelChar_ && FocusByAccel(*this, FocusControl_, message))
      return;
    break;
  case CM_FONTCHANGED:
    TMVWBaseGraphicControl::WndProc(message);
    FontChanged(&Font());
    return;
  case CM_TEXTCHANGED:
    TMVWBaseGraphicControl::WndProc(message);
    AdjustBounds();
    RepaintControl();
    return;
  }
  TMVWBaseGraphicControl::WndProc(message);
}

const std::vector<std::string>& LabelOptionNames() {
  static const std::vector<std::string> names = {"loPathEllipsis", "loEndEllipsis",
                                                 "loEditControl"};
  return names;
}

void RegisterMVWBaseLabel() {
  RegisterPersistentClass<TMVWBaseLabel, TMVWBaseGraphicControl>("TMVWBaseLabel");
}

} // namespace marivo
