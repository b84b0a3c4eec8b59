#pragma once

#include "widgets/foundation/MVWCustomImageList.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

class TMVWBitmapListItem : public TMVWListItem {
public:
  explicit TMVWBitmapListItem(TComponent* owner) : TMVWListItem(owner) {}

  TBitmap& Bitmap() { return Bitmap_; }
  void SetBitmap(const TBitmap& value);
  // The bitmap is a picture file compiled into the program and the item holds nothing else, so
  // form data names the file instead of holding the item's stream.
  bool NamesPictureFile() const;
  TMVWSavePixelFormat PixelFormat() const override { return PixelFormat_; }
  void SetPixelFormat(TMVWSavePixelFormat value) override { PixelFormat_ = value; }

  void Clear() override { Bitmap_.SetSize(0, 0); }
  bool IsEmpty() const override { return Bitmap_.Empty(); }
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  std::uint8_t GetFlags() const override;
  void Assign(const TPersistent& source) override;

private:
  TBitmap Bitmap_;
  TMVWSavePixelFormat PixelFormat_ = spfDefault;
};

class TMVWBitmapList : public TMVWCustomImageList {
public:
  explicit TMVWBitmapList(TComponent* owner);
  TMVWBitmapListItem* Item(int index) const override {
    return static_cast<TMVWBitmapListItem*>(TMVWCustomContainer::Item(index));
  }

  TCanvas* GetCanvas(int list) override;
  RECT GetPartRect(int list, int image) override;
  int GetSize(int list, int which) override;
  int GetImageCount(int list) override;
  bool IsValid(int list, int image) override;
  void GetBitmap(int list, int image, TBitmap& bitmap) override;
  bool IsMasked(int) override { return false; }
  HPALETTE GetPalette(int list) override;
  TColor GetTransparentColor(int list, int image) override;
  TColor GetPixel(POINT point, int list, int image) override;
  void DrawAt(TCanvas& canvas, int x, int y, int list, int image) override;
  void DrawInRect(TCanvas& canvas, const RECT& rect, int list, int image,
                  std::uint16_t flags) override;
  void DrawExtended(TCanvas& canvas, const RECT& rect, int list, int image, TColor color,
                    std::uint32_t clipOffset, std::uint16_t flags) override;

protected:
  TMVWListItem* NewItem() override { return new TMVWBitmapListItem(this); }
  bool Accepts(const TMVWCustomContainer& source) const override {
    return dynamic_cast<const TMVWBitmapList*>(&source) != nullptr;
  }

private:
  TBitmap* BitmapOf(int list) const;
};

// The bitmap of item number ident (0-based) of a bitmap list file; False out of range or for an
// empty bitmap. A file of another kind raises Exception "Cannot open file %s: <file name>".
bool LoadBitmapFromListFile(const std::string& fileName, int ident, TBitmap& bitmap);

// Makes the list and its item known to form data.
void RegisterMVWBitmapList();

} // namespace marivo
