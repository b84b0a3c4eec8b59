#include "widgets/controls/MVWButton.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Pictures.h"
#include "widgets/controls/MVWControls.h"

#include <exception>
#include <string>

namespace marivo {

void TMVWButton::SetDropDownMenu(TPopupMenu* value) {
  ReplaceWatched(DropDownMenu_, value);
}

void TMVWButton::Notification(TComponent* component, TOperation operation) {
  TMVWCustomButton::Notification(component, operation);
  if (operation == opRemove && component == DropDownMenu_)
    DropDownMenu_ = nullptr;
}

void TMVWButton::Click() {
  if (!DropDownMenu_ || MenuDropping_) {
    TMVWCustomButton::Click();
    return;
  }
  if (OnClick && FreedBy([this] { OnClick(this); }))
    return;
  DropDown();
}

void TMVWButton::DropDown() {
  if (!DropDownMenu_ || MenuDropping_)
    return;
  if (!DefaultLook() && CanFocus())
    SetFocus();
  SendMessageA(Handle(), BM_SETSTATE, 1, 0);
  UpdateWindow(Handle());
  MenuDropping_ = true;
  // A failing handler or menu choice must not leave the button pushed with its menu shut off.
  std::exception_ptr error;
  const bool freed = FreedBy([&] {
    try {
      if (OnDropDown && FreedBy([this] { OnDropDown(this); }))
        return;
      if (DropDownMenu_) {
        const POINT at =
            DropDownRight_ ? POINT{Width(), DropDownIndent_} : POINT{DropDownIndent_, Height()};
        const POINT screen = ClientToScreen(at);
        DropDownMenu_->Popup(screen.x, screen.y);
      }
    } catch (...) {
      error = std::current_exception();
    }
  });
  if (freed) {
    if (error)
      std::rethrow_exception(error);
    return;
  }
  // The clicks that closed the menu must not press the button again.
  MSG pending;
  while (PeekMessageA(&pending, Handle(), WM_MOUSEFIRST, WM_MOUSEWHEEL, PM_REMOVE)) {
  }
  if (HWND capture = GetCapture())
    SendMessageA(capture, WM_CANCELMODE, 0, 0);
  MenuDropping_ = false;
  SetDrawState(0);
  SendMessageA(Handle(), BM_SETSTATE, 0, 0);
  if (error)
    std::rethrow_exception(error);
}

void RegisterMVWButton() {
  using B = TMVWButton;
  RegisterComponentClass<B, TMVWCustomButton>("TMVWButton")
      .Class("ButtonLayout", &B::ButtonLayout)
      .Integer("DropDownIndent", &B::DropDownIndent, &B::SetDropDownIndent,
               B::DefaultDropDownIndent)
      .Component("DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu)
      .Boolean("DropDownRight", &B::DropDownRight, &B::SetDropDownRight, B::DefaultDropDownRight)
      .Enumeration("ExtStyle", UserButtonStyleNames(), &B::ExtStyle, &B::SetExtStyle,
                   B::DefaultExtStyle)
      .Class("FontFX", &B::FontFX)
      .Class("Glyph", &B::Glyph)
      .Stored(&B::IsGlyphStored)
      .Boolean("HideHint", &B::HideHint, &B::SetHideHint, B::DefaultHideHint)
      .Component("ImageList", &B::ImageList, &B::SetImageList)
      .Integer("ImageIndex", &B::ImageIndex, &B::SetImageIndex, TMVWImageLink::DefaultImageIndex)
      .Integer("ListIndex", &B::ListIndex, &B::SetListIndex, TMVWImageLink::DefaultListIndex)
      .Boolean("MultiLine", &B::MultiLine, &B::SetMultiLine, B::DefaultMultiLine)
      .Integer("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, TMVWGlyph::DefaultNumGlyphs)
      .Boolean("RepeatedClick", &B::RepeatedClick, &B::SetRepeatedClick, B::DefaultRepeatedClick)
      .Integer("RepeatingDelay", &B::RepeatingDelay, &B::SetRepeatingDelay,
               B::DefaultRepeatingDelay)
      .Integer("RepeatingInterval", &B::RepeatingInterval, &B::SetRepeatingInterval,
               B::DefaultRepeatingInterval)
      .Boolean("UseCaption", &B::UseCaption, &B::SetUseCaption, B::DefaultUseCaption)
      .Event("OnDropDown", &B::OnDropDown)
      .Event("OnMouseEnter", &B::OnMouseEnter)
      .Event("OnMouseExit", &B::OnMouseExit)
      // Older form data named the look "Style"; it is read into ExtStyle and never written.
      .Enumeration(
          "Style", {"nbsAutoDetect", "nbsWin31", "nbsWin40"}, [](B&) { return 0; },
          [](B& button, int look) {
            button.SetExtStyle(LegacyButtonStyleNames.at(static_cast<std::size_t>(look)).Style);
          })
      .Stored([](B&) { return false; });
}

} // namespace marivo
