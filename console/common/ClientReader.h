#pragma once

#include "platform/net/TcpConnection.h"
#include "platform/ui/Threads.h"

#include <memory>

namespace marivo {

// Reads the frames of one connection and hands each to the main form's window; on a read
// failure it closes that connection (only that one) and tells the window which one ended.
class TClientReader : public TThread {
public:
  TClientReader(std::shared_ptr<TTcpConnection> connection, HWND window);

protected:
  void Execute() override;

private:
  std::shared_ptr<TTcpConnection> Connection_;
  HWND Window_;
};

} // namespace marivo
