#pragma once

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Edits.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Lists.h"
#include "platform/ui/StdCtrls.h"
#include "tests/support/MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace marivo::test {

// The form of StdCtrlsForm.frm: a button, a memo and a list box, with handlers that count
// their events.
class TStdCtrlsForm : public TForm {
public:
  using TForm::TForm;
  std::map<std::string, int> Fired;
  std::vector<std::string> Seen; // what a handler read when it ran

  void SendButtonClick(TObject*) { ++Fired["SendButton"]; }
  void NotesMemoChange(TObject*) { ++Fired["NotesMemo"]; }
  void JudgesListClick(TObject* sender) {
    ++Fired["JudgesList"];
    Seen.push_back(std::to_string(static_cast<TListBox*>(sender)->ItemIndex()));
  }
};

class StdCtrlsFixture : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterStdCtrlsClasses();
    static const bool registered = [] {
      RegisterComponentClass<TStdCtrlsForm, TForm>("TStdCtrlsForm")
          .Handler("SendButtonClick", &TStdCtrlsForm::SendButtonClick)
          .Handler("NotesMemoChange", &TStdCtrlsForm::NotesMemoChange)
          .Handler("JudgesListClick", &TStdCtrlsForm::JudgesListClick);
      return true;
    }();
    (void)registered;
    App.CreateForm(Form);
  }

  void ShowForm() {
    Form->Show();
    SetForegroundWindow(Form->Handle());
    App.ProcessMessages();
  }

  template <class T> T& Find(const std::string& name) {
    auto* component = dynamic_cast<T*>(Form->FindComponent(name));
    if (!component)
      throw std::runtime_error("no " + name + " of the expected class");
    return *component;
  }

  // Counts the pixels of a colour in a rectangle of the form's client area, as painted.
  int CountPixels(const RECT& rect, TColor color) {
    RedrawWindow(Form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC dc = GetDC(Form->Handle());
    int count = 0;
    for (LONG y = rect.top; y < rect.bottom; ++y)
      for (LONG x = rect.left; x < rect.right; ++x)
        if (GetPixel(dc, x, y) == ColorToRGB(color))
          ++count;
    ReleaseDC(Form->Handle(), dc);
    return count;
  }

  static RECT BoundsOf(TControl& control) {
    return {control.Left(), control.Top(), control.Left() + control.Width(),
            control.Top() + control.Height()};
  }

  // The bounds of a child window in the form's client coordinates.
  RECT WindowBounds(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, Form->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
  }

  static SIZE TextSize(TFont& font, const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.Handle());
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
  }

  static void Type(HWND window, const std::string& text) {
    for (char c : text)
      SendMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
  }

  static void PlaceCaret(HWND window, int at) {
    SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(at), at);
  }

  static void PressKey(HWND window, WORD key) {
    SendMessageA(window, WM_KEYDOWN, key, 1);
    SendMessageA(window, WM_KEYUP, key, 0xC0000001);
  }

  TApplication App;
  TStdCtrlsForm* Form = nullptr;
};

} // namespace marivo::test
