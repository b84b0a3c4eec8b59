#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/MessagePump.h"
#include "tests/support/Snapshot.h"
#include "tests/widgets/controls/Guarded.h"
#include "tests/widgets/controls/OffScreen.h"
#include "tests/widgets/controls/WidgetForm.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWEdit.h"
#include "widgets/controls/MVWEditAutoComplete.h"
#include "widgets/controls/MVWSpecialButton.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/portable/MVWStringList.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace marivo {
namespace {

// An edit whose picture can be taken off screen.
class TProbeEdit : public test::TOffScreen<TMVWEdit> {
public:
  using TOffScreen::TOffScreen;
  std::unique_ptr<TBitmap> Picture() {
    auto picture = std::make_unique<TBitmap>();
    PaintInto(*picture, clFuchsia);
    return picture;
  }
};

constexpr BYTE Ctrl = 1;
constexpr BYTE Shift = 2;

class EditTest : public test::TWidgetForm {
protected:
  void SetUp() override {
    static const bool registered = [] {
      RegisterStandardClasses();
      RegisterControlClasses();
      return true;
    }();
    (void)registered;
    if (Clipboard().HasText())
      SavedClipboard = Clipboard().AsText();
    TWidgetForm::SetUp();
  }
  void TearDown() override {
    TWidgetForm::TearDown();
    MVWApplication->SetThemeActiveSeam(std::nullopt);
    Clipboard().SetAsText(SavedClipboard.value_or(""));
  }
  TProbeEdit* AddEdit(const std::string& name, int top, const std::string& text = "") {
    auto* edit = new TProbeEdit(Form.get());
    edit->SetName(name);
    edit->SetParent(Form.get());
    edit->SetBounds(10, top, 150, 24);
    edit->SetText(text);
    return edit;
  }
  // A key with modifiers held as far as the thread's keyboard state tells.
  void Key(TMVWEdit* edit, WORD key, BYTE modifiers = 0) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = (modifiers & Ctrl) ? 0x80 : 0;
    state[VK_SHIFT] = (modifiers & Shift) ? 0x80 : 0;
    SetKeyboardState(state);
    SendMessageA(edit->Handle(), WM_KEYDOWN, key, 0);
    state[VK_CONTROL] = 0;
    state[VK_SHIFT] = 0;
    SetKeyboardState(state);
    SendMessageA(edit->Handle(), WM_KEYUP, key, 0);
  }
  void Type(TMVWEdit* edit, const std::string& text) {
    for (char c : text)
      SendMessageA(edit->Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
  }
  void Select(TMVWEdit* edit, int start, int length) {
    edit->SetCursorPos(start + length);
    edit->SetSelStart(start);
    edit->SetSelLength(length);
  }

  std::optional<std::string> SavedClipboard;
};

TEST_F(EditTest, TabRunsExitEnterThenThePostedAfterExitAndAfterEnter) {
  std::vector<std::string> log;
  TProbeEdit* a = AddEdit("A", 10);
  TProbeEdit* b = AddEdit("B", 50);
  for (TProbeEdit* edit : {a, b}) {
    const std::string name = edit->Name();
    edit->OnEnter = [&log, name](TObject*) { log.push_back(name + " OnEnter"); };
    edit->OnExit = [&log, name](TObject*) { log.push_back(name + " OnExit"); };
    edit->OnAfterEnter = [&log, name](TObject*) { log.push_back(name + " OnAfterEnter"); };
    edit->OnAfterExit = [&log, name](TObject*) { log.push_back(name + " OnAfterExit"); };
  }
  Show();
  ASSERT_TRUE(test::TakeFocus(a->Handle()));
  Application->ProcessMessages();
  log.clear();
  SendMessageA(a->Handle(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(test::PumpUntil([&] { return log.size() >= 4; }));
  EXPECT_EQ(log,
            (std::vector<std::string>{"A OnExit", "B OnEnter", "A OnAfterExit", "B OnAfterEnter"}));
  EXPECT_EQ(GetFocus(), b->Handle());
}

TEST_F(EditTest, AClickIntoAFieldThatSelectsAllOnAfterEnterEndsAllSelected) {
  TProbeEdit* a = AddEdit("A", 10);
  TProbeEdit* score = AddEdit("Score", 50, "7.5");
  bool entered = false;
  score->OnAfterEnter = [&](TObject*) {
    score->SelectAll();
    entered = true;
  };
  Show();
  ASSERT_TRUE(test::TakeFocus(a->Handle()));
  SendMessageA(score->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 10));
  SendMessageA(score->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(8, 10));
  EXPECT_TRUE(test::PumpUntil([&] { return entered; }));
  EXPECT_EQ(score->SelStart(), 1);
  EXPECT_EQ(score->SelLength(), 3);
}

TEST_F(EditTest, ClipboardKeysAndMessagesGoRoundAndAMaskedEditRefusesThem) {
  struct TRow {
    const char* Name;
    char Mask;
    WORD Key;
    BYTE Modifiers;
    UINT Message; // sent instead of the key when not 0
    const char* ExpectText;
    const char* ExpectClipboard;
  };
  const TRow rows[] = {
      {"ctrl+c", 0, 'C', Ctrl, 0, "abcd", "bc"},
      {"ctrl+x", 0, 'X', Ctrl, 0, "ad", "bc"},
      {"ctrl+v", 0, 'V', Ctrl, 0, "aZZd", "ZZ"},
      {"ctrl+insert", 0, VK_INSERT, Ctrl, 0, "abcd", "bc"},
      {"shift+insert", 0, VK_INSERT, Shift, 0, "aZZd", "ZZ"},
      {"shift+delete", 0, VK_DELETE, Shift, 0, "ad", "bc"},
      {"WM_COPY", 0, 0, 0, WM_COPY, "abcd", "bc"},
      {"WM_CUT", 0, 0, 0, WM_CUT, "ad", "bc"},
      {"WM_PASTE", 0, 0, 0, WM_PASTE, "aZZd", "ZZ"},
      {"WM_CLEAR", 0, 0, 0, WM_CLEAR, "ad", "ZZ"},
      {"masked ctrl+c", '*', 'C', Ctrl, 0, "abcd", "ZZ"},
      {"masked ctrl+x", '*', 'X', Ctrl, 0, "abcd", "ZZ"},
      {"masked ctrl+v", '*', 'V', Ctrl, 0, "abcd", "ZZ"},
      {"masked WM_COPY", '*', 0, 0, WM_COPY, "abcd", "ZZ"},
  };
  TProbeEdit* edit = AddEdit("Edit", 10);
  Show();
  for (const TRow& row : rows) {
    edit->SetPasswordChar(row.Mask);
    edit->SetText("abcd");
    Select(edit, 2, 2);
    Clipboard().SetAsText("ZZ");
    if (row.Message)
      SendMessageA(edit->Handle(), row.Message, 0, 0);
    else
      Key(edit, row.Key, row.Modifiers);
    EXPECT_EQ(edit->TextValue(), row.ExpectText) << row.Name;
    EXPECT_EQ(Clipboard().AsText(), row.ExpectClipboard) << row.Name;
  }
}

TEST_F(EditTest, EveryEditMessageAnswersAsThePlatformEditDoes) {
  TProbeEdit* edit = AddEdit("Edit", 10, "abcdef");
  Show();
  HWND window = edit->Handle();
  auto send = [&](UINT msg, WPARAM w, LPARAM l) { return SendMessageA(window, msg, w, l); };
  send(EM_SETSEL, 2, 4);
  EXPECT_EQ(edit->GetSelText(), "cd");
  DWORD start = 0;
  DWORD end = 0;
  EXPECT_EQ(send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end)),
            MAKELRESULT(2, 4));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 4u);
  send(EM_SETSEL, 0, -1);
  EXPECT_EQ(edit->SelLength(), 6);
  send(EM_SETSEL, -1, 3);
  EXPECT_EQ(edit->SelLength(), 0);
  send(EM_SETSEL, 4, 1);
  EXPECT_EQ(edit->SelStart(), 5); // a backward range selects nothing
  EXPECT_EQ(edit->SelLength(), 0);

  RECT rect{};
  send(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
  EXPECT_TRUE(EqualRect(&rect, &edit->TextRect()));
  EXPECT_EQ(send(EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_EQ(send(EM_LINELENGTH, 99, 0), 6);
  for (UINT zero : {EM_LINEINDEX, EM_LINEFROMCHAR, EM_GETFIRSTVISIBLELINE, EM_GETMARGINS,
                    EM_GETTHUMB, EM_SCROLLCARET, EM_SETMARGINS, EM_LINESCROLL})
    EXPECT_EQ(send(zero, 0, 0), 0) << zero;

  char buffer[8] = {};
  *reinterpret_cast<WORD*>(buffer) = 4; // room for four characters
  EXPECT_EQ(send(EM_GETLINE, 0, reinterpret_cast<LPARAM>(buffer)), 4);
  EXPECT_EQ(std::string(buffer, 4), "abcd");
  EXPECT_EQ(std::string(buffer + 4, 4), std::string(4, '\0'));

  EXPECT_EQ(send(EM_GETMODIFY, 0, 0), 0);
  send(EM_SETSEL, 1, 2);
  send(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("XY"));
  EXPECT_EQ(edit->TextValue(), "aXYcdef");
  EXPECT_EQ(send(EM_GETMODIFY, 0, 0), 1);
  send(EM_SETMODIFY, 0, 0);
  EXPECT_FALSE(edit->Modified());
  EXPECT_EQ(send(EM_UNDO, 0, 0), 0); // nothing left to undo afterwards
  EXPECT_EQ(edit->TextValue(), "abcdef");
  send(EM_REPLACESEL, 1, 0); // no text: nothing happens
  EXPECT_EQ(edit->TextValue(), "abcdef");

  send(EM_SETSEL, 0, 0);
  send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("Q"));
  EXPECT_EQ(send(EM_CANUNDO, 0, 0), 1); // kept, with nothing behind it
  send(EM_UNDO, 0, 0);
  EXPECT_EQ(edit->TextValue(), "Qabcdef");
  send(EM_EMPTYUNDOBUFFER, 0, 0);
  EXPECT_EQ(send(EM_CANUNDO, 0, 0), 0);

  send(EM_LIMITTEXT, 2, 0);
  EXPECT_EQ(send(EM_GETLIMITTEXT, 0, 0), 2);
  EXPECT_EQ(edit->TextValue(), "Qabcdef"); // the limit does not cut
  Type(edit, "z");
  EXPECT_EQ(edit->TextValue(), "Qabcdef");
  send(EM_LIMITTEXT, 0, 0);

  EXPECT_EQ(send(EM_SETREADONLY, 1, 0), 1);
  EXPECT_TRUE(edit->ReadOnly());
  send(EM_SETREADONLY, 0, 0);

  EXPECT_EQ(send(EM_GETPASSWORDCHAR, 0, 0), 0);
  send(EM_SETPASSWORDCHAR, 0x12A, 0);
  EXPECT_EQ(send(EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_EQ(edit->DisplayText(), "*******");
  send(EM_SETPASSWORDCHAR, 0, 0);

  EXPECT_EQ(send(EM_POSFROMCHAR, 0, 0), -1);
  const int x2 = edit->TextWidthFx("Qa") + edit->TextRect().left;
  EXPECT_EQ(send(EM_POSFROMCHAR, 2, 0), MAKELRESULT(x2, 0));
  POINT point{-1, -1};
  send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), 2);
  EXPECT_EQ(point.x, x2);
  EXPECT_EQ(point.y, 0);
  EXPECT_EQ(send(EM_CHARFROMPOS, 0, MAKELPARAM(30, 5)), 0);

  EXPECT_EQ(send(WM_GETTEXTLENGTH, 0, 0), 7);
}

TEST_F(EditTest, TheSelectionIsHighlightedOnlyWhileFocusedWithOrWithoutVisualStyles) {
  for (const bool withoutStyles : {false, true}) {
    SCOPED_TRACE(withoutStyles ? "without visual styles" : "as the system has it");
    MVWApplication->SetThemeActiveSeam(withoutStyles ? std::optional<bool>(false) : std::nullopt);
    auto other = std::unique_ptr<TProbeEdit>(AddEdit("Other", 60));
    auto edit = std::unique_ptr<TProbeEdit>(AddEdit("Edit", 10, "WWWW"));
    edit->SetHighlightBack(clRed);
    Show();
    edit->SelectAll();
    EXPECT_EQ(test::CountPixels(*edit->Picture(), clRed), 0);
    ASSERT_TRUE(test::TakeFocus(edit->Handle()));
    EXPECT_GT(test::CountPixels(*edit->Picture(), clRed), 0);
    if (withoutStyles) {
      // The window border frames the text.
      EXPECT_TRUE(GetWindowLongA(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
      RECT client{};
      GetClientRect(edit->Handle(), &client);
      EXPECT_EQ(edit->TextRect().right, client.right - 2); // one for the area, one inside it
    }
    ASSERT_TRUE(test::TakeFocus(other->Handle()));
    EXPECT_EQ(edit->SelLength(), 4); // kept, only not shown
    EXPECT_EQ(test::CountPixels(*edit->Picture(), clRed), 0);
  }
}

TEST_F(EditTest, AMaskedTextShowsNoLetterShapes) {
  TProbeEdit* edit = AddEdit("Edit", 10);
  Show();
  auto picture = [&](const std::string& text, char mask) {
    edit->SetPasswordChar(mask);
    edit->SetText(text);
    return edit->Picture();
  };
  const auto maskedWord = picture("Iowa", '*');
  const auto maskedOther = picture("mmmm", '*');
  const auto plain = picture("Iowa", '\0');
  int differences = 0;
  int plainDifferences = 0;
  for (int y = 0; y < edit->Height(); ++y) {
    for (int x = 0; x < edit->Width(); ++x) {
      differences += maskedWord->Canvas().Pixels(x, y) != maskedOther->Canvas().Pixels(x, y);
      plainDifferences += maskedWord->Canvas().Pixels(x, y) != plain->Canvas().Pixels(x, y);
    }
  }
  EXPECT_EQ(differences, 0);
  EXPECT_GT(plainDifferences, 0);
}

TEST_F(EditTest, ScrolledTextKeepsInsideTheTextRectangleAndHomeScrollsBack) {
  TProbeEdit* edit = AddEdit("Edit", 10);
  Show();
  const auto empty = edit->Picture();
  edit->SetText(std::string(60, 'M'));
  ASSERT_TRUE(test::TakeFocus(edit->Handle()));
  Key(edit, VK_END);
  EXPECT_GT(edit->ScrollOffset(), 0);
  POINT caret{};
  GetCaretPos(&caret);
  EXPECT_LE(caret.x, edit->TextRect().right);
  const auto scrolled = edit->Picture();
  const RECT& inside = edit->TextRect();
  int outside = 0;
  for (int y = 0; y < edit->Height(); ++y)
    for (int x = 0; x < edit->Width(); ++x)
      if (x < inside.left || x >= inside.right || y < inside.top || y >= inside.bottom)
        outside += scrolled->Canvas().Pixels(x, y) != empty->Canvas().Pixels(x, y);
  EXPECT_EQ(outside, 0);
  Key(edit, VK_HOME);
  EXPECT_EQ(edit->ScrollOffset(), 0);
}

TEST_F(EditTest, TheContextMenuOffersWhatTheStateAllowsAndRunsTheChoice) {
  TProbeEdit* edit = AddEdit("Edit", 10);
  Show();
  Clipboard().SetAsText("paste me");
  std::vector<std::string> offered;
  std::string choose;
  TPopupMenu::SetTracker([&](HMENU menu, int, int, HWND) -> UINT {
    UINT chosen = 0;
    offered.clear();
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char caption[64] = {};
      GetMenuStringA(menu, static_cast<UINT>(i), caption, sizeof caption, MF_BYPOSITION);
      const bool enabled = !(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED);
      offered.push_back(caption[0] == '\0' ? "-"
                                           : std::string(caption) + (enabled ? "" : " (off)"));
      if (caption == choose)
        chosen = GetMenuItemID(menu, i);
    }
    return chosen;
  });
  auto rightClick = [&](const std::string& entry) {
    choose = entry;
    SendMessageA(edit->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    SendMessageA(edit->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  };
  rightClick("&Insert");
  EXPECT_EQ(offered, (std::vector<std::string>{"&Undo", "-", "&Cut (off)", "&Copy (off)", "&Insert",
                                               "&Delete (off)", "-", "Select all (off)"}));
  EXPECT_EQ(edit->TextValue(), "paste me");
  rightClick("Select all");
  EXPECT_EQ(edit->SelLength(), 8);
  edit->SetReadOnly(true);
  rightClick("&Delete");
  EXPECT_EQ(offered[2], "&Cut (off)");
  EXPECT_EQ(offered[5], "&Delete"); // offered, but a read-only edit changes nothing
  EXPECT_EQ(edit->TextValue(), "paste me");
  edit->SetReadOnly(false);
  rightClick("&Undo");
  EXPECT_EQ(edit->TextValue(), "");

  TPopupMenu own(Form.get());
  own.Items().Add(new TMenuItem(nullptr));
  own.Items().Items(0)->SetCaption("Own");
  edit->SetPopupMenu(&own);
  rightClick("");
  EXPECT_EQ(offered, std::vector<std::string>{"Own"}) << "an assigned menu instead";
}

TEST_F(EditTest, EnterMovesOnWithTabOnEnterAndCustomButtonsSitAtTheRight) {
  TProbeEdit* a = AddEdit("A", 10);
  TProbeEdit* b = AddEdit("B", 50);
  a->SetTabOnEnter(true);
  std::vector<std::string> clicks;
  b->OnBtnClick = [&](TObject* sender, TMVWSpeedButton*, int index) {
    clicks.push_back(dynamic_cast<TComponent*>(sender)->Name() + std::to_string(index));
  };
  for (const char* caption : {"x", "y"}) {
    TMVWSpecialButton* item = b->CustomButtons().Add();
    item->SetCaption(caption);
    item->OnClick = [&clicks](TObject*, int index) {
      clicks.push_back("item" + std::to_string(index));
    };
  }
  Show();
  ASSERT_TRUE(test::TakeFocus(a->Handle()));
  Key(a, VK_RETURN);
  EXPECT_EQ(GetFocus(), b->Handle());
  EXPECT_TRUE(test::PumpUntil([&] { return b->TextArea().right <= b->Width() - 32; }));
  TMVWSpeedButton& second = b->CustomButtons().Items(1)->Button();
  EXPECT_EQ(second.Left(), b->TextArea().right + 1 + 16);
  EXPECT_EQ(second.Width(), 16);
  second.Click();
  EXPECT_EQ(clicks, (std::vector<std::string>{"item1", "B1"}));
  b->SetCustomButtonWidth(20);
  EXPECT_EQ(second.Width(), 20);
  EXPECT_EQ(second.Left(), b->TextArea().right + 1 + 20);
}

TEST_F(EditTest, AnEditFreedByItsCustomButtonOrMouseHandlersIsNotTouchedAfter) {
  using TGuardedEdit = test::TGuarded<TMVWEdit>;
  enum { ButtonEvent, ItemEvent, Press, Release };
  Show();
  for (int freeing : {ButtonEvent, ItemEvent, Press, Release}) {
    auto* edit = new TGuardedEdit(Form.get());
    edit->SetParent(Form.get());
    edit->SetBounds(10, 10, 150, 24);
    int handled = 0;
    const auto freeIt = [&handled, edit] {
      ++handled;
      delete edit;
    };
    if (freeing == ButtonEvent || freeing == ItemEvent) {
      TMVWSpecialButton* item = edit->CustomButtons().Add();
      if (freeing == ItemEvent)
        item->OnClick = [freeIt](TObject*, int) { freeIt(); };
      else
        edit->OnBtnClick = [freeIt](TObject*, TMVWSpeedButton*, int) { freeIt(); };
      item->Button().Click();
    } else {
      const TMouseEvent onMouse = [freeIt](TObject*, TMouseButton, TShiftState, int, int) {
        freeIt();
      };
      (freeing == Press ? edit->OnMouseDown : edit->OnMouseUp) = onMouse;
      SendMessageA(edit->Handle(), freeing == Press ? WM_LBUTTONDOWN : WM_LBUTTONUP,
                   freeing == Press ? MK_LBUTTON : 0, MAKELPARAM(5, 5));
    }
    EXPECT_EQ(handled, 1) << "case " << freeing;
  }
  EXPECT_EQ(TGuardedEdit::Release(), 4u);
}

TEST_F(EditTest, TheMouseSelectsDragsTheSelectionAndPicksWords) {
  TProbeEdit* edit = AddEdit("Edit", 10, "ab cd");
  Show();
  ASSERT_TRUE(test::TakeFocus(edit->Handle()));
  // Just inside the character at a position.
  auto at = [&](int position) {
    return edit->TextRect().left + edit->TextWidth(edit->TextValue().substr(0, position - 1)) + 1;
  };
  auto mouse = [&](UINT msg, int x) {
    SendMessageA(edit->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, 8));
  };
  mouse(WM_LBUTTONDOWN, at(1));
  mouse(WM_MOUSEMOVE, at(3));
  mouse(WM_LBUTTONUP, at(3));
  EXPECT_EQ(edit->GetSelText(), "ab");

  mouse(WM_LBUTTONDOWN, at(2));
  EXPECT_EQ(Screen().Cursor(), crDrag);
  mouse(WM_MOUSEMOVE, edit->TextRect().right - 2);
  EXPECT_EQ(edit->GetSelText(), "ab"); // the selection stays while it is dragged
  mouse(WM_LBUTTONUP, edit->TextRect().right - 2);
  EXPECT_EQ(Screen().Cursor(), crDefault);
  EXPECT_EQ(edit->TextValue(), " cdab");
  EXPECT_EQ(edit->CursorPos(), 4);

  mouse(WM_LBUTTONDOWN, at(3));
  mouse(WM_LBUTTONUP, at(3));
  mouse(WM_LBUTTONDBLCLK, at(3));
  mouse(WM_LBUTTONUP, at(3));
  EXPECT_EQ(edit->GetSelText(), "cdab");
}

TEST_F(EditTest, HeldOutsideTheMouseScrollsOnEachTickOfTheDragTimer) {
  TProbeEdit* edit = AddEdit("Edit", 10, std::string(60, 'M'));
  edit->Caret().SetStyle(csUnder);
  Show();
  ASSERT_TRUE(test::TakeFocus(edit->Handle()));
  POINT caret{};
  GetCaretPos(&caret);
  EXPECT_EQ(caret.y, edit->TextRect().top + edit->TextHeight("Qp") - 3);
  const int outside = edit->Width() + 40;
  SendMessageA(edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
  SendMessageA(edit->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(outside, 8));
  std::vector<int> carets{edit->CursorPos()};
  for (int tick = 0; tick < 8; ++tick) {
    MVWApplication->TimerPool().Tick(); // 50 ms each: the drag timer runs every fourth
    carets.push_back(edit->CursorPos());
  }
  EXPECT_GT(carets[4], carets[0]);
  EXPECT_GT(carets[8], carets[4]);
  EXPECT_EQ(carets[3], carets[0]);
  EXPECT_GT(edit->ScrollOffset(), 0);
  SendMessageA(edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(outside, 8));
  const int released = edit->CursorPos();
  Ticks(8);
  EXPECT_EQ(edit->CursorPos(), released);
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(edit->SelLength(), released - 1);
}

TEST_F(EditTest, EachFocusedEditMakesItsOwnCaretAndAFontChangeLeavesTheOthers) {
  TProbeEdit* block = AddEdit("Block", 10, "abc");
  block->Caret().SetStyle(csBlock);
  block->Caret().SetWidth(7);
  block->Caret().SetHeight(9);
  block->Caret().SetBlinkRate(530);
  TProbeEdit* plain = AddEdit("Plain", 50, "abc");
  plain->Caret().SetBlinkRate(300);
  Show();
  auto caret = [] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    return info;
  };
  ASSERT_TRUE(test::TakeFocus(block->Handle()));
  EXPECT_EQ(caret().hwndCaret, block->Handle());
  EXPECT_EQ(caret().rcCaret.right - caret().rcCaret.left, 7);
  EXPECT_EQ(caret().rcCaret.bottom - caret().rcCaret.top, 9);
  EXPECT_EQ(GetCaretBlinkTime(), 530u);
  plain->Font().SetSize(20); // the other edit's caret is not touched
  EXPECT_EQ(caret().hwndCaret, block->Handle());
  EXPECT_EQ(caret().rcCaret.bottom - caret().rcCaret.top, 9);
  ASSERT_TRUE(test::TakeFocus(plain->Handle()));
  EXPECT_EQ(caret().hwndCaret, plain->Handle());
  EXPECT_EQ(caret().rcCaret.bottom - caret().rcCaret.top, plain->TextHeight("Qp"));
  EXPECT_EQ(GetCaretBlinkTime(), 300u);
}

TEST_F(EditTest, AnOnEnterThatMovesTheFocusOnLeavesTheCaretToTheFieldWithTheFocus) {
  TProbeEdit* skipped = AddEdit("Skipped", 10, "abc");
  TProbeEdit* next = AddEdit("Next", 50, "def");
  skipped->OnEnter = [&](TObject*) { next->SetFocus(); };
  TProbeEdit* first = AddEdit("First", 90);
  Show();
  ASSERT_TRUE(test::TakeFocus(first->Handle()));
  skipped->SetFocus();
  EXPECT_TRUE(test::PumpUntil([&] { return GetFocus() == next->Handle(); }));
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetCurrentThreadId(), &info);
  EXPECT_EQ(info.hwndCaret, next->Handle());

  // A click into the skipped field keeps no hold on the mouse after its release.
  SendMessageA(skipped->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(skipped->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(GetFocus(), next->Handle());
  EXPECT_EQ(GetCapture(), nullptr);
}

class AutoCompleteTest : public EditTest {
protected:
  void Candidates(std::vector<std::string> lines) {
    List = new TMVWStringList(Form.get());
    List->AddItem();
    for (const std::string& line : lines)
      List->Item(0)->Items().Add(line);
    Complete = new TMVWEditAutoComplete(Form.get());
    Complete->SetStringList(List);
    Complete->SetStringListIndex(0);
  }
  TMVWStringList* List = nullptr;
  TMVWEditAutoComplete* Complete = nullptr;
};

TEST_F(AutoCompleteTest, InlineCompletionSelectsTheRestAndAddsUnknownTextOnEnter) {
  Candidates({"apple", "apricot"});
  Complete->SetMode(amText);
  Complete->SetAddUnknownOn(aaControlReturn);
  TProbeEdit* edit = AddEdit("Edit", 10);
  edit->SetAutoComplete(Complete);
  Show();
  ASSERT_TRUE(test::TakeFocus(edit->Handle()));
  Type(edit, "a");
  EXPECT_EQ(edit->TextValue(), "apple");
  EXPECT_EQ(edit->GetSelText(), "pple");
  Type(edit, "pr");
  EXPECT_EQ(edit->TextValue(), "apricot");
  EXPECT_EQ(edit->GetSelText(), "icot");
  Key(edit, VK_BACK); // the last typed letter goes with the proposal, and "ap" is completed
  EXPECT_EQ(edit->TextValue(), "apple");
  EXPECT_EQ(edit->GetSelText(), "ple");

  edit->SetText("banana");
  bool refuse = true;
  Complete->OnAdd = [&](TObject*, TMVWBaseEdit*, std::string&, bool& add, TMVWAutoCompleteSource&) {
    add = !refuse;
  };
  Key(edit, VK_RETURN);
  EXPECT_EQ(List->Item(0)->Items().Count(), 2);
  refuse = false;
  Key(edit, VK_RETURN);
  EXPECT_EQ(List->Item(0)->Items().IndexOf("banana"), 2);
  Complete->SetStringListIndex(5); // lowered to the last item
  EXPECT_EQ(Complete->StringListIndex(), 0);
  delete List;
  EXPECT_EQ(Complete->StringList(), nullptr);
  Type(edit, "x"); // no candidates, no completion
  delete Complete;
  EXPECT_EQ(edit->AutoComplete(), nullptr);
}

TEST_F(AutoCompleteTest, ThePopupListsSortedCandidatesAndArrowsAndEscapeWorkIt) {
  Candidates({"beta", "alps", "alpha"});
  Complete->SetMode(amPopup);
  TProbeEdit* edit = AddEdit("Edit", 10);
  edit->SetAutoComplete(Complete);
  Show();
  ASSERT_TRUE(test::TakeFocus(edit->Handle()));
  Type(edit, "a");
  ASSERT_NE(Complete->Popup(), nullptr);
  Type(edit, "l");
  ASSERT_NE(Complete->Popup(), nullptr);
  EXPECT_EQ(Complete->Popup()->Items().CommaText(), "alpha,alps");
  EXPECT_EQ(GetFocus(), edit->Handle());
  SendMessageA(edit->Handle(), WM_KEYUP, VK_DOWN, 0);
  EXPECT_EQ(edit->TextValue(), "alpha");
  SendMessageA(edit->Handle(), WM_CHAR, VK_ESCAPE, 0);
  EXPECT_EQ(edit->TextValue(), "al");
  EXPECT_TRUE(test::PumpUntil([&] { return Complete->Popup() == nullptr; }));

  Key(edit, VK_END); // Escape left "al" all selected
  Type(edit, "p");
  ASSERT_NE(Complete->Popup(), nullptr);
  delete edit; // freeing the edit with its popup open closes the popup
  EXPECT_EQ(Complete->Popup(), nullptr);
  Application->ProcessMessages();
}

TEST_F(AutoCompleteTest, FormDataKeepsWhichStringListItemHoldsTheCandidates) {
  Candidates({"alpha"});
  List->AddItem();
  List->Item(1)->Items().Add("beta");
  List->SetName("Lines");
  Complete->SetName("Complete");
  Complete->SetStringListIndex(1);
  Form->SetName("Main");
  const std::string text = WriteComponentToText(*Form);
  ASSERT_NE(text.find("StringListIndex = 1"), std::string::npos) << text;
  TForm read(nullptr);
  ReadComponentFromText(read, text, "autocomplete");
  auto* complete = dynamic_cast<TMVWEditAutoComplete*>(read.FindComponent("Complete"));
  ASSERT_NE(complete, nullptr);
  EXPECT_NE(complete->StringList(), nullptr);
  EXPECT_EQ(complete->StringListIndex(), 1);
}

class TEditForm : public TForm {
public:
  using TForm::TForm;
  TMVWEdit* Score = nullptr;
};

TEST_F(EditTest, ScoreFieldComesFromFormDataAndWritesBackOnlyItsSettings) {
  static const bool registered = [] {
    RegisterComponentClass<TEditForm, TForm>("TEditForm").Field("Score", &TEditForm::Score);
    return true;
  }();
  (void)registered;
  TEditForm form(nullptr);
  ReadComponentFromText(form,
                        "object EditForm: TEditForm\n"
                        "  object Score: TMVWEdit\n"
                        "    Left = 10\n"
                        "    Top = 10\n"
                        "    Width = 80\n"
                        "    Caret.BlinkRate = 530\n"
                        "    CharCase = ecUpperCase\n"
                        "    MaxLength = 4\n"
                        "    ReadOnly = True\n"
                        "    Font.Height = -24\n"
                        "    Font.Style = [fsBold]\n"
                        "    PasswordChar = #0\n"
                        "    Text = '9.5'\n"
                        "    CustomButtons = <\n"
                        "      item\n"
                        "        Caption = '+'\n"
                        "        Hint = 'Add'\n"
                        "      end>\n"
                        "  end\n"
                        "end\n",
                        "score");
  TMVWEdit& score = *form.Score;
  EXPECT_EQ(score.Caret().BlinkRate(), 530);
  EXPECT_EQ(score.CharCase(), ecUpperCase);
  EXPECT_EQ(score.MaxLength(), 4);
  EXPECT_TRUE(score.ReadOnly());
  EXPECT_EQ(score.TextValue(), "9.5");
  EXPECT_EQ(score.Color(), clWhite);
  EXPECT_EQ(score.Cursor(), crIBeam);
  EXPECT_EQ(score.Bevel().Mode(), bmWindows);
  ASSERT_EQ(score.CustomButtons().Count(), 1);
  EXPECT_EQ(score.CustomButtons().Items(0)->Button().Caption(), "+");
  EXPECT_EQ(score.CustomButtons().Items(0)->Button().Hint(), "Add");
  const std::string written = WriteComponentToText(form);
  for (const char* stored : {"MaxLength = 4", "CharCase = ecUpperCase", "ReadOnly = True",
                             "Caret.BlinkRate = 530", "Text = '9.5'", "Caption = '+'"})
    EXPECT_NE(written.find(stored), std::string::npos) << stored << "\n" << written;
  for (const char* left :
       {"Color", "Cursor", "PasswordChar", "CustomButtonWidth", "TabStop", "TMVWSpeedButton"})
    EXPECT_EQ(written.find(left), std::string::npos) << left << "\n" << written;

  score.SetAutoSize(true);
  const int qp = score.TextHeight("Qp");
  EXPECT_EQ(score.Height(), qp * 5 / 4 + 5);
}

TEST_F(EditTest, SnapshotOfEditsInTheirStates) {
  TProbeEdit* plain = AddEdit("Plain", 10, "Score 7.5");
  TProbeEdit* masked = AddEdit("Masked", 44, "secret");
  masked->SetPasswordChar('*');
  TProbeEdit* right = AddEdit("Right", 78, "9.0");
  right->SetAlignment(taRightJustify);
  TProbeEdit* buttons = AddEdit("Buttons", 112, "with buttons");
  buttons->CustomButtons().Add()->SetCaption("...");
  TProbeEdit* selected = AddEdit("Selected", 146, "selected text");
  Show();
  ASSERT_TRUE(test::TakeFocus(selected->Handle()));
  selected->SelectAll();
  Application->ProcessMessages();
  const test::TSnapshot snapshot = test::SnapshotForm(*Form, "edits");
  EXPECT_EQ(masked->DisplayText(), "******");
  EXPECT_TRUE(snapshot.Shows(*plain, plain->Font().Color()));
  EXPECT_FALSE(snapshot.Shows(*right, right->Font().Color(), {0, 0, 70, 24})) << "right-justified";
  EXPECT_TRUE(snapshot.Shows(*right, right->Font().Color(), {70, 0, 150, 24}));
}

} // namespace
} // namespace marivo
