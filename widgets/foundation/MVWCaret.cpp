#include "widgets/foundation/MVWCaret.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Controls.h"
#include "widgets/foundation/MVWBitmapStreams.h"
#include "widgets/foundation/MVWContainer.h"

#include <optional>

namespace marivo {

namespace {

// The system caret belongs to the thread and the blink time to the session; the widgets live on
// one thread, so one record serves.
struct TSystemCaret {
  const TMVWCaret* Owner = nullptr; // the caret that made the thread's system caret
  std::optional<UINT> BlinkTime;    // as found before any caret set its own
  int Carets = 0;
};

TSystemCaret& SystemCaret() {
  static TSystemCaret state;
  return state;
}

// 32 bits: "no blinking" is INFINITE, which a 16-bit rate cannot hold.
UINT SystemBlinkTime() {
  TSystemCaret& state = SystemCaret();
  if (!state.BlinkTime)
    state.BlinkTime = GetCaretBlinkTime();
  return *state.BlinkTime;
}

} // namespace

TMVWCaret::TMVWCaret(TWinControl* edit) : Edit_(edit) {
  const UINT system = SystemBlinkTime();
  BlinkRate_ = system <= 0xFFFF ? static_cast<std::uint16_t>(system) : 0;
  ++SystemCaret().Carets;
}

TMVWCaret::~TMVWCaret() {
  DestroyCaretShape();
  TSystemCaret& state = SystemCaret();
  if (state.Owner == this)
    state.Owner = nullptr;
  if (--state.Carets == 0)
    SetCaretBlinkTime(SystemBlinkTime());
}

void TMVWCaret::Assign(const TPersistent& source) {
  const auto* caret = dynamic_cast<const TMVWCaret*>(&source);
  if (caret == nullptr)
    return;
  BlinkRate_ = caret->BlinkRate_;
  Width_ = caret->Width_;
  Height_ = caret->Height_;
  Style_ = caret->Style_;
}

int TMVWCaret::PosField(int index) const {
  return index == 0 || index == 1 ? PosFields_[static_cast<std::size_t>(index)] : 0;
}

void TMVWCaret::SetPosField(int index, int value) {
  if (index == 0 || index == 1)
    PosFields_[static_cast<std::size_t>(index)] = value;
}

UINT TMVWCaret::OwnBlinkTime() const {
  return BlinkRate_ != 0 ? BlinkRate_ : SystemBlinkTime();
}

HWND TMVWCaret::EditWindow() const {
  return Edit_ != nullptr && Edit_->HandleAllocated() ? Edit_->Handle() : nullptr;
}

// Another window may have made a caret of its own since, which destroyed this one's.
bool TMVWCaret::OwnsSystemCaret() const {
  const HWND window = EditWindow();
  if (window == nullptr || SystemCaret().Owner != this)
    return false;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetCurrentThreadId(), &info) && info.hwndCaret == window;
}

void TMVWCaret::CreateCaretShape() {
  const HWND window = EditWindow();
  if (window == nullptr)
    return;
  HBITMAP picture = nullptr;
  int width = 0;
  int height = 0;
  switch (Style_) {
  case csDefault:
    width = 1;
    height = FontHeight_;
    break;
  case csBlock:
  case csUnderBlock:
    width = Width_;
    height = Height_;
    break;
  case csUnder:
  case csOver:
    width = Width_;
    height = 1;
    break;
  case csBitmap:
    // The system caret may be showing the old picture.
    DestroyCaretShape();
    picture = MakePicture();
    break;
  }
  if (!CreateCaret(window, picture, width, height))
    return;
  if (picture == nullptr)
    FreePicture(); // the caret it served is gone
  SystemCaret().Owner = this;
  ShapeMade_ = true;
  SetCaretBlinkTime(OwnBlinkTime());
}

void TMVWCaret::Show() {
  Shown_ = true;
  const HWND window = EditWindow();
  if (window == nullptr)
    return;
  if (!ShapeMade_)
    CreateCaretShape();
  if (!OwnsSystemCaret())
    return;
  SetCaretBlinkTime(OwnBlinkTime());
  ShowCaret(window);
}

void TMVWCaret::Hide() {
  Shown_ = false;
  if (!OwnsSystemCaret())
    return;
  HideCaret(EditWindow());
  SetCaretBlinkTime(SystemBlinkTime());
}

void TMVWCaret::DestroyCaretShape() {
  if (OwnsSystemCaret()) {
    SetCaretBlinkTime(SystemBlinkTime());
    DestroyCaret();
    SystemCaret().Owner = nullptr;
  }
  FreePicture();
}

// A picture of its own, not the bitmap's handle: a bitmap sits selected in its own memory DC,
// and Bitmap may be replaced while the caret shows.
HBITMAP TMVWCaret::MakePicture() {
  FreePicture();
  const bool ownSize = CaretBmpMode_ == cbBmpSize;
  const int width = ownSize ? Bitmap_.Width() : Width_;
  const int height = ownSize ? Bitmap_.Height() : Height_;
  if (width <= 0 || height <= 0)
    return nullptr;
  const TWindowDC screen(nullptr);
  Picture_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
  const TMemoryDC memory(CreateCompatibleDC(screen.Get()));
  if (!Picture_ || !memory) {
    Picture_.Reset();
    return nullptr;
  }
  const HDC dc = memory.Get();
  const TSelection selected(dc, Picture_.Get());
  PatBlt(dc, 0, 0, width, height, BLACKNESS);
  if (!Bitmap_.Empty()) {
    const HDC source = Bitmap_.Canvas().Handle();
    const int sourceWidth = Bitmap_.Width();
    const int sourceHeight = Bitmap_.Height();
    if (CaretBmpMode_ == cbTile) {
      for (int y = 0; y < height; y += sourceHeight)
        for (int x = 0; x < width; x += sourceWidth)
          BitBlt(dc, x, y, sourceWidth, sourceHeight, source, 0, 0, SRCCOPY);
    } else {
      // Whole pixels, not averaged ones: a caret inverts what lies under it.
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, 0, 0, width, height, source, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    }
  }
  return Picture_.Get();
}

void TMVWCaret::FreePicture() {
  Picture_.Reset();
}

TMVWCustomImageList* TMVWCaret::ImageList() const {
  return Link_.Sender() ? ImageList_ : nullptr;
}

void TMVWCaret::SetImageList(TMVWCustomImageList* value) {
  if (TMVWCustomImageList* old = ImageList())
    old->RemoveChangeLink(&Link_);
  ImageList_ = value;
  if (value)
    value->AddChangeLink(&Link_);
}

void TMVWCaret::ReadBitmapData(TStream& stream) {
  ReadBitmap(stream, Bitmap_, false);
}

void TMVWCaret::WriteBitmapData(TStream& stream) {
  WriteBitmap(stream, Bitmap_, false, MVWBitmapOwnFormat);
}

// BlinkRate has no default: a new caret takes the system's blink time.
void RegisterMVWCaret() {
  using T = TMVWCaret;
  RegisterPersistentClass<T, TMVWObject>("TMVWCaret")
      .Integer("BlinkRate", &T::BlinkRate, &T::SetBlinkRate)
      .Enumeration("Style",
                   {"csDefault", "csBlock", "csUnder", "csOver", "csBitmap", "csUnderBlock"},
                   &T::Style, &T::SetStyle, T::DefaultStyle)
      .Integer("Width", &T::Width, &T::SetWidth, T::DefaultWidth)
      .Integer("Height", &T::Height, &T::SetHeight, T::DefaultHeight)
      .Component("ImageList", &T::ImageList, &T::SetImageList)
      .Stored([](T& caret) { return !IsGlobalContainerList(caret.ImageList()); })
      .Integer("ImageIndex", &T::ImageIndex, &T::SetImageIndex, T::DefaultIndex)
      .Integer("ListIndex", &T::ListIndex, &T::SetListIndex, T::DefaultIndex)
      .Enumeration("CaretBmpMode", {"cbBmpSize", "cbTile", "cbStretch"}, &T::CaretBmpMode,
                   &T::SetCaretBmpMode, T::DefaultCaretBmpMode)
      .Binary("Bitmap", &T::ReadBitmapData, &T::WriteBitmapData, &T::HasBitmapData);
}

} // namespace marivo
