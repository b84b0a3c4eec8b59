#include "platform/ui/StatusBars.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <memory>

namespace marivo {

namespace {

// The bar's top edge, the gap between panels and the room beside a panel's text.
constexpr int kEdge = 2;

constexpr TBevelCut BevelCut(TStatusPanelBevel bevel) {
  switch (bevel) {
  case pbLowered:
    return TBevelCut::bvLowered;
  case pbRaised:
    return TBevelCut::bvRaised;
  default:
    return TBevelCut::bvNone;
  }
}

} // namespace

// --- TStatusPanel -----------------------------------------------------------------------------

void TStatusPanel::SetText(const std::string& value) {
  if (Store(Text_, value))
    Changed(false);
}

void TStatusPanel::SetWidth(int value) {
  if (value < 0)
    throw EInvalidOperation("A status panel's width must not be negative");
  if (Store(Width_, value))
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment value) {
  if (Store(Alignment_, value))
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
  if (Store(Bevel_, value))
    Changed(false);
}

// --- TStatusPanels ----------------------------------------------------------------------------

TStatusPanels::TStatusPanels(TStatusBar& statusBar)
    : TCollection(&statusBar, [] { return std::make_unique<TStatusPanel>(); }),
      StatusBar_(statusBar) {}

TStatusPanel* TStatusPanels::Items(int index) const {
  return static_cast<TStatusPanel*>(TCollection::Items(index));
}

TStatusPanel* TStatusPanels::Add() {
  return static_cast<TStatusPanel*>(TCollection::Add());
}

void TStatusPanels::Update(TCollectionItem*) {
  StatusBar_.Invalidate();
}

// --- TStatusBar -------------------------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 200, 19);
  SetAlign(alBottom);
}

void TStatusBar::SetSimplePanel(bool value) {
  if (Store(SimplePanel_, value))
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& value) {
  if (Store(SimpleText_, value) && SimplePanel_)
    Invalidate();
}

void TStatusBar::BoundsChanged() {
  // The last panel stretches with the bar.
  Invalidate();
}

RECT TStatusBar::PanelRect(int index) {
  const TStatusPanel* panel = Panels_.Items(index);
  int left = 0;
  for (int i = 0; i < index; ++i)
    left += Panels_.Items(i)->Width();
  const bool last = index == Panels_.Count() - 1;
  const int right = last ? ClientWidth() : left + panel->Width() - kEdge;
  return RECT{left, kEdge, std::max(left, right), ClientHeight()};
}

void TStatusBar::Paint() {
  const RECT client{0, 0, ClientWidth(), ClientHeight()};
  Canvas().Brush().SetColor(Color());
  Canvas().Brush().SetStyle(bsSolid);
  Canvas().FillRect(client);
  Canvas().Font().Assign(Font());
  Canvas().Brush().SetStyle(bsClear);
  static constexpr UINT kHorizontal[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  constexpr UINT kFlags = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  if (SimplePanel_) {
    RECT text{client.left + kEdge, kEdge, client.right - kEdge, client.bottom};
    Canvas().TextRect(text, SimpleText_, DT_LEFT | kFlags);
    return;
  }
  for (int i = 0; i < Panels_.Count(); ++i) {
    const TStatusPanel* panel = Panels_.Items(i);
    RECT rect = PanelRect(i);
    if (rect.left >= client.right)
      break;
    DrawBevel(Canvas().Handle(), rect, BevelCut(panel->Bevel()), 1);
    InflateRect(&rect, -kEdge, 0);
    Canvas().TextRect(rect, panel->Text(), kHorizontal[panel->Alignment()] | kFlags);
  }
}

void RegisterStatusBarClasses() {
  static const bool registered = [] {
    RegisterPersistentClass<TStatusPanel, TCollectionItem>("TStatusPanel")
        .Enumeration("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                     &TStatusPanel::Alignment, &TStatusPanel::SetAlignment, taLeftJustify)
        .Enumeration("Bevel", {"pbNone", "pbLowered", "pbRaised"}, &TStatusPanel::Bevel,
                     &TStatusPanel::SetBevel, pbLowered)
        .String("Text", &TStatusPanel::Text, &TStatusPanel::SetText, std::string())
        .Integer("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth, 50);
    RegisterComponentClass<TStatusBar, TCustomControl>("TStatusBar")
        .Enumeration("Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"},
                     &TControl::Align, &TControl::SetAlign, alBottom)
        .Integer("Width", &TControl::Width, &TControl::SetWidth, 200)
        .Integer("Height", &TControl::Height, &TControl::SetHeight, 19)
        .Collection("Panels", &TStatusBar::Panels)
        .Boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel, false)
        .String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText, std::string());
    return true;
  }();
  (void)registered;
}

} // namespace marivo
