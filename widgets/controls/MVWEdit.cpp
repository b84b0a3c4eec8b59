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
      .Integer("Color", ColorIdents(), &TControl::Color, &TControl::SetColor, clWhite)
      .Stored([](TControl& control) { return !control.ParentColor(); })
      .Integer("Height", &TControl::Height, &TControl::SetHeight, 21)
      .Integer("Cursor", CursorIdents(), &TControl::Cursor, &TControl::SetCursor, crIBeam)
      .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
      .Boolean("CtlXP", &E::CtlXP, &E::SetCtlXP, true)
      .Boolean("Flat", &E::Flat, &E::SetFlat, false)
      .Boolean("Transparent", &E::Transparent, &E::SetTransparent, false)
      .Component("AutoComplete", &E::AutoComplete, &E::SetAutoComplete)
      .Boolean("AutoSelect", &E::AutoSelect, &E::SetAutoSelect, false)
      .Boolean("AutoSize", &E::AutoSize, &E::SetAutoSize, false)
      .Class("Bevel", &E::Bevel)
      .Class("Caret", &E::Caret)
      .Enumeration("CharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}, &E::CharCase,
                   &E::SetCharCase, ecNormal)
      .Enumeration("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"}, &E::Alignment,
                   &E::SetAlignment, E::DefaultAlignment)
      .Collection("CustomButtons", &E::CustomButtons)
      .Enumeration("CustomButtonStyle", UserButtonStyleNames(), &E::CustomButtonStyle,
                   &E::SetCustomButtonStyle, E::DefaultCustomButtonStyle)
      .Integer("CustomButtonWidth", &E::CustomButtonWidth, &E::SetCustomButtonWidth,
               E::DefaultCustomButtonWidth)
      .Boolean("FocusOnMouseAbove", &E::FocusOnMouseAbove, &E::SetFocusOnMouseAbove, false)
      .Class("Font3D", &E::Font3D)
      .Boolean("HideSelection", &E::HideSelection, &E::SetHideSelection, true)
      .Integer("HighlightBack", ColorIdents(), &E::HighlightBack, &E::SetHighlightBack,
               E::DefaultHighlightBack)
      .Integer("HighlightText", ColorIdents(), &E::HighlightText, &E::SetHighlightText,
               E::DefaultHighlightText)
      .Integer("MaxLength", &E::MaxLength, &E::SetMaxLength, 0)
      .Boolean("OEMConvert", &E::OEMConvert, &E::SetOEMConvert, false)
      .String(
          "PasswordChar", [](E& edit) { return std::string(1, edit.PasswordChar()); },
          [](E& edit, const std::string& value) {
            edit.SetPasswordChar(value.empty() ? '\0' : value[0]);
          },
          std::string(1, '\0'))
      .Boolean("ReadOnly", &E::ReadOnly, &E::SetReadOnly, false)
      .Boolean("TabOnEnter", &E::TabOnEnter, &E::SetTabOnEnter, false)
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
