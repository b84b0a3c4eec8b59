#include "widgets/foundation/MVWShape.h"

#include "platform/rtl/ClassRegistry.h"

#include <algorithm>

namespace marivo {

TMVWShape::TMVWShape()
    : Shadow_(std::make_unique<TMVWShadow>()), Bevel_(std::make_unique<TMVWSimpleBevel>()),
      Brush_(std::make_unique<TBrush>()) {
  const auto changed = [this](TObject* sender) { SubObjectChanged(sender); };
  Shadow_->OnChange = changed;
  Bevel_->OnChange = changed;
  Brush_->OnChange = changed;
}

TMVWShape::~TMVWShape() {
  Shadow_->OnChange = nullptr;
  Bevel_->OnChange = nullptr;
  Brush_->OnChange = nullptr;
}

void TMVWShape::SetRoundPercent(TMVWPercent value) {
  value = std::min<TMVWPercent>(value, 100);
  if (Store(RoundPercent_, value))
    Change();
}

void TMVWShape::SetShape(TMVWShapeType value) {
  if (Store(Shape_, value))
    Change();
}

void TMVWShape::SetSquare(bool value) {
  if (Store(Square_, value))
    Change();
}

void TMVWShape::Assign(const TPersistent& source) {
  const auto* shape = dynamic_cast<const TMVWShape*>(&source);
  if (!shape) {
    TMVWObject::Assign(source);
    return;
  }
  if (shape == this)
    return;
  TMVWUpdateGuard<TMVWObject> update(*this);
  Bevel_->Assign(*shape->Bevel_);
  Brush_->Assign(*shape->Brush_);
  Shadow_->Assign(*shape->Shadow_);
  RoundPercent_ = shape->RoundPercent_;
  Shape_ = shape->Shape_;
  Square_ = shape->Square_;
  update.Release(true);
}

void RegisterMVWShape() {
  using T = TMVWShape;
  RegisterPersistentClass<T, TMVWObject>("TMVWShape")
      .Class("Bevel", &T::Bevel)
      .Class("Brush", &T::Brush)
      .Integer("RoundPercent", &T::RoundPercent, &T::SetRoundPercent, T::DefaultRoundPercent)
      .Class("Shadow", &T::Shadow)
      .Enumeration("Shape",
                   {"stEllipse", "stRectangle", "stRoundRect", "stDirectUp", "stDirectRight",
                    "stDirectDown", "stDirectLeft", "stDiamond", "stComb", "stOctagon", "stStar"},
                   &T::Shape, &T::SetShape, T::DefaultShape)
      .Boolean("Square", &T::Square, &T::SetSquare, T::DefaultSquare);
}

} // namespace marivo
