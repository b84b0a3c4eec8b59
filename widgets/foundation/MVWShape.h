#pragma once

#include "platform/ui/Canvas.h"
#include "widgets/foundation/MVWShadow.h"
#include "widgets/foundation/MVWSimpleBevel.h"
#include "widgets/foundation/portable/MVWBase.h"
#include "widgets/foundation/portable/MVWShapeGeometry.h"

#include <cstdint>
#include <memory>

namespace marivo {

// The kind of a shape with its outline, shadow, fill and rounding; any change inside them is a
// change of the shape.
class TMVWShape : public TMVWObject {
public:
  static constexpr TMVWPercent DefaultRoundPercent = 33;
  static constexpr TMVWShapeType DefaultShape = stRectangle;
  static constexpr bool DefaultSquare = false;

  TMVWShape();
  ~TMVWShape() override;
  TMVWShape(const TMVWShape&) = delete;
  TMVWShape& operator=(const TMVWShape&) = delete;

  TMVWSimpleBevel& Bevel() const { return *Bevel_; }
  void SetBevel(const TMVWSimpleBevel& value) { Bevel_->Assign(value); }
  TBrush& Brush() const { return *Brush_; }
  void SetBrush(const TBrush& value) { Brush_->Assign(value); }
  TMVWPercent RoundPercent() const { return RoundPercent_; }
  void SetRoundPercent(TMVWPercent value);
  TMVWShadow& Shadow() const { return *Shadow_; }
  void SetShadow(const TMVWShadow& value) { Shadow_->Assign(value); }
  TMVWShapeType Shape() const { return Shape_; }
  void SetShape(TMVWShapeType value);
  bool Square() const { return Square_; }
  void SetSquare(bool value);

  // All six settings, then one change.
  void Assign(const TPersistent& source) override;

private:
  std::unique_ptr<TMVWShadow> Shadow_;
  std::unique_ptr<TMVWSimpleBevel> Bevel_;
  std::unique_ptr<TBrush> Brush_;
  TMVWPercent RoundPercent_ = DefaultRoundPercent;
  TMVWShapeType Shape_ = DefaultShape;
  bool Square_ = DefaultSquare;
};

// Makes the shape known to form data.
void RegisterMVWShape();

} // namespace marivo
