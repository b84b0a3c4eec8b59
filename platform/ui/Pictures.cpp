#include "platform/ui/Pictures.h"

#include "platform/rtl/BmpHeader.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Resources.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace marivo {

namespace {

using TBytes = std::vector<std::uint8_t>;

TBytes ReadRest(TStream& stream) {
  const std::int64_t count = stream.Size() - stream.Position();
  TBytes bytes(static_cast<std::size_t>(count > 0 ? count : 0));
  stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  return bytes;
}

// --- BMP files --------------------------------------------------------------------------------

std::uint32_t ReadU16(const std::uint8_t* bytes) {
  return bytes[0] | (bytes[1] << 8);
}

std::uint32_t ReadU32(const std::uint8_t* bytes) {
  return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
         (static_cast<std::uint32_t>(bytes[3]) << 24);
}

// One colour channel of a bit-field pixel, widened or narrowed to 8 bits.
struct TChannel {
  explicit TChannel(std::uint32_t mask)
      : Mask(mask), Shift(mask ? std::countr_zero(mask) : 0), Bits(std::popcount(mask)) {}
  std::uint8_t Of(std::uint32_t pixel) const {
    const std::uint32_t value = (pixel & Mask) >> Shift;
    if (Bits == 0)
      return 0;
    if (Bits >= 8)
      return static_cast<std::uint8_t>(value >> (Bits - 8));
    return static_cast<std::uint8_t>(value * 255 / ((1u << Bits) - 1));
  }
  std::uint32_t Mask;
  int Shift;
  int Bits;
};

TDibSection DecodeBmp(const TBytes& data, const TBmpLayout& layout) {
  const TChannel red(layout.Masks[0]), green(layout.Masks[1]), blue(layout.Masks[2]);
  const int bitCount = layout.BitCount;
  const int width = layout.Width;
  const int rows = layout.Rows;
  TDibSection dib(width, rows);
  for (int y = 0; y < rows; ++y) {
    const std::uint8_t* source =
        data.data() + layout.PixelOffset + layout.Stride * (layout.TopDown ? y : rows - 1 - y);
    auto* target = reinterpret_cast<std::uint32_t*>(dib.Row(y));
    for (int x = 0; x < width; ++x) {
      switch (bitCount) {
      case 1:
      case 4:
      case 8: {
        const int bit = x * bitCount;
        const int index = (source[bit / 8] >> (8 - bitCount - bit % 8)) & ((1 << bitCount) - 1);
        target[x] = layout.Palette[index];
        break;
      }
      case 16:
      case 32: {
        const std::uint32_t pixel =
            bitCount == 16 ? ReadU16(source + x * 2) : ReadU32(source + x * 4);
        target[x] = (red.Of(pixel) << 16) | (green.Of(pixel) << 8) | blue.Of(pixel);
        break;
      }
      case 24:
        target[x] = source[x * 3] | (source[x * 3 + 1] << 8) | (source[x * 3 + 2] << 16);
        break;
      }
    }
  }
  return dib;
}

// --- JPEG files -------------------------------------------------------------------------------

struct TJpegErrors {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
  auto* errors = reinterpret_cast<TJpegErrors*>(info->err);
  info->err->format_message(info, errors->Message);
  std::longjmp(errors->Jump, 1);
}

// Warnings are fatal: a truncated file would otherwise show a grey block where the logo ends.
void JpegEmitMessage(j_common_ptr info, int level) {
  if (level < 0)
    JpegErrorExit(info);
}

// C-style on purpose: libjpeg reports errors by longjmp, which must cross no C++ destructor, so
// this frame holds only plain data and the caller raises after it returns. Gives a top-down
// 32-bit DIB section, or nullptr with the reason in message.
HBITMAP DecodeJpeg(const unsigned char* data, unsigned long size, void** bits, int* width,
                   int* height, char* message) {
  jpeg_decompress_struct info{};
  TJpegErrors errors;
  HBITMAP volatile bitmap = nullptr;
  info.err = jpeg_std_error(&errors.Manager);
  errors.Manager.error_exit = JpegErrorExit;
  errors.Manager.emit_message = JpegEmitMessage;
  errors.Message[0] = '\0';
  if (setjmp(errors.Jump)) {
    jpeg_destroy_decompress(&info);
    if (bitmap)
      DeleteObject(bitmap);
    std::memcpy(message, errors.Message, JMSG_LENGTH_MAX);
    return nullptr;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  // Greyscale and YCbCr both come out in the DIB's own byte order.
  info.out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(&info);
  bitmap =
      CreateDib(static_cast<int>(info.output_width), static_cast<int>(info.output_height), bits);
  if (!bitmap) {
    std::snprintf(message, JMSG_LENGTH_MAX, "Not enough memory for a %u x %u picture",
                  info.output_width, info.output_height);
    jpeg_destroy_decompress(&info);
    return nullptr;
  }
  const std::size_t stride = static_cast<std::size_t>(info.output_width) * 4;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = static_cast<JSAMPROW>(*bits) + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  *width = static_cast<int>(info.output_width);
  *height = static_cast<int>(info.output_height);
  jpeg_destroy_decompress(&info);
  return bitmap;
}

// The bytes of a picture file compiled into the program: "logo.jpg" is the RCDATA resource
// LOGO_JPG.
std::string PictureFileData(const std::string& file) {
  std::string resource = UpperCase(file);
  std::replace(resource.begin(), resource.end(), '.', '_');
  try {
    return LoadResourceText(resource);
  } catch (const EResNotFound&) {
    throw EResNotFound("Picture file " + file + " not found (no resource " + resource + ")");
  }
}

} // namespace

// --- TGraphic ---------------------------------------------------------------------------------

void TGraphic::SetTransparent(bool value) {
  if (Store(Transparent_, value))
    Changed();
}

void TGraphic::Changed() {
  if (OnChange)
    OnChange(this);
}

// --- TBitmap ----------------------------------------------------------------------------------

TBitmap::TBitmap() {
  Canvas_.OnChange = [this](TObject*) { Changed(); };
}

HDC TBitmap::MemoryDC() {
  if (!DC_) {
    DC_.Reset(CreateCompatibleDC(nullptr));
    if (!DC_)
      throw EInvalidOperation("Cannot make a device context for a bitmap");
    OldBitmap_ = GetCurrentObject(DC_.Get(), OBJ_BITMAP);
    if (Handle_)
      SelectObject(DC_.Get(), Handle_.Get());
  }
  return DC_.Get();
}

void TBitmap::AdoptHandle(TBitmapHandle bitmap, void* bits, int width, int height) {
  if (DC_)
    SelectObject(DC_.Get(), bitmap ? bitmap.Get() : OldBitmap_);
  Handle_ = std::move(bitmap);
  Bits_ = static_cast<std::uint8_t*>(bits);
  Width_ = width;
  Height_ = height;
  Image_.clear();
  SetPalette({}, 0);
}

void TBitmap::AdoptImage(TBytes image) {
  const TBmpLayout layout = CheckBmpHeader(image.data(), image.size());
  TDibSection dib = DecodeBmp(image, layout);
  AdoptHandle(std::move(dib.Handle), dib.Bits, dib.Width, dib.Height);
  switch (layout.BitCount) {
  case 1:
    PixelFormat_ = pf1bit;
    break;
  case 4:
    PixelFormat_ = pf4bit;
    break;
  case 8:
    PixelFormat_ = pf8bit;
    break;
  case 16:
    PixelFormat_ = layout.Masks[1] == 0x07E0 ? pf16bit : pf15bit;
    break;
  case 24:
    PixelFormat_ = pf24bit;
    break;
  default:
    PixelFormat_ = pf32bit;
    break;
  }
  SetPalette(layout.Palette, layout.PaletteColors);
  Image_ = std::move(image);
}

void TBitmap::SetPalette(const std::vector<std::uint32_t>& colors, int count) {
  Palette_.Reset();
  if (count <= 0)
    return;
  std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * count);
  auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(count);
  for (int i = 0; i < count; ++i) {
    const std::uint32_t color = colors[static_cast<std::size_t>(i)];
    palette->palPalEntry[i] = {static_cast<BYTE>(color >> 16), static_cast<BYTE>(color >> 8),
                               static_cast<BYTE>(color), 0};
  }
  Palette_.Reset(CreatePalette(palette));
}

void TBitmap::SetSize(int width, int height) {
  if (width == Width_ && height == Height_)
    return;
  if (width < 0 || height < 0)
    throw EInvalidOperation("Invalid bitmap size " + IntToStr(width) + " x " + IntToStr(height));
  if (width == 0 || height == 0) {
    AdoptHandle({}, nullptr, width, height);
  } else {
    TDibSection dib(width, height);
    std::memset(dib.Bits, 0, static_cast<std::size_t>(width) * height * 4);
    AdoptHandle(std::move(dib.Handle), dib.Bits, width, height);
  }
  Changed();
}

TCanvas& TBitmap::Canvas() {
  // Whoever takes the canvas may draw on it.
  Image_.clear();
  Canvas_.SetHandle(MemoryDC());
  return Canvas_;
}

void TBitmap::SetPixels(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= Width_ || y >= Height_ || !Bits_)
    throw EInvalidOperation("Pixel " + IntToStr(x) + ", " + IntToStr(y) + " is outside the bitmap");
  GdiFlush();
  const COLORREF rgb = ColorToRGB(color);
  std::uint8_t* pixel = Bits_ + (static_cast<std::size_t>(y) * Width_ + x) * 4;
  pixel[0] = GetBValue(rgb);
  pixel[1] = GetGValue(rgb);
  pixel[2] = GetRValue(rgb);
  Image_.clear();
  Changed();
}

std::uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= Height_ || !Bits_)
    throw EInvalidOperation("Row " + IntToStr(y) + " is outside the bitmap");
  GdiFlush();
  Image_.clear();
  return Bits_ + static_cast<std::size_t>(y) * Width_ * 4;
}

HBITMAP TBitmap::Handle() const {
  GdiFlush();
  return Handle_.Get();
}

namespace {

int BitCountOf(TPixelFormat format) {
  static constexpr int bitCounts[] = {1, 4, 8, 16, 16, 24, 32};
  return bitCounts[format];
}

} // namespace

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == PixelFormat_)
    return;
  if (!Empty())
    AdoptImage(BitmapFileImage(Handle(), Palette_.Get(), BitCountOf(value)));
  PixelFormat_ = value;
  Changed();
}

void TBitmap::SetMonochrome(bool value) {
  if (value != Monochrome())
    SetPixelFormat(value ? pf1bit : pf24bit);
}

void TBitmap::SaveToStream(TStream& stream) const {
  if (Empty())
    return;
  const TBytes image =
      Image_.empty() ? BitmapFileImage(Handle(), Palette_.Get(), BitCountOf(PixelFormat_)) : Image_;
  stream.WriteBuffer(image.data(), static_cast<std::int64_t>(image.size()));
}

std::vector<std::uint8_t> BitmapFileImage(HBITMAP bitmap, HPALETTE palette, int bitCount) {
  BITMAP description{};
  if (!bitmap || !GetObjectA(bitmap, sizeof description, &description))
    throw EInvalidGraphic("Bitmap image is not valid");
  constexpr std::size_t fileHeaderSize = 14;
  constexpr std::size_t infoHeaderSize = 40;
  const std::size_t colorTableSize = bitCount <= 8 ? 4u << bitCount : 0;
  const std::size_t rowSize =
      (static_cast<std::size_t>(description.bmWidth) * bitCount + 31) / 32 * 4;
  const std::size_t imageSize = rowSize * static_cast<std::size_t>(description.bmHeight);
  const std::size_t pixelOffset = fileHeaderSize + infoHeaderSize + colorTableSize;
  TBytes image(pixelOffset + imageSize, 0);
  const auto put32 = [&image](std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
      image[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  image[0] = 'B';
  image[1] = 'M';
  put32(2, static_cast<std::uint32_t>(image.size()));
  put32(10, static_cast<std::uint32_t>(pixelOffset));
  auto* info = reinterpret_cast<BITMAPINFO*>(image.data() + fileHeaderSize);
  info->bmiHeader.biSize = infoHeaderSize;
  info->bmiHeader.biWidth = description.bmWidth;
  info->bmiHeader.biHeight = description.bmHeight;
  info->bmiHeader.biPlanes = 1;
  info->bmiHeader.biBitCount = static_cast<WORD>(bitCount);
  info->bmiHeader.biCompression = BI_RGB;
  info->bmiHeader.biSizeImage = static_cast<DWORD>(imageSize);

  const TWindowDC focus(GetFocus());
  HDC dc = focus.Get();
  HPALETTE oldPalette = nullptr;
  if (palette) {
    oldPalette = SelectPalette(dc, palette, FALSE);
    RealizePalette(dc);
  }
  const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(description.bmHeight),
                             image.data() + pixelOffset, info, DIB_RGB_COLORS);
  if (oldPalette)
    SelectPalette(dc, oldPalette, FALSE);
  // GetDIBits fills in what it chose; the file keeps the fields its header promises.
  info->bmiHeader.biSizeImage = static_cast<DWORD>(imageSize);
  info->bmiHeader.biXPelsPerMeter = 0;
  info->bmiHeader.biYPelsPerMeter = 0;
  info->bmiHeader.biClrUsed = 0;
  info->bmiHeader.biClrImportant = 0;
  if (rows != description.bmHeight)
    throw EInvalidGraphic("Bitmap image is not valid");
  return image;
}

TColor TBitmap::Pixels(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width_ || y >= Height_ || !Bits_)
    throw EInvalidOperation("Pixel " + IntToStr(x) + ", " + IntToStr(y) + " is outside the bitmap");
  // Drawing through the canvas may still sit in GDI's batch.
  GdiFlush();
  const std::uint8_t* pixel = Bits_ + (static_cast<std::size_t>(y) * Width_ + x) * 4;
  return RGB(pixel[2], pixel[1], pixel[0]);
}

TColor TBitmap::TransparentColor() const {
  if (TransparentColor_ != clDefault)
    return TransparentColor_;
  return Empty() ? clNone : Pixels(0, Height_ - 1);
}

void TBitmap::SetTransparentColor(TColor value) {
  if (Store(TransparentColor_, value))
    Changed();
}

void TBitmap::Mask(TColor color) {
  if (Empty())
    return;
  const COLORREF key = ColorToRGB(color);
  GdiFlush();
  for (int i = 0; i < Width_ * Height_; ++i) {
    std::uint8_t* pixel = Bits_ + static_cast<std::size_t>(i) * 4;
    const bool transparent = RGB(pixel[2], pixel[1], pixel[0]) == key;
    const std::uint8_t value = transparent ? 0xFF : 0;
    pixel[0] = pixel[1] = pixel[2] = value;
  }
  Image_.clear();
  PixelFormat_ = pf1bit;
  Changed();
}

HBITMAP TBitmap::MaskHandle() {
  MaskHandle_.Reset();
  if (Empty())
    return nullptr;
  MaskHandle_.Reset(CreateBitmap(Width_, Height_, 1, 1, nullptr));
  const TMemoryDC mask(CreateCompatibleDC(nullptr));
  const TSelection selected(mask.Get(), MaskHandle_.Get());
  HDC source = MemoryDC();
  const COLORREF oldBack = SetBkColor(source, ColorToRGB(TransparentColor()));
  BitBlt(mask.Get(), 0, 0, Width_, Height_, source, 0, 0, SRCCOPY);
  SetBkColor(source, oldBack);
  return MaskHandle_.Get();
}

void TBitmap::Draw(TCanvas& canvas, const RECT& rect) {
  if (Empty())
    return;
  HDC target = canvas.Handle();
  if (!target)
    throw EInvalidOperation("Canvas does not allow drawing");
  if (Transparent()) {
    DrawTransparent(target, rect);
    return;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width == Width_ && height == Height_) {
    BitBlt(target, rect.left, rect.top, width, height, MemoryDC(), 0, 0, SRCCOPY);
    return;
  }
  // Averaging keeps a shrunk logo readable; plain dropping of pixels makes it ragged.
  const int oldMode = SetStretchBltMode(target, HALFTONE);
  POINT oldOrigin;
  SetBrushOrgEx(target, 0, 0, &oldOrigin);
  StretchBlt(target, rect.left, rect.top, width, height, MemoryDC(), 0, 0, Width_, Height_,
             SRCCOPY);
  SetBrushOrgEx(target, oldOrigin.x, oldOrigin.y, nullptr);
  SetStretchBltMode(target, oldMode);
}

// A monochrome mask marks the transparent colour; the target keeps its pixels under the mask and
// takes the picture's everywhere else. Made with plain GDI raster operations, no extra library.
void TBitmap::DrawTransparent(HDC target, const RECT& rect) {
  constexpr DWORD targetAndNotSource = 0x00220326;
  HDC source = MemoryDC();
  const TBitmapHandle maskBitmap(CreateBitmap(Width_, Height_, 1, 1, nullptr));
  const TDibSection picture(Width_, Height_);
  const TMemoryDC mask(CreateCompatibleDC(nullptr));
  const TSelection maskSelected(mask.Get(), maskBitmap.Get());
  const TMemoryDC image(CreateCompatibleDC(nullptr));
  const TSelection imageSelected(image.Get(), picture.Handle.Get());
  const COLORREF oldSourceBack = SetBkColor(source, ColorToRGB(TransparentColor()));
  BitBlt(mask.Get(), 0, 0, Width_, Height_, source, 0, 0, SRCCOPY);
  SetBkColor(source, oldSourceBack);
  BitBlt(image.Get(), 0, 0, Width_, Height_, source, 0, 0, SRCCOPY);
  SetTextColor(image.Get(), RGB(0, 0, 0));
  SetBkColor(image.Get(), RGB(255, 255, 255));
  BitBlt(image.Get(), 0, 0, Width_, Height_, mask.Get(), 0, 0, targetAndNotSource);

  const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(target, RGB(255, 255, 255));
  const int oldMode = SetStretchBltMode(target, COLORONCOLOR);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  StretchBlt(target, rect.left, rect.top, width, height, mask.Get(), 0, 0, Width_, Height_, SRCAND);
  StretchBlt(target, rect.left, rect.top, width, height, image.Get(), 0, 0, Width_, Height_,
             SRCPAINT);
  SetStretchBltMode(target, oldMode);
  SetBkColor(target, oldBack);
  SetTextColor(target, oldText);
}

void TBitmap::LoadFromStream(TStream& stream) {
  TBytes image = ReadRest(stream);
  if (image.empty())
    AdoptHandle({}, nullptr, 0, 0);
  else
    AdoptImage(std::move(image));
  File_.clear();
  Changed();
}

void TBitmap::SetFile(const std::string& value) {
  if (!value.empty() && value == File())
    return;
  if (value.empty()) {
    AdoptHandle({}, nullptr, 0, 0);
  } else {
    const std::string data = PictureFileData(value);
    if (data.empty())
      throw EInvalidGraphic("Picture file " + value + " is empty");
    try {
      AdoptImage(TBytes(data.begin(), data.end()));
    } catch (const EInvalidGraphic& error) {
      throw EInvalidGraphic("Picture file " + value + ": " + error.Message());
    }
  }
  File_ = value;
  Changed();
}

void TBitmap::Assign(const TPersistent& source) {
  const TBitmap* bitmap = dynamic_cast<const TBitmap*>(&source);
  if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(&source))
    bitmap = &jpeg->Bitmap();
  if (!bitmap) {
    TGraphic::Assign(source);
    return;
  }
  if (bitmap == this)
    return;
  if (!bitmap->Image_.empty()) {
    AdoptImage(bitmap->Image_);
    File_ = bitmap->File_;
  } else if (bitmap->Empty()) {
    AdoptHandle({}, nullptr, bitmap->Width_, bitmap->Height_);
  } else {
    TDibSection dib(bitmap->Width_, bitmap->Height_);
    GdiFlush();
    std::memcpy(dib.Bits, bitmap->Bits_, static_cast<std::size_t>(dib.Width) * dib.Height * 4);
    AdoptHandle(std::move(dib.Handle), dib.Bits, dib.Width, dib.Height);
    PixelFormat_ = bitmap->PixelFormat_;
  }
  if (dynamic_cast<const TBitmap*>(&source)) {
    SetTransparent(bitmap->Transparent());
    TransparentColor_ = bitmap->TransparentColor_;
  }
  Changed();
}

// --- TJPEGImage -------------------------------------------------------------------------------

void TJPEGImage::Draw(TCanvas& canvas, const RECT& rect) {
  Bitmap_.Draw(canvas, rect);
}

void TJPEGImage::LoadFromStream(TStream& stream) {
  const TBytes data = ReadRest(stream);
  void* bits = nullptr;
  int width = 0;
  int height = 0;
  char message[JMSG_LENGTH_MAX];
  HBITMAP bitmap = DecodeJpeg(data.data(), static_cast<unsigned long>(data.size()), &bits, &width,
                              &height, message);
  if (!bitmap)
    throw EInvalidGraphic(std::string("JPEG error: ") + message);
  Bitmap_.AdoptHandle(TBitmapHandle(bitmap), bits, width, height);
  Changed();
}

void TJPEGImage::Assign(const TPersistent& source) {
  const auto* jpeg = dynamic_cast<const TJPEGImage*>(&source);
  if (!jpeg) {
    TGraphic::Assign(source);
    return;
  }
  Bitmap_.Assign(jpeg->Bitmap_);
  Changed();
}

// --- TPicture ---------------------------------------------------------------------------------

namespace {

std::unique_ptr<TGraphic> LoadGraphic(TStream& stream) {
  const std::int64_t start = stream.Position();
  unsigned char signature[2] = {0, 0};
  const std::int64_t count = stream.Read(signature, 2);
  stream.SetPosition(start);
  std::unique_ptr<TGraphic> graphic;
  if (count == 2 && signature[0] == 'B' && signature[1] == 'M')
    graphic = std::make_unique<TBitmap>();
  else if (count == 2 && signature[0] == 0xFF && signature[1] == 0xD8)
    graphic = std::make_unique<TJPEGImage>();
  else
    throw EInvalidGraphic("Unknown picture format");
  graphic->LoadFromStream(stream);
  return graphic;
}

} // namespace

void TPicture::Replace(std::unique_ptr<TGraphic> graphic) {
  Graphic_ = std::move(graphic);
  if (Graphic_)
    Graphic_->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::Changed() {
  if (OnChange)
    OnChange(this);
}

std::unique_ptr<TGraphic> TPicture::CopyOf(const TGraphic* graphic) {
  std::unique_ptr<TGraphic> copy;
  if (graphic) {
    copy = graphic->NewEmpty();
    copy->Assign(*graphic);
  }
  return copy;
}

void TPicture::SetGraphic(const TGraphic* value) {
  if (value == Graphic_.get())
    return;
  auto copy = CopyOf(value);
  File_.clear();
  Replace(std::move(copy));
}

TBitmap& TPicture::Bitmap() {
  if (auto* bitmap = dynamic_cast<TBitmap*>(Graphic_.get()))
    return *bitmap;
  auto bitmap = std::make_unique<TBitmap>();
  TBitmap& result = *bitmap;
  File_.clear();
  Replace(std::move(bitmap));
  return result;
}

void TPicture::LoadFromStream(TStream& stream) {
  auto graphic = LoadGraphic(stream);
  File_.clear();
  Replace(std::move(graphic));
}

void TPicture::SetFile(const std::string& value) {
  if (value == File_)
    return;
  if (value.empty()) {
    File_.clear();
    Replace(nullptr);
    return;
  }
  const std::string data = PictureFileData(value);
  TMemoryStream stream;
  stream.WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
  stream.SetPosition(0);
  std::unique_ptr<TGraphic> graphic;
  try {
    graphic = LoadGraphic(stream);
  } catch (const EInvalidGraphic& error) {
    throw EInvalidGraphic("Picture file " + value + ": " + error.Message());
  }
  File_ = value;
  Replace(std::move(graphic));
}

void TPicture::Assign(const TPersistent& source) {
  if (const auto* picture = dynamic_cast<const TPicture*>(&source)) {
    if (picture == this)
      return;
    auto copy = CopyOf(picture->Graphic());
    File_ = picture->File_;
    Replace(std::move(copy));
    return;
  }
  if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
    SetGraphic(graphic);
    return;
  }
  TPersistent::Assign(source);
}

void RegisterPictureClasses() {
  static const bool registered = [] {
    RegisterPersistentClass<TGraphic, TPersistent>("TGraphic");
    RegisterPersistentClass<TBitmap, TGraphic>("TBitmap")
        .String("File", &TBitmap::File, &TBitmap::SetFile, std::string())
        .Binary(
            "Data", [](TBitmap& bitmap, TStream& stream) { bitmap.LoadFromStream(stream); },
            [](TBitmap& bitmap, TStream& stream) { bitmap.SaveToStream(stream); },
            [](TBitmap& bitmap) { return !bitmap.Empty() && bitmap.File().empty(); });
    RegisterPersistentClass<TJPEGImage, TGraphic>("TJPEGImage");
    RegisterPersistentClass<TPicture, TPersistent>("TPicture")
        .String("File", &TPicture::File, &TPicture::SetFile, std::string());
    return true;
  }();
  (void)registered;
}

} // namespace marivo
