#pragma once

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWCustomPanel.h"
#include "widgets/foundation/MVWBevel.h"

#include <memory>

namespace marivo {

// A panel with a bevel border. Flat shows the bevel only while the panel is focused or under
// the mouse; the window-border mode takes the platform's client edge.
class TMVWCustomBevelPanel : public TMVWCustomPanel {
public:
  explicit TMVWCustomBevelPanel(TComponent* owner);
  ~TMVWCustomBevelPanel() override;

  TMVWBevel& Bevel() const { return *Bevel_; }
  void SetBevel(const TMVWBevel& value);
  int GetBevelExtent() const { return Bevel_->Extent(); }
  int GetBevelExtent2() const { return 2 * Bevel_->Extent(); }

  bool UsesThemes() override { return false; }
  void WndProc(TMessage& message) override;

protected:
  using TMVWCustomPanel::ChildChanged;
  void ChildChanged(TObject* sender) override;
  void AlignControls(TControl* control, RECT& rect) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void PaintSunkenBorder() override;
  void PaintFlatBorder() override;
  void DoEnter() override;
  void DoMouseEnter() override;
  // The bevel changes that reach the window: its border style and the children's room.
  void ApplyBevelChange();

private:
  std::unique_ptr<TMVWBevel> Bevel_;
};

// Makes the base known to form data.
void RegisterMVWCustomBevelPanel();

// What every published panel shows of the windowed widget base.
template <class T> TClassBuilder<T>& PublishPanel(TClassBuilder<T>& builder) {
  return builder.Boolean("Transparent", &T::Transparent, &T::SetTransparent, T::DefaultTransparent)
      .Boolean("Locked", &T::Locked, &T::SetLocked, T::DefaultLocked)
      .Class("Bevel", &T::Bevel)
      .Event("OnMouseEnter", &T::OnMouseEnter)
      .Event("OnMouseExit", &T::OnMouseExit);
}

} // namespace marivo
