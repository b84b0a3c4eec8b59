#pragma once

#include "platform/rtl/Components.h"

#include <string>

namespace marivo {

// This computer's host name and IPv4 address as the socket stack reports them. Both are looked
// up on first use and again by ForceCheck.
class TIdIPWatch : public TComponent {
public:
  explicit TIdIPWatch(TComponent* owner);

  // Virtual so that a test can stand in for a socket stack whose lookup fails.
  virtual void ForceCheck();
  // The first IPv4 address of the host name; "" when it has none.
  const std::string& LocalIP();
  const std::string& LocalName();

private:
  bool Checked_ = false;
  std::string LocalIP_;
  std::string LocalName_;
};

} // namespace marivo
