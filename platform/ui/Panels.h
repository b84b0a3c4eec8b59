#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

namespace marivo {

// Scoped: the widget bevels use the same value names.
enum class TBevelCut { bvNone, bvLowered, bvRaised };

// Draws a bevel of the given width just inside rect and moves rect inside it.
void DrawBevel(HDC dc, RECT& rect, TBevelCut cut, int width);

// A surface other controls sit on, with a centred caption and bevelled edges.
class TPanel : public TCustomControl {
public:
  explicit TPanel(TComponent* owner);

  TAlignment Alignment() const { return Alignment_; }
  void SetAlignment(TAlignment value);
  TBevelCut BevelInner() const { return BevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return BevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return BevelWidth_; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return BorderWidth_; }
  void SetBorderWidth(int value);
  // bsNone or bsSingle: a single line drawn by the system around the client area.
  TFormBorderStyle BorderStyle() const { return BorderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);

  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  // Paint covers every pixel, so erasing first would only flicker.
  void EraseBackground(HDC) override {}
  void Paint() override;
  void BoundsChanged() override;

private:
  TAlignment Alignment_ = taCenter;
  TBevelCut BevelInner_ = TBevelCut::bvNone;
  TBevelCut BevelOuter_ = TBevelCut::bvRaised;
  int BevelWidth_ = 1;
  int BorderWidth_ = 0;
  TFormBorderStyle BorderStyle_ = bsNone;
};

void RegisterPanelClasses();

} // namespace marivo
