#include "widgets/controls/MVWPanelClasses.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWBackPanel.h"
#include "widgets/controls/MVWButtonPanel.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWCustomStatusBar.h"
#include "widgets/controls/MVWPanelFill.h"
#include "widgets/controls/MVWSimplePanel.h"

#include <string>
#include <vector>

namespace marivo {

namespace {

// What every published panel shows of the windowed widget base.
template <class T> TClassBuilder<T>& PublishPanel(TClassBuilder<T>& builder) {
  return builder.Boolean("Transparent", &T::Transparent, &T::SetTransparent, false)
      .Boolean("Locked", &T::Locked, &T::SetLocked, false)
      .Class("Bevel", &T::Bevel)
      .Event("OnMouseEnter", &T::OnMouseEnter)
      .Event("OnMouseExit", &T::OnMouseExit);
}

} // namespace

void RegisterWidgetPanelClasses() {
  static const bool registered = [] {
    RegisterControlClasses();
    RegisterPersistentClass<TMVWCustomPanel, TMVWCustomControl>("TMVWCustomPanel");
    RegisterPersistentClass<TMVWCustomBevelPanel, TMVWCustomPanel>("TMVWCustomBevelPanel");
    RegisterPersistentClass<TMVWCustomParentPanel, TMVWCustomBevelPanel>("TMVWCustomParentPanel");
    RegisterPersistentClass<TMVWCustomStatusBar, TMVWCustomBevelPanel>("TMVWCustomStatusBar");
    RegisterPersistentClass<TMVWCustomPanelFill, TMVWCustomParentPanel>("TMVWCustomPanelFill");

    auto backPanel = RegisterComponentClass<TMVWBackPanel, TMVWCustomParentPanel>("TMVWBackPanel");
    PublishImageLink(PublishPanel(backPanel))
        .Boolean("QuickDraw", &TMVWBackPanel::QuickDraw, &TMVWBackPanel::SetQuickDraw, false);

    auto simplePanel =
        RegisterComponentClass<TMVWSimplePanel, TMVWCustomBevelPanel>("TMVWSimplePanel");
    PublishPanel(simplePanel)
        .Boolean("Ctl3D", &TMVWSimplePanel::Ctl3D, &TMVWSimplePanel::SetCtl3D)
        .Stored([](TMVWSimplePanel& panel) { return !panel.ParentCtl3D(); })
        .Boolean("ParentCtl3D", &TMVWSimplePanel::ParentCtl3D, &TMVWSimplePanel::SetParentCtl3D,
                 true);

    auto panelFill = RegisterComponentClass<TMVWPanelFill, TMVWCustomPanelFill>("TMVWPanelFill");
    PublishImageLink(PublishPanel(panelFill))
        .Enumeration("Alignment",
                     {"agTopLeft", "agTopCenter", "agTopRight", "agCenterLeft", "agCenter",
                      "agCenterRight", "agBottomLeft", "agBottomCenter", "agBottomRight"},
                     &TMVWPanelFill::Alignment, &TMVWPanelFill::SetAlignment, agCenter)
        .Class("BackFX", &TMVWPanelFill::BackFX)
        .Boolean("BackFXPass", &TMVWPanelFill::BackFXPass, &TMVWPanelFill::SetBackFXPass, false)
        .Class("FillObject", &TMVWPanelFill::FillObject)
        .Class("FontFX", &TMVWPanelFill::FontFX)
        .Boolean("TransparentBorder", &TMVWPanelFill::TransparentBorder,
                 &TMVWPanelFill::SetTransparentBorder, false);

    RegisterSpecialButtonClasses();
    using TButtons = TMVWButtonPanel;
    auto buttonPanel = RegisterComponentClass<TButtons, TMVWCustomPanelFill>("TMVWButtonPanel");
    PublishImageLink(buttonPanel)
        .Boolean("Transparent", &TButtons::Transparent, &TButtons::SetTransparent, false)
        .Boolean("Flat", &TButtons::Flat, &TButtons::SetFlat, false)
        .Class("Bevel", &TButtons::Bevel)
        .Class("BackFX", &TButtons::BackFX)
        .Class("FillObject", &TButtons::FillObject)
        .Collection("Buttons", &TButtons::Buttons)
        .Integer("ButtonWidth", &TButtons::ButtonWidth, &TButtons::SetButtonWidth, 20)
        .Integer("ButtonHeight", &TButtons::ButtonHeight, &TButtons::SetButtonHeight, 20)
        .Enumeration("ButtonStyle",
                     {"ubsAutoDetect", "ubsWin31", "ubsWin40", "ubsKestrin", "ubsKestrinFlat",
                      "ubsFlat", "ubsFlatUnColored", "ubsNavigator", "ubsExplorer",
                      "ubsExplorerColored", "ubsIntegrated", "ubsWinXP", "ubsWinXPCombo",
                      "ubsWinXPTool"},
                     &TButtons::ButtonStyle, &TButtons::SetButtonStyle, ubsAutoDetect)
        .Event("OnButtonClick", &TButtons::OnButtonClick);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
