#include "tests/platform/ui/ExtCtrlsForm.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

using ExtCtrlsFormDataTest = test::ExtCtrlsTest;

TEST_F(ExtCtrlsFormDataTest, PropertiesReadBackAsWritten) {
  auto* frame = Find<TPanel>("Frame");
  EXPECT_EQ(frame->Caption(), "Frame");
  EXPECT_EQ(frame->BevelOuter(), TBevelCut::bvRaised);
  EXPECT_EQ(frame->BevelInner(), TBevelCut::bvLowered);
  EXPECT_EQ(frame->BorderWidth(), 3);
  EXPECT_EQ(frame->Alignment(), taCenter);
  EXPECT_EQ(frame->BorderStyle(), bsNone);
  EXPECT_EQ(Find<TPanel>("Holder")->Color(), clYellow);

  auto* book = Find<TNotebook>("Book");
  EXPECT_EQ(book->Parent(), frame);
  EXPECT_EQ(book->PageIndex(), 1);
  EXPECT_EQ(book->ActivePage(), "Scoring");
  ASSERT_EQ(book->Pages().Count(), 3);
  EXPECT_EQ(book->Pages().CommaText(), "Opening,Scoring,Closing");
  for (const char* name : {"Opening", "Scoring", "Closing"}) {
    auto* page = Find<TPage>(name);
    EXPECT_EQ(page->Notebook(), book) << name;
    EXPECT_EQ(page->ControlCount(), 1) << name;
  }
  EXPECT_EQ(Find<TPanel>("ClosingPanel")->Parent(), Find<TPage>("Closing"));
  EXPECT_EQ(Find<TPanel>("ScoringPanel")->Alignment(), taLeftJustify);

  auto* status = Find<TStatusBar>("Status");
  EXPECT_EQ(status->Align(), alBottom);
  ASSERT_EQ(status->Panels().Count(), 6);
  EXPECT_EQ(status->Panels().Items(0)->Text(), "Judge 3");
  EXPECT_EQ(status->Panels().Items(0)->Width(), 80);
  EXPECT_EQ(status->Panels().Items(1)->Alignment(), taCenter);
  EXPECT_EQ(status->Panels().Items(2)->Text(), "");
  EXPECT_EQ(status->Panels().Items(3)->Width(), 50);
  EXPECT_EQ(status->Panels().Items(3)->Bevel(), pbRaised);
  EXPECT_EQ(status->Panels().Items(4)->Bevel(), pbNone);
  EXPECT_EQ(status->Panels().Items(5)->Bevel(), pbLowered);
  EXPECT_THROW(status->Panels().Items(6), EListError);

  auto* ticker = Find<TTimer>("Ticker");
  EXPECT_FALSE(ticker->Enabled());
  EXPECT_EQ(ticker->Interval(), 50u);
  EXPECT_TRUE(ticker->OnTimer);
  EXPECT_TRUE(Find<TTimer>("Clock")->Enabled());
}

TEST_F(ExtCtrlsFormDataTest, WrittenFormDataReadsBackToTheSameText) {
  const std::string written = WriteComponentToText(*Form);

  // The notebook holds its pages, each page its control, and the timers are not lost.
  const TFormObject tree = ParseFormText(written, "written");
  const auto child = [](const TFormObject& parent, const std::string& name) -> const TFormObject* {
    for (const TFormObject& object : parent.Children)
      if (object.Name == name)
        return &object;
    return nullptr;
  };
  const TFormObject* frame = child(tree, "Frame");
  ASSERT_NE(frame, nullptr) << written;
  const TFormObject* book = child(*frame, "Book");
  ASSERT_NE(book, nullptr) << written;
  ASSERT_EQ(book->Children.size(), 3u) << written;
  EXPECT_EQ(book->Children[0].Name, "Opening");
  EXPECT_EQ(book->Children[2].ClassName, "TPage");
  ASSERT_EQ(book->Children[2].Children.size(), 1u);
  EXPECT_EQ(book->Children[2].Children[0].Name, "ClosingPanel");
  EXPECT_NE(child(tree, "Ticker"), nullptr) << written;
  EXPECT_NE(child(tree, "Clock"), nullptr) << written;
  // Pages follow their notebook: neither place nor visibility is theirs to keep.
  for (const TFormProperty& property : book->Children[0].Properties)
    EXPECT_TRUE(property.Name != "Visible" && property.Name != "Left" && property.Name != "Width")
        << property.Name;
  EXPECT_NE(written.find("PageIndex = 1"), std::string::npos) << written;
  EXPECT_NE(written.find("Bevel = pbRaised"), std::string::npos) << written;

  test::TExtCtrlsForm copy(nullptr);
  ReadComponentFromText(copy, written, "written");
  EXPECT_EQ(WriteComponentToText(copy), written);
  auto* copiedBook = dynamic_cast<TNotebook*>(copy.FindComponent("Book"));
  ASSERT_NE(copiedBook, nullptr);
  EXPECT_EQ(copiedBook->ActivePage(), "Scoring");
}

} // namespace
} // namespace marivo
