#pragma once

#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Menus.h"
#include "tests/support/MessageRecorder.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace marivo::test {

// A control of class T on parent, owned by owner or else by its parent.
template <class T> T* Place(TWinControl& parent, TComponent* owner = nullptr) {
  auto* control = new T(owner ? owner : &parent);
  control->SetParent(&parent);
  return control;
}
template <class T> T* Place(TWinControl& parent, int left, int top, int width, int height) {
  T* control = Place<T>(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// A form of its own, hidden again at the end.
class OnAForm : public ::testing::Test {
protected:
  TMVWFoundation Foundation;
  TForm Form{nullptr};
  void TearDown() override { Form.Hide(); }
};

// A white form for widgets, the mouse sent through its window with the cursor where the message
// says, and the timer pool ticked by hand.
class TWidgetForm : public ::testing::Test {
protected:
  void SetUp() override {
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBounds(60, 60, 420, 240);
    Form->SetColor(clWhite);
  }
  void TearDown() override {
    Form.reset();
    SetCursorPosSeam(std::nullopt);
    TPopupMenu::SetTracker({});
  }
  void Show() {
    Form->Show();
    Application->ProcessMessages();
  }
  LRESULT Mouse(UINT msg, int x, int y) {
    SetCursorPosSeam(Form->ClientToScreen(POINT{x, y}));
    return SendMessageA(Form->Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                        MAKELPARAM(x, y));
  }
  // Each tick of the pool is one MinInterval of 50 ms.
  void Ticks(int count) {
    for (int i = 0; i < count; ++i)
      MVWApplication->TimerPool().Tick();
  }
  // An OnClick that adds the clicked control's name to Clicks.
  TNotifyEvent RecordClick() {
    return [this](TObject* sender) { Clicks.push_back(dynamic_cast<TControl*>(sender)->Name()); };
  }

  TMVWFoundation Foundation;
  TApplication App;
  std::unique_ptr<TForm> Form;
  TMessageRecorder Recorder;
  std::vector<std::string> Clicks;
};

} // namespace marivo::test
