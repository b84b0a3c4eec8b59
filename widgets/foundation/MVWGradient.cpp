#include "widgets/foundation/MVWGradient.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/TextUtils.h"
#include "platform/ui/Pictures.h"
#include "widgets/foundation/MVWApplication.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace marivo {

namespace {

int Channel(std::uint32_t rgb, int shift) {
  return static_cast<int>((rgb >> shift) & 0xFF);
}

void SelectAndRealize(HDC dc, HPALETTE palette) {
  SelectPalette(dc, palette, FALSE);
  RealizePalette(dc);
}

} // namespace

bool MVWPaletteAllowed() {
  if (!MVWApplication || (MVWApplication->Options() & 0x01) == 0)
    return true;
  const TWindowDC screen(nullptr);
  return GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES) >= 9;
}

void AppendColorSteps(TColor from, TColor to, int count, bool first, TMVWColorList* list) {
  if (!list || count == 0)
    return;
  if (first)
    list->clear();
  const std::uint32_t start = ColorToRGB(from);
  const std::uint32_t end = ColorToRGB(to);
  // One step has no span to divide: it is the start colour alone.
  if (count == 1) {
    if (first)
      list->push_back(start);
    return;
  }
  for (int k = first ? 0 : 1; k <= count - 1; ++k) {
    std::uint32_t rgb = 0;
    for (int shift : {0, 8, 16}) {
      const int s = Channel(start, shift);
      const int value = s + MulDiv(k, Channel(end, shift) - s, count - 1);
      rgb |= static_cast<std::uint32_t>(value & 0xFF) << shift;
    }
    list->push_back(rgb);
  }
}

HPALETTE CreateStepPalette(const TMVWColorList* list) {
  if (!list || list->empty())
    return nullptr;
  std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * list->size());
  auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(list->size());
  for (std::size_t i = 0; i < list->size(); ++i) {
    const std::uint32_t rgb = (*list)[i];
    palette->palPalEntry[i] = {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb), PC_NOCOLLAPSE};
  }
  return CreatePalette(palette);
}

void FillGradientRect(TCanvas& canvas, const RECT& rect, TMVWGradientStyle style,
                      std::uint32_t clipOffset, std::uint16_t flags, HPALETTE palette,
                      const TMVWColorList* colors) {
  if (!colors || colors->empty() || IsRectEmpty(&rect))
    return;
  const int n = static_cast<int>(colors->size());
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  const bool usePalette = (flags & GradientUsePalette) && palette && MVWPaletteAllowed();
  const bool buffered = (flags & GradientBuffered) != 0;

  RECT b{};
  switch (style) {
  case gstHorizontal:
  case gstVertical:
    b = {0, 0, w, h};
    break;
  case gstSquare:
  case gstElliptic:
    b = {w / 2, h / 2, w / 2, h / 2};
    break;
  case gstTopLeft:
  case gstTopLeftDiagonal:
    b = {0, 0, 1, 1};
    break;
  case gstTopRight:
    b = {w, 1, w + 1, 0};
    break;
  case gstBottomLeft:
    b = {1, h, 0, h + 1};
    break;
  case gstBottomRight:
    b = {w, h, w + 1, h + 1};
    break;
  case gstTopRightDiagonal:
    b = {w, 0, w + 1, 0};
    break;
  }

  std::unique_ptr<TBitmap> buffer;
  HDC dc = canvas.Handle();
  // Whatever path the painting leaves by, the buffer goes and the clip region is reset.
  TClip clip(canvas.Handle());
  if (buffered) {
    buffer = std::make_unique<TBitmap>();
    buffer->SetSize(w, h);
    dc = buffer->Canvas().Handle();
  } else {
    if (flags & GradientClip) {
      RECT area = rect;
      if (clipOffset != 0)
        OffsetRect(&area, static_cast<std::int16_t>(clipOffset & 0xFFFF),
                   static_cast<std::int16_t>(clipOffset >> 16));
      clip.Select(area);
    }
    OffsetRect(&b, rect.left, rect.top);
  }
  if (usePalette)
    SelectAndRealize(dc, palette);

  const TSelection nullPen(dc, GetStockObject(NULL_PEN));
  const auto paint = [&](int i, auto draw) {
    const std::uint32_t rgb = (*colors)[static_cast<std::size_t>(i)];
    const TBrushHandle brush(CreateSolidBrush(usePalette ? (rgb | 0x02000000) : rgb));
    const TSelection selected(dc, brush.Get());
    draw(brush.Get());
  };
  if (style == gstHorizontal) {
    for (int i = 0; i < n; ++i)
      paint(i, [&](HBRUSH brush) {
        const RECT band{b.left + MulDiv(i, w, n), b.top, b.left + MulDiv(i + 1, w, n), b.bottom};
        ::FillRect(dc, &band, brush);
      });
  } else {
    for (int i = n - 1; i >= 0; --i) {
      int x = MulDiv(i + 1, w, n);
      int y = MulDiv(i + 1, h, n);
      paint(i, [&](HBRUSH brush) {
        switch (style) {
        case gstVertical: {
          const RECT band{b.left, b.top + MulDiv(i, h, n), b.right, b.top + MulDiv(i + 1, h, n)};
          ::FillRect(dc, &band, brush);
          break;
        }
        case gstSquare:
          x /= 2;
          y /= 2;
          ::Rectangle(dc, b.left - x, b.top - y, b.left + x + 2, b.top + y + 2);
          break;
        case gstElliptic:
          x = static_cast<int>(std::nearbyint(x / 1.4));
          y = static_cast<int>(std::nearbyint(y / 1.4));
          ::Ellipse(dc, b.left - x, b.top - y, b.left + x, b.top + y);
          break;
        case gstTopLeft:
          ::Rectangle(dc, b.left, b.top, b.right + x, b.bottom + y);
          break;
        case gstTopRight:
          ::Rectangle(dc, b.left - x, b.top + y, b.right, b.bottom);
          break;
        case gstBottomLeft:
          ::Rectangle(dc, b.left + x, b.top - y, b.right, b.bottom);
          break;
        case gstBottomRight:
          ::Rectangle(dc, b.left - x, b.top - y, b.right, b.bottom);
          break;
        case gstTopLeftDiagonal: {
          x *= 2;
          y *= 2;
          const POINT points[] = {{b.left, b.top},
                                  {b.left + x, b.top},
                                  {b.left, b.bottom + y},
                                  {b.left - x, b.bottom + y}};
          ::Polygon(dc, points, 4);
          break;
        }
        case gstTopRightDiagonal: {
          x *= 2;
          y *= 2;
          const POINT points[] = {{b.right, b.top},
                                  {b.right - x, b.top},
                                  {b.right, b.bottom + y},
                                  {b.right + x, b.bottom + y}};
          ::Polygon(dc, points, 4);
          break;
        }
        case gstHorizontal:
          break;
        }
      });
    }
  }

  if (usePalette)
    SelectAndRealize(canvas.Handle(), palette);
  if (buffered)
    BitBlt(canvas.Handle(), rect.left, rect.top, w, h, dc, 0, 0, SRCCOPY);
}

TMVWGradient::TMVWGradient() {
  BuildSteps();
}

TMVWGradient::~TMVWGradient() = default;

void TMVWGradient::SetColor(TColor value) {
  if (!Store(Color_, value))
    return;
  BuildSteps();
  Change();
}

void TMVWGradient::SetColorCount(TMVWColorCount value) {
  value = std::clamp<TMVWColorCount>(value, 2, 236);
  if (Store(ColorCount_, value))
    Change();
}

void TMVWGradient::SetStyle(TMVWGradientStyle value) {
  if (Store(Style_, value))
    Change();
}

void TMVWGradient::SetEndColor(TColor value) {
  if (Store(EndColor_, value))
    Change();
}

void TMVWGradient::SetPaletteRealize(bool value) {
  if (Store(PaletteRealize_, value))
    Change();
}

void TMVWGradient::SetTwoColors(bool value) {
  if (Store(TwoColors_, value))
    Change();
}

std::vector<std::int64_t> TMVWGradient::ColorList() const {
  return {Colors_.begin(), Colors_.end()};
}

void TMVWGradient::ReadColorList(const std::vector<std::int64_t>& values) {
  TMVWUpdateGuard<TMVWObject> update(*this);
  for (const std::int64_t value : values)
    Colors_.push_back(static_cast<std::uint32_t>(value));
  update.Release(true);
}

void TMVWGradient::BuildSteps() {
  Palette_.Reset();
  StepColors_.clear();
  if (TwoColors_) {
    AppendColorSteps(Color_, EndColor_, ColorCount_, true, &StepColors_);
  } else if (Colors_.size() >= 2) {
    const int count = static_cast<std::uint8_t>(ColorCount_ / Colors_.size());
    for (std::size_t i = 0; i + 1 < Colors_.size(); ++i)
      AppendColorSteps(static_cast<TColor>(Colors_[i]), static_cast<TColor>(Colors_[i + 1]), count,
                       i == 0, &StepColors_);
  }
  if (PaletteRealize_)
    Palette_.Reset(CreateStepPalette(&StepColors_));
}

void TMVWGradient::PaintGradient(TCanvas& canvas, const RECT& rect) {
  FillGradientRect(canvas, rect, Style_, 0, PaletteRealize_ ? GradientUsePalette : 0,
                   Palette_.Get(), &StepColors_);
}

void TMVWGradient::RealizeOnCanvas(TCanvas& canvas) {
  if (PaletteRealize_ && Palette_)
    SelectAndRealize(canvas.Handle(), Palette_.Get());
}

void TMVWGradient::Change() {
  BuildSteps();
  TMVWObject::Change();
}

void TMVWGradient::Assign(const TPersistent& source) {
  const auto* gradient = dynamic_cast<const TMVWGradient*>(&source);
  if (!gradient) {
    TMVWObject::Assign(source);
    return;
  }
  TMVWUpdateGuard<TMVWObject> update(*this);
  SetColorCount(gradient->ColorCount_);
  SetColor(gradient->Color_);
  SetStyle(gradient->Style_);
  SetEndColor(gradient->EndColor_);
  SetPaletteRealize(gradient->PaletteRealize_);
  SetTwoColors(gradient->TwoColors_);
  Colors_ = gradient->Colors_;
  update.Release(true);
}

std::string TMVWGradient::DescribeSettings() const {
  static const char* const names[] = {
      "horizontal", "vertical",    "square",       "elliptic",      "top left",
      "top right",  "bottom left", "bottom right", "top left diag", "top right diag"};
  return std::string(names[Style_]) + ", Col: " + IntToStr(ColorCount_) +
         (TwoColors_ ? ", 2 col mode" : ", mult. col mode");
}

void RegisterMVWGradient() {
  using T = TMVWGradient;
  RegisterPersistentClass<T, TMVWObject>("TMVWGradient")
      .Integer("Color", ColorIdents(), &T::Color, &T::SetColor, T::DefaultColor)
      .Integer("ColorCount", &T::ColorCount, &T::SetColorCount, T::DefaultColorCount)
      .Enumeration("Style",
                   {"gstHorizontal", "gstVertical", "gstSquare", "gstElliptic", "gstTopLeft",
                    "gstTopRight", "gstBottomLeft", "gstBottomRight", "gstTopLeftDiagonal",
                    "gstTopRightDiagonal"},
                   &T::Style, &T::SetStyle, T::DefaultStyle)
      .Integer("EndColor", ColorIdents(), &T::EndColor, &T::SetEndColor, T::DefaultEndColor)
      .Boolean("PaletteRealize", &T::PaletteRealize, &T::SetPaletteRealize,
               T::DefaultPaletteRealize)
      .Boolean("TwoColors", &T::TwoColors, &T::SetTwoColors, T::DefaultTwoColors)
      .IntegerList("ColorList", &T::ColorList, &T::ReadColorList);
}

} // namespace marivo
