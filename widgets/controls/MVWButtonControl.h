#pragma once

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Pictures.h"
#include "widgets/controls/MVWControl.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWCustomPanel.h"
#include "widgets/controls/portable/MVWButtonCells.h"
#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWGlyph.h"
#include "widgets/foundation/MVWGlyphTextLayout.h"
#include "widgets/foundation/MVWGraph.h"

#include <memory>

namespace marivo {

// The cells of a button's state glyph. A built-in strip also holds the mask of its fill colour
// and the cells blacked out there, for a transparent glyph.
struct TMVWGlyphStrip {
  TBitmap Cells;
  TBitmap Mask;
  TBitmap Masked;
};

// The check box's and radio button's common ground: a state glyph from a strip of cells beside
// a caption, a focus mark, read-only mode.
class TMVWButtonControl : public TMVWCustomPanel {
public:
  static constexpr bool DefaultAutoSize = false;
  static constexpr bool DefaultDownGlyph = false;
  static constexpr TColor DefaultFocusColor = 0x808080;
  static constexpr TMVWGlyphTextFocusStyle DefaultFocusStyle = fcText;
  static constexpr bool DefaultGlyphFlat = false;
  static constexpr std::uint8_t DefaultGlyphSize = 13;
  static constexpr bool DefaultGlyphTransparent = false;
  static constexpr TColor DefaultGlyphTransparentColor = 0x008080;
  static constexpr bool DefaultReadOnly = false;
  static constexpr bool DefaultUseBitmap = false;
  static constexpr bool DefaultUseFocusColor = false;

  explicit TMVWButtonControl(TComponent* owner);
  ~TMVWButtonControl() override;

  TMVWGlyphTextLayout& Alignment() { return Alignment_; }
  void SetAlignment(const TMVWGlyphTextLayout& value) { Alignment_.Assign(value); }
  TMVW3DCaption& Font3D() { return Font3D_; }
  void SetFont3D(const TMVW3DCaption& value) { Font3D_.Assign(value); }
  bool AutoSize() const { return AutoSize_; }
  bool GlyphTransparent() const { return GlyphTransparent_; }
  bool GlyphFlat() const { return GlyphFlat_; }
  // Index 0 AutoSize, 1 GlyphTransparent, 2 GlyphFlat.
  void SetBooleanProperty(int index, bool value);
  void SetAutoSize(bool value) { SetBooleanProperty(0, value); }
  void SetGlyphTransparent(bool value) { SetBooleanProperty(1, value); }
  void SetGlyphFlat(bool value) { SetBooleanProperty(2, value); }
  bool DownGlyph() const { return DownGlyph_; }
  void SetDownGlyph(bool value);
  TColor FocusColor() const { return FocusColor_; }
  void SetFocusColor(TColor value);
  TMVWGlyphTextFocusStyle FocusStyle() const { return FocusStyle_; }
  void SetFocusStyle(TMVWGlyphTextFocusStyle value);
  bool UseFocusColor() const { return UseFocusColor_; }
  void SetUseFocusColor(bool value);
  std::uint8_t GlyphSize() const { return GlyphSize_; }
  void SetGlyphSize(std::uint8_t value);
  TColor GlyphTransparentColor() const { return GlyphTransparentColor_; }
  void SetGlyphTransparentColor(TColor value);
  bool ReadOnly() const { return ReadOnly_; }
  void SetReadOnly(bool value) { ReadOnly_ = value; }
  bool UseBitmap() const { return UseBitmap_; }
  void SetUseBitmap(bool value);
  // The groups set their buttons up with painting held back.
  void SetPaintSuppressed(bool value) { PaintSuppressed_ = value; }

  virtual bool GetChecked() { return false; }
  virtual void SetChecked(bool) {}
  virtual bool CanModify() { return !ReadOnly_; }
  void WndProc(TMessage& message) override;

protected:
  virtual void CreateGlyphs() {}
  virtual void StateChanged() {}
  virtual bool UseDownGlyph() { return DownGlyph_; }
  virtual void AdjustSize();
  virtual void RecreateGlyphs();
  virtual int CellIndex() = 0;
  virtual int CellWidthFromList(int stripWidth) = 0;
  virtual TColor StripTransparentColor() { return GlyphTransparentColor_; }
  // Where the text starts and ends inside the control.
  virtual RECT TextArea();
  virtual void PaintContent(TCanvas& canvas, bool withFocus);
  virtual void PaintGlyph();

  void Paint() override;
  void ImageListChanged() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // A strip of the built-in images: cells of GlyphSize in sets of cellsPerSet; themePart is
  // the visual-style part drawn with the themed look.
  void BuildStrip(int cellsPerSet, TColor fill, UINT kind, const std::vector<UINT>& states,
                  int themePart);
  TMVWGlyphCellState CellState();
  void DrawFocusMark(TCanvas& canvas, RECT rect);

  std::shared_ptr<TMVWGlyphStrip> Strip_;
  int CellWidth_ = 0;
  bool Pressed_ = false;
  // A state change that must not click: focus taken by the mouse, a group's own setting.
  bool SuppressClick_ = false;
  TMVWLayoutRects Rects_{};

private:
  void LayoutChanged();
  // False when the theme could not be opened.
  bool DrawThemedCells(TCanvas& canvas, int cellsPerSet, int themePart);

  TMVWGlyphTextLayout Alignment_;
  TMVW3DCaption Font3D_;
  bool AutoSize_ = DefaultAutoSize;
  bool DownGlyph_ = DefaultDownGlyph;
  TColor FocusColor_ = DefaultFocusColor;
  TMVWGlyphTextFocusStyle FocusStyle_ = DefaultFocusStyle;
  bool GlyphFlat_ = DefaultGlyphFlat;
  std::uint8_t GlyphSize_ = DefaultGlyphSize;
  bool GlyphTransparent_ = DefaultGlyphTransparent;
  TColor GlyphTransparentColor_ = DefaultGlyphTransparentColor;
  bool ReadOnly_ = DefaultReadOnly;
  bool UseBitmap_ = DefaultUseBitmap;
  bool UseFocusColor_ = DefaultUseFocusColor;
  bool PaintSuppressed_ = false;
};

const std::vector<std::string>& FocusStyleNames();

// The published properties every button control shares.
template <class T> void AddButtonControlProperties(TClassBuilder<T>& builder) {
  PublishImageLink(builder)
      .Class("Alignment", &T::Alignment)
      .Class("Font3D", &T::Font3D)
      .Boolean("AutoSize", &T::AutoSize, &T::SetAutoSize, T::DefaultAutoSize)
      .Boolean("DownGlyph", &T::DownGlyph, &T::SetDownGlyph, T::DefaultDownGlyph)
      .Integer("FocusColor", ColorIdents(), &T::FocusColor, &T::SetFocusColor, T::DefaultFocusColor)
      .Enumeration("FocusStyle", FocusStyleNames(), &T::FocusStyle, &T::SetFocusStyle,
                   T::DefaultFocusStyle)
      .Boolean("GlyphFlat", &T::GlyphFlat, &T::SetGlyphFlat, T::DefaultGlyphFlat)
      .Integer("GlyphSize", &T::GlyphSize, &T::SetGlyphSize, T::DefaultGlyphSize)
      .Boolean("GlyphTransparent", &T::GlyphTransparent, &T::SetGlyphTransparent,
               T::DefaultGlyphTransparent)
      .Integer("GlyphTransparentColor", ColorIdents(), &T::GlyphTransparentColor,
               &T::SetGlyphTransparentColor, T::DefaultGlyphTransparentColor)
      .Boolean("ReadOnly", &T::ReadOnly, &T::SetReadOnly, T::DefaultReadOnly)
      .Boolean("UseBitmap", &T::UseBitmap, &T::SetUseBitmap, T::DefaultUseBitmap)
      .Boolean("UseFocusColor", &T::UseFocusColor, &T::SetUseFocusColor, T::DefaultUseFocusColor)
      .Boolean("Transparent", &T::Transparent, &T::SetTransparent, T::DefaultTransparent)
      .Boolean("Flat", &T::Flat, &T::SetFlat, T::DefaultFlat)
      .Boolean("CtlXP", &T::CtlXP, &T::SetCtlXP, T::DefaultCtlXP)
      .Class("BackFX", &T::BackFX)
      .Event("OnMouseEnter", &T::OnMouseEnter)
      .Event("OnMouseExit", &T::OnMouseExit);
}

// Makes the base of check boxes and radio buttons known to form data.
void RegisterMVWButtonControl();

} // namespace marivo
