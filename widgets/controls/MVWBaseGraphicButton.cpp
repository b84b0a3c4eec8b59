#include "widgets/controls/MVWBaseGraphicButton.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Forms.h"
#include "widgets/controls/MVWCustomControl.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFormShape.h"
#include "widgets/foundation/MVWGraph.h"

#include <utility>

namespace marivo {

namespace {

constexpr std::uint16_t HoverCheckInterval = 100;

bool IsDisabledState(std::uint8_t state) {
  return state == gbsDisabled || state == gbsDisabledLatched;
}

bool IsPair(std::uint8_t a, std::uint8_t b, std::uint8_t x, std::uint8_t y) {
  return (a == x && b == y) || (a == y && b == x);
}

// The character after the caption's single "&", in either letter case.
bool IsAccel(WPARAM key, const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&')
      continue;
    if (caption[i + 1] != '&')
      return UpperCase(std::string(1, caption[i + 1])) ==
             UpperCase(std::string(1, static_cast<char>(key)));
    ++i;
  }
  return false;
}

} // namespace

TMVWBaseGraphicButton::TMVWBaseGraphicButton(TComponent* owner) : TMVWBaseGraphicControl(owner) {
  SetControlStyle((ControlStyle() & ~csSetCaption) | csCaptureMouse | csDoubleClicks);
  MakeOpaque();
  FontFX_.OnChange = [this](TObject* sender) { FontChanged(sender); };
  Glyph_.OnChange = [this](TObject*) { Changed(); };
  ButtonLayout_.OnChange = [this](TObject*) { Changed(); };
  SetBounds(Left(), Top(), 25, 25);
}

TMVWBaseGraphicButton::~TMVWBaseGraphicButton() {
  StopTimer(0);
  StopTimer(1);
  FontFX_.OnChange = nullptr;
  Glyph_.OnChange = nullptr;
  ButtonLayout_.OnChange = nullptr;
}

// --- Properties -------------------------------------------------------------------------------

void TMVWBaseGraphicButton::SetEnterColor(TColor value) {
  if (Store(EnterColor_, value))
    Changed();
}

void TMVWBaseGraphicButton::SetEnterColorChange(bool value) {
  if (Store(EnterColorChange_, value))
    Changed();
}

void TMVWBaseGraphicButton::SetGlyph(const TBitmap* value) {
  if (!MVWControlLoading(*this) && ImageList())
    SetImageList(nullptr);
  Glyph_.SetGlyph(value);
  Invalidate();
}

void TMVWBaseGraphicButton::SetNumGlyphs(TMVWNumGlyphs value) {
  if (value == Glyph_.NumGlyphs())
    return;
  Glyph_.SetNumGlyphs(value);
  PaintAtOnce();
}

void TMVWBaseGraphicButton::SetRepeatedClick(bool value) {
  RepeatedClick_ = value;
  // A repeat left running would click on the next ordinary press.
  if (!value)
    StopTimer(1);
}

void TMVWBaseGraphicButton::SetUseCaption(bool value) {
  if (Store(UseCaption_, value))
    Changed();
}

void TMVWBaseGraphicButton::SetAllowAllUp(bool value) {
  if (Store(AllowAllUp_, value))
    NotifyGroup();
}

void TMVWBaseGraphicButton::SetGroupIndex(std::int32_t value) {
  if (Store(GroupIndex_, value))
    NotifyGroup();
}

void TMVWBaseGraphicButton::SetPressed(bool value) {
  if (GroupIndex_ == 0)
    value = false;
  if (value == Pressed_ || (Pressed_ && !AllowAllUp_))
    return;
  Pressed_ = value;
  State_ = value ? gbsLatched : gbsUp;
  Invalidate();
  if (value)
    NotifyGroup();
}

void TMVWBaseGraphicButton::SetDropDownMenu(TPopupMenu* value) {
  if (!ReplaceWatched(DropDownMenu_, value))
    return;
  UpdateComboActive();
  if (DropDownCombo_)
    Changed();
}

void TMVWBaseGraphicButton::SetDropDownIndent(std::int32_t value) {
  if (Store(DropDownIndent_, value))
    Changed();
}

void TMVWBaseGraphicButton::SetDropDownRight(bool value) {
  if (Store(DropDownRight_, value))
    Changed();
}

void TMVWBaseGraphicButton::SetDropDownCombo(bool value) {
  if (!Store(DropDownCombo_, value))
    return;
  if (!MVWControlLoading(*this))
    SetWidth(Width() + (value ? DropDownComboWidth_ : -DropDownComboWidth_));
  UpdateComboActive();
  Changed();
}

void TMVWBaseGraphicButton::SetDropDownComboWidth(std::int32_t value) {
  if (value == DropDownComboWidth_)
    return;
  if (!MVWControlLoading(*this) && DropDownCombo_)
    SetWidth(Width() + value - DropDownComboWidth_);
  DropDownComboWidth_ = value;
  UpdateComboActive();
  Changed();
}

void TMVWBaseGraphicButton::SetMultiLine(bool value) {
  if (Store(MultiLine_, value))
    Changed();
}

void TMVWBaseGraphicButton::UpdateComboActive() {
  ComboActive_ = DropDownMenu_ != nullptr && DropDownCombo_;
}

HPALETTE TMVWBaseGraphicButton::GetPalette() {
  return Glyph_.Bitmap().Palette();
}

// --- Rules of the look ------------------------------------------------------------------------

bool TMVWBaseGraphicButton::IsGlyphStored() {
  return ImageList() != nullptr;
}

bool TMVWBaseGraphicButton::HasOwnGlyphStyle() {
  return Glyph_.Style() == GlyphStyleShaded;
}

bool TMVWBaseGraphicButton::PtInButton(int x, int y) {
  // One pixel beyond the right and bottom edges counts, as it always has for these buttons.
  return x >= 0 && x <= Width() && y >= 0 && y <= Height();
}

bool TMVWBaseGraphicButton::InsideClient(int x, int y) {
  if (AllowTransparency_)
    return PtInButton(x, y);
  return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

RECT TMVWBaseGraphicButton::ArrowPart(const RECT& rect) const {
  return RECT{rect.right - DropDownComboWidth_, rect.top, rect.right, rect.bottom};
}

void TMVWBaseGraphicButton::DrawContent(TCanvas& canvas, const RECT& rect) {
  canvas.Font().Assign(Font());
  if (State_ >= gbsHot && State_ <= gbsDroppedDown && AllowMouseOver_ && EnterColorChange_)
    canvas.Font().SetColor(EnterColor_);
  const std::uint16_t options =
      static_cast<std::uint16_t>((Enabled() ? FxTextEnabled : 0x0001) | FxText3DDisabled);
  Glyph_.Draw(canvas, UseCaption_ ? Caption() : std::string(), 0, MultiLine_, options,
              ButtonLayout_, State_, rect, &FontFX_);
}

RECT TMVWBaseGraphicButton::MeasureLayout(const RECT& rect) {
  TBitmap& bitmap = Glyph_.Bitmap();
  const int cells = Glyph_.NumGlyphs() > 0 ? Glyph_.NumGlyphs() : 1;
  const RECT source{0, 0, bitmap.Width() / cells, bitmap.Height()};
  TCanvas* glyphCanvas = bitmap.Empty() ? nullptr : &bitmap.Canvas();
  TMVWLayoutRects rects;
  Canvas().Font().Assign(Font());
  DrawGlyphTextLayout(Canvas(), UseCaption_ ? Caption() : std::string(), &FontFX_, rects, 0,
                      LayoutMeasureOnly, Transparent(), true, MultiLine_, ButtonLayout_, clNone,
                      nullptr, source, glyphCanvas, rect);
  return rects.Union;
}

// --- State and timers -------------------------------------------------------------------------

void TMVWBaseGraphicButton::SetState(std::uint8_t value) {
  if (value == State_)
    return;
  bool repaint = true;
  // Looks that show no hover skip the repaint between up and hot, and two-cell glyphs show no
  // difference between hot and latched.
  if (Glyph_.Style() != GlyphStyleShaded && !StyleShowsHot() && Glyph_.NumGlyphs() < 3 &&
      !(AllowMouseOver_ && EnterColorChange_) && !ColorShowsHot() &&
      IsPair(State_, value, gbsUp, gbsHot))
    repaint = false;
  if (Glyph_.NumGlyphs() < 3 && IsPair(State_, value, gbsHot, gbsLatched))
    repaint = false;
  PreviousState_ = value == gbsHot && State_ != gbsLatched ? gbsUp : State_;
  State_ = value;
  if (repaint && Visible()) {
    if (Transparent() && !ParentBackActive())
      Invalidate();
    else
      PaintAtOnce();
  }
  if (!AllowMouseOver_)
    return;
  if (value != gbsHot)
    StopTimer(0);
  else if (!Pressed_)
    StartTimer(0, HoverCheckInterval, [this](TObject*) { CheckMouseInside(); });
}

void TMVWBaseGraphicButton::StartTimer(int index, std::uint16_t interval, TNotifyEvent handler) {
  if (index < 0 || index > 1 || Timers_[static_cast<std::size_t>(index)] != 0 || !MVWApplication)
    return;
  const std::uint16_t id = MVWApplication->AddTimer(interval, std::move(handler));
  if (id == 0)
    throw EOutOfResources("Not enough timers available");
  Timers_[static_cast<std::size_t>(index)] = id;
  MVWApplication->FindTimer(id)->SetEnabled(true);
}

void TMVWBaseGraphicButton::StopTimer(int index) {
  std::uint16_t& id = Timers_.at(static_cast<std::size_t>(index));
  if (id == 0 || !MVWApplication)
    return;
  TMVWTimerItem* item = MVWApplication->FindTimer(id);
  if (!item)
    return;
  const std::uint16_t stopped = std::exchange(id, 0);
  item->SetEnabled(false);
  item->OnTimer = nullptr;
  MVWApplication->RemoveTimer(stopped);
}

void TMVWBaseGraphicButton::RepeatTick() {
  if (State_ == gbsPressed)
    RepeatClick();
}

void TMVWBaseGraphicButton::RepeatClick() {
  if (Timers_[1] != 0 && MVWApplication)
    if (TMVWTimerItem* item = MVWApplication->FindTimer(Timers_[1]))
      item->SetInterval(RepeatingInterval_);
  Click();
}

void TMVWBaseGraphicButton::CheckMouseInside() {
  const POINT point = ScreenToClient(CursorPos());
  if (Enabled() && !Pressed_ && !InsideClient(point.x, point.y))
    SetState(gbsUp);
}

// --- Mouse ------------------------------------------------------------------------------------

void TMVWBaseGraphicButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  // OnMouseDown may free the button.
  if (FreedBy([&] { TMVWBaseGraphicControl::MouseDown(button, shift, x, y); }))
    return;
  if (AllowTransparency_ && !PtInButton(x, y))
    return;
  std::uint8_t next = State_;
  if (!Enabled() || button != mbLeft)
    return;
  if (DropDownMenu_) {
    const bool inArrow = x >= ClientWidth() - DropDownComboWidth_ && x < ClientWidth() && y >= 0 &&
                         y < ClientHeight();
    if (State_ == gbsDroppedDown) {
      SetState(gbsHot);
      return;
    }
    if (!ComboActive_ || inArrow) {
      if (!FreedBy([this] { DropDown(); }))
        SetState(next);
      return;
    }
  }
  MouseIsDown_ = true;
  if (PreviousState_ == gbsLatched && State_ == gbsHot && GroupIndex_ != 0) {
    next = gbsLatched;
  } else if (!Pressed_) {
    next = gbsPressed;
    if (RepeatedClick_) {
      if (FreedBy([this] { RepeatClick(); }))
        return;
      // The click may have ended the press: the button disabled, the mouse taken away.
      if (!MouseIsDown_)
        return;
      StartTimer(1, RepeatingDelay_, [this](TObject*) { RepeatTick(); });
    }
  }
  SetState(next);
}

void TMVWBaseGraphicButton::MouseMove(TShiftState shift, int x, int y) {
  if (State_ == gbsDroppedDown)
    return;
  if (FreedBy([&] { TMVWBaseGraphicControl::MouseMove(shift, x, y); }))
    return;
  if (!Enabled())
    return;
  std::uint8_t next = State_;
  bool inside;
  if (AllowTransparency_) {
    inside = PtInButton(x, y);
    if (inside && AllowMouseOver_ && (GroupIndex_ == 0 || State_ != gbsLatched))
      next = gbsHot;
    else if (State_ == gbsHot)
      next = PreviousState_;
  } else {
    inside = x >= 0 && x <= ClientWidth() && y >= 0 && y <= ClientHeight();
  }
  if (MouseIsDown_) {
    if (inside)
      next = Pressed_ ? gbsLatched : gbsPressed;
    else if (GroupIndex_ == 0 || State_ == gbsPressed)
      next = gbsUp;
  }
  SetState(next);
  if (inside && State_ != gbsHot) {
    if (Enabled() && OnMouseEnter && FreedBy([this] { OnMouseEnter(this); }))
      return;
    if (State_ == gbsUp && AllowMouseOver_)
      SetState(gbsHot);
  }
}

void TMVWBaseGraphicButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (State_ == gbsDroppedDown)
    return;
  if (FreedBy([&] { TMVWBaseGraphicControl::MouseUp(button, shift, x, y); }))
    return;
  if (!MouseIsDown_)
    return;
  MouseIsDown_ = false;
  bool toggled = false;
  // Whatever RepeatedClick says now, a repeat started with the press ends with it.
  StopTimer(1);
  const bool inside = InsideClient(x, y);
  std::uint8_t next = IsDisabledState(State_) ? State_ : gbsUp;
  if (GroupIndex_ != 0) {
    if (inside) {
      if (State_ == gbsLatched && !AllowAllUp_)
        return;
      SetPressed(!Pressed_);
      if (AllowMouseOver_)
        next = Pressed_ ? State_ : gbsUp;
      else
        toggled = true;
    } else if (Pressed_) {
      next = gbsLatched;
    }
  } else if (inside && AllowMouseOver_ && !IsDisabledState(State_)) {
    next = gbsHot;
  }
  if (!inside) {
    if (!toggled)
      SetState(next);
    return;
  }
  if (Glyph_.NumGlyphs() < 3 && Glyph_.Style() != GlyphStyleShaded && !toggled)
    SetState(next);
  if (!RepeatedClick_ && FreedBy([this] { Click(); }))
    return;
  if (Glyph_.NumGlyphs() <= 2 && !HasOwnGlyphStyle())
    return;
  // The click may have moved the button or the cursor.
  const POINT point = ScreenToClient(CursorPos());
  if (toggled || IsDisabledState(State_))
    return;
  SetState(InsideClient(point.x, point.y) && next == gbsUp ? gbsHot : next);
}

void TMVWBaseGraphicButton::CaptureLost() {
  if (!MouseIsDown_)
    return;
  MouseIsDown_ = false;
  StopTimer(1);
  SetState(Pressed_ ? gbsLatched : gbsUp);
}

void TMVWBaseGraphicButton::DoMouseEnter() {
  if (AllowTransparency_)
    return;
  if (FreedBy([this] { TMVWBaseGraphicControl::DoMouseEnter(); }))
    return;
  if (State_ == gbsUp && AllowMouseOver_ && Enabled())
    SetState(gbsHot);
}

void TMVWBaseGraphicButton::DoMouseExit() {
  if (FreedBy([this] { TMVWBaseGraphicControl::DoMouseExit(); }))
    return;
  if (State_ == gbsHot)
    SetState(PreviousState_);
}

// --- Groups, accelerators, drop-down -----------------------------------------------------------

void TMVWBaseGraphicButton::NotifyGroup() {
  if (GroupIndex_ == 0 || !Parent())
    return;
  TWinControl* parent = Parent();
  for (int i = 0; i < parent->ControlCount(); ++i)
    parent->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(GroupIndex_),
                                 reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
}

void TMVWBaseGraphicButton::ButtonPressed(TMessage& message) {
  auto* sender = dynamic_cast<TMVWBaseGraphicButton*>(reinterpret_cast<TControl*>(message.LParam));
  if (static_cast<std::int32_t>(message.WParam) != GroupIndex_ || sender == nullptr ||
      sender == this)
    return;
  if (sender->Pressed_ && Pressed_) {
    Pressed_ = false;
    State_ = State_ == gbsHot && HasOwnGlyphStyle() ? gbsHot : gbsUp;
    Invalidate();
  }
  AllowAllUp_ = sender->AllowAllUp_;
}

void TMVWBaseGraphicButton::DialogChar(TMessage& message) {
  TWinControl* parent = Parent();
  if (!IsAccel(message.WParam, Caption()) || !Enabled() || !Visible() || !parent ||
      !parent->Enabled() || !parent->Showing())
    return;
  message.Result = 1;
  if (DropDownMenu_) {
    if (State_ == gbsDroppedDown)
      SetState(gbsHot);
    else
      DropDown();
  } else if (GroupIndex_ != 0) {
    if (!AllowAllUp_ && State_ == gbsLatched)
      return;
    SetPressed(!Pressed_);
    if (!AllowMouseOver_)
      return;
    if (Pressed_) {
      SetState(gbsLatched);
      Click();
    } else {
      SetState(gbsUp);
    }
  } else {
    Click();
  }
}

void TMVWBaseGraphicButton::DropDown() {
  if (!DropDownMenu_ || State_ == gbsDroppedDown)
    return;
  SetState(gbsDroppedDown);
  if (OnDropDown && FreedBy([this] { OnDropDown(this); }))
    return;
  if (!DropDownMenu_)
    return;
  const POINT at =
      DropDownRight_ ? POINT{Width(), DropDownIndent_} : POINT{DropDownIndent_, Height()};
  const POINT screen = ClientToScreen(at);
  if (FreedBy([this, screen] { DropDownMenu_->Popup(screen.x, screen.y); }))
    return;
  // The clicks that closed the menu must not press the button again.
  MSG pending;
  while (PeekMessageA(&pending, nullptr, WM_MOUSEFIRST, WM_MOUSEWHEEL, PM_REMOVE)) {
  }
  if (HWND capture = GetCapture())
    SendMessageA(capture, WM_CANCELMODE, 0, 0);
  SetState(gbsHot);
}

// --- Links and messages -----------------------------------------------------------------------

TMVWFormShape* TMVWBaseGraphicButton::OwnerFormShape() const {
  if (!dynamic_cast<TForm*>(Parent()))
    return nullptr;
  const int index = TMVWCustomControl::IndexOfComponentClass<TMVWFormShape>(Owner());
  return index < 0 ? nullptr : static_cast<TMVWFormShape*>(Owner()->Components(index));
}

bool TMVWBaseGraphicButton::ParentBackActive() {
  if (Transparent())
    return TMVWBaseGraphicControl::ParentBackActive();
  // A shaped form's background counts under an opaque button as well.
  const TMVWFormShape* shape = OwnerFormShape();
  return shape && Parent()->HandleAllocated() && FormShapeHasBackground(shape);
}

void TMVWBaseGraphicButton::PaintParentBackground(TCanvas& canvas, const RECT& rect, POINT origin) {
  if (auto* control = dynamic_cast<TMVWCustomControl*>(Parent()))
    control->PaintParentBack(canvas, rect, 0, origin);
  else if (const TMVWFormShape* shape = OwnerFormShape())
    DrawFormShapeBackground(shape, canvas, rect, origin);
}

void TMVWBaseGraphicButton::PaintAtOnce() {
  Invalidate();
  if (!MVWControlLoading(*this) && Parent() && Parent()->HandleAllocated())
    UpdateWindow(Parent()->Handle());
}

void TMVWBaseGraphicButton::ImageListChanged() {
  if (ImageEmpty()) {
    Glyph_.SetGlyph(nullptr);
  } else {
    TBitmap entry;
    ImageList()->GetBitmap(ListIndex(), ImageIndex(), entry);
    Glyph_.SetGlyph(&entry);
  }
  Invalidate();
}

void TMVWBaseGraphicButton::Loaded() {
  TMVWBaseGraphicControl::Loaded();
  UpdateComboActive();
}

void TMVWBaseGraphicButton::Notification(TComponent* component, TOperation operation) {
  TMVWBaseGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == DropDownMenu_) {
    DropDownMenu_ = nullptr;
    UpdateComboActive();
  }
}

void TMVWBaseGraphicButton::FontChanged(TObject* sender) {
  if (MVWControlLoading(*this))
    return;
  Canvas().Font().Assign(Font());
  if (FontFX_.Angle() != 0 && !IsTrueTypeCanvasFont(Canvas())) {
    // Rotated text needs an outline font.
    if (sender == &Font())
      FontFX_.SetAngle(0);
    else
      Font().SetName("Arial");
  }
  Changed();
}

void TMVWBaseGraphicButton::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CM_BUTTONPRESSED:
    ButtonPressed(message);
    break;
  case CM_DIALOGCHAR:
    DialogChar(message);
    break;
  case CM_ENABLEDCHANGED:
    TMVWBaseGraphicControl::WndProc(message);
    // A disabled button hears no release, so its press and repeat end here.
    if (!Enabled()) {
      MouseIsDown_ = false;
      StopTimer(1);
    }
    // The state leaves hot without SetState, so its hover check stops here.
    StopTimer(0);
    State_ =
        Enabled() ? (Pressed_ ? gbsLatched : gbsUp) : (Pressed_ ? gbsDisabledLatched : gbsDisabled);
    Invalidate();
    break;
  case CM_FONTCHANGED:
    FontChanged(&Font());
    if (Transparent())
      PaintAtOnce();
    else
      TMVWBaseGraphicControl::WndProc(message);
    break;
  case CM_TEXTCHANGED:
    if (Transparent())
      PaintAtOnce();
    else
      Invalidate();
    break;
  case WM_LBUTTONDBLCLK:
    // The press may have freed the button.
    if (!FreedBy([&] { TMVWBaseGraphicControl::WndProc(message); }) && Pressed_)
      DblClick();
    break;
  case WM_CAPTURECHANGED:
    CaptureLost();
    TMVWBaseGraphicControl::WndProc(message);
    break;
  default:
    TMVWBaseGraphicControl::WndProc(message);
  }
}

void RegisterMVWBaseGraphicButton() {
  RegisterPersistentClass<TMVWBaseGraphicButton, TMVWBaseGraphicControl>("TMVWBaseGraphicButton");
}

} // namespace marivo
