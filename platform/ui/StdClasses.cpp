#include "platform/ui/StdClasses.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

namespace marivo {

void RegisterStandardClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TApplication, TComponent>("TApplication");
    RegisterComponentClass<TControl, TComponent>("TControl")
        .Integer("Left", &TControl::Left, &TControl::SetLeft, 0)
        .Integer("Top", &TControl::Top, &TControl::SetTop, 0)
        .Integer("Width", &TControl::Width, &TControl::SetWidth)
        .Integer("Height", &TControl::Height, &TControl::SetHeight)
        .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
        .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
        .String("Caption", &TControl::Caption, &TControl::SetCaption, std::string())
        .Integer("Color", ColorIdents(), &TControl::Color, &TControl::SetColor, clBtnFace)
        .String("Hint", &TControl::Hint, &TControl::SetHint, std::string());
    RegisterComponentClass<TWinControl, TControl>("TWinControl");
    RegisterComponentClass<TForm, TWinControl>("TForm")
        .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, false)
        .Event("OnCreate", &TForm::OnCreate)
        .Event("OnShow", &TForm::OnShow)
        .Event("OnClose", &TForm::OnClose)
        .Event("OnCloseQuery", &TForm::OnCloseQuery);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
