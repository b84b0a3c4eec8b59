#pragma once

#include "widgets/foundation/MVWCustomImageList.h"
#include "widgets/foundation/MVWShapeFill.h"
#include "widgets/foundation/portable/MVWBase.h"
#include "widgets/foundation/portable/MVWBaseContainer.h"

#include <cstdint>
#include <memory>
#include <string>

namespace marivo {

// A fill blended over a picture: Strength is the weight of the picture itself (1 leaves it as it
// is). The fill's list bitmap follows the image list, which tells of its changes through a link.
class TMVWAlphaObject : public TMVWObject {
public:
  static constexpr std::int32_t DefaultIndex = 0;
  static constexpr float DefaultStrength = 0.6f;

  TMVWAlphaObject();
  ~TMVWAlphaObject() override;
  TMVWAlphaObject(const TMVWAlphaObject&) = delete;
  TMVWAlphaObject& operator=(const TMVWAlphaObject&) = delete;

  // None also once the list itself was freed.
  TMVWCustomImageList* ImageList() const;
  void SetImageList(TMVWCustomImageList* value);
  std::int32_t ImageIndex() const { return ImageIndex_; }
  void SetImageIndex(std::int32_t value);
  std::int32_t ListIndex() const { return ListIndex_; }
  void SetListIndex(std::int32_t value);
  float Strength() const { return Strength_; }
  void SetStrength(float value);
  TMVWFillObject& FillObject() const { return *FillObject_; }
  void SetFillObject(const TMVWFillObject& value) { FillObject_->Assign(value); }

  // The fill's list bitmap from the image list, or cleared; then the owner hears of it.
  void UpdateListBitmap();
  bool IsEffective() const;
  // Blends the fill over the whole bitmap, which ends with 24 bits per pixel.
  void ApplyTo(TBitmap& bitmap);

  void Assign(const TPersistent& source) override;
  std::string DescribeSettings() const override;

private:
  TMVWCustomImageList* ImageList_ = nullptr;
  std::int32_t ImageIndex_ = DefaultIndex;
  std::int32_t ListIndex_ = DefaultIndex;
  float Strength_ = DefaultStrength;

  TMVWChangeLink Link_;
  std::unique_ptr<TMVWFillObject> FillObject_;
};

// Makes the class known to form data.
void RegisterMVWAlphaObject();

} // namespace marivo
