#include "widgets/controls/MVWLabelsAndChoices.h"

#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWLEDLabel.h"
#include "widgets/controls/MVWLImage.h"
#include "widgets/controls/MVWLabel.h"
#include "widgets/controls/MVWSimpleLabel.h"

namespace marivo {

void RegisterLabelAndChoiceClasses() {
  RegisterControlClasses();
  RegisterSimpleLabelClasses();
  RegisterLabelClasses();
  RegisterLEDLabelClasses();
  RegisterLImageClasses();
}

} // namespace marivo
