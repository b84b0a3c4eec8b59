#pragma once

#include "widgets/foundation/MVWCustomImageList.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

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

// Makes the list and its item known to form data.
void RegisterMVWGraphicList();

} // namespace marivo
