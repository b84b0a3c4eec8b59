#pragma once

#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"

#include <vector>

namespace marivo {

// A frame with its caption at the top left, holding other controls.
class TGroupBox : public TCustomControl {
public:
  explicit TGroupBox(TComponent* owner);

  void WndProc(TMessage& message) override;

protected:
  void Paint() override;
  // The height of the caption's line, over which the frame's top edge runs.
  int CaptionHeight();
};

class TRadioGroupButton;

// A group box whose radio buttons are made from Items, laid out in Columns columns below the
// caption. OnChange and OnClick run when the official picks another item; an item with a CR
// shows on two lines.
class TRadioGroup : public TGroupBox {
public:
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;

  TStringList& Items() { return Items_; }
  // -1 for none. Set in code it is kept within -1..Count-1 and runs no OnChange.
  int ItemIndex() const { return ItemIndex_; }
  void SetItemIndex(int value);
  int Columns() const { return Columns_; }
  void SetColumns(int value);

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;

protected:
  void BoundsChanged() override;
  void Loaded() override;

private:
  friend class TRadioGroupButton;
  void ItemsChanged();
  void ArrangeButtons();
  void UpdateChecks();
  // The official picked the button at index, with the mouse or the keys.
  void Pick(int index);
  void PickNext(const TRadioGroupButton* from, int step);

  TStringList Items_;
  int ItemIndex_ = -1;
  int Columns_ = 1;
  std::vector<TRadioGroupButton*> Buttons_;
};

void RegisterGroupClasses();

} // namespace marivo
