#pragma once

#include "platform/rtl/Components.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/GdiHandles.h"
#include "widgets/foundation/MVWRegionMask.h"
#include "widgets/foundation/MVWShadow.h"
#include "widgets/foundation/portable/MVWBase.h"
#include "widgets/foundation/portable/MVWPointList.h"
#include "widgets/foundation/portable/MVWRegionGeometry.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

class TWinControl;

enum TMVWRegionBorderStyle : std::uint8_t {
  rbNone,
  rbLowered,
  rbRaised,
  rbSingle,
  rbSingleRaised,
  rbSingleLowered,
  rbRaisedpsb,
  rbLoweredpsb
};

// How the outline of a region is drawn.
class TMVWRegionBorder : public TMVWObject {
public:
  static constexpr TMVWRegionBorderStyle DefaultStyle = rbSingle;
  static constexpr TColor DefaultLightColor = clBtnHighlight;
  static constexpr TColor DefaultShadowColor = clBtnShadow;
  static constexpr TColor DefaultSingleColor = clBlack;

  TMVWRegionBorderStyle Style() const { return Style_; }
  void SetStyle(TMVWRegionBorderStyle value);
  TColor LightColor() const { return LightColor_; }
  void SetLightColor(TColor value) { SetColour(LightColor_, value); }
  TColor ShadowColor() const { return ShadowColor_; }
  void SetShadowColor(TColor value) { SetColour(ShadowColor_, value); }
  TColor SingleColor() const { return SingleColor_; }
  void SetSingleColor(TColor value) { SetColour(SingleColor_, value); }

  void Assign(const TPersistent& source) override;

private:
  void SetColour(TColor& field, TColor value);

  TMVWRegionBorderStyle Style_ = DefaultStyle;
  TColor LightColor_ = DefaultLightColor;
  TColor ShadowColor_ = DefaultShadowColor;
  TColor SingleColor_ = DefaultSingleColor;
};

enum TMVWRegionShape : std::uint8_t {
  rsRect,
  rsRoundRect,
  rsBitmap,
  rsNoseRect,
  rsRoundNoseRect,
  rsElliptic,
  rsStar,
  rsRoundShield,
  rsSharpShield,
  rsDiamond,
  rsOctagon,
  rsComb,
  rsHalfRound,
  rsUserRegion,
  rsThinkBubble,
  rsRoundThinkBubble,
  rsEllipticThinkBubble,
  rsPointList
};

// The outline of a shaped window: it builds the window region for a rectangle and paints the
// region's shadow and border along it.
class TMVWRegion : public TMVWObject {
public:
  static constexpr TMVWRegionShape DefaultShape = rsRoundRect;
  static constexpr TMVWExtPos DefaultExtPos = epLeftTop;
  static constexpr int DefaultRound = 20;

  TMVWRegion();
  ~TMVWRegion() override;
  TMVWRegion(const TMVWRegion&) = delete;
  TMVWRegion& operator=(const TMVWRegion&) = delete;

  TMVWPointList& Points() const { return *Points_; }
  TMVWRegionShape Shape() const { return Shape_; }
  void SetShape(TMVWRegionShape value);
  TMVWExtPos ExtPos() const { return ExtPos_; }
  void SetExtPos(TMVWExtPos value);
  TMVWRegionMask& Mask() const { return *Mask_; }
  void SetMask(const TMVWRegionMask& value) { Mask_->Assign(value); }
  int RoundX() const { return RoundX_; }
  void SetRoundX(int value);
  int RoundY() const { return RoundY_; }
  void SetRoundY(int value);
  TMVWRgnShadow& Shadow() const { return *Shadow_; }
  void SetShadow(const TMVWShadow& value) { Shadow_->Assign(value); }
  TMVWRegionBorder& Border() const { return *Border_; }
  void SetBorder(const TMVWRegionBorder& value) { Border_->Assign(value); }

  // The window the region shapes; none detaches it.
  TWinControl* OwnerControl() const { return Owner_; }
  void SetOwnerControl(TWinControl* value) { Owner_ = value; }

  // The region handle the last CreateRegion or SetRectRegion made; the region keeps it.
  HRGN Handle() const { return Handle_.Get(); }
  // The region data the points make, for rsPointList and rsUserRegion.
  const std::vector<std::uint8_t>& UserRegionData() const { return UserRegion_; }

  // "PointList" of form data: X1, Y1, X2, Y2...; reading appends the pairs.
  std::vector<std::int64_t> PointList() const;
  void ReadPointList(const std::vector<std::int64_t>& values);

  void RebuildUserRegion();
  virtual void CreateRegion(const RECT& rect);
  void SetRectRegion(const RECT& rect);
  virtual void PaintBorder(TCanvas& canvas, const RECT& rect);

  // The points are not copied.
  void Assign(const TPersistent& source) override;

private:
  bool OwnerDestroying() const;
  void ReplaceHandle(TRegionHandle region);
  TRegionHandle BuildRegion(const RECT& rect) const;
  void PaintShadow(TCanvas& canvas);

  std::unique_ptr<TMVWPointList> Points_;
  TMVWRegionShape Shape_ = DefaultShape;
  TMVWExtPos ExtPos_ = DefaultExtPos;
  std::unique_ptr<TMVWRegionMask> Mask_;
  int RoundX_ = DefaultRound;
  int RoundY_ = DefaultRound;

  std::unique_ptr<TMVWRgnShadow> Shadow_;
  std::unique_ptr<TMVWRegionBorder> Border_;
  int BubbleCount_ = 4;
  TWinControl* Owner_ = nullptr;
  TRegionHandle Handle_;
  std::vector<std::uint8_t> UserRegion_;
};

// A region with its border published.
class TMVWBorderRegion : public TMVWRegion {};

// Makes the regions and their border known to form data.
void RegisterMVWRegion();

} // namespace marivo
