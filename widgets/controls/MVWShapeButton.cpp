#include "widgets/controls/MVWShapeButton.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWSpeedButton.h"

#include <string>

namespace marivo {

void RegisterMVWShapeButton() {
  using B = TMVWShapeButton;
  // Names of older form data, read and dropped.
  const auto never = [](B&) { return false; };
  const auto drop = [](B&, bool) {};
  RegisterComponentClass<B, TMVWCustomShapeButton>("TMVWShapeButton")
      .Boolean("AllowTransparency", &B::AllowTransparency, &B::SetAllowTransparency)
      .Boolean("AllowMouseOver", &B::AllowMouseOver, &B::SetAllowMouseOver)
      .Boolean("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, B::DefaultAllowAllUp)
      .Class("ButtonLayout", &B::ButtonLayout)
      .Class("Colors", &B::Colors)
      .Integer("DropDownIndent", &B::DropDownIndent, &B::SetDropDownIndent,
               B::DefaultDropDownIndent)
      .Component("DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu)
      .Boolean("DropDownRight", &B::DropDownRight, &B::SetDropDownRight, B::DefaultDropDownRight)
      .Class("FontFX", &B::FontFX)
      .Class("Glyph", &B::Glyph)
      .Stored(&B::IsGlyphStored)
      .Integer("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, B::DefaultGroupIndex)
      .Boolean("HideHint", &B::HideHint, &B::SetHideHint, B::DefaultHideHint)
      .Component("ImageList", &B::ImageList, &B::SetImageList)
      .Integer("ImageIndex", &B::ImageIndex, &B::SetImageIndex, TMVWImageLink::DefaultImageIndex)
      .Integer("ListIndex", &B::ListIndex, &B::SetListIndex, TMVWImageLink::DefaultListIndex)
      .Enumeration("Mode", {"sbmShapeFast", "sbmShapeFill"}, &B::Mode, &B::SetMode, B::DefaultMode)
      .Boolean("MultiLine", &B::MultiLine, &B::SetMultiLine, B::DefaultMultiLine)
      .Integer("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, TMVWGlyph::DefaultNumGlyphs)
      .Boolean("Pressed", &B::Pressed, &B::SetPressed, B::DefaultPressed)
      .Boolean("RepeatedClick", &B::RepeatedClick, &B::SetRepeatedClick, B::DefaultRepeatedClick)
      .Integer("RepeatingDelay", &B::RepeatingDelay, &B::SetRepeatingDelay,
               B::DefaultRepeatingDelay)
      .Integer("RepeatingInterval", &B::RepeatingInterval, &B::SetRepeatingInterval,
               B::DefaultRepeatingInterval)
      .Class("Shape", &B::Shape)
      .Class("ShapeFill", &B::ShapeFill)
      .Component("ShapeFillImageList", &B::ShapeFillImageList, &B::SetShapeFillImageList)
      .Integer("ShapeFillImageIndex", &B::ShapeFillImageIndex, &B::SetShapeFillImageIndex,
               TMVWImageLink::DefaultImageIndex)
      .Integer("ShapeFillListIndex", &B::ShapeFillListIndex, &B::SetShapeFillListIndex,
               TMVWImageLink::DefaultListIndex)
      .Enumeration("Style", {"sbsShadow", "sbs3D"}, &B::Style, &B::SetStyle, B::DefaultStyle)
      .Boolean("Transparent", &B::Transparent, &B::SetTransparent, false)
      .Boolean("UseCaption", &B::UseCaption, &B::SetUseCaption, B::DefaultUseCaption)
      .Event("OnDropDown", &B::OnDropDown)
      .Event("OnMouseEnter", &B::OnMouseEnter)
      .Event("OnMouseExit", &B::OnMouseExit)
      .String("InternalBtn", &B::InternalBtnRef, &B::SetInternalBtnRef, std::string())
      .Boolean("CaptionClip", never, drop)
      .Stored(never)
      .Boolean("MouseOver", never, drop)
      .Stored(never);
}

} // namespace marivo
