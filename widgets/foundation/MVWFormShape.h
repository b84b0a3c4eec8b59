#pragma once

#include "platform/ui/Canvas.h"
#include "platform/ui/Pictures.h"
#include "widgets/foundation/MVWCustomImageList.h"
#include "widgets/foundation/MVWRegion.h"
#include "widgets/foundation/MVWShapeFill.h"
#include "widgets/foundation/MVWWndProcComponent.h"

#include <windows.h>

#include <cstdint>
#include <memory>

namespace marivo {

class TForm;

// Gives its form's window the outline of a region, paints the form's background from a fill or
// the region mask's picture with the region's border on it, keeps or cuts the caption bar, and
// lets the form be dragged by any empty spot.
class TMVWFormShape : public TMVWWndProcComponent {
public:
  static constexpr bool DefaultShowFormCaption = true;
  static constexpr bool DefaultFormDragable = true;
  static constexpr bool DefaultUseRgnBitmap = true;
  static constexpr std::int32_t DefaultIndex = 0;

  explicit TMVWFormShape(TComponent* owner);
  ~TMVWFormShape() override;

  TMVWBorderRegion& Region() const { return *Region_; }
  void SetRegion(const TMVWRegion& value) { Region_->Assign(value); }
  bool ShowFormCaption() const { return ShowFormCaption_; }
  void SetShowFormCaption(bool value);
  bool FormDragable() const { return FormDragable_; }
  void SetFormDragable(bool value) { FormDragable_ = value; }
  bool UseRgnBitmap() const { return UseRgnBitmap_; }
  void SetUseRgnBitmap(bool value);
  TMVWFillObject& FillObject() const { return *FillObject_; }
  void SetFillObject(const TMVWFillObject& value) { FillObject_->Assign(value); }
  // None also once the list itself was freed.
  TMVWCustomImageList* ImageList() const;
  void SetImageList(TMVWCustomImageList* value);
  std::int32_t ListIndex() const { return ListIndex_; }
  void SetListIndex(std::int32_t value) { ListIndex_ = value; }
  std::int32_t ImageIndex() const { return ImageIndex_; }
  void SetImageIndex(std::int32_t value) { ImageIndex_ = value; }

  // The background of the fill, sized to the client area at the last painting.
  TBitmap& BackBitmap() const { return *BackBitmap_; }
  // The shape rectangle the region was last made for, in client coordinates.
  const RECT& ShapeRect() const { return ShapeRect_; }

  void ContainerChanged(TObject* sender) override;
  // Applies the region to the owner form's window.
  void UpdateRegion();
  // The background and the border; dc 0 paints on the form's own.
  void PaintBackground(HDC dc);
  void WndProc(TMessage& message) override;

protected:
  void Loaded() override;

private:
  TForm* OwnerForm() const;

  std::unique_ptr<TMVWBorderRegion> Region_;
  bool ShowFormCaption_ = DefaultShowFormCaption;
  bool FormDragable_ = DefaultFormDragable;
  bool UseRgnBitmap_ = DefaultUseRgnBitmap;
  std::unique_ptr<TMVWFillObject> FillObject_;
  TMVWCustomImageList* ImageList_ = nullptr;
  std::int32_t ListIndex_ = DefaultIndex;
  std::int32_t ImageIndex_ = DefaultIndex;

  std::unique_ptr<TBitmap> BackBitmap_;
  TMVWChangeLink Link_;
  RECT ShapeRect_{};
  int CaptionHeight_ = 0;
  bool RightButton_ = false;
  bool Updating_ = false;
};

// For see-through controls on a shaped form: whether it paints a background, the picture it
// paints, and that picture's part under a control at origin copied into destRect.
bool FormShapeHasBackground(const TMVWFormShape* formShape);
TBitmap* FormShapeBackBitmap(const TMVWFormShape* formShape);
bool DrawFormShapeBackground(const TMVWFormShape* formShape, TCanvas& canvas, const RECT& destRect,
                             POINT origin);

// Makes the form shape known to form data.
void RegisterMVWFormShape();

} // namespace marivo
