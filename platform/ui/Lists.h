#pragma once

#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrls.h"

namespace marivo {

// A platform list box showing Items, which live in the object and fill the window whenever it
// is made. OnClick runs when the user selects another item.
class TListBox : public TWinControl {
public:
  explicit TListBox(TComponent* owner);

  TStringList& Items() { return Items_; }
  // Items in case-insensitive order.
  bool Sorted() const { return Items_.Sorted(); }
  void SetSorted(bool value) { Items_.SetSorted(value); }
  // -1 when nothing is selected; an index outside the items selects nothing.
  int ItemIndex() const { return ItemIndex_; }
  void SetItemIndex(int value);
  // A floating list stands on the desktop above every window, Left and Top in screen
  // coordinates, framed, and is never activated: a drop-down under a control that keeps the
  // focus. Its Parent still gives it a font and closes it; the window is made again on a change.
  void SetFloating(bool value);
  // The height of one row in the list's font.
  int ItemHeight();

  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Loaded() override;

private:
  void FillWindow();

  TStringList Items_;
  int ItemIndex_ = -1;
  TControlBrush Brush_;
  bool Floating_ = false;
};

void RegisterListClasses();

} // namespace marivo
