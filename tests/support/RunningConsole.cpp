// The socket header must come before any header that brings in the rest of Windows.
#include <winsock2.h>

#include "tests/support/RunningConsole.h"

#include "platform/net/TcpClient.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Edits.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Lists.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/MessagePump.h"

#include <windows.h>

namespace marivo::test {

TRunningConsole::~TRunningConsole() {
  Close();
}

TConsoleForm& TRunningConsole::MainWindow() {
  return static_cast<TConsoleForm&>(*App_->MainForm());
}

void TRunningConsole::ChooseLocalServer() {
  auto& hosts = NamedComponent<TListBox>(MainWindow(), "HostIP");
  hosts.Items().Add("127.0.0.1");
  hosts.SetItemIndex(hosts.Items().Count() - 1);
}

bool TRunningConsole::ConnectTo(TFakeMeetServer& server) {
  NamedComponent<TIdTCPClient>(MainWindow(), "client").SetPort(server.Port());
  NamedComponent<TButton>(MainWindow(), "ConnectConsoles").Click();
  return server.WaitForFrames(1);
}

bool TRunningConsole::Receive(TFakeMeetServer& server, const std::string& frame) {
  auto& log = NamedComponent<TMemo>(MainWindow(), "LogFile").Lines();
  const int before = log.Count();
  server.Send(frame);
  return PumpUntil([&] { return log.Count() > before; });
}

} // namespace marivo::test
