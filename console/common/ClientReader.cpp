#include "console/common/ClientReader.h"

#include "console/common/ConsoleMessages.h"
#include "console/common/protocol/Protocol.h"

namespace marivo {

TClientReader::TClientReader(std::shared_ptr<TTcpConnection> connection, HWND window)
    : Connection_(std::move(connection)), Window_(window) {
  SetFreeOnTerminate(true);
}

void TClientReader::Execute() {
  try {
    while (!Terminated() && Connection_->Connected()) {
      const std::string frame = Connection_->ReadLn(EOT) + EOT;
      TReaderLine line{Connection_->Id(), &frame};
      SendMessageA(Window_, WM_READERLINE, reinterpret_cast<WPARAM>(&line), 0);
    }
  } catch (...) {
    // A failed read ends the loop as any other end does.
  }
  // Reported however the loop ended: a write on the main thread may have closed the connection
  // with no read error here. Posted, not sent: the main thread may be closing it right now.
  Connection_->Close();
  PostMessageA(Window_, WM_READERENDED, static_cast<WPARAM>(Connection_->Id()), 0);
}

} // namespace marivo
