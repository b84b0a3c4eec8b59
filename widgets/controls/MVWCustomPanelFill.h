#pragma once

#include "widgets/controls/MVWCustomParentPanel.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWShapeFill.h"

#include <memory>

namespace marivo {

// A container panel whose background is a fill (colour, pattern, picture or gradient), kept in
// the back buffer, with its caption placed by Alignment in the room the bevel leaves.
class TMVWCustomPanelFill : public TMVWCustomParentPanel {
public:
  static constexpr TMVWAlignment DefaultAlignment = agCenter;
  static constexpr bool DefaultTransparentBorder = false;

  explicit TMVWCustomPanelFill(TComponent* owner);
  ~TMVWCustomPanelFill() override;

  TMVWFillObject& FillObject() const { return *FillObject_; }
  void SetFillObject(const TMVWFillObject& value) { FillObject_->Assign(value); }
  TMVWFxCaption& FontFX() const { return *FontFX_; }
  void SetFontFX(const TMVWFxCaption& value) { FontFX_->Assign(value); }
  TMVWAlignment Alignment() const { return Alignment_; }
  void SetAlignment(TMVWAlignment value);
  // Leaves the bevel's flat rings and shadow corners unpainted.
  bool TransparentBorder() const { return TransparentBorder_; }
  void SetTransparentBorder(bool value);

  HPALETTE GetPalette() override;
  void WndProc(TMessage& message) override;

protected:
  void BuildBackBuffer(bool force) override;
  using TMVWCustomParentPanel::ChildChanged;
  virtual void PaintCaption(RECT rect, TMVWAlignment alignment);
  void ChildChanged(TObject* sender) override;
  void ImageListChanged() override;
  void Resized() override;
  void Paint() override;

private:
  std::unique_ptr<TMVWFillObject> FillObject_;
  std::unique_ptr<TMVWFxCaption> FontFX_;
  TMVWAlignment Alignment_ = DefaultAlignment;
  bool TransparentBorder_ = DefaultTransparentBorder;
};

// Makes the base known to form data.
void RegisterMVWCustomPanelFill();

} // namespace marivo
