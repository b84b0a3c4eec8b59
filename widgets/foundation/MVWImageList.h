#pragma once

#include "widgets/foundation/MVWCustomImageList.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

// Images of Width x Height side by side in one strip, with a monochrome mask strip when Masked.
class TMVWImageListItem : public TMVWListItem {
public:
  explicit TMVWImageListItem(TComponent* owner) : TMVWListItem(owner) {}
  // EInvalidGraphicOperation "Invalid image size" for a size below 1.
  TMVWImageListItem(TComponent* owner, int width, int height);

  std::int32_t AllocBy() const { return Size_.AllocBy; }
  void SetAllocBy(std::int32_t value);
  std::int32_t Width() const { return Size_.Width; }
  // Values above 0 that differ empty the strip.
  void SetWidth(std::int32_t value);
  std::int32_t Height() const { return Size_.Height; }
  void SetHeight(std::int32_t value);
  bool Masked() const { return Size_.Masked; }
  // Empties the images but keeps their number.
  void SetMasked(bool value);
  TMVWSavePixelFormat PixelFormat() const override { return PixelFormat_; }
  void SetPixelFormat(TMVWSavePixelFormat value) override { PixelFormat_ = value; }

  TColor BkColor() const { return BkColor_; }
  void SetBkColor(TColor value) { BkColor_ = value; }
  TColor BlendColor() const { return BlendColor_; }
  void SetBlendColor(TColor value) { BlendColor_ = value; }
  int DrawingStyle() const { return DrawingStyle_; }
  void SetDrawingStyle(int value) { DrawingStyle_ = value; }
  int ImageType() const { return ImageType_; }
  void SetImageType(int value) { ImageType_ = value; }

  int Count() const { return static_cast<int>(Entries_.size()); }
  // The 32-bit entry: x offset in the low 16 bits, masked flag in bits 16..23.
  std::uint32_t Entry(int index) const { return Entries_[static_cast<std::size_t>(index)]; }
  TBitmap& Strip() { return Strip_; }
  TBitmap& MaskStrip() { return MaskStrip_; }
  RECT ImageRect(int index) const;

  // The images of a bitmap Height high and a multiple of Width wide, with a mask of the same
  // size or none; the index of the first. "Invalid image size", "Too many images".
  int AddImages(TBitmap& bitmap, TBitmap* mask);
  // Overwrites one image with a bitmap of Width x Height and its mask or none. "Invalid image
  // size"; EListError for an index outside the list.
  void ReplaceImage(int index, TBitmap& bitmap, TBitmap* mask);
  // Appends another item's images; it must have the same size.
  void AppendItem(TMVWImageListItem& other);
  void DrawAt(TCanvas& canvas, int x, int y, int index);

  void Clear() override;
  bool IsEmpty() const override { return Entries_.empty(); }
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  std::uint8_t GetFlags() const override;
  void Assign(const TPersistent& source) override;

  // The legacy "Bitmap" of form data: strip data alone.
  void ReadLegacyBitmap(TStream& stream);

private:
  void ReadStrip(TStream& stream);
  void WriteStrip(TStream& stream);
  // Copies the images to x in the strip, masking them by the mask or their transparent colour.
  void PutImages(int x, TBitmap& bitmap, TBitmap* mask);
  void EnsureCapacity(int images);
  void ResetEntries(int count);

  TMVWImageStripSize Size_;
  TMVWSavePixelFormat PixelFormat_ = spfDefault;
  std::vector<std::uint32_t> Entries_;
  TBitmap Strip_;
  TBitmap MaskStrip_;
  TColor BkColor_ = clNone;
  TColor BlendColor_ = clNone;
  int DrawingStyle_ = 2;
  int ImageType_ = 0;
};

class TMVWImageList : public TMVWCustomImageList {
public:
  explicit TMVWImageList(TComponent* owner);
  TMVWImageListItem* Item(int index) const override {
    return static_cast<TMVWImageListItem*>(TMVWCustomContainer::Item(index));
  }

  TCanvas* GetCanvas(int list) override;
  RECT GetPartRect(int list, int image) override;
  int GetSize(int list, int which) override;
  int GetImageCount(int list) override;
  bool IsValid(int list, int image) override;
  void GetBitmap(int list, int image, TBitmap& bitmap) override;
  bool IsMasked(int list) override;
  HPALETTE GetPalette(int list) override;
  TColor GetTransparentColor(int list, int image) override;
  TColor GetPixel(POINT point, int list, int image) override;
  void DrawAt(TCanvas& canvas, int x, int y, int list, int image) override;
  void DrawInRect(TCanvas& canvas, const RECT& rect, int list, int image,
                  std::uint16_t flags) override;
  void DrawExtended(TCanvas& canvas, const RECT& rect, int list, int image, TColor color,
                    std::uint32_t clipOffset, std::uint16_t flags) override;

protected:
  TMVWListItem* NewItem() override { return new TMVWImageListItem(this); }
  bool Accepts(const TMVWCustomContainer& source) const override {
    return dynamic_cast<const TMVWImageList*>(&source) != nullptr;
  }

private:
  TMVWImageListItem* Valid(int list, int image) const;
};

// Makes the list and its item known to form data.
void RegisterMVWImageList();

} // namespace marivo
