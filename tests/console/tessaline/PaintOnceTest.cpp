// What an official would see as flicker: a control painted or erased twice while the console
// shows its Opening page or turns to a role's page and back. No repaint is excused: none of
// these pages holds a control that shows its parent's picture (whose moves repaint at once),
// changes a background or scrolls a box while it turns.
#include <winsock2.h>

#include "console/tessaline/MainForm.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PaintCounter.h"
#include "tests/support/RunningConsole.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace marivo {
namespace {

class PaintOnce : public ::testing::Test {
protected:
  void SetUp() override {
    Console.Start();
    MainForm->Show();
    ASSERT_TRUE(test::PumpUntilDrawn());
  }
  void TearDown() override { Console.Close(); }

  test::TRunningConsole Console;
  test::TTemporaryCurrentFolder Folder{"marivo-paint-once-"};
};

TEST_F(PaintOnce, OpeningPageAndEveryRolesPage) {
  {
    test::TPaintCounter counter;
    Console.Clock().Advance(100);
    ASSERT_TRUE(test::PumpUntilDrawn());
    EXPECT_EQ(counter.Repeated(), "") << "showing the Opening page";
  }
  for (int role = 0; role < 20; ++role) {
    MainForm->ClientChoice->SetItemIndex(role);
    ASSERT_TRUE(test::PumpUntilDrawn());
    {
      test::TPaintCounter counter;
      MainForm->ShowRolePage();
      ASSERT_TRUE(test::PumpUntilDrawn());
      EXPECT_EQ(counter.Repeated(), "") << "turning to the page of role " << role;
    }
    test::TPaintCounter counter;
    WORD key = VK_F9;
    MainForm->FormKeyDown(MainForm, key, 0);
    ASSERT_TRUE(test::PumpUntilDrawn());
    EXPECT_EQ(counter.Repeated(), "") << "back from the page of role " << role;
  }
}

} // namespace
} // namespace marivo
