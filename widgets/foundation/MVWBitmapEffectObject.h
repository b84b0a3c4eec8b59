#pragma once

#include "platform/ui/Pictures.h"
#include "widgets/foundation/MVWAlphaObject.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

namespace marivo {

// -255..255
using TMVWBrightness = std::int16_t;

// A chain of effects on a picture: mirrors, grey scale, negative, monochrome, brightness and a
// blended fill, with the last result kept for reuse while nothing changes.
class TMVWBitmapEffectObject : public TMVWObject {
public:
  static constexpr bool DefaultSwitch = false; // the flips, gray scale, inversion, buffering
  static constexpr TMVWBrightness DefaultBrightness = 0;

  TMVWBitmapEffectObject();
  ~TMVWBitmapEffectObject() override;
  TMVWBitmapEffectObject(const TMVWBitmapEffectObject&) = delete;
  TMVWBitmapEffectObject& operator=(const TMVWBitmapEffectObject&) = delete;

  TMVWAlphaObject& AlphaBlend() const { return *AlphaBlend_; }
  void SetAlphaBlend(const TMVWAlphaObject& value) { AlphaBlend_->Assign(value); }
  // Mirrors left and right.
  bool FlipVertical() const { return FlipVertical_; }
  void SetFlipVertical(bool value) { SetSwitch(FlipVertical_, value); }
  // Mirrors top and bottom.
  bool FlipHorizontal() const { return FlipHorizontal_; }
  void SetFlipHorizontal(bool value) { SetSwitch(FlipHorizontal_, value); }
  bool GrayScale() const { return GrayScale_; }
  void SetGrayScale(bool value) { SetSwitch(GrayScale_, value); }
  bool Invert() const { return Invert_; }
  void SetInvert(bool value) { SetSwitch(Invert_, value); }
  bool Buffered() const { return Buffer_ != nullptr; }
  void SetBuffered(bool value);
  bool Monochrome() const { return Monochrome_; }
  void SetMonochrome(bool value) { SetSwitch(Monochrome_, value); }
  TMVWBrightness Brightness() const { return Brightness_; }
  void SetBrightness(TMVWBrightness value);
  bool BufferValid() const { return BufferValid_; }

  bool HasEffect() const;
  void InvalidateBuffer() { BufferValid_ = false; }
  // The chain applied to the whole bitmap in place.
  void ApplyTo(TBitmap& bitmap);
  // The source area copied to the target's top-left corner with the chain applied there.
  void DrawWithEffects(TBitmap& source, const RECT& sourceArea, const RECT& targetArea,
                       TBitmap& target);

  void SubObjectChanged(TObject* sender) override;
  void Assign(const TPersistent& source) override;
  std::string DescribeSettings() const override;

private:
  void SetSwitch(bool& field, bool value);
  void ApplyPixelEffects(TBitmap& bitmap, const RECT& area);
  bool DrawBuffer(TBitmap& target) const;
  void KeepInBuffer(TBitmap& bitmap);

  std::unique_ptr<TMVWAlphaObject> AlphaBlend_;
  bool FlipVertical_ = DefaultSwitch;
  bool FlipHorizontal_ = DefaultSwitch;
  bool GrayScale_ = DefaultSwitch;
  bool Invert_ = DefaultSwitch;
  bool Monochrome_ = false;
  TMVWBrightness Brightness_ = DefaultBrightness;

  bool BufferValid_ = false;
  std::unique_ptr<TBitmap> Buffer_;
};

// Makes the class known to form data.
void RegisterMVWBitmapEffectObject();

} // namespace marivo
