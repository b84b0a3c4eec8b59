#include "console/common/ClientReader.h"
#include "console/common/ConsoleMessages.h"
#include "console/common/NoticeForms.h"
#include "console/common/protocol/Protocol.h"
#include "console/common/protocol/TrafficLog.h"
#include "console/tessaline/MainForm.h"
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

void TMainForm::SendFrame(const std::string& code, const std::string& payload) {
  auto& client = NamedComponent<TIdTCPClient>(*this, "client");
  try {
    client.Write(BuildFrame(code, CurrentDisciplineCode, OwnRoleCode, payload));
  } catch (const std::exception&) {
    // A score that could not leave must not be lost: the console reconnects once and shows the
    // confirmation again. Other frames carry nothing the official would miss.
    auto& reconnect = NamedComponent<TTimer>(*this, "ReconnectTimer");
    if (code == "SD" && !reconnect.Enabled()) {
      if (InvalidElements)
        InvalidElements->ShowAgain();
      reconnect.SetEnabled(true);
    }
  }
}

void TMainForm::LogTraffic(const std::string& text) {
  NamedComponent<TMemo>(*this, "LogFile").Lines().Add(TrafficLogLine(text));
}

void TMainForm::AddChatLine(const std::string& text) {
  NamedComponent<TMemo>(*this, "ChatFile").Lines().Add(text);
}

std::string TMainForm::ServerHost() {
  const std::string selected = SelectedText(NamedComponent<TListBox>(*this, "HostIP"));
  return Pos("This Computer", selected) > 0 ? OwnIP : selected;
}

void TMainForm::ConnectConsolesClick(TObject*) {
  auto& client = NamedComponent<TIdTCPClient>(*this, "client");
  client.SetHost(ServerHost());
  try {
    client.Connect();
  } catch (const std::exception&) {
    ShowMessageBox(CouldNotConnect, Application ? Application->Title() : Caption(), MB_OK);
    return;
  }
  LastIP = SelectedText(NamedComponent<TListBox>(*this, "HostIP"));
  LastRoleIndex = NamedComponent<TRadioGroup>(*this, "ClientChoice").ItemIndex();
  NamedComponent<TButton>(*this, "ConnectConsoles").SetEnabled(false);
  NamedComponent<TButton>(*this, "DisconnectConsoles").SetEnabled(true);
  ShowRolePage();
}

void TMainForm::clientConnected(TObject*) {
  SendFrame("CC", RoleCaption);
  auto* reader =
      new TClientReader(NamedComponent<TIdTCPClient>(*this, "client").Connection(), Handle());
  reader->Start();
}

void TMainForm::DisconnectConsolesClick(TObject*) {
  auto& client = NamedComponent<TIdTCPClient>(*this, "client");
  if (!client.Connected())
    return;
  SendFrame("CS", "Off");
  SendFrame("IP", "");
  client.Disconnect();
}

void TMainForm::clientDisconnected(TObject*) {
  NamedComponent<TListBox>(*this, "ConnectedClients").Items().Clear();
  NamedComponent<TButton>(*this, "ConnectConsoles").SetEnabled(true);
  NamedComponent<TButton>(*this, "DisconnectConsoles").SetEnabled(false);
  auto& connections = NamedComponent<TStringGrid>(*this, "GridConnections");
  for (int row = 1; row <= 20; ++row)
    if (connections.Cells(1, row) == OwnHostName) {
      connections.SetCells(1, row, "");
      connections.SetCells(2, row, "");
      connections.SetCells(3, row, "Off");
    }
}

void TMainForm::GoHome() {
  NamedComponent<TNotebook>(*this, "_Notebook").SetPageIndex(OpeningPage);
  if (NamedComponent<TButton>(*this, "DisconnectConsoles").Enabled())
    DisconnectConsolesClick(this);
}

void TMainForm::ButtonHomeClick(TObject*) {
  GoHome();
  FocusIfEnabled(NamedComponent<TButton>(*this, "ConnectConsoles"));
}

void TMainForm::StatusBar1DblClick(TObject*) {
  GoHome();
}

void TMainForm::ButtonSendMessageClick(TObject*) {
  const std::string text = NamedComponent<TEdit>(*this, "EditMessage").Text();
  if (!Trim(text).empty() && NamedComponent<TIdTCPClient>(*this, "client").Connected())
    SendFrame("CM", text);
}

void TMainForm::ShowRetryCount() {
  ++RetryCount;
  SYSTEMTIME now;
  GetLocalTime(&now);
  char time[16];
  std::snprintf(time, sizeof time, "%02u:%02u.%02u", now.wHour, now.wMinute, now.wSecond);
  auto& status = NamedComponent<TStatusBar>(*this, "StatusBar1");
  if (status.Panels().Count() > 5)
    status.Panels().Items(5)->SetText("Retry Count: " + IntToStr(RetryCount) + "  " + time);
}

void TMainForm::ReconnectTimerTimer(TObject*) {
  NamedComponent<TTimer>(*this, "ReconnectTimer").SetEnabled(false);
  ShowRetryCount();
  GoHome();
  auto& connect = NamedComponent<TButton>(*this, "ConnectConsoles");
  FocusIfEnabled(connect);
  auto& client = NamedComponent<TIdTCPClient>(*this, "client");
  client.SetHost(ServerHost());
  try {
    client.Connect();
  } catch (const std::exception& error) {
    HandleApplicationException(error);
    return;
  }
  connect.SetEnabled(false);
  NamedComponent<TButton>(*this, "DisconnectConsoles").SetEnabled(true);
  ShowRolePage();
  NamedComponent<TButton>(*this, "ButtonSendScore").Click();
}

void TMainForm::WndProc(TMessage& message) {
  if (message.Msg != WM_READERLINE && message.Msg != WM_READERENDED) {
    TForm::WndProc(message);
    return;
  }
  // A reader of an earlier connection may still deliver what it read; that is stale now.
  auto& client = NamedComponent<TIdTCPClient>(*this, "client");
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
