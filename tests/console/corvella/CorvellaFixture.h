#pragma once

// The socket header must come before any header that brings in the rest of Windows.
#include <winsock2.h>

#include "console/common/NoticeForms.h"
#include "console/common/protocol/Protocol.h"
#include "console/corvella/MainForm.h"
#include "platform/net/TcpClient.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PayloadText.h"
#include "tests/support/RunningConsole.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace marivo::corvella::test {

// Payloads written with separators by name, as the traffic log shows them.
inline std::string W(const std::string& text) {
  return marivo::test::WithSeparators(text);
}

// A frame as the server sends it; role is the console it concerns.
inline std::string Frame(const std::string& code, const std::string& role,
                         const std::string& payload, const std::string& discipline = "FREE") {
  return std::string(1, SOH) + code + discipline + role + STX + W(payload) + EOT;
}

struct TBox {
  std::string Text;
  unsigned Flags;
};

// Corvella as the program starts it, in a start folder of its own, past its second start-up
// stage, with message boxes recorded and answered by the test.
class CorvellaConsole : public ::testing::Test {
protected:
  void SetUp() override {
    SetMessageBoxHandler([this](const std::string& text, const std::string&, unsigned flags) {
      Boxes.push_back({text, flags});
      return Answer;
    });
    Console.Start();
    MainForm->Show();
    MainForm->Timer1Timer(MainForm);
  }
  void TearDown() override {
    Console.Close();
    SetMessageBoxHandler(nullptr);
  }

  bool PumpUntil(const std::function<bool()>& condition) {
    return marivo::test::PumpUntil(condition);
  }
  // The official's choice of role on the Opening page.
  void ChooseRole(int index) {
    MainForm->ClientChoice->SetItemIndex(index);
    MainForm->ClientChoiceChange(MainForm->ClientChoice, index);
  }
  // The server's frames as the reader hands them over.
  void Receive(const std::string& code, const std::string& role, const std::string& payload) {
    MainForm->DispatchFrame(Frame(code, role, payload));
  }
  void Discipline(const std::string& code) { Receive("EI", "ZEL ", code + "[DC1]Event[DC2]"); }
  int Page() { return MainForm->_Notebook->PageIndex(); }
  std::vector<std::string> GridColumn(int col) {
    std::vector<std::string> cells;
    for (int row = 0; row < MainForm->HJGrid->RowCount(); ++row)
      cells.push_back(MainForm->HJGrid->Cells(col, row));
    return cells;
  }
  std::vector<std::string> ElementTexts() {
    std::vector<std::string> texts;
    for (TMVWEdit* edit : MainForm->ElementEdits)
      texts.push_back(edit->GetText());
    return texts;
  }

  marivo::test::TTemporaryCurrentFolder Folder{"marivo-corvella-"};
  marivo::test::TRunningConsole Console;
  std::vector<TBox> Boxes;
  int Answer = IDOK;
};

} // namespace marivo::corvella::test
