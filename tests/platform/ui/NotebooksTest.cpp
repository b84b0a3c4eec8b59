#include "platform/ui/Notebooks.h"
#include "tests/platform/ui/ExtCtrlsForm.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

using ExtCtrlsNotebookTest = test::ExtCtrlsTest;

TEST_F(ExtCtrlsNotebookTest, PageIndexShowsExactlyOnePage) {
  ShowForm();
  auto* book = Find<TNotebook>("Book");
  const std::vector<TPage*> pages = {Find<TPage>("Opening"), Find<TPage>("Scoring"),
                                     Find<TPage>("Closing")};
  const auto shownPages = [&] {
    std::vector<int> shown;
    for (std::size_t i = 0; i < pages.size(); ++i)
      if (pages[i]->HandleAllocated() && IsWindowVisible(pages[i]->Handle()))
        shown.push_back(static_cast<int>(i));
    return shown;
  };
  EXPECT_EQ(shownPages(), std::vector<int>{1});
  EXPECT_TRUE(IsWindowVisible(Find<TPanel>("ScoringPanel")->Handle()));
  // A page fills its notebook.
  EXPECT_EQ(pages[1]->Width(), book->ClientWidth());
  EXPECT_EQ(pages[1]->Height(), book->ClientHeight());

  for (int index : {2, 0, 1}) {
    book->SetPageIndex(index);
    EXPECT_EQ(book->PageIndex(), index);
    EXPECT_EQ(shownPages(), std::vector<int>{index});
  }
  EXPECT_EQ(Form->PageChanges, 3);

  for (int outside : {-1, 3, 100}) {
    book->SetPageIndex(outside);
    EXPECT_EQ(book->PageIndex(), 1);
  }
  book->SetPageIndex(1);
  EXPECT_EQ(shownPages(), std::vector<int>{1});
  EXPECT_EQ(Form->PageChanges, 3);
}

TEST_F(ExtCtrlsNotebookTest, ActivePageIsTheShownPagesCaption) {
  ShowForm();
  auto* book = Find<TNotebook>("Book");
  book->SetActivePage("Closing");
  EXPECT_EQ(book->PageIndex(), 2);
  EXPECT_EQ(book->ActivePage(), "Closing");
  EXPECT_TRUE(IsWindowVisible(Find<TPage>("Closing")->Handle()));
  book->SetActivePage("opening");
  EXPECT_EQ(book->ActivePage(), "Opening");
  book->SetActivePage("Interval");
  EXPECT_EQ(book->ActivePage(), "Opening");
  EXPECT_EQ(Form->PageChanges, 2);

  // Renaming a page through Pages renames what ActivePage reports.
  book->Pages().SetStrings(0, "Warm-up");
  EXPECT_EQ(Find<TPage>("Opening")->Caption(), "Warm-up");
  EXPECT_EQ(book->ActivePage(), "Warm-up");
}

TEST_F(ExtCtrlsNotebookTest, PagesAddedAndDeletedThroughTheirCaptions) {
  ShowForm();
  auto* book = Find<TNotebook>("Book");
  book->Pages().Insert(1, "Break");
  EXPECT_EQ(book->Pages().CommaText(), "Opening,Break,Scoring,Closing");
  auto* added = dynamic_cast<TPage*>(book->Pages().Objects(1));
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->Owner(), Form);
  // What was shown stays shown; only its index moves.
  EXPECT_FALSE(added->Visible());
  EXPECT_EQ(book->PageIndex(), 2);
  EXPECT_EQ(book->ActivePage(), "Scoring");
  EXPECT_TRUE(IsWindowVisible(Find<TPage>("Scoring")->Handle()));
  book->SetPageIndex(1);
  EXPECT_TRUE(IsWindowVisible(added->Handle()));
  EXPECT_EQ(added->Width(), book->ClientWidth());

  book->Pages().Delete(1);
  EXPECT_EQ(book->Pages().CommaText(), "Opening,Scoring,Closing");
  EXPECT_EQ(book->ActivePage(), "Scoring");
  EXPECT_TRUE(IsWindowVisible(Find<TPage>("Scoring")->Handle()));
  EXPECT_THROW(book->Pages().Delete(3), EListError);

  book->SetPageIndex(2);
  book->Pages().Delete(0);
  EXPECT_EQ(book->PageIndex(), 1);
  EXPECT_EQ(book->ActivePage(), "Closing");
  // Deleting the shown page shows the one that takes its place, or the last one.
  book->Pages().Delete(1);
  EXPECT_EQ(book->ActivePage(), "Scoring");
  EXPECT_TRUE(IsWindowVisible(Find<TPage>("Scoring")->Handle()));
  EXPECT_EQ(Form->FindComponent("Closing"), nullptr);
  EXPECT_EQ(Form->FindComponent("ClosingPanel"), nullptr);
}

} // namespace
} // namespace marivo
