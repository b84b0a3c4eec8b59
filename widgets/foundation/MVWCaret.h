#pragma once

#include "platform/ui/GdiHandles.h"
#include "platform/ui/Pictures.h"
#include "widgets/foundation/portable/MVWBase.h"
#include "widgets/foundation/portable/MVWBaseContainer.h"

#include <windows.h>

#include <array>
#include <cstdint>

namespace marivo {

class TWinControl;
class TMVWCustomImageList;

enum TMVWCaretStyles { csDefault, csBlock, csUnder, csOver, csBitmap, csUnderBlock };
// How Bitmap becomes a csBitmap caret: at its own size, or tiled or stretched to Width x Height.
enum TMVWCaretBitmap { cbBmpSize, cbTile, cbStretch };

// The text cursor of an edit: the system caret of the edit's window in one of six shapes, with a
// blink time of its own while it is shown. The thread has one system caret, so a caret acts on it
// (hides, restores the blink time, destroys) only while it is the one that made it; the system
// blink time is remembered once per process, before any caret changes it, and put back whenever
// the owning caret is hidden or destroyed and after the last caret.
class TMVWCaret : public TMVWObject {
public:
  static constexpr TMVWCaretStyles DefaultStyle = csDefault;
  static constexpr std::uint16_t DefaultWidth = 2;
  static constexpr std::uint16_t DefaultHeight = 10;
  static constexpr std::uint16_t DefaultIndex = 0;
  static constexpr TMVWCaretBitmap DefaultCaretBmpMode = cbBmpSize;

  explicit TMVWCaret(TWinControl* edit);
  ~TMVWCaret() override;
  TMVWCaret(const TMVWCaret&) = delete;
  TMVWCaret& operator=(const TMVWCaret&) = delete;

  // From another caret: blink rate, width, height and style; anything else is ignored.
  void Assign(const TPersistent& source) override;

  // Milliseconds; 0 stands for the system's own blink time.
  std::uint16_t BlinkRate() const { return BlinkRate_; }
  void SetBlinkRate(std::uint16_t value) { BlinkRate_ = value; }
  TMVWCaretStyles Style() const { return Style_; }
  void SetStyle(TMVWCaretStyles value) { Style_ = value; }
  std::uint16_t Width() const { return Width_; }
  void SetWidth(std::uint16_t value) { Width_ = value; }
  std::uint16_t Height() const { return Height_; }
  void SetHeight(std::uint16_t value) { Height_ = value; }
  // Kept with the form data; nothing draws them yet. The list is none once it was freed.
  TMVWCustomImageList* ImageList() const;
  void SetImageList(TMVWCustomImageList* value);
  std::uint16_t ImageIndex() const { return ImageIndex_; }
  void SetImageIndex(std::uint16_t value) { ImageIndex_ = value; }
  std::uint16_t ListIndex() const { return ListIndex_; }
  void SetListIndex(std::uint16_t value) { ListIndex_ = value; }
  TMVWCaretBitmap CaretBmpMode() const { return CaretBmpMode_; }
  void SetCaretBmpMode(TMVWCaretBitmap value) { CaretBmpMode_ = value; }
  TBitmap& Bitmap() { return Bitmap_; }
  void SetBitmap(const TBitmap& value) { Bitmap_.Assign(value); }
  // The height of the edit's text, the height of a csDefault caret.
  int FontHeight() const { return FontHeight_; }
  void SetFontHeight(int value) { FontHeight_ = value; }
  // Two position values the edit keeps here (index 0 or 1; others are ignored).
  int PosField(int index) const;
  void SetPosField(int index, int value);

  bool Shown() const { return Shown_; }
  // The picture the system caret of style csBitmap is made from; nullptr for the other styles.
  HBITMAP Picture() const { return Picture_.Get(); }
  // Makes the system caret of the edit's window in the current shape and sets the blink time.
  // Nothing while the edit has no window. Setters never remake the shape: the edit asks.
  void CreateCaretShape();
  // Shows the system caret, making the shape the first time.
  void Show();
  void Hide();
  void DestroyCaretShape();

  // Stream form of the Bitmap property: its BMP image after a 32-bit length.
  void ReadBitmapData(TStream& stream);
  void WriteBitmapData(TStream& stream);
  bool HasBitmapData() const { return !Bitmap_.Empty(); }

private:
  UINT OwnBlinkTime() const;
  HWND EditWindow() const;
  bool OwnsSystemCaret() const;
  // The picture of a csBitmap caret, kept until the system caret made from it is gone.
  HBITMAP MakePicture();
  void FreePicture();

  TWinControl* Edit_;
  TMVWCustomImageList* ImageList_ = nullptr;
  TMVWChangeLink Link_;
  std::uint16_t BlinkRate_;
  TMVWCaretStyles Style_ = DefaultStyle;
  std::uint16_t Width_ = DefaultWidth;
  std::uint16_t Height_ = DefaultHeight;
  std::uint16_t ImageIndex_ = DefaultIndex;
  std::uint16_t ListIndex_ = DefaultIndex;
  TMVWCaretBitmap CaretBmpMode_ = DefaultCaretBmpMode;
  TBitmap Bitmap_;
  int FontHeight_ = 0;
  std::array<int, 2> PosFields_{};
  TBitmapHandle Picture_;
  bool Shown_ = false;
  bool ShapeMade_ = false;
};

// Makes the caret known to form data; RegisterFoundationClasses calls it.
void RegisterMVWCaret();

} // namespace marivo
