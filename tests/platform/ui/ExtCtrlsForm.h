#pragma once

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/FormText.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Notebooks.h"
#include "platform/ui/Panels.h"
#include "platform/ui/StatusBars.h"
#include "platform/ui/Timers.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace marivo::test {

// The form of ExtCtrlsForm.frm: panels, a notebook, a status bar and timers, with handlers that
// count their events.
class TExtCtrlsForm : public TForm {
public:
  using TForm::TForm;
  int PageChanges = 0;
  int StatusDblClicks = 0;
  int TickerTicks = 0;
  int ClockTicks = 0;

  void BookPageChanged(TObject*) { ++PageChanges; }
  void StatusDblClick(TObject*) { ++StatusDblClicks; }
  void TickerTimer(TObject*) { ++TickerTicks; }
  void ClockTimer(TObject*) { ++ClockTicks; }
};

struct TBox {
  std::string Text;
  std::string Caption;
};

// The pixels of a window's client area as they are on the screen, after it painted.
class TScreenPixels {
public:
  explicit TScreenPixels(HWND window) : Window_(window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Dc_ = GetDC(window);
  }
  ~TScreenPixels() { ReleaseDC(Window_, Dc_); }
  COLORREF At(int x, int y) const { return GetPixel(Dc_, x, y); }
  // How many pixels in rect differ from the background colour.
  int CountOther(const RECT& rect, COLORREF background) const {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x)
        count += At(x, y) != background;
    return count;
  }
  // The first and last columns in rect holding a pixel of another colour, or {-1, -1}.
  std::pair<int, int> InkColumns(const RECT& rect, COLORREF background) const {
    std::pair<int, int> columns{-1, -1};
    for (int x = rect.left; x < rect.right; ++x)
      for (int y = rect.top; y < rect.bottom; ++y)
        if (At(x, y) != background) {
          if (columns.first < 0)
            columns.first = x;
          columns.second = x;
          break;
        }
    return columns;
  }

private:
  HWND Window_;
  HDC Dc_;
};

class ExtCtrlsTest : public ::testing::Test {
protected:
  void SetUp() override {
    static const bool registered = [] {
      RegisterPanelClasses();
      RegisterNotebookClasses();
      RegisterStatusBarClasses();
      RegisterTimerClasses();
      RegisterComponentClass<TExtCtrlsForm, TForm>("TExtCtrlsForm")
          .Handler("BookPageChanged", &TExtCtrlsForm::BookPageChanged)
          .Handler("StatusDblClick", &TExtCtrlsForm::StatusDblClick)
          .Handler("TickerTimer", &TExtCtrlsForm::TickerTimer)
          .Handler("ClockTimer", &TExtCtrlsForm::ClockTimer);
      return true;
    }();
    (void)registered;
    SetMessageBoxHandler([this](const std::string& text, const std::string& caption, unsigned) {
      Boxes.push_back({text, caption});
      return IDOK;
    });
    App.SetTitle("Marivo");
    App.CreateForm(Form);
  }
  void TearDown() override { SetMessageBoxHandler(nullptr); }

  void ShowForm() {
    Form->Show();
    App.ProcessMessages();
  }

  template <class T> T* Find(const std::string& name) {
    auto* component = dynamic_cast<T*>(Form->FindComponent(name));
    if (!component)
      ADD_FAILURE() << "no " << name;
    return component;
  }

  TApplication App;
  TExtCtrlsForm* Form = nullptr;
  std::vector<TBox> Boxes;
};

} // namespace marivo::test
