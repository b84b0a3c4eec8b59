#pragma once

#include "platform/ui/Controls.h"

#include <string>
#include <utility>
#include <vector>

namespace marivo::testing {

// The messages that reached the recording controls of a test, in order, by control name.
class TMessageRecorder {
public:
  void Record(const TControl& control, UINT msg) { Log_.emplace_back(control.Name(), msg); }
  // The names of the controls that got msg, in order.
  std::vector<std::string> Receivers(UINT msg) const {
    std::vector<std::string> names;
    for (const auto& [name, logged] : Log_)
      if (logged == msg)
        names.push_back(name);
    return names;
  }
  void Clear() { Log_.clear(); }

private:
  std::vector<std::pair<std::string, UINT>> Log_;
};

// A control of class TBase that records every message its WndProc sees.
template <class TBase> class TRecording : public TBase {
public:
  TRecording(TComponent* owner, TMessageRecorder& recorder, const std::string& name)
      : TBase(owner), Recorder_(recorder) {
    this->SetName(name);
  }
  void WndProc(TMessage& message) override {
    Recorder_.Record(*this, message.Msg);
    TBase::WndProc(message);
  }

private:
  TMessageRecorder& Recorder_;
};

} // namespace marivo::testing
