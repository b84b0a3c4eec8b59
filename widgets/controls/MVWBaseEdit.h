#pragma once

#include "platform/ui/Controls.h"
#include "widgets/controls/MVWCustomBevelPanel.h"
#include "widgets/controls/portable/MVWEditModel.h"
#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWCaret.h"

#include <cstdint>
#include <memory>
#include <string>

namespace marivo {

// The captions of the edit's own context menu.
inline constexpr const char* SMVWEditUndo = "&Undo";
inline constexpr const char* SMVWEditCut = "&Cut";
inline constexpr const char* SMVWEditCopy = "&Copy";
inline constexpr const char* SMVWEditPaste = "&Insert";
inline constexpr const char* SMVWEditDelete = "&Delete";
inline constexpr const char* SMVWEditSelectAll = "Select all";

// The self-drawn single-line edit: the text model of TMVWEditModel in a window that answers the
// platform edit's messages, draws its text with 3D effects through a back buffer while focused,
// scrolls to keep the caret in sight, drags the selection with the mouse and offers a context
// menu. The display text, the caret placement and the hit test come from TMVWCustomEdit.
class TMVWBaseEdit : public TMVWCustomBevelPanel, public TMVWEditModel, protected IMVWEditView {
public:
  static constexpr TColor DefaultHighlightText = static_cast<TColor>(0x8000000E);
  static constexpr TColor DefaultHighlightBack = static_cast<TColor>(0x8000000D);
  static constexpr TAlignment DefaultAlignment = taLeftJustify;
  static constexpr TColor DefaultColor = clWhite;
  static constexpr int DefaultHeight = 21;
  static constexpr TCursor DefaultCursor = crIBeam;
  static constexpr bool DefaultTabStop = true;

  explicit TMVWBaseEdit(TComponent* owner);
  ~TMVWBaseEdit() override;

  TMVWCaret& Caret() { return *Caret_; }
  void SetCaret(const TMVWCaret& value) { Caret_->Assign(value); }
  TMVW3DCaption& Font3D() { return *Font3D_; }
  void SetFont3D(const TMVW3DCaption& value);
  TAlignment Alignment() const { return Alignment_; }
  void SetAlignment(TAlignment value);
  TColor HighlightText() const { return HighlightText_; }
  void SetHighlightText(TColor value) { HighlightText_ = value; }
  TColor HighlightBack() const { return HighlightBack_; }
  void SetHighlightBack(TColor value) { HighlightBack_ = value; }
  void SetReadOnly(bool value) override;

  // The rectangles of the last layout, in client coordinates.
  const RECT& TextArea() const { return TextArea_; }
  const RECT& TextRect() const { return TextRect_; }
  int ScrollOffset() const { return ScrollOffset_; }
  bool SelectionHidden() const { return SelectionHidden_; }
  bool HasBackBuffer() const { return BackBuffer_ != nullptr; }

  // The text as shown.
  virtual std::string DisplayText() = 0;
  // The character position under client x (1-based).
  virtual int PosFromX(int x) = 0;
  // The height of a text in the font with the depth of its 3D style.
  int TextHeight(const std::string& text);
  // The drawn width of a text with the 3D font.
  int TextWidthFx(const std::string& text);
  // The width of a text in the font with the character spacing of the 3D font.
  int TextWidth(const std::string& text);

  void WndProc(TMessage& message) override;
  bool KeyDown(WORD& key, TShiftState shift) override;
  bool KeyUp(WORD& key, TShiftState shift) override;
  bool KeyPress(char& key) override;

protected:
  void RepaintText(int position) override = 0;
  void UpdateCaretPos() override = 0;
  void FocusNextControl() override;
  void DragStarted() override;
  void DragEnded() override;
  bool Loading() const override { return (ComponentState() & csLoading) != 0; }
  bool UsesThemes() override { return true; }
  bool CanUseThemeBack() override { return false; }
  bool IsReadOnlyLook() override { return ReadOnly(); }

  virtual void CalcTextRect();
  virtual void PrepareBackBuffer();
  virtual int LineFromY(int) { return 0; }
  virtual int CharFromX(int) { return 0; }
  virtual void AlignmentChanged() {}
  virtual void PaintBack(const RECT& rect);
  virtual bool RepaintOnExit();
  virtual bool RepaintOnEnter() { return false; }
  virtual void TextRectChanged() {}
  virtual void AdjustTextRect(RECT&) {}
  virtual RECT DeflateForBorder(const RECT& rect);
  // The font of the text changed: the caret takes its height again.
  virtual void FontChanged();

  void Paint() override;
  void Loaded() override;
  void PaintFlatBorder() override;
  using TMVWCustomBevelPanel::ChildChanged;
  void ChildChanged(TObject* sender) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

  // Draws the text with the selection into the back buffer, or straight on the window.
  void PaintText(const std::string& text);
  // Runs paint with a canvas on the window, or on the back buffer while it exists.
  template <class F> void OnSurface(F paint);
  void PlaceCaret(int x, int y);
  // x of the caret for the current position, from the text origin.
  int CaretX(int origin, int emptyX);
  // The left edge of the text for the alignment, and where an empty text puts the caret.
  void TextOrigin(const std::string& text, int& origin, int& emptyX);
  void SetScrollOffset(int value) { ScrollOffset_ = value; }
  TCanvas& SurfaceCanvas();

private:
  // The rectangles from the client area inwards.
  void LayOut();
  void FocusGained();
  void FocusLost();
  void RefreshModifiers();
  void ShowContextMenu(POINT at);
  void StartDragTimer();
  void StopDragTimer();
  void AnswerEditMessage(TMessage& message);

  std::unique_ptr<TMVWCaret> Caret_;
  std::unique_ptr<TMVW3DCaption> Font3D_;
  std::unique_ptr<TBitmap> BackBuffer_;
  TAlignment Alignment_ = DefaultAlignment;
  TColor HighlightText_ = DefaultHighlightText;
  TColor HighlightBack_ = DefaultHighlightBack;
  RECT ClientRectCopy_{};
  RECT TextArea_{};
  RECT TextRect_{};
  int ScrollOffset_ = 0;
  bool SelectionHidden_ = true;
  bool MouseIsDown_ = false;
  std::uint16_t DragTimer_ = 0; // 0: none
  LPARAM LastMouse_ = 0;
  TCursor SavedCursor_ = crDefault;
};

} // namespace marivo
