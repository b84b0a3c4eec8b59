#include "widgets/controls/MVWImageLink.h"

#include "widgets/foundation/MVWBitmapEffectObject.h"

namespace marivo {

TMVWImageLink::TMVWImageLink(TComponent& owner, TNotifyEvent changed)
    : Owner_(owner), Changed_(std::move(changed)) {
  Link_.OnChange = [this](TObject*) { Changed(); };
}

TMVWImageLink::~TMVWImageLink() {
  Link_.OnChange = nullptr;
  if (ImageList_ && Link_.Sender())
    ImageList_->RemoveFreeNotification(&Owner_);
}

void TMVWImageLink::Changed() {
  if (Changed_)
    Changed_(&Owner_);
}

void TMVWImageLink::SetImageList(TMVWCustomImageList* list) {
  if (ImageList_ && Link_.Sender()) {
    ImageList_->RemoveChangeLink(&Link_);
    ImageList_->RemoveFreeNotification(&Owner_);
  }
  ImageList_ = list;
  if (ImageList_) {
    ImageList_->AddChangeLink(&Link_);
    ImageList_->FreeNotification(&Owner_);
  }
  Changed();
}

void TMVWImageLink::SetIndexProperty(int index, int value) {
  int& field = index == 0 ? ImageIndex_ : ListIndex_;
  if (value >= 0 && Store(field, value) && ImageList_)
    Changed();
}

bool TMVWImageLink::ImageEmpty() const {
  return !ImageList_ || !ImageList_->IsValid(ListIndex_, ImageIndex_);
}

void TMVWImageLink::Removed(TComponent* component, TMVWBitmapEffectObject& backFX) {
  if (!component)
    return;
  if (ImageList_ && component == ImageList_) {
    // A list being destroyed has dropped the link already and must not be touched again.
    if (Link_.Sender()) {
      SetImageList(nullptr);
    } else {
      ImageList_ = nullptr;
      Changed();
    }
  }
  TMVWCustomImageList* blendList = backFX.AlphaBlend().ImageList();
  if (!(Owner_.ComponentState() & csDestroying) && blendList && component == blendList)
    backFX.AlphaBlend().SetImageList(nullptr);
}

void TMVWImageLink::SetInternalRef(const std::string& text) {
  if (TMVWCustomImageList* list = ReadContainerListRef(text))
    SetImageList(list);
}

} // namespace marivo
