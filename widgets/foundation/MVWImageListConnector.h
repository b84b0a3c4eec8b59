#pragma once

#include "widgets/foundation/MVWCustomImageList.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

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

bool IsImageListConnector(const TMVWCustomImageList* list);

// Makes the connector and its item known to form data.
void RegisterMVWImageListConnector();

} // namespace marivo
