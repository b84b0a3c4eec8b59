#include "widgets/controls/MVWEditAutoComplete.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWBaseEdit.h"
#include "widgets/foundation/MVWMessages.h"
#include "widgets/foundation/portable/MVWStringList.h"

#include <algorithm>

namespace marivo {

namespace {

constexpr int PopupRowLimit = 8;

bool StartsWith(const std::string& line, const std::string& text) {
  return !text.empty() && line.compare(0, text.size(), text) == 0;
}

} // namespace

TMVWEditAutoComplete::TMVWEditAutoComplete(TComponent* owner) : TMVWComponent(owner) {
  CloseWindow_ = AllocateHWnd([this](TMessage& message) {
    if (message.Msg == WM_MVWCLOSEPOPUP)
      ClosePopup();
    else
      message.Result = DefWindowProcA(CloseWindow_, message.Msg, message.WParam, message.LParam);
  });
}

TMVWEditAutoComplete::~TMVWEditAutoComplete() {
  ClosePopup();
  SetStringList(nullptr);
  DeallocateHWnd(CloseWindow_);
}

void TMVWEditAutoComplete::SetStringList(TMVWStringList* value) {
  ReplaceWatched(StringList_, value);
}

void TMVWEditAutoComplete::SetStringListIndex(std::int32_t value) {
  // Form data reads the index before the reference to the list is resolved.
  if (ComponentState() & csLoading) {
    StringListIndex_ = value;
    return;
  }
  if (!StringList_)
    return;
  StringListIndex_ = std::min(value, StringList_->Count() - 1);
}

TStrings* TMVWEditAutoComplete::Candidates() const {
  if (!StringList_ || StringListIndex_ < 0 || StringListIndex_ >= StringList_->Count())
    return nullptr;
  TMVWStringListItem* item = StringList_->Item(StringListIndex_);
  return item ? &item->Items() : nullptr;
}

void TMVWEditAutoComplete::Complete(TMVWBaseEdit* edit, std::string text) {
  if (!Enabled_ || !edit)
    return;
  std::string result;
  FindCompletion(edit, text, result);
  if (result == text)
    return;
  edit->SetText(result);
  edit->SetCursorPos(static_cast<int>(text.size()) + 1);
  edit->SetSelLength(static_cast<int>(result.size() - text.size()));
}

void TMVWEditAutoComplete::FindCompletion(TMVWBaseEdit* edit, const std::string& text,
                                          std::string& result) {
  result = text;
  TypedText_ = text;
  if (Mode_ & amText) {
    if (TStrings* lines = Candidates()) {
      for (int i = 0; i < lines->Count(); ++i) {
        if (StartsWith(lines->Strings(i), text)) {
          result = lines->Strings(i);
          break;
        }
      }
    }
  }
  if (Mode_ & amPopup)
    ShowPopupFor(edit, result);
}

void TMVWEditAutoComplete::ShowPopupFor(TMVWBaseEdit* edit, const std::string& text) {
  TStrings* lines = Candidates();
  if (!lines)
    return;
  std::vector<std::string> sorted;
  for (int i = 0; i < lines->Count(); ++i)
    sorted.push_back(lines->Strings(i));
  // By byte value: the order the matching run below relies on.
  std::sort(sorted.begin(), sorted.end());
  const auto first = std::find_if(sorted.begin(), sorted.end(),
                                  [&](const std::string& line) { return StartsWith(line, text); });
  const auto last = std::find_if_not(
      first, sorted.end(), [&](const std::string& line) { return StartsWith(line, text); });
  ShowList(edit, std::vector<std::string>(first, last));
}

void TMVWEditAutoComplete::ShowList(TMVWBaseEdit* edit, const std::vector<std::string>& list) {
  if (list.empty() || !edit)
    return;
  if (list.size() == 1 && list.front() == edit->TextValue()) {
    ClosePopup();
    return;
  }
  if (HookedEdit_ && HookedEdit_ != edit)
    ClosePopup();
  if (!ListBox_) {
    ListBox_ = new TListBox(this);
    ListBox_->FreeNotification(this);
    ListBox_->SetVisible(false);
    ListBox_->SetFloating(true);
    ListBox_->SetTabStop(false);
  }
  if (!HookedEdit_) {
    HookedEdit_ = edit;
    edit->FreeNotification(this);
    SavedWindowProc_ = edit->WindowProc;
    edit->WindowProc = [this](TMessage& message) { PopupWindowProc(message); };
  }
  ListBox_->SetParent(edit);
  ListBox_->Items().Clear();
  for (const std::string& line : list)
    ListBox_->Items().Add(line);
  const POINT at = edit->ClientToScreen(POINT{0, edit->Height()});
  const int rows = std::min(static_cast<int>(list.size()), PopupRowLimit);
  ListBox_->SetBounds(at.x, at.y, edit->Width(), ListBox_->ItemHeight() * rows + 5);
  ListBox_->SetItemIndex(-1);
  ListBox_->Show();
}

void TMVWEditAutoComplete::ClosePopup() {
  if (HookedEdit_) {
    HookedEdit_->WindowProc = SavedWindowProc_;
    HookedEdit_->RemoveFreeNotification(this);
  }
  ForgetEdit();
  if (TListBox* list = ListBox_) {
    ListBox_ = nullptr;
    delete list;
  }
}

void TMVWEditAutoComplete::ForgetEdit() {
  HookedEdit_ = nullptr;
  SavedWindowProc_ = nullptr;
}

void TMVWEditAutoComplete::SetEditText(const std::string& text) {
  TMVWBaseEdit* edit = HookedEdit_;
  edit->SetText(text);
  edit->SetCursorPos(static_cast<int>(edit->TextValue().size()) + 1);
  edit->SelectAll();
}

void TMVWEditAutoComplete::PopupWindowProc(TMessage& message) {
  const TWndMethod saved = SavedWindowProc_;
  saved(message);
  if (!HookedEdit_ || !ListBox_)
    return;
  switch (message.Msg) {
  case WM_KILLFOCUS:
    SetEditText(TypedText_);
    PostMessageA(CloseWindow_, WM_MVWCLOSEPOPUP, 0, 0);
    break;
  case WM_KEYUP: {
    const int index = ListBox_->ItemIndex();
    if (message.WParam == VK_UP && index > 0)
      ListBox_->SetItemIndex(index - 1);
    else if (message.WParam == VK_DOWN && index < ListBox_->Items().Count() - 1)
      ListBox_->SetItemIndex(index + 1);
    else if (message.WParam != VK_UP && message.WParam != VK_DOWN)
      break;
    if (ListBox_->ItemIndex() >= 0)
      SetEditText(ListBox_->Items().Strings(ListBox_->ItemIndex()));
    break;
  }
  case WM_CHAR:
    if (message.WParam == VK_RETURN && ListBox_->ItemIndex() >= 0) {
      SetEditText(ListBox_->Items().Strings(ListBox_->ItemIndex()));
      PostMessageA(CloseWindow_, WM_MVWCLOSEPOPUP, 0, 0);
    } else if (message.WParam == VK_ESCAPE) {
      SetEditText(TypedText_);
      PostMessageA(CloseWindow_, WM_MVWCLOSEPOPUP, 0, 0);
    }
    break;
  default:
    break;
  }
}

void TMVWEditAutoComplete::AddUnknown(TMVWBaseEdit* edit, std::string text) {
  if (!Enabled_)
    return;
  bool add = true;
  TMVWAutoCompleteSource addTo = acsStringList;
  TStrings* lines = Candidates();
  if (StringList_ && lines && lines->IndexOf(text) >= 0)
    return;
  std::string addText = text;
  if (TMVWAutoCompleteAddEvent handler = OnAdd)
    handler(this, edit, addText, add, addTo);
  if (add && addTo == acsStringList && lines)
    lines->Add(addText);
}

void TMVWEditAutoComplete::Notification(TComponent* component, TOperation operation) {
  TMVWComponent::Notification(component, operation);
  if (operation != opRemove)
    return;
  if (component == ListBox_)
    ListBox_ = nullptr;
  if (component == StringList_)
    StringList_ = nullptr;
  if (HookedEdit_ && component == HookedEdit_) {
    // The edit is going: its window procedure goes with it, and so does the popup.
    ForgetEdit();
    ClosePopup();
  }
}

void RegisterMVWEditAutoComplete() {
  using A = TMVWEditAutoComplete;
  RegisterComponentClass<A, TMVWComponent>("TMVWEditAutoComplete")
      .Component("StringList", &A::StringList, &A::SetStringList)
      .Integer("StringListIndex", &A::StringListIndex, &A::SetStringListIndex,
               A::DefaultStringListIndex)
      .Set("Mode", {"amText", "amPopup"}, &A::Mode, &A::SetMode, A::DefaultMode)
      .Set("AddUnknownOn", {"aaControlExit", "aaControlReturn"}, &A::AddUnknownOn,
           &A::SetAddUnknownOn, A::DefaultAddUnknownOn)
      .Boolean("Enabled", &A::Enabled, &A::SetEnabled, A::DefaultEnabled)
      .Event("OnAdd", &A::OnAdd);
}

} // namespace marivo
