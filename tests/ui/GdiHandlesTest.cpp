#include "platform/ui/GdiHandles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>

namespace marivo {
namespace {

bool Alive(HGDIOBJ object) {
  return GetObjectType(object) != 0;
}

TEST(GdiHandles, OwnersDeleteOnEveryPathAndCountWhatTheyHold) {
  const long start = GdiLiveCount();
  HRGN kept = nullptr;
  {
    TRegionHandle region(CreateRectRgn(0, 0, 10, 10));
    TBrushHandle brush(CreateSolidBrush(RGB(1, 2, 3)));
    const TMemoryDC dc(CreateCompatibleDC(nullptr));
    EXPECT_EQ(GdiLiveCount(), start + 3);
    HRGN first = region.Get();
    TRegionHandle moved(std::move(region));
    EXPECT_FALSE(region);
    EXPECT_EQ(moved.Get(), first);
    EXPECT_EQ(GdiLiveCount(), start + 3) << "a move is no new object";
    moved.Reset(CreateRectRgn(0, 0, 5, 5));
    EXPECT_FALSE(Alive(first)) << "the replaced region";
    kept = moved.Release();
    EXPECT_EQ(GdiLiveCount(), start + 2) << "given away";
    EXPECT_TRUE(Alive(kept));
    TPenHandle failed(nullptr);
    EXPECT_FALSE(failed);
    EXPECT_EQ(GdiLiveCount(), start + 2) << "a failed Create holds nothing";
  }
  EXPECT_EQ(GdiLiveCount(), start);
  EXPECT_TRUE(Alive(kept));
  DeleteObject(kept);

  HBITMAP thrown = nullptr;
  try {
    const TBitmapHandle bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    thrown = bitmap.Get();
    throw std::runtime_error("drawing failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(Alive(thrown)) << "deleted on the way out of an exception";
  EXPECT_EQ(GdiLiveCount(), start);

  // A bitmap selected into a DC cannot be deleted: the selection puts the old one back first.
  const TMemoryDC dc(CreateCompatibleDC(nullptr));
  HBITMAP selected = nullptr;
  {
    const TBitmapHandle bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    selected = bitmap.Get();
    const TSelection selection(dc.Get(), bitmap.Get());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), selected);
  }
  EXPECT_FALSE(Alive(selected));
}

} // namespace
} // namespace marivo
