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
      .Boolean("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, false)
      .Class("ButtonLayout", &B::ButtonLayout)
      .Class("Colors", &B::Colors)
      .Integer("DropDownIndent", &B::DropDownIndent, &B::SetDropDownIndent, 0)
      .Component("DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu)
      .Boolean("DropDownRight", &B::DropDownRight, &B::SetDropDownRight, false)
      .Class("FontFX", &B::FontFX)
      .Class("Glyph", &B::Glyph)
      .Stored(&B::IsGlyphStored)
      .Integer("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, 0)
      .Boolean("HideHint", &B::HideHint, &B::SetHideHint, true)
      .Component("ImageList", &B::ImageList, &B::SetImageList)
      .Integer("ImageIndex", &B::ImageIndex, &B::SetImageIndex, 0)
      .Integer("ListIndex", &B::ListIndex, &B::SetListIndex, 0)
      .Enumeration("Mode", {"sbmShapeFast", "sbmShapeFill"}, &B::Mode, &B::SetMode, B::DefaultMode)
      .Boolean("MultiLine", &B::MultiLine, &B::SetMultiLine, false)
      .Integer("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, TMVWNumGlyphs{1})
      .Boolean("Pressed", &B::Pressed, &B::SetPressed, false)
      .Boolean("RepeatedClick", &B::RepeatedClick, &B::SetRepeatedClick, false)
      .Integer("RepeatingDelay", &B::RepeatingDelay, &B::SetRepeatingDelay, std::uint16_t{500})
      .Integer("RepeatingInterval", &B::RepeatingInterval, &B::SetRepeatingInterval,
               std::uint16_t{100})
      .Class("Shape", &B::Shape)
      .Class("ShapeFill", &B::ShapeFill)
      .Component("ShapeFillImageList", &B::ShapeFillImageList, &B::SetShapeFillImageList)
      .Integer("ShapeFillImageIndex", &B::ShapeFillImageIndex, &B::SetShapeFillImageIndex, 0)
      .Integer("ShapeFillListIndex", &B::ShapeFillListIndex, &B::SetShapeFillListIndex, 0)
      .Enumeration("Style", {"sbsShadow", "sbs3D"}, &B::Style, &B::SetStyle, B::DefaultStyle)
      .Boolean("Transparent", &B::Transparent, &B::SetTransparent, false)
      .Boolean("UseCaption", &B::UseCaption, &B::SetUseCaption, true)
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
