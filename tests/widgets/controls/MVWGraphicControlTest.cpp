#include "widgets/controls/MVWGraphicControl.h"
#include "widgets/controls/MVWControls.h"

#include "platform/rtl/FormLoader.h"
#include "platform/ui/Forms.h"
#include "widgets/controls/MVWCustomControl.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWContainer.h"
#include "widgets/foundation/MVWFormShape.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
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
  void Paint() override {
    ++Paints;
    TMVWGraphicControl::Paint();
  }
  std::vector<int> Flags;
  int ListChanges = 0;
  int Paints = 0;
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
  EXPECT_EQ((std::pair{Control->Width(), Control->Height()}), (std::pair{30, 30}));
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

// A windowed parent that says whether it keeps a background image.
struct TImagePanel : TMVWCustomControl {
  using TMVWCustomControl::TMVWCustomControl;
  bool HasBackImage() override { return true; }
};

TEST_F(MVWGraphicBases, ParentBackgroundCountsOnlyForATransparentControlOnAParentThatKeepsOne) {
  auto* panel = new TImagePanel(Form.get());
  panel->SetParent(Form.get());
  auto* onPanel = new TProbeGraphic(Form.get());
  onPanel->SetParent(panel);
  EXPECT_FALSE(Control->ParentBackActive()) << "a form without a shape keeps no background";
  new TMVWFormShape(Form.get());
  EXPECT_FALSE(Control->ParentBackActive()) << "a shape's form without a window shows nothing";
  EXPECT_FALSE(onPanel->ParentBackActive()) << "a panel without a window shows nothing";
  Form->HandleNeeded();
  EXPECT_TRUE(onPanel->ParentBackActive());
  onPanel->SetTransparent(false);
  EXPECT_FALSE(onPanel->ParentBackActive());
}

TEST_F(MVWGraphicBases, OpaqueRepaintsAtOnceTransparentWaitsForTheParent) {
  Form->SetBounds(0, 0, 200, 100);
  Form->Show();
  UpdateWindow(Form->Handle());
  const int shown = Control->Paints;
  EXPECT_GT(shown, 0);
  Control->SetTransparent(false);
  EXPECT_EQ(Control->Paints, shown + 1);
  Control->SetTransparent(true);
  EXPECT_EQ(Control->Paints, shown + 1);
  UpdateWindow(Form->Handle());
  EXPECT_EQ(Control->Paints, shown + 2);
  Control->BackFX().SetGrayScale(true);
  Control->SetTransparent(false);
  Control->BackFX().SetInvert(true);
  EXPECT_EQ(Control->Paints, shown + 4) << "an effect change repaints an opaque control at once";
}

struct TListKey : TMVWBaseGraphicControl {
  using TMVWBaseGraphicControl::TMVWBaseGraphicControl;
};

TEST_F(MVWGraphicBases, AGlobalListIsStoredByItsSignatureAndAFormListByName) {
  [[maybe_unused]] static const bool registered = [] {
    auto builder = RegisterComponentClass<TListKey, TMVWBaseGraphicControl>("TListKey");
    PublishImageLink(builder);
    return true;
  }();
  Form->SetName("Keys");
  auto* formList = new TMVWBitmapList(Form.get());
  formList->SetName("Pictures");
  auto* global = new TListKey(Form.get());
  global->SetName("Global");
  global->SetParent(Form.get());
  global->SetImageList(&MVWContainer->BitmapList());
  auto* local = new TListKey(Form.get());
  local->SetName("Local");
  local->SetParent(Form.get());
  local->SetImageList(formList);
  local->SetImageIndex(2);
  const std::string text = WriteComponentToText(*Form);
  EXPECT_NE(text.find("Internal = 'MVWBML30'"), std::string::npos) << text;
  EXPECT_NE(text.find("ImageList = Pictures"), std::string::npos) << text;
  EXPECT_EQ(text.find("ImageList = "), text.rfind("ImageList = ")) << text;

  TForm copy(nullptr);
  copy.SetName("Keys");
  ReadComponentFromText(copy, text, "keys");
  EXPECT_EQ(NamedComponent<TListKey>(copy, "Global").ImageList(), &MVWContainer->BitmapList());
  auto& localCopy = NamedComponent<TListKey>(copy, "Local");
  EXPECT_EQ(localCopy.ImageList(), copy.FindComponent("Pictures"));
  EXPECT_EQ(localCopy.ImageIndex(), 2);
}

} // namespace
} // namespace marivo
