#include "widgets/controls/MVWGraphicControl.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWMessages.h"

namespace marivo {

TMVWGraphicControl::TMVWGraphicControl(TComponent* owner)
    : TMVWBaseGraphicControl(owner), Bevel_(std::make_unique<TMVWBevel>()) {
  Bevel_->OnChange = [this](TObject*) { Changed(); };
}

TMVWGraphicControl::~TMVWGraphicControl() {
  Bevel_->OnChange = nullptr;
}

void TMVWGraphicControl::SetBevel(const TMVWBevel& bevel) {
  Bevel_->Assign(bevel);
  Perform(CM_MVWBEVELCHANGED, 0, 0);
}

void TMVWGraphicControl::Paint() {
  if (MVWControlLoading(*this))
    return;
  if (CanPaintBack() && Bevel_->Extent() == 0)
    TMVWBaseGraphicControl::Paint();
  else
    Bevel_->PaintBevel(Canvas(), ClientRect(), Transparent());
}

void RegisterMVWGraphicControl() {
  RegisterPersistentClass<TMVWGraphicControl, TMVWBaseGraphicControl>("TMVWGraphicControl");
}

} // namespace marivo
