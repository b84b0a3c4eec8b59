#pragma once

#include "widgets/foundation/portable/MVWBase.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

class TMVWBaseContainer;

// --- Change links and containers --------------------------------------------------------------

// Tells a client of every change of the container it is registered with; freed, it unregisters.
class TMVWChangeLink : public TObject {
public:
  TMVWChangeLink() = default;
  ~TMVWChangeLink() override;
  TMVWChangeLink(const TMVWChangeLink&) = delete;
  TMVWChangeLink& operator=(const TMVWChangeLink&) = delete;

  TMVWBaseContainer* Sender() const { return Sender_; }
  virtual void Change();

  TNotifyEvent OnChange;

private:
  friend class TMVWBaseContainer;
  TMVWBaseContainer* Sender_ = nullptr;
};

// A non-visual container that tells its links of every change, also while its update lock holds
// back its own OnChange.
class TMVWBaseContainer : public TMVWCustomComponent {
public:
  explicit TMVWBaseContainer(TComponent* owner) : TMVWCustomComponent(owner) {}
  ~TMVWBaseContainer() override;

  void AddChangeLink(TMVWChangeLink* link);
  // Links that are not registered are ignored.
  void RemoveChangeLink(TMVWChangeLink* link);
  int LinkCount() const { return static_cast<int>(Links_.size()); }
  void Change() override;

private:
  std::vector<TMVWChangeLink*> Links_;
};

// Makes the container base known to form data.
void RegisterMVWBaseContainer();

} // namespace marivo
