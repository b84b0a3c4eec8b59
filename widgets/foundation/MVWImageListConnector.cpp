#include "widgets/foundation/MVWImageListConnector.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWGraph.h"

namespace marivo {

// --- Connectors -------------------------------------------------------------------------------

TMVWBorImageListItem::TMVWBorImageListItem() {
  Link_.OnChange = [this](TObject*) {
    if (auto* items = dynamic_cast<TMVWBorImageListItems*>(Collection()))
      items->Connector().Change();
  };
}

void TMVWBorImageListItem::SetImageList(TCustomImageList* value) {
  if (value == ImageList_)
    return;
  if (ImageList_)
    ImageList_->UnRegisterChanges(&Link_);
  ImageList_ = value;
  if (value) {
    value->RegisterChanges(&Link_);
    if (auto* items = dynamic_cast<TMVWBorImageListItems*>(Collection()))
      value->FreeNotification(&items->Connector());
  }
  Changed(false);
}

void TMVWBorImageListItem::Assign(const TPersistent& source) {
  const auto* item = dynamic_cast<const TMVWBorImageListItem*>(&source);
  if (!item) {
    TCollectionItem::Assign(source);
    return;
  }
  Name_ = item->Name_;
  SetImageList(item->ImageList_);
}

TMVWBorImageListItems::TMVWBorImageListItems(TMVWImageListConnector& connector)
    : TCollection(&connector, [] { return std::make_unique<TMVWBorImageListItem>(); }),
      Connector_(connector) {}

TMVWImageListConnector::TMVWImageListConnector(TComponent* owner)
    : TMVWCustomImageList(owner), ImageLists_(*this) {}

TCustomImageList* TMVWImageListConnector::ListOf(int list) const {
  if (list < 0 || list >= ImageLists_.Count())
    return nullptr;
  return ImageLists_.Items(list)->ImageList();
}

RECT TMVWImageListConnector::GetPartRect(int list, int) {
  TCustomImageList* images = ListOf(list);
  return images ? RECT{0, 0, images->Width(), images->Height()} : RECT{};
}

int TMVWImageListConnector::GetSize(int list, int which) {
  TCustomImageList* images = ListOf(list);
  if (!images)
    return 0;
  return which == 0 ? images->Width() : images->Height();
}

int TMVWImageListConnector::GetImageCount(int list) {
  TCustomImageList* images = ListOf(list);
  return images ? images->Count() : -1;
}

bool TMVWImageListConnector::IsValid(int list, int image) {
  TCustomImageList* images = ListOf(list);
  return images && image >= 0 && image < images->Count();
}

void TMVWImageListConnector::GetBitmap(int list, int image, TBitmap& bitmap) {
  if (IsValid(list, image))
    ListOf(list)->GetBitmap(image, bitmap);
}

bool TMVWImageListConnector::IsMasked(int list) {
  TCustomImageList* images = ListOf(list);
  return images && images->Masked();
}

TColor TMVWImageListConnector::GetTransparentColor(int list, int image) {
  if (!IsValid(list, image))
    return OutOfRangeColor;
  TBitmap copy;
  GetBitmap(list, image, copy);
  return copy.TransparentColor();
}

void TMVWImageListConnector::DrawAt(TCanvas& canvas, int x, int y, int list, int image) {
  if (IsValid(list, image))
    ListOf(list)->Draw(canvas, x, y, image);
}

void TMVWImageListConnector::DrawInRect(TCanvas& canvas, const RECT& rect, int list, int image,
                                        std::uint16_t flags) {
  DrawCopied(canvas, rect, list, image, GetTransparentColor(list, image), 0, flags);
}

void TMVWImageListConnector::DrawExtended(TCanvas& canvas, const RECT& rect, int list, int image,
                                          TColor color, std::uint32_t clipOffset,
                                          std::uint16_t flags) {
  DrawCopied(canvas, rect, list, image, color, clipOffset, flags);
}

void TMVWImageListConnector::Assign(const TPersistent& source) {
  const auto* connector = dynamic_cast<const TMVWImageListConnector*>(&source);
  if (!connector) {
    TMVWCustomImageList::Assign(source);
    return;
  }
  ImageLists_.Assign(connector->ImageLists_);
  Change();
}

void TMVWImageListConnector::Notification(TComponent* component, TOperation operation) {
  TMVWCustomImageList::Notification(component, operation);
  if (operation != opRemove)
    return;
  for (int i = 0; i < ImageLists_.Count(); ++i)
    if (ImageLists_.Items(i)->ImageList() == component)
      ImageLists_.Items(i)->SetImageList(nullptr);
}

bool IsImageListConnector(const TMVWCustomImageList* list) {
  return dynamic_cast<const TMVWImageListConnector*>(list) != nullptr;
}

void RegisterMVWImageListConnector() {
  using I = TMVWBorImageListItem;
  RegisterPersistentClass<I, TCollectionItem>("TMVWBorImageListItem")
      .String("Name", &I::Name, &I::SetName, std::string())
      .Component("ImageList", &I::ImageList, &I::SetImageList);
  using T = TMVWImageListConnector;
  RegisterComponentClass<T, TMVWCustomImageList>("TMVWImageListConnector")
      .String("About", &T::About, &T::SetAbout, std::string())
      .Collection("ImageLists", &T::ImageLists);
}

} // namespace marivo
