#include "widgets/foundation/MVWCustomImageList.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWGraph.h"

namespace marivo {

// --- Image containers -------------------------------------------------------------------------

void TMVWCustomImageList::AssignDefaults(const TMVWCustomContainer& source) {
  TMVWCustomContainer::AssignDefaults(source);
  if (auto* list = dynamic_cast<const TMVWCustomImageList*>(&source))
    DefaultPixelFormat_ = list->DefaultPixelFormat_;
}

void TMVWCustomImageList::PrepareItem(TMVWListItem& item) {
  TMVWCustomContainer::PrepareItem(item);
  item.SetPixelFormat(DefaultPixelFormat_);
}

void TMVWCustomImageList::DrawCopied(TCanvas& canvas, const RECT& rect, int list, int image,
                                     TColor color, std::uint32_t clipOffset, std::uint16_t flags) {
  if (!IsValid(list, image))
    return;
  TBitmap copy;
  GetBitmap(list, image, copy);
  DrawBitmapInRect(canvas, rect, copy, color, clipOffset, flags);
}

void RegisterMVWCustomImageList() {
  RegisterComponentClass<TMVWCustomImageList, TMVWCustomContainer>("TMVWCustomImageList");
}

} // namespace marivo
