#include "platform/ui/Edits.h"
#include "tests/platform/ui/StdCtrlsForm.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

class StdCtrlsMemo : public test::StdCtrlsFixture {};

TEST_F(StdCtrlsMemo, LinesAndTheWindowStayInStepBothWays) {
  ShowForm();
  auto& notes = Find<TMemo>("NotesMemo");
  EXPECT_EQ(WindowText(notes.Handle()), "first\r\nsecond\r\n");
  EXPECT_TRUE(GetWindowLongA(notes.Handle(), GWL_STYLE) & WS_VSCROLL);

  notes.Lines().Add("third");
  EXPECT_EQ(WindowText(notes.Handle()), "first\r\nsecond\r\nthird\r\n");
  EXPECT_EQ(Form->Fired["NotesMemo"], 1);

  PlaceCaret(notes.Handle(), 5);
  Type(notes.Handle(), "!\r");
  EXPECT_EQ(notes.Lines().Count(), 4);
  EXPECT_EQ(notes.Lines().Strings(0), "first!");
  EXPECT_EQ(notes.Lines().Strings(1), "");
  EXPECT_EQ(notes.Lines().Strings(3), "third");
  EXPECT_EQ(Form->Fired["NotesMemo"], 3);

  notes.SetReadOnly(true);
  Type(notes.Handle(), "x");
  EXPECT_EQ(notes.Lines().Strings(0), "first!");
  EXPECT_TRUE(GetWindowLongA(notes.Handle(), GWL_STYLE) & ES_READONLY);
}

TEST_F(StdCtrlsMemo, MemoWithoutAWindowReportsChangesAndPaintsItsColourOnceShown) {
  TMemo memo(Form);
  int changes = 0;
  memo.OnChange = [&](TObject*) { ++changes; };
  memo.Lines().Add("before");
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(memo.HandleAllocated());

  memo.SetBounds(400, 300, 100, 60);
  memo.SetColor(clLime);
  memo.SetParent(Form);
  ShowForm();
  EXPECT_EQ(WindowText(memo.Handle()), "before\r\n");
  EXPECT_GT(CountPixels(WindowBounds(memo.Handle()), clLime), 100);
  EXPECT_EQ(changes, 1);
}

TEST_F(StdCtrlsMemo, HoldsAHundredThousandCharacters) {
  ShowForm();
  auto& notes = Find<TMemo>("NotesMemo");
  const std::string line(98, 'm');
  notes.Lines().BeginUpdate();
  notes.Lines().Clear();
  for (int i = 0; i < 1000; ++i)
    notes.Lines().Add(std::to_string(i % 10) + line.substr(1));
  notes.Lines().EndUpdate();
  const std::string all = notes.Lines().Text();
  ASSERT_EQ(all.size(), 100000u);
  EXPECT_EQ(WindowText(notes.Handle()), all);

  // Typing at the very end reads the whole text back into Lines.
  PlaceCaret(notes.Handle(), static_cast<int>(all.size()));
  Type(notes.Handle(), "z");
  ASSERT_EQ(notes.Lines().Count(), 1001);
  EXPECT_EQ(notes.Lines().Strings(999), "9" + line.substr(1));
  EXPECT_EQ(notes.Lines().Strings(1000), "z");
  notes.Lines().Add("after");
  EXPECT_EQ(WindowText(notes.Handle()), notes.Lines().Text()) << "a line after typed text";
}

// A traffic log grows a line per frame; lines added one by one, then a change in the middle,
// must leave the window holding exactly the lines.
TEST_F(StdCtrlsMemo, LinesAddedOneByOneAndChangedInTheMiddleStayInTheWindow) {
  ShowForm();
  auto& notes = Find<TMemo>("NotesMemo");
  notes.Lines().Clear();
  for (int i = 0; i < 300; ++i)
    notes.Lines().Add("client:[SOH]TPFREEZEL [STX][EOT] " + std::to_string(i));
  EXPECT_EQ(WindowText(notes.Handle()), notes.Lines().Text());
  notes.Lines().SetStrings(5, "changed");
  notes.Lines().Delete(0);
  notes.Lines().Add("last");
  EXPECT_EQ(WindowText(notes.Handle()), notes.Lines().Text());
  EXPECT_EQ(notes.Lines().Strings(4), "changed");
}

TEST_F(StdCtrlsMemo, ScrollBarsAndWordWrapRemakeTheWindowKeepingTheText) {
  ShowForm();
  auto& notes = Find<TMemo>("NotesMemo");
  notes.Lines().Add("third");
  notes.SetWordWrap(false);
  notes.SetScrollBars(ssBoth);
  const LONG style = GetWindowLongA(notes.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_HSCROLL);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_EQ(WindowText(notes.Handle()), "first\r\nsecond\r\nthird\r\n");
  EXPECT_EQ(notes.Lines().Count(), 3);

  notes.SetWordWrap(true);
  EXPECT_FALSE(GetWindowLongA(notes.Handle(), GWL_STYLE) & WS_HSCROLL);
  EXPECT_EQ(Form->Fired["NotesMemo"], 1);
}

} // namespace
} // namespace marivo
