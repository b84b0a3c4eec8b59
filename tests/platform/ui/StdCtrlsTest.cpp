#include "platform/ui/StdCtrls.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Edits.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Lists.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace marivo {
namespace {

class TStdCtrlsForm : public TForm {
public:
  using TForm::TForm;
  std::map<std::string, int> Fired;
  std::vector<std::string> Seen; // what a handler read when it ran

  void SendButtonClick(TObject*) { ++Fired["SendButton"]; }
  void NotesMemoChange(TObject*) { ++Fired["NotesMemo"]; }
  void JudgesListClick(TObject* sender) {
    ++Fired["JudgesList"];
    Seen.push_back(std::to_string(static_cast<TListBox*>(sender)->ItemIndex()));
  }
};

class StdCtrlsFixture : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStdCtrlsClasses();
    static const bool registered = [] {
      RegisterComponentClass<TStdCtrlsForm, TForm>("TStdCtrlsForm")
          .Handler("SendButtonClick", &TStdCtrlsForm::SendButtonClick)
          .Handler("NotesMemoChange", &TStdCtrlsForm::NotesMemoChange)
          .Handler("JudgesListClick", &TStdCtrlsForm::JudgesListClick);
      return true;
    }();
    (void)registered;
    App.CreateForm(Form);
  }

  void ShowForm() {
    Form->Show();
    SetForegroundWindow(Form->Handle());
    App.ProcessMessages();
  }

  template <class T> T& Find(const std::string& name) {
    auto* component = dynamic_cast<T*>(Form->FindComponent(name));
    if (!component)
      throw std::runtime_error("no " + name + " of the expected class");
    return *component;
  }

  // Counts the pixels of a colour in a rectangle of the form's client area, as painted.
  int CountPixels(const RECT& rect, TColor color) {
    RedrawWindow(Form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC dc = GetDC(Form->Handle());
    int count = 0;
    for (LONG y = rect.top; y < rect.bottom; ++y)
      for (LONG x = rect.left; x < rect.right; ++x)
        if (GetPixel(dc, x, y) == ColorToRGB(color))
          ++count;
    ReleaseDC(Form->Handle(), dc);
    return count;
  }

  static RECT BoundsOf(TControl& control) {
    return {control.Left(), control.Top(), control.Left() + control.Width(),
            control.Top() + control.Height()};
  }

  // The bounds of a child window in the form's client coordinates.
  RECT WindowBounds(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, Form->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
  }

  static SIZE TextSize(TFont& font, const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
  }

  static void Type(HWND window, const std::string& text) {
    for (char c : text)
      SendMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
  }

  static void PlaceCaret(HWND window, int at) {
    SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(at), at);
  }

  static void PressKey(HWND window, WORD key) {
    SendMessageA(window, WM_KEYDOWN, key, 1);
    SendMessageA(window, WM_KEYUP, key, 0xC0000001);
  }

  TApplication App;
  TStdCtrlsForm* Form = nullptr;
};

// --- form data --------------------------------------------------------------------------------

class StdCtrlsFormData : public StdCtrlsFixture {};

TEST_F(StdCtrlsFormData, EveryControlReadsBackWhatItsFormDataSays) {
  auto& send = Find<TButton>("SendButton");
  EXPECT_EQ(send.Caption(), "Send");
  EXPECT_TRUE(send.Default());
  EXPECT_FALSE(send.Cancel());
  EXPECT_EQ(send.ModalResult(), 1);
  EXPECT_TRUE(send.TabStop());
  EXPECT_EQ(send.TabOrder(), 2) << "read before the controls after it";

  auto& notes = Find<TMemo>("NotesMemo");
  EXPECT_EQ(notes.Lines().Text(), "first\r\nsecond\r\n");
  EXPECT_EQ(notes.ScrollBars(), ssVertical);
  EXPECT_TRUE(notes.WordWrap());

  EXPECT_EQ(Find<TListBox>("JudgesList").Items().CommaText(), "J1,J2,J3");
  EXPECT_EQ(Find<TListBox>("JudgesList").ItemIndex(), -1);

  // Nobody clicked or typed while the form was read.
  EXPECT_TRUE(Form->Fired.empty());
}

TEST_F(StdCtrlsFormData, FreshControlsWriteNoDefaults) {
  const std::vector<TControl*> fresh = {new TButton(Form), new TMemo(Form), new TListBox(Form)};
  for (TControl* control : fresh) {
    std::vector<std::string> names;
    for (const TFormProperty& property : WriteProperties(*control, *Form))
      if (property.Name != "Width" && property.Name != "Height")
        names.push_back(property.Name);
    EXPECT_TRUE(names.empty()) << control->ClassName() << " writes " << names.front();
  }

  const std::string text = WriteComponentToText(*Form);
  EXPECT_NE(text.find("object JudgesList: TListBox"), std::string::npos);
  EXPECT_NE(text.find("Items.Strings"), std::string::npos);
  EXPECT_NE(text.find("Lines.Strings"), std::string::npos);
  EXPECT_NE(text.find("TabOrder = 2"), std::string::npos);
}

// --- TButton ---------------------------------------------------------------------------------

class StdCtrlsButton : public StdCtrlsFixture {};

TEST_F(StdCtrlsButton, ARealClickSpaceOrEnterClicksOnce) {
  ShowForm();
  auto& send = Find<TButton>("SendButton");
  EXPECT_TRUE(GetWindowLongA(send.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
  SendMessageA(send.Handle(), BM_CLICK, 0, 0);
  App.ProcessMessages();
  EXPECT_EQ(Form->Fired["SendButton"], 1);

  send.SetFocus();
  PressKey(send.Handle(), VK_SPACE);
  App.ProcessMessages();
  EXPECT_EQ(Form->Fired["SendButton"], 2);

  SendMessageA(send.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  App.ProcessMessages();
  EXPECT_EQ(Form->Fired["SendButton"], 3);
}

TEST_F(StdCtrlsButton, EnterAndEscReachDefaultAndCancelFromOtherControls) {
  ShowForm();
  auto& send = Find<TButton>("SendButton");
  auto& judges = Find<TListBox>("JudgesList");
  judges.SetFocus();
  App.ProcessMessages();
  EXPECT_TRUE(send.Active());
  SendMessageA(judges.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(Form->Fired["SendButton"], 1);
  SendMessageA(judges.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(Form->Fired["SendButton"], 1);
  send.SetCancel(true);
  SendMessageA(judges.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(Form->Fired["SendButton"], 2);

  // Another button with the focus is the one Enter stands for.
  auto* other = new TButton(Form);
  other->SetParent(Form);
  other->SetBounds(300, 10, 75, 25);
  other->SetFocus();
  App.ProcessMessages();
  EXPECT_FALSE(send.Active());
  EXPECT_FALSE(GetWindowLongA(send.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLongA(other->Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
  judges.SetFocus();
  App.ProcessMessages();
  EXPECT_TRUE(GetWindowLongA(send.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON);
}

TEST_F(StdCtrlsButton, ClickInCodeRunsOnClickEvenWhenDisabled) {
  ShowForm();
  auto& send = Find<TButton>("SendButton");
  send.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(send.Handle()));
  send.Click();
  EXPECT_EQ(Form->Fired["SendButton"], 1);
}

TEST_F(StdCtrlsButton, KeyDownHandlerThatTakesEnterStopsTheClick) {
  ShowForm();
  auto& send = Find<TButton>("SendButton");
  send.OnKeyDown = [](TObject*, WORD& key, TShiftState) { key = 0; };
  SendMessageA(send.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(Form->Fired["SendButton"], 0);
}

// --- TMemo -----------------------------------------------------------------------------------

class StdCtrlsMemo : public StdCtrlsFixture {};

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

// --- TListBox --------------------------------------------------------------------------------

class StdCtrlsLists : public StdCtrlsFixture {};

std::vector<std::string> ListWindowItems(HWND window, UINT countMessage, UINT textMessage) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageA(window, countMessage, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    SendMessageA(window, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

TEST_F(StdCtrlsLists, ListBoxItemsBeforeAndAfterTheWindowAndOutOfRangeIndex) {
  auto& judges = Find<TListBox>("JudgesList");
  judges.Items().Add("J4");
  judges.SetItemIndex(3);
  ShowForm();
  EXPECT_EQ(ListWindowItems(judges.Handle(), LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::string>{"J1", "J2", "J3", "J4"}));
  EXPECT_EQ(SendMessageA(judges.Handle(), LB_GETCURSEL, 0, 0), 3);

  judges.Items().Delete(3);
  EXPECT_EQ(SendMessageA(judges.Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(judges.ItemIndex(), -1);

  judges.SetItemIndex(1);
  EXPECT_EQ(SendMessageA(judges.Handle(), LB_GETCURSEL, 0, 0), 1);
  for (int outside : {3, 17, -2}) {
    judges.SetItemIndex(1);
    judges.SetItemIndex(outside);
    EXPECT_EQ(judges.ItemIndex(), -1) << outside;
    EXPECT_EQ(SendMessageA(judges.Handle(), LB_GETCURSEL, 0, 0), LB_ERR) << outside;
  }
  EXPECT_EQ(Form->Fired["JudgesList"], 0);
}

TEST_F(StdCtrlsLists, ListBoxReportsTheOfficialsSelection) {
  ShowForm();
  auto& judges = Find<TListBox>("JudgesList");
  RECT item;
  SendMessageA(judges.Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
  SendMessageA(judges.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(judges.Handle(), WM_LBUTTONUP, 0, at);
  App.ProcessMessages();
  EXPECT_EQ(judges.ItemIndex(), 2);
  EXPECT_EQ(Form->Seen, std::vector<std::string>{"2"});

  PressKey(judges.Handle(), VK_UP);
  App.ProcessMessages();
  EXPECT_EQ(judges.ItemIndex(), 1);
  EXPECT_EQ(Form->Seen, (std::vector<std::string>{"2", "1"}));
}

TEST_F(StdCtrlsLists, AFloatingListStandsOnTheDesktopWithoutTakingTheFocus) {
  ShowForm();
  auto& judges = Find<TListBox>("JudgesList");
  ASSERT_TRUE(test::TakeFocus(Form->Handle()));
  HWND active = GetActiveWindow();
  judges.SetFloating(true);
  judges.SetBounds(40, 50, 120, 3 * judges.ItemHeight() + 5);
  HWND list = judges.Handle();
  EXPECT_EQ(GetAncestor(list, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindow(list, GW_OWNER), Form->Handle());
  EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_BORDER);
  EXPECT_TRUE(IsWindowVisible(list));
  RECT bounds;
  GetWindowRect(list, &bounds);
  EXPECT_EQ(bounds.left, 40);
  EXPECT_EQ(bounds.top, 50);
  EXPECT_EQ(GetActiveWindow(), active);
  EXPECT_EQ(ListWindowItems(list, LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::string>{"J1", "J2", "J3"}));
  judges.SetFloating(false);
  EXPECT_EQ(GetAncestor(judges.Handle(), GA_PARENT), Form->Handle());
}

TEST_F(StdCtrlsLists, SortedListBoxShowsItemsInOrder) {
  auto& judges = Find<TListBox>("JudgesList");
  judges.Items().Add("a0");
  judges.SetSorted(true);
  ShowForm();
  judges.Items().Add("J25");
  EXPECT_EQ(ListWindowItems(judges.Handle(), LB_GETCOUNT, LB_GETTEXT),
            (std::vector<std::string>{"a0", "J1", "J2", "J25", "J3"}));
}

} // namespace
} // namespace marivo
