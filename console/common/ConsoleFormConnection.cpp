#include "console/common/ClientReader.h"
#include "console/common/ConsoleForm.h"
#include "console/common/ConsoleMessages.h"
#include "console/common/NoticeForms.h"
#include "console/common/protocol/Protocol.h"
#include "console/common/protocol/TrafficLog.h"
#include "platform/net/TcpClient.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"

#include <cstdio>

namespace marivo {

namespace {

constexpr const char* CouldNotConnect =
    "Could not connect\rMake sure you have the correct ip address for the ZEL VARO\rand the ZEL "
    "VARO is running";

std::string SelectedText(TListBox& list) {
  return list.ItemIndex() >= 0 ? list.Items().Strings(list.ItemIndex()) : std::string();
}

void FocusIfEnabled(TButton& button) {
  if (button.Enabled() && button.CanFocus())
    button.SetFocus();
}

} // namespace

void TConsoleForm::SendFrame(const std::string& code, const std::string& payload) {
  auto& client = *this->client;
  try {
    client.Write(BuildFrame(code, CurrentDisciplineCode, OwnRoleCode, payload));
  } catch (const std::exception&) {
    // A score that could not leave must not be lost: the console reconnects once and shows the
    // confirmation again. Other frames carry nothing the official would miss.
    auto& reconnect = *ReconnectTimer;
    if (code == "SD" && !reconnect.Enabled()) {
      if (InvalidElements)
        InvalidElements->ShowAgain();
      reconnect.SetEnabled(true);
    }
  }
}

void TConsoleForm::LogTraffic(const std::string& text) {
  LogFile->Lines().Add(TrafficLogLine(text));
}

void TConsoleForm::AddChatLine(const std::string& text) {
  ChatFile->Lines().Add(text);
}

std::string TConsoleForm::ServerHost() {
  const std::string selected = SelectedText(*HostIP);
  return Pos("This Computer", selected) > 0 ? OwnIP : selected;
}

void TConsoleForm::ConnectConsolesClick(TObject*) {
  auto& client = *this->client;
  client.SetHost(ServerHost());
  try {
    client.Connect();
  } catch (const std::exception&) {
    ShowMessageBox(CouldNotConnect, Application ? Application->Title() : Caption(), MB_OK);
    return;
  }
  LastIP = SelectedText(*HostIP);
  LastRoleIndex = ClientChoice->ItemIndex();
  ConnectConsoles->SetEnabled(false);
  DisconnectConsoles->SetEnabled(true);
  ShowRolePage();
}

void TConsoleForm::clientConnected(TObject*) {
  SendFrame("CC", RoleCaption);
  auto* reader = new TClientReader(client->Connection(), Handle());
  reader->Start();
}

void TConsoleForm::DisconnectConsolesClick(TObject*) {
  auto& client = *this->client;
  if (client.Connected()) {
    SendFrame("CS", "Off");
    SendFrame("IP", "");
  }
  // Also a connection that a failed write closed: the buttons and tables come back.
  client.Disconnect();
}

void TConsoleForm::clientDisconnected(TObject*) {
  ConnectedClients->Items().Clear();
  ConnectConsoles->SetEnabled(true);
  DisconnectConsoles->SetEnabled(false);
  auto& connections = *GridConnections;
  for (int row = 1; row <= RoleCount(); ++row)
    if (connections.Cells(1, row) == OwnHostName) {
      connections.SetCells(1, row, "");
      connections.SetCells(2, row, "");
      connections.SetCells(3, row, "Off");
    }
}

void TConsoleForm::GoHome() {
  _Notebook->SetPageIndex(OpeningPage);
  if (DisconnectConsoles->Enabled())
    DisconnectConsolesClick(this);
}

void TConsoleForm::ButtonHomeClick(TObject*) {
  GoHome();
  FocusIfEnabled(*ConnectConsoles);
}

void TConsoleForm::StatusBar1DblClick(TObject*) {
  GoHome();
}

void TConsoleForm::ButtonSendMessageClick(TObject*) {
  const std::string text = EditMessage->GetText();
  if (!Trim(text).empty() && client->Connected())
    SendFrame("CM", text);
}

void TConsoleForm::ShowRetryCount() {
  ++RetryCount;
  SYSTEMTIME now;
  GetLocalTime(&now);
  char time[16];
  std::snprintf(time, sizeof time, "%02u:%02u.%02u", now.wHour, now.wMinute, now.wSecond);
  auto& status = *StatusBar1;
  if (status.Panels().Count() > 5)
    status.Panels().Items(5)->SetText("Retry Count: " + IntToStr(RetryCount) + "  " + time);
}

void TConsoleForm::ReconnectTimerTimer(TObject*) {
  ReconnectTimer->SetEnabled(false);
  ShowRetryCount();
  GoHome();
  auto& connect = *ConnectConsoles;
  FocusIfEnabled(connect);
  auto& client = *this->client;
  client.SetHost(ServerHost());
  try {
    client.Connect();
  } catch (const std::exception& error) {
    HandleApplicationException(error);
    return;
  }
  connect.SetEnabled(false);
  DisconnectConsoles->SetEnabled(true);
  ShowRolePage();
  ButtonSendScore->Click();
}

void TConsoleForm::WndProc(TMessage& message) {
  if (message.Msg != WM_READERLINE && message.Msg != WM_READERENDED) {
    TForm::WndProc(message);
    return;
  }
  // A reader of an earlier connection may still deliver what it read; that is stale now.
  auto& client = *this->client;
  const auto current = client.Connection();
  if (message.Msg == WM_READERLINE) {
    const auto* line = reinterpret_cast<const TReaderLine*>(message.WParam);
    if (current && current->Id() == line->ConnectionId)
      DispatchFrame(*line->Frame);
  } else if (current && current->Id() == static_cast<std::uint64_t>(message.WParam)) {
    client.Disconnect();
  }
}

} // namespace marivo
