#include "platform/ui/StdClasses.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grids.h"
#include "platform/ui/Images.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Notebooks.h"
#include "platform/ui/Panels.h"
#include "platform/ui/StatusBars.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/Timers.h"

namespace marivo {

namespace {

const std::vector<std::string> AlignNames = {"alNone", "alTop",   "alBottom",
                                             "alLeft", "alRight", "alClient"};

// Form data keeps a tab order only where it differs from the order the controls are read in.
bool IsTabOrderStored(TWinControl& control) {
  const TWinControl* parent = control.Parent();
  if (!parent)
    return false;
  int readPlace = 0;
  for (int i = 0; i < parent->ControlCount() && parent->Controls(i) != &control; ++i)
    if (dynamic_cast<TWinControl*>(parent->Controls(i)))
      ++readPlace;
  return control.TabOrder() != readPlace;
}

void RegisterGraphics() {
  RegisterPersistentClass<TFont, TPersistent>("TFont")
      .Integer("Charset", &TFont::Charset, &TFont::SetCharset, DEFAULT_CHARSET)
      .Integer("Color", ColorIdents(), &TFont::Color, &TFont::SetColor, clWindowText)
      .Integer("Height", &TFont::Height, &TFont::SetHeight)
      .String("Name", &TFont::Name, &TFont::SetName)
      .Integer("Size", &TFont::Size, &TFont::SetSize)
      .Stored([](TFont&) { return false; })
      .Set("Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, &TFont::Style,
           &TFont::SetStyle, TFontStyles{0});
  RegisterPersistentClass<TBrush, TPersistent>("TBrush")
      .Integer("Color", ColorIdents(), &TBrush::Color, &TBrush::SetColor, clWhite)
      .Enumeration("Style",
                   {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                    "bsBDiagonal", "bsCross", "bsDiagCross"},
                   &TBrush::Style, &TBrush::SetStyle, bsSolid);
  RegisterPersistentClass<TSizeConstraints, TPersistent>("TSizeConstraints")
      .Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0)
      .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0)
      .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0)
      .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0);
}

void RegisterControlBases() {
  RegisterComponentClass<TApplication, TComponent>("TApplication");
  RegisterComponentClass<TControl, TComponent>("TControl")
      .Enumeration("Align", AlignNames, &TControl::Align, &TControl::SetAlign, alNone)
      .Integer("Left", &TControl::Left, &TControl::SetLeft, 0)
      .Integer("Top", &TControl::Top, &TControl::SetTop, 0)
      .Integer("Width", &TControl::Width, &TControl::SetWidth)
      .Integer("Height", &TControl::Height, &TControl::SetHeight)
      .String("Caption", &TControl::Caption, &TControl::SetCaption, std::string())
      .Integer("Color", ColorIdents(), &TControl::Color, &TControl::SetColor, clBtnFace)
      .Stored([](TControl& control) { return !control.ParentColor(); })
      .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
      .Class("Font", &TControl::Font)
      .Stored([](TControl& control) { return !control.ParentFont(); })
      .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
      .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
      .String("Hint", &TControl::Hint, &TControl::SetHint, std::string())
      .Boolean("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
      .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false)
      .Component("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
      .Integer("Cursor", CursorIdents(), &TControl::Cursor, &TControl::SetCursor, crDefault)
      .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true)
      .Event("OnClick", &TControl::OnClick)
      .Event("OnDblClick", &TControl::OnDblClick)
      .Event("OnMouseDown", &TControl::OnMouseDown)
      .Event("OnMouseUp", &TControl::OnMouseUp)
      .Event("OnMouseMove", &TControl::OnMouseMove);
  RegisterComponentClass<TGraphicControl, TControl>("TGraphicControl");
  RegisterComponentClass<TWinControl, TControl>("TWinControl")
      .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
      .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
      .Stored(IsTabOrderStored)
      .Event("OnKeyDown", &TWinControl::OnKeyDown)
      .Event("OnKeyUp", &TWinControl::OnKeyUp)
      .Event("OnKeyPress", &TWinControl::OnKeyPress)
      .Event("OnEnter", &TWinControl::OnEnter)
      .Event("OnExit", &TWinControl::OnExit);
  RegisterComponentClass<TCustomControl, TWinControl>("TCustomControl");
}

void RegisterForms() {
  RegisterComponentClass<TForm, TWinControl>("TForm")
      .Boolean("Visible", &TControl::Visible, &TControl::SetVisible, false)
      .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, false)
      .Enumeration(
          "BorderStyle",
          {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
          &TForm::BorderStyle, &TForm::SetBorderStyle, bsSizeable)
      .Enumeration("FormStyle", {"fsNormal", "fsStayOnTop"}, &TForm::FormStyle,
                   &TForm::SetFormStyle, fsNormal)
      .Enumeration("Position", {"poDesigned", "poScreenCenter", "poMainFormCenter"},
                   &TForm::Position, &TForm::SetPosition, poDesigned)
      .Boolean("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview, false)
      .Class("Constraints", &TForm::Constraints)
      .Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth)
      .Stored([](TForm&) { return false; })
      .Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight)
      .Stored([](TForm&) { return false; })
      .Event("OnCreate", &TForm::OnCreate)
      .Event("OnShow", &TForm::OnShow)
      .Event("OnHide", &TForm::OnHide)
      .Event("OnResize", &TForm::OnResize)
      .Event("OnClose", &TForm::OnClose)
      .Event("OnCloseQuery", &TForm::OnCloseQuery);
}

} // namespace

void RegisterStandardClasses() {
  static const bool registered = [] {
    RegisterGraphics();
    RegisterControlBases();
    RegisterForms();
    RegisterStdCtrlsClasses();
    RegisterPanelClasses();
    RegisterNotebookClasses();
    RegisterStatusBarClasses();
    RegisterTimerClasses();
    RegisterMenuClasses();
    RegisterImageClasses();
    RegisterGridsClasses();
    return true;
  }();
  (void)registered;
}

} // namespace marivo
