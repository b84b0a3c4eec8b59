#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/FormText.h"
#include "platform/rtl/Streams.h"
#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWBevel.h"
#include "widgets/foundation/MVWBitmapStreams.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWContainer.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGlyphTextLayout.h"
#include "widgets/foundation/MVWGradient.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWGraphicList.h"
#include "widgets/foundation/MVWImageListConnector.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace marivo {
namespace {

// A component owning every drawing sub-object, as the widget controls will.
class TDrawingHolder : public TComponent {
public:
  using TComponent::TComponent;
  TMVWGradient Gradient;
  TMVWBevel Bevel;
  TMVWScrollBoxBevel ScrollBevel;
  TMVWGlyphTextLayout Layout;
  TMVWButtonLayout ButtonLayout;
  TMVW3DCaption Font3D;
  TMVWFxCaption FontFX;
};

void Register() {
  static const bool registered = [] {
    RegisterFoundationClasses();
    RegisterComponentClass<TDrawingHolder, TComponent>("TDrawingHolder")
        .Class("Gradient", [](TDrawingHolder& h) { return &h.Gradient; })
        .Class("Bevel", [](TDrawingHolder& h) { return &h.Bevel; })
        .Class("ScrollBevel", [](TDrawingHolder& h) { return &h.ScrollBevel; })
        .Class("Layout", [](TDrawingHolder& h) { return &h.Layout; })
        .Class("ButtonLayout", [](TDrawingHolder& h) { return &h.ButtonLayout; })
        .Class("Font3D", [](TDrawingHolder& h) { return &h.Font3D; })
        .Class("FontFX", [](TDrawingHolder& h) { return &h.FontFX; });
    return true;
  }();
  (void)registered;
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  char pair[3];
  for (const std::uint8_t b : bytes) {
    std::snprintf(pair, sizeof pair, "%02X", b);
    text += pair;
  }
  return text;
}

class MVWDrawingFormData : public ::testing::Test {
protected:
  void SetUp() override { Register(); }
  TMVWFoundation Foundation;
};

TEST_F(MVWDrawingFormData, SubObjectsStoreWhatDiffersFromTheirDefaults) {
  TDrawingHolder fresh(nullptr);
  fresh.SetName("Holder");
  const std::string defaults = WriteComponentToText(fresh);
  EXPECT_NE(defaults.find("Bevel.Mode = bmCustom"), std::string::npos) << defaults;
  EXPECT_NE(defaults.find("Layout.Alignment = agTopLeft"), std::string::npos) << defaults;
  EXPECT_EQ(defaults.find("ScrollBevel"), std::string::npos) << defaults;
  EXPECT_EQ(defaults.find("ColorList"), std::string::npos) << defaults;
  EXPECT_EQ(defaults.find("Gradient"), std::string::npos) << defaults;

  TDrawingHolder holder(nullptr);
  holder.SetName("Holder");
  holder.Gradient.SetStyle(gstElliptic);
  holder.Gradient.SetTwoColors(false);
  holder.Gradient.Colors() = {0x0000FF, 0x00FF00, 0xFF0000};
  holder.Gradient.Change();
  holder.Bevel.SetStyleOuter(bvShadow);
  holder.Bevel.SetBorderSides((1 << fsTop) | (1 << fsLeft));
  holder.Bevel.SetLightColor(clRed);
  holder.ScrollBevel.SetMode(bmEdge);
  holder.Layout.SetOffsetY(-3);
  holder.ButtonLayout.SetArrow(true);
  holder.ButtonLayout.SetArrowColor(clNavy);
  holder.Font3D.SetStyle(tdPColorRaised);
  holder.Font3D.SetShadowColor(clBtnFace);
  holder.FontFX.SetAngle(270);
  holder.FontFX.SetOrientation(toBottomRight);
  const std::string text = WriteComponentToText(holder);
  EXPECT_NE(text.find("Gradient.ColorList = (\n    255\n    65280\n    16711680)"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Bevel.BorderSides = [fsLeft, fsTop]"), std::string::npos) << text;
  EXPECT_NE(text.find("Font3D.ShadowColor = clBtnFace"), std::string::npos) << text;

  TDrawingHolder back(nullptr);
  ReadComponentFromText(back, text, "holder");
  EXPECT_EQ(back.Gradient.StepColors(), holder.Gradient.StepColors());
  EXPECT_EQ(back.Bevel.StyleInner(), bvShadow);
  EXPECT_EQ(back.ScrollBevel.Mode(), bmEdge);
  EXPECT_EQ(back.Layout.OffsetY(), -3);
  EXPECT_EQ(back.ButtonLayout.ArrowColor(), clNavy);
  EXPECT_EQ(back.Font3D.Style(), tdPColorRaised);
  EXPECT_EQ(back.FontFX.Angle(), 270);
  EXPECT_EQ(back.FontFX.Orientation(), toBottomRight);
  EXPECT_EQ(WriteComponentToText(back), text);
}

TEST_F(MVWDrawingFormData, ColorListRebuildsOnce) {
  TDrawingHolder holder(nullptr);
  int changes = 0;
  holder.Gradient.OnChange = [&](TObject*) { ++changes; };
  ReadComponentFromText(holder,
                        "object Holder: TDrawingHolder\n"
                        "  Gradient.ColorList = (\n    255\n    65280\n    16711680\n    0)\n"
                        "end\n",
                        "colors");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(holder.Gradient.Colors().size(), 4u);
  EXPECT_THROW(ReadComponentFromText(holder,
                                     "object Holder: TDrawingHolder\n"
                                     "  Gradient.ColorList = (\n    'red')\n"
                                     "end\n",
                                     "colors"),
               EReadError);
}

TEST_F(MVWDrawingFormData, ContainersKeepTheirItemsAsChildren) {
  // The consoles' form of a bitmap item: flags 0x0C, the ident, the length, a bitmap file.
  TBitmap bitmap;
  FillBitmap(bitmap, {0, 0, 4, 2}, clRed);
  TMemoryStream image;
  bitmap.SaveToStream(image);
  TMemoryStream internal;
  WriteByte(internal, 0x0C);
  WriteInt32(internal, 7);
  WriteInt32(internal, static_cast<std::int32_t>(image.Size()));
  internal.WriteBuffer(image.Data().data(), image.Size());
  const std::string text = "object Holder: TDrawingHolder\n"
                           "  object Images: TMVWBitmapList\n"
                           "    object TMVWBitmapListItem\n"
                           "      Internal = {\n        " +
                           Hex(internal.Data()) +
                           "}\n"
                           "    end\n"
                           "    object TMVWBitmapListItem\n"
                           "      Internal = {\n        00}\n"
                           "    end\n"
                           "  end\n"
                           "  object Strips: TMVWImageList\n"
                           "    DefaultPixelFormat = spf8bit\n"
                           "    object TMVWImageListItem\n"
                           "      Masked = True\n"
                           "      Height = 4\n"
                           "      Width = 2\n"
                           "    end\n"
                           "  end\n"
                           "  object Texts: TMVWStringList\n"
                           "  end\n"
                           "  object Sounds: TMVWWaveList\n"
                           "    DefaultCompressed = True\n"
                           "  end\n"
                           "  object Standard: TImageList\n"
                           "    Height = 8\n"
                           "    Width = 8\n"
                           "  end\n"
                           "  object Connector: TMVWImageListConnector\n"
                           "    ImageLists = <\n"
                           "      item\n"
                           "        Name = 'std'\n"
                           "        ImageList = Standard\n"
                           "      end>\n"
                           "  end\n"
                           "  object Pictures: TMVWGraphicList\n"
                           "    Graphics = <\n"
                           "      item\n"
                           "        Name = 'logo'\n"
                           "      end>\n"
                           "  end\n"
                           "end\n";
  TDrawingHolder holder(nullptr);
  ReadComponentFromText(holder, text, "containers");
  auto& images = NamedComponent<TMVWBitmapList>(holder, "Images");
  ASSERT_EQ(images.Count(), 2);
  EXPECT_EQ(images.Item(0)->Owner(), &images);
  EXPECT_EQ(images.Item(0)->Ident(), 7);
  EXPECT_EQ(images.Item(0)->Bitmap().Pixels(3, 1), clRed);
  EXPECT_TRUE(images.Item(1)->IsEmpty());
  auto& strips = NamedComponent<TMVWImageList>(holder, "Strips");
  ASSERT_EQ(strips.Count(), 1);
  EXPECT_TRUE(strips.Item(0)->Masked());
  EXPECT_EQ(strips.Item(0)->Width(), 2);
  EXPECT_EQ(strips.DefaultPixelFormat(), spf8bit);
  auto& connector = NamedComponent<TMVWImageListConnector>(holder, "Connector");
  EXPECT_EQ(connector.GetSize(0, 0), 8);
  EXPECT_EQ(NamedComponent<TMVWGraphicList>(holder, "Pictures").Item(0)->Description(), "logo");

  // Items added in code are written as children too, each with its stream.
  TStringList lines;
  lines.Add("Final");
  NamedComponent<TMVWStringList>(holder, "Texts").AddItem();
  NamedComponent<TMVWStringList>(holder, "Texts").Item(0)->SetItems(lines);
  auto& sounds = NamedComponent<TMVWWaveList>(holder, "Sounds");
  EXPECT_TRUE(sounds.Item(sounds.AddItem())->Compressed());
  auto images2 = std::make_unique<TBitmap>();
  FillBitmap(*images2, {0, 0, 4, 4}, clLime);
  strips.Item(0)->AddImages(*images2, nullptr);
  const std::string written = WriteComponentToText(holder);
  TDrawingHolder back(nullptr);
  ReadComponentFromText(back, written, "again");
  EXPECT_EQ(NamedComponent<TMVWStringList>(back, "Texts").Item(0)->Items().Strings(0), "Final");
  EXPECT_EQ(NamedComponent<TMVWWaveList>(back, "Sounds").Count(), 1);
  EXPECT_EQ(NamedComponent<TMVWImageList>(back, "Strips").Item(0)->Count(), 2);
  EXPECT_EQ(NamedComponent<TMVWBitmapList>(back, "Images").Item(0)->Bitmap().Pixels(0, 0), clRed);
  EXPECT_EQ(WriteComponentToText(back), written);
}

TEST_F(MVWDrawingFormData, LegacyStripDataIsReadOnly) {
  TMVWImageListItem source(nullptr, 3, 3);
  auto bitmap = std::make_unique<TBitmap>();
  FillBitmap(*bitmap, {0, 0, 6, 3}, clBlue);
  source.AddImages(*bitmap, nullptr);
  TMemoryStream strip;
  WriteInt32(strip, 2);
  WriteBitmap(strip, source.Strip(), false, -1);
  const std::string text = "object Holder: TDrawingHolder\n"
                           "  object Strips: TMVWImageList\n"
                           "    object TMVWImageListItem\n"
                           "      Height = 3\n"
                           "      Width = 3\n"
                           "      Bitmap = {\n        " +
                           Hex(strip.Data()) +
                           "}\n"
                           "    end\n"
                           "  end\n"
                           "end\n";
  TDrawingHolder holder(nullptr);
  ReadComponentFromText(holder, text, "legacy");
  auto& strips = NamedComponent<TMVWImageList>(holder, "Strips");
  EXPECT_EQ(strips.GetImageCount(0), 2);
  EXPECT_EQ(strips.GetPixel({1, 1}, 0, 1), clBlue);
  const std::string written = WriteComponentToText(holder);
  EXPECT_EQ(written.find("Bitmap ="), std::string::npos) << written;
  EXPECT_NE(written.find("Internal ="), std::string::npos) << written;
}

} // namespace
} // namespace marivo
