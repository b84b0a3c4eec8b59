#pragma once

#include "platform/rtl/Collections.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Pictures.h"
#include "widgets/foundation/portable/mvwcont.h"

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

// The container controls draw their images from, behind thirteen operations on (list, image).
class TMVWCustomImageList : public TMVWCustomContainer {
public:
  explicit TMVWCustomImageList(TComponent* owner) : TMVWCustomContainer(owner) {}

  TMVWSavePixelFormat DefaultPixelFormat() const { return DefaultPixelFormat_; }
  void SetDefaultPixelFormat(TMVWSavePixelFormat value) { DefaultPixelFormat_ = value; }

  virtual TCanvas* GetCanvas(int list) = 0;
  virtual RECT GetPartRect(int list, int image) = 0;
  // which: 0 width, 1 height.
  virtual int GetSize(int list, int which) = 0;
  virtual int GetImageCount(int list) = 0;
  virtual bool IsValid(int list, int image) = 0;
  virtual void GetBitmap(int list, int image, TBitmap& bitmap) = 0;
  virtual bool IsMasked(int list) = 0;
  virtual HPALETTE GetPalette(int list) = 0;
  virtual TColor GetTransparentColor(int list, int image) = 0;
  virtual TColor GetPixel(POINT point, int list, int image) = 0;
  virtual void DrawAt(TCanvas& canvas, int x, int y, int list, int image) = 0;
  virtual void DrawInRect(TCanvas& canvas, const RECT& rect, int list, int image,
                          std::uint16_t flags) = 0;
  // The image placed by the flags in rect, clipped with DrawClip (clip offset: X in the low, Y in
  // the high word), the transparent parts by color.
  virtual void DrawExtended(TCanvas& canvas, const RECT& rect, int list, int image, TColor color,
                            std::uint32_t clipOffset, std::uint16_t flags) = 0;

protected:
  void AssignDefaults(const TMVWCustomContainer& source) override;
  void PrepareItem(TMVWListItem& item) override;
  // The image copied to a bitmap, then drawn like a bitmap list's.
  void DrawCopied(TCanvas& canvas, const RECT& rect, int list, int image, TColor color,
                  std::uint32_t clipOffset, std::uint16_t flags);

private:
  TMVWSavePixelFormat DefaultPixelFormat_ = spfDefault;
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

// One picture of a graphic list.
class TMVWGraphicListItem : public TCollectionItem {
public:
  TMVWGraphicListItem();
  const std::string& Name() const { return Name_; }
  void SetName(const std::string& value);
  TPicture& Picture() { return Picture_; }
  void Assign(const TPersistent& source) override;
  std::string DisplayName() const override { return Name_; }

private:
  std::string Name_;
  TPicture Picture_;
};

class TMVWGraphicList;

class TMVWGraphicListItems : public TCollection {
public:
  explicit TMVWGraphicListItems(TMVWGraphicList& list);
  TMVWGraphicListItem* Items(int index) const {
    return static_cast<TMVWGraphicListItem*>(TCollection::Items(index));
  }

protected:
  void Update(TCollectionItem*) override;

private:
  TMVWGraphicList& List_;
};

// Pictures of any class, each its own list of one image.
class TMVWGraphicList : public TMVWCustomImageList {
public:
  explicit TMVWGraphicList(TComponent* owner);

  TMVWGraphicListItems& Graphics() { return Graphics_; }
  int Count() const override { return Graphics_.Count(); }
  // One shared item whose description is the picture's name.
  TMVWListItem* Item(int index) const override;

  TCanvas* GetCanvas(int) override { return nullptr; }
  RECT GetPartRect(int list, int image) override;
  int GetSize(int list, int which) override;
  int GetImageCount(int list) override;
  bool IsValid(int list, int image) override;
  void GetBitmap(int list, int image, TBitmap& bitmap) override;
  bool IsMasked(int) override { return false; }
  HPALETTE GetPalette(int list) override;
  TColor GetTransparentColor(int list, int image) override;
  TColor GetPixel(POINT, int, int) override { return clWhite; }
  void DrawAt(TCanvas& canvas, int x, int y, int list, int image) override;
  void DrawInRect(TCanvas& canvas, const RECT& rect, int list, int image,
                  std::uint16_t flags) override;
  void DrawExtended(TCanvas& canvas, const RECT& rect, int list, int image, TColor color,
                    std::uint32_t clipOffset, std::uint16_t flags) override;
  void Assign(const TPersistent& source) override;

protected:
  bool Accepts(const TMVWCustomContainer& source) const override {
    return dynamic_cast<const TMVWGraphicList*>(&source) != nullptr;
  }

private:
  TPicture* PictureOf(int list) const;

  TMVWGraphicListItems Graphics_;
  std::unique_ptr<TMVWListItem> Shared_;
};

// One standard image list of a connector.
class TMVWBorImageListItem : public TCollectionItem {
public:
  TMVWBorImageListItem();
  const std::string& Name() const { return Name_; }
  void SetName(const std::string& value) { Name_ = value; }
  TCustomImageList* ImageList() const { return ImageList_; }
  void SetImageList(TCustomImageList* value);
  void Assign(const TPersistent& source) override;
  std::string DisplayName() const override { return Name_; }

private:
  std::string Name_;
  TCustomImageList* ImageList_ = nullptr;
  TChangeLink Link_;
};

class TMVWImageListConnector;

class TMVWBorImageListItems : public TCollection {
public:
  explicit TMVWBorImageListItems(TMVWImageListConnector& connector);
  TMVWBorImageListItem* Items(int index) const {
    return static_cast<TMVWBorImageListItem*>(TCollection::Items(index));
  }
  TMVWImageListConnector& Connector() const { return Connector_; }

private:
  TMVWImageListConnector& Connector_;
};

// The platform's standard image lists seen through the widget image-list operations.
class TMVWImageListConnector : public TMVWCustomImageList {
public:
  explicit TMVWImageListConnector(TComponent* owner);

  TMVWBorImageListItems& ImageLists() { return ImageLists_; }
  int Count() const override { return ImageLists_.Count(); }

  TCanvas* GetCanvas(int) override { return nullptr; }
  RECT GetPartRect(int list, int image) override;
  int GetSize(int list, int which) override;
  int GetImageCount(int list) override;
  bool IsValid(int list, int image) override;
  void GetBitmap(int list, int image, TBitmap& bitmap) override;
  bool IsMasked(int list) override;
  HPALETTE GetPalette(int) override { return nullptr; }
  TColor GetTransparentColor(int list, int image) override;
  TColor GetPixel(POINT, int, int) override { return clWhite; }
  void DrawAt(TCanvas& canvas, int x, int y, int list, int image) override;
  void DrawInRect(TCanvas& canvas, const RECT& rect, int list, int image,
                  std::uint16_t flags) override;
  void DrawExtended(TCanvas& canvas, const RECT& rect, int list, int image, TColor color,
                    std::uint32_t clipOffset, std::uint16_t flags) override;
  void Assign(const TPersistent& source) override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  bool Accepts(const TMVWCustomContainer& source) const override {
    return dynamic_cast<const TMVWImageListConnector*>(&source) != nullptr;
  }

private:
  TCustomImageList* ListOf(int list) const;

  TMVWBorImageListItems ImageLists_;
};

// The global container: one bitmap, image, wave and string list each.
class TMVWContainer : public TMVWBaseContainer {
public:
  explicit TMVWContainer(TComponent* owner);

  TMVWBitmapList& BitmapList() const { return *BitmapList_; }
  TMVWImageList& ImageList() const { return *ImageList_; }
  TMVWWaveList& WaveList() const { return *WaveList_; }
  TMVWStringList& StringList() const { return *StringList_; }

  void ContainerChanged(TObject* sender) override;

private:
  TMVWBitmapList* BitmapList_;
  TMVWImageList* ImageList_;
  TMVWWaveList* WaveList_;
  TMVWStringList* StringList_;
};

// From the foundation's start-up to its shut-down.
extern TMVWContainer* MVWContainer;

// "MVWBML30" for the global bitmap list, "MVWIML30" for the global image list, "" otherwise.
std::string WriteContainerListRef(const TMVWCustomImageList* list);
// The global list a reference names, or none.
TMVWCustomImageList* ReadContainerListRef(const std::string& text);
bool IsGlobalContainerList(const TMVWCustomImageList* list);
bool IsImageListConnector(const TMVWCustomImageList* list);
// The bitmap of item number ident (0-based) of a bitmap list file; False out of range or for an
// empty bitmap. A file of another kind raises Exception "Cannot open file %s: <file name>".
bool LoadBitmapFromListFile(const std::string& fileName, int ident, TBitmap& bitmap);

// Makes the containers, their items and collection items known to form data.
void RegisterContainerClasses();

} // namespace marivo
