#pragma once

#include "platform/ui/Canvas.h"
#include "platform/ui/Pictures.h"
#include "widgets/foundation/MVWGlyphTextLayout.h"
#include "widgets/foundation/MVWGradient.h"
#include "widgets/foundation/portable/MVWBase.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

namespace marivo {

enum TMVWFillStyle : std::uint8_t {
  sfNone,
  sfBrushBitmap,
  sfBrush,
  sfBitmap,
  sfBitmapList,
  sfGradient
};
enum TMVWTileMode : std::uint8_t { tmNone, tmCenter, tmStretch, tmTile };

enum TMVWFillOption : std::uint8_t { foFillInner, foQuickDraw, foGrUseBitmap };
// Bit 1 << option for each option set.
using TMVWFillOptions = std::uint8_t;
constexpr TMVWFillOptions FillOption(TMVWFillOption option) {
  return static_cast<TMVWFillOptions>(1u << option);
}

// How an area is filled: nothing, a brush pattern, a brush colour, a bitmap, a bitmap taken from
// an image list, or a gradient. Changes inside the bitmap or the gradient reach the owner too.
class TMVWShapeFill : public TMVWObject {
public:
  static constexpr TMVWFillStyle DefaultStyle = sfBrush;
  static constexpr TMVWTileMode DefaultTileMode = tmTile;

  TMVWShapeFill();
  ~TMVWShapeFill() override;
  TMVWShapeFill(const TMVWShapeFill&) = delete;
  TMVWShapeFill& operator=(const TMVWShapeFill&) = delete;

  TBitmap& Bitmap() const { return *Bitmap_; }
  void SetBitmap(const TBitmap& value) { Bitmap_->Assign(value); }
  TMVWFillStyle Style() const { return Style_; }
  void SetStyle(TMVWFillStyle value);
  TMVWGradient& Gradient() const { return *Gradient_; }
  void SetGradient(const TMVWGradient& value) { Gradient_->Assign(value); }
  TMVWTileMode TileMode() const { return TileMode_; }
  void SetTileMode(TMVWTileMode value);

  // The picture of sfBitmapList, filled by the owner from its image list; not stored.
  TBitmap& ListBitmap() const { return *ListBitmap_; }
  // Copies the bitmap in; none clears it.
  void SetListBitmap(const TBitmap* value);

  // Bitmap for sfBitmap, ListBitmap for sfBitmapList, else none.
  TBitmap* GetFillBitmap() const;
  bool FillIsEmpty() const;
  HPALETTE GetFillPalette() const;

  void Assign(const TPersistent& source) override;
  std::string DescribeSettings() const override;

private:
  std::unique_ptr<TBitmap> Bitmap_;
  std::unique_ptr<TBitmap> ListBitmap_;
  std::unique_ptr<TMVWGradient> Gradient_;
  TMVWFillStyle Style_ = DefaultStyle;
  TMVWTileMode TileMode_ = DefaultTileMode;
};

// A shape fill that paints itself into a rectangle, with a brush, a placement of an unscaled
// bitmap and options.
class TMVWFillObject : public TMVWShapeFill {
public:
  static constexpr TMVWAlignment DefaultAlignment = agTopLeft;
  static constexpr std::int32_t DefaultOffset = 0;
  static constexpr TMVWFillOptions DefaultOptions =
      FillOption(foFillInner) | FillOption(foGrUseBitmap);
  static constexpr TMVWFillStyle DefaultStyle = sfNone;

  TMVWFillObject();

  TMVWAlignment Alignment() const { return Alignment_; }
  // Stored always; the owner hears of it only where it shows (an unscaled bitmap).
  void SetAlignment(TMVWAlignment value);
  TBrush& Brush() const { return *Brush_; }
  void SetBrush(const TBrush& value) { Brush_->Assign(value); }
  std::int32_t OffsetX() const { return OffsetX_; }
  void SetOffsetX(std::int32_t value);
  std::int32_t OffsetY() const { return OffsetY_; }
  void SetOffsetY(std::int32_t value);
  TMVWFillOptions Options() const { return Options_; }
  void SetOptions(TMVWFillOptions value);

  // Paints the fill; False when nothing of the fill itself was painted (none, or an empty
  // bitmap, where only the background may have been filled).
  bool FillRect(TCanvas& canvas, const RECT& rect, TColor background);

  // Alignment and offsets stay as they are.
  void Assign(const TPersistent& source) override;

private:
  bool PlacementShows() const;
  void FillBackground(TCanvas& canvas, const RECT& rect, TColor background) const;
  bool FillWithBitmap(TCanvas& canvas, const RECT& rect, TColor background, TBitmap& bitmap);

  TMVWAlignment Alignment_ = DefaultAlignment;
  std::unique_ptr<TBrush> Brush_;
  std::int32_t OffsetX_ = DefaultOffset;
  std::int32_t OffsetY_ = DefaultOffset;
  TMVWFillOptions Options_ = DefaultOptions;
};

// Makes the fills known to form data.
void RegisterMVWShapeFill();

} // namespace marivo
