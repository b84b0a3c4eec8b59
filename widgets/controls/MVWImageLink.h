#pragma once

#include "widgets/foundation/MVWContainer.h"

#include <string>

namespace marivo {

class TMVWBitmapEffectObject;

// The image-list link shared by the window-less and the windowed widget bases: the list, the
// pair of indexes into it and the change link that reports the list's changes to the control.
class TMVWImageLink {
public:
  static constexpr int DefaultListIndex = 0;
  static constexpr int DefaultImageIndex = 0;
  // owner hears of the list's destruction; changed runs when the list or an index changed.
  TMVWImageLink(TComponent& owner, TNotifyEvent changed);
  ~TMVWImageLink();
  TMVWImageLink(const TMVWImageLink&) = delete;
  TMVWImageLink& operator=(const TMVWImageLink&) = delete;

  TMVWCustomImageList* ImageList() const { return ImageList_; }
  void SetImageList(TMVWCustomImageList* list);
  int ImageIndex() const { return ImageIndex_; }
  int ListIndex() const { return ListIndex_; }
  // index 0 ImageIndex, 1 ListIndex; negative or unchanged values are ignored, and the change
  // is told only while a list is set.
  void SetIndexProperty(int index, int value);
  bool ImageEmpty() const;
  // The owner heard that component goes; drops it where it is linked, backFX's blend included
  // unless the owner is going too.
  void Removed(TComponent* component, TMVWBitmapEffectObject& backFX);
  // "Internal" of form data: the signature of a global list, "" for any other.
  std::string InternalRef() const { return WriteContainerListRef(ImageList_); }
  void SetInternalRef(const std::string& text);

private:
  void Changed();

  TComponent& Owner_;
  TMVWChangeLink Link_;
  TNotifyEvent Changed_;
  TMVWCustomImageList* ImageList_ = nullptr;
  int ImageIndex_ = DefaultImageIndex;
  int ListIndex_ = DefaultListIndex;
};

} // namespace marivo
