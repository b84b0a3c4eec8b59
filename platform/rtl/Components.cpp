#include "platform/rtl/Components.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>

namespace marivo {

namespace {

bool IsValidIdent(const std::string& name) {
  auto isStart = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  };
  if (name.empty() || !isStart(name[0]))
    return false;
  return std::all_of(name.begin(), name.end(),
                     [&](char c) { return isStart(c) || (c >= '0' && c <= '9'); });
}

void Erase(std::vector<TComponent*>& list, TComponent* component) {
  list.erase(std::remove(list.begin(), list.end(), component), list.end());
}

} // namespace

std::string TObject::ClassName() const {
  return ClassNameOf(*this);
}

void TPersistent::Assign(const TPersistent& source) {
  throw EConvertError("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}

std::string TPersistent::HandlerName(const std::string& eventName) const {
  for (const auto& [event, handler] : HandlerNames_)
    if (SameText(event, eventName))
      return handler;
  return "";
}

void TPersistent::SetHandlerName(const std::string& eventName, const std::string& handlerName) {
  auto found = std::find_if(HandlerNames_.begin(), HandlerNames_.end(),
                            [&](const auto& entry) { return SameText(entry.first, eventName); });
  if (found == HandlerNames_.end()) {
    if (!handlerName.empty())
      HandlerNames_.emplace_back(eventName, handlerName);
  } else if (handlerName.empty()) {
    HandlerNames_.erase(found);
  } else {
    found->second = handlerName;
  }
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr)
    owner->InsertComponent(this);
}

TComponent::~TComponent() {
  State_ |= csDestroying;
  while (!FreeNotifies_.empty()) {
    TComponent* listener = FreeNotifies_.back();
    FreeNotifies_.pop_back();
    listener->Unlink(this);
    listener->Notification(this, opRemove);
  }
  DestroyComponents();
  if (Owner_ != nullptr)
    Owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
  if (name == Name_)
    return;
  if (!name.empty() && !IsValidIdent(name))
    throw EComponentError("'" + name + "' is not a valid component name");
  if (!name.empty() && Owner_ != nullptr) {
    const TComponent* existing = Owner_->FindComponent(name);
    if (existing != nullptr && existing != this)
      throw EComponentError("A component named " + name + " already exists");
  }
  Name_ = name;
}

void TComponent::SetTag(std::int64_t tag) {
  Tag_ = tag;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return Components_[static_cast<std::size_t>(index)];
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty())
    return nullptr;
  for (TComponent* component : Components_)
    if (SameText(component->Name_, name))
      return component;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component == nullptr || component->Owner_ == this)
    return;
  for (const TComponent* owner = this; owner != nullptr; owner = owner->Owner_)
    if (owner == component)
      throw EComponentError("A component cannot own itself or its owner");
  if (!component->Name_.empty() && FindComponent(component->Name_) != nullptr)
    throw EComponentError("A component named " + component->Name_ + " already exists");
  if (component->Owner_ != nullptr)
    component->Owner_->RemoveComponent(component);
  Components_.push_back(component);
  component->Owner_ = this;
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (component == nullptr || component->Owner_ != this)
    return;
  Erase(Components_, component);
  component->Owner_ = nullptr;
  Notification(component, opRemove);
}

void TComponent::DestroyComponents() {
  while (!Components_.empty()) {
    TComponent* component = Components_.back();
    component->State_ |= csDestroying;
    delete component;
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this)
    return;
  // Components of one owner hear of each other through the owner's Notification already.
  if (Owner_ != nullptr && component->Owner_ == Owner_)
    return;
  if (std::find(FreeNotifies_.begin(), FreeNotifies_.end(), component) == FreeNotifies_.end()) {
    FreeNotifies_.push_back(component);
    component->FreeNotifies_.push_back(this);
  }
  State_ |= csFreeNotification;
  component->State_ |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr)
    return;
  Unlink(component);
  component->Unlink(this);
}

void TComponent::Unlink(TComponent* component) {
  Erase(FreeNotifies_, component);
  if (FreeNotifies_.empty())
    ExcludeState(csFreeNotification);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
  if (root != this)
    return;
  for (TComponent* component : Components_)
    if (!component->HasParent())
      proc(component);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component != nullptr)
    RemoveFreeNotification(component);
  // A notified component may free others, so the index is clamped after each call.
  for (std::size_t i = Components_.size(); i > 0;) {
    --i;
    Components_[i]->Notification(component, operation);
    if (i > Components_.size())
      i = Components_.size();
  }
}

} // namespace marivo
