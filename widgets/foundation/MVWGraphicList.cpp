#include "widgets/foundation/MVWGraphicList.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWGraph.h"

namespace marivo {

// --- Graphic lists ----------------------------------------------------------------------------

TMVWGraphicListItem::TMVWGraphicListItem() {
  Picture_.OnChange = [this](TObject*) { Changed(false); };
}

void TMVWGraphicListItem::SetName(const std::string& value) {
  if (Store(Name_, value))
    Changed(false);
}

void TMVWGraphicListItem::Assign(const TPersistent& source) {
  const auto* item = dynamic_cast<const TMVWGraphicListItem*>(&source);
  if (!item) {
    TCollectionItem::Assign(source);
    return;
  }
  Name_ = item->Name_;
  Picture_.Assign(item->Picture_);
}

TMVWGraphicListItems::TMVWGraphicListItems(TMVWGraphicList& list)
    : TCollection(&list, [] { return std::make_unique<TMVWGraphicListItem>(); }), List_(list) {}

void TMVWGraphicListItems::Update(TCollectionItem*) {
  List_.Change();
}

TMVWGraphicList::TMVWGraphicList(TComponent* owner)
    : TMVWCustomImageList(owner), Graphics_(*this),
      Shared_(std::make_unique<TMVWListItem>(nullptr)) {}

TMVWListItem* TMVWGraphicList::Item(int index) const {
  if (index < 0 || index >= Graphics_.Count())
    return nullptr;
  Shared_->SetDescription(Graphics_.Items(index)->Name());
  return Shared_.get();
}

TPicture* TMVWGraphicList::PictureOf(int list) const {
  if (list < 0 || list >= Graphics_.Count())
    return nullptr;
  TPicture& picture = Graphics_.Items(list)->Picture();
  return picture.Graphic() && !picture.Graphic()->Empty() ? &picture : nullptr;
}

RECT TMVWGraphicList::GetPartRect(int list, int) {
  TPicture* picture = PictureOf(list);
  return picture ? RECT{0, 0, picture->Width(), picture->Height()} : RECT{};
}

int TMVWGraphicList::GetSize(int list, int which) {
  TPicture* picture = PictureOf(list);
  if (!picture)
    return 0;
  return which == 0 ? picture->Width() : picture->Height();
}

int TMVWGraphicList::GetImageCount(int list) {
  return PictureOf(list) ? 1 : 0;
}

bool TMVWGraphicList::IsValid(int list, int) {
  return PictureOf(list) != nullptr;
}

void TMVWGraphicList::GetBitmap(int list, int, TBitmap& bitmap) {
  TPicture* picture = PictureOf(list);
  if (!picture)
    return;
  if (auto* source = dynamic_cast<TBitmap*>(picture->Graphic())) {
    bitmap.Assign(*source);
    return;
  }
  bitmap.SetSize(picture->Width(), picture->Height());
  bitmap.Canvas().Brush().SetColor(clWhite);
  bitmap.Canvas().FillRect({0, 0, picture->Width(), picture->Height()});
  picture->Graphic()->Draw(bitmap.Canvas(), {0, 0, picture->Width(), picture->Height()});
}

HPALETTE TMVWGraphicList::GetPalette(int list) {
  TPicture* picture = PictureOf(list);
  auto* bitmap = picture ? dynamic_cast<TBitmap*>(picture->Graphic()) : nullptr;
  return bitmap ? bitmap->Palette() : nullptr;
}

TColor TMVWGraphicList::GetTransparentColor(int list, int image) {
  if (!IsValid(list, image))
    return clNone;
  TBitmap copy;
  GetBitmap(list, image, copy);
  return copy.TransparentColor();
}

void TMVWGraphicList::DrawAt(TCanvas& canvas, int x, int y, int list, int) {
  if (TPicture* picture = PictureOf(list))
    picture->Graphic()->Draw(canvas, {x, y, x + picture->Width(), y + picture->Height()});
}

void TMVWGraphicList::DrawInRect(TCanvas& canvas, const RECT& rect, int list, int image,
                                 std::uint16_t flags) {
  DrawCopied(canvas, rect, list, image, GetTransparentColor(list, image), 0, flags);
}

void TMVWGraphicList::DrawExtended(TCanvas& canvas, const RECT& rect, int list, int image,
                                   TColor color, std::uint32_t clipOffset, std::uint16_t flags) {
  DrawCopied(canvas, rect, list, image, color, clipOffset, flags);
}

void TMVWGraphicList::Assign(const TPersistent& source) {
  const auto* list = dynamic_cast<const TMVWGraphicList*>(&source);
  if (!list) {
    TMVWCustomImageList::Assign(source);
    return;
  }
  Graphics_.Assign(list->Graphics_);
  Change();
}

void RegisterMVWGraphicList() {
  RegisterPersistentClass<TMVWGraphicListItem, TCollectionItem>("TMVWGraphicListItem")
      .String("Name", &TMVWGraphicListItem::Name, &TMVWGraphicListItem::SetName, std::string())
      .Class("Picture", &TMVWGraphicListItem::Picture);
  RegisterComponentClass<TMVWGraphicList, TMVWCustomImageList>("TMVWGraphicList")
      .String("About", &TMVWGraphicList::About, &TMVWGraphicList::SetAbout, std::string())
      .Collection("Graphics", &TMVWGraphicList::Graphics);
}

} // namespace marivo
