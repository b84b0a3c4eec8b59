#include "platform/ui/Images.h"

#include "platform/rtl/ClassRegistry.h"

#include <cstdint>

namespace marivo {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  Picture_.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::SetStretch(bool value) {
  if (Store(Stretch_, value))
    Invalidate();
}

void TImage::SetCenter(bool value) {
  if (Store(Center_, value))
    Invalidate();
}

void TImage::SetProportional(bool value) {
  if (Store(Proportional_, value))
    Invalidate();
}

void TImage::SetTransparent(bool value) {
  if (Store(Transparent_, value))
    PictureChanged();
}

void TImage::SetAutoSize(bool value) {
  if (Store(AutoSize_, value) && value)
    SetBounds(Left(), Top(), Width(), Height());
}

void TImage::SetBounds(int left, int top, int width, int height) {
  if (AutoSize_ && Picture_.Graphic() && !Picture_.Graphic()->Empty()) {
    width = Picture_.Width();
    height = Picture_.Height();
  }
  TGraphicControl::SetBounds(left, top, width, height);
}

void TImage::PictureChanged() {
  // The graphic tells its picture of the change, which comes back here once more at most.
  if (TGraphic* graphic = Picture_.Graphic(); graphic && graphic->Transparent() != Transparent_)
    graphic->SetTransparent(Transparent_);
  if (AutoSize_)
    SetBounds(Left(), Top(), Width(), Height());
  Invalidate();
}

RECT TImage::DestRect() const {
  int width = Picture_.Width();
  int height = Picture_.Height();
  const int clientWidth = Width();
  const int clientHeight = Height();
  if (Stretch_ || (Proportional_ && (width > clientWidth || height > clientHeight))) {
    if (Proportional_ && width > 0 && height > 0) {
      // The side that meets the control's edge first decides the scale.
      if (static_cast<std::int64_t>(clientWidth) * height <=
          static_cast<std::int64_t>(clientHeight) * width) {
        height = static_cast<int>(static_cast<std::int64_t>(height) * clientWidth / width);
        width = clientWidth;
      } else {
        width = static_cast<int>(static_cast<std::int64_t>(width) * clientHeight / height);
        height = clientHeight;
      }
    } else {
      width = clientWidth;
      height = clientHeight;
    }
  }
  int left = 0;
  int top = 0;
  if (Center_) {
    left = (clientWidth - width) / 2;
    top = (clientHeight - height) / 2;
  }
  return {left, top, left + width, top + height};
}

void TImage::Paint() {
  if (TGraphic* graphic = Picture_.Graphic(); graphic && !graphic->Empty())
    graphic->Draw(Canvas(), DestRect());
}

void RegisterImageClasses() {
  static const bool registered = [] {
    RegisterPictureClasses();
    RegisterComponentClass<TImage, TGraphicControl>("TImage")
        .Boolean("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false)
        .Boolean("Center", &TImage::Center, &TImage::SetCenter, false)
        .Class("Picture", &TImage::Picture)
        .Boolean("Proportional", &TImage::Proportional, &TImage::SetProportional, false)
        .Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch, false)
        .Boolean("Transparent", &TImage::Transparent, &TImage::SetTransparent, false);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
