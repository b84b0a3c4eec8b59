#include "console/common/TextFitting.h"
#include "platform/ui/Pictures.h"
#include "widgets/controls/MVWSimpleLabel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <thread>

namespace marivo {
namespace {

// The width of a text as the fitting helpers measure it: bold Verdana at the given size.
int MeasuredWidth(TCanvas& canvas, const std::string& text, int size) {
  canvas.Font().SetName("Verdana");
  canvas.Font().SetStyle(fsBold);
  canvas.Font().SetSize(size);
  return canvas.TextWidth(text);
}

int MeasuredHeight(TCanvas& canvas, const std::string& text, int size) {
  canvas.Font().SetName("Verdana");
  canvas.Font().SetStyle(fsBold);
  canvas.Font().SetSize(size);
  return canvas.TextHeight(text);
}

class TextFitting : public ::testing::Test {
protected:
  void SetUp() override { Measuring.SetSize(16, 16); }

  // A label as a page holds it: fixed bounds, so the caption does not resize it.
  std::unique_ptr<TMVWSimpleLabel> MakeLabel(int width) {
    auto label = std::make_unique<TMVWSimpleLabel>(nullptr);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, width, 40);
    return label;
  }

  TBitmap Measuring;
  TBitmap Reference;
};

TEST_F(TextFitting, LabelTextThatFitsKeepsTheStartSize) {
  auto label = MakeLabel(400);
  FitLabelText(*label, "Ukraine", 18, Measuring.Canvas());
  EXPECT_EQ(label->Caption(), "Ukraine");
  EXPECT_EQ(label->Font().Size(), 18);
  EXPECT_EQ(label->Width(), 400);
}

TEST_F(TextFitting, LongLabelTextGetsTheLargestSizeThatFitsWithOneBlank) {
  const std::string name = "Synchronised Swimming Club Kazan-Volga";
  const int width = 180;
  auto label = MakeLabel(width);
  FitLabelText(*label, name, 28, Measuring.Canvas());

  EXPECT_EQ(label->Caption(), name);
  const int size = label->Font().Size();
  ASSERT_LT(size, 28);
  ASSERT_GE(size, 1);
  TCanvas& canvas = Reference.Canvas();
  EXPECT_LE(MeasuredWidth(canvas, name + " ", size), width);
  EXPECT_GT(MeasuredWidth(canvas, name + " ", size + 1), width)
      << "a larger size would still have fitted";
}

TEST_F(TextFitting, FittingASecondTextStartsAgainFromTheStartSize) {
  auto label = MakeLabel(160);
  FitLabelText(*label, "Federazione Italiana Nuoto Sincronizzato", 24, Measuring.Canvas());
  ASSERT_LT(label->Font().Size(), 24);
  FitLabelText(*label, "ITA", 24, Measuring.Canvas());
  EXPECT_EQ(label->Font().Size(), 24);
  EXPECT_EQ(label->Caption(), "ITA");
}

// A label squeezed to nothing must not hang the console: the helper has to give up at size 1.
TEST_F(TextFitting, LabelOfWidthZeroEndsAtTheSmallestSize) {
  auto result = std::make_shared<std::promise<std::pair<int, std::string>>>();
  auto future = result->get_future();
  std::thread([result] {
    TBitmap measuring;
    measuring.SetSize(16, 16);
    TMVWSimpleLabel label(nullptr);
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 0, 20);
    FitLabelText(label, "Routine", 20, measuring.Canvas());
    result->set_value({label.Font().Size(), label.Caption()});
  }).detach();
  ASSERT_EQ(future.wait_for(std::chrono::seconds(10)), std::future_status::ready)
      << "fitting into a zero width did not end";
  const auto [size, caption] = future.get();
  EXPECT_EQ(size, 1);
  EXPECT_EQ(caption, "Routine");
}

TEST_F(TextFitting, TextToWidthThatFitsKeepsTheStartSizeAndGivesItsHeight) {
  const TFittedText fitted = FitTextToWidth("9.5", 300, 14, 100, Measuring.Canvas());
  EXPECT_EQ(fitted.Size, 14);
  EXPECT_EQ(fitted.Height, MeasuredHeight(Reference.Canvas(), "9.5 ", 14));
}

TEST_F(TextFitting, TextToWidthShrinksForTheWidth) {
  const std::string text = "Technical Elements 2";
  const TFittedText fitted = FitTextToWidth(text, 120, 30, 200, Measuring.Canvas());
  ASSERT_LT(fitted.Size, 30);
  TCanvas& canvas = Reference.Canvas();
  EXPECT_LE(MeasuredWidth(canvas, text + " ", fitted.Size), 120);
  EXPECT_GT(MeasuredWidth(canvas, text + " ", fitted.Size + 1), 120);
  EXPECT_EQ(fitted.Height, MeasuredHeight(canvas, text + " ", fitted.Size));
}

TEST_F(TextFitting, TextToWidthAlsoShrinksForALowCell) {
  // Wide enough for any size: only the height can make it shrink.
  const int height = 20;
  const TFittedText fitted = FitTextToWidth("DD", 2000, 40, height, Measuring.Canvas());
  ASSERT_LT(fitted.Size, 40);
  TCanvas& canvas = Reference.Canvas();
  EXPECT_LE(fitted.Height, height);
  EXPECT_EQ(fitted.Height, MeasuredHeight(canvas, "DD ", fitted.Size));
  EXPECT_GT(MeasuredHeight(canvas, "DD ", fitted.Size + 1), height);
}

TEST_F(TextFitting, TextToWidthInNoRoomEndsAtTheSmallestSize) {
  auto result = std::make_shared<std::promise<std::pair<TFittedText, TFittedText>>>();
  auto future = result->get_future();
  std::thread([result] {
    TBitmap measuring;
    measuring.SetSize(16, 16);
    // No width at all, and room for any width but no height.
    result->set_value({FitTextToWidth("0.25", 0, 24, 0, measuring.Canvas()),
                       FitTextToWidth("0.25", 5000, 24, 0, measuring.Canvas())});
  }).detach();
  ASSERT_EQ(future.wait_for(std::chrono::seconds(10)), std::future_status::ready)
      << "fitting into no room did not end";
  const auto [narrow, low] = future.get();
  EXPECT_EQ(narrow.Size, 1);
  EXPECT_EQ(narrow.Height, MeasuredHeight(Reference.Canvas(), "0.25 ", 1));
  EXPECT_EQ(low.Size, 1);
  EXPECT_EQ(low.Height, MeasuredHeight(Reference.Canvas(), "0.25 ", 1));
}

} // namespace
} // namespace marivo
