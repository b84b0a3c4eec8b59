#include "widgets/foundation/MVWApplication.h"

#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Panels.h"
#include "platform/ui/Pictures.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"
#include "widgets/foundation/MVWFoundation.h"
#include "widgets/foundation/MVWMessages.h"
#include "widgets/foundation/MVWOneInstance.h"
#include "widgets/foundation/MVWSysIn.h"
#include "widgets/foundation/MVWWndProcComponent.h"
#include "widgets/foundation/MVWXPStyles.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace marivo {
namespace {

using test::TMessageRecorder;
using test::TRecording;

TEST(MVWApplication, ServicesAndDefaults) {
  TMVWApplication application;
  EXPECT_EQ(application.Options(), 0x36);
  EXPECT_EQ(application.EditMode(), 0x01);
  EXPECT_GT(application.CheckBoxWidth(), 0);
  EXPECT_GT(application.CheckBoxHeight(), 0);
  EXPECT_GT(application.PerformanceFrequency(), 0);
  EXPECT_GT(ScreenColorDepth(), 8);
  EXPECT_NE(GetNetUserName(), "");
  std::string folder;
  PathOfPrefix(ppProgram, true, folder);
  EXPECT_EQ(UpperCase(application.LogFileName()),
            UpperCase(folder + "test_widgets_foundation.LOG"));
  EXPECT_EQ(application.IniCtrl().MaxEntries(), 16);

  int changes = 0;
  application.OnEditModeChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &application);
    ++changes;
  };
  application.SetEditMode(0x01);
  application.SetEditMode(0x05);
  application.SetEditMode(0x05);
  EXPECT_EQ(changes, 1);
}

TEST(MVWApplication, LogFileNames) {
  std::string windows;
  PathOfPrefix(ppWindows, true, windows);
  EXPECT_EQ(MVWLogFileName("C:\\Logs\\run", ppFixed), "C:\\Logs\\run.LOG");
  EXPECT_EQ(MVWLogFileName("C:\\Logs\\run.txt", ppFixed), "C:\\Logs\\run.txt");
  EXPECT_EQ(MVWLogFileName("C:\\Logs\\run.txt", ppWindows), windows + "run.txt");
}

TEST(MVWApplication, SecondInstanceSeesTheMutex) {
  TMVWApplication first;
  TMVWApplication second;
  EXPECT_TRUE(second.SecondInstance());
}

TEST(MVWApplication, WidgetTimersRunOnThePool) {
  TApplication program;
  TMVWApplication application;
  int fired = 0;
  const std::uint16_t id = application.AddTimer(100, [&](TObject*) { ++fired; });
  ASSERT_EQ(id, 0xFD01);
  EXPECT_TRUE(application.TimerPool().Active());
  EXPECT_NE(application.TimerPool().Window(), nullptr);
  EXPECT_TRUE(test::PumpUntil([&] { return fired >= 3; }));
  application.FindTimer(id)->SetEnabled(false);
  const int stopped = fired;
  application.RemoveTimer(id);
  EXPECT_EQ(application.FindTimer(id), nullptr);
  EXPECT_FALSE(application.TimerPool().Active());
  EXPECT_GE(fired, stopped);
}

TEST(MVWApplication, HandlerErrorsGoToTheErrorBoxAndThePoolRunsOn) {
  TApplication program;
  TMVWApplication application;
  std::vector<std::string> boxes;
  const TMessageBoxHandler previous =
      SetMessageBoxHandler([&](const std::string& text, const std::string&, unsigned) {
        boxes.push_back(text);
        return IDOK;
      });
  int fired = 0;
  application.AddTimer(50, [&](TObject*) {
    if (++fired == 1)
      throw std::runtime_error("handler failed");
  });
  EXPECT_TRUE(test::PumpUntil([&] { return fired >= 3; }));
  SetMessageBoxHandler(previous);
  EXPECT_EQ(boxes, std::vector<std::string>{"handler failed"});
}

TEST(MVWApplication, PatternBitmapIsACheckerDrawnOncePerColour) {
  TMVWApplication application;
  TBitmap* none = application.PatternBitmap(clNone);
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(none->Width(), 8);
  TBitmap* red = application.PatternBitmap(clRed);
  EXPECT_EQ(red, none);
  for (const POINT p : {POINT{0, 0}, POINT{1, 1}, POINT{7, 7}})
    EXPECT_EQ(red->Pixels(p.x, p.y), clWhite);
  for (const POINT p : {POINT{1, 0}, POINT{0, 1}, POINT{7, 6}})
    EXPECT_EQ(red->Pixels(p.x, p.y), clRed);
  red->SetPixels(1, 0, clBlue);
  application.PatternBitmap(clRed);
  EXPECT_EQ(red->Pixels(1, 0), clBlue); // the same colour is not drawn again
  application.PatternBitmap(clBtnFace);
  EXPECT_EQ(static_cast<COLORREF>(red->Pixels(1, 0)), ColorToRGB(clBtnFace));
}

TEST(MVWApplication, SetThemesTellsTheVisibleForms) {
  BindXPStyles();
  TMessageRecorder recorder;
  auto* shown = new TRecording<TForm>(nullptr, recorder, "Shown");
  auto* panel = new TRecording<TPanel>(shown, recorder, "Panel");
  panel->SetParent(shown);
  auto* inner = new TRecording<TPanel>(shown, recorder, "Inner");
  inner->SetParent(panel);
  auto* graphic = new TRecording<TGraphicControl>(shown, recorder, "Graphic");
  graphic->SetParent(shown);
  auto* hidden = new TRecording<TForm>(nullptr, recorder, "Hidden");
  auto* hiddenPanel = new TRecording<TPanel>(hidden, recorder, "HiddenPanel");
  hiddenPanel->SetParent(hidden);
  shown->Show();
  hidden->HandleNeeded();

  TMVWApplication application;
  application.SetThemeActiveSeam(true);
  recorder.Clear();
  application.SetThemes(true); // already wanted
  EXPECT_TRUE(recorder.Receivers(CM_MVWTHEMECHANGED).empty());
  application.SetThemes(false);
  EXPECT_EQ(recorder.Receivers(CM_MVWTHEMECHANGED), (std::vector<std::string>{"Panel", "Graphic"}));
  EXPECT_EQ(recorder.Receivers(WM_THEMECHANGED),
            (std::vector<std::string>{"Panel", "Inner", "Shown"}));
  EXPECT_FALSE(application.UseThemes());

  recorder.Clear();
  application.SetThemeActiveSeam(false);
  application.SetThemes(true); // no active style: refused
  EXPECT_TRUE(recorder.Receivers(CM_MVWTHEMECHANGED).empty());
  application.SetThemeActiveSeam(true);
  application.SetThemes(true);
  EXPECT_EQ(recorder.Receivers(CM_MVWTHEMECHANGED).size(), 2u);
  EXPECT_TRUE(application.UseThemes());

  recorder.Clear();
  UnbindXPStyles(); // the flag changes, but nothing is sent without the library
  application.SetThemes(false);
  EXPECT_TRUE(recorder.Receivers(CM_MVWTHEMECHANGED).empty());
  delete hidden;
  delete shown;
}

TEST(MVWApplication, ThemeManagerSwitchesThemesOffAndOn) {
  TMVWFoundation foundation;
  MVWApplication->SetThemeActiveSeam(true);
  TMessageRecorder recorder;
  auto* form = new TRecording<TForm>(nullptr, recorder, "Form");
  auto* panel = new TRecording<TPanel>(form, recorder, "Panel");
  panel->SetParent(form);
  auto* manager = new TMVWXPThemeManager(form);
  form->Show();
  ASSERT_TRUE(manager->HookWndProc());
  recorder.Clear();
  SendMessageA(form->Handle(), WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(recorder.Receivers(CM_MVWTHEMECHANGED), (std::vector<std::string>{"Panel", "Panel"}));
  EXPECT_TRUE(MVWApplication->UseThemes());
  delete form;
}

} // namespace
} // namespace marivo
