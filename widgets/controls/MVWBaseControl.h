#pragma once

#include "widgets/controls/MVWControl.h"
#include "widgets/controls/MVWImageLink.h"
#include "widgets/foundation/MVWBitmapEffectObject.h"

#include <memory>
#include <string>

namespace marivo {

// A window-less widget drawing from an image list, with background effects.
class TMVWBaseControl : public TMVWControl {
public:
  explicit TMVWBaseControl(TComponent* owner);
  ~TMVWBaseControl() override;

  TMVWCustomImageList* ImageList() const { return ImageLink_.ImageList(); }
  void SetImageList(TMVWCustomImageList* list) { ImageLink_.SetImageList(list); }
  int ImageIndex() const { return ImageLink_.ImageIndex(); }
  void SetImageIndex(int value) { SetIndexProperty(0, value); }
  int ListIndex() const { return ImageLink_.ListIndex(); }
  void SetListIndex(int value) { SetIndexProperty(1, value); }
  // 0 ImageIndex, 1 ListIndex.
  void SetIndexProperty(int index, int value) { ImageLink_.SetIndexProperty(index, value); }
  bool ImageEmpty() const { return ImageLink_.ImageEmpty(); }
  TMVWBitmapEffectObject& BackFX() const { return *BackFX_; }
  // "Internal" of form data: the signature of a global image list.
  std::string InternalListRef() const { return ImageLink_.InternalRef(); }
  void SetInternalListRef(const std::string& text) { ImageLink_.SetInternalRef(text); }

  virtual bool ParentBackActive() { return false; }
  virtual void ImageListChanged() { Changed(); }
  RECT ClientRectToScreen(const RECT& rect);

  void Loaded() override;
  void WndProc(TMessage& message) override;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TMVWImageLink ImageLink_;
  std::unique_ptr<TMVWBitmapEffectObject> BackFX_;
};

// Makes the base known to form data.
void RegisterMVWBaseControl();

} // namespace marivo
