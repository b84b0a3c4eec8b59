#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/ModalScript.h"
#include "tests/support/Snapshot.h"
#include "tests/widgets/controls/OffScreen.h"
#include "tests/widgets/controls/WidgetForm.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWShapeButton.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWGraph.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

// A shape button whose paints and content rectangles are recorded and whose state a test may
// set.
class TShapeProbe : public test::TOffScreen<test::TRecording<TMVWShapeButton>> {
public:
  using TMVWShapeButton::SetState;
  using TOffScreen::TOffScreen;
  void Paint() override {
    ++Paints;
    TMVWShapeButton::Paint();
  }
  void DrawContent(TCanvas& canvas, const RECT& rect) override {
    Content = rect;
    TMVWShapeButton::DrawContent(canvas, rect);
  }
  // The button as it paints itself on a white bitmap of its size.
  std::unique_ptr<TBitmap> Picture() {
    auto picture = std::make_unique<TBitmap>();
    PaintInto(*picture, clWhite);
    return picture;
  }
  int Paints = 0;
  RECT Content{};
};

// The difficulty editor's two buttons close it; a window-less button has no modal result.
class TDifficultyForm : public TForm {
public:
  using TForm::TForm;
  void OkClick(TObject*) { SetModalResult(mrOk); }
  void CancelClick(TObject*) { SetModalResult(mrCancel); }
};

void RegisterTestClasses() {
  static const bool registered = [] {
    RegisterStandardClasses();
    RegisterControlClasses();
    RegisterComponentClass<TDifficultyForm, TForm>("TDifficultyForm")
        .Handler("OkClick", &TDifficultyForm::OkClick)
        .Handler("CancelClick", &TDifficultyForm::CancelClick);
    return true;
  }();
  (void)registered;
}

std::vector<LONG> Sides(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

const TMVWShapeType AllKinds[] = {stEllipse,     stRectangle,  stRoundRect,  stDirectUp,
                                  stDirectRight, stDirectDown, stDirectLeft, stDiamond,
                                  stComb,        stOctagon,    stStar};

class ShapeButtonTest : public test::TWidgetForm {
protected:
  void SetUp() override {
    RegisterTestClasses();
    TWidgetForm::SetUp();
    Form->SetBounds(60, 60, 620, 400);
  }
  TShapeProbe* AddButton(const std::string& name, int left, int top, int width = 75,
                         int height = 25) {
    auto* button = new TShapeProbe(Form.get(), Recorder, name);
    button->SetParent(Form.get());
    button->SetBounds(left, top, width, height);
    button->SetColor(clWhite);
    button->Colors().SetUp(clLime);
    button->Colors().SetDown(clRed);
    button->Colors().SetMouseOver(clYellow);
    button->OnClick = RecordClick();
    return button;
  }
  void Click(int x, int y) {
    Mouse(WM_MOUSEMOVE, x, y);
    Mouse(WM_LBUTTONDOWN, x, y);
    Mouse(WM_LBUTTONUP, x, y);
    Mouse(WM_MOUSEMOVE, 610, 390);
  }
};

TEST_F(ShapeButtonTest, DefaultButtonDropsOntoItsShadowWhenPressed) {
  TShapeProbe* button = AddButton("OK", 0, 0);
  const TColor shadow = static_cast<TColor>(ColorToRGB(clBtnShadow));
  auto up = button->Picture();
  EXPECT_EQ(up->Pixels(72, 22), shadow);
  EXPECT_EQ(up->Pixels(30, 10), clLime);
  EXPECT_EQ(up->Pixels(1, 10), clBlack);
  EXPECT_EQ(up->Pixels(3, 22), clWhite);
  EXPECT_EQ(Sides(button->Content), (std::vector<LONG>{3, 3, 64, 14}));

  button->SetState(gbsPressed);
  auto pressed = button->Picture();
  EXPECT_EQ(pressed->Pixels(3, 3), clWhite);
  EXPECT_EQ(pressed->Pixels(30, 10), clRed);
  EXPECT_EQ(pressed->Pixels(72, 22), clRed);
  EXPECT_EQ(pressed->Pixels(7, 15), clBlack);
  EXPECT_EQ(Sides(button->Content), (std::vector<LONG>{9, 9, 70, 20}));

  button->SetStyle(sbs3D);
  button->SetState(gbsUp);
  auto raised = button->Picture();
  EXPECT_EQ(raised->Pixels(72, 22), clLime) << "no shadow: the face takes the whole button";
  EXPECT_EQ(raised->Pixels(30, 1), static_cast<TColor>(ColorToRGB(clBtnHighlight)));
  EXPECT_EQ(raised->Pixels(30, 23), shadow);
}

TEST_F(ShapeButtonTest, FillModeShowsThePictureOnlyInsideTheFace) {
  TShapeProbe* button = AddButton("Fill", 0, 0, 100, 60);
  button->Shape().SetShape(stEllipse);
  TBitmap red;
  FillBitmap(red, {0, 0, 10, 10}, clRed);
  button->ShapeFill().SetBitmap(red);
  button->ShapeFill().SetTileMode(tmStretch);
  button->ShapeFill().SetStyle(sfBitmap);
  button->SetMode(sbmShapeFill);
  auto picture = button->Picture();
  EXPECT_EQ(picture->Pixels(47, 27), clRed);
  EXPECT_EQ(picture->Pixels(2, 2), clWhite) << "outside the ellipse";
  EXPECT_EQ(picture->Pixels(97, 33), static_cast<TColor>(ColorToRGB(clBtnShadow)));
  EXPECT_EQ(picture->Pixels(1, 27), clBlack) << "the outline over the picture";

  button->SetState(gbsPressed);
  picture = button->Picture();
  EXPECT_EQ(picture->Pixels(53, 33), clRed) << "pressed, the face and picture move by the depth";
  EXPECT_EQ(picture->Pixels(3, 3), clWhite);

  // The second image of an image list, taken again when the list changes.
  auto* list = new TMVWImageList(Form.get());
  auto* item = list->Item(list->AddItem());
  item->SetWidth(10);
  item->SetHeight(10);
  TBitmap strip;
  FillBitmap(strip, {0, 0, 20, 10}, clRed);
  strip.Canvas().Brush().SetColor(clBlue);
  strip.Canvas().FillRect({10, 0, 20, 10});
  item->AddImages(strip, nullptr);
  button->SetState(gbsUp);
  button->ShapeFill().SetStyle(sfBitmapList);
  button->SetShapeFillImageList(list);
  button->SetShapeFillImageIndex(1);
  EXPECT_EQ(button->Picture()->Pixels(47, 27), clBlue);
  delete list;
  EXPECT_EQ(button->ShapeFillImageList(), nullptr);
  EXPECT_TRUE(button->ShapeFill().ListBitmap().Empty());
}

// A 100 x 60 button with the default shadow: a point of the face, one of the shadow only, one
// outside the outline.
TEST_F(ShapeButtonTest, OnlyAClickInsideTheDrawnFaceCounts) {
  struct TCase {
    TMVWShapeType Shape;
    POINT Face, Shadow, Outside;
  };
  const TCase cases[] = {
      {stEllipse, {47, 27}, {97, 33}, {2, 2}},      {stRectangle, {47, 27}, {97, 57}, {99, 59}},
      {stRoundRect, {47, 27}, {97, 40}, {1, 1}},    {stDirectUp, {47, 36}, {96, 58}, {5, 5}},
      {stDirectRight, {30, 27}, {50, 44}, {90, 5}}, {stDirectDown, {47, 20}, {97, 8}, {5, 50}},
      {stDirectLeft, {70, 27}, {97, 57}, {5, 5}},   {stDiamond, {47, 27}, {97, 33}, {3, 3}},
      {stComb, {47, 27}, {97, 27}, {3, 3}},         {stOctagon, {47, 27}, {97, 27}, {2, 2}},
      {stStar, {47, 28}, {90, 29}, {47, 50}},
  };
  const int left = 200, top = 150;
  TShapeProbe* button = AddButton("Face", left, top, 100, 60);
  Show();
  for (const TCase& c : cases) {
    button->Shape().SetShape(c.Shape);
    for (const POINT point : {c.Face, c.Shadow, c.Outside})
      Click(left + point.x, top + point.y);
    EXPECT_EQ(Clicks, std::vector<std::string>{"Face"}) << int{c.Shape};
    Clicks.clear();
  }
  // Without a shadow the face fills the button, so the shadow's place is face.
  for (const int variant : {0, 1}) {
    if (variant == 0)
      button->SetStyle(sbs3D);
    else {
      button->SetStyle(sbsShadow);
      button->Shape().Shadow().SetStyle(hssNone);
    }
    button->Shape().SetShape(stRectangle);
    Click(left + 97, top + 57);
    button->Shape().SetShape(stEllipse);
    Click(left + 2, top + 2);
    EXPECT_EQ(Clicks, std::vector<std::string>{"Face"}) << variant;
    Clicks.clear();
  }
}

TEST_F(ShapeButtonTest, HoverRepaintsOnlyWhenItsColourDiffers) {
  TShapeProbe* button = AddButton("Hover", 20, 20);
  Show();
  for (const TColor over : {clYellow, clLime}) { // lime is the up colour
    button->Colors().SetMouseOver(over);
    Application->ProcessMessages();
    button->Paints = 0;
    Recorder.Clear();
    Mouse(WM_MOUSEMOVE, 30, 30);
    Application->ProcessMessages();
    Mouse(WM_MOUSEMOVE, 300, 300);
    Application->ProcessMessages();
    EXPECT_EQ(Recorder.Receivers(CM_MOUSEENTER), std::vector<std::string>{"Hover"}) << over;
    EXPECT_EQ(Recorder.Receivers(CM_MOUSELEAVE), std::vector<std::string>{"Hover"}) << over;
    EXPECT_EQ(button->Paints > 0, over == clYellow) << over;
  }
}

TEST_F(ShapeButtonTest, SettingsCopyWholeAndTheFillPictureFollowsTheMode) {
  TShapeProbe* button = AddButton("Fill", 20, 20, 80, 40);
  int changes = 0;
  button->Shape().OnChange = [&, previous = button->Shape().OnChange](TObject* sender) {
    ++changes;
    previous(sender);
  };
  TMVWShape star;
  star.SetShape(stStar);
  star.SetSquare(true);
  star.Bevel().SetWidth(4);
  button->SetShape(star);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(button->Shape().Shape(), stStar);
  EXPECT_TRUE(button->Shape().Square());
  EXPECT_EQ(button->Outline().Count(), 20) << "the outline follows the change";

  TMVWShapeButtonColor colors;
  colors.SetDown(clNavy);
  colors.SetUp(clTeal);
  button->SetColors(colors);
  EXPECT_EQ(button->Colors().Down(), clNavy);
  EXPECT_EQ(button->Colors().MouseOver(), clBtnFace);

  button->ShapeFill().SetStyle(sfGradient);
  button->SetMode(sbmShapeFill);
  EXPECT_EQ(button->FillPicture().Width(), 80);
  button->SetShapeFillImageIndex(-1);
  EXPECT_EQ(button->ShapeFillImageIndex(), 0);
  button->SetMode(sbmShapeFast);
  EXPECT_TRUE(button->FillPicture().Empty());

  button->SetBounds(20, 20, 120, 40);
  TMVWPoint corner{};
  button->Outline().GetPoint(2, corner);
  EXPECT_EQ(corner.X, 80) << "a square star centred in 120 x 40";
}

TEST_F(ShapeButtonTest, DifficultyEditorButtonsCloseItWithTheirResults) {
  const std::string text = "object DifficultyForm: TDifficultyForm\n"
                           "  Left = 100\n"
                           "  Top = 100\n"
                           "  Width = 260\n"
                           "  Height = 120\n"
                           "  Color = clBtnFace\n"
                           "  object OkButton: TMVWShapeButton\n"
                           "    Left = 40\n"
                           "    Top = 40\n"
                           "    Width = 75\n"
                           "    Height = 25\n"
                           "    AllowTransparency = True\n"
                           "    AllowMouseOver = True\n"
                           "    Caption = 'OK'\n"
                           "    NumGlyphs = 2\n"
                           "    Shape.Brush.Color = clBtnFace\n"
                           "    CaptionClip = False\n"
                           "    MouseOver = True\n"
                           "    OnClick = OkClick\n"
                           "  end\n"
                           "  object CancelButton: TMVWShapeButton\n"
                           "    Left = 140\n"
                           "    Top = 40\n"
                           "    Width = 75\n"
                           "    Height = 25\n"
                           "    AllowTransparency = True\n"
                           "    AllowMouseOver = True\n"
                           "    Caption = 'Cancel'\n"
                           "    Shape.Brush.Color = clBtnFace\n"
                           "    OnClick = CancelClick\n"
                           "  end\n"
                           "end\n";
  TDifficultyForm editor(nullptr);
  ReadComponentFromText(editor, text, "difficulty.frm");
  auto* ok = dynamic_cast<TMVWShapeButton*>(editor.FindComponent("OkButton"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->Outline().Count(), 4) << "the default rectangle's outline comes with loading";
  const std::string written = WriteComponentToText(editor);
  EXPECT_EQ(written.find("CaptionClip"), std::string::npos);
  EXPECT_NE(written.find("AllowMouseOver = True"), std::string::npos) << written;

  const auto click = [&editor](int x, int y) {
    return [&editor, x, y] {
      SetCursorPosSeam(editor.ClientToScreen(POINT{x, y}));
      for (const UINT msg : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP})
        SendMessageA(editor.Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                     MAKELPARAM(x, y));
      return true;
    };
  };
  // (112, 62) lies on the OK button's shadow only.
  EXPECT_EQ(test::ShowModalWith(editor, {click(112, 62), click(50, 50)}), mrOk);
  EXPECT_EQ(test::ShowModalWith(editor, {click(150, 50)}), mrCancel);
  bool stillOpen = false;
  EXPECT_EQ(test::ShowModalWith(editor, {click(112, 62),
                                         [&] {
                                           stillOpen = editor.Visible();
                                           editor.SetModalResult(test::mrTimedOut);
                                           return true;
                                         }}),
            test::mrTimedOut);
  EXPECT_TRUE(stillOpen) << "a click on the shadow closes nothing";
}

TEST_F(ShapeButtonTest, SnapshotOfEveryKindUpPressedAndDisabledInBothStyles) {
  Form->SetBounds(0, 0, 11 * 56 + 20, 6 * 40 + 40);
  int row = 0;
  std::vector<TShapeProbe*> buttons;
  for (const TMVWShapeButtonStyle style : {sbsShadow, sbs3D})
    for (const std::uint8_t state : {gbsUp, gbsPressed, gbsDisabled}) {
      for (int kind = 0; kind < 11; ++kind) {
        TShapeProbe* button = AddButton("", 8 + kind * 56, 8 + row * 40, 50, 34);
        button->Shape().SetShape(AllKinds[kind]);
        button->Colors().SetDisabled(clSilver);
        button->SetStyle(style);
        if (style == sbs3D)
          button->Shape().Bevel().SetWidth(2);
        button->SetState(state);
        buttons.push_back(button);
      }
      ++row;
    }
  Show();
  for (TShapeProbe* button : buttons)
    EXPECT_GT(button->Paints, 0);
  const test::TSnapshot snapshot = test::SnapshotForm(*Form, "shape_buttons");
  const TColor faces[] = {clLime, clRed, clSilver};
  for (std::size_t i = 0; i < buttons.size(); ++i)
    EXPECT_TRUE(snapshot.Shows(*buttons[i], faces[i / 11 % 3])) << i;
}

} // namespace
} // namespace marivo
