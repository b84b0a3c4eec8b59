#include "widgets/controls/MVWButtonControl.h"

#include "widgets/foundation/MVWContainer.h"
#include "widgets/foundation/MVWMessages.h"
#include "widgets/foundation/MVWXPStyles.h"

#include <map>

namespace marivo {

namespace {

struct TStripLook {
  UINT Kind;
  TColor Fill;
  int Size;
  bool Themed;
  bool Flat;
  bool GlyphFlat;
  auto operator<=>(const TStripLook&) const = default;
};

// Every button of one look shows the same built-in cells: drawn once and shared, until the
// system's colours or the theme change.
std::map<TStripLook, std::shared_ptr<TMVWGlyphStrip>>& BuiltInStrips() {
  static std::map<TStripLook, std::shared_ptr<TMVWGlyphStrip>> strips;
  return strips;
}

} // namespace

TMVWButtonControl::TMVWButtonControl(TComponent* owner) : TMVWCustomPanel(owner) {
  SetControlStyle(csSetCaption | csOpaque | csClickEvents | csCaptureMouse);
  SetBounds(Left(), Top(), 105, 17);
  Alignment_.SetSpacing(4);
  Alignment_.OnChange = [this](TObject*) { LayoutChanged(); };
  Font3D_.OnChange = [this](TObject*) { LayoutChanged(); };
}

TMVWButtonControl::~TMVWButtonControl() {
  Alignment_.OnChange = nullptr;
  Font3D_.OnChange = nullptr;
}

void TMVWButtonControl::LayoutChanged() {
  AdjustSize();
  Invalidate();
}

void TMVWButtonControl::SetBooleanProperty(int index, bool value) {
  bool& field = index == 0 ? AutoSize_ : index == 1 ? GlyphTransparent_ : GlyphFlat_;
  if (!Store(field, value))
    return;
  switch (index) {
  case 0:
    AdjustSize();
    break;
  case 1:
    Invalidate();
    break;
  default:
    if (!ImageList()) {
      RecreateGlyphs();
      Invalidate();
    }
  }
}

void TMVWButtonControl::SetDownGlyph(bool value) {
  if (!Store(DownGlyph_, value))
    return;
  Strip_.reset();
  Invalidate();
}

void TMVWButtonControl::SetFocusColor(TColor value) {
  if (Store(FocusColor_, value) && Focused())
    Invalidate();
}

void TMVWButtonControl::SetFocusStyle(TMVWGlyphTextFocusStyle value) {
  if (Store(FocusStyle_, value) && Focused())
    Invalidate();
}

void TMVWButtonControl::SetUseFocusColor(bool value) {
  if (Store(UseFocusColor_, value) && Focused())
    Invalidate();
}

void TMVWButtonControl::SetGlyphSize(std::uint8_t value) {
  if (!Store(GlyphSize_, value))
    return;
  if (!ImageList()) {
    Strip_.reset();
    Invalidate();
  }
}

void TMVWButtonControl::SetGlyphTransparentColor(TColor value) {
  if (Store(GlyphTransparentColor_, value))
    Invalidate();
}

void TMVWButtonControl::SetUseBitmap(bool value) {
  if (Store(UseBitmap_, value))
    Invalidate();
}

void TMVWButtonControl::ImageListChanged() {
  Strip_.reset();
  TMVWCustomPanel::ImageListChanged();
}

void TMVWButtonControl::RecreateGlyphs() {
  CellWidth_ = 0;
  if (!ImageList()) {
    CreateGlyphs();
    return;
  }
  Strip_ = std::make_shared<TMVWGlyphStrip>();
  if (!ImageList()->IsValid(ListIndex(), ImageIndex()))
    return;
  ImageList()->GetBitmap(ListIndex(), ImageIndex(), Strip_->Cells);
  CellWidth_ = CellWidthFromList(Strip_->Cells.Width());
}

void TMVWButtonControl::BuildStrip(int cellsPerSet, TColor fill, UINT kind,
                                   const std::vector<UINT>& states, int themePart) {
  const int size = GlyphSize_;
  const bool themed = ThemedLook();
  const int sets = BuiltInGlyphSets(themed, Flat());
  CellWidth_ = BuiltInCellWidth(size * cellsPerSet * sets, cellsPerSet, themed, Flat());
  std::shared_ptr<TMVWGlyphStrip>& shared =
      BuiltInStrips()[TStripLook{kind, fill, size, themed, Flat(), GlyphFlat_}];
  Strip_ = shared;
  if (Strip_)
    return;
  Strip_ = std::make_shared<TMVWGlyphStrip>();
  TBitmap& cells = Strip_->Cells;
  cells.SetSize(size * cellsPerSet * sets, size);
  if (size > 0) {
    TCanvas& canvas = cells.Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(fill);
    canvas.FillRect(RECT{0, 0, cells.Width(), size});
    if (!themed || !DrawThemedCells(canvas, cellsPerSet, themePart)) {
      // Without a theme to draw with, every set shows the platform's images.
      const UINT flat = GlyphFlat_ ? DFCS_FLAT : 0;
      for (int cell = 0; cell < cellsPerSet * sets; ++cell) {
        RECT rect{cell * size, 0, (cell + 1) * size, size};
        DrawFrameControl(canvas.Handle(), &rect, DFC_BUTTON,
                         kind | flat | states[static_cast<std::size_t>(cell % cellsPerSet)]);
      }
    }
    MakeBitmapMaskPair(cells, Strip_->Mask, Strip_->Masked, fill);
  }
  shared = Strip_;
}

bool TMVWButtonControl::DrawThemedCells(TCanvas& canvas, int cellsPerSet, int themePart) {
  const TMVWXPStyles& styles = XPStyles();
  if (!styles.OpenThemeData || !styles.DrawThemeBackground || !styles.CloseThemeData)
    return false;
  TWinControl* parent = Parent();
  HTHEME theme = styles.OpenThemeData(
      parent && parent->HandleAllocated() ? parent->Handle() : nullptr, L"BUTTON");
  if (!theme)
    return false;
  const int size = GlyphSize_;
  const std::vector<int> cells = ThemedGlyphStates(cellsPerSet, Flat());
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    const int left = static_cast<int>(cell) * size;
    RECT rect{left, 0, left + size, size};
    styles.DrawThemeBackground(theme, canvas.Handle(), themePart, cells[cell], &rect, nullptr);
  }
  styles.CloseThemeData(theme);
  return true;
}

TMVWGlyphCellState TMVWButtonControl::CellState() {
  TMVWGlyphCellState state;
  state.Enabled = Enabled();
  state.Pressed = Pressed_;
  state.Flat = Flat();
  state.Focused = Focused();
  state.MouseOver = MouseAbove();
  state.FromImageList = ImageList() != nullptr;
  state.DownGlyph = UseDownGlyph();
  state.Themed = ThemedLook();
  return state;
}

RECT TMVWButtonControl::TextArea() {
  return RECT{1, 0, Width(), Height()};
}

void TMVWButtonControl::AdjustSize() {
  if (!AutoSize_ || MVWControlLoading(*this))
    return;
  TMVWGlyphTextLayout topLeft;
  topLeft.Assign(Alignment_);
  topLeft.SetAlignment(agTopLeft);
  if (!Strip_)
    RecreateGlyphs();
  TBitmap measure;
  measure.Canvas().Font().Assign(Font());
  TMVWLayoutRects rects{};
  const RECT source{0, 0, CellWidth_, Strip_->Cells.Height()};
  DrawGlyphTextLayout(measure.Canvas(), Caption(), &Font3D_, rects, 0,
                      LayoutMeasureOnly | FxTextEnabled, GlyphTransparent_, true, false, topLeft,
                      StripTransparentColor(), nullptr, source,
                      CellWidth_ > 0 ? &Strip_->Cells.Canvas() : nullptr, TextArea());
  SetBounds(Left(), Top(), rects.Union.right - rects.Union.left,
            rects.Union.bottom - rects.Union.top);
}

void TMVWButtonControl::DrawFocusMark(TCanvas& canvas, RECT rect) {
  if (!UseFocusColor_) {
    canvas.DrawFocusRect(rect);
    return;
  }
  canvas.Pen().SetStyle(psDot);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(FocusColor_);
  canvas.Brush().SetStyle(bsClear);
  canvas.Rectangle(rect.left, rect.top, rect.right, rect.bottom);
  canvas.Pen().SetStyle(psSolid);
  canvas.Brush().SetStyle(bsSolid);
}

void TMVWButtonControl::PaintContent(TCanvas& canvas, bool withFocus) {
  canvas.Brush().SetColor(Color());
  canvas.Font().Assign(Font());
  if (!Strip_)
    RecreateGlyphs();
  const int index = CellIndex();
  const RECT source{index * CellWidth_, 0, (index + 1) * CellWidth_, Strip_->Cells.Height()};
  std::uint16_t flags = (Enabled() ? FxTextEnabled : 0) | FxText3DDisabled;
  if (withFocus)
    flags |= FocusStyleToDrawFlags(FocusStyle_);
  // A built-in strip comes with its mask; an image list's is masked as it is drawn.
  const bool masked = GlyphTransparent_ && !Strip_->Mask.Empty();
  TBitmap& cells = masked ? Strip_->Masked : Strip_->Cells;
  // A strip without cells (no size, or an image list entry too narrow) shows no glyph.
  DrawGlyphTextLayout(canvas, Caption(), &Font3D_, Rects_, 0, flags, GlyphTransparent_, true, false,
                      Alignment_, StripTransparentColor(), masked ? &Strip_->Mask : nullptr, source,
                      CellWidth_ > 0 ? &cells.Canvas() : nullptr, TextArea());
  if (withFocus && Focused() && FocusStyle_ != fcNone) {
    RECT mark = Rects_.Union;
    if (FocusStyle_ == fcControl)
      mark = RECT{0, 0, Width(), Height()};
    else if (FocusStyle_ == fcText)
      mark = Rects_.Text;
    else if (FocusStyle_ == fcGlyph)
      mark = Rects_.Glyph;
    DrawFocusMark(canvas, mark);
  }
  // The strip follows the state of the look; it is looked up again for the next paint.
  Strip_.reset();
}

void TMVWButtonControl::Paint() {
  if (!HandleAllocated() || PaintSuppressed_)
    return;
  if (!UseBitmap_) {
    PaintBackground();
    PaintContent(Canvas(), true);
    return;
  }
  TBitmap bitmap;
  bitmap.SetSize(Width(), Height());
  const RECT all{0, 0, Width(), Height()};
  if (!PaintParentBack(bitmap.Canvas(), all, 0, POINT{0, 0})) {
    bitmap.Canvas().Brush().SetColor(Color());
    bitmap.Canvas().FillRect(all);
  }
  PaintContent(bitmap.Canvas(), true);
  Canvas().Draw(0, 0, bitmap);
}

void TMVWButtonControl::PaintGlyph() {
  if (HandleAllocated() && !PaintSuppressed_)
    InvalidateRect(Handle(), &Rects_.Glyph, FALSE);
}

void TMVWButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && !Focused() && CanFocus()) {
    // The check that the focus brings must not click: the release does.
    SuppressClick_ = true;
    SetFocus();
    SuppressClick_ = false;
    if (!Focused())
      return;
  }
  if (button == mbLeft) {
    Pressed_ = true;
    // Only the themed strip has pressed cells.
    if (ThemedLook())
      PaintGlyph();
  }
  TMVWCustomPanel::MouseDown(button, shift, x, y);
}

void TMVWButtonControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const bool clicked =
      button == mbLeft && Pressed_ && x >= 0 && y >= 0 && x < Width() && y < Height();
  if (button == mbLeft) {
    Pressed_ = false;
    if (ThemedLook())
      PaintGlyph();
  }
  TMVWCustomPanel::MouseUp(button, shift, x, y);
  // Drawn by the library, the button has no system click: a press and release inside is one.
  if (clicked)
    Click();
}

void TMVWButtonControl::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_SETFOCUS:
  case WM_KILLFOCUS:
  case CM_ENABLEDCHANGED:
  case CM_FONTCHANGED:
    TMVWCustomPanel::WndProc(message);
    Invalidate();
    return;
  case CM_TEXTCHANGED:
    TMVWCustomPanel::WndProc(message);
    StateChanged();
    AdjustSize();
    Invalidate();
    return;
  case CM_MVWTHEMECHANGED:
  case CM_SYSCOLORCHANGE:
    BuiltInStrips().clear();
    Strip_.reset();
    break;
  }
  TMVWCustomPanel::WndProc(message);
}

const std::vector<std::string>& FocusStyleNames() {
  static const std::vector<std::string> names = {"fcControl", "fcText", "fcGlyph", "fcGlyphText",
                                                 "fcNone"};
  return names;
}

void RegisterMVWButtonControl() {
  RegisterPersistentClass<TMVWButtonControl, TMVWCustomPanel>("TMVWButtonControl");
}

} // namespace marivo
