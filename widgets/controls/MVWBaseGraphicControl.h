#pragma once

#include "widgets/controls/MVWBaseControl.h"

namespace marivo {

// A container that may show its own parent's background through (the widget scroll box); the
// window-less widgets on it ask whether it does.
class TMVWParentBackSource {
public:
  virtual ~TMVWParentBackSource() = default;
  virtual bool HasParentBack() = 0;
};

// A window-less widget that is see-through (the parent paints first) or opaque.
class TMVWBaseGraphicControl : public TMVWBaseControl {
public:
  static constexpr bool DefaultTransparent = true;

  explicit TMVWBaseGraphicControl(TComponent* owner);

  bool Transparent() const { return Transparent_; }
  void SetTransparent(bool value);
  // Repainted over the parent's background when transparent, at once when opaque.
  void RepaintControl();

  void Changed() override { RepaintControl(); }
  bool ParentBackActive() override;
  void WndProc(TMessage& message) override;

protected:
  // For constructors of opaque widgets: no message, no repaint.
  void MakeOpaque();

private:
  bool Transparent_ = DefaultTransparent;
};

// Makes the base known to form data.
void RegisterMVWBaseGraphicControl();

} // namespace marivo
