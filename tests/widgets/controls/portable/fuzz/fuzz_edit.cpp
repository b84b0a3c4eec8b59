// Random edit operations against a plain text with a stack of snapshots: the caret stays in the
// text, MaxLength holds, CR LF pairs stay whole, and each Undo gives back the text, caret and
// selection from before the change it undoes.
#include "widgets/controls/portable/MVWEditModel.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace marivo;

void Check(bool condition) {
  if (!condition)
    std::abort();
}

struct TSurroundings : IMVWEditKeyState, IMVWClipboardText {
  std::uint8_t EditMode() const override { return Mode; }
  void SetEditMode(std::uint8_t value) override { Mode = value; }
  bool HasText() override { return !Clip.empty(); }
  std::string Text() override { return Clip; }
  void SetText(const std::string& text) override { Clip = text; }
  std::uint8_t Mode = MVWEditInsert;
  std::string Clip;
};

struct TSnapshot {
  std::string Text;
  int Caret, SelStart, SelLength;
};

// The selection as the edit acts on it: inside the text.
std::pair<int, int> Selection(const TMVWEditModel& edit) {
  const int length = static_cast<int>(edit.TextValue().size());
  const int start = std::clamp(edit.SelStart(), 1, length + 1);
  const int end = std::clamp(edit.SelStart() + std::max(edit.SelLength(), 0), start, length + 1);
  return {start, end - start};
}

TSnapshot Snap(const TMVWEditModel& edit) {
  const auto [start, length] = Selection(edit);
  return {edit.TextValue(), edit.CursorPos(), start, length};
}

// Texts built from letters, blanks and whole CR LF pairs.
std::string Piece(FuzzedDataProvider& data) {
  std::string text;
  const int count = data.ConsumeIntegralInRange(0, 6);
  for (int i = 0; i < count; ++i) {
    switch (data.ConsumeIntegralInRange(0, 3)) {
    case 0:
      text += "\r\n";
      break;
    case 1:
      text += ' ';
      break;
    default:
      text += static_cast<char>('a' + data.ConsumeIntegralInRange(0, 3));
    }
  }
  return text;
}

void CheckInvariants(const TMVWEditModel& edit, int maxLength) {
  const std::string& text = edit.TextValue();
  const int length = static_cast<int>(text.size());
  Check(edit.CursorPos() >= 1 && edit.CursorPos() <= length + 1);
  Check(maxLength == 0 || length <= maxLength);
  for (int i = 0; i < length; ++i) {
    if (text[i] == '\r')
      Check(i + 1 < length && text[i + 1] == '\n');
    if (text[i] == '\n')
      Check(i > 0 && text[i - 1] == '\r');
  }
  Check(edit.SelLength() >= 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  TSurroundings surroundings;
  TObject sender;
  TMVWEditModel edit(&sender, surroundings);
  const int maxLength = data.ConsumeIntegralInRange(0, 8);
  edit.SetMaxLength(maxLength);
  std::vector<std::optional<TSnapshot>> snapshots;
  static const std::uint16_t keys[] = {
      MVWKeyBack,   MVWKeyReturn, MVWKeyEscape, MVWKeyEnd, MVWKeyHome, MVWKeyLeft, MVWKeyRight,
      MVWKeyInsert, MVWKeyDelete, 'A',          'C',       'V',        'X'};
  while (data.remaining_bytes() > 0) {
    const TSnapshot before = Snap(edit);
    const int depth = edit.UndoDepth();
    const int length = static_cast<int>(before.Text.size());
    const int op = data.ConsumeIntegralInRange(0, 9);
    bool undone = false;
    switch (op) {
    case 0:
      edit.TypeChar(data.ConsumeIntegralInRange<char>(' ', '~'));
      break;
    case 1: {
      std::uint16_t key = data.PickValueInArray(keys);
      surroundings.Mode = static_cast<std::uint8_t>((surroundings.Mode & MVWEditInsert) |
                                                    (data.ConsumeIntegral<std::uint8_t>() & 0x0E));
      edit.EditKeyDown(key);
      surroundings.Mode &= MVWEditInsert;
      break;
    }
    case 2:
      edit.SetText(Piece(data));
      if (edit.UndoDepth() == 0)
        snapshots.clear();
      break;
    case 3:
      edit.SetSelRange(data.ConsumeIntegralInRange(-2, length + 2),
                       data.ConsumeIntegralInRange(-2, length + 2));
      break;
    case 4:
      surroundings.Clip = Piece(data);
      edit.PasteFromClipboard();
      break;
    case 5:
      edit.MoveCaretToMouse(data.ConsumeIntegralInRange(-2, length + 3));
      break;
    case 6:
      edit.MouseSelectTo(data.ConsumeIntegralInRange(-2, length + 3));
      break;
    case 7:
      edit.EndMouseDrag();
      break;
    case 8:
      edit.SelectWordAtCaret();
      break;
    default:
      edit.Undo();
      undone = true;
      break;
    }
    CheckInvariants(edit, maxLength);
    if (undone) {
      Check(edit.UndoDepth() == std::max(depth - 1, 0));
      if (depth > 0) {
        Check(!snapshots.empty());
        const std::optional<TSnapshot> expected = snapshots.back();
        snapshots.pop_back();
        if (expected) {
          const TSnapshot after = Snap(edit);
          Check(after.Text == expected->Text && after.Caret == expected->Caret &&
                after.SelStart == expected->SelStart && after.SelLength == expected->SelLength);
        }
      }
    } else if (edit.UndoDepth() > depth) {
      snapshots.push_back(before);
      // A drag-move makes two records; the state between them is not seen from here.
      for (int i = depth + 1; i < edit.UndoDepth(); ++i)
        snapshots.emplace_back();
    }
    Check(static_cast<int>(snapshots.size()) == edit.UndoDepth());
  }
  return 0;
}
