#include "widgets/controls/MVWBaseEdit.h"

#include "platform/ui/Clipboard.h"
#include "platform/ui/GdiHandles.h"
#include "platform/ui/Menus.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWMessages.h"
#include "widgets/foundation/MVWXPStyles.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>

namespace marivo {

namespace {

// The edit-key state lives in the application object, shared by every edit.
class TApplicationKeyState : public IMVWEditKeyState {
public:
  std::uint8_t EditMode() const override {
    return MVWApplication ? MVWApplication->EditMode() : Fallback_;
  }
  void SetEditMode(std::uint8_t value) override {
    if (MVWApplication)
      MVWApplication->SetEditMode(value);
    else
      Fallback_ = value;
  }

private:
  std::uint8_t Fallback_ = MVWEditInsert;
};

class TPlatformClipboard : public IMVWClipboardText {
public:
  bool HasText() override { return Clipboard().HasText(); }
  std::string Text() override { return Clipboard().AsText(); }
  void SetText(const std::string& text) override { Clipboard().SetAsText(text); }
};

class TOemCodePage : public IMVWOemConverter {
public:
  std::string ThroughOem(const std::string& text) override {
    std::string converted = text;
    const auto length = static_cast<DWORD>(converted.size());
    CharToOemBuffA(converted.c_str(), converted.data(), length);
    OemToCharBuffA(converted.c_str(), converted.data(), length);
    return converted;
  }
};

TApplicationKeyState KeyState;
TPlatformClipboard PlatformClipboard;
TOemCodePage OemCodePage;

constexpr int DragCursor = -12;

// The depth a 3D style adds before (a) and after (b) the highlight of the selection.
void HighlightDepths(const TMVW3DCaption& font, int& a, int& b) {
  a = 0;
  b = 0;
  switch (font.Style()) {
  case tdSunken:
    b = font.LightDepth();
    break;
  case tdRaised:
    a = font.LightDepth();
    break;
  case tdSunkenShadow:
    a = font.ShadowDepth();
    b = font.LightDepth();
    break;
  case tdRaisedShadow:
  case tdExtrudeEnh:
    a = font.LightDepth();
    b = font.ShadowDepth();
    break;
  case tdExtrude:
    a = font.ShadowDepth();
    break;
  default:
    break;
  }
}

} // namespace

TMVWBaseEdit::TMVWBaseEdit(TComponent* owner)
    : TMVWCustomBevelPanel(owner), TMVWEditModel(this, KeyState),
      Caret_(std::make_unique<TMVWCaret>(this)), Font3D_(std::make_unique<TMVW3DCaption>()) {
  SetControlStyle(ControlStyle() & ~csAcceptsControls);
  SetView(this);
  SetClipboard(&PlatformClipboard);
  SetOemConverter(&OemCodePage);
  Bevel().SetMode(bmWindows);
  Font3D_->OnChange = [this](TObject* sender) { ChildChanged(sender); };
  SetCursor(DefaultCursor);
  SetColor(DefaultColor);
  SetTabStop(DefaultTabStop);
  SetBounds(Left(), Top(), Width(), DefaultHeight);
}

TMVWBaseEdit::~TMVWBaseEdit() {
  BackBuffer_.reset();
  StopDragTimer();
  Font3D_->OnChange = nullptr;
}

void TMVWBaseEdit::SetFont3D(const TMVW3DCaption& value) {
  Font3D_->Assign(value);
}

// The bevel and the 3D font repaint as a bevel panel's sub-objects do, then tell of a change.
void TMVWBaseEdit::ChildChanged(TObject* sender) {
  if (sender == Font3D_.get())
    Perform(CM_FONTCHANGED, 0, 0);
  TMVWCustomBevelPanel::ChildChanged(sender);
  if (sender == Font3D_.get() || sender == &Bevel()) {
    CalcTextRect();
    if (OnChange)
      OnChange(this);
  }
}

void TMVWBaseEdit::SetAlignment(TAlignment value) {
  if (!Store(Alignment_, value))
    return;
  ScrollOffset_ = 0;
  AlignmentChanged();
  RepaintText(-1);
  UpdateCaretPos();
}

void TMVWBaseEdit::SetReadOnly(bool value) {
  TMVWEditModel::SetReadOnly(value);
  if (ThemedDrawing())
    Invalidate();
}

TCanvas& TMVWBaseEdit::SurfaceCanvas() {
  return BackBuffer_ ? BackBuffer_->Canvas() : Canvas();
}

template <class F> void TMVWBaseEdit::OnSurface(F paint) {
  const TClientCanvasScope scope(*this);
  TCanvas& canvas = SurfaceCanvas();
  if (!canvas.Handle())
    return;
  canvas.Font().Assign(Font());
  paint(canvas);
}

int TMVWBaseEdit::TextHeight(const std::string& text) {
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  int height = canvas.TextHeight(text);
  const TMVWThreeDStyle style = Font3D_->Style();
  if (style == tdSunkenShadow || style == tdRaisedShadow || style == tdShadow)
    height += Font3D_->ShadowDepth();
  return height;
}

int TMVWBaseEdit::TextWidth(const std::string& text) {
  const TClientCanvasScope scope(*this);
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(Font());
  if (HDC dc = canvas.Handle())
    SetTextCharacterExtra(dc, Font3D_->Tracing());
  const int width = canvas.TextWidth(text);
  if (HDC dc = canvas.Handle())
    SetTextCharacterExtra(dc, 0);
  return width;
}

int TMVWBaseEdit::TextWidthFx(const std::string& text) {
  if (text.empty())
    return 0;
  RECT rect = TextRect_;
  MeasureFxCaption(Canvas(), text, Font3D_.get(), DT_SINGLELINE | DT_NOPREFIX, 0, false, false,
                   Font(), rect);
  return rect.right - rect.left;
}

RECT TMVWBaseEdit::DeflateForBorder(const RECT& rect) {
  // The theme is asked for the window's own frame, which needs the window.
  if (ThemedDrawing() && Bevel().Mode() == bmWindows && HandleAllocated()) {
    const TMVWXPStyles& styles = XPStyles();
    if (styles.OpenThemeData && styles.GetThemeBackgroundContentRect && styles.CloseThemeData) {
      if (HTHEME theme = styles.OpenThemeData(Handle(), L"EDIT")) {
        RECT content = rect;
        styles.GetThemeBackgroundContentRect(theme, nullptr, 1, GetThemeEditState(), &rect,
                                             &content);
        styles.CloseThemeData(theme);
        return content;
      }
    }
  }
  RECT inner = rect;
  const int extent = Bevel().GetExtent();
  InflateRect(&inner, -extent, -extent);
  return inner;
}

void TMVWBaseEdit::CalcTextRect() {
  if (UpdateCount() > 0 || Loading())
    return;
  LayOut();
}

void TMVWBaseEdit::LayOut() {
  ClientRectCopy_ = ClientRect();
  TextArea_ = DeflateForBorder(ClientRectCopy_);
  AdjustTextRect(TextArea_);
  TextRect_ = TextArea_;
  InflateRect(&TextRect_, -1, -1);
  TextRectChanged();
}

void TMVWBaseEdit::PrepareBackBuffer() {
  if (!BackBuffer_)
    BackBuffer_ = std::make_unique<TBitmap>();
  BackBuffer_->SetSize(Width(), Height());
  PaintBack(ClientRect());
  LayOut();
}

void TMVWBaseEdit::PaintBack(const RECT& rect) {
  const TClientCanvasScope scope(*this);
  TCanvas& canvas = SurfaceCanvas();
  if (BackFromParent() && PaintParentBack(canvas, rect, 0, POINT{0, 0}))
    return;
  if (ThemedDrawing()) {
    TBitmap themed;
    themed.SetSize(Width(), Height());
    PaintThemeFrame(themed.Canvas(), ClientRect());
    canvas.CopyRect(rect, themed.Canvas(), rect);
    return;
  }
  canvas.Brush().SetColor(Color());
  canvas.Brush().SetStyle(bsSolid);
  canvas.FillRect(rect);
}

bool TMVWBaseEdit::RepaintOnExit() {
  return ThemedDrawing() && Flat();
}

void TMVWBaseEdit::PaintFlatBorder() {
  if (!ThemedDrawing()) {
    TMVWCustomBevelPanel::PaintFlatBorder();
    return;
  }
  if (Transparent())
    Invalidate();
  else if (Flat())
    RepaintText(-1);
}

void TMVWBaseEdit::Paint() {
  if (UpdateCount() > 0 || Loading())
    return;
  TMVWCustomControl::Paint();
  if (!Focused() && Flat() && !ThemedDrawing())
    PaintFlatBorder();
  else if (ThemedDrawing() && Bevel().Mode() == bmWindows)
    PaintThemeFrame(Canvas(), ClientRect());
  else
    Bevel().PaintBevel(Canvas(), ClientRect(), Transparent());
  UpdateCaretPos();
}

void TMVWBaseEdit::Loaded() {
  TMVWCustomBevelPanel::Loaded();
  CalcTextRect();
  Invalidate();
}

void TMVWBaseEdit::PaintText(const std::string& text) {
  if (!HandleAllocated())
    return;
  const bool caretShown = Caret_->Shown();
  if (caretShown)
    Caret_->Hide();
  OnSurface([&](TCanvas& canvas) {
    PaintBack(TextArea_);
    HDC dc = canvas.Handle();
    RECT r = TextRect_;
    TClip clip(dc);
    if (ScrollOffset_ != 0) {
      clip.Select(TextRect_);
      r.left -= ScrollOffset_;
    }
    SetTextCharacterExtra(dc, Font3D_->Tracing());
    const int width = canvas.TextWidth(text);
    if (Alignment_ == taRightJustify)
      r.left = r.right - width;
    else if (Alignment_ == taCenter)
      r.left += (r.right - r.left - width) / 2;
    const std::uint8_t effects = Enabled() ? FxTextEnabled : 0;
    const int selStart = std::clamp(SelStart(), 1, static_cast<int>(text.size()) + 1);
    const int selEnd =
        std::clamp(SelStart() + SelLength(), selStart, static_cast<int>(text.size()) + 1);
    const bool highlighted = selEnd > selStart && !SelectionHidden_;
    int startX = 0;
    int endX = 0;
    int a = 0;
    int b = 0;
    if (highlighted) {
      HighlightDepths(*Font3D_, a, b);
      startX = r.left + canvas.TextWidth(text.substr(0, static_cast<std::size_t>(selStart - 1)));
      endX = std::min<int>(
          r.left + canvas.TextWidth(text.substr(0, static_cast<std::size_t>(selEnd - 1))), r.right);
      int shift = a;
      const TMVWThreeDOrientation orientation = Font3D_->Orientation();
      if (Font3D_->Style() == tdExtrudeEnh &&
          (orientation == toBottomLeft || orientation == toTopLeft))
        shift += b;
      const RECT highlight{startX + shift, r.top, endX + shift,
                           std::min<int>(r.top + TextHeight(text) + a + b, TextRect_.bottom)};
      canvas.Brush().SetColor(HighlightBack_);
      canvas.Brush().SetStyle(bsSolid);
      canvas.FillRect(highlight);
    }
    DrawFxText(canvas, text, Font3D_.get(), nullptr, effects, DT_SINGLELINE | DT_NOPREFIX, r);
    if (highlighted) {
      const TColor textColor = canvas.Font().Color();
      canvas.Font().SetColor(HighlightText_);
      const RECT selected{startX, r.top, endX + a + b, r.bottom};
      DrawFxText(canvas,
                 text.substr(static_cast<std::size_t>(selStart - 1),
                             static_cast<std::size_t>(selEnd - selStart)),
                 Font3D_.get(), nullptr, effects, DT_SINGLELINE | DT_NOPREFIX, selected);
      canvas.Font().SetColor(textColor);
    }
    SetTextCharacterExtra(dc, 0);
    if (BackBuffer_)
      Canvas().CopyRect(TextArea_, BackBuffer_->Canvas(), TextArea_);
  });
  if (caretShown)
    Caret_->Show();
}

void TMVWBaseEdit::TextOrigin(const std::string& text, int& origin, int& emptyX) {
  const int left = TextRect_.left;
  const int right = TextRect_.right;
  const int width = TextWidth(text);
  switch (Alignment_) {
  case taRightJustify:
    origin = right - width;
    emptyX = right;
    break;
  case taCenter:
    origin = left + (right - left - width) / 2;
    emptyX = left + (right - left) / 2;
    break;
  default:
    origin = left;
    emptyX = left;
    break;
  }
}

int TMVWBaseEdit::CaretX(int origin, int emptyX) {
  const std::string text = DisplayText();
  int x = emptyX;
  if (!text.empty()) {
    const auto count = static_cast<std::size_t>(std::clamp(CursorPos() - 1, 0, int(text.size())));
    x = TextWidth(text.substr(0, count)) - ScrollOffset_ + origin;
  }
  const TMVWThreeDOrientation orientation = Font3D_->Orientation();
  if ((Font3D_->Style() == tdExtrude || Font3D_->Style() == tdExtrudeEnh) &&
      (orientation == toBottomLeft || orientation == toTopLeft))
    x += Font3D_->ShadowDepth();
  return x;
}

void TMVWBaseEdit::PlaceCaret(int x, int y) {
  if (Caret_->Style() == csUnder)
    y += TextHeight("Qp") - 3;
  else if (Caret_->Style() == csUnderBlock)
    y += TextHeight("Qp") - Caret_->Height() - 2;
  SetCaretPos(x, y);
}

void TMVWBaseEdit::FocusNextControl() {
  if (TForm* form = ParentForm(); form && form->HandleAllocated())
    SendMessageA(form->Handle(), WM_NEXTDLGCTL, 0, 0);
}

void TMVWBaseEdit::DragStarted() {
  SavedCursor_ = Screen().Cursor();
  Screen().SetCursor(DragCursor);
}

void TMVWBaseEdit::DragEnded() {
  Screen().SetCursor(SavedCursor_);
}

void TMVWBaseEdit::RefreshModifiers() {
  const TShiftState shift = KeyboardShiftState();
  std::uint8_t mode = KeyState.EditMode() & MVWEditInsert;
  if (shift & ssShift)
    mode |= MVWEditShift;
  if (shift & ssCtrl)
    mode |= MVWEditCtrl;
  if (shift & ssAlt)
    mode |= MVWEditAlt;
  KeyState.SetEditMode(mode);
}

bool TMVWBaseEdit::KeyDown(WORD& key, TShiftState shift) {
  const bool consumed = TMVWCustomBevelPanel::KeyDown(key, shift);
  RefreshModifiers();
  if (consumed || key == 0 || !Enabled())
    return consumed;
  EditKeyDown(key);
  return key == 0;
}

bool TMVWBaseEdit::KeyUp(WORD& key, TShiftState shift) {
  const bool consumed = TMVWCustomBevelPanel::KeyUp(key, shift);
  RefreshModifiers();
  return consumed;
}

bool TMVWBaseEdit::KeyPress(char& key) {
  if (TMVWCustomBevelPanel::KeyPress(key) || key == 0)
    return true;
  TypeChar(key);
  return false;
}

void TMVWBaseEdit::FocusGained() {
  RefreshModifiers();
  PrepareBackBuffer();
  if (Caret_->Style() == csDefault)
    Caret_->SetFontHeight(TextHeight("Qp"));
  Caret_->CreateCaretShape();
  Caret_->Show();
  if (RepaintOnEnter())
    RepaintText(-1);
  if (Flat()) {
    PaintSunkenBorder();
    if (ThemedDrawing())
      RepaintText(-1);
  }
  SelectionHidden_ = false;
  if (AutoSelect())
    SelectAll();
  if ((HideSelection() || AutoSelect()) && SelLength() != 0)
    RepaintText(-1);
  UpdateCaretPos();
}

void TMVWBaseEdit::FocusLost() {
  if (RepaintOnExit())
    RepaintText(-1);
  Caret_->DestroyCaretShape();
  BackBuffer_.reset();
  StopDragTimer();
  MouseIsDown_ = false;
  if (DraggingSelection())
    EndMouseDrag();
}

void TMVWBaseEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  // OnMouseDown may free the edit.
  if (FreedBy([&] { TMVWCustomBevelPanel::MouseDown(button, shift, x, y); }))
    return;
  if (button != mbLeft || !Enabled())
    return;
  LastMouse_ = MAKELPARAM(x, y);
  if (shift & ssDouble) {
    // The word under the caret; a second press inside the new selection starts no drag.
    BeginUpdate();
    SelectWordAtCaret();
    EndUpdate();
    RepaintText(CursorPos());
    return;
  }
  MouseIsDown_ = true;
  if (!Focused() && CanFocus())
    SetFocus();
  SetCapture(Handle());
  MoveCaretToMouse(PosFromX(x));
  StartDragTimer();
}

void TMVWBaseEdit::MouseMove(TShiftState shift, int x, int y) {
  TMVWCustomBevelPanel::MouseMove(shift, x, y);
  LastMouse_ = MAKELPARAM(x, y);
  if (Enabled() && MouseIsDown_ && shift == ssLeft)
    MouseSelectTo(PosFromX(x));
}

void TMVWBaseEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (FreedBy([&] { TMVWCustomBevelPanel::MouseUp(button, shift, x, y); }))
    return;
  if (button == mbLeft) {
    StopDragTimer();
    // Also after a focus loss during the press, or every later click would come here.
    if (GetCapture() == Handle())
      ReleaseCapture();
    MouseIsDown_ = false;
    EndMouseDrag();
  }
}

void TMVWBaseEdit::StartDragTimer() {
  if (DragTimer_ != 0 || !MVWApplication)
    return;
  // With every widget timer taken the caret just does not follow a mouse held outside.
  DragTimer_ = MVWApplication->AddTimer(
      200, [this](TObject*) { DragTimerTick(PosFromX(GET_X_LPARAM(LastMouse_))); });
}

void TMVWBaseEdit::StopDragTimer() {
  if (DragTimer_ == 0)
    return;
  if (MVWApplication) {
    if (TMVWTimerItem* item = MVWApplication->FindTimer(DragTimer_)) {
      item->SetEnabled(false);
      item->OnTimer = nullptr;
    }
    MVWApplication->RemoveTimer(DragTimer_);
  }
  DragTimer_ = 0;
}

void TMVWBaseEdit::ShowContextMenu(POINT at) {
  TPopupMenu menu(this);
  const bool hasSelection = SelLength() > 0;
  const struct {
    const char* Caption;
    bool Enabled;
    void (TMVWBaseEdit::*Action)();
  } entries[] = {
      {SMVWEditUndo, CanUndo(), &TMVWBaseEdit::Undo},
      {"-", true, nullptr},
      {SMVWEditCut, hasSelection && !ReadOnly(), &TMVWBaseEdit::CutToClipboard},
      {SMVWEditCopy, hasSelection, &TMVWBaseEdit::CopyToClipboard},
      {SMVWEditPaste, Clipboard().HasText() && !ReadOnly(), &TMVWBaseEdit::PasteFromClipboard},
      {SMVWEditDelete, hasSelection, &TMVWBaseEdit::ClearSelection},
      {"-", true, nullptr},
      {SMVWEditSelectAll, !TextValue().empty(), &TMVWBaseEdit::SelectAll},
  };
  for (const auto& entry : entries) {
    auto* item = new TMenuItem(nullptr);
    item->SetCaption(entry.Caption);
    item->SetEnabled(entry.Enabled);
    if (entry.Action) {
      const auto action = entry.Action;
      item->OnClick = [this, action](TObject*) { (this->*action)(); };
    }
    menu.Items().Add(item);
  }
  menu.Popup(at.x, at.y);
}

void TMVWBaseEdit::FontChanged() {
  // Only the edit that owns the system caret remakes it; another edit's caret stays.
  Caret_->SetFontHeight(TextHeight("Qp"));
  if (Focused())
    Caret_->CreateCaretShape();
}

void TMVWBaseEdit::AnswerEditMessage(TMessage& message) {
  const WPARAM w = message.WParam;
  const LPARAM l = message.LParam;
  const std::string& text = TextValue();
  const int length = static_cast<int>(text.size());
  switch (message.Msg) {
  case EM_GETSEL: {
    const int start = SelStart() - 1;
    const int end = SelStart() + SelLength() - 1;
    if (w)
      *reinterpret_cast<DWORD*>(w) = static_cast<DWORD>(start);
    if (l)
      *reinterpret_cast<DWORD*>(l) = static_cast<DWORD>(end);
    message.Result = MAKELRESULT(start, end);
    break;
  }
  case EM_SETSEL:
    SetSelRange(static_cast<int>(w), static_cast<int>(l));
    break;
  case EM_GETRECT:
    if (l)
      *reinterpret_cast<RECT*>(l) = TextRect_;
    break;
  case EM_GETMODIFY:
    message.Result = Modified();
    break;
  case EM_SETMODIFY:
    SetModified(w != 0);
    break;
  case EM_GETLINECOUNT:
    message.Result = 1;
    break;
  case EM_LINELENGTH:
    message.Result = length;
    break;
  case EM_GETLINE: {
    if (!l)
      break;
    // The first word of the buffer holds its size in characters.
    const int room = *reinterpret_cast<const WORD*>(l);
    const int copied = std::min(room, length);
    std::memcpy(reinterpret_cast<char*>(l), text.data(), static_cast<std::size_t>(copied));
    message.Result = copied;
    break;
  }
  case EM_REPLACESEL:
    if (l)
      InsertText(reinterpret_cast<const char*>(l));
    if (w == 0)
      ClearUndo();
    break;
  case EM_LIMITTEXT:
    SetMaxLength(static_cast<int>(w));
    break;
  case EM_GETLIMITTEXT:
    message.Result = MaxLength();
    break;
  case EM_CANUNDO:
    message.Result = CanUndo();
    break;
  case EM_UNDO:
    Undo();
    message.Result = CanUndo();
    break;
  case EM_EMPTYUNDOBUFFER:
    EmptyUndoBuffer();
    break;
  case EM_SETREADONLY:
    SetReadOnly(w != 0);
    message.Result = 1;
    break;
  case EM_POSFROMCHAR: {
    // wParam 0 is no place to write to; small values are an index, as the platform answers.
    const std::string shown = DisplayText();
    auto xAt = [&](std::size_t count) {
      return TextWidthFx(shown.substr(0, std::min(count, shown.size()))) + TextRect_.left -
             ScrollOffset_;
    };
    if (w == 0) {
      message.Result = -1;
    } else if (w < 0x10000) {
      message.Result = MAKELRESULT(xAt(w), 0);
    } else {
      auto* point = reinterpret_cast<POINT*>(w);
      *point = POINT{xAt(static_cast<std::size_t>(l)), 0};
    }
    break;
  }
  case EM_CHARFROMPOS:
    message.Result = MAKELRESULT(CharFromX(GET_X_LPARAM(l)), LineFromY(GET_Y_LPARAM(l)));
    break;
  default: // the other EM_ messages are ignored or answer 0
    message.Result = 0;
    break;
  }
}

void TMVWBaseEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_SETFOCUS:
    TMVWCustomBevelPanel::WndProc(message);
    // OnEnter may have moved the focus on: the caret then belongs to the field that has it.
    if (Focused())
      FocusGained();
    return;
  case WM_KILLFOCUS:
    if (HideSelection() && SelLength() > 0) {
      SelectionHidden_ = true;
      RepaintText(-1);
    }
    TMVWCustomBevelPanel::WndProc(message);
    FocusLost();
    return;
  case WM_GETDLGCODE:
    TMVWCustomBevelPanel::WndProc(message);
    message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
    return;
  case WM_ERASEBKGND:
    message.Result = 1;
    return;
  case WM_CONTEXTMENU:
    // An assigned menu is the platform's to show; without one the edit offers its own.
    if (!PopupMenu() && Enabled()) {
      ShowContextMenu(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      message.Result = 1;
      return;
    }
    TMVWCustomBevelPanel::WndProc(message);
    return;
  case WM_SIZE:
    TMVWCustomBevelPanel::WndProc(message);
    if (Focused())
      PrepareBackBuffer();
    else
      CalcTextRect();
    return;
  case WM_GETTEXTLENGTH:
    message.Result = static_cast<LRESULT>(TextValue().size());
    return;
  case WM_SETTEXT:
    TMVWCustomBevelPanel::WndProc(message);
    TextChanged();
    if (OnChange)
      OnChange(this);
    return;
  case WM_GETTEXT:
    TMVWCustomBevelPanel::WndProc(message);
    BeforeGetText();
    return;
  case WM_CUT:
    CutToClipboard();
    return;
  case WM_COPY:
    CopyToClipboard();
    return;
  case WM_PASTE:
    PasteFromClipboard();
    return;
  case WM_CLEAR:
    ClearSelection();
    return;
  case CM_FONTCHANGED:
    TMVWCustomBevelPanel::WndProc(message);
    FontChanged();
    return;
  case CM_ENABLEDCHANGED:
    TMVWCustomBevelPanel::WndProc(message);
    RepaintText(-1);
    return;
  case CM_MVWTHEMECHANGED:
    TMVWCustomBevelPanel::WndProc(message);
    RecreateWnd();
    return;
  case CM_MOUSEENTER:
    TMVWCustomBevelPanel::WndProc(message);
    if (FocusOnMouseAbove() && Enabled() && CanFocus())
      SetFocus();
    else if (ThemedDrawing() && Flat())
      Invalidate();
    return;
  case CM_MOUSELEAVE:
    TMVWCustomBevelPanel::WndProc(message);
    if (ThemedDrawing() && Flat())
      RepaintText(-1);
    return;
  default:
    if (message.Msg >= EM_GETSEL && message.Msg <= EM_GETIMESTATUS) {
      AnswerEditMessage(message);
      return;
    }
    TMVWCustomBevelPanel::WndProc(message);
  }
}

} // namespace marivo
