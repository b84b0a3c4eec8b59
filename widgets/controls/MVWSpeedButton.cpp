#include "widgets/controls/MVWSpeedButton.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Pictures.h"
#include "widgets/controls/MVWControls.h"

namespace marivo {

void RegisterMVWSpeedButton() {
  using B = TMVWSpeedButton;
  auto button = RegisterComponentClass<B, TMVWCustomSpeedButton>("TMVWSpeedButton");
  PublishImageLink(button)
      .Boolean("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, B::DefaultAllowAllUp)
      .Class("ButtonLayout", &B::ButtonLayout)
      .Boolean("DropDownCombo", &B::DropDownCombo, &B::SetDropDownCombo, B::DefaultDropDownCombo)
      .Integer("DropDownComboWidth", &B::DropDownComboWidth, &B::SetDropDownComboWidth,
               B::DefaultDropDownComboWidth)
      .Integer("DropDownIndent", &B::DropDownIndent, &B::SetDropDownIndent,
               B::DefaultDropDownIndent)
      .Component("DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu)
      .Boolean("DropDownRight", &B::DropDownRight, &B::SetDropDownRight, B::DefaultDropDownRight)
      .Integer("EnterColor", ColorIdents(), &B::EnterColor, &B::SetEnterColor, B::DefaultEnterColor)
      .Boolean("EnterColorChange", &B::EnterColorChange, &B::SetEnterColorChange,
               B::DefaultEnterColorChange)
      .Class("FontFX", &B::FontFX)
      .Class("Glyph", &B::Glyph)
      .Stored(&B::IsGlyphStored)
      .Integer("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, B::DefaultGroupIndex)
      .Boolean("HideHint", &B::HideHint, &B::SetHideHint, B::DefaultHideHint)
      .Boolean("MultiLine", &B::MultiLine, &B::SetMultiLine, B::DefaultMultiLine)
      .Integer("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, TMVWGlyph::DefaultNumGlyphs)
      .Boolean("Pressed", &B::Pressed, &B::SetPressed, B::DefaultPressed)
      .Boolean("RepeatedClick", &B::RepeatedClick, &B::SetRepeatedClick, B::DefaultRepeatedClick)
      .Integer("RepeatingDelay", &B::RepeatingDelay, &B::SetRepeatingDelay,
               B::DefaultRepeatingDelay)
      .Integer("RepeatingInterval", &B::RepeatingInterval, &B::SetRepeatingInterval,
               B::DefaultRepeatingInterval)
      .Enumeration("Style", UserButtonStyleNames(), &B::Style, &B::SetStyle, B::DefaultStyle)
      .Boolean("UseCaption", &B::UseCaption, &B::SetUseCaption, B::DefaultUseCaption)
      .Event("OnDropDown", &B::OnDropDown)
      .Event("OnMouseEnter", &B::OnMouseEnter)
      .Event("OnMouseExit", &B::OnMouseExit);
}

} // namespace marivo
