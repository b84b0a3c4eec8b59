#pragma once

#include "widgets/controls/MVWBaseGraphicControl.h"
#include "widgets/foundation/MVWBevel.h"

#include <memory>

namespace marivo {

// A window-less widget with a bevel border of its own.
class TMVWGraphicControl : public TMVWBaseGraphicControl {
public:
  explicit TMVWGraphicControl(TComponent* owner);
  ~TMVWGraphicControl() override;

  TMVWBevel& Bevel() const { return *Bevel_; }
  // Takes the settings of bevel, then tells itself CM_MVWBEVELCHANGED.
  void SetBevel(const TMVWBevel& bevel);
  int BevelExtent() const { return Bevel_->Extent(); }
  int BevelSpace() const { return 2 * Bevel_->Extent(); }

protected:
  void Paint() override;

private:
  std::unique_ptr<TMVWBevel> Bevel_;
};

// Makes the base known to form data.
void RegisterMVWGraphicControl();

} // namespace marivo
