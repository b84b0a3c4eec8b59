#pragma once

#include "widgets/controls/MVWBaseGraphicButton.h"
#include "widgets/controls/MVWImageLink.h"
#include "widgets/controls/portable/MVWFaceIndices.h"
#include "widgets/controls/portable/MVWImageDrawFlags.h"

#include <cstdint>
#include <memory>
#include <string>

namespace marivo {

// The window-less button whose whole face is a picture: one entry of an image list for each
// state, and clicks only on the pixels of that picture that differ from the hit colour.
class TMVWCustomMMButton : public TMVWBaseGraphicButton {
public:
  static constexpr bool DefaultQuickDraw = false;
  static constexpr bool DefaultForceTransparent = true;
  static constexpr std::int32_t DefaultCaptionDown = 1;
  static constexpr TMVWBitmapStyle DefaultButtonFaceStyle = sbNone;

  explicit TMVWCustomMMButton(TComponent* owner);
  ~TMVWCustomMMButton() override;

  TMVWCustomImageList* ButtonFaceImageList() const { return FaceLink_->ImageList(); }
  void SetButtonFaceImageList(TMVWCustomImageList* list) { FaceLink_->SetImageList(list); }
  TMVWBitmapStyle ButtonFaceStyle() const { return FaceStyle_; }
  void SetButtonFaceStyle(TMVWBitmapStyle value);
  std::int32_t CaptionDown() const { return CaptionDown_; }
  void SetCaptionDown(std::int32_t value) { CaptionDown_ = value; }
  bool ForceTransparent() const { return ForceTransparent_; }
  void SetForceTransparent(bool value);
  bool QuickDraw() const { return QuickDraw_; }
  void SetQuickDraw(bool value);

  // The entry of each state 0..8 in the face list.
  const TMVWFaceEntries& FaceEntries() const { return Faces_; }
  void SetFaceEntries(const TMVWFaceEntries& value);
  // Clicks on pixels of this colour pass through.
  TColor HitColor() const { return HitColor_; }
  void SetHitColor(TColor value) { HitColor_ = value; }
  // Where the face picture went in the last paint.
  RECT FaceRect() const { return FaceRect_; }

  // "ButtonFace" of form data: the signature of a global list used as ButtonFaceImageList.
  std::string FaceListRef() const { return FaceLink_->InternalRef(); }
  void SetFaceListRef(const std::string& text) { FaceLink_->SetInternalRef(text); }
  void ReadFaceIndicesNew2(TStream& stream);
  void WriteFaceIndicesNew2(TStream& stream) const;
  void ReadFaceIndicesNew(TStream& stream);
  void ReadFaceIndices(TStream& stream);
  void ReadHitColor(TStream& stream);
  void ReadHitColorNew(TStream& stream);
  void WriteHitColorNew(TStream& stream) const;

  virtual void FaceListChanged() { Changed(); }
  HPALETTE GetPalette() override;
  bool IsGlyphStored() override { return ImageList() == nullptr; }
  bool CanPaintBack() override { return ButtonFaceImageList() == nullptr; }

protected:
  void Paint() override;
  bool PtInButton(int x, int y) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  bool IsValid(const TMVWFaceEntry& entry) const;
  const TMVWFaceEntry* OwnEntry() const;

  std::unique_ptr<TMVWImageLink> FaceLink_;
  TMVWFaceEntries Faces_{};
  TColor HitColor_ = static_cast<TColor>(0xFFFFFF);
  RECT FaceRect_{};
  TMVWBitmapStyle FaceStyle_ = DefaultButtonFaceStyle;
  std::int32_t CaptionDown_ = DefaultCaptionDown;
  bool ForceTransparent_ = DefaultForceTransparent;
  bool QuickDraw_ = DefaultQuickDraw;
};

// Makes the multimedia button known to form data.
void RegisterMVWCustomMMButton();

} // namespace marivo
