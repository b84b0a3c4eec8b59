#pragma once

#include "console/common/ConsoleForm.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Timers.h"
#include "widgets/foundation/MVWFoundation.h"

#include <memory>
#include <string>

namespace marivo::test {

class TFakeMeetServer;

// The console as the program starts it: its classes registered, then the application and the
// forms in the program's order. Start is separate so a test can write settings first. Start and
// Close are the program's own: each console's tests link the file for theirs
// (RunningTessaline.cpp, RunningCorvella.cpp). Its timers run on a manual clock: their time
// passes only as the test moves it on.
class TRunningConsole {
public:
  TRunningConsole() = default;
  ~TRunningConsole();
  TRunningConsole(const TRunningConsole&) = delete;
  TRunningConsole& operator=(const TRunningConsole&) = delete;

  void Start();
  // The forms go with the application; the program's pointers must not outlive them.
  void Close();
  TApplication& App() { return *App_; }
  TManualClock& Clock() { return *Clock_; }
  TConsoleForm& MainWindow();

  // Lists 127.0.0.1 among the servers and selects it, so no connect leaves the machine.
  void ChooseLocalServer();
  // Connects on the server's port; false when the console's first frame never arrived.
  bool ConnectTo(TFakeMeetServer& server);
  // The server sends the frame and the main thread pumps until the console has handled it, as
  // the reader hands it over; false when it was not handled within seconds.
  bool Receive(TFakeMeetServer& server, const std::string& frame);

private:
  // As in the programs: the widget foundation outlives the application and its forms.
  std::unique_ptr<TMVWFoundation> Foundation_;
  std::unique_ptr<TManualClock> Clock_;
  std::unique_ptr<TApplication> App_;
};

} // namespace marivo::test
