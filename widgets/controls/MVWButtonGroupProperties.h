#pragma once

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWButtonControl.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWGroupBox.h"
#include "widgets/foundation/MVWContainer.h"

namespace marivo {

// The published properties both button groups share, the group box's among them.
template <class T> void AddButtonGroupProperties(TClassBuilder<T>& builder, bool glyphTransparent) {
  PublishImageLink(builder)
      .Class("Bevel", &T::Bevel)
      .Boolean("Transparent", &T::Transparent, &T::SetTransparent, false)
      .Boolean("CtlXP", &T::CtlXP, &T::SetCtlXP, true)
      .Class("BackFX", &T::BackFX)
      .Enumeration("Alignment", GroupCaptionAlignNames(), &T::Alignment, &T::SetAlignment,
                   gcaTopLeft)
      .Integer("CaptionOffset", &T::CaptionOffset, &T::SetCaptionOffset, std::int32_t{8})
      .Class("CaptionFont", &T::CaptionFont)
      .Class("CaptionFont3D", &T::CaptionFont3D)
      .Boolean("CaptionParentFont", &T::CaptionParentFont, &T::SetCaptionParentFont, true)
      .Boolean("ShowAccelChar", &T::ShowAccelChar, &T::SetShowAccelChar, true)
      .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
      .List(
          "Items",
          [](T& group) {
            std::vector<std::string> lines;
            for (int i = 0; i < group.Items().Count(); ++i)
              lines.push_back(group.Items().Strings(i));
            return lines;
          },
          [](T& group, const std::vector<std::string>& lines) {
            group.Items().BeginUpdate();
            group.Items().Clear();
            for (const std::string& line : lines)
              group.Items().Add(line);
            group.Items().EndUpdate();
          })
      .Integer("Columns", &T::Columns, &T::SetColumns, 1)
      .Integer("ItemHeight", &T::ItemHeight, &T::SetItemHeight, -1)
      .Integer("ItemOffset", &T::ItemOffset, &T::SetItemOffset, 4)
      .Class("BtnAlignment", &T::BtnAlignment)
      .Class("Font3D", &T::Font3D)
      .Boolean("FlatGlyphs", &T::FlatGlyphs, &T::SetFlatGlyphs, false)
      .Enumeration("FocusStyle", FocusStyleNames(), &T::FocusStyle, &T::SetFocusStyle, fcText)
      .Integer("FocusColor", ColorIdents(), &T::FocusColor, &T::SetFocusColor, TColor{0x808080})
      .Boolean("UseFocusColor", &T::UseFocusColor, &T::SetUseFocusColor, false)
      .Component("GlyphImageList", &T::GlyphImageList, &T::SetGlyphImageList)
      .Stored([](T& group) { return !IsGlobalContainerList(group.GlyphImageList()); })
      .String("GlyphInternal", &T::GlyphInternalRef, &T::SetGlyphInternalRef, std::string())
      .Enumeration("HelpContextBtn", {"ciDefault", "ciSameAsParent", "ciAutoNumbered"},
                   &T::HelpContextBtn, &T::SetHelpContextBtn, ciDefault)
      .Integer("GlyphImageIndex", &T::GlyphImageIndex, &T::SetGlyphImageIndex, 0)
      .Integer("GlyphListIndex", &T::GlyphListIndex, &T::SetGlyphListIndex, 0)
      .Boolean("GlyphFlat", &T::GlyphFlat, &T::SetGlyphFlat, false)
      .Integer("GlyphSize", &T::GlyphSize, &T::SetGlyphSize, std::uint8_t{13})
      .Boolean("GlyphTransparent", &T::GlyphTransparent, &T::SetGlyphTransparent, glyphTransparent)
      .Integer("GlyphTransparentColor", ColorIdents(), &T::GlyphTransparentColor,
               &T::SetGlyphTransparentColor, TColor{0x008080})
      .Boolean("ReadOnly", &T::ReadOnly, &T::SetReadOnly, false)
      .Boolean("UseBitmap", &T::UseBitmap, &T::SetUseBitmap, false)
      .Event("OnChange", &T::OnChange);
}

} // namespace marivo
