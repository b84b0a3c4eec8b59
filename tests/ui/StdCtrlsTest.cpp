#include "platform/ui/StdCtrls.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Edits.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Groups.h"
#include "platform/ui/Labels.h"
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
  void ConfirmCheckClick(TObject*) { ++Fired["ConfirmCheck"]; }
  void NameEditChange(TObject* sender) {
    ++Fired["NameEdit"];
    Seen.push_back(static_cast<TEdit*>(sender)->Text());
  }
  void NotesMemoChange(TObject*) { ++Fired["NotesMemo"]; }
  void JudgesListClick(TObject* sender) {
    ++Fired["JudgesList"];
    Seen.push_back(std::to_string(static_cast<TListBox*>(sender)->ItemIndex()));
  }
  void PanelComboChange(TObject* sender) {
    ++Fired["PanelCombo"];
    Seen.push_back(static_cast<TComboBox*>(sender)->Text());
  }
  void CountryComboChange(TObject* sender) {
    ++Fired["CountryCombo"];
    Seen.push_back(static_cast<TComboBox*>(sender)->Text());
  }
  void ElementGroupChange(TObject* sender) {
    ++Fired["ElementGroup.OnChange"];
    Seen.push_back(std::to_string(static_cast<TRadioGroup*>(sender)->ItemIndex()));
  }
  void ElementGroupClick(TObject*) { ++Fired["ElementGroup.OnClick"]; }
};

class StdCtrlsFixture : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStdCtrlsClasses();
    static const bool registered = [] {
      RegisterComponentClass<TStdCtrlsForm, TForm>("TStdCtrlsForm")
          .Handler("SendButtonClick", &TStdCtrlsForm::SendButtonClick)
          .Handler("ConfirmCheckClick", &TStdCtrlsForm::ConfirmCheckClick)
          .Handler("NameEditChange", &TStdCtrlsForm::NameEditChange)
          .Handler("NotesMemoChange", &TStdCtrlsForm::NotesMemoChange)
          .Handler("JudgesListClick", &TStdCtrlsForm::JudgesListClick)
          .Handler("PanelComboChange", &TStdCtrlsForm::PanelComboChange)
          .Handler("CountryComboChange", &TStdCtrlsForm::CountryComboChange)
          .Handler("ElementGroupChange", &TStdCtrlsForm::ElementGroupChange)
          .Handler("ElementGroupClick", &TStdCtrlsForm::ElementGroupClick);
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
  auto& score = Find<TLabel>("ScoreLabel");
  EXPECT_EQ(score.Alignment(), taRightJustify);
  EXPECT_EQ(score.Layout(), tlBottom);
  EXPECT_FALSE(score.AutoSize());
  EXPECT_EQ(score.Width(), 120);

  auto& send = Find<TButton>("SendButton");
  EXPECT_EQ(send.Caption(), "Send");
  EXPECT_TRUE(send.Default());
  EXPECT_FALSE(send.Cancel());
  EXPECT_EQ(send.ModalResult(), 1);
  EXPECT_TRUE(send.TabStop());

  auto& confirm = Find<TCheckBox>("ConfirmCheck");
  EXPECT_TRUE(confirm.Checked());
  EXPECT_EQ(confirm.Hint(), "Ask before sending");

  auto& name = Find<TEdit>("NameEdit");
  EXPECT_EQ(name.Text(), "Anna");
  EXPECT_EQ(name.MaxLength(), 5);
  EXPECT_EQ(name.Color(), clYellow);

  auto& notes = Find<TMemo>("NotesMemo");
  EXPECT_EQ(notes.Lines().Text(), "first\r\nsecond\r\n");
  EXPECT_EQ(notes.ScrollBars(), ssVertical);
  EXPECT_TRUE(notes.WordWrap());

  EXPECT_EQ(Find<TListBox>("JudgesList").Items().CommaText(), "J1,J2,J3");
  EXPECT_EQ(Find<TListBox>("JudgesList").ItemIndex(), -1);

  auto& panel = Find<TComboBox>("PanelCombo");
  EXPECT_EQ(panel.Style(), csDropDownList);
  EXPECT_EQ(panel.ItemIndex(), 1);
  EXPECT_EQ(panel.Text(), "Panel B");
  EXPECT_EQ(panel.DropDownCount(), 5);
  EXPECT_EQ(Find<TComboBox>("CountryCombo").Text(), "ESP");

  auto& element = Find<TRadioGroup>("ElementGroup");
  EXPECT_EQ(element.Items().Count(), 3);
  EXPECT_EQ(element.Items().Strings(2), "Acro\rbatic");
  EXPECT_EQ(element.ItemIndex(), 0);
  EXPECT_EQ(element.Columns(), 1);
  EXPECT_EQ(Find<TLabel>("TeamLabel").Parent(), &Find<TGroupBox>("TeamBox"));

  // Nobody clicked or typed while the form was read.
  EXPECT_TRUE(Form->Fired.empty());
}

TEST_F(StdCtrlsFormData, FreshControlsWriteNoDefaultsAndInternalButtonsAreNotWritten) {
  const std::vector<TControl*> fresh = {
      new TLabel(Form),    new TButton(Form),   new TCheckBox(Form),
      new TEdit(Form),     new TMemo(Form),     new TListBox(Form),
      new TComboBox(Form), new TGroupBox(Form), new TRadioGroup(Form)};
  for (TControl* control : fresh) {
    std::vector<std::string> names;
    for (const TFormProperty& property : WriteProperties(*control, *Form))
      if (property.Name != "Width" && property.Name != "Height")
        names.push_back(property.Name);
    EXPECT_TRUE(names.empty()) << control->ClassName() << " writes " << names.front();
  }

  const std::string text = WriteComponentToText(*Form);
  EXPECT_NE(text.find("object ElementGroup: TRadioGroup"), std::string::npos);
  EXPECT_NE(text.find("Items.Strings"), std::string::npos);
  EXPECT_NE(text.find("Lines.Strings"), std::string::npos);
  EXPECT_EQ(text.find("TRadioGroupButton"), std::string::npos);
}

// --- TLabel -----------------------------------------------------------------------------------

class StdCtrlsLabel : public StdCtrlsFixture {};

TEST_F(StdCtrlsLabel, PaintsItsColourBehindTextInTheFontColour) {
  ShowForm();
  auto& title = Find<TLabel>("TitleLabel");
  const RECT bounds = BoundsOf(title);
  EXPECT_GT(CountPixels(bounds, clYellow), 0);
  EXPECT_GT(CountPixels(bounds, clRed), 0);

  title.SetTransparent(true);
  EXPECT_EQ(CountPixels(bounds, clYellow), 0);
  EXPECT_GT(CountPixels(bounds, clRed), 0);
}

TEST_F(StdCtrlsLabel, AutoSizeFollowsTheCaptionAndLineBreaks) {
  auto& title = Find<TLabel>("TitleLabel");
  const SIZE one = TextSize(title.Font(), "Judge 1");
  EXPECT_EQ(title.Width(), one.cx);
  EXPECT_EQ(title.Height(), one.cy);

  title.SetCaption("Judge 1 of the panel");
  EXPECT_EQ(title.Width(), TextSize(title.Font(), "Judge 1 of the panel").cx);
  EXPECT_GT(title.Width(), one.cx);

  for (const char* twoLines : {"Judge\r1", "Judge\n1", "Judge\r\n1"}) {
    title.SetCaption(twoLines);
    EXPECT_EQ(title.Height(), 2 * one.cy) << twoLines;
    EXPECT_EQ(title.Width(), TextSize(title.Font(), "Judge").cx);
  }

  title.Font().SetHeight(-30);
  EXPECT_EQ(title.Height(), 2 * TextSize(title.Font(), "Judge").cy);
}

TEST_F(StdCtrlsLabel, RightAlignedLabelGrowsToTheLeftAndWordWrapGrowsDown) {
  auto& title = Find<TLabel>("TitleLabel");
  title.SetAlignment(taRightJustify);
  const int right = title.Left() + title.Width();
  title.SetCaption("Judge 1 of the panel");
  EXPECT_EQ(title.Left() + title.Width(), right);

  title.SetAlignment(taLeftJustify);
  title.SetWordWrap(true);
  title.SetWidth(TextSize(title.Font(), "Judge 1").cx + 4);
  title.SetCaption("Judge 1 Judge 2 Judge 3");
  EXPECT_EQ(title.Width(), TextSize(title.Font(), "Judge 1").cx + 4);
  EXPECT_EQ(title.Height(), 3 * TextSize(title.Font(), "Judge 1").cy);
}

TEST_F(StdCtrlsLabel, LayoutAndAlignmentPlaceTheTextInAFixedSizeLabel) {
  ShowForm();
  auto& score = Find<TLabel>("ScoreLabel");
  const RECT bounds = BoundsOf(score);
  const LONG midX = (bounds.left + bounds.right) / 2;
  const LONG midY = (bounds.top + bounds.bottom) / 2;
  // Bottom right: all the text is in the lower right quarter.
  EXPECT_GT(CountPixels({midX, midY, bounds.right, bounds.bottom}, clBlue), 0);
  EXPECT_EQ(CountPixels({bounds.left, bounds.top, bounds.right, midY}, clBlue), 0);
  EXPECT_EQ(CountPixels({bounds.left, bounds.top, midX, bounds.bottom}, clBlue), 0);

  score.SetLayout(tlTop);
  score.SetAlignment(taLeftJustify);
  EXPECT_GT(CountPixels({bounds.left, bounds.top, midX, midY}, clBlue), 0);
  EXPECT_EQ(CountPixels({bounds.left, midY, bounds.right, bounds.bottom}, clBlue), 0);
  EXPECT_EQ(CountPixels({midX, bounds.top, bounds.right, bounds.bottom}, clBlue), 0);
  EXPECT_EQ(score.Width(), 120);
}

// --- TButton and TCheckBox --------------------------------------------------------------------

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
  auto& confirm = Find<TCheckBox>("ConfirmCheck");
  confirm.SetFocus();
  App.ProcessMessages();
  EXPECT_TRUE(send.Active());
  SendMessageA(confirm.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(Form->Fired["SendButton"], 1);
  SendMessageA(confirm.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(Form->Fired["SendButton"], 1);
  send.SetCancel(true);
  SendMessageA(confirm.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
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
  confirm.SetFocus();
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

TEST_F(StdCtrlsButton, CheckBoxFollowsTheUserAndTheCode) {
  ShowForm();
  auto& confirm = Find<TCheckBox>("ConfirmCheck");
  EXPECT_EQ(SendMessageA(confirm.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);

  SendMessageA(confirm.Handle(), BM_CLICK, 0, 0);
  App.ProcessMessages();
  EXPECT_FALSE(confirm.Checked());
  EXPECT_EQ(Form->Fired["ConfirmCheck"], 1);

  confirm.SetChecked(true);
  EXPECT_EQ(SendMessageA(confirm.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(Form->Fired["ConfirmCheck"], 2);
  confirm.SetChecked(true);
  EXPECT_EQ(Form->Fired["ConfirmCheck"], 2);
}

TEST_F(StdCtrlsButton, CheckBoxPaintsItsColour) {
  ShowForm();
  auto& confirm = Find<TCheckBox>("ConfirmCheck");
  EXPECT_GT(CountPixels(WindowBounds(confirm.Handle()), clAqua), confirm.Width());
  confirm.SetColor(clFuchsia);
  EXPECT_EQ(CountPixels(WindowBounds(confirm.Handle()), clAqua), 0);
  EXPECT_GT(CountPixels(WindowBounds(confirm.Handle()), clFuchsia), confirm.Width());
}

// --- TEdit and TMemo --------------------------------------------------------------------------

class StdCtrlsEdit : public StdCtrlsFixture {};

TEST_F(StdCtrlsEdit, TextSetInCodeIsKeptWholeButTypingStopsAtMaxLength) {
  ShowForm();
  auto& name = Find<TEdit>("NameEdit");
  EXPECT_EQ(WindowText(name.Handle()), "Anna");

  name.SetText("Annabelle");
  EXPECT_EQ(WindowText(name.Handle()), "Annabelle");
  EXPECT_EQ(name.Text(), "Annabelle");
  EXPECT_EQ(Form->Seen, std::vector<std::string>{"Annabelle"});

  name.SetText("Ann");
  name.SetSelStart(3);
  Type(name.Handle(), "ikaX");
  EXPECT_EQ(name.Text(), "Annik");
  EXPECT_EQ(name.Caption(), "Annik");
  EXPECT_EQ(Form->Seen, (std::vector<std::string>{"Annabelle", "Ann", "Anni", "Annik"}));
}

TEST_F(StdCtrlsEdit, CharCaseTurnsTypedLettersOnly) {
  ShowForm();
  auto& name = Find<TEdit>("NameEdit");
  name.SetMaxLength(0);
  name.SetCharCase(ecUpperCase);
  name.SetText("ab");
  name.SetSelStart(2);
  Type(name.Handle(), "4pc");
  EXPECT_EQ(name.Text(), "ab4PC");
  name.SetCharCase(ecLowerCase);
  Type(name.Handle(), "Xy");
  EXPECT_EQ(name.Text(), "ab4PCxy");
}

TEST_F(StdCtrlsEdit, SelectionAndReadOnly) {
  ShowForm();
  auto& name = Find<TEdit>("NameEdit");
  name.SelectAll();
  EXPECT_EQ(name.SelStart(), 0);
  EXPECT_EQ(name.SelLength(), 4);
  name.SetSelStart(1);
  name.SetSelLength(2);
  Type(name.Handle(), "l");
  EXPECT_EQ(name.Text(), "Ala");

  name.SetReadOnly(true);
  Type(name.Handle(), "x");
  EXPECT_EQ(name.Text(), "Ala");
  EXPECT_TRUE(GetWindowLongA(name.Handle(), GWL_STYLE) & ES_READONLY);
}

TEST_F(StdCtrlsEdit, EditWithoutAWindowReportsChangesAndPaintsItsColourOnceShown) {
  TEdit edit(Form);
  int changes = 0;
  edit.OnChange = [&](TObject*) { ++changes; };
  edit.SetText("before");
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(edit.HandleAllocated());

  edit.SetBounds(400, 300, 100, 24);
  edit.SetColor(clLime);
  edit.SetParent(Form);
  ShowForm();
  EXPECT_EQ(WindowText(edit.Handle()), "before");
  EXPECT_GT(CountPixels(WindowBounds(edit.Handle()), clLime), 100);
  EXPECT_EQ(changes, 1);
}

// The after-events come one message after the focus moved, the one left before the one entered.
TEST_F(StdCtrlsEdit, AfterEnterAndAfterExitArePostedInTheOrderOfTheFocusMoves) {
  TEdit other(Form);
  other.SetBounds(400, 120, 100, 24);
  other.SetParent(Form);
  ShowForm();
  auto& name = Find<TEdit>("NameEdit");
  std::vector<std::string> events;
  for (TEdit* edit : {&name, &other}) {
    const std::string who = edit == &name ? "name" : "other";
    edit->OnEnter = [&events, who](TObject*) { events.push_back("enter " + who); };
    edit->OnAfterEnter = [&events, who](TObject*) { events.push_back("after enter " + who); };
    edit->OnAfterExit = [&events, who](TObject*) { events.push_back("after exit " + who); };
  }
  name.SetFocus();
  other.SetFocus();
  EXPECT_EQ(events, (std::vector<std::string>{"enter name", "enter other"}))
      << "nothing runs before the messages are handled";
  // Another program taking the active window may add an "after exit other" at the end.
  const std::vector<std::string> expected = {"enter name", "enter other", "after enter name",
                                             "after exit name", "after enter other"};
  ASSERT_TRUE(test::PumpUntil([&] { return events.size() >= expected.size(); }));
  EXPECT_EQ(std::vector<std::string>(events.begin(), events.begin() + 5), expected);
}

class StdCtrlsMemo : public StdCtrlsFixture {};

TEST_F(StdCtrlsMemo, LinesAndTheWindowStayInStepBothWays) {
  ShowForm();
  auto& notes = Find<TMemo>("NotesMemo");
  EXPECT_EQ(WindowText(notes.Handle()), "first\r\nsecond\r\n");
  EXPECT_TRUE(GetWindowLongA(notes.Handle(), GWL_STYLE) & WS_VSCROLL);

  notes.Lines().Add("third");
  EXPECT_EQ(WindowText(notes.Handle()), "first\r\nsecond\r\nthird\r\n");
  EXPECT_EQ(Form->Fired["NotesMemo"], 1);

  notes.SetSelStart(5);
  Type(notes.Handle(), "!\r");
  EXPECT_EQ(notes.Lines().Count(), 4);
  EXPECT_EQ(notes.Lines().Strings(0), "first!");
  EXPECT_EQ(notes.Lines().Strings(1), "");
  EXPECT_EQ(notes.Lines().Strings(3), "third");
  EXPECT_EQ(Form->Fired["NotesMemo"], 3);

  notes.SetReadOnly(true);
  Type(notes.Handle(), "x");
  EXPECT_EQ(notes.Lines().Strings(0), "first!");
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
  notes.SetSelStart(static_cast<int>(all.size()));
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

// --- TListBox and TComboBox -------------------------------------------------------------------

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

TEST_F(StdCtrlsLists, ComboBoxItemIndexInCodeRunsNoOnChangeAndOutOfRangeGivesNone) {
  auto& panel = Find<TComboBox>("PanelCombo");
  panel.SetItemIndex(7);
  EXPECT_EQ(panel.ItemIndex(), -1);
  EXPECT_EQ(panel.Text(), "");
  panel.SetItemIndex(2);
  panel.Items().Add("Panel D");
  ShowForm();
  EXPECT_EQ(ListWindowItems(panel.Handle(), CB_GETCOUNT, CB_GETLBTEXT),
            (std::vector<std::string>{"Panel A", "Panel B", "Panel C", "Panel D"}));
  EXPECT_EQ(SendMessageA(panel.Handle(), CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(WindowText(panel.Handle()), "Panel C");

  panel.SetItemIndex(-5);
  EXPECT_EQ(panel.ItemIndex(), -1);
  EXPECT_EQ(SendMessageA(panel.Handle(), CB_GETCURSEL, 0, 0), CB_ERR);
  panel.SetText("Panel D");
  EXPECT_EQ(panel.ItemIndex(), 3);
  EXPECT_EQ(Form->Fired["PanelCombo"], 0);
}

TEST_F(StdCtrlsLists, ComboBoxReportsPicksAndTyping) {
  ShowForm();
  auto& panel = Find<TComboBox>("PanelCombo");
  panel.SetFocus();
  PressKey(panel.Handle(), VK_DOWN);
  App.ProcessMessages();
  EXPECT_EQ(panel.ItemIndex(), 2);
  EXPECT_EQ(Form->Seen, std::vector<std::string>{"Panel C"});

  auto& country = Find<TComboBox>("CountryCombo");
  HWND edit = FindWindowExA(country.Handle(), nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(WindowText(edit), "ESP");
  SendMessageA(edit, EM_SETSEL, 3, 3);
  Type(edit, "!");
  EXPECT_EQ(country.Text(), "ESP!");
  EXPECT_EQ(Form->Seen, (std::vector<std::string>{"Panel C", "ESP!"}));

  country.SetItemIndex(2);
  EXPECT_EQ(country.Text(), "JPN");
  EXPECT_EQ(WindowText(edit), "JPN");
  country.Items().Add("USA");
  EXPECT_EQ(WindowText(edit), "JPN");
  EXPECT_EQ(Form->Fired["CountryCombo"], 1);
}

TEST_F(StdCtrlsLists, ComboBoxDropsDownForDropDownCountItems) {
  ShowForm();
  auto& panel = Find<TComboBox>("PanelCombo");
  // More items than the list shows, so that it does not shrink to fit them.
  for (const char* item : {"Panel D", "Panel E", "Panel F", "Panel G"})
    panel.Items().Add(item);
  const int itemHeight = static_cast<int>(SendMessageA(panel.Handle(), CB_GETITEMHEIGHT, 0, 0));
  RECT dropped;
  SendMessageA(panel.Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  const int listHeight = dropped.bottom - dropped.top;
  EXPECT_GE(listHeight, 5 * itemHeight);
  EXPECT_LT(listHeight, 6 * itemHeight);

  panel.SetBounds(panel.Left(), panel.Top() + 10, 200, 21);
  SendMessageA(panel.Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_GE(dropped.bottom - dropped.top, 5 * itemHeight);
  EXPECT_EQ(dropped.right - dropped.left, 200);
  EXPECT_LT(panel.Height(), 2 * itemHeight);

  panel.SetDropDownCount(2);
  SendMessageA(panel.Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_GE(dropped.bottom - dropped.top, 2 * itemHeight);
  EXPECT_LT(dropped.bottom - dropped.top, 3 * itemHeight);
}

// --- TGroupBox and TRadioGroup ----------------------------------------------------------------

class StdCtrlsGroups : public StdCtrlsFixture {};

// The radio button windows of a group in the order of its items, found by their text.
std::vector<HWND> RadioButtons(TRadioGroup& group) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(group.Handle(), GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  std::vector<HWND> buttons;
  for (int i = 0; i < group.Items().Count(); ++i)
    for (HWND child : children)
      if (WindowText(child) == group.Items().Strings(i))
        buttons.push_back(child);
  EXPECT_EQ(buttons.size(), children.size()) << "a button whose text is no item";
  return buttons;
}

TEST_F(StdCtrlsGroups, GroupBoxPaintsCaptionFrameAndChildren) {
  ShowForm();
  auto& team = Find<TGroupBox>("TeamBox");
  const RECT bounds = WindowBounds(team.Handle());
  const RECT captionLine{bounds.left, bounds.top, bounds.right,
                         bounds.top + TextSize(team.Font(), "Team").cy};
  EXPECT_GT(CountPixels(captionLine, clRed), 0);
  EXPECT_EQ(CountPixels({bounds.left, captionLine.bottom, bounds.right, bounds.bottom}, clRed), 0);
  EXPECT_GT(CountPixels(bounds, clWhite), team.Width() * team.Height() / 2);
  EXPECT_GT(CountPixels(bounds, clLime), 0);
  // The frame runs down both sides.
  const RECT leftEdge{bounds.left, captionLine.bottom, bounds.left + 1, bounds.bottom - 2};
  EXPECT_EQ(CountPixels(leftEdge, clBtnShadow), leftEdge.bottom - leftEdge.top);

  team.SetCaption("");
  EXPECT_EQ(CountPixels(captionLine, clRed), 0);
}

TEST_F(StdCtrlsGroups, RadioButtonsAreMadeFromItemsAndLaidOutBelowTheCaption) {
  ShowForm();
  auto& element = Find<TRadioGroup>("ElementGroup");
  std::vector<HWND> buttons = RadioButtons(element);
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_EQ(WindowText(buttons[2]), "Acro\rbatic");
  EXPECT_EQ(SendMessageA(buttons[0], BM_GETCHECK, 0, 0), BST_CHECKED);

  std::vector<RECT> places;
  for (HWND button : buttons)
    places.push_back(WindowBounds(button));
  const RECT group = WindowBounds(element.Handle());
  EXPECT_GT(places[0].top, group.top + element.Font().Height() * -1 / 2);
  EXPECT_EQ(places[1].top - places[0].top, places[2].top - places[1].top);
  EXPECT_EQ(places[0].left, places[2].left);
  EXPECT_LE(places[2].bottom, group.bottom);

  element.SetColumns(2);
  places.clear();
  for (HWND button : buttons)
    places.push_back(WindowBounds(button));
  EXPECT_EQ(places[0].top, places[2].top);
  EXPECT_GT(places[2].left, places[1].right - 1);

  element.Items().Add("Highlight");
  element.Items().Delete(0);
  buttons = RadioButtons(element);
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_EQ(WindowText(buttons[2]), "Highlight");
}

TEST_F(StdCtrlsGroups, ItemWithACarriageReturnIsShownOnTwoLines) {
  ShowForm();
  auto& element = Find<TRadioGroup>("ElementGroup");
  const std::vector<HWND> buttons = RadioButtons(element);
  ASSERT_EQ(buttons.size(), 3u);
  const TColor text = element.Font().Color();
  auto textRows = [&](HWND button) {
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client;
    GetClientRect(button, &client);
    HDC dc = GetDC(button);
    int first = -1;
    int last = -1;
    // Skip the round mark at the left: text starts after it.
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 20; x < client.right; ++x)
        if (GetPixel(dc, x, y) == ColorToRGB(text)) {
          first = first < 0 ? y : first;
          last = y;
          break;
        }
    ReleaseDC(button, dc);
    return last - first + 1;
  };
  const int oneLine = textRows(buttons[1]);
  ASSERT_GT(oneLine, 0);
  EXPECT_GT(textRows(buttons[2]), oneLine * 3 / 2);
}

TEST_F(StdCtrlsGroups, ItemIndexInCodeClampsWithoutOnChange) {
  auto& element = Find<TRadioGroup>("ElementGroup");
  element.SetItemIndex(5);
  EXPECT_EQ(element.ItemIndex(), 2);
  element.SetItemIndex(-7);
  EXPECT_EQ(element.ItemIndex(), -1);
  element.SetItemIndex(1);
  ShowForm();
  const std::vector<HWND> buttons = RadioButtons(element);
  EXPECT_EQ(SendMessageA(buttons[1], BM_GETCHECK, 0, 0), BST_CHECKED);
  element.SetItemIndex(0);
  EXPECT_EQ(SendMessageA(buttons[0], BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(buttons[1], BM_GETCHECK, 0, 0), BST_UNCHECKED);
  element.Items().Delete(2);
  element.SetItemIndex(9);
  EXPECT_EQ(element.ItemIndex(), 1);
  EXPECT_TRUE(Form->Fired.empty());
}

TEST_F(StdCtrlsGroups, OfficialPicksWithMouseAndArrowKeys) {
  ShowForm();
  auto& element = Find<TRadioGroup>("ElementGroup");
  const std::vector<HWND> buttons = RadioButtons(element);
  ASSERT_EQ(buttons.size(), 3u);
  SendMessageA(buttons[1], BM_CLICK, 0, 0);
  App.ProcessMessages();
  EXPECT_EQ(element.ItemIndex(), 1);
  EXPECT_EQ(Form->Fired["ElementGroup.OnChange"], 1);
  EXPECT_EQ(Form->Fired["ElementGroup.OnClick"], 1);
  EXPECT_EQ(SendMessageA(buttons[1], BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(buttons[0], BM_GETCHECK, 0, 0), BST_UNCHECKED);

  SendMessageA(buttons[1], BM_CLICK, 0, 0);
  App.ProcessMessages();
  EXPECT_EQ(Form->Fired["ElementGroup.OnChange"], 1);

  // An arrow moves the focus with the pick: the form must hold the focus when the key comes, and
  // no message may let another program take it before the focus is read.
  ASSERT_TRUE(test::TakeFocus(buttons[1]));
  PressKey(buttons[1], VK_DOWN);
  EXPECT_EQ(element.ItemIndex(), 2);
  EXPECT_EQ(GetFocus(), buttons[2]);
  PressKey(buttons[2], VK_DOWN);
  App.ProcessMessages();
  EXPECT_EQ(element.ItemIndex(), 2);
  EXPECT_EQ(Form->Seen, (std::vector<std::string>{"1", "2"}));
}

TEST_F(StdCtrlsGroups, RadioButtonsTakeTheGroupsColourAndState) {
  ShowForm();
  auto& element = Find<TRadioGroup>("ElementGroup");
  element.SetColor(clLime);
  const std::vector<HWND> buttons = RadioButtons(element);
  EXPECT_GT(CountPixels(WindowBounds(buttons[0]), clLime), 100);
  element.SetEnabled(false);
  for (HWND button : buttons)
    EXPECT_FALSE(IsWindowEnabled(button));
}

} // namespace
} // namespace marivo
