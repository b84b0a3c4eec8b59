#include "platform/ui/Pictures.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Images.h"
#include "platform/ui/Resources.h"
#include "tests/support/StreamOf.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::StreamOf;

class TPicturesForm : public TForm {
public:
  using TForm::TForm;
};

void RegisterTestClasses() {
  static const bool registered = [] {
    RegisterImageClasses();
    RegisterComponentClass<TPicturesForm, TForm>("TPicturesForm");
    return true;
  }();
  (void)registered;
}

::testing::AssertionResult Near(COLORREF actual, COLORREF expected, int tolerance) {
  const int dr = std::abs(GetRValue(actual) - GetRValue(expected));
  const int dg = std::abs(GetGValue(actual) - GetGValue(expected));
  const int db = std::abs(GetBValue(actual) - GetBValue(expected));
  if (dr <= tolerance && dg <= tolerance && db <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "colour (" << int(GetRValue(actual)) << "," << int(GetGValue(actual)) << ","
         << int(GetBValue(actual)) << ") is not near (" << int(GetRValue(expected)) << ","
         << int(GetGValue(expected)) << "," << int(GetBValue(expected)) << ")";
}

// The colours the test pictures were made with.
const COLORREF JpegRed = RGB(230, 20, 20);
const COLORREF JpegBlue = RGB(20, 20, 230);
const COLORREF QuadTopLeft = RGB(200, 30, 40);
const COLORREF QuadTopRight = RGB(10, 180, 60);
const COLORREF QuadBottomLeft = RGB(20, 40, 220);
const COLORREF QuadBottomRight = RGB(250, 240, 5);
const COLORREF Lime = RGB(0, 255, 0);
// Lossy compression and chroma subsampling move colours this far at most away from edges.
constexpr int JpegTolerance = 40;

// --- BMP files made in memory ------------------------------------------------------------------

void Put16(std::string& bytes, std::size_t offset, std::uint32_t value) {
  bytes[offset] = static_cast<char>(value & 0xFF);
  bytes[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& bytes, std::size_t offset, std::uint32_t value) {
  Put16(bytes, offset, value & 0xFFFF);
  Put16(bytes, offset + 2, value >> 16);
}

struct TBitmapRecipe {
  std::int32_t Width;
  std::int32_t Height;
  std::uint16_t BitCount;
  std::uint32_t Compression;
  std::vector<std::uint32_t> Table; // colour masks or palette entries, after the header
  std::string Pixels;               // rows as stored, padded to four bytes
};

// A BMP file whose header fields all agree with its contents.
std::string MakeBmp(const TBitmapRecipe& recipe) {
  const std::size_t pixelOffset = 14 + 40 + recipe.Table.size() * 4;
  std::string bytes(pixelOffset, '\0');
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put32(bytes, 2, static_cast<std::uint32_t>(pixelOffset + recipe.Pixels.size()));
  Put32(bytes, 10, static_cast<std::uint32_t>(pixelOffset));
  Put32(bytes, 14, 40);
  Put32(bytes, 18, static_cast<std::uint32_t>(recipe.Width));
  Put32(bytes, 22, static_cast<std::uint32_t>(recipe.Height));
  Put16(bytes, 26, 1);
  Put16(bytes, 28, recipe.BitCount);
  Put32(bytes, 30, recipe.Compression);
  Put32(bytes, 34, static_cast<std::uint32_t>(recipe.Pixels.size()));
  if (recipe.BitCount <= 8)
    Put32(bytes, 46, static_cast<std::uint32_t>(recipe.Table.size()));
  for (std::size_t i = 0; i < recipe.Table.size(); ++i)
    Put32(bytes, 54 + i * 4, recipe.Table[i]);
  return bytes + recipe.Pixels;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values)
    bytes += static_cast<char>(value);
  return bytes;
}

// 3 x 2, 24 bits, stored bottom row first with a byte of padding per row.
std::string SmallBmp() {
  return MakeBmp({3, 2, 24, BI_RGB, {}, Bytes({1,  2,  3,  4,  5,  6,  7,  8,  9,  0, 0, 0, //
                                               10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 0, 0})});
}

struct TBmpCase {
  const char* Name;
  std::string File;
  std::vector<std::vector<COLORREF>> Rows; // top row first
};

std::vector<TBmpCase> DecodableBmps() {
  return {
      {"24 bits, bottom-up, padded rows",
       SmallBmp(),
       {{RGB(30, 20, 10), RGB(60, 50, 40), RGB(90, 80, 70)},
        {RGB(3, 2, 1), RGB(6, 5, 4), RGB(9, 8, 7)}}},
      {"8-bit palette, top-down",
       MakeBmp({2,
                -2,
                8,
                BI_RGB,
                {0x00112233, 0x00445566, 0x00778899},
                Bytes({2, 0, 0, 0, 1, 1, 0, 0})}),
       {{RGB(0x77, 0x88, 0x99), RGB(0x11, 0x22, 0x33)},
        {RGB(0x44, 0x55, 0x66), RGB(0x44, 0x55, 0x66)}}},
      {"1 bit, highest bit first",
       MakeBmp({10, 1, 1, BI_RGB, {0x00000000, 0x00FFFFFF}, Bytes({0xA0, 0x40, 0, 0})}),
       {{RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0),
         RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255)}}},
      {"4 bits, two pixels a byte",
       MakeBmp({3, 1, 4, BI_RGB, {0x000000FF, 0x0000FF00, 0x00FF0000}, Bytes({0x21, 0x00, 0, 0})}),
       {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)}}},
      {"32 bits with swapped colour masks",
       MakeBmp({2,
                1,
                32,
                BI_BITFIELDS,
                {0x000000FF, 0x0000FF00, 0x00FF0000},
                Bytes({10, 20, 30, 0, 200, 100, 50, 0})}),
       {{RGB(10, 20, 30), RGB(200, 100, 50)}}},
      {"32 bits, plain",
       MakeBmp({1, 1, 32, BI_RGB, {}, Bytes({10, 20, 30, 255})}),
       {{RGB(30, 20, 10)}}},
      {"16 bits, 5-6-5 masks",
       MakeBmp({2, 1, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}, Bytes({0x00, 0xF8, 0x1F, 0x00})}),
       {{RGB(255, 0, 0), RGB(0, 0, 255)}}},
      {"16 bits, plain 5-5-5",
       MakeBmp({1, 1, 16, BI_RGB, {}, Bytes({0xE0, 0x03, 0, 0})}),
       {{RGB(0, 255, 0)}}},
  };
}

TEST(PicturesBitmap, DecodesEachSupportedLayoutToItsExactPixels) {
  for (const TBmpCase& bmp : DecodableBmps()) {
    SCOPED_TRACE(bmp.Name);
    TBitmap bitmap;
    TMemoryStream stream = StreamOf(bmp.File);
    ASSERT_NO_THROW(bitmap.LoadFromStream(stream));
    ASSERT_EQ(bitmap.Height(), static_cast<int>(bmp.Rows.size()));
    ASSERT_EQ(bitmap.Width(), static_cast<int>(bmp.Rows[0].size()));
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x)
        EXPECT_EQ(static_cast<COLORREF>(bitmap.Pixels(x, y)), bmp.Rows[y][x])
            << "at " << x << ", " << y;
  }
}

TEST(PicturesBitmap, CommittedBmpFileDecodesToItsFourQuadrants) {
  TBitmap bitmap;
  TMemoryStream stream = StreamOf(LoadResourceText("PICTURES_QUADS_BMP"));
  bitmap.LoadFromStream(stream);
  ASSERT_EQ(bitmap.Width(), 16);
  ASSERT_EQ(bitmap.Height(), 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const COLORREF expected =
          y < 8 ? (x < 8 ? QuadTopLeft : QuadTopRight) : (x < 8 ? QuadBottomLeft : QuadBottomRight);
      ASSERT_EQ(static_cast<COLORREF>(bitmap.Pixels(x, y)), expected) << x << ", " << y;
    }
  EXPECT_EQ(static_cast<COLORREF>(bitmap.TransparentColor()), QuadBottomLeft);
  EXPECT_THROW(bitmap.Pixels(16, 0), EInvalidOperation);
  EXPECT_THROW(bitmap.Pixels(0, -1), EInvalidOperation);
}

TEST(PicturesBitmap, SavesWhatItLoadedByteForByteAndItsPixelsOtherwise) {
  const TPixelFormat formats[] = {pf24bit, pf8bit,  pf1bit,  pf4bit,
                                  pf32bit, pf32bit, pf16bit, pf15bit};
  const std::vector<TBmpCase> cases = DecodableBmps();
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].Name);
    TBitmap bitmap;
    TMemoryStream stream = StreamOf(cases[i].File);
    bitmap.LoadFromStream(stream);
    EXPECT_EQ(bitmap.PixelFormat(), formats[i]);
    EXPECT_EQ(bitmap.Monochrome(), formats[i] == pf1bit);
    EXPECT_EQ(bitmap.Palette() != nullptr, formats[i] <= pf8bit);
    TMemoryStream saved;
    bitmap.SaveToStream(saved);
    EXPECT_EQ(std::string(saved.Data().begin(), saved.Data().end()), cases[i].File);
  }

  // Changed pixels are saved at the bitmap's depth, and read back as they were set.
  TBitmap bitmap;
  TMemoryStream stream = StreamOf(SmallBmp());
  bitmap.LoadFromStream(stream);
  bitmap.SetPixels(0, 0, clRed);
  bitmap.SetPixels(2, 1, clBtnFace);
  EXPECT_THROW(bitmap.SetPixels(3, 0, clRed), EInvalidOperation);
  TMemoryStream saved;
  bitmap.SaveToStream(saved);
  ASSERT_GT(saved.Size(), 30);
  EXPECT_EQ(saved.Data()[28], 24);
  saved.SetPosition(0);
  TBitmap read;
  read.LoadFromStream(saved);
  EXPECT_EQ(read.Pixels(0, 0), clRed);
  EXPECT_EQ(static_cast<COLORREF>(read.Pixels(2, 1)), ColorToRGB(clBtnFace));
  EXPECT_EQ(static_cast<COLORREF>(read.Pixels(1, 0)), RGB(60, 50, 40));
}

TEST(PicturesBitmap, EmptyIsNoBytesBothWays) {
  TBitmap bitmap;
  TMemoryStream saved;
  bitmap.SaveToStream(saved);
  EXPECT_EQ(saved.Size(), 0);
  TMemoryStream stream = StreamOf(SmallBmp());
  bitmap.LoadFromStream(stream);
  EXPECT_NE(bitmap.Handle(), nullptr);
  TMemoryStream nothing;
  bitmap.LoadFromStream(nothing);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Handle(), nullptr);
}

TEST(PicturesBitmap, PixelFormatReducesTheColours) {
  TBitmap bitmap;
  bitmap.SetSize(4, 1);
  bitmap.SetPixels(0, 0, RGB(250, 250, 250));
  bitmap.SetPixels(1, 0, RGB(10, 10, 10));
  bitmap.SetPixels(2, 0, clRed);
  bitmap.SetPixels(3, 0, RGB(0, 0, 255));
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  bitmap.SetPixelFormat(pf4bit);
  EXPECT_EQ(bitmap.Pixels(2, 0), clRed);
  EXPECT_NE(bitmap.Palette(), nullptr);
  bitmap.SetMonochrome(true);
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
  EXPECT_EQ(bitmap.Pixels(0, 0), clWhite);
  EXPECT_EQ(bitmap.Pixels(1, 0), clBlack);
  TMemoryStream saved;
  bitmap.SaveToStream(saved);
  EXPECT_EQ(saved.Data()[28], 1);
  bitmap.SetMonochrome(false);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  EXPECT_EQ(bitmap.Palette(), nullptr);
}

struct TBrokenBmp {
  const char* Name;
  std::function<void(std::string&)> Break;
};

TEST(PicturesBitmap, MalformedFilesRaiseAndLeaveTheBitmapAsItWas) {
  const std::vector<TBrokenBmp> cases = {
      {"file size beyond the data", [](std::string& b) { Put32(b, 2, b.size() + 1); }},
      {"image size beyond the data", [](std::string& b) { Put32(b, 34, 1000); }},
      {"pixel offset beyond the data", [](std::string& b) { Put32(b, 10, b.size()); }},
      {"pixel offset inside the header", [](std::string& b) { Put32(b, 10, 20); }},
      {"zero width", [](std::string& b) { Put32(b, 18, 0); }},
      {"negative width", [](std::string& b) { Put32(b, 18, static_cast<std::uint32_t>(-3)); }},
      {"zero height", [](std::string& b) { Put32(b, 22, 0); }},
      {"most negative height", [](std::string& b) { Put32(b, 22, 0x80000000u); }},
      {"huge width", [](std::string& b) { Put32(b, 18, 0x7FFFFFFF); }},
      {"huge height", [](std::string& b) { Put32(b, 22, 0x7FFFFFFF); }},
      {"huge width and height",
       [](std::string& b) {
         Put32(b, 18, 0x7FFFFFFF);
         Put32(b, 22, 0x7FFFFFFF);
         Put16(b, 28, 32);
       }},
      {"huge top-down height", [](std::string& b) { Put32(b, 22, 0x80000001u); }},
      {"pixels cut short", [](std::string& b) { b.resize(b.size() - 5); }},
      {"header cut short", [](std::string& b) { b.resize(30); }},
      {"signature only", [](std::string& b) { b.resize(2); }},
      {"not a bitmap", [](std::string& b) { b[0] = 'X'; }},
      {"old 12-byte header", [](std::string& b) { Put32(b, 14, 12); }},
      {"header longer than the file", [](std::string& b) { Put32(b, 14, 4000); }},
      {"7 bits per pixel", [](std::string& b) { Put16(b, 28, 7); }},
      {"run-length compression", [](std::string& b) { Put32(b, 30, BI_RLE8); }},
      {"two planes", [](std::string& b) { Put16(b, 26, 2); }},
  };
  TBitmap bitmap;
  TMemoryStream good = StreamOf(SmallBmp());
  bitmap.LoadFromStream(good);
  for (const TBrokenBmp& broken : cases) {
    SCOPED_TRACE(broken.Name);
    std::string bytes = SmallBmp();
    broken.Break(bytes);
    TMemoryStream stream = StreamOf(bytes);
    EXPECT_THROW(bitmap.LoadFromStream(stream), EInvalidGraphic);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(static_cast<COLORREF>(bitmap.Pixels(0, 1)), RGB(3, 2, 1));
  }

  const std::vector<TBitmapRecipe> brokenPalettes = {
      {1, 1, 8, BI_RGB, std::vector<std::uint32_t>(257, 0), Bytes({0, 0, 0, 0})},
      {1, 1, 1, BI_RGB, {0, 0, 0}, Bytes({0, 0, 0, 0})},
  };
  for (const TBitmapRecipe& recipe : brokenPalettes) {
    TMemoryStream stream = StreamOf(MakeBmp(recipe));
    EXPECT_THROW(bitmap.LoadFromStream(stream), EInvalidGraphic);
  }
  std::string shortPalette = MakeBmp({1, 1, 8, BI_RGB, {0, 0}, Bytes({0, 0, 0, 0})});
  Put32(shortPalette, 46, 0); // all 256 colours claimed, two present
  TMemoryStream stream = StreamOf(shortPalette.substr(0, 14 + 40 + 8));
  EXPECT_THROW(bitmap.LoadFromStream(stream), EInvalidGraphic);
}

TEST(PicturesBitmap, CanvasDrawsTextOnTheBitmap) {
  TBitmap bitmap;
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetHeight(-30);
  bitmap.SetSize(60, 40);
  for (int x = 0; x < 60; x += 7)
    EXPECT_EQ(bitmap.Pixels(x, 39), clBlack) << "a new bitmap starts black";
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect({0, 0, 60, 40});
  canvas.Font().SetColor(clBlack);
  canvas.Brush().SetStyle(bsClear);
  canvas.TextOut(4, 2, "W");
  int inked = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      inked += bitmap.Pixels(x, y) != clWhite;
  EXPECT_GT(inked, 10);
  EXPECT_EQ(bitmap.Pixels(59, 39), clWhite);
}

TEST(PicturesBitmap, DrawStretchesAndTransparentLeavesTheKeyColourOut) {
  TBitmap quads;
  TMemoryStream stream = StreamOf(LoadResourceText("PICTURES_QUADS_BMP"));
  quads.LoadFromStream(stream);

  TBitmap target;
  target.SetSize(64, 32);
  target.Canvas().Brush().SetColor(clLime);
  target.Canvas().FillRect({0, 0, 64, 32});
  quads.Draw(target.Canvas(), {0, 0, 32, 32});
  EXPECT_TRUE(Near(target.Pixels(4, 4), QuadTopLeft, 2));
  EXPECT_TRUE(Near(target.Pixels(27, 4), QuadTopRight, 2));
  EXPECT_TRUE(Near(target.Pixels(4, 27), QuadBottomLeft, 2));
  EXPECT_TRUE(Near(target.Pixels(27, 27), QuadBottomRight, 2));
  EXPECT_EQ(target.Pixels(40, 10), clLime);

  quads.SetTransparent(true);
  quads.Draw(target.Canvas(), {32, 0, 64, 32});
  EXPECT_EQ(static_cast<COLORREF>(target.Pixels(36, 4)), QuadTopLeft);
  EXPECT_EQ(static_cast<COLORREF>(target.Pixels(59, 4)), QuadTopRight);
  EXPECT_EQ(target.Pixels(36, 27), clLime);
  EXPECT_EQ(static_cast<COLORREF>(target.Pixels(59, 27)), QuadBottomRight);
}

// --- JPEG ---------------------------------------------------------------------------------------

TEST(PicturesJpeg, DecodesColourAndGreyscaleFiles) {
  TJPEGImage halves;
  TMemoryStream stream = StreamOf(LoadResourceText("PICTURES_HALVES_JPG"));
  halves.LoadFromStream(stream);
  ASSERT_EQ(halves.Width(), 64);
  ASSERT_EQ(halves.Height(), 32);
  for (int y : {2, 16, 29}) {
    EXPECT_TRUE(Near(halves.Bitmap().Pixels(4, y), JpegRed, JpegTolerance));
    EXPECT_TRUE(Near(halves.Bitmap().Pixels(24, y), JpegRed, JpegTolerance));
    EXPECT_TRUE(Near(halves.Bitmap().Pixels(40, y), JpegBlue, JpegTolerance));
    EXPECT_TRUE(Near(halves.Bitmap().Pixels(60, y), JpegBlue, JpegTolerance));
  }

  TJPEGImage grey;
  TMemoryStream greyStream = StreamOf(LoadResourceText("PICTURES_GRAY_JPG"));
  grey.LoadFromStream(greyStream);
  ASSERT_EQ(grey.Width(), 8);
  const TColor pixel = grey.Bitmap().Pixels(3, 3);
  EXPECT_EQ(GetRValue(pixel), GetGValue(pixel));
  EXPECT_EQ(GetGValue(pixel), GetBValue(pixel));
  EXPECT_TRUE(Near(pixel, RGB(128, 128, 128), 4));
}

TEST(PicturesJpeg, CorruptOrTruncatedDataRaisesAndKeepsThePicture) {
  const std::string good = LoadResourceText("PICTURES_HALVES_JPG");
  std::vector<std::pair<std::string, std::string>> cases = {
      {"cut after the marker", good.substr(0, 2)},
      {"cut in the header", good.substr(0, 40)},
      {"cut in the pixels", good.substr(0, good.size() / 2 + 60)},
      {"cut before the end marker", good.substr(0, good.size() - 2)},
      {"empty", ""},
      {"not a JPEG", "GIF89a and more"},
  };
  std::mt19937 random(20260);
  for (int round = 0; round < 8; ++round) {
    std::string noise = good.substr(0, 2);
    for (int i = 0; i < 400; ++i)
      noise += static_cast<char>(random() & 0xFF);
    cases.push_back({"random bytes after the marker, round " + std::to_string(round), noise});
  }

  TJPEGImage jpeg;
  TMemoryStream goodStream = StreamOf(good);
  jpeg.LoadFromStream(goodStream);
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    TMemoryStream stream = StreamOf(bytes);
    try {
      jpeg.LoadFromStream(stream);
      ADD_FAILURE() << "decoded without an error";
    } catch (const EInvalidGraphic& error) {
      EXPECT_EQ(std::string(error.what()).rfind("JPEG error", 0), 0u) << error.what();
    }
    EXPECT_EQ(jpeg.Width(), 64);
    EXPECT_TRUE(Near(jpeg.Bitmap().Pixels(4, 4), JpegRed, JpegTolerance));
  }
}

// --- TPicture
// -------------------------------------------------------------------------------------

TEST(PicturesPicture, PicksTheClassBySignatureAndTellsOfEveryChange) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(picture.Width(), 0);

  TMemoryStream jpeg = StreamOf(LoadResourceText("PICTURES_HALVES_JPG"));
  picture.LoadFromStream(jpeg);
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 64);
  EXPECT_EQ(changes, 1);

  TMemoryStream bmp = StreamOf(SmallBmp());
  picture.LoadFromStream(bmp);
  EXPECT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Height(), 2);
  EXPECT_EQ(changes, 2);

  TMemoryStream unknown = StreamOf(std::string("GIF89a"));
  EXPECT_THROW(picture.LoadFromStream(unknown), EInvalidGraphic);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(changes, 2);

  picture.Bitmap().SetSize(5, 6);
  EXPECT_EQ(picture.Width(), 5);
  EXPECT_EQ(changes, 3);
}

TEST(PicturesPicture, BitmapReplacesAnotherGraphicAndAssignCopies) {
  TPicture picture;
  picture.SetFile("pictures_halves.jpg");
  EXPECT_EQ(picture.File(), "pictures_halves.jpg");

  TPicture copy;
  copy.Assign(picture);
  EXPECT_EQ(copy.File(), "pictures_halves.jpg");
  ASSERT_NE(copy.Graphic(), picture.Graphic());
  EXPECT_EQ(copy.Width(), 64);

  TBitmap& bitmap = picture.Bitmap();
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(picture.Graphic(), &bitmap);
  EXPECT_EQ(picture.File(), "") << "the picture no longer holds the file";
  EXPECT_EQ(&picture.Bitmap(), &bitmap);
  EXPECT_EQ(copy.Width(), 64) << "the copy does not share the graphic";

  bitmap.SetSize(2, 2);
  TBitmap source;
  source.SetSize(3, 1);
  source.Canvas().Brush().SetColor(clRed);
  source.Canvas().FillRect({0, 0, 3, 1});
  picture.SetGraphic(&source);
  source.Canvas().Brush().SetColor(clBlue);
  source.Canvas().FillRect({0, 0, 3, 1});
  ASSERT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Bitmap().Pixels(1, 0), clRed);

  EXPECT_THROW(picture.Assign(picture.Bitmap().Canvas().Font()), EConvertError);
}

TEST(PicturesPicture, FileNamesAProgramResource) {
  TPicture picture;
  try {
    picture.SetFile("nowhere.jpg");
    FAIL() << "a missing picture was accepted";
  } catch (const EResNotFound& error) {
    EXPECT_NE(std::string(error.what()).find("nowhere.jpg"), std::string::npos) << error.what();
  }
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(picture.File(), "");

  picture.SetFile("PICTURES_QUADS.BMP");
  EXPECT_EQ(picture.Width(), 16);
  picture.SetFile("");
  EXPECT_EQ(picture.Graphic(), nullptr);
}

// --- TImage on a form
// -----------------------------------------------------------------------------

class PicturesFormTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterTestClasses();
    App.CreateForm(Form);
    Logo = Image("Logo");
    Stretched = Image("Stretched");
    Fitted = Image("Fitted");
    Quads = Image("Quads");
  }

  TImage* Image(const std::string& name) {
    auto* image = dynamic_cast<TImage*>(Form->FindComponent(name));
    EXPECT_NE(image, nullptr) << name;
    return image;
  }

  void ShowAndPaint() {
    Form->Show();
    App.ProcessMessages();
    RedrawWindow(Form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }

  // What the screen shows at a point of a control.
  COLORREF Shown(const TControl& control, int x, int y) {
    HDC dc = GetDC(Form->Handle());
    const COLORREF pixel = GetPixel(dc, control.Left() + x, control.Top() + y);
    ReleaseDC(Form->Handle(), dc);
    return pixel;
  }

  TApplication App;
  TPicturesForm* Form = nullptr;
  TImage* Logo = nullptr;
  TImage* Stretched = nullptr;
  TImage* Fitted = nullptr;
  TImage* Quads = nullptr;
};

TEST_F(PicturesFormTest, PictureFileLoadsTheCompiledInPictureAndIsWrittenBack) {
  ASSERT_NE(Logo, nullptr);
  EXPECT_EQ(Logo->Picture().Width(), 64);
  EXPECT_EQ(Logo->Picture().Height(), 32);
  EXPECT_NE(dynamic_cast<TJPEGImage*>(Logo->Picture().Graphic()), nullptr);
  EXPECT_NE(dynamic_cast<TBitmap*>(Quads->Picture().Graphic()), nullptr);
  EXPECT_EQ(Quads->Width(), 16) << "AutoSize takes the picture's size";
  EXPECT_EQ(Quads->Height(), 16);

  const std::string text = WriteComponentToText(*Form);
  EXPECT_NE(text.find("Picture.File = 'pictures_halves.jpg'"), std::string::npos) << text;
  EXPECT_NE(text.find("Stretch = True"), std::string::npos) << text;
  EXPECT_EQ(text.find("Transparent"), std::string::npos) << text;
}

TEST_F(PicturesFormTest, ShownImageShowsRedLeftAndBlueRightAtTheTopLeft) {
  ShowAndPaint();
  for (int y : {3, 16, 28}) {
    EXPECT_TRUE(Near(Shown(*Logo, 6, y), JpegRed, JpegTolerance));
    EXPECT_TRUE(Near(Shown(*Logo, 26, y), JpegRed, JpegTolerance));
    EXPECT_TRUE(Near(Shown(*Logo, 38, y), JpegBlue, JpegTolerance));
    EXPECT_TRUE(Near(Shown(*Logo, 60, y), JpegBlue, JpegTolerance));
  }
  EXPECT_EQ(Shown(*Logo, 80, 10), Lime) << "beside the picture the form shows";
  EXPECT_EQ(Shown(*Logo, 10, 40), Lime) << "below the picture the form shows";
}

TEST_F(PicturesFormTest, StretchPaintsThePictureOverTheWholeImage) {
  ShowAndPaint();
  const int width = Stretched->Width();
  const int height = Stretched->Height();
  for (int y : {1, height / 2, height - 2}) {
    EXPECT_TRUE(Near(Shown(*Stretched, 1, y), JpegRed, JpegTolerance));
    EXPECT_TRUE(Near(Shown(*Stretched, width / 2 - 10, y), JpegRed, JpegTolerance));
    EXPECT_TRUE(Near(Shown(*Stretched, width / 2 + 10, y), JpegBlue, JpegTolerance));
    EXPECT_TRUE(Near(Shown(*Stretched, width - 2, y), JpegBlue, JpegTolerance));
  }
  const RECT dest = Stretched->DestRect();
  EXPECT_EQ(dest.right - dest.left, width);
  EXPECT_EQ(dest.bottom - dest.top, height);
}

TEST_F(PicturesFormTest, ProportionalKeepsTheAspectRatioAndCentres) {
  ShowAndPaint();
  // 64 x 32 into 100 x 100: 100 x 50, with 25 pixels above and below.
  const RECT dest = Fitted->DestRect();
  EXPECT_EQ(dest.left, 0);
  EXPECT_EQ(dest.top, 25);
  EXPECT_EQ(dest.right, 100);
  EXPECT_EQ(dest.bottom, 75);
  EXPECT_EQ(Shown(*Fitted, 50, 10), Lime);
  EXPECT_EQ(Shown(*Fitted, 50, 90), Lime);
  EXPECT_TRUE(Near(Shown(*Fitted, 20, 50), JpegRed, JpegTolerance));
  EXPECT_TRUE(Near(Shown(*Fitted, 80, 50), JpegBlue, JpegTolerance));

  Fitted->SetStretch(false);
  Fitted->SetProportional(false);
  const RECT centred = Fitted->DestRect();
  EXPECT_EQ(centred.left, 18);
  EXPECT_EQ(centred.top, 34);
  EXPECT_EQ(centred.right - centred.left, 64);
  Fitted->SetWidth(40);
  Fitted->SetProportional(true);
  const RECT shrunk = Fitted->DestRect();
  EXPECT_EQ(shrunk.right - shrunk.left, 40) << "a picture too big for the image shrinks";
  EXPECT_EQ(shrunk.bottom - shrunk.top, 20);
}

TEST_F(PicturesFormTest, BitmapShowsExactlyAndTransparentShowsTheFormThrough) {
  ShowAndPaint();
  EXPECT_EQ(Shown(*Quads, 2, 2), QuadTopLeft);
  EXPECT_EQ(Shown(*Quads, 13, 2), QuadTopRight);
  EXPECT_EQ(Shown(*Quads, 2, 13), QuadBottomLeft);
  EXPECT_EQ(Shown(*Quads, 13, 13), QuadBottomRight);

  Quads->SetTransparent(true);
  EXPECT_TRUE(Quads->Picture().Graphic()->Transparent());
  App.ProcessMessages();
  EXPECT_EQ(Shown(*Quads, 2, 2), QuadTopLeft);
  EXPECT_EQ(Shown(*Quads, 2, 13), Lime);
  EXPECT_EQ(Shown(*Quads, 13, 13), QuadBottomRight);
}

TEST_F(PicturesFormTest, ChangingThePictureRepaintsTheImage) {
  ShowAndPaint();
  TBitmap green;
  green.SetSize(64, 32);
  green.Canvas().Brush().SetColor(RGB(0, 128, 0));
  green.Canvas().FillRect({0, 0, 64, 32});
  Logo->Picture().SetGraphic(&green);
  App.ProcessMessages();
  EXPECT_EQ(Shown(*Logo, 6, 16), RGB(0, 128, 0));
  EXPECT_EQ(Shown(*Logo, 60, 16), RGB(0, 128, 0));

  Logo->Picture().SetGraphic(nullptr);
  App.ProcessMessages();
  EXPECT_EQ(Shown(*Logo, 6, 16), Lime) << "an empty image paints nothing";
}

TEST_F(PicturesFormTest, HiddenImageBitmapMeasuresTextByItsFont) {
  auto* measure = Image("Measure");
  ASSERT_NE(measure, nullptr);
  TCanvas& canvas = measure->Picture().Bitmap().Canvas();
  canvas.Font().SetName("Arial");
  canvas.Font().SetHeight(-12);
  const int small = canvas.TextWidth("WWWW");
  const int narrow = canvas.TextWidth("iiii");
  EXPECT_GT(small, narrow);
  EXPECT_GT(narrow, 0);
  canvas.Font().SetHeight(-24);
  EXPECT_GT(canvas.TextWidth("WWWW"), small * 3 / 2);
}

TEST_F(PicturesFormTest, MissingPictureFailsTheFormLoadNamingTheFile) {
  TPicturesForm other(nullptr);
  try {
    ReadComponentFromText(other,
                          "object PicturesForm: TPicturesForm\n"
                          "  object Broken: TImage\n"
                          "    Picture.File = 'nowhere.jpg'\n"
                          "  end\n"
                          "end\n",
                          "Missing.frm");
    FAIL() << "a form naming a missing picture loaded";
  } catch (const EReadError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("nowhere.jpg"), std::string::npos) << message;
    EXPECT_NE(message.find("Missing.frm(3)"), std::string::npos) << message;
  }
}

// A bitmap property names its picture file when the pixels came from one, else carries them.
TEST(BitmapFileTest, FileNamesTheCompiledInBitmapUntilItsPixelsChange) {
  RegisterPictureClasses();
  TComponent root(nullptr);
  TBitmap bitmap;
  bitmap.SetFile("pictures_quads.bmp");
  EXPECT_EQ(bitmap.Width(), 16);
  EXPECT_EQ(bitmap.File(), "pictures_quads.bmp");
  auto written = WriteProperties(bitmap, root);
  ASSERT_EQ(written.size(), 1u);
  EXPECT_EQ(written[0].Name, "File");

  TBitmap copy;
  copy.Assign(bitmap);
  EXPECT_EQ(copy.File(), "pictures_quads.bmp") << "a copy of untouched pixels keeps the name";

  bitmap.Canvas().FillRect(RECT{0, 0, 2, 2});
  EXPECT_EQ(bitmap.File(), "") << "drawn on, the pixels are no longer the file's";
  written = WriteProperties(bitmap, root);
  ASSERT_EQ(written.size(), 1u);
  EXPECT_EQ(written[0].Name, "Data");

  TBitmap read;
  TMemoryStream data =
      StreamOf(std::string(written[0].Value.Bytes.begin(), written[0].Value.Bytes.end()));
  read.LoadFromStream(data);
  EXPECT_EQ(read.Width(), 16);
  EXPECT_EQ(read.Pixels(0, 0), bitmap.Pixels(0, 0));
  EXPECT_EQ(read.Pixels(15, 15), bitmap.Pixels(15, 15));

  EXPECT_THROW(read.SetFile("nowhere.bmp"), EResNotFound);
  EXPECT_EQ(read.Width(), 16) << "a missing file leaves the bitmap as it was";
  read.SetFile("");
  EXPECT_TRUE(read.Empty());
}

} // namespace
} // namespace marivo
