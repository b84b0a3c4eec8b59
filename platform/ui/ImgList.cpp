#include "platform/ui/ImgList.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/GdiHandles.h"

#include <algorithm>

namespace marivo {

TChangeLink::~TChangeLink() {
  if (Sender_)
    Sender_->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (TNotifyEvent handler = OnChange)
    handler(Sender_);
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {
  Recreate();
}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : Links_)
    link->Sender_ = nullptr;
  if (Handle_)
    ImageList_Destroy(Handle_);
}

void TCustomImageList::Recreate() {
  if (Handle_)
    ImageList_Destroy(Handle_);
  Handle_ = ImageList_Create(Width_, Height_, ILC_COLOR32 | (Masked_ ? ILC_MASK : 0), 4, 4);
  if (!Handle_)
    throw EOutOfResources("Cannot create an image list");
}

void TCustomImageList::SetSize(int width, int height) {
  if (width == Width_ && height == Height_)
    return;
  if (width < 1 || height < 1)
    throw EInvalidGraphicOperation("Invalid image size");
  Width_ = width;
  Height_ = height;
  Recreate();
  Change();
}

void TCustomImageList::SetMasked(bool value) {
  if (!Store(Masked_, value))
    return;
  Recreate();
  Change();
}

int TCustomImageList::Count() const {
  return ImageList_GetImageCount(Handle_);
}

int TCustomImageList::Add(TBitmap& image, TBitmap* mask) {
  if (image.Empty())
    return -1;
  if (image.Height() != Height_ || image.Width() % Width_ != 0)
    throw EInvalidGraphicOperation("Invalid image size");
  TBitmapHandle ownMask;
  HBITMAP maskHandle = nullptr;
  if (Masked_ && mask) {
    // White pixels of the mask bitmap let the background show.
    ownMask.Reset(CreateBitmap(mask->Width(), mask->Height(), 1, 1, nullptr));
    const TMemoryDC dc(CreateCompatibleDC(nullptr));
    const TSelection selected(dc.Get(), ownMask.Get());
    HDC source = mask->Canvas().Handle();
    const COLORREF oldBack = SetBkColor(source, RGB(255, 255, 255));
    BitBlt(dc.Get(), 0, 0, mask->Width(), mask->Height(), source, 0, 0, SRCCOPY);
    SetBkColor(source, oldBack);
    maskHandle = ownMask.Get();
  } else if (Masked_) {
    maskHandle = image.MaskHandle();
  }
  // The list copies the pixels of a bitmap that no DC holds.
  TBitmap pixels;
  pixels.Assign(image);
  const int index = ImageList_Add(Handle_, pixels.Handle(), maskHandle);
  if (index < 0)
    throw EInvalidGraphicOperation("Cannot add the image");
  Change();
  return index;
}

void TCustomImageList::Clear() {
  ImageList_Remove(Handle_, -1);
  Change();
}

void TCustomImageList::GetBitmap(int index, TBitmap& bitmap) const {
  if (index < 0 || index >= Count())
    throw EInvalidOperation("Image index " + IntToStr(index) + " is out of range");
  bitmap.SetSize(Width_, Height_);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect({0, 0, Width_, Height_});
  ImageList_Draw(Handle_, index, canvas.Handle(), 0, 0, ILD_NORMAL);
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
  if (index >= 0 && index < Count())
    ImageList_Draw(Handle_, index, canvas.Handle(), x, y, ILD_TRANSPARENT);
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
  if (!link || std::find(Links_.begin(), Links_.end(), link) != Links_.end())
    return;
  if (link->Sender_)
    link->Sender_->UnRegisterChanges(link);
  link->Sender_ = this;
  Links_.push_back(link);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
  const auto found = std::find(Links_.begin(), Links_.end(), link);
  if (found == Links_.end())
    return;
  (*found)->Sender_ = nullptr;
  Links_.erase(found);
}

void TCustomImageList::Change() {
  const std::vector<TChangeLink*> links = Links_;
  for (TChangeLink* link : links)
    link->Change();
  if (TNotifyEvent handler = OnChange)
    handler(this);
}

void RegisterImageListClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TImageList, TComponent>("TImageList")
        .Integer("Height", &TImageList::Height, &TImageList::SetHeight, 16)
        .Boolean("Masked", &TImageList::Masked, &TImageList::SetMasked, true)
        .Integer("Width", &TImageList::Width, &TImageList::SetWidth, 16);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
