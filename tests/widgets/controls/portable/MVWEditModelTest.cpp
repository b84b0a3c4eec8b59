#include "widgets/controls/portable/MVWEditModel.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace marivo {
namespace {

// The shared key state, a screen that logs repaints, and a clipboard.
struct TFakeSurroundings : IMVWEditKeyState, IMVWEditView, IMVWClipboardText, IMVWOemConverter {
  std::uint8_t EditMode() const override { return Mode; }
  void SetEditMode(std::uint8_t value) override { Mode = value; }
  void RepaintText(int) override { ++Repaints; }
  void UpdateCaretPos() override {}
  void FocusNextControl() override { Log += "Next "; }
  void DragStarted() override { Log += "Drag "; }
  void DragEnded() override { Log += "Drop "; }
  bool HasText() override { return !Clip.empty(); }
  std::string Text() override { return Clip; }
  void SetText(const std::string& text) override { Clip = text; }
  std::string ThroughOem(const std::string& text) override { return "[" + text + "]"; }

  std::uint8_t Mode = MVWEditInsert;
  int Repaints = 0;
  std::string Clip;
  std::string Log;
};

struct TTestEdit : TObject, TFakeSurroundings, TMVWEditModel {
  TTestEdit() : TMVWEditModel(this, *this) {
    SetView(this);
    SetClipboard(this);
    SetOemConverter(this);
    OnModified = [this](TObject* sender) {
      EXPECT_EQ(sender, this);
      Log += "M ";
    };
    OnTextChangedAt = [this](TObject*, int at) { Log += "T" + std::to_string(at) + " "; };
    OnChange = [this](TObject*) { Log += "C "; };
  }
  using TMVWEditModel::SetText;
};

// Plays a sequence of steps separated by blanks. A step is a key ("Left", "S-Left" with Shift,
// "C-" Ctrl, "CS-" both, "A-" Alt), "t:<chars>" typed, "Undo", "Dbl" (word at caret),
// "Set:<text>", "Sel:<start>,<end>" (EM_SETSEL), "Down:<p>", "Move:<p>", "Up" (mouse), "Lim:<n>",
// "RO:<0 or 1>" (read-only), "Ovr" (overwrite mode), "Case:<U or L>", "Clip:<text>".
void Press(TTestEdit& edit, const std::string& steps) {
  static const char* const names[] = {"Back", "Enter", "Esc", "End", "Home", "Left", "Right",
                                      "Ins",  "Del",   "A",   "C",   "V",    "X"};
  static const std::uint16_t codes[] = {
      MVWKeyBack,   MVWKeyReturn, MVWKeyEscape, MVWKeyEnd, MVWKeyHome, MVWKeyLeft, MVWKeyRight,
      MVWKeyInsert, MVWKeyDelete, 'A',          'C',       'V',        'X'};
  std::istringstream in(steps);
  std::string step;
  while (in >> step) {
    const std::size_t colon = step.find(':');
    const std::string head = step.substr(0, colon);
    const std::string arg = colon == std::string::npos ? "" : step.substr(colon + 1);
    if (head == "t") {
      for (char c : arg)
        edit.TypeChar(c == '~' ? ' ' : c);
    } else if (step == "Undo") {
      edit.Undo();
    } else if (step == "Dbl") {
      edit.SelectWordAtCaret();
    } else if (step == "Up") {
      edit.EndMouseDrag();
    } else if (head == "Set") {
      edit.SetText(arg);
    } else if (head == "Sel") {
      const std::size_t comma = arg.find(',');
      edit.SetSelRange(std::stoi(arg.substr(0, comma)), std::stoi(arg.substr(comma + 1)));
    } else if (head == "Down") {
      edit.MoveCaretToMouse(std::stoi(arg));
    } else if (head == "Move") {
      edit.MouseSelectTo(std::stoi(arg));
    } else if (head == "Lim") {
      edit.SetMaxLength(std::stoi(arg));
    } else if (step == "Ovr") {
      edit.Mode = 0;
    } else if (head == "Case") {
      edit.SetCharCase(arg == "U" ? ecUpperCase : ecLowerCase);
    } else if (head == "Clip") {
      edit.Clip = arg;
    } else if (head == "RO") {
      edit.SetReadOnly(arg == "1");
    } else {
      std::uint8_t modifiers = 0;
      std::string name = step;
      const std::size_t dash = step.find('-');
      if (dash != std::string::npos) {
        for (char m : step.substr(0, dash))
          modifiers |= m == 'S' ? MVWEditShift : m == 'C' ? MVWEditCtrl : MVWEditAlt;
        name = step.substr(dash + 1);
      }
      std::uint16_t key = 0;
      for (std::size_t i = 0; i < std::size(names); ++i)
        if (name == names[i])
          key = codes[i];
      ASSERT_NE(key, 0) << step;
      edit.Mode = static_cast<std::uint8_t>((edit.Mode & MVWEditInsert) | modifiers);
      edit.EditKeyDown(key);
      edit.Mode &= MVWEditInsert;
    }
  }
}

// "\r\n" is written "|" in the rows.
std::string Crlf(std::string text) {
  std::string out;
  for (char c : text)
    out += c == '|' ? std::string("\r\n") : std::string(1, c);
  return out;
}

// Text, caret, selection start and length, compared at once.
using TState = std::tuple<std::string, int, int, int>;
TState State(TTestEdit& edit) {
  return {edit.TextValue(), edit.CursorPos(), edit.SelStart(), edit.SelLength()};
}

struct TRow {
  const char* Name;
  const char* Text;
  int Caret, SelStart, SelLength;
  const char* Steps;
  const char* ExpectText;
  int ExpectCaret, ExpectSelStart, ExpectSelLength, ExpectDepth;
  const char* ExpectLog;
};

const TRow Rows[] = {
    // name, text, caret, sel start, sel length, steps
    //   -> text, caret, sel start, sel length, undo depth, events
    {"overwrite replaces one", "abc", 2, 2, 0, "Ovr t:X", "aXc", 3, 3, 0, 1, "M T2 C "},
    {"overwrite at the end appends", "ab", 3, 3, 0, "Ovr t:c", "abc", 4, 4, 0, 1, "M T3 C "},
    {"overwrite takes a CR LF pair", "a|b", 2, 2, 0, "Ovr t:X", "aXb", 3, 3, 0, 1, "M T2 C "},
    {"overwrite between CR and LF", "a|b", 3, 3, 0, "Ovr t:X", "aXb", 3, 3, 0, 1, "M T3 C "},
    {"insert before a pair keeps it", "a|b", 2, 2, 0, "t:X", "aX|b", 3, 3, 0, 1, "M T2 C "},
    {"backspace at the start does nothing", "ab", 1, 1, 0, "Back", "ab", 1, 1, 0, 0, ""},
    {"backspace deletes only the selection", "abcd", 4, 2, 2, "Back", "ad", 2, 2, 0, 1, "M T2 C "},
    {"backspace takes a whole pair", "a|b", 4, 4, 0, "Back", "ab", 2, 2, 0, 1, "M T3 C "},
    {"delete at the end does nothing", "ab", 3, 3, 0, "Del", "ab", 3, 3, 0, 0, ""},
    {"delete before a pair takes it", "a|b", 2, 2, 0, "Del", "ab", 2, 2, 0, 1, "M T2 C "},
    {"delete of an empty text", "", 1, 1, 0, "Del Back", "", 1, 1, 0, 0, ""},
    {"shift+left twice then right", "abcdef", 4, 4, 0, "S-Left S-Left S-Right", "abcdef", 3, 3, 1,
     0, ""},
    {"shift+right past the anchor flips", "abcdef", 4, 4, 0,
     "S-Left S-Left S-Right S-Right S-Right", "abcdef", 5, 4, 1, 0, ""},
    {"shift+right grows from the anchor", "abcdef", 2, 2, 0, "S-Right S-Right", "abcdef", 4, 2, 2,
     0, ""},
    {"a plain move drops the selection", "abcdef", 4, 2, 2, "Right", "abcdef", 5, 5, 0, 0, ""},
    {"ctrl+left stops before the blank", "ab cd", 6, 6, 0, "C-Left", "ab cd", 3, 3, 0, 0, ""},
    {"ctrl+right stops at the blank", "ab cd ef", 1, 1, 0, "C-Right C-Right", "ab cd ef", 6, 6, 0,
     0, ""},
    {"ctrl+shift+left selects a word", "ab cd", 6, 6, 0, "CS-Left", "ab cd", 3, 3, 3, 0, ""},
    {"left and right step over a pair", "a|b", 4, 4, 0, "Left Right", "a|b", 4, 4, 0, 0, ""},
    {"home and end", "abc", 2, 2, 0, "End", "abc", 4, 4, 0, 0, ""},
    {"end stops at a CR", "ab|cd", 1, 1, 0, "End", "ab|cd", 3, 3, 0, 0, ""},
    {"home goes back to the line start", "ab|cd", 6, 6, 0, "Home", "ab|cd", 5, 5, 0, 0, ""},
    {"ctrl+home goes to 1", "ab|cd", 6, 6, 0, "C-Home", "ab|cd", 1, 1, 0, 0, ""},
    {"shift+end selects the rest", "abc", 2, 2, 0, "S-End", "abc", 4, 2, 2, 0, ""},
    {"typing at the limit replaces", "1234", 4, 2, 2, "Lim:4 t:9", "194", 3, 3, 0, 1, "M T2 C "},
    {"a paste over the limit still removes", "1234", 4, 2, 2, "Lim:4 Clip:567 C-V", "14", 2, 2, 0,
     1, "M T2 C "},
    {"typing at the full limit is a no-op", "1234", 5, 5, 0, "Lim:4 t:5", "1234", 5, 5, 0, 0, ""},
    {"a paste that fits", "ab", 2, 2, 0, "Lim:4 Clip:XY S-Ins", "aXYb", 4, 4, 0, 1, "M T2 C "},
    {"upper case typing", "", 1, 1, 0, "Case:U t:aB1z~", "AB1Z ", 6, 6, 0, 5,
     "M T1 C T2 C T3 C T4 C T5 C "},
    {"lower case typing", "", 1, 1, 0, "Case:L t:QrS", "qrs", 4, 4, 0, 3, "M T1 C T2 C T3 C "},
    {"control characters are not typed", "", 1, 1, 0, "t:\t", "", 1, 1, 0, 0, ""},
    {"read-only refuses every change", "abcd", 3, 2, 2,
     "RO:1 Clip:zz t:x Back Del C-X C-V S-Ins S-Del", "abcd", 3, 2, 2, 0, ""},
    {"read-only still copies", "abcd", 3, 2, 2, "RO:1 C-C", "abcd", 3, 2, 2, 0, ""},
    {"read-only accepts SetText", "abcd", 3, 2, 2, "RO:1 Set:xy", "xy", 1, 1, 0, 0, "T1 C "},
    {"undo of typing at the end", "xy", 3, 3, 0, "t:a Undo", "xy", 3, 3, 0, 0, "M T3 C T3 C "},
    {"undo of a replaced selection", "xy", 3, 2, 1, "t:z Undo", "xy", 3, 2, 1, 0, "M T2 C T2 C "},
    {"undo of an overwrite", "abc", 1, 1, 0, "Ovr t:XY Undo", "Xbc", 2, 2, 0, 1,
     "M T1 C T2 C T2 C "},
    {"undo of a refused paste puts the selection back", "1234", 4, 2, 2, "Lim:4 Clip:567 C-V Undo",
     "1234", 4, 2, 2, 0, "M T2 C T2 C "},
    {"undo with nothing to undo", "ab", 2, 2, 0, "Undo", "ab", 2, 2, 0, 0, ""},
    {"undo on a read-only edit waits", "ab", 3, 3, 0, "t:c RO:1 Undo RO:0", "abc", 4, 4, 0, 1,
     "M T3 C "},
    {"ctrl+c and ctrl+x", "abcd", 3, 2, 2, "C-X", "ad", 2, 2, 0, 1, "M T2 C "},
    {"shift+delete cuts", "abcd", 2, 2, 1, "S-Del", "acd", 2, 2, 0, 1, "M T2 C "},
    {"insert toggles overwrite", "abc", 1, 1, 0, "Ins t:X Ins t:Y", "XYbc", 3, 3, 0, 2,
     "M T1 C T2 C "},
    {"alt+insert does not toggle", "abc", 1, 1, 0, "A-Ins t:X", "Xabc", 2, 2, 0, 1, "M T1 C "},
    {"ctrl+a selects all, the caret stays", "abc", 2, 2, 0, "C-A", "abc", 2, 1, 3, 0, ""},
    {"escape drops the selection", "abc", 2, 1, 3, "Esc", "abc", 2, 1, 0, 0, ""},
    {"double click on the second word", "ab cd", 5, 5, 0, "Dbl", "ab cd", 5, 4, 2, 0, ""},
    {"double click on the first word", "ab cd", 2, 2, 0, "Dbl", "ab cd", 2, 1, 2, 0, ""},
    {"double click after a leading blank", " cd", 3, 3, 0, "Dbl", " cd", 3, 2, 2, 0, ""},
    {"double click on the blank", "ab cd", 3, 3, 0, "Dbl", "ab cd", 3, 1, 2, 0, ""},
    {"a drag of the selection to the end", "ab cd", 1, 1, 2, "Down:2 Move:6 Up", " cdab", 4, 4, 0,
     2, "Drag Drop M T1 C T4 C "},
    {"a drag to the start", "ab cd", 6, 4, 2, "Down:5 Move:1 Up", "cdab ", 1, 1, 0, 2,
     "Drag Drop M T4 C T1 C "},
    {"a drag released inside", "ab cd", 1, 1, 2, "Down:2 Up", "ab cd", 2, 2, 0, 0, "Drag Drop "},
    {"a drag with the limit lowered keeps the text", "ab cd", 1, 1, 2, "Lim:3 Down:2 Move:6 Up",
     "ab cd", 6, 1, 2, 0, "Drag Drop "},
    {"a drag in overwrite mode overwrites nothing", "ab cd", 1, 1, 2, "Ovr Down:2 Move:4 Up",
     " abcd", 2, 2, 0, 2, "Drag Drop M T1 C T2 C "},
    {"a drag never drops between CR and LF", "ab|c", 1, 1, 2, "Down:2 Move:4 Up", "ab|c", 1, 1, 0,
     2, "Drag Drop M T1 C T1 C "},
    {"a press outside the selection moves the caret", "abcd", 1, 2, 2, "Down:4 Up", "abcd", 4, 4, 0,
     0, ""},
    {"mouse moves select", "abcd", 1, 1, 0, "Down:2 Move:4", "abcd", 4, 2, 2, 0, ""},
    {"SetText cuts to the limit", "ab", 2, 2, 0, "Lim:4 Set:PQRSTU", "PQRS", 1, 1, 0, 0, "T1 C "},
    {"SetText of the same text", "ab", 2, 2, 0, "Set:ab", "ab", 2, 2, 0, 0, ""},
    {"SetText empties the history", "ab", 3, 3, 0, "t:c Set:x Undo", "x", 1, 1, 0, 0,
     "M T3 C T1 C "},
    {"EM_SETSEL 0,-1 selects all", "abcdef", 3, 3, 0, "Sel:0,-1", "abcdef", 3, 1, 6, 0, ""},
    {"EM_SETSEL -1 drops the selection", "abcdef", 3, 2, 2, "Sel:-1,4", "abcdef", 3, 2, 0, 0, ""},
    {"EM_SETSEL 2,4 selects cd", "abcdef", 1, 1, 0, "Sel:2,4", "abcdef", 3, 3, 2, 0, ""},
    {"EM_SETSEL backwards selects nothing", "abcdef", 1, 1, 0, "Sel:4,2", "abcdef", 5, 5, 0, 0, ""},
    {"EM_SETSEL past the end is cut", "abc", 1, 1, 0, "Sel:1,99", "abc", 2, 2, 2, 0, ""},
};

class EditTable : public ::testing::TestWithParam<TRow> {};

TEST_P(EditTable, KeysGiveTheState) {
  const TRow& row = GetParam();
  TTestEdit edit;
  edit.SetText(Crlf(row.Text));
  edit.SetCursorPos(row.Caret);
  edit.SetSelStart(row.SelStart);
  edit.SetSelLength(row.SelLength);
  edit.Mode = MVWEditInsert;
  edit.Log.clear();
  Press(edit, row.Steps);
  EXPECT_EQ(State(edit),
            TState(Crlf(row.ExpectText), row.ExpectCaret, row.ExpectSelStart, row.ExpectSelLength));
  EXPECT_EQ(edit.UndoDepth(), row.ExpectDepth);
  EXPECT_EQ(edit.Log, row.ExpectLog);
}

std::string RowName(const ::testing::TestParamInfo<TRow>& info) {
  std::string name;
  for (const char* c = info.param.Name; *c != '\0'; ++c)
    name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(MVWEditModel, EditTable, ::testing::ValuesIn(Rows), RowName);

TEST(MVWEditModel, EveryUndoRestoresTextAndSelection) {
  TTestEdit edit;
  edit.Mode = MVWEditInsert;
  edit.Clip = "QQ";
  edit.SetText("hello world");
  std::vector<TState> snaps;
  // Moves, then a change: the undo of the change gives back the state after the moves.
  const std::pair<const char*, const char*> steps[] = {
      {"End", "t:!"},      {"C-Left S-Left S-Left", "t:X"},
      {"Home", "Del"},     {"Ins", "t:y"},
      {"", "t:z"},         {"Ins C-A", "C-V"},
      {"Sel:1,2", "Back"}, {"Home S-Right", "C-X"}};
  for (const auto& [moves, change] : steps) {
    Press(edit, moves);
    snaps.push_back(State(edit));
    Press(edit, change);
  }
  EXPECT_EQ(edit.UndoDepth(), static_cast<int>(snaps.size()));
  while (!snaps.empty()) {
    edit.Undo();
    EXPECT_EQ(State(edit), snaps.back());
    snaps.pop_back();
  }
  EXPECT_EQ(edit.TextValue(), "hello world");
  EXPECT_FALSE(edit.CanUndo());
}

TEST(MVWEditModel, HistoryFlagsAndUpdateLock) {
  TTestEdit edit;
  EXPECT_TRUE(edit.CanUndo()); // from creation on, as the context menu shows it
  Press(edit, "t:ab");
  edit.EmptyUndoBuffer();
  EXPECT_FALSE(edit.CanUndo());
  Press(edit, "t:c");
  EXPECT_TRUE(edit.CanUndo());
  edit.ClearUndo(); // EM_REPLACESEL without undo: the flag stays
  EXPECT_TRUE(edit.CanUndo());
  Press(edit, "Undo");
  EXPECT_EQ(edit.TextValue(), "abc");

  edit.Log.clear();
  edit.BeginUpdate();
  Press(edit, "t:d");
  EXPECT_EQ(edit.Log, ""); // no change events while locked
  edit.EndUpdate();
  edit.Repaints = 0;
  edit.EndUpdate(); // at 0 it repaints
  EXPECT_EQ(edit.Repaints, 1);
  EXPECT_EQ(edit.UpdateCount(), 0);

  edit.SetModified(false);
  edit.Log.clear();
  edit.SetModified(false);
  edit.SetModified(true);
  EXPECT_EQ(edit.Log, "M ");
}

TEST(MVWEditModel, EnterOemAndClipboardRules) {
  TTestEdit edit;
  edit.SetTabOnEnter(true);
  Press(edit, "Enter C-Enter");
  EXPECT_EQ(edit.Log, "Next ");
  edit.SetOEMConvert(true);
  Press(edit, "t:a");
  EXPECT_EQ(edit.TextValue(), "[a]");
  edit.SetText(std::string("a\0bcd", 5));
  edit.SelectAll();
  EXPECT_EQ(edit.SelTextLength(99), 1);
  EXPECT_EQ(edit.SelTextLength(0), 0);
  edit.SetSelStart(3);
  EXPECT_EQ(edit.SelTextLength(2), 2);
  edit.Clear();
  EXPECT_EQ(edit.TextValue(), "");
  EXPECT_EQ(edit.UndoDepth(), 1);
}

} // namespace
} // namespace marivo
