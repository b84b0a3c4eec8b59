#pragma once

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Collections.h"

#include "platform/ui/ImgList.h"
#include "platform/ui/Pictures.h"
#include "widgets/foundation/portable/MVWCustomContainer.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

// The colour a point outside the images reads as.
constexpr TColor OutOfRangeColor = clWhite;

// The container controls draw their images from, behind thirteen operations on (list, image).
class TMVWCustomImageList : public TMVWCustomContainer {
public:
  static constexpr TMVWSavePixelFormat InitialDefaultPixelFormat = spfDefault;

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
  TMVWSavePixelFormat DefaultPixelFormat_ = InitialDefaultPixelFormat;
};

// Makes the image list base known to form data.
void RegisterMVWCustomImageList();

// The published properties both global lists share; a template, as the getters are the lists'.
template <class T> TClassBuilder<T>& PublishImageListDefaults(TClassBuilder<T>&& builder) {
  return builder.String("About", &T::About, &T::SetAbout, std::string())
      .Boolean("DefaultCompressed", &T::DefaultCompressed, &T::SetDefaultCompressed,
               T::InitialDefaultCompressed)
      .Enumeration("DefaultPixelFormat", {"spfDefault", "spfMono", "spf4bit", "spf8bit"},
                   &T::DefaultPixelFormat, &T::SetDefaultPixelFormat, T::InitialDefaultPixelFormat);
}

} // namespace marivo
