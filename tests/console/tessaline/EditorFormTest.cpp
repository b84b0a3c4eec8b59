// The socket header must come before any header that brings in the rest of Windows.
#include <winsock2.h>

#include "console/common/protocol/Protocol.h"
#include "console/tessaline/EditorForm.h"
#include "console/tessaline/MainForm.h"
#include "platform/ui/Application.h"
#include "tests/support/CoachCardText.h"
#include "tests/support/ConsoleTest.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/ModalScript.h"
#include "tests/support/TemporaryFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace marivo {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;
using TSteps = std::vector<std::function<bool()>>;

const std::string Chart =
    test::ChartText({{"T", {{"T5a", "1.000", "T 5a"}}, "Thrust"},
                     {"C", {{"C2c+", "0.600"}, {"C2a+", "0.400"}}, "Combined"}},
                    {{"4", {{"PC", "0.300", "Pair contact"}}, "Pair"}});
const char Movements[] = "<?xml version=\"1.0\"?>\n<ACRO-A>\n<POSITIONS>\n<CODE>P</CODE>\n";

// The console as started in a folder of its own, with the coach cards a test gives it.
class Editor : public test::ConsoleTest {
protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    std::filesystem::create_directory(CoachCards());
    WriteCoachCard(DifficultyChartFile, Chart);
    WriteCoachCard(AcrobaticsFile, "<?xml version=\"1.0\"?>\n");
    WriteCoachCard(MovementsFile, Movements);
    Console.Start();
  }

  std::filesystem::path CoachCards() const { return Folder.Path() / "Coach Card"; }
  void WriteCoachCard(const char* name, const std::string& text) {
    std::ofstream(CoachCards() / name, std::ios::binary) << text;
  }

  // The editor opened on an element's declaration, as the difficulty grid opens it.
  TModalResult Edit(const std::string& difficulty, const std::string& bonus, TSteps steps) {
    EditorForm->EditBMDifficulty->SetText(difficulty);
    EditorForm->EditBMBonus->SetText(bonus);
    return test::ShowModalWith(*EditorForm, std::move(steps));
  }
  // Characters typed at the end of the text.
  static bool Type(TMVWEdit* edit, const std::string& text) {
    SendMessageA(edit->Handle(), EM_SETSEL, edit->GetText().size(), edit->GetText().size());
    return TypeOver(edit, text);
  }
  // Characters typed where the caret is, over the selection, each followed by its key's release.
  // Backspace goes as its key press, which is what erases; the others as their characters, since
  // the loop would make a second character of their presses.
  static bool TypeOver(TMVWEdit* edit, const std::string& text) {
    for (char c : text) {
      if (c == '\b')
        PostMessageA(edit->Handle(), WM_KEYDOWN, VK_BACK, 1);
      else
        PostMessageA(edit->Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
      PostMessageA(edit->Handle(), WM_KEYUP, LOBYTE(VkKeyScanA(c)), 0xC0000001);
    }
    return true;
  }
  // The edit has the focus and its whole text is selected, as on entering it.
  static bool EnteredWhole(TMVWEdit* edit) {
    return test::TakeFocus(edit->Handle()) && edit->SelStart() == 1 &&
           edit->SelLength() == static_cast<int>(edit->GetText().size());
  }
  static bool Press(WORD key) {
    PostMessageA(EditorForm->EditBMDifficulty->Handle(), WM_KEYDOWN, key, 1);
    PostMessageA(EditorForm->EditBMDifficulty->Handle(), WM_KEYUP, key, 0xC0000001);
    return true;
  }
  // The shape buttons have no window: the press and release go to their parent's, where they are.
  static bool Click(const char* button) {
    auto& control = NamedComponent<TControl>(*EditorForm, button);
    const HWND parent = control.Parent()->Handle();
    const LPARAM middle =
        MAKELPARAM(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2);
    PostMessageA(parent, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageA(parent, WM_LBUTTONUP, 0, middle);
    return true;
  }
  // What the controller sees: the breakdown, the total and the message if one shows.
  static std::vector<std::string> Shown() {
    std::vector<std::string> shown = {EditorForm->EditBMDD->GetText(),
                                      EditorForm->EditBMDDResults->Caption()};
    if (EditorForm->LabelDDError->Visible())
      shown.push_back(EditorForm->LabelDDError->Caption());
    return shown;
  }
  static bool ExpectShown(const std::vector<std::string>& expected) {
    EXPECT_EQ(Shown(), expected);
    return true;
  }

  test::TTemporaryCurrentFolder Folder{"marivo-editor-"};
};

TEST_F(Editor, EveryKeyRecalculatesAndOKReturnsTheNewDeclarationAndItsDD) {
  const TModalResult result =
      Edit("T5a", "",
           {[] {
              return ExpectShown({"0.50 1.000", "1.500"});
            },
            [] { return Type(EditorForm->EditBMDifficulty, " C2c+ C2a+*0.5"); },
            [] {
              return ExpectShown({"0.50 1.000 0.600 0.200", "2.300"});
            },
            [] { return Type(EditorForm->EditBMBonus, "4pc"); },
            [] {
              return ExpectShown({"0.50 1.000 0.600 0.200", "2.600"});
            },
            [] { return Type(EditorForm->EditBMDifficulty, " T5a T5a T5a"); },
            [] {
              return ExpectShown({"0.50 1.000 0.600 0.200 1.000 1.000 1.000", "5.600",
                                  "  \r Exceeds techniques (T5a)"});
            },
            [] { return Click("ButtonOK"); }});
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(EditorForm->EditBMDifficulty->GetText(), "T5a C2c+ C2a+*0.5 T5a T5a T5a");
  EXPECT_EQ(EditorForm->EditBMBonus->GetText(), "4PC");
  EXPECT_EQ(EditorForm->EditBMDDResults->Caption(), "5.600");
  EXPECT_FALSE(IsWindowVisible(EditorForm->Handle()));
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(EditorForm->GridDDElements->RowCount(), 6);
  EXPECT_EQ(EditorForm->GridDDElements->Cells(0, 0), "C2a+");
  EXPECT_EQ(EditorForm->GridDDElements->Cells(1, 0), "0.5");
  EXPECT_EQ(EditorForm->GridDDElements->Cells(0, 5), "T5a");
}

// The controller re-declares by typing over what the grid gave: entering an edit selects it all.
TEST_F(Editor, EnteringAnEditSelectsItsTextSoTypingReplacesTheDeclaration) {
  const TModalResult result = Edit("T5a C2c+", "4PC",
                                   {[] { return EnteredWhole(EditorForm->EditBMDifficulty); },
                                    [] { return TypeOver(EditorForm->EditBMDifficulty, "C2a+"); },
                                    [] {
                                      return ExpectShown({"0.50 0.400", "1.200"});
                                    },
                                    [] { return EnteredWhole(EditorForm->EditBMBonus); },
                                    [] { return TypeOver(EditorForm->EditBMBonus, "x"); },
                                    [] {
                                      return ExpectShown({"0.50 0.400", "0.900"});
                                    },
                                    [] { return Click("ButtonOK"); }});
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(EditorForm->EditBMDifficulty->GetText(), "C2a+");
  EXPECT_EQ(EditorForm->EditBMBonus->GetText(), "X");
  EXPECT_EQ(EditorForm->EditBMDDResults->Caption(), "0.900");
}

// A stale DD must never leave with new texts.
TEST_F(Editor, AFactorThatIsNoNumberShowsItsErrorAndOKKeepsTheFormOpen) {
  const TModalResult result =
      Edit("T5a C2a+*0.5", "",
           {[] { return Type(EditorForm->EditBMDifficulty, "x"); },
            [this] {
              EXPECT_THAT(Boxes, ElementsAre(Field(&test::TBox::Text,
                                                   "'0.5x' is not a valid floating point value")));
              return ExpectShown({"0.50 1.000", "1.700"});
            },
            [] { return Click("ButtonOK"); },
            [this] {
              EXPECT_EQ(Boxes.size(), 2u);
              EXPECT_TRUE(IsWindowVisible(EditorForm->Handle()));
              return Type(EditorForm->EditBMDifficulty, "\b");
            },
            [] { return Click("ButtonOK"); }});
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(EditorForm->EditBMDifficulty->GetText(), "T5a C2a+*0.5");
  EXPECT_EQ(EditorForm->EditBMDDResults->Caption(), "1.700");
}

TEST_F(Editor, CancelEscAndTheCloseBoxReturnNothing) {
  const std::pair<const char*, std::function<bool()>> ways[] = {
      {"Cancel", [] { return Click("ButtonCancel"); }},
      {"Esc", [] { return Press(VK_ESCAPE); }},
      {"close box",
       [] { return PostMessageA(EditorForm->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0) != 0; }},
  };
  for (const auto& [name, close] : ways) {
    EXPECT_EQ(Edit("T5a", "", {close}), mrCancel) << name;
    EXPECT_FALSE(IsWindowVisible(EditorForm->Handle())) << name;
  }
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Editor, ServerFramesAreHandledWhileTheEditorIsOpen) {
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  Console.ChooseLocalServer();
  test::TFakeMeetServer server;
  ASSERT_TRUE(Console.ConnectTo(server));
  TStrings& log = NamedComponent<TMemo>(*MainForm, "LogFile").Lines();
  const int before = log.Count();
  const std::string frame = std::string(1, SOH) + "CMFREEZEL " + STX + "while editing" + EOT;
  const TModalResult result =
      Edit("T5a", "",
           {[&] {
              EXPECT_FALSE(IsWindowEnabled(MainForm->Handle()));
              server.Send(frame);
              return true;
            },
            [&] { return log.Count() > before; }, [] { return Click("ButtonCancel"); }});
  EXPECT_EQ(result, mrCancel);
  EXPECT_EQ(log.Strings(before), "client:[SOH]CMFREEZEL [STX]while editing[EOT]");
  EXPECT_TRUE(IsWindowEnabled(MainForm->Handle()));
}

TEST_F(Editor, TheCoachCardsAreReadOnceTheFirstTimeTheEditorIsShown) {
  EXPECT_EQ(EditorForm->GridMovement->RowCount(), 1);
  EXPECT_EQ(Edit("T5a C2c+", "4PC", {[] { return Click("ButtonCancel"); }}), mrCancel);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"0.50 1.000 0.600", "2.400"}));
  EXPECT_EQ(EditorForm->GridMovement->RowCount(), 2);
  EXPECT_EQ(EditorForm->GridMovement->ColCount(), 3);
  EXPECT_EQ(EditorForm->GridMovement->ColWidths(0), 120);
  EXPECT_EQ(EditorForm->GridMovement->Cells(0, 0), "Thrust (T)");
  EXPECT_EQ(EditorForm->GridMovement->Cells(1, 0), "T 5a 1.000");
  EXPECT_EQ(EditorForm->GridMovement->Cells(2, 1), "0.400");
  EXPECT_EQ(EditorForm->GridBonus->RowCount(), 1);
  EXPECT_EQ(EditorForm->GridBonus->Cells(1, 0), "Pair contact 0.300");

  std::filesystem::remove(CoachCards() / DifficultyChartFile);
  EXPECT_EQ(Edit("C2a+", "", {[] { return Click("ButtonCancel"); }}), mrCancel);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"0.50 0.400", "0.900"}));
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Editor, WithAFileMissingTheEditorPricesTheBaseOnlyAndDoesNotLookAgain) {
  std::filesystem::remove(CoachCards() / AcrobaticsFile);
  EXPECT_EQ(Edit("T5a", "4PC", {[] { return Click("ButtonOK"); }}), mrOk);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"0.50", "0.500"}));

  WriteCoachCard(AcrobaticsFile, "<?xml version=\"1.0\"?>\n");
  EXPECT_EQ(Edit("T5a", "", {[] { return Click("ButtonOK"); }}), mrOk);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"0.50", "0.500"}));
  EXPECT_TRUE(Boxes.empty());
}

TEST_F(Editor, AFileThatCannotBeReadShowsItsErrorAndTheEditorStillOpensEmpty) {
  const std::string movements = (CoachCards() / MovementsFile).string();
  const HANDLE locked = CreateFileA(movements.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  const TModalResult result = Edit("T5a", "", {[] { return Click("ButtonOK"); }});
  CloseHandle(locked);
  EXPECT_EQ(result, mrOk);
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_NE(Boxes[0].Text.find(MovementsFile), std::string::npos) << Boxes[0].Text;
  EXPECT_EQ(Shown(), (std::vector<std::string>{"0.50", "0.500"}));
  EXPECT_EQ(EditorForm->GridMovement->RowCount(), 0);
  EXPECT_TRUE(EditorForm->CoachCards().HybridTable.empty());
}

// A difficulty controller's double click on the grid: only a hybrid row opens the editor, and
// only a changed declaration is stored, marked for review, for the next decision sheet.
TEST_F(Editor, ADoubleClickOnAHybridRowReDeclaresItForTheNextSheet) {
  MainForm->Show();
  MainForm->Timer1Timer(MainForm);
  MainForm->ClientChoice->SetItemIndex(13);
  MainForm->ClientChoiceChange(MainForm, 13);
  Console.ChooseLocalServer();
  test::TFakeMeetServer server;
  ASSERT_TRUE(Console.ConnectTo(server));
  std::string elements = "2" + std::string(1, DC1);
  for (const char* item : {"0:10-0:20", "TRE", "TRE2a", "", "1.5000", "0.0", "0:30-0:40", "HYBRID",
                           "T5a", "", "1.5000", "0.0"})
    elements += item + std::string(1, DC2);
  const auto receiveElements = [&] {
    MainForm->DispatchFrame(std::string(1, SOH) + "AEFREEZEL " + STX + elements + EOT);
  };
  receiveElements();
  MainForm->ShowRolePage();
  TStringGrid& grid = *MainForm->GridDATC;
  grid.SetCells(6, 2, "1");
  const auto row = [&grid](int r) {
    std::vector<std::string> cells;
    for (int col : {3, 4, 5, 6, 7, 8, 15, 16})
      cells.push_back(grid.Cells(col, r));
    return cells;
  };
  using TRow = std::vector<std::string>;
  const TRow received = {"T5a", "", "1.5000", "1", "0", "0", "0", "0"};
  const TRow redeclared = {"T5a C2c+", "4PC", "2.400", "0", "0", "1", "0", "0"};
  // The double click as the controller makes it: a press on the cell, then the second click.
  const auto doubleClick = [&](int r, std::vector<std::function<bool()>> steps) {
    bool opened = false;
    steps.insert(steps.begin(), [&opened] { return opened = true; });
    const RECT cell = grid.CellRect(1, r);
    const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    test::ScriptModal(*EditorForm, std::move(steps), [&] {
      SendMessageA(grid.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
      SendMessageA(grid.Handle(), WM_LBUTTONUP, 0, at);
      SendMessageA(grid.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    });
    return opened;
  };
  const auto cancel = [] { return Click("ButtonCancel"); };
  const auto ok = [] { return Click("ButtonOK"); };

  EXPECT_FALSE(doubleClick(1, {cancel})) << "a TRE row";
  EXPECT_FALSE(doubleClick(0, {cancel})) << "the heading row";
  ASSERT_TRUE(doubleClick(2, {[] {
                                EXPECT_EQ(EditorForm->EditBMDifficulty->GetText(), "T5a");
                                return Type(EditorForm->EditBMDifficulty, " C2c+");
                              },
                              [] { return Type(EditorForm->EditBMBonus, "4pc"); }, cancel}));
  EXPECT_EQ(row(2), received) << "cancelled";
  ASSERT_TRUE(doubleClick(2, {[] { return Type(EditorForm->EditBMDifficulty, " C2c+"); },
                              [] { return Type(EditorForm->EditBMBonus, "4pc"); }, ok}));
  EXPECT_EQ(row(2), redeclared);
  // Nothing is sent until the controller sends the sheet.
  MainForm->SendFrame("CM", "marker");
  ASSERT_TRUE(server.WaitForFrames(2));
  EXPECT_NE(server.Frames()[1].find("marker"), std::string::npos);
  WORD enter = VK_RETURN;
  MainForm->FormKeyDown(MainForm, enter, 0);
  ASSERT_TRUE(server.WaitForFrames(3));
  EXPECT_NE(server.Frames()[2].find("00100" + std::string(1, DC2) + "2.400" + DC2),
            std::string::npos)
      << server.Frames()[2];
  ASSERT_TRUE(doubleClick(2, {ok}));
  EXPECT_EQ(row(2), redeclared) << "OK on the same texts";

  // The declaration as received is no re-declaration: the grid keeps what it shows.
  ASSERT_TRUE(doubleClick(2, {[] {
                                EditorForm->EditBMDifficulty->SetText("T5a");
                                EditorForm->EditBMBonus->SetText("");
                                return true;
                              },
                              ok}));
  EXPECT_EQ(row(2), redeclared);

  // A new element list while the editor is open: the old row's edit is not written over it.
  ASSERT_TRUE(doubleClick(2, {[] { return Type(EditorForm->EditBMDifficulty, " C2c+"); },
                              [&] {
                                receiveElements();
                                return true;
                              },
                              ok}));
  EXPECT_EQ(row(2), (TRow{"T5a", "", "1.5000", "0", "0", "0", "0", "0"}));

  MainForm->ClientChoice->SetItemIndex(19);
  MainForm->ClientChoiceChange(MainForm, 19);
  MainForm->ShowRolePage();
  EXPECT_FALSE(doubleClick(2, {cancel})) << "the technical controller";
  EXPECT_TRUE(Boxes.empty());
}

} // namespace
} // namespace marivo
