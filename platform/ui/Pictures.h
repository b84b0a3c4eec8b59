#pragma once

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/GdiHandles.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

class TStream;

// A picture that can be loaded from a stream and drawn stretched into a rectangle.
class TGraphic : public TPersistent {
public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  // Stretches the whole picture over rect on the canvas.
  virtual void Draw(TCanvas& canvas, const RECT& rect) = 0;
  // Decodes from the stream's position to its end; the picture is unchanged when it raises.
  virtual void LoadFromStream(TStream& stream) = 0;
  // A transparent picture leaves the canvas showing where it has its transparent colour.
  bool Transparent() const { return Transparent_; }
  void SetTransparent(bool value);
  // An empty picture of the same class, for copying a picture of any class.
  virtual std::unique_ptr<TGraphic> NewEmpty() const = 0;

  TNotifyEvent OnChange;

protected:
  void Changed();

private:
  bool Transparent_ = false;
};

enum TPixelFormat { pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

// A 32-bit device-independent bitmap, top row first, with a canvas drawing on it. PixelFormat
// is the depth it is saved at; its pixels are reduced to that depth's colours when it changes.
// OnChange fires when it is assigned, loaded or resized and after each drawing on its canvas.
class TBitmap : public TGraphic {
public:
  TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const override { return Width_; }
  int Height() const override { return Height_; }
  void SetWidth(int value) { SetSize(value, Height_); }
  void SetHeight(int value) { SetSize(Width_, value); }
  // The pixels of a resized bitmap start black.
  void SetSize(int width, int height);
  // Bound to a memory DC holding the bitmap; usable for measuring text even while empty.
  TCanvas& Canvas();
  // The colour of a pixel; EInvalidOperation outside the bitmap.
  TColor Pixels(int x, int y) const;
  void SetPixels(int x, int y, TColor color);
  // Row y of the pixels, four bytes each (blue, green, red, unused), for routines that work on
  // whole rows; the caller may change them. EInvalidOperation outside the bitmap.
  std::uint8_t* ScanLine(int y);
  // The GDI bitmap, nullptr while empty.
  HBITMAP Handle() const;
  // The colours of a bitmap loaded or reduced to 8 bits per pixel or fewer; else nullptr.
  HPALETTE Palette() const { return Palette_.Get(); }
  TPixelFormat PixelFormat() const { return PixelFormat_; }
  void SetPixelFormat(TPixelFormat value);
  bool Monochrome() const { return PixelFormat_ == pf1bit; }
  // Off again gives 24 bits per pixel.
  void SetMonochrome(bool value);
  // The colour shown through when Transparent: the one set, or while none is (clDefault) the
  // bottom-left pixel's.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor value);
  // Turns the bitmap into a monochrome mask: white where it had color, black elsewhere.
  void Mask(TColor color);
  // A monochrome GDI bitmap, white where the pixels have the transparent colour; made anew at
  // each call and kept by the bitmap until the next or its end.
  HBITMAP MaskHandle();

  void Draw(TCanvas& canvas, const RECT& rect) override;
  // A BMP file: 1, 4, 8 (palette), 16, 24 or 32 bits per pixel, uncompressed or bit fields.
  // No bytes make an empty bitmap.
  void LoadFromStream(TStream& stream) override;
  // A BMP file: the very bytes it was loaded from while its pixels are untouched, else its
  // pixels at PixelFormat's depth; no bytes for an empty bitmap.
  void SaveToStream(TStream& stream) const;
  // The picture file compiled into the program that the pixels came from, as form data names
  // it ("key.bmp" is the RCDATA resource KEY_BMP); "" once they are drawn on or came otherwise.
  std::string File() const { return Image_.empty() ? std::string() : File_; }
  // "" empties the bitmap; EResNotFound naming the file when the program has none.
  void SetFile(const std::string& value);
  void Assign(const TPersistent& source) override;
  std::unique_ptr<TGraphic> NewEmpty() const override { return std::make_unique<TBitmap>(); }

private:
  friend class TJPEGImage;
  // Takes a top-down 32-bit DIB section, or none for no pixels; forgets any loaded file.
  void AdoptHandle(TBitmapHandle bitmap, void* bits, int width, int height);
  // Takes a checked BMP file image with its pixels, depth and colours.
  void AdoptImage(std::vector<std::uint8_t> image);
  void SetPalette(const std::vector<std::uint32_t>& colors, int count);
  HDC MemoryDC();
  void DrawTransparent(HDC target, const RECT& rect);

  // Declared before the DC, which goes first and lets go of the bitmap selected into it.
  TBitmapHandle Handle_;
  TPaletteHandle Palette_;
  TPixelFormat PixelFormat_ = pf24bit;
  std::vector<std::uint8_t> Image_; // the file loaded, while the pixels are as it gave them
  std::string File_;
  std::uint8_t* Bits_ = nullptr;
  int Width_ = 0;
  int Height_ = 0;
  TMemoryDC DC_;
  HGDIOBJ OldBitmap_ = nullptr;
  TBitmapHandle MaskHandle_;
  TColor TransparentColor_ = clDefault;
  TCanvas Canvas_;
};

// A JPEG picture, decoded once on loading into a bitmap. Lossy pixels have no exact colour to
// leave out, so Transparent does not apply.
class TJPEGImage : public TGraphic {
public:
  int Width() const override { return Bitmap_.Width(); }
  int Height() const override { return Bitmap_.Height(); }
  void Draw(TCanvas& canvas, const RECT& rect) override;
  // Baseline or progressive, colour or greyscale; "JPEG error ..." for corrupt or truncated data.
  void LoadFromStream(TStream& stream) override;
  void Assign(const TPersistent& source) override;
  std::unique_ptr<TGraphic> NewEmpty() const override { return std::make_unique<TJPEGImage>(); }
  const TBitmap& Bitmap() const { return Bitmap_; }

private:
  TBitmap Bitmap_;
};

// Holds one graphic of any class, chosen by the data it loads.
class TPicture : public TPersistent {
public:
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  TGraphic* Graphic() const { return Graphic_.get(); }
  // Copies the graphic; nullptr empties the picture.
  void SetGraphic(const TGraphic* value);
  // The bitmap held, replacing any other graphic with a new empty bitmap.
  TBitmap& Bitmap();
  int Width() const { return Graphic_ ? Graphic_->Width() : 0; }
  int Height() const { return Graphic_ ? Graphic_->Height() : 0; }

  // Picks the class by signature: "BM" a bitmap, FF D8 a JPEG; EInvalidGraphic otherwise.
  void LoadFromStream(TStream& stream);
  // The picture file compiled into the program, as named in form data: "logo.jpg" is the RCDATA
  // resource LOGO_JPG. EResNotFound naming the file when the program has none.
  const std::string& File() const { return File_; }
  void SetFile(const std::string& value);
  // Takes a picture, a graphic, or nothing useful (EConvertError).
  void Assign(const TPersistent& source) override;

  TNotifyEvent OnChange;

private:
  static std::unique_ptr<TGraphic> CopyOf(const TGraphic* graphic);
  void Replace(std::unique_ptr<TGraphic> graphic);
  void Changed();

  std::unique_ptr<TGraphic> Graphic_;
  std::string File_;
};

// A BMP file image of the bitmap at 1, 4, 8, 16, 24 or 32 bits per pixel: a 14-byte file header,
// a 40-byte info header (size, width, height, 1 plane, bit count, uncompressed, image size = rows
// x row size, the rest 0), a colour table of 4 x 2^bits bytes for 8 bits or fewer, then the rows
// bottom up as GetDIBits gives them with the palette realized in the focus window's DC.
// EInvalidGraphic "Bitmap image is not valid" without a bitmap.
std::vector<std::uint8_t> BitmapFileImage(HBITMAP bitmap, HPALETTE palette, int bitCount);

// Makes the picture classes known to form data; the first call does it, later calls nothing.
void RegisterPictureClasses();

} // namespace marivo
