#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Menus.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/MessagePump.h"
#include "tests/support/Snapshot.h"
#include "tests/widgets/controls/Guarded.h"
#include "tests/widgets/controls/WidgetForm.h"
#include "widgets/controls/MVWButton.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

// A push button that counts its paints and records the draw state of those a test asks for.
class TButtonProbe : public TMVWButton {
public:
  using TMVWButton::TMVWButton;
  void DrawItem(const DRAWITEMSTRUCT& item) override {
    ++Paints;
    TMVWButton::DrawItem(item);
  }
  void DrawCaptionGlyph(TCanvas& canvas, const RECT& rect, UINT bidiFlags) override {
    if (Recording)
      States.push_back(DrawState());
    TMVWButton::DrawCaptionGlyph(canvas, rect, bidiFlags);
  }
  // Paints as the window would for the item state, on a bitmap of the button's size.
  void DrawFor(UINT itemState) {
    TBitmap target;
    FillBitmap(target, {0, 0, Width(), Height()}, clWhite);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.itemState = itemState;
    item.hwndItem = Handle();
    item.hDC = target.Canvas().Handle();
    item.rcItem = {0, 0, Width(), Height()};
    Recording = true;
    Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    Recording = false;
  }
  bool Recording = false;
  int Paints = 0;
  std::vector<std::uint8_t> States;
};

class ButtonTest : public test::TWidgetForm {
protected:
  void SetUp() override {
    RegisterStandardClasses();
    RegisterControlClasses();
    TWidgetForm::SetUp();
    Form->SetBounds(60, 60, 400, 200);
    Form->SetColor(clBtnFace);
    Connect = new TButtonProbe(Form.get());
    Connect->SetName("ConnectConsoles");
    Connect->SetParent(Form.get());
    Connect->SetBounds(20, 20, 120, 30);
    Connect->SetCaption("Connect Console");
    Connect->OnClick = RecordClick();
    List = new TListBox(Form.get());
    List->SetParent(Form.get());
    List->SetBounds(20, 100, 120, 40);
  }
  void ButtonMessage(UINT msg, int x = 10, int y = 10) {
    SendMessageA(Connect->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
  }
  void Hover(bool over) {
    const POINT at = over ? POINT{30, 30} : POINT{300, 150};
    SetCursorPosSeam(Form->ClientToScreen(at));
    HWND window = over ? Connect->Handle() : Form->Handle();
    const POINT client = over ? POINT{10, 10} : at;
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    if (!over)
      SendMessageA(Connect->Handle(), WM_MOUSELEAVE, 0, 0);
  }

  TButtonProbe* Connect = nullptr;
  TListBox* List = nullptr;
};

TEST_F(ButtonTest, AnOwnerDrawnButtonClicksOnceByMouseKeysAndItsRolesAndTwiceByADoubleClick) {
  Show();
  EXPECT_EQ(GetWindowLongA(Connect->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  SendMessageA(Connect->Handle(), BM_CLICK, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks.size(), 1u);
  Connect->SetFocus();
  SendMessageA(Connect->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(Connect->Handle(), WM_KEYUP, VK_SPACE, 0);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks.size(), 2u) << "Space";
  SendMessageA(Connect->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(Clicks.size(), 3u) << "Enter on the focused button";
  EXPECT_TRUE(Connect->DefaultLook());

  List->SetFocus();
  Application->ProcessMessages();
  EXPECT_FALSE(Connect->DefaultLook());
  SendMessageA(List->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(Clicks.size(), 3u) << "not the Default button";
  Connect->SetDefault(true);
  EXPECT_TRUE(Connect->DefaultLook()) << "the Default one while a non-button has the focus";
  SendMessageA(List->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(Clicks.size(), 4u);
  SendMessageA(List->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(Clicks.size(), 4u) << "not the Cancel button";
  Connect->SetCancel(true);
  SendMessageA(List->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(Clicks.size(), 5u);

  auto* other = new TButton(Form.get());
  other->SetParent(Form.get());
  other->SetBounds(200, 20, 75, 25);
  other->SetFocus();
  Application->ProcessMessages();
  EXPECT_FALSE(Connect->DefaultLook()) << "another button has the focus";
  EXPECT_EQ(GetWindowLongA(Connect->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

  Hover(true);
  for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    ButtonMessage(msg);
  Application->ProcessMessages();
  EXPECT_EQ(Clicks.size(), 7u) << "a double click is two presses";
}

TEST_F(ButtonTest, TheItemStateAndHoverPickTheDrawState) {
  Show();
  Connect->DrawFor(0);
  Connect->DrawFor(ODS_SELECTED);
  Hover(true);
  EXPECT_TRUE(Connect->Hot());
  Connect->DrawFor(ODS_FOCUS);
  Connect->SetEnabled(false);
  Connect->DrawFor(ODS_SELECTED);
  EXPECT_EQ(Connect->States, (std::vector<std::uint8_t>{0, 4, 2, 1}));
  MEASUREITEMSTRUCT measure{};
  Connect->Perform(CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
  EXPECT_EQ(measure.itemWidth, 120u);
  EXPECT_EQ(measure.itemHeight, 30u);
}

TEST_F(ButtonTest, HoverTellsEnterAndExitAndTheRepeatEndsWithTheCapture) {
  std::vector<std::string> events;
  Connect->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
  Connect->OnMouseExit = [&](TObject*) { events.push_back("exit"); };
  Connect->SetRepeatedClick(true);
  Show();
  Hover(true);
  ButtonMessage(WM_LBUTTONDOWN);
  EXPECT_NE(Connect->RepeatTimer(), 0);
  Ticks(10);
  EXPECT_EQ(Clicks.size(), 1u) << "after RepeatingDelay";
  Ticks(2);
  EXPECT_EQ(Clicks.size(), 2u) << "then every RepeatingInterval";
  ReleaseCapture();
  EXPECT_EQ(Connect->RepeatTimer(), 0) << "a press that lost the capture repeats no more";
  Ticks(10);
  EXPECT_EQ(Clicks.size(), 2u);
  Hover(false);
  EXPECT_FALSE(Connect->Hot());
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit"}));

  // Hiding a pressed button ends its repeat and its hover.
  Hover(true);
  ButtonMessage(WM_LBUTTONDOWN);
  EXPECT_NE(Connect->RepeatTimer(), 0);
  Connect->SetVisible(false);
  EXPECT_EQ(Connect->RepeatTimer(), 0);
  EXPECT_FALSE(Connect->Hot());
}

TEST_F(ButtonTest, AButtonFreedByItsMouseClickIsNotTouchedAfter) {
  using TGuardedButton = test::TGuarded<TMVWButton>;
  auto* button = new TGuardedButton(Form.get());
  button->SetParent(Form.get());
  button->SetBounds(200, 20, 120, 30);
  button->SetRepeatedClick(true);
  int clicks = 0;
  button->OnClick = [&](TObject*) {
    ++clicks;
    delete button;
  };
  Show();
  HWND window = button->Handle();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  Application->ProcessMessages();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(TGuardedButton::Release(), 1u);
}

TEST_F(ButtonTest, TheMenuOpensBelowAfterOnClickWithTheButtonPushed) {
  auto* menu = new TPopupMenu(Form.get());
  menu->Items().Add(new TMenuItem(menu));
  Connect->SetDropDownMenu(menu);
  Connect->SetDropDownIndent(5);
  Show();
  std::vector<std::string> order;
  Connect->OnClick = [&](TObject*) { order.push_back("click"); };
  POINT shownAt{};
  bool pushed = false;
  TPopupMenu::SetTracker([&](HMENU, int x, int y, HWND) -> UINT {
    order.push_back("menu");
    shownAt = {x, y};
    pushed = (SendMessageA(Connect->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0 &&
             Connect->MenuDropping();
    return 0;
  });
  Connect->Click();
  EXPECT_EQ(order, (std::vector<std::string>{"click", "menu"}));
  const POINT expected = Connect->ClientToScreen(POINT{5, 30});
  EXPECT_EQ(shownAt.x, expected.x);
  EXPECT_EQ(shownAt.y, expected.y);
  EXPECT_TRUE(pushed);
  EXPECT_FALSE(Connect->MenuDropping());
  EXPECT_EQ(SendMessageA(Connect->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0);

  // A menu choice that fails leaves the button up, with its menu ready for the next click.
  auto* failing = new TMenuItem(menu);
  failing->OnClick = [](TObject*) { throw Exception("No connection"); };
  menu->Items().Add(failing);
  bool choose = true;
  TPopupMenu::SetTracker([&](HMENU handle, int, int, HWND) -> UINT {
    order.push_back("menu");
    return choose ? GetMenuItemID(handle, 1) : 0;
  });
  order.clear();
  EXPECT_THROW(Connect->Click(), Exception);
  EXPECT_FALSE(Connect->MenuDropping());
  EXPECT_EQ(SendMessageA(Connect->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  choose = false;
  Connect->Click();
  EXPECT_EQ(order, (std::vector<std::string>{"click", "menu", "click", "menu"}));

  // A button its OnClick frees opens no menu.
  order.clear();
  Connect->OnClick = [&](TObject*) {
    order.push_back("click");
    delete Connect;
  };
  Connect->Click();
  EXPECT_EQ(order, std::vector<std::string>{"click"});
}

TEST_F(ButtonTest, TheFormFontIsFollowedUntilTheButtonGetsItsOwn) {
  Form->Font().SetSize(14);
  EXPECT_EQ(Connect->Font().Size(), 14);
  EXPECT_TRUE(Connect->ParentFont());
  Connect->FontFX().SetAngle(90);
  EXPECT_FALSE(Connect->ParentFont());
  Connect->SetParentFont(true);
  Connect->Font().SetSize(9);
  EXPECT_FALSE(Connect->ParentFont());
  Form->Font().SetSize(16);
  EXPECT_EQ(Connect->Font().Size(), 9);
}

TEST_F(ButtonTest, TheOlderStyleIsReadAndExtStyleWritten) {
  TForm form(nullptr);
  ReadComponentFromText(form,
                        "object Main: TForm\n"
                        "  object ConnectConsoles: TMVWButton\n"
                        "    About = 'never written'\n"
                        "    Caption = 'Connect Console'\n"
                        "    Style = nbsWin31\n"
                        "  end\n"
                        "end\n",
                        "main.frm");
  auto* button = dynamic_cast<TMVWButton*>(form.FindComponent("ConnectConsoles"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->ExtStyle(), ubsWin31);
  EXPECT_EQ(button->Width(), 75);
  const std::string text = WriteComponentToText(form);
  EXPECT_NE(text.find("ExtStyle = ubsWin31"), std::string::npos) << text;
  EXPECT_EQ(text.find("  Style ="), std::string::npos) << text;
  EXPECT_EQ(text.find("About"), std::string::npos) << text;
}

TEST_F(ButtonTest, ThePaletteIsTheGlyphs) {
  Connect->Glyph().SetSize(2, 1);
  Connect->Glyph().SetPixelFormat(pf4bit);
  ASSERT_NE(Connect->Glyph().Palette(), nullptr);
  EXPECT_EQ(Connect->GetPalette(), Connect->Glyph().Palette());
}

TEST_F(ButtonTest, SnapshotOfTheFourteenLooks) {
  Form->SetBounds(0, 0, 7 * 110 + 20, 2 * 40 + 60);
  Connect->SetVisible(false);
  std::vector<TButtonProbe*> buttons;
  for (int look = 0; look < 14; ++look) {
    auto* button = new TButtonProbe(Form.get());
    button->SetParent(Form.get());
    button->SetBounds(10 + (look % 7) * 110, 10 + (look / 7) * 40, 100, 30);
    button->SetCaption("Look " + std::to_string(look));
    button->SetExtStyle(static_cast<TMVWUserButtonStyle>(look));
    buttons.push_back(button);
  }
  Show();
  SetWindowPos(Form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  EXPECT_TRUE(test::PumpUntil([&] {
    return std::all_of(buttons.begin(), buttons.end(),
                       [](TButtonProbe* button) { return button->Paints > 0; });
  })) << "every look drawn by the widget";
  const test::TSnapshot snapshot = test::SnapshotForm(*Form, "push_buttons");
  for (int look = 0; look < 14; ++look)
    // A themed combo face leaves out the caption.
    EXPECT_TRUE(look == ubsWinXPCombo || snapshot.Shows(*buttons[look], clBtnText, {30, 8, 70, 22}))
        << look;
  EXPECT_EQ(snapshot.At(*buttons[ubsWin31], {1, 15}), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(snapshot.At(*buttons[ubsWin31], {6, 15}), ColorToRGB(clBtnFace));
}

} // namespace
} // namespace marivo
