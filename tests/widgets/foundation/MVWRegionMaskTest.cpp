#include "widgets/foundation/MVWRegionMask.h"
#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/StdClasses.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

// A component owning a region mask, as a shaped form's region will.
class TMaskHolder : public TComponent {
public:
  using TComponent::TComponent;
  TMVWRegionMask Mask;
};

class MVWRegionMask : public ::testing::Test {
protected:
  void SetUp() override {
    static const bool registered = [] {
      RegisterStandardClasses();
      RegisterFoundationClasses();
      RegisterComponentClass<TMaskHolder, TComponent>("TMaskHolder")
          .Class("Mask", [](TMaskHolder& holder) { return &holder.Mask; });
      return true;
    }();
    (void)registered;
    Holder.SetName("Holder");
  }
  static std::vector<std::uint8_t> RectangleRegionData() {
    HRGN region = CreateRectRgn(0, 0, 30, 20);
    std::vector<std::uint8_t> data(GetRegionData(region, 0, nullptr));
    GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    DeleteObject(region);
    return data;
  }
  TMaskHolder Holder{nullptr};
};

TEST_F(MVWRegionMask, RegionDataAndPicturesComeBackFromFormData) {
  const std::string empty = WriteComponentToText(Holder);
  EXPECT_NE(empty.find("Mask.RegionDataSize = 0"), std::string::npos) << "always stored";
  for (const char* name : {"RegionData", "BorderBmp", "BorderUpBmp", "BorderDnBmp"})
    EXPECT_EQ(empty.find(std::string("Mask.") + name + " ="), std::string::npos) << name;

  for (const bool compressed : {false, true}) {
    TMaskHolder holder(nullptr);
    holder.SetName("Holder");
    holder.Mask.SetRegionData(RectangleRegionData());
    holder.Mask.SetCompressed(compressed);
    holder.Mask.BorderBitmap().SetSize(4, 3);
    holder.Mask.BorderBitmap().SetPixels(1, 1, clRed);
    holder.Mask.DownBitmap().SetSize(2, 2);
    const std::string text = WriteComponentToText(holder);
    EXPECT_EQ(text.find("BorderUpBmp"), std::string::npos);

    TMaskHolder back(nullptr);
    ReadComponentFromText(back, text, "mask");
    EXPECT_EQ(back.Mask.RegionData(), holder.Mask.RegionData());
    EXPECT_EQ(back.Mask.Compressed(), compressed);
    EXPECT_EQ(back.Mask.BorderBitmap().Pixels(1, 1), clRed);
    EXPECT_EQ(back.Mask.DownBitmap().Width(), 2);
    HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(back.Mask.RegionData().size()),
                                  reinterpret_cast<const RGNDATA*>(back.Mask.RegionData().data()));
    ASSERT_NE(region, nullptr);
    RECT box{};
    GetRgnBox(region, &box);
    DeleteObject(region);
    EXPECT_EQ(box.right, 30);
    EXPECT_EQ(box.bottom, 20);
  }
}

TEST_F(MVWRegionMask, ASizeBeyondItsDataIsAReadErrorAndAnEmptySourceEmptiesOnlyTheData) {
  Holder.Mask.SetRegionData({1, 2, 3, 4});
  std::string text = WriteComponentToText(Holder);
  const std::size_t size = text.find("RegionDataSize = 4");
  ASSERT_NE(size, std::string::npos) << text;
  text.replace(size, 18, "RegionDataSize = 4000");
  TMaskHolder back(nullptr);
  EXPECT_THROW(ReadComponentFromText(back, text, "mask"), EReadError);

  Holder.Mask.BorderBitmap().SetSize(3, 3);
  TMVWRegionMask none;
  int changes = 0;
  Holder.Mask.OnChange = [&](TObject*) { ++changes; };
  Holder.Mask.Assign(none);
  EXPECT_TRUE(Holder.Mask.RegionData().empty());
  EXPECT_EQ(Holder.Mask.RegionDataSize(), 0);
  EXPECT_EQ(Holder.Mask.BorderBitmap().Width(), 3);
  EXPECT_EQ(changes, 0);
}

// Each kind of bad stored data: a clear error naming its property, and what that property
// holds in the mask read into left as it was.
TEST_F(MVWRegionMask, BadStoredDataIsRefusedByNameAndChangesNothing) {
  Holder.Mask.SetRegionData(RectangleRegionData());
  Holder.Mask.BorderBitmap().SetSize(4, 3);
  const std::string good = WriteComponentToText(Holder);
  const auto edited = [&good](const std::string& from, const std::string& to) {
    std::string text = good;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
      text.replace(at, from.size(), to);
    return text;
  };
  const std::size_t picture = good.find("Mask.BorderBmp = {");
  ASSERT_NE(picture, std::string::npos) << good;
  std::string truncated = good;
  truncated.erase(picture + 30, 16);
  const std::pair<std::string, std::string> cases[] = {
      {edited("RegionDataSize = 48", "RegionDataSize = 40"), "RegionData"},
      {edited("RegionDataSize = 48", "RegionDataSize = 56"), "RegionData"},
      {edited("RegionDataSize = 48", "RegionDataSize = -48"), "RegionData"},
      {truncated, "BorderBmp"},
  };
  for (const auto& [text, property] : cases) {
    TMaskHolder back(nullptr);
    back.Mask.SetRegionData({9, 9});
    back.Mask.BorderBitmap().SetSize(7, 7);
    try {
      ReadComponentFromText(back, text, "mask");
      ADD_FAILURE() << "no error for " << property << " in\n" << text;
    } catch (const EReadError& error) {
      EXPECT_NE(error.Message().find(property), std::string::npos) << error.Message();
    }
    if (property == "RegionData") {
      EXPECT_EQ(back.Mask.RegionData(), (std::vector<std::uint8_t>{9, 9}));
    }
    EXPECT_EQ(back.Mask.BorderBitmap().Width(), 7) << property;
  }

  // A size set without data is not written: what is stored always matches its block.
  TMaskHolder sizeOnly(nullptr);
  sizeOnly.SetName("Holder");
  sizeOnly.Mask.SetRegionDataSize(100);
  const std::string text = WriteComponentToText(sizeOnly);
  EXPECT_NE(text.find("Mask.RegionDataSize = 0"), std::string::npos) << text;
  TMaskHolder back(nullptr);
  EXPECT_NO_THROW(ReadComponentFromText(back, text, "mask"));
}

} // namespace
} // namespace marivo
