#include "widgets/controls/MVWLabelsAndChoices.h"

#include "widgets/controls/MVWCheckBox.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWCustomButtonGroup.h"
#include "widgets/controls/MVWCustomCheckGroup.h"
#include "widgets/controls/MVWGroupBox.h"
#include "widgets/controls/MVWLEDLabel.h"
#include "widgets/controls/MVWLImage.h"
#include "widgets/controls/MVWLabel.h"
#include "widgets/controls/MVWPanelClasses.h"
#include "widgets/controls/MVWRadioButton.h"
#include "widgets/controls/MVWRadioGroup.h"
#include "widgets/controls/MVWSimpleLabel.h"
#include "widgets/controls/MVWStaticText.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

void RegisterLabelAndChoiceClasses() {
  static const bool registered = [] {
    RegisterControlClasses();
    RegisterWidgetPanelClasses();
    // The bases in between, so that form data finds the published classes' ancestors.
    RegisterPersistentClass<TMVWBaseLabel, TMVWBaseGraphicControl>("TMVWBaseLabel");
    RegisterPersistentClass<TMVWCustomSimpleLabel, TMVWBaseLabel>("TMVWCustomSimpleLabel");
    RegisterPersistentClass<TMVWCustomLabel, TMVWBaseLabel>("TMVWCustomLabel");
    RegisterPersistentClass<TMVWLEDCustomLabel, TMVWGraphicControl>("TMVWLEDCustomLabel");
    RegisterPersistentClass<TMVWBaseImage, TMVWGraphicControl>("TMVWBaseImage");
    RegisterPersistentClass<TMVWCustomLImage, TMVWBaseImage>("TMVWCustomLImage");
    RegisterSimpleLabelClasses();
    RegisterWidgetLabelClasses();
    RegisterLEDLabelClasses();
    RegisterLImageClasses();
    RegisterCheckBoxClasses();
    RegisterRadioButtonClasses();
    RegisterGroupBoxClasses();
    RegisterRadioGroupClasses();
    RegisterCheckGroupClasses();
    RegisterStaticTextClasses();
    return true;
  }();
  (void)registered;
}

} // namespace marivo
