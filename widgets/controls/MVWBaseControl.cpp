#include "widgets/controls/MVWBaseControl.h"
#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWImageListConnector.h"

#include "widgets/foundation/MVWMessages.h"

namespace marivo {

TMVWBaseControl::TMVWBaseControl(TComponent* owner)
    : TMVWControl(owner), ImageLink_(*this, [this](TObject*) { ImageListChanged(); }),
      BackFX_(std::make_unique<TMVWBitmapEffectObject>()) {
  BackFX_->OnChange = [this](TObject*) { Changed(); };
}

TMVWBaseControl::~TMVWBaseControl() {
  BackFX_->OnChange = nullptr;
}

RECT TMVWBaseControl::ClientRectToScreen(const RECT& rect) {
  const POINT topLeft = ClientToScreen(POINT{rect.left, rect.top});
  const POINT bottomRight = ClientToScreen(POINT{rect.right, rect.bottom});
  return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void TMVWBaseControl::Loaded() {
  TMVWControl::Loaded();
  if (IsImageListConnector(ImageList()))
    ImageListChanged();
}

void TMVWBaseControl::Notification(TComponent* component, TOperation operation) {
  TMVWControl::Notification(component, operation);
  if (operation == opRemove)
    ImageLink_.Removed(component, *BackFX_);
}

void TMVWBaseControl::WndProc(TMessage& message) {
  if (message.Msg == CM_MVWBACKCHANGED) {
    if (Visible()) {
      if (!MVWControlLoading(*this) && ParentBackActive())
        Changed();
      BackFX_->InvalidateBuffer();
    }
    return;
  }
  TMVWControl::WndProc(message);
}

void RegisterMVWBaseControl() {
  // A global image list is named by its signature, as it belongs to no form.
  RegisterPersistentClass<TMVWBaseControl, TMVWControl>("TMVWBaseControl")
      .String("Internal", &TMVWBaseControl::InternalListRef, &TMVWBaseControl::SetInternalListRef,
              std::string());
}

} // namespace marivo
