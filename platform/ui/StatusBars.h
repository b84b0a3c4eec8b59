#pragma once

#include "platform/rtl/Collections.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Panels.h"

#include <string>

namespace marivo {

class TStatusBar;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

// One field of a status bar.
class TStatusPanel : public TCollectionItem {
public:
  const std::string& Text() const { return Text_; }
  void SetText(const std::string& value);
  // Ignored for the last panel, which takes the rest of the bar.
  int Width() const { return Width_; }
  void SetWidth(int value);
  TAlignment Alignment() const { return Alignment_; }
  void SetAlignment(TAlignment value);
  TStatusPanelBevel Bevel() const { return Bevel_; }
  void SetBevel(TStatusPanelBevel value);

private:
  std::string Text_;
  int Width_ = 50;
  TAlignment Alignment_ = taLeftJustify;
  TStatusPanelBevel Bevel_ = pbLowered;
};

// The panels of a status bar; every change repaints the bar.
class TStatusPanels : public TCollection {
public:
  explicit TStatusPanels(TStatusBar& statusBar);
  TStatusPanel* Items(int index) const;
  TStatusPanel* Add();

protected:
  void Update(TCollectionItem*) override;

private:
  TStatusBar& StatusBar_;
};

// A bar along the bottom of a form showing a row of panels, or one simple text instead.
class TStatusBar : public TCustomControl {
public:
  explicit TStatusBar(TComponent* owner);

  TStatusPanels& Panels() { return Panels_; }
  bool SimplePanel() const { return SimplePanel_; }
  void SetSimplePanel(bool value);
  const std::string& SimpleText() const { return SimpleText_; }
  void SetSimpleText(const std::string& value);
  // The panel's rectangle in client coordinates, inside its bevel.
  RECT PanelRect(int index);

protected:
  void EraseBackground(HDC) override {}
  void Paint() override;
  void BoundsChanged() override;

private:
  TStatusPanels Panels_{*this};
  bool SimplePanel_ = false;
  std::string SimpleText_;
};

void RegisterStatusBarClasses();

} // namespace marivo
