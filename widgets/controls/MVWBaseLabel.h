#pragma once

#include "widgets/controls/MVWBaseGraphicControl.h"
#include "widgets/controls/portable/MVWLabelFlags.h"
#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWGlyphTextLayout.h"

#include <cstdint>
#include <string>

namespace marivo {

// A CM_DIALOGCHAR for the accelerator of an enabled label's caption moves the focus to
// focusControl and is answered; false when it is not the label's.
bool FocusByAccel(TControl& label, TWinControl* focusControl, TMessage& message);

// The labels' common ground: nine alignments, sizing to the text, an accelerator that focuses
// FocusControl, text trimming and blinking on the application's timer pool.
class TMVWBaseLabel : public TMVWBaseGraphicControl {
public:
  static constexpr TColor DefaultTwinkleColor = clNone;
  static constexpr int DefaultTwinkleInVisible = 700;
  static constexpr int DefaultTwinkleVisible = 700;
  static constexpr bool DefaultTwinkle = false;
  static constexpr TMVWAlignment DefaultAlignment = agTopLeft;
  static constexpr bool DefaultAutoSize = true;
  static constexpr bool DefaultMultiLine = false;
  static constexpr bool DefaultShowAccelChar = true;
  static constexpr TMVWLabelOptions DefaultOptions = 0;

  explicit TMVWBaseLabel(TComponent* owner);
  ~TMVWBaseLabel() override;

  TMVWAlignment Alignment() const { return Alignment_; }
  void SetAlignment(TMVWAlignment value);
  bool AutoSize() const { return AutoSize_; }
  void SetAutoSize(bool value);
  bool MultiLine() const { return MultiLine_; }
  void SetMultiLine(bool value);
  bool ShowAccelChar() const { return ShowAccelChar_; }
  void SetShowAccelChar(bool value);
  TMVWLabelOptions Options() const { return Options_; }
  void SetOptions(TMVWLabelOptions value);
  TWinControl* FocusControl() const { return FocusControl_; }
  void SetFocusControl(TWinControl* value);

  bool Twinkle() const { return Twinkle_; }
  // EOutOfResources "Not enough timers available" when the pool has no free timer.
  void SetTwinkle(bool value);
  // Milliseconds; a running blink takes a new length at its next phase.
  int TwinkleVisible() const { return TwinkleVisible_; }
  void SetTwinkleVisible(int value) { TwinkleVisible_ = value; }
  int TwinkleInVisible() const { return TwinkleInVisible_; }
  void SetTwinkleInVisible(int value) { TwinkleInVisible_ = value; }
  // clNone hides the text in the hidden phase.
  TColor TwinkleColor() const { return TwinkleColor_; }
  void SetTwinkleColor(TColor value);
  bool TwinkleShown() const { return TwinkleShown_; }
  // 0 while not blinking.
  std::uint16_t TwinkleTimer() const { return TimerId_; }

  virtual std::string GetLabelText() { return Caption(); }
  void WndProc(TMessage& message) override;

protected:
  virtual void FontChanged(TObject* sender);
  virtual void AdjustBounds() {}
  void Changed() override;
  bool CanPaintBack() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  TMVWLabelTextLook TextLook() const;
  // The label's text with style in rect, placed first for the alignment when flags ask, in
  // the colour of the blink phase (nothing while hidden without TwinkleColor).
  void DrawLabelText(const std::string& text, TMVW3DCaption* style, const RECT* clip,
                     std::uint8_t state, const TMVWLabelTextFlags& flags, RECT rect);
  // Set while painting, so that a repaint asked for meanwhile is dropped.
  bool Painting_ = false;

private:
  void TwinkleTick(TObject* sender);
  void StopTwinkle();

  TMVWAlignment Alignment_ = DefaultAlignment;
  bool AutoSize_ = DefaultAutoSize;
  bool MultiLine_ = DefaultMultiLine;
  bool ShowAccelChar_ = DefaultShowAccelChar;
  TMVWLabelOptions Options_ = DefaultOptions;
  TWinControl* FocusControl_ = nullptr;
  bool Twinkle_ = DefaultTwinkle;
  int TwinkleVisible_ = DefaultTwinkleVisible;
  int TwinkleInVisible_ = DefaultTwinkleInVisible;
  TColor TwinkleColor_ = DefaultTwinkleColor;
  bool TwinkleShown_ = true;
  std::uint16_t TimerId_ = 0;
};

// Clears the painting flag on every way out of a paint.
class TPaintingMark {
public:
  explicit TPaintingMark(bool& flag) : Flag_(flag) { Flag_ = true; }
  ~TPaintingMark() { Flag_ = false; }
  TPaintingMark(const TPaintingMark&) = delete;
  TPaintingMark& operator=(const TPaintingMark&) = delete;

private:
  bool& Flag_;
};

// The names form data uses for the label enumerations.
const std::vector<std::string>& LabelOptionNames();

// Makes the base known to form data.
void RegisterMVWBaseLabel();

} // namespace marivo
