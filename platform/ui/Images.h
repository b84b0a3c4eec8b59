#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/Pictures.h"

namespace marivo {

// Shows a picture: at the top left, centred, or stretched over the control (keeping its aspect
// ratio when Proportional). Repaints whenever the picture changes.
class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* owner);

  TPicture& Picture() { return Picture_; }
  bool Stretch() const { return Stretch_; }
  void SetStretch(bool value);
  bool Center() const { return Center_; }
  void SetCenter(bool value);
  // Shrinks a picture larger than the control to fit; with Stretch, also enlarges a smaller one.
  bool Proportional() const { return Proportional_; }
  void SetProportional(bool value);
  // Lets the parent show through the picture's transparent colour.
  bool Transparent() const { return Transparent_; }
  void SetTransparent(bool value);
  // Keeps the control the size of its picture.
  bool AutoSize() const { return AutoSize_; }
  void SetAutoSize(bool value);

  // Where the picture lands in the control's own coordinates.
  RECT DestRect() const;
  void SetBounds(int left, int top, int width, int height) override;

protected:
  void Paint() override;

private:
  void PictureChanged();

  TPicture Picture_;
  bool Stretch_ = false;
  bool Center_ = false;
  bool Proportional_ = false;
  bool Transparent_ = false;
  bool AutoSize_ = false;
};

// Makes TImage and the picture classes known to form data; the first call does it.
void RegisterImageClasses();

} // namespace marivo
