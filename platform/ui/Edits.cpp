#include "platform/ui/Edits.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TextUtils.h"

namespace marivo {

// --- TCustomEdit ------------------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "EDIT";
  params.ExStyle |= WS_EX_CLIENTEDGE;
  if (ReadOnly_)
    params.Style |= ES_READONLY;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(MaxLength_), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
  if (value == ReadOnly_)
    return;
  ReadOnly_ = value;
  if (HandleAllocated())
    SendMessageA(Handle(), EM_SETREADONLY, ReadOnly_, 0);
}

void TCustomEdit::SetMaxLength(int value) {
  if (value == MaxLength_)
    return;
  MaxLength_ = value;
  if (HandleAllocated())
    SendMessageA(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(MaxLength_), 0);
}

void TCustomEdit::SelectAll() {
  SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

int TCustomEdit::SelStart() {
  DWORD start = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int value) {
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(value), value);
}

int TCustomEdit::SelLength() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + value);
}

bool TCustomEdit::KeyPress(char& key) {
  if (TWinControl::KeyPress(key))
    return true;
  const std::string typed(1, key);
  if (CharCase_ == ecUpperCase)
    key = UpperCase(typed)[0];
  else if (CharCase_ == ecLowerCase)
    key = LowerCase(typed)[0];
  return false;
}

void TCustomEdit::Change() {
  if (OnChange)
    OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
  case CN_COMMAND:
    if (HIWORD(message.WParam) == EN_CHANGE)
      WindowTextChanged();
    return;
  case CN_CTLCOLOREDIT:
  case CN_CTLCOLORSTATIC:
    message.Result = Brush_.Apply(reinterpret_cast<HDC>(message.WParam), Color(), Font().Color());
    return;
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
    PostMessageA(Handle(), message.Msg == WM_SETFOCUS ? CM_AFTERENTER : CM_AFTEREXIT, 0, 0);
    break;
  case CM_AFTERENTER:
    if (OnAfterEnter)
      OnAfterEnter(this);
    return;
  case CM_AFTEREXIT:
    if (OnAfterExit)
      OnAfterExit(this);
    return;
  }
  TWinControl::WndProc(message);
}

// --- TEdit ------------------------------------------------------------------------------------

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {
  SetBounds(0, 0, 121, 21);
}

void TEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_AUTOHSCROLL;
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg != CM_TEXTCHANGED) {
    TCustomEdit::WndProc(message);
    return;
  }
  // Text read back from the window is in the window already; writing it again would put the
  // caret back at the start while the official types.
  if (Syncing_)
    return;
  if (HandleAllocated()) {
    Writing_ = true;
    SetWindowTextA(Handle(), Caption().c_str());
    Writing_ = false;
  }
  if (!(ComponentState() & csLoading))
    Change();
}

void TEdit::WindowTextChanged() {
  const std::string text = WindowText(Handle());
  // The platform may report a key it refused at the length limit: nothing changed then.
  if (Writing_ || text == Caption())
    return;
  Syncing_ = true;
  SetCaption(text);
  Syncing_ = false;
  Change();
}

// --- TMemo ------------------------------------------------------------------------------------

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
  SetBounds(0, 0, 185, 89);
  Lines_.OnChange = [this](TObject*) { LinesChanged(); };
}

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (ScrollBars_ == ssVertical || ScrollBars_ == ssBoth)
    params.Style |= WS_VSCROLL;
  // A horizontal scroll bar turns wrapping off in the platform edit, so it comes only unwrapped.
  if (!WordWrap_) {
    params.Style |= ES_AUTOHSCROLL;
    if (ScrollBars_ == ssHorizontal || ScrollBars_ == ssBoth)
      params.Style |= WS_HSCROLL;
  }
}

void TMemo::CreateWnd() {
  TCustomEdit::CreateWnd();
  // A multi-line edit holds 32,767 characters unless told otherwise; a memo has no limit.
  SendMessageA(Handle(), EM_SETLIMITTEXT, 0, 0);
  Shown_.clear();
  ShowLines();
}

int TMemo::TMemoLines::AddObject(const std::string& text, TObject* object) {
  if (Sorted())
    return TStringList::AddObject(text, object);
  Memo_.Appended_ = &text;
  try {
    const int index = TStringList::AddObject(text, object);
    Memo_.Appended_ = nullptr;
    return index;
  } catch (...) {
    Memo_.Appended_ = nullptr;
    throw;
  }
}

void TMemo::ShowLines() {
  const std::string text = Lines_.Text();
  Writing_ = true;
  SetWindowTextA(Handle(), text.c_str());
  Writing_ = false;
  Shown_ = text;
}

// The window shows every earlier line already: the new one goes after them.
void TMemo::ShowAddedLine(const std::string& text) {
  const std::string added = text + "\r\n";
  const auto end = static_cast<WPARAM>(Shown_.size());
  Writing_ = true;
  SendMessageA(Handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
  Writing_ = false;
  Shown_ += added;
}

void TMemo::SetScrollBars(TScrollStyle value) {
  if (value == ScrollBars_)
    return;
  ScrollBars_ = value;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool value) {
  if (value == WordWrap_)
    return;
  WordWrap_ = value;
  RecreateWnd();
}

void TMemo::LinesChanged() {
  if (Syncing_)
    return;
  // Text the official typed may end without a line break; the next line must not join it.
  const bool shownWhole = Shown_.empty() || Shown_.ends_with("\r\n");
  if (HandleAllocated() && Appended_ != nullptr && shownWhole)
    ShowAddedLine(*Appended_);
  else if (HandleAllocated())
    ShowLines();
  if (!(ComponentState() & csLoading))
    Change();
}

void TMemo::WindowTextChanged() {
  if (Writing_)
    return;
  Syncing_ = true;
  Shown_ = WindowText(Handle());
  Lines_.SetText(Shown_);
  Syncing_ = false;
  Change();
}

void RegisterEditClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TCustomEdit, TWinControl>("TCustomEdit")
        .Boolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false)
        .Integer("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0)
        .Enumeration("CharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}, &TCustomEdit::CharCase,
                     &TCustomEdit::SetCharCase, ecNormal)
        .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
        .Integer("Color", ColorIdents(), &TControl::Color, &TControl::SetColor, clWindow)
        .Stored([](TCustomEdit& edit) { return !edit.ParentColor(); })
        .Event("OnChange", &TCustomEdit::OnChange)
        .Event("OnAfterEnter", &TCustomEdit::OnAfterEnter)
        .Event("OnAfterExit", &TCustomEdit::OnAfterExit);
    RegisterComponentClass<TEdit, TCustomEdit>("TEdit")
        .String("Text", &TEdit::Text, &TEdit::SetText, std::string())
        // Caption is the same text as Text; written once is enough.
        .String("Caption", &TEdit::Caption, &TEdit::SetCaption)
        .Stored([](TEdit&) { return false; });
    RegisterComponentClass<TMemo, TCustomEdit>("TMemo")
        .Class("Lines", &TMemo::Lines)
        .Enumeration("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"},
                     &TMemo::ScrollBars, &TMemo::SetScrollBars, ssNone)
        .Boolean("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap, true);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
