// The socket header must come before any header that brings in the rest of Windows.
#include <winsock2.h>

#include "tests/support/RunningConsole.h"

#include "console/common/NoticeForms.h"
#include "console/tessaline/EditorForm.h"
#include "console/tessaline/MainForm.h"
#include "console/tessaline/Tessaline.h"
#include "platform/net/TcpClient.h"
#include "tests/support/FakeMeetServer.h"
#include "tests/support/MessagePump.h"

#include <windows.h>

namespace marivo::test {

TRunningConsole::~TRunningConsole() {
  Close();
}

void TRunningConsole::Start() {
  RegisterTessalineClasses();
  Clock_ = std::make_unique<TManualClock>();
  App_ = std::make_unique<TApplication>();
  App_->Initialize();
  App_->SetTitle("Marivo");
  App_->CreateForm(MainForm);
  App_->CreateForm(ObtainingIPAddress);
  App_->CreateForm(InvalidElements);
  App_->CreateForm(ScoresForm);
  App_->CreateForm(EditorForm);
}

void TRunningConsole::Close() {
  App_.reset();
  Clock_.reset();
  MainForm = nullptr;
  ObtainingIPAddress = nullptr;
  InvalidElements = nullptr;
  ScoresForm = nullptr;
  EditorForm = nullptr;
}

void TRunningConsole::ChooseLocalServer() {
  auto& hosts = NamedComponent<TListBox>(*MainForm, "HostIP");
  hosts.Items().Add("127.0.0.1");
  hosts.SetItemIndex(hosts.Items().Count() - 1);
}

bool TRunningConsole::ConnectTo(TFakeMeetServer& server) {
  NamedComponent<TIdTCPClient>(*MainForm, "client").SetPort(server.Port());
  NamedComponent<TButton>(*MainForm, "ConnectConsoles").Click();
  return server.WaitForFrames(1);
}

bool TRunningConsole::Receive(TFakeMeetServer& server, const std::string& frame) {
  auto& log = NamedComponent<TMemo>(*MainForm, "LogFile").Lines();
  const int before = log.Count();
  server.Send(frame);
  return PumpUntil([&] { return log.Count() > before; });
}

} // namespace marivo::test
