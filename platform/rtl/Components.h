#pragma once

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Setters.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace marivo {

class TComponentReader;

// Root of every class the form data and the class registry know.
class TObject {
public:
  virtual ~TObject() = default;
  // The registered name of the class, or of its nearest registered ancestor (ClassRegistry.h).
  virtual std::string ClassName() const;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// An object whose published state can be copied from another (Assign) and stored in form data.
class TPersistent : public TObject {
public:
  // Raises EConvertError "Cannot assign a <source> to a <this>" unless a descendant knows how.
  virtual void Assign(const TPersistent& source);

  // The handler name form data bound to one of this object's events, so a writer can put it back;
  // "" for events set in code.
  std::string HandlerName(const std::string& eventName) const;
  void SetHandlerName(const std::string& eventName, const std::string& handlerName);

private:
  std::vector<std::pair<std::string, std::string>> HandlerNames_;
};

enum TOperation { opInsert, opRemove };

using TComponentState = std::uint8_t;
enum : TComponentState {
  csLoading = 1 << 0,
  csReading = 1 << 1,
  csDestroying = 1 << 2,
  csFreeNotification = 1 << 3,
};

// A named persistent object owned by another component, which frees it.
class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* owner);
  // Frees owned components (last first), tells free-notification listeners and leaves the owner.
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return Owner_; }
  const std::string& Name() const { return Name_; }
  // "" or an identifier unique (case-insensitively) among the owner's components, else
  // EComponentError.
  virtual void SetName(const std::string& name);
  std::int64_t Tag() const { return Tag_; }
  void SetTag(std::int64_t tag);
  TComponentState ComponentState() const { return State_; }

  int ComponentCount() const { return static_cast<int>(Components_.size()); }
  TComponent* Components(int index) const; // EListError when out of bounds
  TComponent* FindComponent(const std::string& name) const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // For descendants whose owned components must go while the descendant's own members still
  // exist: call it from their destructor.
  void DestroyComponents();

  // `component` gets Notification(this, opRemove) when this is destroyed.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);
  // Points a reference member at `value`, moving this component's free notification from the
  // old one to the new; false when it pointed there already.
  template <class T> bool ReplaceWatched(T*& reference, T* value) {
    if (reference == value)
      return false;
    if (reference)
      reference->RemoveFreeNotification(this);
    reference = value;
    if (value)
      value->FreeNotification(this);
    return true;
  }

  virtual void Loaded() {}
  virtual void SetParentComponent(TComponent*) {}
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual bool HasParent() const { return false; }
  // The components the writer stores inside this one; the default lists, for the root, its owned
  // components that have no parent.
  virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
  // The owner of the children form data reads into this component; nullptr: the root.
  virtual TComponent* GetChildOwner() { return nullptr; }
  // Called by the reader once this component's properties and children are read.
  virtual void ReadState(TComponent* readerParent) { (void)readerParent; }

protected:
  // Sent on inserting and removing owned components and to free-notification listeners; the
  // default passes it on to every owned component.
  virtual void Notification(TComponent* component, TOperation operation);

private:
  friend class TComponentReader;
  void IncludeState(TComponentState state) { State_ |= state; }
  void ExcludeState(TComponentState state) { State_ &= static_cast<TComponentState>(~state); }
  void Unlink(TComponent* component);

  TComponent* Owner_ = nullptr;
  std::string Name_;
  std::int64_t Tag_ = 0;
  TComponentState State_ = 0;
  std::vector<TComponent*> Components_;
  std::vector<TComponent*> FreeNotifies_;
};

// The owned component of that name and class; EComponentError naming it when there is none.
template <class T> T& NamedComponent(const TComponent& owner, const std::string& name) {
  T* component = dynamic_cast<T*>(owner.FindComponent(name));
  if (!component)
    throw EComponentError(owner.Name() + " has no " + name + " of the expected class");
  return *component;
}

} // namespace marivo
