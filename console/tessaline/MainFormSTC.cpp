#include "console/common/protocol/Protocol.h"
#include "console/common/rules/STCTool.h"
#include "console/tessaline/MainForm.h"
#include "platform/net/SystemError.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Application.h"

#include <windows.h>

#include <memory>

namespace marivo {

namespace {

// Small, obvious and major errors, by the number of their counting column.
constexpr const char* Kinds[3] = {"s", "o", "m"};
constexpr TColor ButtonColours[3] = {0x008000, 0x00FFFF, 0x0000FF};
constexpr TColor Flash = 0xC0C0C0;

// Rows of the referees' grid that are no element: the heading and the seven rows of its foot.
constexpr int RefereeRowsBesideElements = 8;

int ColumnOf(TObject* sender) {
  return static_cast<int>(dynamic_cast<TComponent&>(*sender).Tag());
}

bool IsCountingColumn(int n) {
  return n >= 1 && n <= 3;
}

struct THandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using TFileHandle = std::unique_ptr<void, THandleCloser>;

// Opened, appended and closed for each line, so the official may move or delete the file
// between two events; a new file starts with the heading.
void AppendToSTCLog(const std::string& fileName, const std::string& line) {
  const HANDLE handle =
      CreateFileA(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  const DWORD openResult = GetLastError();
  if (handle == INVALID_HANDLE_VALUE) {
    const std::string reason = SysErrorMessage(openResult);
    if (GetFileAttributesA(fileName.c_str()) != INVALID_FILE_ATTRIBUTES)
      throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
    throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
  }
  const TFileHandle file(handle);
  std::string bytes =
      openResult == ERROR_ALREADY_EXISTS ? std::string() : std::string(STCLogHeading);
  bytes += line;
  DWORD written = 0;
  if (!SetFilePointerEx(handle, LARGE_INTEGER{}, nullptr, FILE_END) ||
      !WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    throw EWriteError("Cannot write file \"" + fileName + "\". " + SysErrorMessage(GetLastError()));
}

} // namespace

std::string TMainForm::STCNumber() {
  return IntToStr(OwnNumberInKind());
}

void TMainForm::ShowSTCCounts() {
  for (int n = 1; n <= 3; ++n)
    STCCount(n).SetCaption(IntToStr(STCLabel(n).Tag()));
  ScoreEdit->SetCaption(STCTotalText(STCLabel(1).Tag(), STCLabel(2).Tag(), STCLabel(3).Tag()));
}

void TMainForm::STCButton1Click(TObject* Sender) {
  auto& flash = *TimerClick;
  // A press while a button still flashes is dropped: a touch screen reports bounces as presses.
  if (flash.Enabled())
    return;
  const int n = ColumnOf(Sender);
  if (!IsCountingColumn(n))
    return;
  flash.SetTag(n);
  TMVWSimpleLabel& count = STCLabel(n);
  count.SetTag(count.Tag() + 1);
  TMVWPanelFill& button = STCButton(n);
  button.SetColor(Flash);
  button.Repaint();
  flash.SetEnabled(true);
  ShowSTCCounts();
  // The event comes last: a log file that cannot be written shows its error once the count,
  // the flash and the total stand.
  AddSTCEvent(Kinds[n - 1], "add", STCClock->Caption(), STCNumber(), false);
}

void TMainForm::TimerClickTimer(TObject*) {
  auto& flash = *TimerClick;
  flash.SetEnabled(false);
  const int n = static_cast<int>(flash.Tag());
  if (!IsCountingColumn(n))
    return;
  TMVWPanelFill& button = STCButton(n);
  button.SetColor(ButtonColours[n - 1]);
  button.Repaint();
}

void TMainForm::STCSubtract1Click(TObject* Sender) {
  const int n = ColumnOf(Sender);
  if (!IsCountingColumn(n))
    return;
  TMVWSimpleLabel& count = STCLabel(n);
  if (count.Tag() <= 0)
    return;
  count.SetTag(count.Tag() - 1);
  const std::string time = STCClock->Caption();
  AddSTCEvent(Kinds[n - 1], "subtract", time, STCNumber(), false);
  // A major error taken back was an obvious one after all.
  if (n == 3) {
    AddSTCEvent("o", "add", time, STCNumber(), false);
    TMVWSimpleLabel& obvious = STCLabel(2);
    obvious.SetTag(obvious.Tag() + 1);
  }
  ShowSTCCounts();
}

void TMainForm::ClearSTCEvents() {
  STCLog->Lines().Clear();
  auto& events = *GridSTC;
  events.SetRowCount(2);
  for (int col = 0; col < events.ColCount(); ++col)
    events.SetCells(col, 1, "");
}

void TMainForm::STCClearButtonClick(TObject*) {
  TimerRoutine->SetEnabled(false);
  ClockOffset = 0;
  for (int n = 1; n <= 3; ++n)
    STCLabel(n).SetTag(0);
  ShowSTCCounts();
  STCClock->SetCaption("0:00.0");
  STCClockLabel->SetCaption("Time");
  ClearSTCEvents();
}

void TMainForm::STCStartStopClick(TObject*) {
  auto& routine = *TimerRoutine;
  routine.SetEnabled(!routine.Enabled());
  if (!routine.Enabled())
    return;
  RoutineStartTime = Clock();
  ClockOffset = 0;
  STCClockLabel->SetCaption("Time");
  SendFrame("ST", FloatToStr(RoutineStartTime) + DC2);
}

void TMainForm::FollowRoutineClock(double start) {
  RoutineStartTime = start;
  // Both computers' clocks may differ: this one counts from the moment the start arrived.
  ClockOffset = Clock() - start;
  STCClockLabel->SetCaption(ClockOffsetText(ClockOffset));
  TimerRoutine->SetEnabled(true);
}

void TMainForm::TimerRoutineTimer(TObject*) {
  auto& clock = *STCClock;
  const std::string second = Copy(clock.Caption(), 4, 2);
  clock.SetCaption(RoutineClockText(Clock() - RoutineStartTime - ClockOffset));
  if (Copy(clock.Caption(), 4, 2) == second)
    return;
  if (Page() == DATCPage)
    MarkElementRows(*GridDATC, GridDATC->RowCount() - 1);
  else if (Page() == RefereePage)
    MarkElementRows(*GridReferee, GridReferee->RowCount() - RefereeRowsBesideElements);
}

void TMainForm::MarkElementRows(TStringGrid& grid, int elementRows) {
  std::vector<std::string> timings;
  for (int row = 0; row < grid.RowCount(); ++row)
    timings.push_back(grid.Cells(0, row));
  const std::vector<std::string> marked =
      MarkPassedElements(timings, elementRows, TimeTextToTenths(STCClock->Caption()));
  for (int row = 0; row < grid.RowCount(); ++row)
    grid.SetCells(0, row, marked[static_cast<std::size_t>(row)]);
}

void TMainForm::AddSTCEvent(const std::string& kind, const std::string& action,
                            const std::string& time, const std::string& stcNumber,
                            bool fromServer) {
  auto& memo = STCLog->Lines();
  if (!TimerRoutine->Enabled()) {
    // Counted outside a routine: kept here with the time of day, for nobody else.
    memo.Add(stcNumber + '\t' + kind + '\t' + RoutineClockText(Clock()) + '\t' + action);
    return;
  }
  memo.Add(stcNumber + '\t' + kind + '\t' + time + '\t' + action);
  const bool major = kind == "m" && action == "add";
  if (major) {
    auto& events = *GridSTC;
    if (!events.Cells(3, 1).empty())
      events.SetRowCount(events.RowCount() + 1);
    const int last = events.RowCount() - 1;
    events.SetCells(0, last, "");
    events.SetCells(1, last, time);
    events.SetCells(2, last, stcNumber);
    events.SetCells(3, last, kind);
    events.SetRow(last);
  }
  if (!fromServer)
    SendFrame("SP", kind + DC2 + time + DC3 + action + DC4);
  // The file goes last, so an error with it loses neither the list's row nor the server's copy.
  if (major && EnableSTCLog->Checked()) {
    try {
      AppendToSTCLog(STCLogFileName, STCLogLine(Clock(), LabelEvent->Caption(),
                                                LabelStart->Caption(), stcNumber, time));
    } catch (const Exception& error) {
      HandleApplicationException(error);
    }
  }
}

} // namespace marivo
