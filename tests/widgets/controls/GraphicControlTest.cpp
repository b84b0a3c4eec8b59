#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWGraphicControl.h"

#include "platform/ui/Forms.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWUnits.h"
#include "widgets/foundation/mvwcont.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace marivo {
namespace {

// Remembers the flags of every BoundsChanged and counts the image-list notices.
class TProbeGraphic : public TMVWGraphicControl {
public:
  using TMVWGraphicControl::TMVWGraphicControl;
  void BoundsChanged(TMVWBoundsFlags flags) override { Flags.push_back(flags); }
  void ImageListChanged() override {
    ++ListChanges;
    TMVWGraphicControl::ImageListChanged();
  }
  std::vector<int> Flags;
  int ListChanges = 0;
};

class MVWGraphicBases : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterControlClasses();
    MVWApplication->SetThemeActiveSeam(false);
    Form = std::make_unique<TForm>(nullptr);
    Control = new TProbeGraphic(Form.get());
    Control->SetParent(Form.get());
  }
  TMVWFoundation Foundation;
  std::unique_ptr<TForm> Form;
  TProbeGraphic* Control = nullptr;
};

TEST_F(MVWGraphicBases, StartTransparentAndThirtyPixelsSquare) {
  EXPECT_TRUE(Control->Transparent());
  EXPECT_FALSE(Control->ControlStyle() & csOpaque);
  EXPECT_TRUE(Control->ControlStyle() & csReplicatable);
  EXPECT_EQ(Control->Width(), 30);
  EXPECT_EQ(Control->Height(), 30);
  Control->SetTransparent(false);
  EXPECT_TRUE(Control->ControlStyle() & csOpaque);
}

TEST_F(MVWGraphicBases, BoundsChangedSaysWhatMoved) {
  Control->SetBounds(10, 10, 30, 30);
  const struct {
    RECT Bounds;
    std::vector<int> Flags;
  } cases[] = {
      {{10, 10, 30, 30}, {}},
      {{12, 10, 30, 30}, {bfMoved}},
      {{12, 10, 31, 30}, {bfResized}},
      {{0, 0, 5, 5}, {bfMoved | bfResized}},
  };
  for (const auto& c : cases) {
    Control->Flags.clear();
    Control->SetBounds(c.Bounds.left, c.Bounds.top, c.Bounds.right, c.Bounds.bottom);
    EXPECT_EQ(Control->Flags, c.Flags) << c.Bounds.left << "," << c.Bounds.right;
  }
}

TEST_F(MVWGraphicBases, ImageIndexesIgnoreNegativesAndTellOnlyWithAList) {
  Control->SetImageIndex(3);
  Control->SetImageIndex(-1);
  EXPECT_EQ(Control->ImageIndex(), 3);
  EXPECT_EQ(Control->ListChanges, 0) << "no list, no notice";
  EXPECT_TRUE(Control->ImageEmpty());

  auto* list = new TMVWBitmapList(Form.get());
  Control->SetImageList(list);
  EXPECT_EQ(Control->ListChanges, 1);
  Control->SetListIndex(2);
  Control->SetListIndex(2);
  EXPECT_EQ(Control->ListIndex(), 2);
  EXPECT_EQ(Control->ListChanges, 2);
  EXPECT_TRUE(Control->ImageEmpty()) << "an empty list has no entry (2, 3)";

  delete list;
  EXPECT_EQ(Control->ImageList(), nullptr);
  EXPECT_EQ(Control->ListChanges, 3);
}

} // namespace
} // namespace marivo
