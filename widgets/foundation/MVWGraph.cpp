#include "widgets/foundation/MVWGraph.h"

#include "platform/ui/Controls.h"
#include "platform/ui/GdiHandles.h"
#include "platform/ui/Pictures.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWProcs.h"
#include "widgets/foundation/MVWXPStyles.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace marivo {

const std::vector<std::string>& UserButtonStyleNames() {
  static const std::vector<std::string> names = {
      "ubsAutoDetect", "ubsWin31",         "ubsWin40",      "ubsKestrin",  "ubsKestrinFlat",
      "ubsFlat",       "ubsFlatUnColored", "ubsNavigator",  "ubsExplorer", "ubsExplorerColored",
      "ubsIntegrated", "ubsWinXP",         "ubsWinXPCombo", "ubsWinXPTool"};
  return names;
}

namespace {

constexpr DWORD RopAnd = 0x8800C6;
constexpr DWORD RopPaint = 0xEE0086;
constexpr DWORD RopDSPDxax = 0xE20746;

int Width(const RECT& rect) {
  return rect.right - rect.left;
}

int Height(const RECT& rect) {
  return rect.bottom - rect.top;
}

void Edge(TCanvas& canvas, RECT& rect, UINT edge, UINT flags) {
  DrawEdge(canvas.Handle(), &rect, edge, flags);
}

int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

// The depth a 3D style adds to the measured text.
int StyleDepth(const TMVW3DCaption& caption) {
  switch (caption.Style()) {
  case tdNone:
    return 0;
  case tdSunken:
  case tdRaised:
    return caption.LightDepth();
  case tdShadow:
  case tdOutline:
  case tdExtrude:
  case tdExtrudeEnh:
    return caption.ShadowDepth();
  default:
    return caption.LightDepth() + caption.ShadowDepth();
  }
}

// Depth of the rotated text's centring offset; the outline adds none.
int RotationDepth(const TMVW3DCaption& caption) {
  switch (caption.Style()) {
  case tdNone:
  case tdOutline:
    return 0;
  case tdShadow:
  case tdExtrude:
  case tdExtrudeEnh:
    return caption.ShadowDepth();
  case tdSunken:
  case tdRaised:
    return caption.LightDepth();
  default:
    return caption.LightDepth() + caption.ShadowDepth();
  }
}

// A screen DC with the font selected, for measuring.
class TScreenText {
public:
  explicit TScreenText(TFont& font) : DC_(ScreenCompatibleDC()), Font_(DC_.Get(), font.Handle()) {}
  HDC DC() const { return DC_.Get(); }

private:
  static HDC ScreenCompatibleDC() {
    const TWindowDC screen(nullptr);
    return CreateCompatibleDC(screen.Get());
  }

  TMemoryDC DC_;
  TSelection Font_;
};

void CopyThroughMask(HDC target, const RECT& cell, HDC mask, HDC image, const RECT& source) {
  const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(target, RGB(255, 255, 255));
  StretchBlt(target, cell.left, cell.top, Width(cell), Height(cell), mask, source.left, source.top,
             Width(source), Height(source), RopAnd);
  StretchBlt(target, cell.left, cell.top, Width(cell), Height(cell), image, source.left, source.top,
             Width(source), Height(source), RopPaint);
  SetBkColor(target, oldBack);
  SetTextColor(target, oldText);
}

} // namespace

UINT AlignmentTextFlags(TMVWAlignment alignment) {
  static constexpr UINT flags[] = {0, 1, 2, 4, 5, 6, 8, 9, 10};
  return flags[alignment];
}

bool DrawBevelFrame(TCanvas& canvas, RECT& rect, TMVWBevelStyle style, int width, TColor shadow,
                    TColor light) {
  if (width == 0 || style == bvNone || style == bvShadow)
    return false;
  TColor c1 = shadow;
  TColor c2 = light;
  if (style == bvLowered || style == bvFrameLowered)
    std::swap(c1, c2);
  else if (style == bvNormal)
    c1 = c2 = clBlack;
  TBrush& brush = canvas.Brush();
  if (style == bvFrameLowered || style == bvFrameRaised) {
    for (int k = 0; k < width; ++k) {
      brush.SetColor(c1);
      canvas.FrameRect({rect.left + k + 1, rect.top + k + 1, rect.right, rect.bottom});
      brush.SetColor(c2);
      canvas.FrameRect({rect.left, rect.top, rect.right - k - 1, rect.bottom - k - 1});
    }
    rect = {rect.left + width + 1, rect.top + width + 1, rect.right - width - 1,
            rect.bottom - width - 1};
    return true;
  }
  TPen& pen = canvas.Pen();
  rect.bottom -= 1;
  if (width == 1) {
    rect.right -= 1;
    pen.SetStyle(psSolid);
    pen.SetWidth(1);
    pen.SetColor(c2);
    canvas.Polyline({{rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top}});
    pen.SetColor(c1);
    canvas.Polyline({{rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}});
    InflateRect(&rect, -1, -1);
  } else {
    RECT inner{rect.left + width, rect.top + width, rect.right - width, rect.bottom - width};
    pen.SetStyle(psClear);
    brush.SetStyle(bsSolid);
    brush.SetColor(c1);
    canvas.Polygon({{rect.left, rect.bottom + 1},
                    {inner.left, inner.bottom},
                    {inner.right, inner.bottom},
                    {inner.right, inner.top},
                    {rect.right, rect.top},
                    {rect.right, rect.bottom + 1}});
    inner.right -= 1;
    brush.SetColor(c2);
    canvas.Polygon({{rect.left, rect.bottom},
                    {inner.left, inner.bottom},
                    {inner.left, inner.top},
                    {inner.right, inner.top},
                    {rect.right - 1, rect.top},
                    {rect.left, rect.top}});
    InflateRect(&rect, -width, -width);
    rect.right -= 1;
    pen.SetStyle(psSolid);
  }
  rect.right += 1;
  rect.bottom += 1;
  return true;
}

bool DrawShadowFrame(TCanvas& canvas, RECT& rect, TColor frame, TColor shadow, TColor corner,
                     int shadowWidth, int frameWidth, bool transparent) {
  TBrush& brush = canvas.Brush();
  brush.SetStyle(bsSolid);
  canvas.Pen().SetStyle(psClear);
  const int s = shadowWidth;
  brush.SetColor(shadow);
  canvas.FillRect({rect.right - s, rect.top + s, rect.right, rect.bottom});
  canvas.FillRect({rect.left + s, rect.bottom - s, rect.right, rect.bottom});
  if (!transparent) {
    brush.SetColor(corner);
    canvas.FillRect({rect.right - s, rect.top, rect.right, rect.top + s});
    canvas.FillRect({rect.left, rect.bottom - s, rect.left + s, rect.bottom});
  }
  rect = {rect.left, rect.top, rect.right - s, rect.bottom - s};
  brush.SetColor(frame);
  for (int k = 0; k < frameWidth; ++k) {
    canvas.FrameRect(rect);
    InflateRect(&rect, -1, -1);
  }
  canvas.Pen().SetStyle(psSolid);
  canvas.Pen().SetWidth(1);
  return true;
}

int StandardBorderWidth(TMVWBorderStyle style) {
  switch (style) {
  case lsNone:
    return 0;
  case lsSingle:
  case lsSingleRaised:
  case lsSingleLowered:
    return 1;
  default:
    return 2;
  }
}

bool DrawStandardBorder(TCanvas& canvas, RECT& rect, TMVWBorderStyle style, UINT extraFlags) {
  const UINT f = extraFlags | BF_ADJUST;
  switch (style) {
  case lsNone:
    break;
  case lsSingle:
    Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_LEFT | BF_TOP | BF_SOFT);
    Edge(canvas, rect, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
    break;
  case lsLowered:
    Edge(canvas, rect, EDGE_SUNKEN, f | BF_RECT | BF_SOFT);
    break;
  case lsRaised:
    Edge(canvas, rect, EDGE_RAISED, f | BF_RECT | BF_SOFT);
    break;
  case lsRaisedspb:
  case lsRaisedExt:
    Edge(canvas, rect, BDR_RAISEDOUTER, f | BF_RECT | BF_SOFT);
    Edge(canvas, rect, BDR_RAISEDINNER, BF_RIGHT | BF_BOTTOM | BF_ADJUST);
    if (style == lsRaisedExt) {
      rect.top += 1;
      rect.left += 1;
    }
    break;
  case lsLoweredspb:
    Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
    Edge(canvas, rect, BDR_SUNKENINNER, f | BF_LEFT | BF_TOP);
    break;
  case lsLoweredExt:
    Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
    Edge(canvas, rect, BDR_SUNKENINNER, BF_LEFT | BF_TOP | BF_ADJUST);
    rect.right -= 1;
    rect.bottom -= 1;
    break;
  case lsFrameInset:
    Edge(canvas, rect, EDGE_ETCHED, f | BF_RECT);
    break;
  case lsFrameOffset:
    Edge(canvas, rect, BDR_RAISEDINNER, f | BF_RECT);
    Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
    break;
  case lsWindowBorder:
    Edge(canvas, rect, BDR_RAISEDOUTER, f | BF_RIGHT | BF_BOTTOM);
    rect.top += 1;
    rect.left += 1;
    Edge(canvas, rect, BDR_RAISEDINNER, f | BF_RECT);
    break;
  case lsSingleRaised:
    Edge(canvas, rect, BDR_RAISEDINNER, f | BF_RECT);
    break;
  case lsSingleLowered:
    Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
    break;
  case lsDoubleRaised:
    Edge(canvas, rect, BDR_RAISEDINNER, f | BF_RECT);
    Edge(canvas, rect, BDR_RAISEDINNER, f | BF_RECT);
    break;
  case lsDoubleLowered:
    Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
    Edge(canvas, rect, BDR_SUNKENOUTER, f | BF_RECT);
    break;
  }
  return true;
}

void DrawDropArrow(TCanvas& canvas, int x, int y, bool enabled, bool down, TColor color, int size) {
  if (size < 2 || size > 15)
    return;
  if (!enabled) {
    DrawDropArrow(canvas, x + 1, y + 1, true, down, clHighlightText, size);
    color = clGrayText;
  }
  TPen& pen = canvas.Pen();
  pen.SetStyle(psSolid);
  pen.SetWidth(1);
  pen.SetColor(color);
  if (down) {
    for (int k = 0; k <= size - 2; ++k) {
      canvas.MoveTo(x + k, y + k);
      canvas.LineTo(x + 2 * size - k - 1, y + k);
    }
    canvas.MoveTo(x + size - 1, y + size - 1);
    canvas.LineTo(x + size - 1, y + size - 2);
  } else {
    const int m = x + size / 2;
    for (int k = 0; k <= size - 1; ++k) {
      canvas.MoveTo(m - k, y + k);
      canvas.LineTo(m + k + 1, y + k);
    }
  }
}

void FillBitmap(TBitmap& bitmap, const RECT& rect, TColor color) {
  bitmap.SetSize(Width(rect), Height(rect));
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

void MakeDisabledBitmap(TBitmap& target, TBitmap& source) {
  target.Assign(source);
  if (source.Empty())
    return;
  const TColor background = source.Pixels(0, 0);
  const auto sum = [](TColor color) {
    const std::uint32_t rgb = ColorToRGB(color);
    return GetRValue(rgb) + GetGValue(rgb) + GetBValue(rgb);
  };
  long long total = 0;
  int counted = 0;
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x)
      if (const TColor pixel = source.Pixels(x, y); pixel != background) {
        total += sum(pixel);
        ++counted;
      }
  const int offset = counted ? RoundHalfEven(static_cast<double>(total) / counted - 200) : 0;
  for (int y = 0; y < source.Height(); ++y)
    for (int x = 0; x < source.Width(); ++x) {
      const TColor pixel = source.Pixels(x, y);
      if (pixel == background)
        continue;
      const int value = sum(pixel);
      TColor tone = clBlack;
      if (value > offset + 550)
        tone = clWhite;
      else if (value > offset + 250)
        tone = clBtnHighlight;
      else if (value > offset + 50)
        tone = clBtnShadow;
      target.SetPixels(x, y, tone);
    }
}

void MakeMaskPair(TCanvas& canvas, const RECT& rect, TBitmap& mask, TColor color, TBitmap& image) {
  const int w = Width(rect);
  const int h = Height(rect);
  image.SetSize(w, h);
  TCanvas& imageCanvas = image.Canvas();
  BitBlt(imageCanvas.Handle(), 0, 0, w, h, canvas.Handle(), rect.left, rect.top, SRCCOPY);
  if (&mask != &image) {
    TBitmap copy;
    copy.Assign(image);
    mask.Assign(copy);
  }
  mask.Mask(color);
  // The mask's white (transparent) pixels clear the image there.
  SetBkColor(imageCanvas.Handle(), RGB(0, 0, 0));
  SetTextColor(imageCanvas.Handle(), RGB(255, 255, 255));
  BitBlt(imageCanvas.Handle(), 0, 0, w, h, mask.Canvas().Handle(), 0, 0, 0x00220326);
}

void MakeBitmapMaskPair(TBitmap& bitmap, TBitmap& mask, TBitmap& image, TColor color) {
  MakeMaskPair(bitmap.Canvas(), {0, 0, bitmap.Width(), bitmap.Height()}, mask, color, image);
}

void DrawImageInRect(TCanvas& canvas, const RECT& target, TCanvas* source, RECT& used,
                     TBitmap* maskOrBitmap, HPALETTE palette, TColor color, std::uint16_t flags,
                     const RECT& sourceRect) {
  used = {};
  if (IsRectEmpty(&target))
    return;
  const int w = Width(sourceRect);
  const int h = Height(sourceRect);
  const int tw = Width(target);
  const int th = Height(target);
  RECT placed{target.left, target.top, target.left + w, target.top + h};
  int cols = 1;
  int rows = 1;
  if (flags & DrawCenter) {
    placed = {target.left + (tw - w) / 2, target.top + (th - h) / 2, 0, 0};
    placed.right = placed.left + w;
    placed.bottom = placed.top + h;
  } else if (flags & DrawStretch) {
    placed = target;
    const bool byWidth = flags & DrawKeepAspectByWidth;
    const bool byHeight = flags & DrawKeepAspectByHeight;
    if ((byWidth || byHeight) && (w <= 0 || h <= 0)) {
      // A picture without size has no proportion to keep.
      used = target;
      return;
    }
    if (byWidth && byHeight) {
      FitRectProportional(sourceRect, target, placed);
      OffsetRect(&placed, target.left - placed.left, target.top - placed.top);
    } else if (byWidth) {
      placed.bottom = placed.top + RoundHalfEven(static_cast<double>(tw) / w * h);
    } else if (byHeight) {
      placed.right = placed.left + RoundHalfEven(static_cast<double>(th) / h * w);
    }
  } else if (flags & DrawTile) {
    if (w != 0 && h != 0) {
      cols = tw / w + 1;
      rows = th / h + 1;
    }
  }
  used = IsRectEmpty(&placed) ? target : placed;
  if (w <= 0 || h <= 0)
    return;

  HDC dc = canvas.Handle();
  const int oldStretch = SetStretchBltMode(dc, COLORONCOLOR);
  std::vector<RECT> cells;
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < cols; ++col) {
      RECT cell = placed;
      OffsetRect(&cell, col * w, row * h);
      cells.push_back(cell);
    }
  if ((flags & DrawBrushCopy) && maskOrBitmap) {
    canvas.Brush().SetColor(color);
    for (const RECT& cell : cells)
      canvas.BrushCopy(cell, *maskOrBitmap, sourceRect, maskOrBitmap->TransparentColor());
  } else if ((flags & DrawMasked) && maskOrBitmap && source) {
    for (const RECT& cell : cells)
      CopyThroughMask(dc, cell, maskOrBitmap->Canvas().Handle(), source->Handle(), sourceRect);
  } else if ((flags & DrawTransparent) && source) {
    TBitmap mask;
    TBitmap image;
    MakeMaskPair(*source, sourceRect, mask, color, image);
    if (palette)
      SelectPalette(image.Canvas().Handle(), palette, FALSE);
    const RECT whole{0, 0, w, h};
    for (const RECT& cell : cells)
      CopyThroughMask(dc, cell, mask.Canvas().Handle(), image.Canvas().Handle(), whole);
  } else if (source) {
    for (const RECT& cell : cells)
      StretchBlt(dc, cell.left, cell.top, Width(cell), Height(cell), source->Handle(),
                 sourceRect.left, sourceRect.top, w, h, canvas.CopyMode());
  }
  SetStretchBltMode(dc, oldStretch);
}

namespace {

bool PrepareBitmap(TCanvas& canvas, TBitmap& bitmap, std::uint16_t flags) {
  if (bitmap.Canvas().PenPos().x == -1)
    return false;
  if ((flags & DrawUsePalette) && bitmap.Palette() && MVWPaletteAllowed()) {
    SelectPalette(canvas.Handle(), bitmap.Palette(), FALSE);
    RealizePalette(canvas.Handle());
  }
  return true;
}

void DrawWholeBitmap(TCanvas& canvas, const RECT& rect, TBitmap& bitmap, RECT& used, TColor color,
                     std::uint16_t flags) {
  DrawImageInRect(canvas, rect, (flags & DrawBrushCopy) ? nullptr : &bitmap.Canvas(), used,
                  (flags & DrawBrushCopy) ? &bitmap : nullptr, bitmap.Palette(), color, flags,
                  {0, 0, bitmap.Width(), bitmap.Height()});
}

} // namespace

void DrawBitmapInRect(TCanvas& canvas, const RECT& rect, TBitmap& bitmap, TColor color,
                      std::uint32_t clipOffset, std::uint16_t flags) {
  if (!PrepareBitmap(canvas, bitmap, flags))
    return;
  TClip clip(canvas.Handle());
  if (flags & DrawClip) {
    RECT area = rect;
    OffsetRect(&area, static_cast<std::int16_t>(clipOffset & 0xFFFF),
               static_cast<std::int16_t>(clipOffset >> 16));
    clip.Select(area);
  }
  RECT used;
  DrawWholeBitmap(canvas, rect, bitmap, used, color, flags);
}

void DrawBitmapAligned(TCanvas& canvas, const RECT& rect, TBitmap& bitmap, RECT& used, TColor color,
                       std::uint16_t flags) {
  used = {};
  if (PrepareBitmap(canvas, bitmap, flags))
    DrawWholeBitmap(canvas, rect, bitmap, used, color, flags);
}

void EmbossBitmap(TBitmap& target, TBitmap& source, int x, int y) {
  const int w = source.Width();
  const int h = source.Height();
  if (w <= 0 || h <= 0)
    return;
  // The monochrome copy is white where the source is black.
  const TBitmapHandle mono(CreateBitmap(w, h, 1, 1, nullptr));
  const TMemoryDC monoDC(CreateCompatibleDC(nullptr));
  const TSelection monoSelected(monoDC.Get(), mono.Get());
  HDC sourceDC = source.Canvas().Handle();
  const COLORREF oldBack = SetBkColor(sourceDC, RGB(0, 0, 0));
  BitBlt(monoDC.Get(), 0, 0, w, h, sourceDC, 0, 0, SRCCOPY);
  SetBkColor(sourceDC, oldBack);

  FillBitmap(target,
             {0, 0, target.Width() ? target.Width() : w, target.Height() ? target.Height() : h},
             source.TransparentColor());
  HDC dc = target.Canvas().Handle();
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  const auto stamp = [&](TColor color, int left, int top) {
    const TBrushHandle brush(CreateSolidBrush(ColorToRGB(color)));
    const TSelection selected(dc, brush.Get());
    BitBlt(dc, left, top, w, h, monoDC.Get(), 0, 0, RopDSPDxax);
  };
  stamp(clBtnHighlight, x + 1, y + 1);
  stamp(clBtnShadow, x, y);
}

void DrawMaskedComposite(TCanvas& canvas, const RECT& rect, TBitmap& first, TColor color,
                         TColor transparentColor, TBitmap& picture) {
  TBitmap image;
  MakeBitmapMaskPair(first, first, image, transparentColor);
  RECT used;
  const RECT whole{0, 0, image.Width(), image.Height()};
  DrawImageInRect(picture.Canvas(), {0, 0, picture.Width(), picture.Height()}, &image.Canvas(),
                  used, &first, nullptr, color, DrawMasked, whole);
  DrawBitmapInRect(canvas, rect, picture, color, 0, DrawTransparent | DrawUsePalette);
}

TColor InterpolateColor(TColor from, TColor to, int step, int steps) {
  if (steps == 0)
    return from;
  const std::uint32_t a = ColorToRGB(from);
  const std::uint32_t b = ColorToRGB(to);
  std::uint32_t rgb = 0;
  for (int shift : {0, 8, 16}) {
    const int s = static_cast<int>((a >> shift) & 0xFF);
    const int e = static_cast<int>((b >> shift) & 0xFF);
    const int value = RoundHalfEven(static_cast<double>(step) * (e - s) / steps + s);
    rgb |= static_cast<std::uint32_t>(value & 0xFF) << shift;
  }
  return static_cast<TColor>(rgb);
}

RECT AlignRectInRect(TMVWAlignment alignment, const RECT& inner, const RECT& outer) {
  const int dx = Width(outer) - Width(inner);
  const int dy = Height(outer) - Height(inner);
  const int column = alignment % 3;
  const int row = alignment / 3;
  const int x = column == 0 ? 0 : column == 1 ? dx / 2 : dx;
  const int y = row == 0 ? 0 : row == 1 ? dy / 2 : dy;
  return {outer.left + x, outer.top + y, outer.left + x + Width(inner),
          outer.top + y + Height(inner)};
}

void MeasureFxCaption(TCanvas&, const std::string& text, TMVW3DCaption* caption, UINT format,
                      int border, bool accelerators, bool wordBreak, TFont& font, RECT& rect) {
  TScreenText screen(font);
  HDC dc = screen.DC();
  auto* fx = dynamic_cast<TMVWFxCaption*>(caption);
  if (fx && fx->Angle() != 0) {
    SetTextCharacterExtra(dc, fx->Tracing());
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SetTextCharacterExtra(dc, 0);
    const int w = size.cx;
    const int h = size.cy;
    const int depth = StyleDepth(*fx);
    RECT turned{0, 0, w + depth, h + depth};
    RotatedRectBounds(turned, fx->Angle());
    const double a = fx->Angle() * 3.14159265358979323846 / 180;
    const int cx = Width(turned) / 2;
    const int cy = Height(turned) / 2;
    const int d = std::max(0, RotationDepth(*fx) / 2 - 1);
    const int posX = RoundHalfEven(cx - std::cos(a) * (w / 2) - std::sin(a) * (h / 2)) - d;
    const int posY = RoundHalfEven((w / 2) * std::sin(a) + cy - (h / 2) * std::cos(a)) - d;
    fx->SetPos(static_cast<std::uint16_t>(posX), static_cast<std::uint16_t>(posY));
    rect = {rect.left, rect.top, rect.left + Width(turned), rect.top + Height(turned)};
  } else {
    if (fx)
      fx->SetPos(0, 0);
    format |= DT_CALCRECT | DT_EXPANDTABS;
    if (wordBreak)
      format |= DT_WORDBREAK;
    if (!accelerators)
      format |= DT_NOPREFIX;
    std::string measured = text;
    if (measured.empty() || (accelerators && measured == "&"))
      measured = " ";
    if (caption)
      SetTextCharacterExtra(dc, caption->Tracing());
    DrawTextA(dc, measured.data(), static_cast<int>(measured.size()), &rect, format);
    SetTextCharacterExtra(dc, 0);
    if (caption) {
      rect.right += StyleDepth(*caption);
      rect.bottom += StyleDepth(*caption);
    }
  }
  rect.right += (border + 1) * 2;
  rect.bottom += (border + 1) * 2;
}

void DrawFxCaptionRect(TMVWAlignment alignment, const std::string& text, TMVW3DCaption* caption,
                       RECT& result, UINT format, bool accelerators, bool wordBreak, TFont& font,
                       const RECT& rect) {
  RECT measured = rect;
  measured.right -= 1;
  TCanvas screen;
  MeasureFxCaption(screen, text, caption, format, 0, accelerators, wordBreak, font, measured);
  result = AlignRectInRect(alignment, measured, rect);
}

void DrawFxText(TCanvas& canvas, const std::string& text, TMVW3DCaption* caption,
                const RECT* clipRect, std::uint8_t effectFlags, UINT format, const RECT& rect) {
  if (text.empty() || IsRectEmpty(&rect))
    return;
  HDC dc = canvas.Handle();
  const int length = static_cast<int>(text.size());
  if (!caption) {
    RECT bounds = rect;
    const TSelection font(dc, canvas.Font().Handle());
    SetTextColor(dc, ColorToRGB(canvas.Font().Color()));
    SetBkMode(dc, TRANSPARENT);
    DrawTextExA(dc, const_cast<char*>(text.data()), length, &bounds, format, nullptr);
    return;
  }
  TClip clip(dc);
  if (effectFlags & FxTextClip)
    clip.Select(clipRect ? *clipRect : rect);
  TMVWThreeDStyle style = caption->Style();
  TColor textColor;
  if ((effectFlags & FxTextEnabled) || caption->DisabledStyle() == dsNone) {
    textColor = (style == tdPColorSunken || style == tdPColorRaised) ? canvas.Brush().Color()
                                                                     : canvas.Font().Color();
  } else {
    textColor = clGrayText;
    if (caption->DisabledStyle() == ds3d ||
        (caption->DisabledStyle() == dsAuto && (effectFlags & FxText3DDisabled)))
      style = tdSunken;
  }
  auto* fx = dynamic_cast<TMVWFxCaption*>(caption);
  const bool rotated = fx && fx->Angle() != 0;
  TFont turned;
  TFont* font = &canvas.Font();
  if (rotated) {
    turned.Assign(canvas.Font());
    turned.SetOrientation(fx->Angle() * 10);
    font = &turned;
  }
  // Put back on every path: a font still selected cannot be deleted with its TFont.
  const TSelection fontSelected(dc, font->Handle());
  RECT r = rect;
  if (fx) {
    r.left += static_cast<std::int16_t>(fx->PosX());
    r.top += static_cast<std::int16_t>(fx->PosY());
  }
  if (caption->Tracing() != 0)
    SetTextCharacterExtra(dc, caption->Tracing());
  SetBkMode(dc, TRANSPARENT);

  const int l = caption->LightDepth();
  const int s = caption->ShadowDepth();
  const TColor light = caption->LightColor();
  const TColor shadow = caption->ShadowColor();
  int x = 0;
  int y = 0;
  const auto step = [&](int dx, int dy, TColor color) {
    x += dx;
    y += dy;
    SetTextColor(dc, ColorToRGB(color));
    if (rotated) {
      ExtTextOutA(dc, r.left + x, r.top + y, 0, nullptr, text.data(), length, nullptr);
    } else {
      RECT moved = r;
      OffsetRect(&moved, x, y);
      DrawTextExA(dc, const_cast<char*>(text.data()), length, &moved, format, nullptr);
    }
  };
  switch (style) {
  case tdSunken:
    r.right -= l;
    step(l, l, light);
    step(-l, -l, textColor);
    break;
  case tdRaised:
    r.right -= l;
    step(0, 0, light);
    step(l, l, textColor);
    break;
  case tdSunkenShadow:
  case tdPColorSunken:
    r.right -= l + s;
    step(0, 0, shadow);
    step(l + s, l + s, light);
    step(-l, -l, textColor);
    break;
  case tdRaisedShadow:
  case tdPColorRaised:
    r.right -= l + s;
    step(l + s, l + s, shadow);
    step(-l - s, -l - s, light);
    step(l, l, textColor);
    break;
  case tdShadow:
    r.right -= s;
    step(s, s, shadow);
    step(-s, -s, textColor);
    break;
  case tdOutline: {
    BeginPath(dc);
    x = s / 2;
    y = s / 2;
    step(0, 0, textColor);
    EndPath(dc);
    const TPenHandle pen(CreatePen(PS_SOLID, s, ColorToRGB(textColor)));
    const TSelection selected(dc, pen.Get());
    StrokePath(dc);
    break;
  }
  case tdExtrude:
  case tdExtrudeEnh: {
    static constexpr int starts[4][2] = {{0, 1}, {1, 1}, {0, 0}, {1, 0}};
    static constexpr int units[4][2] = {{1, -1}, {-1, -1}, {1, 1}, {-1, 1}};
    const int o = caption->Orientation();
    OffsetRect(&r, starts[o][0] * (s + 1), starts[o][1] * (s + 1));
    for (int i = 0; i < s; ++i)
      step(units[o][0], units[o][1],
           style == tdExtrude ? shadow : InterpolateColor(shadow, light, s - i - 1, s));
    step(0, 0, textColor);
    break;
  }
  case tdNone:
    step(0, 0, textColor);
    break;
  }
  SetTextCharacterExtra(dc, 0);
}

RECT DrawGlyphTextLayout(TCanvas& canvas, const std::string& text, TMVW3DCaption* caption,
                         TMVWLayoutRects& rects, UINT format, std::uint16_t layoutFlags,
                         bool transparentGlyph, bool accelerators, bool wordBreak,
                         TMVWGlyphTextLayout& layout, TColor transparentColor, TBitmap* mask,
                         const RECT& glyphSource, TCanvas* glyphCanvas, const RECT& bounds) {
  RECT textRect{};
  RECT glyphRect{};
  const bool hasText = !text.empty();
  const bool hasGlyph = glyphCanvas && !IsRectEmpty(&glyphSource);
  if (hasText) {
    textRect = bounds;
    MeasureFxCaption(canvas, text, caption, format, 0, accelerators, wordBreak, canvas.Font(),
                     textRect);
    OffsetRect(&textRect, -textRect.left, -textRect.top);
  }
  if (hasGlyph)
    glyphRect = {0, 0, Width(glyphSource), Height(glyphSource)};
  const int spacing = hasText && hasGlyph ? layout.Spacing() : 0;

  auto* buttonLayout = dynamic_cast<TMVWButtonLayout*>(&layout);
  const bool arrow = buttonLayout && buttonLayout->Arrow();
  const int arrowSize = arrow ? buttonLayout->ArrowSize() : 0;
  const int arrowWidth = 2 * arrowSize - 1;
  const int arrowRoom = arrow ? arrowWidth + buttonLayout->ArrowIndent() : 0;
  const TMVWArrowPosition arrowPosition = arrow ? buttonLayout->ArrowPosition() : apRightText;
  const bool arrowByGlyph = arrowPosition == apRightGlyph || arrowPosition == apLeftGlyph;
  int textWidth = Width(textRect) + (arrow && !arrowByGlyph ? arrowRoom : 0);
  int glyphWidth = Width(glyphRect) + (arrow && arrowByGlyph ? arrowRoom : 0);
  const int textHeight = Height(textRect);
  const int glyphHeight = Height(glyphRect);

  const TMVWTextArrange arrange = layout.AlignText2Glyph();
  const bool sideBySide = arrange <= taRightTop;
  SIZE block{};
  POINT textAt{};
  POINT glyphAt{};
  if (sideBySide) {
    block = {textWidth + spacing + glyphWidth, std::max(textHeight, glyphHeight)};
    const bool textFirst = arrange == taLeft || arrange == taLeftTop;
    textAt.x = textFirst ? 0 : glyphWidth + spacing;
    glyphAt.x = textFirst ? textWidth + spacing : 0;
    textAt.y = (block.cy - textHeight) / 2;
    glyphAt.y = (arrange == taLeftTop || arrange == taRightTop) ? (arrange == taRightTop ? 1 : 0)
                                                                : (block.cy - glyphHeight) / 2;
  } else {
    block = {std::max(textWidth, glyphWidth), textHeight + spacing + glyphHeight};
    const bool textFirst = arrange == taTop || arrange == taTopLeft;
    textAt.y = textFirst ? 0 : glyphHeight + spacing;
    glyphAt.y = textFirst ? textHeight + spacing : 0;
    textAt.x = (block.cx - textWidth) / 2;
    glyphAt.x = (arrange == taTopLeft || arrange == taBottomLeft) ? 0 : (block.cx - glyphWidth) / 2;
  }
  OffsetRect(&textRect, textAt.x, textAt.y);
  OffsetRect(&glyphRect, glyphAt.x, glyphAt.y);
  if (!(layoutFlags & LayoutAtTopLeft)) {
    const RECT placed = AlignRectInRect(layout.Alignment(), {0, 0, block.cx, block.cy}, bounds);
    OffsetRect(&textRect, placed.left + 1, placed.top + 1);
    OffsetRect(&glyphRect, placed.left, placed.top);
  } else {
    OffsetRect(&textRect, bounds.left, bounds.top);
    OffsetRect(&glyphRect, bounds.left, bounds.top);
  }
  if (arrow && arrowPosition == apLeftText)
    OffsetRect(&textRect, arrowRoom, 0);
  OffsetRect(&textRect, layout.OffsetX(), layout.OffsetY());
  OffsetRect(&glyphRect, layout.OffsetX(), layout.OffsetY());

  format |= wordBreak ? (DT_WORDBREAK | DT_EXPANDTABS | AlignmentTextFlags(layout.Alignment()))
                      : DT_EXPANDTABS;
  if (!accelerators)
    format |= DT_NOPREFIX;
  if (layoutFlags & LayoutLimitText) {
    textRect.right = std::min(textRect.right, bounds.right);
    textRect.bottom = std::min(textRect.bottom, bounds.bottom);
  }
  if (arrow && arrowPosition == apLeftGlyph)
    OffsetRect(&glyphRect, buttonLayout->ArrowIndent() + arrowWidth, 0);

  if (!(layoutFlags & LayoutMeasureOnly)) {
    if (hasText)
      DrawFxText(canvas, text, caption, nullptr, static_cast<std::uint8_t>(layoutFlags & 0xFF),
                 format, textRect);
    if (hasGlyph) {
      RECT used;
      const std::uint16_t flags =
          transparentGlyph ? (mask ? DrawMasked : DrawTransparent) : std::uint16_t{0};
      DrawImageInRect(canvas, glyphRect, glyphCanvas, used, mask, nullptr, transparentColor, flags,
                      glyphSource);
    }
    if (arrow) {
      const RECT& beside = arrowByGlyph ? glyphRect : textRect;
      const int top = beside.top + Height(beside) / 2 - arrowSize / 2;
      int left = 0;
      switch (arrowPosition) {
      case apRightText:
        left = wordBreak ? textRect.right - arrowSize - 1 : textRect.right - arrowWidth - 1;
        break;
      case apLeftText:
        left = textRect.left - buttonLayout->ArrowIndent() - arrowWidth;
        break;
      case apRightGlyph:
        left = glyphRect.right - arrowWidth;
        break;
      case apLeftGlyph:
        left = glyphRect.left - buttonLayout->ArrowIndent() - arrowWidth;
        break;
      }
      DrawDropArrow(canvas, left, top, (layoutFlags & FxTextEnabled) != 0, true,
                    buttonLayout->ArrowColor(), arrowSize);
    }
  }
  rects.Text = textRect;
  rects.Glyph = glyphRect;
  UnionRect(&rects.Union, &textRect, &glyphRect);
  RECT invalid{};
  if (layoutFlags & LayoutInvalidateText) {
    invalid = textRect;
    InflateRect(&invalid, 1, 1);
  } else if (layoutFlags & LayoutInvalidateGlyph) {
    invalid = glyphRect;
  } else if (layoutFlags & LayoutInvalidateAll) {
    invalid = rects.Union;
    InflateRect(&invalid, 1, 1);
  }
  return invalid;
}

namespace {

TMVWUserButtonStyle ResolveStyle(TMVWUserButtonStyle style) {
  const bool themes = MVWApplication && MVWApplication->UseThemes();
  if (style == ubsAutoDetect)
    return themes ? ubsWinXP : ubsWin40;
  if (themes)
    return style;
  switch (style) {
  case ubsWinXP:
    return ubsWin40;
  case ubsWinXPCombo:
    return ubsIntegrated;
  case ubsWinXPTool:
    return ubsExplorerColored;
  default:
    return style;
  }
}

HWND ThemeWindow(TControl* control) {
  for (TControl* c = control; c; c = c->Parent())
    if (auto* window = dynamic_cast<TWinControl*>(c))
      return window->Handle();
  return nullptr;
}

void DefaultFrame(TCanvas& canvas, RECT& rect, std::uint16_t& flags, bool win31) {
  Edge(canvas, rect, BDR_SUNKENOUTER,
       BF_LEFT | BF_TOP | BF_SOFT | ((flags & FaceMiddleFill) ? BF_MIDDLE : 0));
  Edge(canvas, rect, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
  if (win31 && (flags & FaceRounded)) {
    const TColor face = clBtnFace;
    canvas.SetPixels(rect.left, rect.top, face);
    canvas.SetPixels(rect.right - 1, rect.top, face);
    canvas.SetPixels(rect.left, rect.bottom - 1, face);
    canvas.SetPixels(rect.right - 1, rect.bottom - 1, face);
    flags &= static_cast<std::uint16_t>(~FaceRounded);
  }
  InflateRect(&rect, -1, -1);
}

void Frame(TCanvas& canvas, const RECT& rect, TColor color) {
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(color);
  canvas.FrameRect(rect);
}

} // namespace

bool DrawButtonFace(TControl* control, TCanvas& canvas, bool hot, TColor color,
                    std::uint16_t faceFlags, int state, TMVWUserButtonStyle style, RECT& rect) {
  style = ResolveStyle(style);
  const bool down = state == 3 || state == 4 || state == 6 || state == 7;
  const TMVWXPStyles& xp = XPStyles();
  if ((style == ubsWinXP || style == ubsWinXPCombo || style == ubsWinXPTool) && xp.OpenThemeData &&
      xp.DrawThemeBackground && xp.CloseThemeData) {
    const wchar_t* themeClass = style == ubsWinXP        ? L"BUTTON"
                                : style == ubsWinXPCombo ? L"COMBOBOX"
                                                         : L"TOOLBAR";
    int part = 1;
    if (style == ubsWinXPTool && (faceFlags & FaceDropDown))
      part = (faceFlags & FaceSplitDropDown) ? 4 : 3;
    int themeState = down ? 3 : hot ? 2 : 1;
    if (state == 1 || state == 7)
      themeState = 4;
    RECT face = rect;
    if (style == ubsWinXP)
      InflateRect(&face, 1, 1);
    if (HTHEME theme = xp.OpenThemeData(ThemeWindow(control), themeClass)) {
      xp.DrawThemeBackground(theme, canvas.Handle(), part, themeState, &face, nullptr);
      xp.CloseThemeData(theme);
    }
    InflateRect(&rect, -3, -3);
    if (faceFlags & FaceFocused)
      canvas.DrawFocusRect(rect);
    return true;
  }

  const bool flat = style >= ubsKestrinFlat && style <= ubsExplorerColored;
  const bool explorer = style == ubsExplorer || style == ubsExplorerColored;
  TBrush& brush = canvas.Brush();
  brush.SetStyle(bsSolid);
  if (!explorer) {
    if (state == 3 && !(flat && hot) && MVWApplication) {
      brush.SetBitmap(MVWApplication->PatternBitmap(color));
      canvas.FillRect(rect);
      brush.SetBitmap(nullptr);
    } else {
      brush.SetColor(color);
      canvas.FillRect(rect);
    }
  }
  RECT face = rect;
  if (!down && (faceFlags & (FaceFocused | FaceDefaultFrame)))
    DefaultFrame(canvas, face, faceFlags, style == ubsWin31);
  TPen& pen = canvas.Pen();
  pen.SetStyle(psSolid);
  pen.SetWidth(1);
  const auto line = [&](TColor c, std::initializer_list<POINT> points) {
    pen.SetColor(c);
    canvas.Polyline(points);
  };
  switch (style) {
  case ubsWin31:
    DefaultFrame(canvas, face, faceFlags, true);
    if (down) {
      Edge(canvas, face, BDR_SUNKENINNER, BF_LEFT | BF_TOP);
    } else {
      Edge(canvas, face, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
      Edge(canvas, face, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    }
    break;
  case ubsWin40:
    if (faceFlags & Face3DBorder) {
      if (!down)
        DrawStandardBorder(canvas, face, lsRaisedspb, BF_RECT);
      else if (faceFlags & FaceSunkenDown)
        Edge(canvas, face, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
      else
        DrawStandardBorder(canvas, face, lsLowered, 0);
    } else if (down) {
      Frame(canvas, face, clBlack);
      InflateRect(&face, -1, -1);
      Frame(canvas, face, clGray);
    } else if (faceFlags & FaceFocused) {
      Edge(canvas, face, BDR_RAISEDOUTER, BF_RECT | BF_SOFT | BF_ADJUST);
      Edge(canvas, face, BDR_RAISEDINNER, BF_RIGHT | BF_BOTTOM | BF_ADJUST);
    } else {
      DrawStandardBorder(canvas, face, lsRaisedspb, 0);
    }
    break;
  case ubsKestrin:
    Frame(canvas, face, clBlack);
    InflateRect(&face, -1, -1);
    if (down) {
      line(clGray, {{face.left, face.bottom - 1}, {face.left, face.top}, {face.right, face.top}});
    } else {
      Edge(canvas, face, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    }
    break;
  case ubsIntegrated:
    if (down) {
      Frame(canvas, face, clGray);
    } else {
      Frame(canvas, face, clBlack);
      RECT inner = face;
      InflateRect(&inner, -1, -1);
      line(clBtnFace,
           {{inner.left, inner.bottom - 1}, {inner.left, inner.top}, {inner.right, inner.top}});
      InflateRect(&inner, -1, -1);
      Frame(canvas, inner, clWhite);
      InflateRect(&inner, -1, -1);
      line(clGray, {{inner.right - 1, inner.top},
                    {inner.right - 1, inner.bottom - 1},
                    {inner.left - 1, inner.bottom - 1}});
    }
    break;
  default:
    if (flat) {
      if ((style == ubsKestrinFlat || style == ubsNavigator) && (down || hot)) {
        brush.SetStyle(bsClear);
        canvas.Rectangle(face.left, face.top, face.right, face.bottom);
        brush.SetStyle(bsSolid);
        InflateRect(&face, -1, -1);
      }
      if (down) {
        Edge(canvas, face, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
      } else if (hot) {
        Edge(canvas, face, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
      } else if (!explorer) {
        brush.SetColor(color);
        canvas.FillRect(face);
      }
    }
    break;
  }
  RECT content = rect;
  InflateRect(&content, -3, -3);
  if (faceFlags & FaceFocused) {
    RECT focus = rect;
    InflateRect(&focus, down ? -4 : -3, down ? -4 : -3);
    canvas.DrawFocusRect(focus);
  }
  if (down)
    OffsetRect(&content, 1, 1);
  rect = content;
  return true;
}

bool IsTrueTypeFont(TFont& font) {
  TScreenText screen(font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.DC(), &metrics);
  return (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

bool IsTrueTypeCanvasFont(TCanvas& canvas) {
  return IsTrueTypeFont(canvas.Font());
}

int FxCaptionTextHeight(TMVW3DCaption* caption, TFont& font) {
  TScreenText screen(font);
  SIZE size{0, 0};
  GetTextExtentPoint32A(screen.DC(), "W", 1, &size);
  int height = size.cy;
  if (!caption)
    return height;
  switch (caption->Style()) {
  case tdSunken:
  case tdRaised:
    height += caption->LightDepth();
    break;
  case tdSunkenShadow:
  case tdRaisedShadow:
  case tdPColorSunken:
  case tdPColorRaised:
    height += caption->LightDepth() + caption->ShadowDepth();
    break;
  case tdShadow:
    height += caption->ShadowDepth();
    break;
  default:
    break;
  }
  return height;
}

} // namespace marivo
