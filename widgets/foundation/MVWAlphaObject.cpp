#include "widgets/foundation/MVWAlphaObject.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TextUtils.h"
#include "widgets/foundation/MVWBmp.h"
#include "widgets/foundation/MVWContainer.h"

#include <cmath>
#include <string>

namespace marivo {

TMVWAlphaObject::TMVWAlphaObject() : FillObject_(std::make_unique<TMVWFillObject>()) {
  Link_.OnChange = [this](TObject*) { UpdateListBitmap(); };
  FillObject_->OnChange = [this](TObject* sender) { SubObjectChanged(sender); };
}

TMVWAlphaObject::~TMVWAlphaObject() {
  FillObject_->OnChange = nullptr;
}

TMVWCustomImageList* TMVWAlphaObject::ImageList() const {
  return Link_.Sender() ? ImageList_ : nullptr;
}

void TMVWAlphaObject::SetImageList(TMVWCustomImageList* value) {
  if (TMVWCustomImageList* old = ImageList())
    old->RemoveChangeLink(&Link_);
  ImageList_ = value;
  if (value)
    value->AddChangeLink(&Link_);
  UpdateListBitmap();
}

void TMVWAlphaObject::SetImageIndex(std::int32_t value) {
  ImageIndex_ = value;
  UpdateListBitmap();
}

void TMVWAlphaObject::SetListIndex(std::int32_t value) {
  ListIndex_ = value;
  UpdateListBitmap();
}

void TMVWAlphaObject::SetStrength(float value) {
  if (Store(Strength_, value))
    SubObjectChanged(this);
}

void TMVWAlphaObject::UpdateListBitmap() {
  TMVWCustomImageList* list = ImageList();
  if (list && list->IsValid(ListIndex_, ImageIndex_))
    list->GetBitmap(ListIndex_, ImageIndex_, FillObject_->ListBitmap());
  else
    FillObject_->SetListBitmap(nullptr);
  SubObjectChanged(this);
}

bool TMVWAlphaObject::IsEffective() const {
  return FillObject_->Style() != sfNone && Strength_ != 1.0f;
}

void TMVWAlphaObject::ApplyTo(TBitmap& bitmap) {
  if (FillObject_->Style() == sfNone)
    return;
  TBitmap fill;
  fill.SetSize(bitmap.Width(), bitmap.Height());
  FillObject_->FillRect(fill.Canvas(), {0, 0, bitmap.Width(), bitmap.Height()}, 0xFFFFFF);
  fill.SetPixelFormat(pf24bit);
  bitmap.SetPixelFormat(pf24bit);
  const RECT whole{0, 0, bitmap.Width(), bitmap.Height()};
  AlphaBlend(bitmap, fill, whole, {0, 0}, Strength_, bitmap, {0, 0});
}

void TMVWAlphaObject::Assign(const TPersistent& source) {
  const auto* alpha = dynamic_cast<const TMVWAlphaObject*>(&source);
  if (!alpha) {
    TMVWObject::Assign(source);
    return;
  }
  FillObject_->Assign(*alpha->FillObject_);
  Strength_ = alpha->Strength_;
  ImageIndex_ = alpha->ImageIndex_;
  ListIndex_ = alpha->ListIndex_;
  SetImageList(alpha->ImageList());
}

std::string TMVWAlphaObject::DescribeSettings() const {
  static const char* const kinds[] = {"", "", "brush", "bmp", "bmp", "grad"};
  const TMVWFillStyle style = FillObject_->Style();
  if (style == sfNone)
    return "{Disabled}";
  return std::string("{Enabled (") + kinds[style] +
         "), strength: " + FormatFloat("0.000", Strength_) + "}";
}

void RegisterMVWAlphaObject() {
  using T = TMVWAlphaObject;
  RegisterPersistentClass<T, TMVWObject>("TMVWAlphaObject")
      .Component("ImageList", &T::ImageList, &T::SetImageList)
      .Stored([](T& alpha) { return !IsGlobalContainerList(alpha.ImageList()); })
      .Integer("ImageIndex", &T::ImageIndex, &T::SetImageIndex, T::DefaultIndex)
      .Integer("ListIndex", &T::ListIndex, &T::SetListIndex, T::DefaultIndex)
      .Float("Strength", &T::Strength, &T::SetStrength)
      // Compared in millionths, the precision form data keeps.
      .Stored([](T& alpha) {
        return std::lround(alpha.Strength() * 1000000.0) !=
               std::lround(T::DefaultStrength * 1000000.0);
      })
      .Class("FillObject", &T::FillObject)
      // A global list is named by its reference, as it belongs to no form.
      .String(
          "Internal", [](T& alpha) { return WriteContainerListRef(alpha.ImageList()); },
          [](T& alpha, const std::string& text) { alpha.SetImageList(ReadContainerListRef(text)); },
          std::string());
}

} // namespace marivo
