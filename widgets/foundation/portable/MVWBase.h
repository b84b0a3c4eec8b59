#pragma once

#include "platform/rtl/Components.h"

#include <string>

namespace marivo {

// Base of every persistent sub-object of the widget library (bevels, fills, captions, waves...):
// a change event its owner subscribes to, and an update lock that holds it back while several
// properties are set. The lock is a flag, not a counter: the first EndUpdate releases it.
class TMVWObject : public TPersistent {
public:
  TMVWObject() = default;

  void BeginUpdate() { Locked_ = true; }
  void EndUpdate(bool notify);
  bool Locked() const { return Locked_; }

  // The handler a sub-object installs as OnChange of the sub-objects it owns.
  virtual void SubObjectChanged(TObject* sender);
  // Fires OnChange unless locked.
  virtual void Change();
  // A text describing the settings; "" here.
  virtual std::string DescribeSettings() const { return {}; }

  TNotifyEvent OnChange;

private:
  bool Locked_ = false;
};

// The text type of the About property that widget components publish; nothing reads it.
using TMVWAboutVar = std::string;

// Base of every non-visual widget component, with the same change event and update lock.
class TMVWCustomComponent : public TComponent {
public:
  explicit TMVWCustomComponent(TComponent* owner) : TComponent(owner) {}

  const TMVWAboutVar& About() const { return About_; }
  void SetAbout(const TMVWAboutVar& value) { About_ = value; }

  void BeginUpdate() { Locked_ = true; }
  void EndUpdate(bool notify);
  bool Locked() const { return Locked_; }

  // Called by a container this component is linked to.
  virtual void ContainerChanged(TObject* sender);
  virtual void Change();

  TNotifyEvent OnChange;

private:
  TMVWAboutVar About_;
  bool Locked_ = false;
};

// Holds the update lock of a sub-object or component for a scope, so that a load that raises
// does not leave it silenced for good: leaving without Release unlocks without notifying.
template <class T> class TMVWUpdateGuard {
public:
  explicit TMVWUpdateGuard(T& object) : Object_(object) { object.BeginUpdate(); }
  ~TMVWUpdateGuard() {
    if (!Released_)
      Object_.EndUpdate(false);
  }
  TMVWUpdateGuard(const TMVWUpdateGuard&) = delete;
  TMVWUpdateGuard& operator=(const TMVWUpdateGuard&) = delete;
  void Release(bool notify) {
    Released_ = true;
    Object_.EndUpdate(notify);
  }

private:
  T& Object_;
  bool Released_ = false;
};

// Makes the bases known to form data; the first call does it.
void RegisterMVWBaseClasses();

} // namespace marivo
