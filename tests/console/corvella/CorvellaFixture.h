#pragma once

// The socket header must come before any header that brings in the rest of Windows.
#include <winsock2.h>

#include "console/common/NoticeForms.h"
#include "console/common/protocol/Protocol.h"
#include "console/corvella/MainForm.h"
#include "platform/net/TcpClient.h"
#include "platform/ui/Application.h"
#include "tests/support/ConsoleTest.h"
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

namespace marivo::corvella {

using test::Frame;
using test::TBox;
constexpr auto W = test::WithSeparators;

// Corvella as the program starts it, in a start folder of its own, past its second start-up
// stage.
class CorvellaConsole : public test::ConsoleTest {
protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    StartShown();
  }

  bool PumpUntil(const std::function<bool()>& condition) { return test::PumpUntil(condition); }
  void Discipline(const std::string& code) { Receive("EI", "ZEL ", code + "[DC1]Event[DC2]"); }
  std::vector<std::string> GridColumn(int col) { return Column(*MainForm->HJGrid, col); }
  std::vector<std::string> ElementTexts() {
    std::vector<std::string> texts;
    for (TMVWEdit* edit : MainForm->ElementEdits)
      texts.push_back(edit->GetText());
    return texts;
  }

  test::TTemporaryCurrentFolder Folder{"marivo-corvella-"};
};

} // namespace marivo::corvella
