#pragma once

#include "platform/rtl/Components.h"
#include "platform/rtl/TextUtils.h"
#include "widgets/foundation/portable/MVWDynLIFOBuffer.h"

#include <bitset>
#include <cstdint>
#include <functional>
#include <string>

namespace marivo {

// Virtual key codes the edit answers; the numbers are the platform's.
enum : std::uint16_t {
  MVWKeyBack = 0x08,
  MVWKeyReturn = 0x0D,
  MVWKeyEscape = 0x1B,
  MVWKeyEnd = 0x23,
  MVWKeyHome = 0x24,
  MVWKeyLeft = 0x25,
  MVWKeyRight = 0x27,
  MVWKeyInsert = 0x2D,
  MVWKeyDelete = 0x2E,
};

// Bits of the edit-key state that every edit of the process shares.
enum : std::uint8_t {
  MVWEditInsert = 0x01,
  MVWEditShift = 0x02,
  MVWEditCtrl = 0x04,
  MVWEditAlt = 0x08,
};

// Where the shared edit-key state lives.
class IMVWEditKeyState {
public:
  virtual ~IMVWEditKeyState() = default;
  virtual std::uint8_t EditMode() const = 0;
  virtual void SetEditMode(std::uint8_t value) = 0;
};

// What the edit shows on screen; a model without one draws nothing.
class IMVWEditView {
public:
  virtual ~IMVWEditView() = default;
  virtual void RepaintText(int position) = 0;
  virtual void UpdateCaretPos() = 0;
  // Enter with TabOnEnter: the focus goes to the next control.
  virtual void FocusNextControl() = 0;
  // A drag of the selection starts or ends: the screen cursor says so.
  virtual void DragStarted() = 0;
  virtual void DragEnded() = 0;
};

// The text clipboard of the display. Failures raise.
class IMVWClipboardText {
public:
  virtual ~IMVWClipboardText() = default;
  virtual bool HasText() = 0;
  virtual std::string Text() = 0;
  virtual void SetText(const std::string& text) = 0;
};

// The round trip through the OEM code page that OEMConvert asks for.
class IMVWOemConverter {
public:
  virtual ~IMVWOemConverter() = default;
  virtual std::string ThroughOem(const std::string& text) = 0;
};

// One change, as it was applied: at ChangeStart, ReplacedText gave way to InsertedText.
// SelStart, SelLength and CursorPos are the positions before the change, which an undo restores.
class TMVWUndoRecord : public TMVWBufferEntry {
public:
  std::string InsertedText;
  std::string ReplacedText;
  std::int32_t ChangeStart = 1;
  std::int32_t SelStart = 1;
  std::int32_t SelLength = 0;
  std::int32_t InsertedLength = 0;
  std::int32_t CursorPos = 1;
};

using TMVWTextChangeEvent = std::function<void(TObject* Sender, int At)>;

// The text of a single-line edit with its caret, selection and undo history, and everything
// that changes them. Positions count characters from 1. A CR LF pair inside the text is one
// unit: no caret move, deletion, insertion or drop splits it. Win32 stays outside: painting,
// the clipboard and the OEM code page come in through the interfaces above.
class TMVWEditModel {
public:
  static constexpr int DefaultMaxLength = 0;
  static constexpr bool DefaultReadOnly = false;
  static constexpr bool DefaultHideSelection = true;
  static constexpr bool DefaultAutoSelect = false;
  static constexpr bool DefaultOEMConvert = false;
  static constexpr bool DefaultFocusOnMouseAbove = false;
  static constexpr bool DefaultTabOnEnter = false;
  static constexpr TEditCharCase DefaultCharCase = ecNormal;

  // `sender` is the object the events name; `keyState` is shared with the other edits.
  TMVWEditModel(TObject* sender, IMVWEditKeyState& keyState);
  virtual ~TMVWEditModel();
  TMVWEditModel(const TMVWEditModel&) = delete;
  TMVWEditModel& operator=(const TMVWEditModel&) = delete;

  void SetView(IMVWEditView* view) { View_ = view; }
  void SetClipboard(IMVWClipboardText* clipboard) { Clipboard_ = clipboard; }
  void SetOemConverter(IMVWOemConverter* converter) { Oem_ = converter; }

  std::string GetText();
  // Cut to MaxLength; the caret goes to 1, the selection and the undo history are emptied.
  void SetText(const std::string& value);
  const std::string& TextValue() const { return Text_; }

  int CursorPos() const { return CursorPos_; }
  void SetCursorPos(int value);
  int PrevCursorPos() const { return PrevCursorPos_; }
  int SelStart() const { return SelStart_; }
  void SetSelStart(int value) { SelStart_ = value; }
  int SelLength() const { return SelLength_; }
  void SetSelLength(int value);
  int MaxLength() const { return MaxLength_; }
  void SetMaxLength(int value) { MaxLength_ = value; }
  // EM_SETSEL with 0-based positions: start -1 drops the selection, (0, -1) selects all.
  void SetSelRange(int start, int end);

  bool ReadOnly() const { return ReadOnly_; }
  virtual void SetReadOnly(bool value) { ReadOnly_ = value; }
  bool Modified() const { return Modified_; }
  void SetModified(bool value);
  bool CanUndo() const { return CanUndo_; }
  bool HideSelection() const { return HideSelection_; }
  void SetHideSelection(bool value) { HideSelection_ = value; }
  bool AutoSelect() const { return AutoSelect_; }
  void SetAutoSelect(bool value) { AutoSelect_ = value; }
  bool OEMConvert() const { return OEMConvert_; }
  void SetOEMConvert(bool value) { OEMConvert_ = value; }
  bool FocusOnMouseAbove() const { return FocusOnMouseAbove_; }
  void SetFocusOnMouseAbove(bool value) { FocusOnMouseAbove_ = value; }
  bool TabOnEnter() const { return TabOnEnter_; }
  void SetTabOnEnter(bool value) { TabOnEnter_ = value; }
  TEditCharCase CharCase() const { return CharCase_; }
  void SetCharCase(TEditCharCase value) { CharCase_ = value; }
  bool IsWordDelimiter(char c) const { return WordDelimiters_[static_cast<unsigned char>(c)]; }
  void SetWordDelimiter(char c, bool value) {
    WordDelimiters_[static_cast<unsigned char>(c)] = value;
  }

  bool DraggingSelection() const { return DraggingSelection_; }
  bool MouseSelecting() const { return MouseSelecting_; }
  void SetMouseSelecting(bool value) { MouseSelecting_ = value; }
  int UpdateCount() const { return UpdateCount_; }
  int UndoDepth() const { return UndoHistory_.Count(); }

  void SelectAll();
  std::string GetSelText() const;
  // The number of selected characters up to the first zero character, at most `limit`.
  virtual int SelTextLength(int limit) const;
  virtual void Clear();
  void ClearSelection();
  // Replaces the selection by `text`: one undo record, or none when nothing changes.
  void InsertText(std::string text);
  void Undo();
  void ClearUndo();
  // EM_EMPTYUNDOBUFFER: the history goes and CanUndo with it.
  void EmptyUndoBuffer();
  void CopyToClipboard();
  virtual void CutToClipboard();
  virtual void PasteFromClipboard();
  virtual void SelectWordAtCaret();
  void MoveWordLeft();
  void MoveWordRight();
  void BeginUpdate() { ++UpdateCount_; }
  void EndUpdate();

  // A typed character (after OnKeyPress): case rule, then inserted or overwritten.
  void TypeChar(char c);
  // The key table; `key` becomes 0 for the keys it consumes.
  virtual void EditKeyDown(std::uint16_t& key);

  // The mouse, with the character positions the view worked out from x. A press inside the
  // selection starts a drag of it.
  void MoveCaretToMouse(int position);
  // A move with the left button down, or a tick of the drag timer, pulls the caret along.
  void MouseSelectTo(int position);
  void DragTimerTick(int position);
  // The left button is released: ends a drag, moving the selection to the caret.
  void EndMouseDrag();

  TNotifyEvent OnChange;
  TMVWTextChangeEvent OnTextChangedAt;
  TNotifyEvent OnCursorPosChanged;
  TNotifyEvent OnModified;

protected:
  virtual void TextChanged();
  virtual void TextChangedAt(int position);
  virtual void CursorPosChanged();
  virtual void BeforeGetText() {}
  virtual void BeforeChange() {}
  virtual void AfterChange() {}
  virtual void BeforeInsert(int /*position*/, std::string& /*text*/) {}
  virtual void BeforeDelete(int /*position*/, const std::string& /*text*/) {}
  virtual bool CanModify() const { return !ReadOnly_; }
  virtual bool CanCopy() const { return true; }
  virtual bool AutoCompleteActive() const { return false; }
  // Loading from form data: text changes fire no events.
  virtual bool Loading() const { return false; }
  void RepaintText(int position);
  std::uint8_t EditMode() const { return KeyState_.EditMode(); }
  void FreeUndoRecord(TObject* sender, std::unique_ptr<TMVWBufferEntry> entry);

  TObject* Sender_;
  bool Typing_ = false;

private:
  struct TPositions {
    int CursorPos, SelStart, SelLength;
  };
  // The caret and the selection, cut to the text.
  TPositions Positions() const;
  // InsertText, with the positions an undo of the change gives back.
  void ReplaceSelection(std::string text, const TPositions& before);
  // The character at a 1-based position; 0 outside the text.
  char CharAt(int position) const;
  bool IsPairAt(int position) const; // a CR at `position` followed by LF
  // The keys of EditKeyDown, each with the modifiers it looks at.
  void BackKey();
  void EndKey();
  void HomeKey(bool ctrl);
  void LeftKey(bool ctrl);
  void RightKey(bool ctrl);
  void InsertKey(std::uint8_t mode);
  void DeleteKey(bool shift);
  // Ctrl+A, C, V or X.
  void ClipboardShortcut(std::uint16_t key);
  int Length() const { return static_cast<int>(Text_.size()); }
  void UpdateSelection();
  // The selection inside the text, widened so that it cuts no CR LF pair.
  void WholeSelection(int& start, int& length) const;

  IMVWEditKeyState& KeyState_;
  IMVWEditView* View_ = nullptr;
  IMVWClipboardText* Clipboard_ = nullptr;
  IMVWOemConverter* Oem_ = nullptr;
  std::string Text_;
  int CursorPos_ = 1;
  int PrevCursorPos_ = 1;
  int SelStart_ = 1;
  int SelLength_ = 0;
  int MaxLength_ = DefaultMaxLength;
  bool ReadOnly_ = DefaultReadOnly;
  bool Modified_ = false;
  bool CanUndo_ = true;
  bool HideSelection_ = DefaultHideSelection;
  bool AutoSelect_ = DefaultAutoSelect;
  bool OEMConvert_ = DefaultOEMConvert;
  bool FocusOnMouseAbove_ = DefaultFocusOnMouseAbove;
  bool TabOnEnter_ = DefaultTabOnEnter;
  bool DraggingSelection_ = false;
  bool MouseSelecting_ = false;
  bool Dropping_ = false; // the dropped text goes in whole, whatever the insert mode
  int UpdateCount_ = 0;
  TEditCharCase CharCase_ = DefaultCharCase;
  std::bitset<256> WordDelimiters_;
  TMVWDynLIFOBuffer UndoHistory_;
};

} // namespace marivo
