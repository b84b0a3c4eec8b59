#include "widgets/foundation/MVWApplication.h"

#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Panels.h"
#include "platform/ui/Pictures.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWMessages.h"
#include "widgets/foundation/MVWOneInstance.h"
#include "widgets/foundation/MVWSysIn.h"
#include "widgets/foundation/MVWWndProcComponent.h"
#include "widgets/foundation/MVWXPStyles.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::TMessageRecorder;
using test::TRecording;

TEST(MVWProcs, RectanglesAndFolders) {
  RECT fitted;
  FitRectProportional({0, 0, 100, 50}, {10, 20, 60, 120}, fitted);
  const RECT expected{10, 20, 60, 45};
  EXPECT_TRUE(EqualRect(&fitted, &expected));
  FitRectProportional({0, 0, 0, 50}, {10, 20, 60, 120}, fitted);
  EXPECT_TRUE(IsRectEmpty(&fitted));
  EXPECT_EQ(fitted.left, 10);
  EXPECT_EQ(fitted.top, 20);
  int width = 0, height = 0;
  RectSize({5, 6, 15, 26}, width, height);
  EXPECT_EQ(width, 10);
  EXPECT_EQ(height, 20);
  EXPECT_TRUE(RectInRect({1, 1, 5, 5}, {0, 0, 10, 10}));
  EXPECT_FALSE(RectInRect({0, 0, 10, 10}, {0, 0, 10, 10}));

  struct TTurn {
    RECT Rect;
    int Angle;
    RECT Bounds;
  };
  for (const TTurn& t :
       {TTurn{{5, 5, 15, 25}, 0, {5, 5, 15, 25}}, TTurn{{0, 0, 20, 10}, 90, {0, 0, 10, 20}},
        TTurn{{0, 0, 20, 10}, 45, {0, 0, 22, 22}}, TTurn{{3, 4, 23, 14}, 180, {0, 0, 20, 10}}}) {
    RECT r = t.Rect;
    RotatedRectBounds(r, t.Angle);
    EXPECT_TRUE(EqualRect(&r, &t.Bounds)) << t.Angle << ": " << r.right << " x " << r.bottom;
  }

  POINT points[] = {{1, 1}, {2, 2}};
  OffsetPoints(points, 0, 3, -1);
  EXPECT_EQ(points[0].x, 4);
  EXPECT_EQ(points[0].y, 0);
  EXPECT_EQ(points[1].x, 2);

  std::string path = "unchanged";
  PathOfPrefix(7, true, path);
  EXPECT_EQ(path, "");
  PathOfPrefix(ppSystem, false, path);
  EXPECT_EQ(path, SystemDirectory());
  EXPECT_NE(path.back(), '\\');
  PathOfPrefix(ppWindows, true, path);
  EXPECT_EQ(path, WindowsDirectory() + "\\");
}

} // namespace
} // namespace marivo
