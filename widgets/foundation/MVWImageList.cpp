#include "widgets/foundation/MVWImageList.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/GdiHandles.h"
#include "widgets/foundation/MVWBitmapStreams.h"
#include "widgets/foundation/MVWGraph.h"

#include <algorithm>

namespace marivo {

namespace {

constexpr DWORD DestAndNotSource = 0x00220326;

[[noreturn]] void InvalidImageSize() {
  throw EInvalidGraphicOperation("Invalid image size");
}

// Masked drawing: the mask keeps the destination where it is white, the image (black there)
// is or'ed in.
void DrawThroughMask(HDC target, int x, int y, int w, int h, HDC mask, HDC image, int sx, int sy) {
  const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(target, RGB(255, 255, 255));
  BitBlt(target, x, y, w, h, mask, sx, sy, 0x8800C6);
  BitBlt(target, x, y, w, h, image, sx, sy, 0xEE0086);
  SetBkColor(target, oldBack);
  SetTextColor(target, oldText);
}

// A copy of the bitmap widened to width, its pixels kept at the left.
void Widen(TBitmap& bitmap, int width, int height, TColor fill) {
  TBitmap wider;
  wider.SetSize(width, height);
  wider.Canvas().Brush().SetColor(fill);
  wider.Canvas().FillRect({0, 0, width, height});
  if (!bitmap.Empty())
    BitBlt(wider.Canvas().Handle(), 0, 0, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(),
           0, 0, SRCCOPY);
  bitmap.Assign(wider);
}

} // namespace

// --- Image-list items -------------------------------------------------------------------------

TMVWImageListItem::TMVWImageListItem(TComponent* owner, int width, int height)
    : TMVWListItem(owner) {
  if (width < 1 || height < 1)
    InvalidImageSize();
  Size_.Width = width;
  Size_.Height = height;
}

void TMVWImageListItem::SetAllocBy(std::int32_t value) {
  if (value >= 1)
    Size_.AllocBy = value;
}

void TMVWImageListItem::SetWidth(std::int32_t value) {
  if (value > 0 && Store(Size_.Width, value))
    Clear();
}

void TMVWImageListItem::SetHeight(std::int32_t value) {
  if (value > 0 && Store(Size_.Height, value))
    Clear();
}

void TMVWImageListItem::SetMasked(bool value) {
  if (value == Size_.Masked)
    return;
  const int count = Count();
  Size_.Masked = value;
  Clear();
  if (count > 0) {
    EnsureCapacity(count);
    ResetEntries(count);
  }
}

RECT TMVWImageListItem::ImageRect(int index) const {
  const int x = static_cast<int>(Entry(index) & 0xFFFF);
  return {x, 0, x + Size_.Width, Size_.Height};
}

void TMVWImageListItem::ResetEntries(int count) {
  Entries_.clear();
  for (int i = 0; i < count; ++i)
    Entries_.push_back(static_cast<std::uint32_t>(i * Size_.Width) |
                       (Size_.Masked ? 0x10000u : 0u));
}

void TMVWImageListItem::EnsureCapacity(int images) {
  const int w = Size_.Width;
  if (std::int64_t{images} * w > MaxStripWidth)
    throw EInvalidGraphicOperation("Too many images");
  int capacity = Strip_.Empty() ? 0 : Strip_.Width() / w;
  if (images <= capacity && !Strip_.Empty())
    return;
  while (capacity < images)
    capacity += Size_.AllocBy;
  capacity = std::min(capacity, MaxStripWidth / w);
  Widen(Strip_, capacity * w, Size_.Height, clBlack);
  if (Size_.Masked) {
    Widen(MaskStrip_, capacity * w, Size_.Height, clWhite);
    MaskStrip_.SetPixelFormat(pf1bit);
  }
}

int TMVWImageListItem::AddImages(TBitmap& bitmap, TBitmap* mask) {
  const int w = Size_.Width;
  if (bitmap.Empty() || bitmap.Height() != Size_.Height || bitmap.Width() % w != 0)
    InvalidImageSize();
  if (mask && (mask->Width() != bitmap.Width() || mask->Height() != bitmap.Height()))
    InvalidImageSize();
  const int first = Count();
  const int added = bitmap.Width() / w;
  EnsureCapacity(first + added);
  PutImages(first * w, bitmap, mask);
  ResetEntries(first + added);
  Change();
  return first;
}

void TMVWImageListItem::ReplaceImage(int index, TBitmap& bitmap, TBitmap* mask) {
  if (index < 0 || index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (bitmap.Width() != Size_.Width || bitmap.Height() != Size_.Height)
    InvalidImageSize();
  if (mask && (mask->Width() != bitmap.Width() || mask->Height() != bitmap.Height()))
    InvalidImageSize();
  PutImages(ImageRect(index).left, bitmap, mask);
  Change();
}

void TMVWImageListItem::PutImages(int x, TBitmap& bitmap, TBitmap* mask) {
  HDC strip = Strip_.Canvas().Handle();
  BitBlt(strip, x, 0, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  if (!Size_.Masked)
    return;
  TBitmap own;
  if (!mask) {
    own.Assign(bitmap);
    own.Mask(bitmap.TransparentColor());
    mask = &own;
  }
  HDC maskDC = MaskStrip_.Canvas().Handle();
  BitBlt(maskDC, x, 0, bitmap.Width(), bitmap.Height(), mask->Canvas().Handle(), 0, 0, SRCCOPY);
  SetTextColor(strip, RGB(0, 0, 0));
  ::SetBkColor(strip, RGB(255, 255, 255));
  BitBlt(strip, x, 0, bitmap.Width(), bitmap.Height(), maskDC, x, 0, DestAndNotSource);
}

void TMVWImageListItem::AppendItem(TMVWImageListItem& other) {
  if (other.Size_.Width != Size_.Width || other.Size_.Height != Size_.Height)
    InvalidImageSize();
  const int count = other.Count();
  if (count == 0)
    return;
  TBitmap images;
  images.SetSize(count * Size_.Width, Size_.Height);
  BitBlt(images.Canvas().Handle(), 0, 0, images.Width(), images.Height(),
         other.Strip_.Canvas().Handle(), 0, 0, SRCCOPY);
  TBitmap mask;
  if (other.Size_.Masked) {
    mask.SetSize(images.Width(), images.Height());
    BitBlt(mask.Canvas().Handle(), 0, 0, mask.Width(), mask.Height(),
           other.MaskStrip_.Canvas().Handle(), 0, 0, SRCCOPY);
  }
  AddImages(images, other.Size_.Masked ? &mask : nullptr);
}

void TMVWImageListItem::DrawAt(TCanvas& canvas, int x, int y, int index) {
  if (index < 0 || index >= Count())
    return;
  const RECT part = ImageRect(index);
  const int w = Size_.Width;
  const int h = Size_.Height;
  HDC target = canvas.Handle();
  if (!Size_.Masked || ImageType_ == 1) {
    TBitmap& source = ImageType_ == 1 && Size_.Masked ? MaskStrip_ : Strip_;
    BitBlt(target, x, y, w, h, source.Canvas().Handle(), part.left, 0, SRCCOPY);
    return;
  }
  HDC mask = MaskStrip_.Canvas().Handle();
  HDC image = Strip_.Canvas().Handle();
  if (DrawingStyle_ == 3 || (DrawingStyle_ == 2 && BkColor_ == clNone)) {
    DrawThroughMask(target, x, y, w, h, mask, image, part.left, 0);
    return;
  }
  TBitmap work;
  work.SetSize(w, h);
  HDC workDC = work.Canvas().Handle();
  if (BkColor_ == clNone) {
    // Without a background colour the destination shows through.
    BitBlt(workDC, 0, 0, w, h, target, x, y, SRCCOPY);
  } else {
    work.Canvas().Brush().SetColor(BkColor_);
    work.Canvas().FillRect({0, 0, w, h});
  }
  DrawThroughMask(workDC, 0, 0, w, h, mask, image, part.left, 0);
  if (DrawingStyle_ != 2 && BlendColor_ != clNone)
    for (int py = 0; py < h; ++py)
      for (int px = 0; px < w; ++px) {
        const bool set = DrawingStyle_ == 1 ? (px + py) % 2 == 1 : (px % 2 == 0 || py % 2 == 0);
        if (set)
          work.SetPixels(px, py, BlendColor_);
      }
  BitBlt(target, x, y, w, h, workDC, 0, 0, SRCCOPY);
}

void TMVWImageListItem::Clear() {
  Entries_.clear();
  Strip_.SetSize(0, 0);
  MaskStrip_.SetSize(0, 0);
}

std::uint8_t TMVWImageListItem::GetFlags() const {
  return TMVWListItem::GetFlags() | (IsEmpty() ? 0 : ItemHasData) | PixelFormatFlag(PixelFormat_);
}

void TMVWImageListItem::WriteStrip(TStream& stream) {
  WriteInt32(stream, Count());
  if (Count() == 0)
    return;
  WriteBitmap(stream, Strip_, Compressed(), PixelFormatCode(PixelFormat_));
  if (Size_.Masked)
    WriteBitmap(stream, MaskStrip_, Compressed(), 2);
}

void TMVWImageListItem::ReadStrip(TStream& stream) {
  const std::int32_t count = ReadInt32(stream);
  CheckImageCount(Size_, count);
  TBitmap strip;
  TBitmap mask;
  if (count > 0) {
    ReadBitmap(stream, strip, Compressed());
    if (strip.Height() != Size_.Height || strip.Width() < count * Size_.Width)
      InvalidImageSize();
    if (Size_.Masked) {
      ReadBitmap(stream, mask, Compressed());
      if (mask.Width() != strip.Width() || mask.Height() != strip.Height())
        InvalidImageSize();
    }
  }
  Strip_.Assign(strip);
  MaskStrip_.Assign(mask);
  ResetEntries(count);
}

void TMVWImageListItem::SaveToStream(TStream& stream) {
  if (!WriteHeader(stream))
    return;
  WriteImageStripSize(stream, Size_);
  WriteStrip(stream);
}

void TMVWImageListItem::LoadFromStream(TStream& stream) {
  const std::uint8_t flags = ReadHeader(stream);
  Clear();
  if (flags & ItemHasData) {
    Size_ = ReadImageStripSize(stream);
    ReadStrip(stream);
  }
}

void TMVWImageListItem::ReadLegacyBitmap(TStream& stream) {
  ReadStrip(stream);
}

void TMVWImageListItem::Assign(const TPersistent& source) {
  TMVWListItem::Assign(source);
  const auto* item = dynamic_cast<const TMVWImageListItem*>(&source);
  if (!item)
    return;
  Size_ = item->Size_;
  Entries_ = item->Entries_;
  Strip_.Assign(item->Strip_);
  MaskStrip_.Assign(item->MaskStrip_);
  BkColor_ = item->BkColor_;
  BlendColor_ = item->BlendColor_;
  DrawingStyle_ = item->DrawingStyle_;
  ImageType_ = item->ImageType_;
}

TMVWImageList::TMVWImageList(TComponent* owner) : TMVWCustomImageList(owner) {
  SetListKind(0);
}

TMVWImageListItem* TMVWImageList::Valid(int list, int image) const {
  TMVWImageListItem* item = Item(list);
  return item && image >= 0 && image < item->Count() ? item : nullptr;
}

TCanvas* TMVWImageList::GetCanvas(int list) {
  TMVWImageListItem* item = Item(list);
  return item ? &item->Strip().Canvas() : nullptr;
}

RECT TMVWImageList::GetPartRect(int list, int image) {
  TMVWImageListItem* item = Valid(list, image);
  return item ? item->ImageRect(image) : RECT{};
}

int TMVWImageList::GetSize(int list, int which) {
  TMVWImageListItem* item = Item(list);
  if (!item)
    return 0;
  return which == 0 ? item->Width() : item->Height();
}

int TMVWImageList::GetImageCount(int list) {
  TMVWImageListItem* item = Item(list);
  return item ? item->Count() : -1;
}

bool TMVWImageList::IsValid(int list, int image) {
  return Valid(list, image) != nullptr;
}

void TMVWImageList::GetBitmap(int list, int image, TBitmap& bitmap) {
  TMVWImageListItem* item = Valid(list, image);
  if (!item)
    return;
  const RECT part = item->ImageRect(image);
  bitmap.SetSize(item->Width(), item->Height());
  BitBlt(bitmap.Canvas().Handle(), 0, 0, item->Width(), item->Height(),
         item->Strip().Canvas().Handle(), part.left, 0, SRCCOPY);
}

bool TMVWImageList::IsMasked(int list) {
  TMVWImageListItem* item = Item(list);
  return item && item->Masked();
}

HPALETTE TMVWImageList::GetPalette(int list) {
  TMVWImageListItem* item = Item(list);
  return item ? item->Strip().Palette() : nullptr;
}

TColor TMVWImageList::GetTransparentColor(int list, int image) {
  TMVWImageListItem* item = Valid(list, image);
  if (!item)
    return OutOfRangeColor;
  return item->Strip().Pixels(item->ImageRect(image).left, item->Height() - 1);
}

TColor TMVWImageList::GetPixel(POINT point, int list, int image) {
  TMVWImageListItem* item = Valid(list, image);
  if (!item || point.x < 0 || point.y < 0 || point.x >= item->Width() || point.y >= item->Height())
    return OutOfRangeColor;
  return item->Strip().Pixels(item->ImageRect(image).left + point.x, point.y);
}

void TMVWImageList::DrawAt(TCanvas& canvas, int x, int y, int list, int image) {
  if (TMVWImageListItem* item = Valid(list, image))
    item->DrawAt(canvas, x, y, image);
}

void TMVWImageList::DrawInRect(TCanvas& canvas, const RECT& rect, int list, int image,
                               std::uint16_t flags) {
  TMVWImageListItem* item = Valid(list, image);
  if (!item)
    return;
  RECT used;
  const RECT part = item->ImageRect(image);
  if (item->Masked())
    DrawImageInRect(canvas, rect, &item->Strip().Canvas(), used, &item->MaskStrip(),
                    item->Strip().Palette(), clNone, flags | DrawMasked, part);
  else
    DrawImageInRect(canvas, rect, &item->Strip().Canvas(), used, nullptr, item->Strip().Palette(),
                    GetTransparentColor(list, image), flags, part);
}

void TMVWImageList::DrawExtended(TCanvas& canvas, const RECT& rect, int list, int image,
                                 TColor color, std::uint32_t clipOffset, std::uint16_t flags) {
  TMVWImageListItem* item = Valid(list, image);
  if (!item)
    return;
  TClip clip(canvas.Handle());
  if (flags & DrawClip) {
    RECT area = rect;
    OffsetRect(&area, static_cast<std::int16_t>(clipOffset & 0xFFFF),
               static_cast<std::int16_t>(clipOffset >> 16));
    clip.Select(area);
  }
  RECT used;
  TBitmap* mask = item->Masked() && (flags & DrawMasked) ? &item->MaskStrip() : nullptr;
  DrawImageInRect(canvas, rect, &item->Strip().Canvas(), used, mask, item->Strip().Palette(), color,
                  flags, item->ImageRect(image));
}

void RegisterMVWImageList() {
  PublishImageListDefaults(
      RegisterComponentClass<TMVWImageList, TMVWCustomImageList>("TMVWImageList"));
  using T = TMVWImageListItem;
  const TMVWImageStripSize initial;
  RegisterComponentClass<T, TMVWListItem>("TMVWImageListItem")
      .Integer("AllocBy", &T::AllocBy, &T::SetAllocBy, initial.AllocBy)
      .String("Description", &T::Description, &T::SetDescription, std::string())
      .Boolean("Masked", &T::Masked, &T::SetMasked, initial.Masked)
      .Integer("Height", &T::Height, &T::SetHeight, initial.Height)
      .Integer("Width", &T::Width, &T::SetWidth, initial.Width)
      .Binary("Internal", &TMVWListItem::ReadInternal, &TMVWListItem::WriteInternal,
              &TMVWListItem::HasInternal)
      .Binary(
          "Bitmap", &T::ReadLegacyBitmap, [](T&, TStream&) {}, [](T&) { return false; });
}

} // namespace marivo
