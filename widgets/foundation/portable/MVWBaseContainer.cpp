#include "widgets/foundation/portable/MVWBaseContainer.h"

#include "platform/rtl/ClassRegistry.h"

#include <algorithm>
#include <cstring>

namespace marivo {

// --- Links ------------------------------------------------------------------------------------

TMVWChangeLink::~TMVWChangeLink() {
  if (Sender_)
    Sender_->RemoveChangeLink(this);
}

void TMVWChangeLink::Change() {
  if (TNotifyEvent handler = OnChange)
    handler(Sender_);
}

TMVWBaseContainer::~TMVWBaseContainer() {
  for (TMVWChangeLink* link : Links_)
    link->Sender_ = nullptr;
}

void TMVWBaseContainer::AddChangeLink(TMVWChangeLink* link) {
  if (!link || std::find(Links_.begin(), Links_.end(), link) != Links_.end())
    return;
  if (link->Sender_)
    link->Sender_->RemoveChangeLink(link);
  link->Sender_ = this;
  Links_.push_back(link);
}

void TMVWBaseContainer::RemoveChangeLink(TMVWChangeLink* link) {
  const auto found = std::find(Links_.begin(), Links_.end(), link);
  if (found == Links_.end())
    return;
  link->Sender_ = nullptr;
  Links_.erase(found);
}

void TMVWBaseContainer::Change() {
  // A handler may unregister its link, so the links run from a copy.
  const std::vector<TMVWChangeLink*> links = Links_;
  for (TMVWChangeLink* link : links)
    if (std::find(Links_.begin(), Links_.end(), link) != Links_.end())
      link->Change();
  TMVWCustomComponent::Change();
}

void RegisterMVWBaseContainer() {
  RegisterComponentClass<TMVWBaseContainer, TMVWCustomComponent>("TMVWBaseContainer");
}

} // namespace marivo
