#include "platform/ui/ScrollBoxes.h"

#include <algorithm>

namespace marivo {

// --- TControlScrollBar ------------------------------------------------------------------------

int TControlScrollBar::ClientSize() const {
  return Kind_ == sbHorizontal ? Box_.ClientWidth() : Box_.ClientHeight();
}

int TControlScrollBar::MaxPosition() const {
  return Visible_ ? std::max(0, Range_ - ClientSize()) : 0;
}

bool TControlScrollBar::IsScrollBarVisible() const {
  if (!Box_.HandleAllocated())
    return false;
  const LONG style = GetWindowLongA(const_cast<TScrollBox&>(Box_).Handle(), GWL_STYLE);
  return (style & (Kind_ == sbHorizontal ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

void TControlScrollBar::SetVisible(bool value) {
  if (Store(Visible_, value))
    Box_.UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int value) {
  value = std::clamp(value, 0, MaxPosition());
  if (value == Position_)
    return;
  const int delta = Position_ - value;
  Position_ = value;
  if (Kind_ == sbHorizontal)
    Box_.ScrollBy(delta, 0);
  else
    Box_.ScrollBy(0, delta);
  if (Box_.HandleAllocated())
    SetScrollPos(Box_.Handle(), Kind_ == sbHorizontal ? SB_HORZ : SB_VERT, Position_, TRUE);
}

void TControlScrollBar::Scroll(int code) {
  int position = Position_;
  switch (code) {
  case SB_LINEUP:
    position -= Increment_;
    break;
  case SB_LINEDOWN:
    position += Increment_;
    break;
  case SB_PAGEUP:
    position -= ClientSize();
    break;
  case SB_PAGEDOWN:
    position += ClientSize();
    break;
  case SB_TOP:
    position = 0;
    break;
  case SB_BOTTOM:
    position = MaxPosition();
    break;
  default:
    return;
  }
  SetPosition(position);
}

void TControlScrollBar::Update() {
  if (!Box_.HandleAllocated())
    return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  // A page as large as the range hides the bar.
  info.nMax = Visible_ ? std::max(0, Range_ - 1) : 0;
  info.nPage = Visible_ ? static_cast<UINT>(std::max(0, ClientSize())) : 1;
  info.nPos = Position_;
  SetScrollInfo(Box_.Handle(), Kind_ == sbHorizontal ? SB_HORZ : SB_VERT, &info, TRUE);
}

// --- TScrollBox -------------------------------------------------------------------------------

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TFormBorderStyle value) {
  if (Store(BorderStyle_, value))
    RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  if (BorderStyle_ == bsSingle)
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateScrollBars();
}

void TScrollBox::Resized() {
  TWinControl::Resized();
  UpdateScrollBars();
}

void TScrollBox::Loaded() {
  TWinControl::Loaded();
  UpdateScrollBars();
}

void TScrollBox::UpdateScrollBars() {
  // Showing one bar narrows the client area, which may call for the other, which sends sizes.
  if (Updating_)
    return;
  Updating_ = true;
  int right = 0;
  int bottom = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* control = Controls(i);
    if (!control->Visible())
      continue;
    right = std::max(right, control->Left() + control->Width() + HorzScrollBar_.Position_);
    bottom = std::max(bottom, control->Top() + control->Height() + VertScrollBar_.Position_);
  }
  HorzScrollBar_.Range_ = right;
  VertScrollBar_.Range_ = bottom;
  for (int pass = 0; pass < 2; ++pass) {
    HorzScrollBar_.Update();
    VertScrollBar_.Update();
  }
  HorzScrollBar_.SetPosition(HorzScrollBar_.Position_);
  VertScrollBar_.SetPosition(VertScrollBar_.Position_);
  Updating_ = false;
}

void TScrollBox::ScrollBy(int dx, int dy) {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* control = Controls(i);
    control->SetBounds(control->Left() + dx, control->Top() + dy, control->Width(),
                       control->Height());
  }
  Invalidate();
}

void TScrollBox::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_HSCROLL:
  case WM_VSCROLL: {
    TControlScrollBar& bar = message.Msg == WM_HSCROLL ? HorzScrollBar_ : VertScrollBar_;
    const int code = LOWORD(message.WParam);
    if (code == SB_THUMBPOSITION || code == SB_THUMBTRACK)
      bar.SetPosition(HIWORD(message.WParam));
    else
      bar.Scroll(code);
    message.Result = 0;
    return;
  }
  }
  TWinControl::WndProc(message);
}

} // namespace marivo
