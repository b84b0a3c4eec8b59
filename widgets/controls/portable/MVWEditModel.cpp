#include "widgets/controls/portable/MVWEditModel.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace marivo {

namespace {

// Sets a flag for a scope, so that an exception from an event handler does not leave it set.
class TFlagScope {
public:
  explicit TFlagScope(bool& flag) : Flag_(flag) { Flag_ = true; }
  ~TFlagScope() { Flag_ = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

private:
  bool& Flag_;
};

} // namespace

TMVWEditModel::TMVWEditModel(TObject* sender, IMVWEditKeyState& keyState)
    : Sender_(sender), KeyState_(keyState) {
  WordDelimiters_[' '] = true;
  UndoHistory_.OnFreeEntry = [this](TObject* bufferSender, std::unique_ptr<TMVWBufferEntry> entry) {
    FreeUndoRecord(bufferSender, std::move(entry));
  };
}

TMVWEditModel::~TMVWEditModel() {
  UndoHistory_.Clear();
}

void TMVWEditModel::FreeUndoRecord(TObject*, std::unique_ptr<TMVWBufferEntry> entry) {
  entry.reset();
}

char TMVWEditModel::CharAt(int position) const {
  return position >= 1 && position <= Length() ? Text_[static_cast<std::size_t>(position - 1)]
                                               : '\0';
}

bool TMVWEditModel::IsPairAt(int position) const {
  return CharAt(position) == '\r' && CharAt(position + 1) == '\n';
}

std::string TMVWEditModel::GetText() {
  std::string text = Text_;
  BeforeGetText();
  return text;
}

void TMVWEditModel::SetText(const std::string& value) {
  if (value == Text_)
    return;
  std::size_t keep = value.size();
  if (MaxLength_ > 0 && static_cast<int>(keep) > MaxLength_) {
    keep = static_cast<std::size_t>(MaxLength_);
    // The cut must not leave the CR of a pair without its LF.
    if (value[keep - 1] == '\r' && value[keep] == '\n')
      --keep;
  }
  Text_ = value.substr(0, keep);
  // The records describe a text that is gone.
  UndoHistory_.Clear();
  SetCursorPos(1);
  SetSelLength(0);
  TextChanged();
}

void TMVWEditModel::SetCursorPos(int value) {
  PrevCursorPos_ = CursorPos_;
  CursorPos_ = std::clamp(value, 1, Length() + 1);
  UpdateSelection();
  CursorPosChanged();
}

void TMVWEditModel::SetSelLength(int value) {
  value = std::max(value, 0);
  if (Store(SelLength_, value))
    RepaintText(-1);
}

void TMVWEditModel::SetSelRange(int start, int end) {
  if (start == -1) {
    SetSelLength(0);
    return;
  }
  if (start == 0 && end == -1) {
    SelectAll();
    return;
  }
  SetCursorPos(start + 1);
  SelStart_ = CursorPos_;
  SetSelLength(std::clamp(end - SelStart_ + 1, 0, Length() + 1 - SelStart_));
}

void TMVWEditModel::SetModified(bool value) {
  if (!Store(Modified_, value))
    return;
  if (TNotifyEvent handler = OnModified)
    handler(Sender_);
}

void TMVWEditModel::UpdateSelection() {
  if (Typing_ || DraggingSelection_)
    return;
  const int c = CursorPos_;
  if ((EditMode() & MVWEditShift) == 0 && !MouseSelecting_) {
    SelLength_ = 0;
    SelStart_ = c;
    return;
  }
  const int p = PrevCursorPos_;
  const int s = SelStart_;
  const int l = SelLength_;
  const int e = s + l;
  if (l <= 0) {
    SelLength_ = std::abs(p - c);
    if (c < p)
      SelStart_ = c;
  } else if (s < c && c < e) {
    if (c > p) {
      SelStart_ = c;
      SelLength_ = e - c;
    } else {
      SelLength_ = c - s;
    }
  } else if (s < c) {
    if (s < p) {
      SelLength_ = c - s;
    } else {
      SelStart_ = e;
      SelLength_ = c - e;
    }
  } else {
    SelLength_ = s == p ? l + s - c : s - c;
    SelStart_ = c;
  }
  // The previous caret may lie beyond a text that has since become shorter.
  SelStart_ = std::clamp(SelStart_, 1, Length() + 1);
  SelLength_ = std::clamp(SelLength_, 0, Length() + 1 - SelStart_);
}

void TMVWEditModel::CursorPosChanged() {
  if (View_ != nullptr)
    View_->UpdateCaretPos();
  if (TNotifyEvent handler = OnCursorPosChanged)
    handler(Sender_);
}

void TMVWEditModel::TextChanged() {
  SetSelLength(0);
  TextChangedAt(1);
  if (View_ != nullptr)
    View_->UpdateCaretPos();
}

void TMVWEditModel::TextChangedAt(int position) {
  if (UpdateCount_ > 0)
    return;
  RepaintText(CursorPos_);
  if (Loading())
    return;
  if (TMVWTextChangeEvent handler = OnTextChangedAt)
    handler(Sender_, position);
  if (TNotifyEvent handler = OnChange)
    handler(Sender_);
}

void TMVWEditModel::RepaintText(int position) {
  if (View_ != nullptr)
    View_->RepaintText(position);
}

void TMVWEditModel::EndUpdate() {
  if (UpdateCount_ > 0)
    --UpdateCount_;
  else
    RepaintText(-1);
}

void TMVWEditModel::SelectAll() {
  SelStart_ = 1;
  SelLength_ = Length();
  RepaintText(-1);
}

TMVWEditModel::TPositions TMVWEditModel::Positions() const {
  TPositions positions{CursorPos_, std::clamp(SelStart_, 1, Length() + 1), 0};
  positions.SelLength =
      std::clamp(SelStart_ + std::max(SelLength_, 0), positions.SelStart, Length() + 1) -
      positions.SelStart;
  return positions;
}

std::string TMVWEditModel::GetSelText() const {
  const TPositions positions = Positions();
  return Text_.substr(static_cast<std::size_t>(positions.SelStart - 1),
                      static_cast<std::size_t>(positions.SelLength));
}

int TMVWEditModel::SelTextLength(int limit) const {
  const std::string selected = GetSelText();
  const std::size_t zero = selected.find('\0');
  const int length = static_cast<int>(zero == std::string::npos ? selected.size() : zero);
  return std::clamp(length, 0, std::max(limit, 0));
}

void TMVWEditModel::Clear() {
  SelectAll();
  InsertText({});
}

void TMVWEditModel::ClearSelection() {
  InsertText({});
}

void TMVWEditModel::WholeSelection(int& start, int& length) const {
  const TPositions positions = Positions();
  start = positions.SelStart;
  length = positions.SelLength;
  if (length == 0)
    return;
  if (IsPairAt(start + length - 1))
    ++length;
  if (CharAt(start) == '\n' && IsPairAt(start - 1)) {
    --start;
    ++length;
  }
}

void TMVWEditModel::InsertText(std::string text) {
  ReplaceSelection(std::move(text), Positions());
}

void TMVWEditModel::ReplaceSelection(std::string text, const TPositions& before) {
  if (!CanModify())
    return;
  if (OEMConvert_ && !text.empty() && Oem_ != nullptr)
    text = Oem_->ThroughOem(text);
  const int changedAt = Positions().SelStart;
  int start = 0;
  int length = 0;
  WholeSelection(start, length);
  if (length == 0) {
    if (CharAt(start) == '\n' && IsPairAt(start - 1))
      --start;
    if ((EditMode() & MVWEditInsert) == 0 && !Dropping_)
      length = IsPairAt(start) ? 2 : (start <= Length() ? 1 : 0);
  }
  const std::string removed =
      Text_.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length));
  BeforeChange();
  BeforeDelete(start, removed);
  BeforeInsert(start, text);
  const bool fits =
      MaxLength_ <= 0 || Length() - length + static_cast<int>(text.size()) <= MaxLength_;
  if (!fits)
    text.clear();
  if (removed.empty() && text.empty()) {
    // Nothing changes: no record, no events, and no selection left over from Delete past the end.
    SelStart_ = before.SelStart;
    SelLength_ = before.SelLength;
    return;
  }

  auto record = std::make_unique<TMVWUndoRecord>();
  record->InsertedText = text;
  record->ReplacedText = removed;
  record->ChangeStart = start;
  record->SelStart = before.SelStart;
  record->SelLength = before.SelLength;
  record->InsertedLength = static_cast<std::int32_t>(text.size());
  record->CursorPos = before.CursorPos;
  if (UndoHistory_.Push(std::move(record)))
    CanUndo_ = true;

  Text_.replace(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length), text);
  SelLength_ = 0;
  SetModified(true);
  TextChangedAt(changedAt);
  SetCursorPos(start + static_cast<int>(text.size()));
  BeginUpdate();
  SetSelLength(0);
  EndUpdate();
  SelStart_ = CursorPos_;
  AfterChange();
}

void TMVWEditModel::Undo() {
  // A read-only edit keeps its history for when it can change again.
  if (!CanUndo_ || UndoHistory_.IsEmpty() || !CanModify())
    return;
  std::unique_ptr<TMVWBufferEntry> entry = UndoHistory_.Pop();
  auto* record = static_cast<TMVWUndoRecord*>(entry.get());
  BeforeChange();
  const int start = std::clamp(record->ChangeStart, 1, Length() + 1);
  const int length = std::clamp(record->InsertedLength, 0, Length() + 1 - start);
  Text_.replace(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(length),
                record->ReplacedText);
  SelLength_ = 0;
  SetModified(true);
  TextChangedAt(start);
  if (UndoHistory_.IsEmpty())
    CanUndo_ = false;
  SetCursorPos(record->CursorPos);
  SelStart_ = record->SelStart;
  SetSelLength(record->SelLength);
  AfterChange();
}

void TMVWEditModel::ClearUndo() {
  UndoHistory_.Clear();
}

void TMVWEditModel::EmptyUndoBuffer() {
  UndoHistory_.Clear();
  CanUndo_ = false;
}

void TMVWEditModel::CopyToClipboard() {
  if (CanCopy() && Clipboard_ != nullptr)
    Clipboard_->SetText(GetSelText());
}

void TMVWEditModel::CutToClipboard() {
  if (!CanCopy() || Clipboard_ == nullptr)
    return;
  Clipboard_->SetText(GetSelText());
  InsertText({});
}

void TMVWEditModel::PasteFromClipboard() {
  if (CanCopy() && Clipboard_ != nullptr)
    InsertText(Clipboard_->Text());
}

void TMVWEditModel::SelectWordAtCaret() {
  if (Text_.empty())
    return;
  int i = CursorPos_;
  if (IsWordDelimiter(CharAt(i)))
    --i;
  while (!IsWordDelimiter(CharAt(i)) && i > 1)
    --i;
  // A word right after a blank at the very start does not take the blank with it.
  SelStart_ = IsWordDelimiter(CharAt(i)) ? i + 1 : std::max(i, 1);
  int j = CursorPos_;
  while (!IsWordDelimiter(CharAt(j)) && j < Length() + 1)
    ++j;
  SelLength_ = std::max(j - SelStart_, 0);
}

void TMVWEditModel::MoveWordLeft() {
  int i = CursorPos_;
  if (IsWordDelimiter(CharAt(i)) && i > 1)
    --i;
  while (!IsWordDelimiter(CharAt(i)) && i > 1)
    --i;
  SetCursorPos(i);
}

void TMVWEditModel::MoveWordRight() {
  int i = CursorPos_;
  if (IsWordDelimiter(CharAt(i)) && i < Length())
    ++i;
  while (!IsWordDelimiter(CharAt(i)) && i <= Length())
    ++i;
  SetCursorPos(i);
}

void TMVWEditModel::TypeChar(char c) {
  if (static_cast<unsigned char>(c) < 32)
    return;
  const TFlagScope typing(Typing_);
  std::string text(1, c);
  if (CharCase_ == ecUpperCase)
    text = UpperCase(text);
  else if (CharCase_ == ecLowerCase)
    text = LowerCase(text);
  InsertText(text);
}

void TMVWEditModel::EditKeyDown(std::uint16_t& key) {
  const std::uint8_t mode = EditMode();
  const bool shift = (mode & MVWEditShift) != 0;
  const bool ctrl = (mode & MVWEditCtrl) != 0;
  const int selLengthBefore = SelLength_;
  switch (key) {
  case MVWKeyBack:
    BackKey();
    break;
  case MVWKeyReturn:
    if (TabOnEnter_ && !ctrl && View_ != nullptr)
      View_->FocusNextControl();
    break;
  case MVWKeyEscape:
    SetSelLength(0);
    break;
  case MVWKeyEnd:
    EndKey();
    break;
  case MVWKeyHome:
    HomeKey(ctrl);
    break;
  case MVWKeyLeft:
    LeftKey(ctrl);
    break;
  case MVWKeyRight:
    RightKey(ctrl);
    break;
  case MVWKeyInsert:
    InsertKey(mode);
    break;
  case MVWKeyDelete:
    DeleteKey(shift);
    break;
  case 'A':
  case 'C':
  case 'V':
  case 'X':
    if (ctrl) {
      ClipboardShortcut(key);
      key = 0;
    }
    break;
  default:
    break;
  }
  if (SelLength_ != selLengthBefore)
    RepaintText(CursorPos_);
}

void TMVWEditModel::BackKey() {
  if (ReadOnly_ || SelStart_ < 1)
    return;
  if (CursorPos_ == 1 && SelStart_ == 1 && SelLength_ == 0)
    return;
  if (SelLength_ == 0 || AutoCompleteActive()) {
    // An undo gives back the positions from before the key.
    const TPositions before = Positions();
    SelStart_ = CursorPos_ - 1;
    SelLength_ += 1;
    ReplaceSelection({}, before);
  } else {
    InsertText({});
  }
}

void TMVWEditModel::EndKey() {
  int i = CursorPos_;
  while (i <= Length() && CharAt(i) != '\r')
    ++i;
  SetCursorPos(i);
}

void TMVWEditModel::HomeKey(bool ctrl) {
  if (ctrl) {
    SetCursorPos(1);
    return;
  }
  int i = CursorPos_;
  while (i > 1 && CharAt(i - 1) != '\n')
    --i;
  SetCursorPos(i);
}

void TMVWEditModel::LeftKey(bool ctrl) {
  if (CursorPos_ <= 1)
    return;
  const bool pair = CharAt(CursorPos_ - 1) == '\n' && IsPairAt(CursorPos_ - 2);
  SetCursorPos(CursorPos_ - (pair ? 2 : 1));
  if (ctrl)
    MoveWordLeft();
}

void TMVWEditModel::RightKey(bool ctrl) {
  if (Text_.empty() || CursorPos_ > Length())
    return;
  int next = CursorPos_ + 1;
  if (CharAt(next) == '\n' && IsPairAt(next - 1))
    ++next;
  SetCursorPos(next);
  if (ctrl)
    MoveWordRight();
}

void TMVWEditModel::InsertKey(std::uint8_t mode) {
  if (mode & MVWEditShift)
    PasteFromClipboard();
  else if (mode & MVWEditCtrl)
    CopyToClipboard();
  else if (!(mode & MVWEditAlt))
    KeyState_.SetEditMode(mode ^ MVWEditInsert);
}

void TMVWEditModel::DeleteKey(bool shift) {
  if (shift) {
    CutToClipboard();
  } else if (!ReadOnly_ && !Text_.empty()) {
    const TPositions before = Positions();
    if (SelLength_ == 0)
      SelLength_ = 1;
    ReplaceSelection({}, before);
  }
}

void TMVWEditModel::ClipboardShortcut(std::uint16_t key) {
  if (key == 'A')
    SelectAll();
  else if (key == 'C')
    CopyToClipboard();
  else if (key == 'V')
    PasteFromClipboard();
  else
    CutToClipboard();
}

void TMVWEditModel::MoveCaretToMouse(int position) {
  if (SelStart_ < position && position < SelStart_ + SelLength_ && !DraggingSelection_) {
    DraggingSelection_ = true;
    if (View_ != nullptr)
      View_->DragStarted();
  }
  const int selLengthBefore = SelLength_;
  SetCursorPos(position);
  if (SelLength_ != selLengthBefore)
    RepaintText(CursorPos_);
}

void TMVWEditModel::MouseSelectTo(int position) {
  const int before = CursorPos_;
  {
    const TFlagScope selecting(MouseSelecting_);
    SetCursorPos(position);
  }
  if (CursorPos_ != before)
    RepaintText(CursorPos_);
}

void TMVWEditModel::DragTimerTick(int position) {
  if (SelLength_ <= 0)
    return;
  const TFlagScope selecting(MouseSelecting_);
  MoveCaretToMouse(position);
}

void TMVWEditModel::EndMouseDrag() {
  if (!DraggingSelection_)
    return;
  DraggingSelection_ = false;
  if (View_ != nullptr)
    View_->DragEnded();
  int drop = CursorPos_;
  if (drop >= SelStart_ && drop <= SelStart_ + SelLength_) {
    SelLength_ = 0;
    SelStart_ = CursorPos_;
    RepaintText(-1);
    return;
  }
  // The moved text goes back in whole or the move does not happen: a limit lowered below the
  // length, or a read-only edit, would otherwise lose it.
  if (!CanModify() || (MaxLength_ > 0 && Length() > MaxLength_)) {
    RepaintText(-1);
    return;
  }
  const TPositions before = Positions();
  int start = 0;
  int length = 0;
  WholeSelection(start, length);
  SelStart_ = start;
  SelLength_ = length;
  const std::string moved = GetSelText();
  ReplaceSelection({}, before);
  if (drop > start)
    drop -= static_cast<int>(moved.size());
  if (CharAt(drop) == '\n' && IsPairAt(drop - 1))
    --drop;
  SetCursorPos(drop);
  // A Shift held while dropping must not turn the caret move into a selection to replace.
  SelStart_ = CursorPos_;
  SelLength_ = 0;
  {
    const TFlagScope dropping(Dropping_);
    InsertText(moved);
  }
  RepaintText(drop);
  SetCursorPos(drop);
}

} // namespace marivo
