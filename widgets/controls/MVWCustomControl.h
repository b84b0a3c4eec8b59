#pragma once

#include "widgets/controls/MVWImageLink.h"
#include "widgets/foundation/MVWBitmapEffectObject.h"
#include "widgets/foundation/portable/MVWBase.h"

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

#include <memory>
#include <string>

namespace marivo {

// Root of the windowed widgets: see-through painting over a parent with a background image,
// background effects, a flat border that turns sunken on focus or hover, themed frames, an
// image-list link and the focus events posted after the focus change is complete.
class TMVWCustomControl : public TCustomControl {
public:
  static constexpr bool DefaultTransparent = false;
  static constexpr bool DefaultFlat = false;
  static constexpr bool DefaultBackFXPass = false;
  static constexpr bool DefaultCtlXP = true;

  explicit TMVWCustomControl(TComponent* owner);
  ~TMVWCustomControl() override;

  const TMVWAboutVar& About() const { return About_; }
  void SetAbout(const TMVWAboutVar& value) { About_ = value; }
  bool Transparent() const { return Transparent_; }
  // Recreates the window, when there is one.
  void SetTransparent(bool value);
  bool Flat() const { return Flat_; }
  void SetFlat(bool value);
  TMVWCustomImageList* ImageList() const { return ImageLink_.ImageList(); }
  void SetImageList(TMVWCustomImageList* list) { ImageLink_.SetImageList(list); }
  int ImageIndex() const { return ImageLink_.ImageIndex(); }
  void SetImageIndex(int value) { SetIndexProperty(0, value); }
  int ListIndex() const { return ImageLink_.ListIndex(); }
  void SetListIndex(int value) { SetIndexProperty(1, value); }
  // 0 ImageIndex, 1 ListIndex.
  void SetIndexProperty(int index, int value) { ImageLink_.SetIndexProperty(index, value); }
  bool ImageEmpty() const { return ImageLink_.ImageEmpty(); }
  // "Internal" of form data: the signature of a global image list.
  std::string InternalListRef() const { return ImageLink_.InternalRef(); }
  void SetInternalListRef(const std::string& text) { ImageLink_.SetInternalRef(text); }
  TMVWBitmapEffectObject& BackFX() const { return *BackFX_; }
  void SetBackFX(const TMVWBitmapEffectObject& value) { BackFX_->Assign(value); }
  bool BackFXPass() const { return BackFXPass_; }
  void SetBackFXPass(bool value);
  // Allows theme drawing.
  bool CtlXP() const { return CtlXP_; }
  void SetCtlXP(bool value);
  bool MouseAbove() const { return MouseAbove_; }
  bool HasFocus() const { return HasFocus_; }
  // The visual-styles library has just painted the parent's background under the control.
  bool ThemeBackDrawn() const { return ThemeBackDrawn_; }
  bool RepaintOnChildChange() const { return RepaintOnChildChange_; }
  void SetRepaintOnChildChange(bool value) { RepaintOnChildChange_ = value; }

  // Invalidates and tells the child controls.
  virtual void ThemeChanged();
  virtual bool CanUseThemeBack() { return true; }
  virtual bool UsesThemes() { return false; }
  virtual bool ThemedTransparent();
  virtual void BackFXPassChanged() {}
  virtual void FlatChanged() {}
  virtual bool BackFromParent() { return Transparent_ && HasBackImage(); }
  virtual void PaintBackground();
  virtual void ChildChanged();
  virtual bool IsReadOnlyLook() { return false; }
  virtual void ImageListChanged() { ChildChanged(); }
  virtual void DoMouseEnter();
  virtual void DoMouseExit();
  virtual TBitmap* GetBackBitmap() { return nullptr; }
  virtual bool HasBackImage() { return false; }
  // Paints the parent's background under rect (origin: where rect's corner lies in it); true
  // when it painted.
  virtual bool PaintParentBack(TCanvas& canvas, const RECT& rect, int flags, POINT origin);
  virtual POINT MapBackOrigin(POINT point) { return point; }
  virtual HPALETTE BackPalette();
  // The frame while neither focused nor under the mouse.
  virtual void PaintFlatBorder();
  // The frame while focused or under the mouse.
  virtual void PaintSunkenBorder();
  // The part state of the themed "EDIT" frame.
  virtual int GetThemeEditState();

  bool ThemedDrawing();
  // Visual styles wanted, active and allowed here, whether or not the class draws its frame
  // with them.
  bool ThemedLook();
  void FillBackRect(const RECT& rect);
  void PaintThemeFrame(TCanvas& canvas, const RECT& rect);
  // Index of the first component of owner, a form, that is a T; -1 when there is none.
  template <class T> static int IndexOfComponentClass(TComponent* owner) {
    if (!dynamic_cast<TForm*>(owner))
      return -1;
    for (int i = 0; i < owner->ComponentCount(); ++i)
      if (dynamic_cast<T*>(owner->Components(i)))
        return i;
    return -1;
  }

  void Loaded() override;
  void WndProc(TMessage& message) override;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;
  TNotifyEvent OnAfterEnter;
  TNotifyEvent OnAfterExit;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void DoEnter() override;
  void DoExit() override;

private:
  // Paints on the whole window, border included, when there is a window.
  template <class F> void PaintOnWindow(F paint);
  void RepaintNow();
  void EraseBackgroundMessage(TMessage& message);
  void BackChanged();

  TMVWAboutVar About_;
  TMVWImageLink ImageLink_;
  std::unique_ptr<TMVWBitmapEffectObject> BackFX_;
  bool Transparent_ = DefaultTransparent;
  bool Flat_ = DefaultFlat;
  bool BackFXPass_ = DefaultBackFXPass;
  bool CtlXP_ = DefaultCtlXP;
  bool MouseAbove_ = false;
  bool HasFocus_ = false;
  bool ThemeBackDrawn_ = false;
  bool RepaintOnChildChange_ = true;
};

// Makes the base known to form data.
void RegisterMVWCustomControl();

} // namespace marivo
