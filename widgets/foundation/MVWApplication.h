#pragma once

#include "platform/ui/Graphics.h"
#include "widgets/foundation/MVWIniCtrl.h"
#include "widgets/foundation/MVWProcs.h"
#include "widgets/foundation/MVWTimerPool.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace marivo {

class TBitmap;

// The one object serving every widget of the process: theme state, the shared timer pool and its
// identifiers, the edit-key state, the checker pattern, the one-instance mutex.
class TMVWApplication : public TComponent {
public:
  explicit TMVWApplication(TComponent* owner = nullptr);
  ~TMVWApplication() override;

  // "UxTheme.dll" is bound and says a visual style is active.
  bool ThemeActive() const;
  // For tests: what ThemeActive answers instead of the library; nullopt asks the library again.
  void SetThemeActiveSeam(std::optional<bool> value) { ThemeActiveSeam_ = value; }
  bool UseThemes() const { return ThemesWanted_ && ThemeActive(); }
  void RefreshThemeState() { ThemesWanted_ = ThemeActive(); }
  // Switches the widgets' visual styles and tells every visible form's controls.
  void SetThemes(bool value);

  std::uint8_t Options() const { return Options_; }
  void SetOptions(std::uint8_t value) { Options_ = value; }
  // 0x02 Shift, 0x04 Ctrl, 0x08 Alt as an edit last saw them; 0x01 read by the edit.
  std::uint8_t EditMode() const { return EditMode_; }
  void SetEditMode(std::uint8_t value);
  TNotifyEvent OnEditModeChange;

  // An identifier 0xFD01..0xFDFA for a new widget timer, 0 when none is free.
  std::uint16_t AddTimer(TMVWTimerInterval interval, TNotifyEvent handler);
  TMVWTimerItem* FindTimer(std::uint16_t id) const { return TimerPool_->FindTimerItem(id); }
  void RemoveTimer(std::uint16_t id) { TimerSlots_.RemoveTimer(*TimerPool_, id); }
  TMVWTimerPool& TimerPool() const { return *TimerPool_; }

  // An 8 x 8 white bitmap with the pixels whose x + y is odd in color; drawn again only for a
  // new colour.
  TBitmap* PatternBitmap(TColor color);

  int CheckBoxWidth() const { return CheckBoxWidth_; }
  int CheckBoxHeight() const { return CheckBoxHeight_; }
  const std::string& LogFileName() const { return LogFileName_; }
  bool SecondInstance() const { return SecondInstance_; }
  std::int64_t PerformanceFrequency() const { return PerformanceFrequency_; }
  TMVWIniCtrl& IniCtrl() const { return *IniCtrl_; }

private:
  std::uint8_t Options_ = 0x36;
  std::unique_ptr<TMVWIniCtrl> IniCtrl_;
  std::uint8_t EditMode_ = 0x01;
  std::unique_ptr<TBitmap> Pattern_;
  TColor PatternColor_ = clNone;
  std::unique_ptr<TMVWTimerPool> TimerPool_;
  TMVWTimerSlots TimerSlots_;
  TMVWPathPrefix LogPrefix_ = ppProgram;
  std::string LogFileName_;
  HANDLE Mutex_ = nullptr;
  bool SecondInstance_ = false;
  std::int64_t PerformanceFrequency_ = 0;
  int CheckBoxWidth_ = 0;
  int CheckBoxHeight_ = 0;
  bool ThemesWanted_ = true;
  std::optional<bool> ThemeActiveSeam_;
};

// The log-file name: the program's name with ".LOG" when name is empty, ".LOG" added to a name
// without extension, in the folder of the kind unless it is ppFixed.
std::string MVWLogFileName(const std::string& name, TMVWPathPrefix kind);

// The global object, from the foundation's start-up to its shut-down.
extern TMVWApplication* MVWApplication;

} // namespace marivo
