#pragma once

#include "platform/ui/Controls.h"

namespace marivo {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// A caption drawn on its parent's surface. CR, LF or CRLF in the caption break the line.
class TLabel : public TGraphicControl {
public:
  explicit TLabel(TComponent* owner);

  TAlignment Alignment() const { return Alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return Layout_; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return WordWrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return Transparent_; }
  void SetTransparent(bool value);
  // The label takes the size of its text; with WordWrap it keeps its width and grows in height.
  bool AutoSize() const { return AutoSize_; }
  void SetAutoSize(bool value);

  void WndProc(TMessage& message) override;

protected:
  void Paint() override;
  void Loaded() override;

private:
  void AdjustBounds();
  UINT TextFlags() const;
  // The rectangle the caption needs when drawn from (0, 0) within the given width.
  RECT MeasureText(HDC dc, int width);

  TAlignment Alignment_ = taLeftJustify;
  TTextLayout Layout_ = tlTop;
  bool WordWrap_ = false;
  bool Transparent_ = false;
  bool AutoSize_ = true;
};

void RegisterLabelClasses();

} // namespace marivo
