#include "widgets/foundation/MVWBitmapList.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Streams.h"
#include "widgets/foundation/MVWBitmapStreams.h"
#include "widgets/foundation/MVWGraph.h"

namespace marivo {

// --- Bitmap items -----------------------------------------------------------------------------

void TMVWBitmapListItem::SetBitmap(const TBitmap& value) {
  Bitmap_.Assign(value);
  Change();
}

bool TMVWBitmapListItem::NamesPictureFile() const {
  return !Bitmap_.File().empty() && Description().empty() && Ident() == 0 && !Compressed() &&
         PixelFormat_ == spfDefault;
}

std::uint8_t TMVWBitmapListItem::GetFlags() const {
  return TMVWListItem::GetFlags() | (IsEmpty() ? 0 : ItemHasData) | PixelFormatFlag(PixelFormat_);
}

void TMVWBitmapListItem::SaveToStream(TStream& stream) {
  if (WriteHeader(stream))
    WriteBitmap(stream, Bitmap_, Compressed(), PixelFormatCode(PixelFormat_));
}

void TMVWBitmapListItem::LoadFromStream(TStream& stream) {
  Bitmap_.SetSize(0, 0);
  if (ReadHeader(stream) & ItemHasData)
    ReadBitmap(stream, Bitmap_, Compressed());
}

void TMVWBitmapListItem::Assign(const TPersistent& source) {
  TMVWListItem::Assign(source);
  if (auto* item = dynamic_cast<const TMVWBitmapListItem*>(&source))
    Bitmap_.Assign(item->Bitmap_);
}

TMVWBitmapList::TMVWBitmapList(TComponent* owner) : TMVWCustomImageList(owner) {
  SetListKind(1);
}

TBitmap* TMVWBitmapList::BitmapOf(int list) const {
  TMVWBitmapListItem* item = Item(list);
  return item ? &item->Bitmap() : nullptr;
}

TCanvas* TMVWBitmapList::GetCanvas(int list) {
  TBitmap* bitmap = BitmapOf(list);
  return bitmap ? &bitmap->Canvas() : nullptr;
}

RECT TMVWBitmapList::GetPartRect(int list, int) {
  TBitmap* bitmap = BitmapOf(list);
  return bitmap ? RECT{0, 0, bitmap->Width(), bitmap->Height()} : RECT{};
}

int TMVWBitmapList::GetSize(int list, int which) {
  TBitmap* bitmap = BitmapOf(list);
  if (!bitmap)
    return 0;
  return which == 0 ? bitmap->Width() : bitmap->Height();
}

int TMVWBitmapList::GetImageCount(int list) {
  TBitmap* bitmap = BitmapOf(list);
  return bitmap && !bitmap->Empty() ? 1 : 0;
}

bool TMVWBitmapList::IsValid(int list, int) {
  return GetImageCount(list) == 1;
}

void TMVWBitmapList::GetBitmap(int list, int, TBitmap& bitmap) {
  if (TBitmap* source = BitmapOf(list))
    bitmap.Assign(*source);
}

HPALETTE TMVWBitmapList::GetPalette(int list) {
  TBitmap* bitmap = BitmapOf(list);
  return bitmap ? bitmap->Palette() : nullptr;
}

TColor TMVWBitmapList::GetTransparentColor(int list, int) {
  TBitmap* bitmap = BitmapOf(list);
  return bitmap && !bitmap->Empty() ? bitmap->TransparentColor() : OutOfRangeColor;
}

TColor TMVWBitmapList::GetPixel(POINT point, int list, int) {
  TBitmap* bitmap = BitmapOf(list);
  if (!bitmap || point.x < 0 || point.y < 0 || point.x >= bitmap->Width() ||
      point.y >= bitmap->Height())
    return OutOfRangeColor;
  return bitmap->Pixels(point.x, point.y);
}

void TMVWBitmapList::DrawAt(TCanvas& canvas, int x, int y, int list, int) {
  TBitmap* bitmap = BitmapOf(list);
  if (!bitmap || bitmap->Empty())
    return;
  RECT used;
  DrawBitmapAligned(canvas, {x, y, x + bitmap->Width(), y + bitmap->Height()}, *bitmap, used,
                    bitmap->TransparentColor(), 0);
}

void TMVWBitmapList::DrawInRect(TCanvas& canvas, const RECT& rect, int list, int,
                                std::uint16_t flags) {
  TBitmap* bitmap = BitmapOf(list);
  if (!bitmap || bitmap->Empty())
    return;
  RECT used;
  DrawBitmapAligned(canvas, rect, *bitmap, used, bitmap->TransparentColor(), flags);
}

void TMVWBitmapList::DrawExtended(TCanvas& canvas, const RECT& rect, int list, int, TColor color,
                                  std::uint32_t clipOffset, std::uint16_t flags) {
  if (TBitmap* bitmap = BitmapOf(list); bitmap && !bitmap->Empty())
    DrawBitmapInRect(canvas, rect, *bitmap, color, clipOffset, flags);
}

bool LoadBitmapFromListFile(const std::string& fileName, int ident, TBitmap& bitmap) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  std::int32_t count = 0;
  std::vector<std::int32_t> positions;
  if (ReadListKind(file, count, &positions) != 1)
    throw Exception("Cannot open file %s: " + fileName);
  if (ident < 0 || ident >= static_cast<int>(positions.size()))
    return false;
  file.SetPosition(positions[static_cast<std::size_t>(ident)]);
  TMVWBitmapListItem item(nullptr);
  item.LoadFromStream(file);
  bitmap.Assign(item.Bitmap());
  return !bitmap.Empty();
}

void RegisterMVWBitmapList() {
  PublishImageListDefaults(
      RegisterComponentClass<TMVWBitmapList, TMVWCustomImageList>("TMVWBitmapList"));
  using T = TMVWBitmapListItem;
  RegisterComponentClass<T, TMVWListItem>("TMVWBitmapListItem")
      .Class("Bitmap", &T::Bitmap)
      .Stored(&T::NamesPictureFile)
      .Binary("Internal", &TMVWListItem::ReadInternal, &TMVWListItem::WriteInternal,
              [](const T& item) { return !item.NamesPictureFile(); });
}

} // namespace marivo
