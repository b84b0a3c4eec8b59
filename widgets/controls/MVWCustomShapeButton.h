#pragma once

#include "widgets/controls/MVWBaseGraphicButton.h"
#include "widgets/controls/MVWImageLink.h"
#include "widgets/controls/MVWShapeButtonColor.h"
#include "widgets/foundation/MVWShape.h"
#include "widgets/foundation/MVWShapeFill.h"
#include "widgets/foundation/portable/MVWPointList.h"

#include <cstdint>
#include <memory>
#include <string>

namespace marivo {

enum TMVWShapeButtonMode : std::uint8_t { sbmShapeFast, sbmShapeFill };
enum TMVWShapeButtonStyle : std::uint8_t { sbsShadow, sbs3D };

// The window-less button whose face is a shape: coloured per state (fast mode) or filled with a
// picture or gradient (fill mode), with a drop shadow and the shape's outline, or a raised and
// sunken bevel. Only a click inside the drawn face counts.
class TMVWCustomShapeButton : public TMVWBaseGraphicButton {
public:
  static constexpr TMVWShapeButtonStyle DefaultStyle = sbsShadow;
  static constexpr TMVWShapeButtonMode DefaultMode = sbmShapeFast;

  explicit TMVWCustomShapeButton(TComponent* owner);
  ~TMVWCustomShapeButton() override;

  TMVWShapeButtonColor& Colors() const { return *Colors_; }
  void SetColors(const TMVWShapeButtonColor& value) { Colors_->Assign(value); }
  TMVWShapeButtonMode Mode() const { return Mode_; }
  // Back to the fast mode the fill picture is emptied.
  void SetMode(TMVWShapeButtonMode value);
  TMVWShape& Shape() const { return *Shape_; }
  void SetShape(const TMVWShape& value) { Shape_->Assign(value); }
  TMVWShapeButtonStyle Style() const { return Style_; }
  void SetStyle(TMVWShapeButtonStyle value);
  TMVWShapeFill& ShapeFill() const { return *Fill_; }
  void SetShapeFill(const TMVWShapeFill& value) { Fill_->Assign(value); }
  TMVWCustomImageList* ShapeFillImageList() const { return FillLink_->ImageList(); }
  void SetShapeFillImageList(TMVWCustomImageList* list) { FillLink_->SetImageList(list); }
  int ShapeFillImageIndex() const { return FillLink_->ImageIndex(); }
  void SetShapeFillImageIndex(int value) { FillLink_->SetIndexProperty(0, value); }
  int ShapeFillListIndex() const { return FillLink_->ListIndex(); }
  void SetShapeFillListIndex(int value) { FillLink_->SetIndexProperty(1, value); }
  // "InternalBtn" of form data: the signature of a global list used as ShapeFillImageList.
  std::string InternalBtnRef() const { return FillLink_->InternalRef(); }
  void SetInternalBtnRef(const std::string& text) { FillLink_->SetInternalRef(text); }

  // The outer and inner outline of the face, kept from the last change.
  const TMVWPointList& Outline() const { return *Points_; }
  TBitmap& FillPicture() const { return *FillPicture_; }

  // Recomputes the outline (and in fill mode the picture), then repaints.
  void Changed() override;
  void BoundsChanged(TMVWBoundsFlags flags) override;
  void Loaded() override;
  HPALETTE GetPalette() override;
  bool IsGlyphStored() override;

protected:
  void Paint() override;
  bool PtInButton(int x, int y) override;
  bool ColorShowsHot() override { return Colors_->Up() != Colors_->MouseOver(); }
  void Notification(TComponent* component, TOperation operation) override;

private:
  void TakeFillPicture();
  void PaintFast(const TMVWShadow* shadow, const TMVWSimpleBevel* bevel, const RECT& content);
  void PaintFilled(const TMVWShadow* shadow, const TMVWSimpleBevel* bevel, const RECT& content);
  TColor StateColor() const;
  bool Sunken() const;

  std::unique_ptr<TMVWShape> Shape_;
  std::unique_ptr<TBrush> Brush_;
  std::unique_ptr<TMVWShapeButtonColor> Colors_;
  std::unique_ptr<TMVWPointList> Points_;
  std::unique_ptr<TBitmap> FillPicture_;
  std::unique_ptr<TMVWShapeFill> Fill_;
  std::unique_ptr<TMVWImageLink> FillLink_;
  TMVWShapeButtonMode Mode_ = DefaultMode;
  TMVWShapeButtonStyle Style_ = DefaultStyle;
  // The shadow depth of the last outline: 0 for sbs3D or a shadow of style hssNone.
  int Depth_ = 0;
};

// Makes the base known to form data.
void RegisterMVWCustomShapeButton();

} // namespace marivo
