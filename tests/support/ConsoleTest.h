#pragma once

#include "console/common/ConsoleForm.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Dialogs.h"
#include "tests/support/PayloadText.h"
#include "tests/support/RunningConsole.h"
#include "tests/support/Snapshot.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace marivo::test {

// A message box the console showed.
struct TBox {
  std::string Text;
  std::string Caption;
  unsigned Flags;
};

// What the tests of both consoles share: the console as the program starts it, closed after
// each test, its message boxes recorded and answered with Answer, and its parts found by name.
// A fixture starts the console in its own SetUp, after this one.
class ConsoleTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetMessageBoxHandler(
        [this](const std::string& text, const std::string& caption, unsigned flags) {
          Boxes.push_back({text, caption, flags});
          if (WhileBoxShows)
            WhileBoxShows();
          return Answer;
        });
  }
  void TearDown() override {
    Console.Close();
    SetMessageBoxHandler(nullptr);
  }

  // The console as a double click on the program shows it, past its second start-up stage.
  void StartShown() {
    Console.Start();
    Form().Show();
    Form().Timer1Timer(&Form());
  }
  TConsoleForm& Form() { return Console.MainWindow(); }
  template <class T> T& Part(const std::string& name) { return NamedComponent<T>(Form(), name); }
  TStringGrid& Grid(const std::string& name) { return Part<TStringGrid>(name); }
  std::string Caption(const std::string& name) { return Part<TControl>(name).Caption(); }
  void Press(const std::string& name) { Part<TControl>(name).Click(); }
  void ShowPage(int page) { Form()._Notebook->SetPageIndex(page); }
  int Page() { return Form()._Notebook->PageIndex(); }
  // The official's choice of role on the Opening page.
  void ChooseRole(int index) {
    Form().ClientChoice->SetItemIndex(index);
    Form().ClientChoiceChange(Form().ClientChoice, index);
  }
  // The server's frame as the reader hands it over.
  void Receive(const std::string& code, const std::string& role, const std::string& payload) {
    Form().DispatchFrame(Frame(code, role, payload));
  }
  // The page's title shows in its colour; with a snapshot folder set, the picture is the form's
  // whole window.
  static void ExpectSnapshot(TForm& form, const std::string& name, const std::string& title,
                             TColor color) {
    const TSnapshot snapshot = SnapshotForm(form, name);
    EXPECT_TRUE(snapshot.Shows(NamedComponent<TControl>(form, title), color)) << name;
    if (snapshot.File.empty())
      return;
    TFileStream stream(snapshot.File, TFileMode::fmOpenRead);
    const std::int64_t pixels = ((form.Width() * 3 + 3) & ~3) * std::int64_t{form.Height()};
    EXPECT_EQ(stream.Size(), 54 + pixels) << snapshot.File;
  }
  static std::vector<std::string> Column(const TStringGrid& grid, int col) {
    std::vector<std::string> cells;
    for (int row = 0; row < grid.RowCount(); ++row)
      cells.push_back(grid.Cells(col, row));
    return cells;
  }

  TRunningConsole Console;
  std::vector<TBox> Boxes;
  int Answer = IDOK;
  // Runs while a message box holds the code that showed it.
  std::function<void()> WhileBoxShows;
};

} // namespace marivo::test
