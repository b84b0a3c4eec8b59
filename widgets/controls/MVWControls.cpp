#include "widgets/controls/MVWControls.h"

#include "platform/ui/Buttons.h"
#include "platform/ui/Menus.h"
#include "widgets/controls/MVWBackPanel.h"
#include "widgets/controls/MVWBaseControl.h"
#include "widgets/controls/MVWBaseGraphicButton.h"
#include "widgets/controls/MVWBaseGraphicControl.h"
#include "widgets/controls/MVWBaseImage.h"
#include "widgets/controls/MVWBaseLabel.h"
#include "widgets/controls/MVWButton.h"
#include "widgets/controls/MVWButtonControl.h"
#include "widgets/controls/MVWButtonPanel.h"
#include "widgets/controls/MVWCheckBox.h"
#include "widgets/controls/MVWComponent.h"
#include "widgets/controls/MVWControl.h"
#include "widgets/controls/MVWCustomBevelPanel.h"
#include "widgets/controls/MVWCustomButton.h"
#include "widgets/controls/MVWCustomButtonGroup.h"
#include "widgets/controls/MVWCustomCheckGroup.h"
#include "widgets/controls/MVWCustomControl.h"
#include "widgets/controls/MVWCustomMMButton.h"
#include "widgets/controls/MVWCustomPanel.h"
#include "widgets/controls/MVWCustomPanelFill.h"
#include "widgets/controls/MVWCustomParentPanel.h"
#include "widgets/controls/MVWCustomShapeButton.h"
#include "widgets/controls/MVWCustomSpeedButton.h"
#include "widgets/controls/MVWCustomStatusBar.h"
#include "widgets/controls/MVWEdit.h"
#include "widgets/controls/MVWEditAutoComplete.h"
#include "widgets/controls/MVWGraphicControl.h"
#include "widgets/controls/MVWGroupBox.h"
#include "widgets/controls/MVWLED.h"
#include "widgets/controls/MVWLEDLabel.h"
#include "widgets/controls/MVWLImage.h"
#include "widgets/controls/MVWLabel.h"
#include "widgets/controls/MVWPanelFill.h"
#include "widgets/controls/MVWRadioButton.h"
#include "widgets/controls/MVWRadioGroup.h"
#include "widgets/controls/MVWShapeButton.h"
#include "widgets/controls/MVWShapeButtonColor.h"
#include "widgets/controls/MVWSimpleLabel.h"
#include "widgets/controls/MVWSimplePanel.h"
#include "widgets/controls/MVWSpecialButton.h"
#include "widgets/controls/MVWSpeedButton.h"
#include "widgets/controls/MVWStaticText.h"
#include "widgets/foundation/MVWFoundation.h"

namespace marivo {

void RegisterControlClasses() {
  static const bool registered = [] {
    RegisterFoundationClasses();
    RegisterButtonClasses();
    RegisterMenuClasses();
    RegisterMVWControl();
    RegisterMVWBaseControl();
    RegisterMVWBaseGraphicControl();
    RegisterMVWGraphicControl();
    RegisterMVWComponent();
    RegisterMVWCustomControl();
    RegisterMVWCustomPanel();
    RegisterMVWCustomBevelPanel();
    RegisterMVWCustomParentPanel();
    RegisterMVWCustomStatusBar();
    RegisterMVWCustomPanelFill();
    RegisterMVWBackPanel();
    RegisterMVWSimplePanel();
    RegisterMVWPanelFill();
    RegisterMVWSpecialButton();
    RegisterMVWButtonPanel();
    RegisterMVWBaseLabel();
    RegisterMVWSimpleLabel();
    RegisterMVWLabel();
    RegisterMVWLED();
    RegisterMVWLEDLabel();
    RegisterMVWBaseImage();
    RegisterMVWLImage();
    RegisterMVWButtonControl();
    RegisterMVWCheckBox();
    RegisterMVWRadioButton();
    RegisterMVWGroupBox();
    RegisterMVWCustomButtonGroup();
    RegisterMVWRadioGroup();
    RegisterMVWCustomCheckGroup();
    RegisterMVWStaticText();
    RegisterMVWBaseGraphicButton();
    RegisterMVWCustomSpeedButton();
    RegisterMVWSpeedButton();
    RegisterMVWShapeButtonColor();
    RegisterMVWCustomShapeButton();
    RegisterMVWShapeButton();
    RegisterMVWCustomMMButton();
    RegisterMVWCustomButton();
    RegisterMVWButton();
    RegisterMVWEditAutoComplete();
    RegisterMVWEdit();
    return true;
  }();
  (void)registered;
}

} // namespace marivo
