#include "widgets/controls/MVWEdit.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWEditAutoComplete.h"
#include "widgets/controls/MVWSpecialButton.h"
#include "widgets/foundation/portable/MVWStringList.h"

#include <string>

namespace marivo {

void RegisterMVWEdit() {
  using E = TMVWEdit;
  auto edit = RegisterComponentClass<E, TMVWCustomBevelPanel>("TMVWEdit");
  PublishImageLink(edit)
      .Integer("Color", ColorIdents(), &TControl::Color, &TControl::SetColor, E::DefaultColor)
      .Stored([](TControl& control) { return !control.ParentColor(); })
      .Integer("Height", &TControl::Height, &TControl::SetHeight, E::DefaultHeight)
      .Integer("Cursor", CursorIdents(), &TControl::Cursor, &TControl::SetCursor, E::DefaultCursor)
      .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, E::DefaultTabStop)
      .Boolean("CtlXP", &E::CtlXP, &E::SetCtlXP, E::DefaultCtlXP)
      .Boolean("Flat", &E::Flat, &E::SetFlat, E::DefaultFlat)
      .Boolean("Transparent", &E::Transparent, &E::SetTransparent, E::DefaultTransparent)
      .Component("AutoComplete", &E::AutoComplete, &E::SetAutoComplete)
      .Boolean("AutoSelect", &E::AutoSelect, &E::SetAutoSelect, E::DefaultAutoSelect)
      .Boolean("AutoSize", &E::AutoSize, &E::SetAutoSize, E::DefaultAutoSize)
      .Class("Bevel", &E::Bevel)
      .Class("Caret", &E::Caret)
      .Enumeration("CharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}, &E::CharCase,
                   &E::SetCharCase, E::DefaultCharCase)
      .Enumeration("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"}, &E::Alignment,
                   &E::SetAlignment, E::DefaultAlignment)
      .Collection("CustomButtons", &E::CustomButtons)
      .Enumeration("CustomButtonStyle", UserButtonStyleNames(), &E::CustomButtonStyle,
                   &E::SetCustomButtonStyle, E::DefaultCustomButtonStyle)
      .Integer("CustomButtonWidth", &E::CustomButtonWidth, &E::SetCustomButtonWidth,
               E::DefaultCustomButtonWidth)
      .Boolean("FocusOnMouseAbove", &E::FocusOnMouseAbove, &E::SetFocusOnMouseAbove,
               E::DefaultFocusOnMouseAbove)
      .Class("Font3D", &E::Font3D)
      .Boolean("HideSelection", &E::HideSelection, &E::SetHideSelection, E::DefaultHideSelection)
      .Integer("HighlightBack", ColorIdents(), &E::HighlightBack, &E::SetHighlightBack,
               E::DefaultHighlightBack)
      .Integer("HighlightText", ColorIdents(), &E::HighlightText, &E::SetHighlightText,
               E::DefaultHighlightText)
      .Integer("MaxLength", &E::MaxLength, &E::SetMaxLength, E::DefaultMaxLength)
      .Boolean("OEMConvert", &E::OEMConvert, &E::SetOEMConvert, E::DefaultOEMConvert)
      .String(
          "PasswordChar", [](E& edit) { return std::string(1, edit.PasswordChar()); },
          [](E& edit, const std::string& value) {
            edit.SetPasswordChar(value.empty() ? '\0' : value[0]);
          },
          std::string(1, E::DefaultPasswordChar))
      .Boolean("ReadOnly", &E::ReadOnly, &E::SetReadOnly, E::DefaultReadOnly)
      .Boolean("TabOnEnter", &E::TabOnEnter, &E::SetTabOnEnter, E::DefaultTabOnEnter)
      .String("Text", &E::GetText, &E::SetText, std::string())
      .Event("OnBtnClick", &E::OnBtnClick)
      .Event("OnChange", &E::OnChange)
      .Event("OnTextChangedAt", &E::OnTextChangedAt)
      .Event("OnCursorPosChanged", &E::OnCursorPosChanged)
      .Event("OnModified", &E::OnModified)
      .Event("OnAfterEnter", &E::OnAfterEnter)
      .Event("OnAfterExit", &E::OnAfterExit)
      .Event("OnMouseEnter", &E::OnMouseEnter)
      .Event("OnMouseExit", &E::OnMouseExit);
}

} // namespace marivo
