#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

namespace marivo {

class TScrollBox;

enum TScrollBarKind { sbHorizontal, sbVertical };

// One scroll bar of a scroll box. Its range is the extent of the box's children; the bar shows
// while that range exceeds the client area and Visible allows it.
class TControlScrollBar {
public:
  TControlScrollBar(TScrollBox& box, TScrollBarKind kind) : Box_(box), Kind_(kind) {}

  TScrollBarKind Kind() const { return Kind_; }
  int Position() const { return Position_; }
  // Clamped to the scrollable part; the children move by the difference.
  void SetPosition(int value);
  int Range() const { return Range_; }
  bool Visible() const { return Visible_; }
  void SetVisible(bool value);
  // Shown on the window now.
  bool IsScrollBarVisible() const;

private:
  friend class TScrollBox;
  int ClientSize() const;
  int MaxPosition() const;
  // Sets the position from a WM_HSCROLL / WM_VSCROLL code.
  void Scroll(int code);
  void Update();

  TScrollBox& Box_;
  TScrollBarKind Kind_;
  int Position_ = 0;
  int Range_ = 0;
  bool Visible_ = true;
  int Increment_ = 8; // the step of a click on an arrow
};

// A container whose children may stand beyond its client area, reached with scroll bars.
class TScrollBox : public TWinControl {
public:
  explicit TScrollBox(TComponent* owner);

  TControlScrollBar& HorzScrollBar() { return HorzScrollBar_; }
  TControlScrollBar& VertScrollBar() { return VertScrollBar_; }
  // bsNone or bsSingle (a sunken client edge).
  TFormBorderStyle BorderStyle() const { return BorderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);

  // Measures the children again and sets the bars; a position beyond the new range comes back.
  void UpdateScrollBars();

  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Resized() override;
  void Loaded() override;

private:
  friend class TControlScrollBar;
  void ScrollBy(int dx, int dy);

  TControlScrollBar HorzScrollBar_{*this, sbHorizontal};
  TControlScrollBar VertScrollBar_{*this, sbVertical};
  TFormBorderStyle BorderStyle_ = bsSingle;
  bool Updating_ = false;
};

} // namespace marivo
