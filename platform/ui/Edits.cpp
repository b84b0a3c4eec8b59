#include "platform/ui/Edits.h"

#include "platform/rtl/ClassRegistry.h"

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

void TCustomEdit::SetReadOnly(bool value) {
  if (Store(ReadOnly_, value) && HandleAllocated())
    SendMessageA(Handle(), EM_SETREADONLY, ReadOnly_, 0);
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
  }
  TWinControl::WndProc(message);
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
  if (Store(ScrollBars_, value))
    RecreateWnd();
}

void TMemo::SetWordWrap(bool value) {
  if (Store(WordWrap_, value))
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
        .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
        .Integer("Color", ColorIdents(), &TControl::Color, &TControl::SetColor, clWindow)
        .Stored([](TCustomEdit& edit) { return !edit.ParentColor(); })
        .Event("OnChange", &TCustomEdit::OnChange);
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
