#include "widgets/foundation/MVWApplication.h"

#include "platform/rtl/FileNames.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/GdiHandles.h"
#include "platform/ui/Pictures.h"
#include "widgets/foundation/MVWMessages.h"
#include "widgets/foundation/MVWXPStyles.h"

#include <windows.h>

namespace marivo {

TMVWApplication* MVWApplication = nullptr;

namespace {

constexpr WORD CheckBoxesBitmap = 32759; // OBM_CHECKBOXES
constexpr DWORD ThemeNonClientAndControls = 3;

std::string ProgramFileName() {
  char buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return std::string(buffer, length);
}

// WM_THEMECHANGED to every windowed control below control, depth first in control order.
void SendThemeChanged(TWinControl& control) {
  for (int i = 0; i < control.ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(control.Controls(i));
    if (!child)
      continue;
    if (child->HandleAllocated())
      SendMessageA(child->Handle(), WM_THEMECHANGED, 0, 0);
    SendThemeChanged(*child);
  }
}

} // namespace

std::string MVWLogFileName(const std::string& name, TMVWPathPrefix kind) {
  std::string file = name.empty() ? ChangeFileExt(ProgramFileName(), ".LOG") : name;
  if (ExtractFileExt(file).empty())
    file += ".LOG";
  if (kind == ppFixed)
    return file;
  std::string folder;
  PathOfPrefix(kind, true, folder);
  return folder + ExtractFileName(file);
}

TMVWApplication::TMVWApplication(TComponent* owner)
    : TComponent(owner), IniCtrl_(std::make_unique<TMVWIniCtrl>(nullptr)) {
  const std::string mutexName = ExtractFileName(UpperCase(ProgramFileName()));
  Mutex_ = CreateMutexA(nullptr, FALSE, mutexName.c_str());
  SecondInstance_ = Mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
  TimerPool_ = std::make_unique<TMVWTimerPool>(nullptr, 50);
  LogFileName_ = MVWLogFileName("", LogPrefix_);
  LARGE_INTEGER frequency;
  if (QueryPerformanceFrequency(&frequency))
    PerformanceFrequency_ = frequency.QuadPart;
  if (const TBitmapHandle checkBoxes{LoadBitmapA(nullptr, MAKEINTRESOURCEA(CheckBoxesBitmap))}) {
    BITMAP size{};
    GetObjectA(checkBoxes.Get(), sizeof size, &size);
    CheckBoxWidth_ = size.bmWidth / 4;
    CheckBoxHeight_ = size.bmHeight / 3;
  }
}

TMVWApplication::~TMVWApplication() {
  TimerPool_.reset();
  if (Mutex_)
    CloseHandle(Mutex_);
}

bool TMVWApplication::ThemeActive() const {
  if (ThemeActiveSeam_)
    return *ThemeActiveSeam_;
  const TMVWXPStyles& styles = XPStyles();
  return styles.IsThemeActive && styles.IsThemeActive();
}

void TMVWApplication::SetThemes(bool value) {
  if (value == ThemesWanted_ || (value && !ThemeActive()))
    return;
  ThemesWanted_ = value;
  const TMVWXPStyles& styles = XPStyles();
  if (!styles.Loaded())
    return;
  if (styles.SetThemeAppProperties)
    styles.SetThemeAppProperties(value ? ThemeNonClientAndControls : 0);
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TForm& form = *Screen().Forms(i);
    if (!form.Visible())
      continue;
    TMessage message{CM_MVWTHEMECHANGED, 0, 0, 0};
    form.Broadcast(message);
    SendThemeChanged(form);
    if (form.HandleAllocated())
      SendMessageA(form.Handle(), WM_THEMECHANGED, 0, 0);
  }
}

void TMVWApplication::SetEditMode(std::uint8_t value) {
  if (!Store(EditMode_, value))
    return;
  if (TNotifyEvent handler = OnEditModeChange)
    handler(this);
}

std::uint16_t TMVWApplication::AddTimer(TMVWTimerInterval interval, TNotifyEvent handler) {
  return TimerSlots_.AddTimer(*TimerPool_, interval, std::move(handler));
}

TBitmap* TMVWApplication::PatternBitmap(TColor color) {
  // No bitmap yet is a miss whatever the colour, clNone included.
  if (Pattern_ && color == PatternColor_)
    return Pattern_.get();
  if (!Pattern_) {
    Pattern_ = std::make_unique<TBitmap>();
    Pattern_->SetSize(8, 8);
    Pattern_->Canvas().Brush().SetColor(clWhite);
    Pattern_->Canvas().FillRect(RECT{0, 0, 8, 8});
  }
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if ((x + y) % 2 == 1)
        Pattern_->SetPixels(x, y, color);
  PatternColor_ = color;
  return Pattern_.get();
}

} // namespace marivo
