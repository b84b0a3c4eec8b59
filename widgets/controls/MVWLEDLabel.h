#pragma once

#include "widgets/controls/MVWGraphicControl.h"
#include "widgets/controls/MVWLED.h"
#include "widgets/controls/portable/MVWLEDCells.h"

#include <cstdint>
#include <string>

namespace marivo {

// A row of LED characters showing the caption or a number; sized to its cells on request.
class TMVWLEDCustomLabel : public TMVWGraphicControl {
public:
  static constexpr bool DefaultAutoSize = false;
  static constexpr TColor DefaultColor = clBlack;

  explicit TMVWLEDCustomLabel(TComponent* owner);
  ~TMVWLEDCustomLabel() override;

  TMVWLED& LED() { return LED_; }
  void SetLED(const TMVWLED& value) { LED_.Assign(value); }
  std::uint8_t Digits() const { return Shown_.Digits(); }
  // 0 is ignored.
  void SetDigits(std::uint8_t value);
  bool AutoSize() const { return AutoSize_; }
  void SetAutoSize(bool value);
  TMVWLEDStyle Style() const { return Shown_.Style(); }
  void SetStyle(TMVWLEDStyle value);
  std::int32_t Value() const { return Shown_.Value(); }
  // A number in lsInteger style shows at once.
  void SetValue(std::int32_t value);

  virtual std::string GetLEDText();
  void WndProc(TMessage& message) override;

protected:
  void Paint() override;
  void Loaded() override;
  void AdjustSize();

private:
  void LEDChanged(TObject* sender);

  TMVWLED LED_;
  TMVWLEDValue Shown_;
  bool AutoSize_ = DefaultAutoSize;
};

class TMVWLEDLabel : public TMVWLEDCustomLabel {
public:
  using TMVWLEDCustomLabel::TMVWLEDCustomLabel;
};

void RegisterMVWLEDLabel();

} // namespace marivo
