#pragma once

namespace marivo {

class TMVWXPThemeManager;

// The widget foundation's start-up, one ordered list: system information, the visual-styles
// binding, the application object with its timer pool, the global theme manager. Held by the
// program before its forms exist; shut-down runs the list in reverse after the forms are gone.
class TMVWFoundation {
public:
  TMVWFoundation();
  ~TMVWFoundation();
  TMVWFoundation(const TMVWFoundation&) = delete;
  TMVWFoundation& operator=(const TMVWFoundation&) = delete;

private:
  void ShutDown();
  int Started_ = 0;
};

// The theme manager without owner: it has no window to hook, so it hears nothing.
extern TMVWXPThemeManager* MVWThemeManager;

// Makes the foundation's classes known to form data; the first call does it.
void RegisterFoundationClasses();

} // namespace marivo
