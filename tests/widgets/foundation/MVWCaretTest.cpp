#include "widgets/foundation/MVWCaret.h"
#include "widgets/foundation/MVWImageList.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Panels.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace marivo {
namespace {

// A windowed control owning a caret, as the edit does.
class TCaretHost : public TPanel {
public:
  explicit TCaretHost(TComponent* owner) : TPanel(owner), Caret(this) {}
  TMVWCaret& CaretObject() { return Caret; }
  TMVWCaret Caret;
};

// A form with two hosts whose windows exist.
struct TTwoHosts {
  TTwoHosts() {
    for (TCaretHost* host : {A, B}) {
      host->SetParent(&Form);
      host->SetBounds(10, host == A ? 10 : 50, 120, 30);
      host->HandleNeeded();
    }
  }
  TForm Form{nullptr};
  TCaretHost* A = new TCaretHost(&Form);
  TCaretHost* B = new TCaretHost(&Form);
};

GUITHREADINFO ThreadInfo() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(GetGUIThreadInfo(GetCurrentThreadId(), &info));
  return info;
}

SIZE CaretSize() {
  const RECT rect = ThreadInfo().rcCaret;
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void Paint(TBitmap& bitmap, int width, int height) {
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bitmap.SetPixels(x, y, (x + y) % 2 ? clWhite : clBlack);
}

TEST(MVWCaret, EachStyleGivesItsShapeAndBlinkTime) {
  const UINT system = GetCaretBlinkTime();
  struct TCase {
    TMVWCaretStyles Style;
    TMVWCaretBitmap Mode;
    int ExpectedWidth, ExpectedHeight;
  };
  // Width 6, Height 8, font height 17, a 7 x 9 bitmap.
  const TCase cases[] = {
      {csDefault, cbBmpSize, 1, 17}, {csBlock, cbBmpSize, 6, 8},  {csUnderBlock, cbBmpSize, 6, 8},
      {csUnder, cbBmpSize, 6, 1},    {csOver, cbBmpSize, 6, 1},   {csBitmap, cbBmpSize, 7, 9},
      {csBitmap, cbTile, 6, 8},      {csBitmap, cbStretch, 6, 8},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.Style) + " " + std::to_string(c.Mode));
    TTwoHosts hosts;
    TMVWCaret& caret = hosts.A->Caret;
    EXPECT_EQ(caret.BlinkRate(), system); // what the system had when the caret was made
    caret.SetStyle(c.Style);
    caret.SetCaretBmpMode(c.Mode);
    caret.SetWidth(6);
    caret.SetHeight(8);
    caret.SetFontHeight(17);
    Paint(caret.Bitmap(), 7, 9);
    caret.SetBlinkRate(530);
    EXPECT_EQ(ThreadInfo().hwndCaret, nullptr); // setters make nothing
    caret.Show();
    EXPECT_TRUE(caret.Shown());
    EXPECT_EQ(ThreadInfo().hwndCaret, hosts.A->Handle());
    EXPECT_EQ(CaretSize().cx, c.ExpectedWidth);
    EXPECT_EQ(CaretSize().cy, c.ExpectedHeight);
    EXPECT_EQ(GetCaretBlinkTime(), 530u);
    caret.Hide();
    EXPECT_FALSE(caret.Shown());
    EXPECT_EQ(GetCaretBlinkTime(), system);
    caret.Show();
    EXPECT_EQ(GetCaretBlinkTime(), 530u);
    caret.DestroyCaretShape();
    EXPECT_EQ(ThreadInfo().hwndCaret, nullptr);
    EXPECT_EQ(GetCaretBlinkTime(), system);
  }
}

COLORREF PixelOf(HBITMAP picture, int x, int y) {
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, picture);
  const COLORREF color = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return color;
}

TEST(MVWCaret, BitmapsAreTiledOrStretchedToTheCaretSize) {
  struct TCase {
    TMVWCaretBitmap Mode;
    COLORREF Row1, Row2, Row7;
  };
  // A 1 x 2 bitmap, white over black, on a 4 x 8 caret.
  const TCase cases[] = {{cbTile, 0x000000, 0xFFFFFF, 0x000000},
                         {cbStretch, 0xFFFFFF, 0xFFFFFF, 0x000000}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Mode);
    TTwoHosts hosts;
    TMVWCaret& caret = hosts.A->Caret;
    caret.SetStyle(csBitmap);
    caret.SetCaretBmpMode(c.Mode);
    caret.SetWidth(4);
    caret.SetHeight(8);
    caret.Bitmap().SetSize(1, 2);
    caret.Bitmap().SetPixels(0, 0, clWhite);
    caret.Bitmap().SetPixels(0, 1, clBlack);
    caret.CreateCaretShape();
    ASSERT_NE(caret.Picture(), nullptr);
    EXPECT_EQ(PixelOf(caret.Picture(), 0, 0), 0xFFFFFFu);
    EXPECT_EQ(PixelOf(caret.Picture(), 3, 1), c.Row1);
    EXPECT_EQ(PixelOf(caret.Picture(), 2, 2), c.Row2);
    EXPECT_EQ(PixelOf(caret.Picture(), 1, 7), c.Row7);
    caret.DestroyCaretShape();
    EXPECT_EQ(caret.Picture(), nullptr);
  }
}

TEST(MVWCaret, TheShapeFollowsOnlyWhenTheEditAsks) {
  const UINT system = GetCaretBlinkTime();
  TTwoHosts hosts;
  TMVWCaret& caret = hosts.A->Caret;
  caret.SetFontHeight(12);
  caret.SetBlinkRate(0); // the system's own
  caret.Show();
  EXPECT_EQ(CaretSize().cy, 12);
  EXPECT_EQ(GetCaretBlinkTime(), system);
  caret.SetFontHeight(30); // a bigger font
  caret.Show();
  EXPECT_EQ(CaretSize().cy, 12);
  caret.CreateCaretShape();
  EXPECT_EQ(CaretSize().cy, 30);
  // Bitmap to block and back: each shape replaces the last.
  caret.SetStyle(csBitmap);
  Paint(caret.Bitmap(), 4, 5);
  caret.CreateCaretShape();
  EXPECT_EQ(CaretSize().cx, 4);
  Paint(caret.Bitmap(), 9, 3); // a new picture while shown leaves the caret as it was
  EXPECT_EQ(CaretSize().cx, 4);
  caret.CreateCaretShape();
  EXPECT_EQ(CaretSize().cx, 9);
  caret.SetStyle(csBlock);
  caret.CreateCaretShape();
  EXPECT_EQ(CaretSize().cx, 2);
  EXPECT_EQ(CaretSize().cy, 10);
}

TEST(MVWCaret, WithoutAWindowNothingIsMade) {
  TForm form(nullptr);
  auto* host = new TCaretHost(&form);
  host->Caret.Show();
  EXPECT_TRUE(host->Caret.Shown());
  host->Caret.CreateCaretShape();
  EXPECT_EQ(ThreadInfo().hwndCaret, nullptr);
  EXPECT_FALSE(host->HandleAllocated());
}

TEST(MVWCaret, OnlyTheCaretThatOwnsTheSystemCaretTouchesIt) {
  const UINT system = GetCaretBlinkTime();
  {
    TTwoHosts hosts;
    hosts.A->Caret.SetBlinkRate(530);
    hosts.B->Caret.SetBlinkRate(300);
    hosts.A->Caret.Show();
    hosts.B->Caret.CreateCaretShape(); // focus moved to B
    hosts.B->Caret.Show();
    EXPECT_EQ(ThreadInfo().hwndCaret, hosts.B->Handle());
    EXPECT_EQ(GetCaretBlinkTime(), 300u);

    hosts.A->Caret.Hide();
    hosts.A->Caret.Show(); // A paints while unfocused
    hosts.A->Caret.DestroyCaretShape();
    EXPECT_EQ(ThreadInfo().hwndCaret, hosts.B->Handle());
    EXPECT_EQ(GetCaretBlinkTime(), 300u);
    {
      TMVWCaret passer(hosts.B); // a second caret for the same window, freed at once
    }
    EXPECT_EQ(ThreadInfo().hwndCaret, hosts.B->Handle());
    delete hosts.A; // freeing an unfocused edit
    EXPECT_EQ(ThreadInfo().hwndCaret, hosts.B->Handle());
    EXPECT_EQ(GetCaretBlinkTime(), 300u);

    // Hiding the owner gives every other window the system's blink time back.
    hosts.B->Caret.Hide();
    EXPECT_EQ(GetCaretBlinkTime(), system);
    hosts.B->Caret.Show();
    EXPECT_EQ(GetCaretBlinkTime(), 300u);
  }
  EXPECT_EQ(ThreadInfo().hwndCaret, nullptr);
  EXPECT_EQ(GetCaretBlinkTime(), system);
}

TEST(MVWCaret, ACaretTakenByAnotherWindowIsLeftToIt) {
  TTwoHosts hosts;
  TMVWCaret& caret = hosts.A->Caret;
  caret.SetBlinkRate(530);
  caret.Show();
  const HWND other = hosts.B->Handle();
  ASSERT_TRUE(CreateCaret(other, nullptr, 3, 7)); // a plain edit taking the focus
  caret.Hide();
  caret.DestroyCaretShape();
  EXPECT_EQ(ThreadInfo().hwndCaret, other);
  EXPECT_EQ(CaretSize().cx, 3);
  DestroyCaret();
}

TEST(MVWCaret, AssignCopiesFromCaretsOnly) {
  TMVWCaret source(nullptr);
  source.SetBlinkRate(530);
  source.SetWidth(5);
  source.SetHeight(14);
  source.SetStyle(csUnderBlock);
  source.SetCaretBmpMode(cbStretch);
  source.SetImageIndex(3);
  TMVWCaret target(nullptr);
  target.Assign(source);
  EXPECT_EQ(target.BlinkRate(), 530);
  EXPECT_EQ(target.Width(), 5);
  EXPECT_EQ(target.Height(), 14);
  EXPECT_EQ(target.Style(), csUnderBlock);
  EXPECT_EQ(target.CaretBmpMode(), cbBmpSize); // not part of a copy
  EXPECT_EQ(target.ImageIndex(), 0);

  TBitmap other;
  EXPECT_NO_THROW(target.Assign(other));
  EXPECT_EQ(target.Width(), 5);

  target.SetPosField(1, 1);
  target.SetPosField(2, 9);
  EXPECT_EQ(target.PosField(0), 0);
  EXPECT_EQ(target.PosField(1), 1);
  EXPECT_EQ(target.PosField(2), 0);
}

// A control publishing its caret, as the edit will.
class TCaretForm : public TForm {
public:
  using TForm::TForm;
  TCaretHost* Field = nullptr;
};

void Register() {
  static const bool registered = [] {
    RegisterFoundationClasses();
    RegisterComponentClass<TCaretHost, TPanel>("TCaretHost")
        .Class("Caret", &TCaretHost::CaretObject);
    RegisterComponentClass<TCaretForm, TForm>("TCaretForm").Field("Field", &TCaretForm::Field);
    return true;
  }();
  (void)registered;
}

TEST(MVWCaret, FormDataKeepsWhatDiffersFromTheDefaults) {
  Register();
  TCaretForm form(nullptr);
  ReadComponentFromText(form,
                        "object CaretForm: TCaretForm\n"
                        "  object Field: TCaretHost\n"
                        "    Caret.BlinkRate = 530\n"
                        "    Caret.Style = csBitmap\n"
                        "    Caret.CaretBmpMode = cbTile\n"
                        "    Caret.ListIndex = 2\n"
                        "    Caret.ImageList = Strips\n"
                        "  end\n"
                        "  object Strips: TMVWImageList\n"
                        "  end\n"
                        "end\n",
                        "caret");
  TMVWCaret& caret = form.Field->Caret;
  EXPECT_EQ(caret.BlinkRate(), 530);
  EXPECT_EQ(caret.Style(), csBitmap);
  EXPECT_EQ(caret.CaretBmpMode(), cbTile);
  EXPECT_EQ(caret.ListIndex(), 2);
  EXPECT_EQ(caret.Width(), 2);
  ASSERT_NE(caret.ImageList(), nullptr);
  EXPECT_EQ(caret.ImageList()->Name(), "Strips");
  Paint(caret.Bitmap(), 3, 2);

  const std::string written = WriteComponentToText(form);
  for (const char* stored :
       {"Caret.BlinkRate = 530", "Caret.Style = csBitmap", "Caret.CaretBmpMode = cbTile",
        "Caret.ListIndex = 2", "Caret.Bitmap", "Caret.ImageList = Strips"})
    EXPECT_NE(written.find(stored), std::string::npos) << stored << "\n" << written;
  for (const char* left : {"Caret.Width", "Caret.Height", "Caret.ImageIndex"})
    EXPECT_EQ(written.find(left), std::string::npos) << left << "\n" << written;

  TCaretForm again(nullptr);
  ReadComponentFromText(again, written, "again");
  TBitmap& bitmap = again.Field->Caret.Bitmap();
  ASSERT_EQ(bitmap.Width(), 3);
  ASSERT_EQ(bitmap.Height(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(bitmap.Pixels(x, y), caret.Bitmap().Pixels(x, y)) << x << "," << y;
  delete form.FindComponent("Strips");
  EXPECT_EQ(caret.ImageList(), nullptr); // a freed list is forgotten
}

} // namespace
} // namespace marivo
