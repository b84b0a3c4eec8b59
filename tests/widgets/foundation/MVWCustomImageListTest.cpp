#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/ImgList.h"
#include "tests/support/Bytes.h"
#include "tests/support/TemporaryFolder.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWBitmapStreams.h"
#include "widgets/foundation/MVWContainer.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWGraphicList.h"
#include "widgets/foundation/MVWImageListConnector.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::Int32;
using test::Join;
using test::TBytes;

// width x height in one colour with a red pixel at (x, 0) of each image of width w.
std::unique_ptr<TBitmap> Strip(int width, int height, int w, TColor fill) {
  auto bitmap = std::make_unique<TBitmap>();
  FillBitmap(*bitmap, {0, 0, width, height}, fill);
  for (int x = 0; x < width; x += w)
    bitmap->SetPixels(x + x / w % w, 0, clRed);
  return bitmap;
}

TBytes SavedBitmap(TBitmap& bitmap) {
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Data();
}

class MVWImageLists : public ::testing::Test {
protected:
  TMVWFoundation Foundation;
};

TEST_F(MVWImageLists, BitmapItemBytes) {
  TMVWBitmapListItem item(nullptr);
  TMemoryStream empty;
  item.SaveToStream(empty);
  EXPECT_EQ(empty.Data(), TBytes{0x00});

  FillBitmap(item.Bitmap(), {0, 0, 20, 20}, clRed);
  item.SetIdent(1);
  const TBytes image = SavedBitmap(item.Bitmap());
  TMemoryStream stream;
  item.SaveToStream(stream);
  EXPECT_EQ(stream.Data(),
            Join({{0x0C}, Int32(1), Int32(static_cast<std::int32_t>(image.size())), image}));
  EXPECT_EQ(stream.Size(), 9 + static_cast<std::int64_t>(image.size()));
  item.SetIdent(0);
  EXPECT_EQ(item.GetFlags(), 0x08);

  item.SetCompressed(true);
  item.SetPixelFormat(spf4bit);
  item.SetDescription("flag");
  EXPECT_EQ(item.GetFlags(), 0x01 | 0x02 | 0x08 | 0x20);
  TMemoryStream packed;
  item.SaveToStream(packed);
  packed.SetPosition(0);
  TMVWBitmapListItem back(nullptr);
  back.LoadFromStream(packed);
  EXPECT_EQ(back.Description(), "flag");
  EXPECT_EQ(back.PixelFormat(), spf4bit);
  EXPECT_TRUE(back.Compressed());
  ASSERT_EQ(back.Bitmap().Width(), 20);
  EXPECT_EQ(back.Bitmap().Pixels(5, 5), clRed);
}

TEST_F(MVWImageLists, ImageItemStripRules) {
  EXPECT_THROW(TMVWImageListItem(nullptr, 0, 16), EInvalidGraphicOperation);
  TMVWImageListItem item(nullptr, 10, 8);
  item.SetAllocBy(2);
  auto three = Strip(30, 8, 10, clWhite);
  EXPECT_EQ(item.AddImages(*three, nullptr), 0);
  EXPECT_EQ(item.Count(), 3);
  EXPECT_EQ(item.Strip().Width(), 40); // grown by two images at a time
  EXPECT_EQ(item.Entry(2), 20u);
  auto wrongHeight = Strip(10, 9, 10, clWhite);
  auto wrongWidth = Strip(15, 8, 10, clWhite);
  EXPECT_THROW(item.AddImages(*wrongHeight, nullptr), EInvalidGraphicOperation);
  EXPECT_THROW(item.AddImages(*wrongWidth, nullptr), EInvalidGraphicOperation);
  TMVWImageListItem wide(nullptr, 4096, 1);
  auto big = Strip(4096 * 8, 1, 4096, clWhite);
  wide.AddImages(*big, nullptr);
  auto more = Strip(4096, 1, 4096, clWhite);
  try {
    wide.AddImages(*more, nullptr);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidGraphicOperation& error) {
    EXPECT_EQ(error.Message(), "Too many images");
  }
  TMVWImageListItem other(nullptr, 10, 9);
  EXPECT_THROW(item.AppendItem(other), EInvalidGraphicOperation);
  TMVWImageListItem same(nullptr, 10, 8);
  same.AppendItem(item);
  EXPECT_EQ(same.Count(), 3);

  // One image replaced; its neighbours and the count stay.
  auto blue = Strip(10, 8, 10, clBlue);
  item.ReplaceImage(1, *blue, nullptr);
  EXPECT_EQ(item.Count(), 3);
  EXPECT_EQ(item.Strip().Pixels(15, 4), clBlue);
  EXPECT_EQ(item.Strip().Pixels(25, 4), clWhite);
  EXPECT_THROW(item.ReplaceImage(3, *blue, nullptr), EListError);
  EXPECT_THROW(item.ReplaceImage(-1, *blue, nullptr), EListError);
  EXPECT_THROW(item.ReplaceImage(0, *three, nullptr), EInvalidGraphicOperation);

  item.SetMasked(true);
  EXPECT_EQ(item.Count(), 3);
  EXPECT_EQ(item.Entry(1), 10u | 0x10000u);
  // A masked replacement: the transparent colour goes to the mask, black in the strip.
  auto masked = Strip(10, 8, 10, clBlue);
  masked->SetPixels(4, 4, clYellow);
  TBitmap mask;
  mask.Assign(*masked);
  mask.Mask(clBlue);
  item.ReplaceImage(2, *masked, &mask);
  EXPECT_EQ(item.MaskStrip().Pixels(21, 1), clWhite);
  EXPECT_EQ(item.Strip().Pixels(21, 1), clBlack);
  EXPECT_EQ(item.MaskStrip().Pixels(24, 4), clBlack);
  EXPECT_EQ(item.Strip().Pixels(24, 4), clYellow);
  item.SetWidth(0);
  EXPECT_EQ(item.Width(), 10);
  item.SetWidth(5);
  EXPECT_EQ(item.Count(), 0);
}

TEST_F(MVWImageLists, ImageItemStreamsAreChecked) {
  TMVWImageListItem item(nullptr, 10, 8);
  item.SetMasked(true);
  auto images = Strip(20, 8, 10, clWhite);
  item.AddImages(*images, nullptr);
  item.SetIdent(4);
  TMemoryStream stream;
  item.SaveToStream(stream);
  EXPECT_EQ(stream.Data()[0], 0x0C);
  const TBytes sizes = Join({Int32(8), Int32(10), Int32(4), {0x01}, Int32(2)});
  EXPECT_TRUE(std::equal(sizes.begin(), sizes.end(), stream.Data().begin() + 5));
  stream.SetPosition(0);
  TMVWImageListItem back(nullptr);
  back.LoadFromStream(stream);
  EXPECT_EQ(back.Count(), 2);
  EXPECT_EQ(back.Width(), 10);
  EXPECT_TRUE(back.Masked());
  EXPECT_EQ(back.Ident(), 4);
  EXPECT_EQ(back.MaskStrip().Pixels(1, 1), clWhite);

  // Counts, strips and masks that do not fit the sizes.
  TBitmap strip;
  FillBitmap(strip, {0, 0, 20, 8}, clWhite);
  TBitmap mono;
  FillBitmap(mono, {0, 0, 10, 8}, clWhite);
  const auto data = [](std::int32_t h, std::int32_t w, std::int32_t count, bool masked,
                       TBitmap* first, TBitmap* second) {
    TMemoryStream s;
    WriteByte(s, 0x08);
    WriteImageStripSize(s, {h, w, 4, masked});
    WriteInt32(s, count);
    if (first)
      WriteBitmap(s, *first, false, -1);
    if (second)
      WriteBitmap(s, *second, false, 2);
    s.SetPosition(0);
    return s.Data();
  };
  const TBytes bad[] = {
      data(8, 10, 3, false, &strip, nullptr), data(9, 10, 2, false, &strip, nullptr),
      data(8, 10, 2, true, &strip, &mono),    data(8, 10, -1, false, nullptr, nullptr),
      data(8, 0, 0, false, nullptr, nullptr), data(8, 10, 4000, false, nullptr, nullptr),
  };
  for (const TBytes& bytes : bad) {
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    s.SetPosition(0);
    TMVWImageListItem reader(nullptr);
    EXPECT_THROW(reader.LoadFromStream(s), EInvalidGraphicOperation);
  }
}

TEST_F(MVWImageLists, ImageListOperations) {
  TMVWImageList list(nullptr);
  list.SetDefaultPixelFormat(spf8bit);
  auto* item = list.Item(list.AddItem());
  EXPECT_EQ(item->PixelFormat(), spf8bit);
  item->SetWidth(10);
  item->SetHeight(8);
  auto images = Strip(20, 8, 10, clWhite);
  images->SetPixels(10, 7, clBlue); // bottom-left of image 1
  item->AddImages(*images, nullptr);

  EXPECT_EQ(list.GetCanvas(0), &item->Strip().Canvas());
  EXPECT_EQ(list.GetCanvas(1), nullptr);
  const RECT part = list.GetPartRect(0, 1);
  EXPECT_EQ(part.left, 10);
  EXPECT_EQ(part.right, 20);
  EXPECT_EQ(list.GetSize(0, 0), 10);
  EXPECT_EQ(list.GetSize(0, 1), 8);
  EXPECT_EQ(list.GetSize(3, 0), 0);
  EXPECT_EQ(list.GetImageCount(0), 2);
  EXPECT_EQ(list.GetImageCount(1), -1);
  EXPECT_TRUE(list.IsValid(0, 1));
  EXPECT_FALSE(list.IsValid(0, 2));
  EXPECT_FALSE(list.IsValid(-1, 0));
  TBitmap copy;
  list.GetBitmap(0, 1, copy);
  EXPECT_EQ(copy.Width(), 10);
  EXPECT_EQ(copy.Pixels(1, 0), clRed);
  EXPECT_FALSE(list.IsMasked(0));
  EXPECT_EQ(list.GetPalette(0), item->Strip().Palette());
  EXPECT_EQ(list.GetTransparentColor(0, 1), clBlue);
  EXPECT_EQ(list.GetTransparentColor(0, 0), clWhite);
  EXPECT_EQ(list.GetTransparentColor(0, 5), clWhite);
  EXPECT_EQ(list.GetPixel({1, 0}, 0, 1), clRed);
  EXPECT_EQ(list.GetPixel({1, 0}, 0, 9), clWhite);

  TBitmap canvas;
  FillBitmap(canvas, {0, 0, 30, 30}, clBlack);
  list.DrawAt(canvas.Canvas(), 5, 5, 0, 1);
  EXPECT_EQ(canvas.Pixels(6, 5), clRed);
  EXPECT_EQ(canvas.Pixels(7, 6), clWhite);
  FillBitmap(canvas, {0, 0, 30, 30}, clBlack);
  list.DrawInRect(canvas.Canvas(), {0, 0, 20, 16}, 0, 0, DrawStretch | DrawTransparent);
  EXPECT_EQ(canvas.Pixels(5, 5), clBlack); // white is transparent
  EXPECT_EQ(canvas.Pixels(0, 0), clRed);
  FillBitmap(canvas, {0, 0, 30, 30}, clBlack);
  list.DrawExtended(canvas.Canvas(), {0, 0, 5, 5}, 0, 0, clNone, 0, DrawTile | DrawClip);
  EXPECT_EQ(canvas.Pixels(4, 4), clWhite);
  EXPECT_EQ(canvas.Pixels(6, 6), clBlack);
  list.DrawAt(canvas.Canvas(), 0, 0, 0, 7); // out of range: nothing
}

TEST_F(MVWImageLists, MaskedDrawingStyles) {
  TMVWImageList list(nullptr);
  auto* item = list.Item(list.AddItem());
  item->SetWidth(4);
  item->SetHeight(4);
  item->SetMasked(true);
  auto image = Strip(4, 4, 4, clWhite); // white transparent, red at (0, 0)
  item->AddImages(*image, nullptr);
  EXPECT_TRUE(list.IsMasked(0));
  struct TCase {
    int Style;
    TColor Bk;
    TColor Blend;
    TColor At00; // the red image pixel
    TColor At11; // a transparent pixel with x and y odd
    TColor At12; // a transparent pixel with x + y odd
  };
  const TCase cases[] = {
      {3, clYellow, clNone, clRed, clBlack, clBlack},
      {2, clNone, clNone, clRed, clBlack, clBlack},
      {2, clYellow, clNone, clRed, clYellow, clYellow},
      {1, clYellow, clBlue, clRed, clYellow, clBlue},
      {0, clYellow, clBlue, clBlue, clYellow, clBlue},
      {0, clNone, clNone, clRed, clBlack, clBlack},
  };
  for (const TCase& c : cases) {
    item->SetDrawingStyle(c.Style);
    item->SetBkColor(c.Bk);
    item->SetBlendColor(c.Blend);
    TBitmap canvas;
    FillBitmap(canvas, {0, 0, 10, 10}, clBlack);
    list.DrawAt(canvas.Canvas(), 2, 2, 0, 0);
    EXPECT_EQ(canvas.Pixels(2, 2), c.At00) << c.Style;
    EXPECT_EQ(canvas.Pixels(3, 3), c.At11) << c.Style;
    EXPECT_EQ(canvas.Pixels(3, 4), c.At12) << c.Style;
  }
  item->SetImageType(1); // the mask itself
  TBitmap canvas;
  FillBitmap(canvas, {0, 0, 10, 10}, clBlack);
  list.DrawAt(canvas.Canvas(), 0, 0, 0, 0);
  EXPECT_EQ(canvas.Pixels(1, 1), clWhite);
  EXPECT_EQ(canvas.Pixels(0, 0), clBlack);
}

TEST_F(MVWImageLists, BitmapListOperations) {
  TMVWBitmapList list(nullptr);
  auto* item = list.Item(list.AddItem());
  FillBitmap(item->Bitmap(), {0, 0, 6, 4}, clWhite);
  item->Bitmap().SetPixels(2, 2, clRed);
  item->Bitmap().SetPixels(0, 3, clLime);
  list.AddItem();
  EXPECT_EQ(list.GetCanvas(0), &item->Bitmap().Canvas());
  EXPECT_EQ(list.GetCanvas(2), nullptr);
  EXPECT_EQ(list.GetPartRect(0, 0).right, 6);
  EXPECT_EQ(list.GetSize(0, 1), 4);
  EXPECT_EQ(list.GetSize(5, 1), 0);
  EXPECT_EQ(list.GetImageCount(0), 1);
  EXPECT_EQ(list.GetImageCount(1), 0);
  EXPECT_EQ(list.GetImageCount(2), 0);
  EXPECT_TRUE(list.IsValid(0, 0));
  EXPECT_FALSE(list.IsValid(1, 0));
  TBitmap copy;
  list.GetBitmap(0, 0, copy);
  EXPECT_EQ(copy.Pixels(2, 2), clRed);
  EXPECT_FALSE(list.IsMasked(0));
  EXPECT_EQ(list.GetPalette(0), nullptr);
  EXPECT_EQ(list.GetTransparentColor(0, 0), clLime);
  EXPECT_EQ(list.GetTransparentColor(9, 0), clWhite);
  EXPECT_EQ(list.GetPixel({2, 2}, 0, 0), clRed);
  EXPECT_EQ(list.GetPixel({20, 2}, 0, 0), clWhite);
  TBitmap canvas;
  FillBitmap(canvas, {0, 0, 20, 20}, clBlack);
  list.DrawAt(canvas.Canvas(), 3, 3, 0, 0);
  EXPECT_EQ(canvas.Pixels(5, 5), clRed);
  FillBitmap(canvas, {0, 0, 20, 20}, clBlack);
  list.DrawInRect(canvas.Canvas(), {0, 0, 12, 8}, 0, 0, DrawStretch | DrawTransparent);
  EXPECT_EQ(canvas.Pixels(0, 7), clBlack); // lime is transparent
  EXPECT_EQ(canvas.Pixels(1, 1), clWhite);
  FillBitmap(canvas, {0, 0, 20, 20}, clBlack);
  list.DrawExtended(canvas.Canvas(), {0, 0, 20, 20}, 0, 0, clNone, 0, DrawCenter);
  EXPECT_EQ(canvas.Pixels(9, 10), clRed);
  list.DrawAt(canvas.Canvas(), 0, 0, 1, 0); // empty: nothing
}

TEST_F(MVWImageLists, GraphicListsAndConnectors) {
  TMVWGraphicList graphics(nullptr);
  int changes = 0;
  graphics.OnChange = [&](TObject*) { ++changes; };
  auto* entry = static_cast<TMVWGraphicListItem*>(graphics.Graphics().Add());
  entry->SetName("logo");
  TBitmap picture;
  FillBitmap(picture, {0, 0, 7, 5}, clBlue);
  entry->Picture().SetGraphic(&picture);
  graphics.Graphics().Add();
  EXPECT_GT(changes, 0);
  EXPECT_EQ(graphics.Count(), 2);
  EXPECT_EQ(graphics.Item(0)->Description(), "logo");
  EXPECT_EQ(graphics.Item(2), nullptr);
  EXPECT_EQ(graphics.GetCanvas(0), nullptr);
  EXPECT_EQ(graphics.GetPartRect(0, 0).right, 7);
  EXPECT_EQ(graphics.GetPartRect(1, 0).right, 0);
  EXPECT_EQ(graphics.GetSize(0, 1), 5);
  EXPECT_EQ(graphics.GetImageCount(0), 1);
  EXPECT_EQ(graphics.GetImageCount(1), 0);
  EXPECT_FALSE(graphics.IsValid(1, 0));
  TBitmap copy;
  graphics.GetBitmap(0, 0, copy);
  EXPECT_EQ(copy.Pixels(3, 3), clBlue);
  EXPECT_FALSE(graphics.IsMasked(0));
  EXPECT_EQ(graphics.GetPalette(0), nullptr);
  EXPECT_EQ(graphics.GetTransparentColor(0, 0), clBlue);
  EXPECT_EQ(graphics.GetTransparentColor(1, 0), clNone);
  EXPECT_EQ(graphics.GetPixel({0, 0}, 0, 0), clWhite);
  TBitmap canvas;
  FillBitmap(canvas, {0, 0, 20, 20}, clBlack);
  graphics.DrawAt(canvas.Canvas(), 1, 1, 0, 0);
  EXPECT_EQ(canvas.Pixels(2, 2), clBlue);
  FillBitmap(canvas, {0, 0, 20, 20}, clBlack);
  graphics.DrawInRect(canvas.Canvas(), {0, 0, 20, 20}, 0, 0, DrawStretch);
  EXPECT_EQ(canvas.Pixels(19, 19), clBlue);
  FillBitmap(canvas, {0, 0, 20, 20}, clBlack);
  graphics.DrawExtended(canvas.Canvas(), {0, 0, 20, 20}, 0, 0, clNone, 0, 0);
  EXPECT_EQ(canvas.Pixels(6, 4), clBlue);
  EXPECT_EQ(canvas.Pixels(8, 4), clBlack);

  TComponent owner(nullptr);
  auto* standard = new TImageList(&owner);
  standard->SetSize(8, 8);
  TBitmap images;
  FillBitmap(images, {0, 0, 16, 8}, clWhite);
  images.SetPixels(9, 1, clRed);
  standard->Add(images, nullptr);
  TMVWImageListConnector connector(nullptr);
  int connectorChanges = 0;
  connector.OnChange = [&](TObject*) { ++connectorChanges; };
  auto* link = static_cast<TMVWBorImageListItem*>(connector.ImageLists().Add());
  link->SetImageList(standard);
  connector.ImageLists().Add();
  EXPECT_TRUE(IsImageListConnector(&connector));
  EXPECT_FALSE(IsImageListConnector(&graphics));
  EXPECT_EQ(connector.GetImageCount(0), 2);
  EXPECT_EQ(connector.GetImageCount(1), -1);
  EXPECT_EQ(connector.GetSize(0, 0), 8);
  EXPECT_EQ(connector.GetPartRect(0, 0).bottom, 8);
  EXPECT_TRUE(connector.IsValid(0, 1));
  EXPECT_FALSE(connector.IsValid(0, 2));
  EXPECT_FALSE(connector.IsValid(1, 0));
  EXPECT_TRUE(connector.IsMasked(0));
  EXPECT_EQ(connector.GetCanvas(0), nullptr);
  EXPECT_EQ(connector.GetPalette(0), nullptr);
  EXPECT_EQ(connector.GetPixel({0, 0}, 0, 0), clWhite);
  connector.GetBitmap(0, 1, copy);
  EXPECT_EQ(copy.Pixels(1, 1), clRed);
  EXPECT_EQ(connector.GetTransparentColor(0, 1), clWhite);
  EXPECT_EQ(connector.GetTransparentColor(3, 1), clWhite);
  FillBitmap(canvas, {0, 0, 20, 20}, clBlack);
  connector.DrawAt(canvas.Canvas(), 0, 0, 0, 1);
  EXPECT_EQ(canvas.Pixels(1, 1), clRed);
  EXPECT_EQ(canvas.Pixels(3, 3), clBlack); // masked: white shows the canvas
  FillBitmap(canvas, {0, 0, 20, 20}, clBlack);
  connector.DrawInRect(canvas.Canvas(), {0, 0, 16, 16}, 0, 1, DrawStretch);
  EXPECT_EQ(canvas.Pixels(2, 2), clRed);
  FillBitmap(canvas, {0, 0, 20, 20}, clBlack);
  connector.DrawExtended(canvas.Canvas(), {0, 0, 16, 16}, 0, 1, clWhite, 0, DrawTransparent);
  EXPECT_EQ(canvas.Pixels(1, 1), clRed);
  EXPECT_EQ(canvas.Pixels(4, 4), clBlack);

  // A change of the standard list reaches the connector; removing it clears the entry.
  connectorChanges = 0;
  standard->Clear();
  EXPECT_EQ(connectorChanges, 1);
  delete standard;
  EXPECT_EQ(link->ImageList(), nullptr);
  EXPECT_EQ(connector.GetImageCount(0), -1);
}

TEST_F(MVWImageLists, GlobalContainerAndReferences) {
  ASSERT_NE(MVWContainer, nullptr);
  TMVWCustomImageList* bitmaps = &MVWContainer->BitmapList();
  TMVWCustomImageList* images = &MVWContainer->ImageList();
  EXPECT_EQ(WriteContainerListRef(bitmaps), "MVWBML30");
  EXPECT_EQ(WriteContainerListRef(images), "MVWIML30");
  TMVWBitmapList local(nullptr);
  EXPECT_EQ(WriteContainerListRef(&local), "");
  EXPECT_EQ(WriteContainerListRef(nullptr), "");
  EXPECT_EQ(ReadContainerListRef("MVWBML30"), bitmaps);
  EXPECT_EQ(ReadContainerListRef("MVWIML30"), images);
  EXPECT_EQ(ReadContainerListRef(""), nullptr);
  EXPECT_EQ(ReadContainerListRef("MVWWVL30"), nullptr);
  EXPECT_TRUE(IsGlobalContainerList(bitmaps));
  EXPECT_FALSE(IsGlobalContainerList(&local));
  // A change of one of its lists is a change of the global container.
  int changes = 0;
  TMVWChangeLink link;
  link.OnChange = [&](TObject*) { ++changes; };
  MVWContainer->AddChangeLink(&link);
  MVWContainer->StringList().AddItem();
  MVWContainer->WaveList().AddItem();
  EXPECT_EQ(changes, 2);
  MVWContainer->StringList().Clear();
  MVWContainer->WaveList().Clear();
}

TEST_F(MVWImageLists, BitmapsFromListFiles) {
  test::TTemporaryCurrentFolder folder("marivo-lists-");
  TMVWBitmapList list(nullptr);
  for (const TColor color : {clRed, clLime}) {
    auto* item = list.Item(list.AddItem());
    FillBitmap(item->Bitmap(), {0, 0, 3, 3}, color);
  }
  list.AddItem(); // an empty one
  {
    TFileStream file("images.bml", TFileMode::fmCreate);
    WriteListSignature(file, 1);
    list.SaveToStream(file, true);
    TFileStream strings("texts.sll", TFileMode::fmCreate);
    WriteListSignature(strings, 3);
    WriteInt32(strings, 0);
  }
  std::int32_t count = 0;
  std::vector<std::int32_t> positions;
  EXPECT_EQ(ReadListFileKind("images.bml", count, &positions), 1);
  EXPECT_EQ(count, 3);
  TBitmap bitmap;
  EXPECT_TRUE(LoadBitmapFromListFile("images.bml", 1, bitmap));
  EXPECT_EQ(bitmap.Pixels(1, 1), clLime);
  EXPECT_TRUE(LoadBitmapFromListFile("images.bml", 0, bitmap));
  EXPECT_EQ(bitmap.Pixels(1, 1), clRed);
  EXPECT_FALSE(LoadBitmapFromListFile("images.bml", 2, bitmap));
  EXPECT_FALSE(LoadBitmapFromListFile("images.bml", 3, bitmap));
  EXPECT_FALSE(LoadBitmapFromListFile("images.bml", -1, bitmap));
  try {
    LoadBitmapFromListFile("texts.sll", 0, bitmap);
    ADD_FAILURE() << "no error";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "Cannot open file %s: texts.sll");
  }
  // The file is closed on every path: it can be replaced at once.
  EXPECT_TRUE(DeleteFileA("texts.sll"));
  EXPECT_TRUE(DeleteFileA("images.bml"));
  EXPECT_THROW(LoadBitmapFromListFile("missing.bml", 0, bitmap), EFOpenError);
}

} // namespace
} // namespace marivo
