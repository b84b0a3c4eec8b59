#include "widgets/controls/MVWLEDLabel.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Pictures.h"

namespace marivo {

TMVWLEDCustomLabel::TMVWLEDCustomLabel(TComponent* owner) : TMVWGraphicControl(owner) {
  MakeOpaque();
  SetColor(DefaultColor);
  LED_.SetBackgroundColor(clBlack);
  LED_.OnChange = [this](TObject* sender) { LEDChanged(sender); };
}

TMVWLEDCustomLabel::~TMVWLEDCustomLabel() {
  LED_.OnChange = nullptr;
}

void TMVWLEDCustomLabel::SetDigits(std::uint8_t value) {
  if (Shown_.SetDigits(value))
    LEDChanged(this);
}

void TMVWLEDCustomLabel::SetAutoSize(bool value) {
  if (Store(AutoSize_, value))
    LEDChanged(this);
}

void TMVWLEDCustomLabel::SetStyle(TMVWLEDStyle value) {
  if (Shown_.SetStyle(value))
    LEDChanged(this);
}

void TMVWLEDCustomLabel::SetValue(std::int32_t value) {
  if (Shown_.SetValue(value) && Shown_.Style() == lsInteger)
    RepaintControl();
}

std::string TMVWLEDCustomLabel::GetLEDText() {
  return Shown_.Text(Caption());
}

void TMVWLEDCustomLabel::LEDChanged(TObject*) {
  AdjustSize();
  Changed();
}

void TMVWLEDCustomLabel::AdjustSize() {
  if (!AutoSize_ || MVWControlLoading(*this))
    return;
  const SIZE size = LED_.TextExtent(GetLEDText(), BevelExtent());
  SetBounds(Left(), Top(), size.cx, size.cy);
}

void TMVWLEDCustomLabel::Loaded() {
  TMVWGraphicControl::Loaded();
  AdjustSize();
}

void TMVWLEDCustomLabel::WndProc(TMessage& message) {
  TMVWGraphicControl::WndProc(message);
  switch (message.Msg) {
  case CM_TEXTCHANGED:
    LEDChanged(this);
    break;
  case CM_COLORCHANGED:
    LED_.SetBackgroundColor(Color());
    break;
  }
}

void TMVWLEDCustomLabel::Paint() {
  if (MVWControlLoading(*this))
    return;
  const RECT inner = Bevel().PaintBevel(Canvas(), ClientRect(), Transparent());
  const int width = inner.right - inner.left;
  const int height = inner.bottom - inner.top;
  if (width <= 0 || height <= 0)
    return;
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(RECT{0, 0, width, height});
  LED_.SetBackgroundColor(Color());
  LED_.DrawText(&canvas, RECT{0, 0, width, height}, true, Enabled(), GetLEDText());
  if (Transparent()) {
    bitmap.SetTransparentColor(Color());
    bitmap.SetTransparent(true);
  }
  Canvas().Draw(inner.left, inner.top, bitmap);
}

void RegisterMVWLEDLabel() {
  RegisterPersistentClass<TMVWLEDCustomLabel, TMVWGraphicControl>("TMVWLEDCustomLabel");
  RegisterComponentClass<TMVWLEDLabel, TMVWLEDCustomLabel>("TMVWLEDLabel")
      .Class("LED", &TMVWLEDLabel::LED)
      .Class("Bevel", &TMVWLEDLabel::Bevel)
      .Event("OnMouseEnter", &TMVWLEDLabel::OnMouseEnter)
      .Event("OnMouseExit", &TMVWLEDLabel::OnMouseExit)
      .Integer("Digits", &TMVWLEDLabel::Digits, &TMVWLEDLabel::SetDigits,
               TMVWLEDValue::DefaultDigits)
      .Boolean("AutoSize", &TMVWLEDLabel::AutoSize, &TMVWLEDLabel::SetAutoSize,
               TMVWLEDLabel::DefaultAutoSize)
      .Enumeration("Style", {"lsString", "lsInteger"}, &TMVWLEDLabel::Style,
                   &TMVWLEDLabel::SetStyle, TMVWLEDValue::DefaultStyle)
      .Integer("Value", &TMVWLEDLabel::Value, &TMVWLEDLabel::SetValue, TMVWLEDValue::DefaultValue)
      .Integer("Color", ColorIdents(), &TControl::Color, &TControl::SetColor,
               TMVWLEDLabel::DefaultColor)
      .Boolean("Transparent", &TMVWLEDLabel::Transparent, &TMVWLEDLabel::SetTransparent, false);
}

} // namespace marivo
