#pragma once

#include "platform/ui/Controls.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace marivo::test {

// The messages that reached the recording controls of a test and the events their handlers
// noted, in one order, by control name.
class TMessageRecorder {
public:
  void Record(const TControl& control, UINT msg) { Log_.push_back({control.Name(), msg, {}}); }
  void Note(const std::string& name, const std::string& event) { Log_.push_back({name, 0, event}); }
  // A handler that notes the event of the control named name.
  TNotifyEvent Noting(const std::string& name, const std::string& event) {
    return [this, name, event](TObject*) { Note(name, event); };
  }
  // A button group's change handler that notes "change <button index>", then runs bound.
  std::function<void(TObject*, int)> NotingChange(const std::string& name,
                                                  std::function<void(TObject*, int)> bound) {
    return [this, name, bound](TObject* sender, int index) {
      Note(name, "change " + std::to_string(index));
      if (bound)
        bound(sender, index);
    };
  }
  // The names of the controls that got msg, in order.
  std::vector<std::string> Receivers(UINT msg) const {
    std::vector<std::string> names;
    for (const auto& entry : Log_)
      if (entry.Msg == msg && entry.Event.empty())
        names.push_back(entry.Name);
    return names;
  }
  // The named messages as "control message" and the notes as "control.event", in order.
  std::vector<std::string> Sequence(const std::map<UINT, std::string>& messages = {}) const {
    std::vector<std::string> sequence;
    for (const auto& entry : Log_) {
      if (!entry.Event.empty())
        sequence.push_back(entry.Name + "." + entry.Event);
      else if (auto found = messages.find(entry.Msg); found != messages.end())
        sequence.push_back(entry.Name + " " + found->second);
    }
    return sequence;
  }
  void Clear() { Log_.clear(); }

private:
  struct TEntry {
    std::string Name;
    UINT Msg;
    std::string Event;
  };
  std::vector<TEntry> Log_;
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

} // namespace marivo::test
