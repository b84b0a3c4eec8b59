#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/MessagePump.h"
#include "tests/support/Snapshot.h"
#include "tests/widgets/controls/OffScreen.h"
#include "tests/widgets/controls/WidgetForm.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWCustomMMButton.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

class TMMProbe : public test::TOffScreen<TMVWCustomMMButton> {
public:
  using TMVWCustomMMButton::SetState;
  using TOffScreen::TOffScreen;
  // The button as it paints itself on a fuchsia bitmap of its size.
  std::unique_ptr<TBitmap> Picture() {
    auto picture = std::make_unique<TBitmap>();
    PaintInto(*picture, clFuchsia);
    return picture;
  }
};

class MMButtonTest : public test::TWidgetForm {
protected:
  void SetUp() override {
    RegisterStandardClasses();
    RegisterControlClasses();
    TWidgetForm::SetUp();
    Form->SetName("MMForm");
    Form->SetBounds(60, 60, 300, 200);
    // Image 0: red left half, white right half; image 1 blue; each 40 x 20 with a white bottom
    // row, the colour they are drawn transparent by.
    Faces = new TMVWImageList(Form.get());
    Faces->SetName("Faces");
    auto* item = Faces->Item(Faces->AddItem());
    item->SetWidth(40);
    item->SetHeight(20);
    TBitmap strip;
    FillBitmap(strip, {0, 0, 80, 20}, clWhite);
    strip.Canvas().Brush().SetColor(clRed);
    strip.Canvas().FillRect({0, 0, 20, 19});
    strip.Canvas().Brush().SetColor(clBlue);
    strip.Canvas().FillRect({40, 0, 80, 19});
    item->AddImages(strip, nullptr);
  }
  TMMProbe* AddButton(int width = 40, int height = 20) {
    auto* button = new TMMProbe(Form.get());
    button->SetName("Face");
    button->SetParent(Form.get());
    button->SetBounds(20, 20, width, height);
    button->SetButtonFaceImageList(Faces);
    button->OnClick = RecordClick();
    return button;
  }
  void Click(int x, int y) {
    for (const UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE}) {
      const int px = msg == WM_MOUSEMOVE && y < 0 ? 290 : 20 + x;
      SetCursorPosSeam(Form->ClientToScreen(POINT{px, 20 + y}));
      SendMessageA(Form->Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                   MAKELPARAM(px, 20 + y));
    }
  }

  TMVWImageList* Faces = nullptr;
};

TEST_F(MMButtonTest, ClicksCountOnlyOnPicturePixels) {
  TMMProbe* button = AddButton();
  Show();
  button->Picture();
  EXPECT_EQ(button->FaceRect().right, 40);
  Click(5, 5);
  Click(30, 5);
  EXPECT_EQ(Clicks.size(), 1u) << "white is the hit colour";
  button->SetHitColor(clRed);
  Click(5, 5);
  Click(30, 5);
  EXPECT_EQ(Clicks.size(), 2u);

  // Stretched to 80 x 40 a point is read from the entry pixel under it.
  button->SetHitColor(clWhite);
  button->SetBounds(20, 20, 80, 40);
  button->SetButtonFaceStyle(sbStretch);
  button->Picture();
  Click(30, 30);
  Click(70, 10);
  EXPECT_EQ(Clicks.size(), 3u);
  Click(45, 10);
  EXPECT_EQ(Clicks.size(), 3u) << "(22, 5) of the entry is white";
}

TEST_F(MMButtonTest, InvalidEntriesFallBackAndAutosizeTakesTheEntrySize) {
  TMMProbe* button = AddButton();
  TMVWFaceEntries entries{};
  entries[4] = {0, 1};
  entries[2] = {0, 9};
  entries[3] = {7, 0};
  button->SetFaceEntries(entries);
  EXPECT_EQ(button->Picture()->Pixels(5, 5), clRed);
  button->SetState(gbsHot);
  EXPECT_EQ(button->Picture()->Pixels(5, 5), clRed) << "hot borrows the up entry";
  button->SetState(gbsLatched);
  EXPECT_EQ(button->Picture()->Pixels(5, 5), clBlue) << "latched borrows the pressed entry";
  entries[0] = {0, 5};
  button->SetFaceEntries(entries);
  button->SetState(gbsUp);
  EXPECT_EQ(button->Picture()->Pixels(5, 5), clFuchsia) << "no up entry: nothing at all";

  button->SetButtonFaceStyle(sbAutosize);
  button->SetBounds(20, 20, 10, 10);
  button->SetState(gbsPressed);
  button->Picture();
  EXPECT_EQ(button->Width(), 40);
  EXPECT_EQ(button->Height(), 20);
}

TEST_F(MMButtonTest, FaceEntriesTravelInFormDataAtTheirExactLengths) {
  TMMProbe* button = AddButton();
  TMVWFaceEntries entries{};
  for (int state = 0; state < FaceStateCount; ++state)
    entries[static_cast<std::size_t>(state)] = {0, state % 2};
  button->SetFaceEntries(entries);
  button->SetHitColor(clRed);
  const std::string text = WriteComponentToText(*Form);
  EXPECT_NE(text.find("ButtonFaceIndicesNew2"), std::string::npos) << text;
  EXPECT_NE(text.find("ButtonFaceTransColNew"), std::string::npos);
  EXPECT_EQ(text.find("ButtonFaceIndices "), std::string::npos);

  TForm again(nullptr);
  ReadComponentFromText(again, text, "again.frm");
  auto* copy = dynamic_cast<TMVWCustomMMButton*>(again.FindComponent("Face"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->FaceEntries(), entries);
  EXPECT_EQ(copy->HitColor(), clRed);
  EXPECT_EQ(copy->ButtonFaceImageList(), again.FindComponent("Faces"));
  EXPECT_EQ(WriteComponentToText(again), text);

  const std::string::size_type start = text.find("ButtonFaceTransColNew = {");
  ASSERT_NE(start, std::string::npos);
  std::string shortened = text;
  shortened.replace(start, std::string("ButtonFaceTransColNew = {0000FF00").size(),
                    "ButtonFaceTransColNew = {0000FF");
  TForm broken(nullptr);
  EXPECT_THROW(ReadComponentFromText(broken, shortened, "broken.frm"), EReadError) << shortened;
}

TEST_F(MMButtonTest, SnapshotOfAFaceOverItsForm) {
  TMMProbe* button = AddButton(80, 40);
  button->SetButtonFaceStyle(sbStretch);
  button->SetCaption("Face");
  Form->Show();
  EXPECT_TRUE(test::PumpUntil([button] { return button->FaceRect().right == 80; }));
  const test::TSnapshot snapshot = test::SnapshotForm(*Form, "multimedia_button");
  EXPECT_EQ(snapshot.At(*button, {10, 20}), ColorToRGB(clRed)) << "the face stretched";
  EXPECT_EQ(snapshot.At(*button, {70, 10}), ColorToRGB(clBtnFace)) << "seen through the face";
  EXPECT_TRUE(snapshot.Shows(*button, button->Font().Color()));
}

} // namespace
} // namespace marivo
