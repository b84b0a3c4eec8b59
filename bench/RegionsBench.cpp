// Time of building a shaped window's region: from stored region data of a smooth 400 x 300
// outline and of thousands of rectangles, and rebuilding the region of a point list of 10 to
// 1,000 points, beside making and deleting a plain rectangle region. Best of five rounds, in
// microseconds per build.
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdClasses.h"
#include "widgets/foundation/MVWFormShape.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWRegion.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using namespace marivo;
using Clock = std::chrono::steady_clock;

double Microseconds(int count, const std::function<void()>& build) {
  double best = 1e9;
  for (int round = 0; round < 5; ++round) {
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i)
      build();
    best = std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  return best / count;
}

std::vector<std::uint8_t> DataOf(HRGN region) {
  std::vector<std::uint8_t> data(GetRegionData(region, 0, nullptr));
  GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
  DeleteObject(region);
  return data;
}

// Squares of a chequer board, 4 x 4 pixels each, band by band as region data holds them.
std::vector<std::uint8_t> Chequers(int columns, int rows) {
  std::vector<RECT> rects;
  for (int row = 0; row < rows; ++row)
    for (int column = row % 2; column < columns; column += 2)
      rects.push_back({column * 5, row * 5, column * 5 + 4, row * 5 + 4});
  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  RGNDATAHEADER header{sizeof(RGNDATAHEADER),
                       RDH_RECTANGLES,
                       static_cast<DWORD>(rects.size()),
                       static_cast<DWORD>(rects.size() * sizeof(RECT)),
                       {0, 0, columns * 5, rows * 5}};
  std::memcpy(data.data(), &header, sizeof header);
  std::memcpy(data.data() + sizeof header, rects.data(), rects.size() * sizeof(RECT));
  return data;
}

} // namespace

int main() {
  std::printf("Region builds (best of 5), microseconds each\n");
  std::printf("  %-44s %10.2f\n", "CreateRectRgn + DeleteObject",
              Microseconds(10000, [] { DeleteObject(CreateRectRgn(0, 0, 400, 300)); }));
  const struct {
    const char* Name;
    std::vector<std::uint8_t> Data;
  } masks[] = {{"rsBitmap, smooth 400 x 300 outline", DataOf(CreateEllipticRgn(0, 0, 400, 300))},
               {"rsBitmap, chequer board of 4,800 squares", Chequers(120, 80)}};
  for (const auto& mask : masks) {
    TMVWRegion region;
    region.SetShape(rsBitmap);
    region.Mask().SetRegionData(mask.Data);
    const double time = Microseconds(500, [&] { region.CreateRegion({0, 0, 600, 400}); });
    std::printf("  %-44s %10.2f  (%zu rectangles)\n", mask.Name, time,
                (mask.Data.size() - 32) / 16);
  }
  for (const int count : {10, 100, 1000}) {
    TMVWRegion region;
    for (int i = 0; i < count; ++i) {
      const double angle = 6.283185307179586 * i / count;
      region.Points().AddPoint({static_cast<int>(200 + 190 * std::cos(angle)),
                                static_cast<int>(150 + 140 * std::sin(angle))});
    }
    region.SetShape(rsPointList);
    TMVWPoint first{};
    region.Points().GetPoint(0, first);
    char name[64];
    std::snprintf(name, sizeof name, "point list of %d points, rebuilt", count);
    std::printf("  %-44s %10.2f\n", name,
                Microseconds(200, [&] { region.Points().SetPoint(0, first); }));
  }
  // The whole work of a shaped form on each change and WM_SIZE: region, copy, window region.
  RegisterStandardClasses();
  RegisterFoundationClasses();
  TMVWFoundation foundation;
  TApplication application;
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(50, 50, 400, 300);
  auto* shape = new TMVWFormShape(&form);
  form.Show();
  shape->HookWndProc();
  std::printf("  %-44s %10.2f\n", "whole UpdateRegion, rounded 400 x 300 form",
              Microseconds(200, [&] { shape->UpdateRegion(); }));
  return 0;
}
