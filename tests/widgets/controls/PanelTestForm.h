#pragma once

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdClasses.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/OffScreen.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/foundation/MVWBitmapList.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace marivo::test {

// Counts how often a background is drawn from it.
class TCountingBitmapList : public TMVWBitmapList {
public:
  using TMVWBitmapList::TMVWBitmapList;
  void DrawInRect(TCanvas& canvas, const RECT& rect, int list, int image,
                  std::uint16_t flags) override {
    ++Draws;
    TMVWBitmapList::DrawInRect(canvas, rect, list, image, flags);
  }
  int Draws = 0;
};

// A tile of 3 x 2 pixels, each of its own colour.
inline TColor Tile(int x, int y) {
  static constexpr TColor colors[2][3] = {{0x0000C0, 0x00C000, 0xC00000},
                                          {0x00C0C0, 0xC000C0, 0xC0C000}};
  return colors[y % 2][x % 3];
}

// A borderless form for panels, with the widget classes registered.
class TPanelTestForm : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStandardClasses();
    RegisterControlClasses();
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(60, 60, 400, 260);
  }
  void TearDown() override { Form.reset(); }

  // bounds: left, top, width, height.
  template <class T, class... A> T* Add(TWinControl* parent, RECT bounds, A&&... args) {
    auto* control = new T(Form.get(), std::forward<A>(args)...);
    control->SetParent(parent);
    control->SetBounds(bounds.left, bounds.top, bounds.right, bounds.bottom);
    return control;
  }
  // List 0 holds the tile, list 1 a white one.
  TCountingBitmapList* TileList() {
    auto* list = new TCountingBitmapList(Form.get());
    for (int item = 0; item < 2; ++item) {
      TBitmap& bitmap = list->Item(list->AddItem())->Bitmap();
      bitmap.SetSize(3, 2);
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
          bitmap.SetPixels(x, y, item == 0 ? Tile(x, y) : clWhite);
    }
    return list;
  }
  void ShowForm() {
    Form->Show();
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    App.ProcessMessages();
  }

  TMVWFoundation Foundation;
  TApplication App;
  std::unique_ptr<TForm> Form;
  TMessageRecorder Recorder;
};

} // namespace marivo::test
