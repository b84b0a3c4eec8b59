#include "widgets/foundation/MVWShapePaint.h"

#include "platform/rtl/Exceptions.h"
#include "platform/ui/GdiHandles.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWGraph.h"

#include <cmath>
#include <vector>

namespace marivo {

namespace {

// The caller's list goes back to the frame of its rectangle's corner, also on failure.
class TListOffset {
public:
  explicit TListOffset(TMVWPointList& points) : Points_(points) {}
  ~TListOffset() { OffsetPoints(&Points_, -X_, -Y_); }
  TListOffset(const TListOffset&) = delete;
  TListOffset& operator=(const TListOffset&) = delete;
  void Move(int dx, int dy) {
    OffsetPoints(&Points_, dx, dy);
    X_ += dx;
    Y_ += dy;
  }

private:
  TMVWPointList& Points_;
  int X_ = 0;
  int Y_ = 0;
};

void SetPen(TCanvas& canvas, bool visible, int width, TColor color) {
  TPen& pen = canvas.Pen();
  pen.SetMode(pmCopy);
  pen.SetStyle(visible ? psSolid : psClear);
  pen.SetWidth(width);
  pen.SetColor(color);
}

std::vector<POINT> Outline(const TMVWPointList& points, bool inner) {
  const std::size_t half = points.Points().size() / 2;
  const auto first = points.Points().begin() + (inner ? static_cast<std::ptrdiff_t>(half) : 0);
  std::vector<POINT> outline;
  for (auto point = first; point != first + static_cast<std::ptrdiff_t>(half); ++point)
    outline.push_back({point->X, point->Y});
  return outline;
}

// One outline filled with the canvas brush and framed with its pen.
void DrawFigure(TCanvas& canvas, TMVWShapeType shape, const std::vector<POINT>& outline) {
  switch (shape) {
  case stEllipse:
    canvas.Ellipse(outline[0].x, outline[0].y, outline[1].x, outline[1].y);
    break;
  case stRectangle:
    canvas.Rectangle(outline[0].x, outline[0].y, outline[1].x, outline[1].y);
    break;
  case stRoundRect:
    canvas.RoundRect(outline[0].x, outline[0].y, outline[1].x, outline[1].y, outline[2].x,
                     outline[2].y);
    break;
  default:
    canvas.Polygon(outline);
    break;
  }
}

void DrawShadow(TCanvas& canvas, TMVWShapeType shape, const TMVWShadow& shadow,
                const std::vector<POINT>& outer) {
  TBrush& brush = canvas.Brush();
  brush.SetStyle(bsSolid);
  brush.SetColor(shadow.Color());
  brush.SetBitmap(nullptr);
  SetPen(canvas, false, 1, shadow.Color());
  if (shadow.Style() == hssTracing) {
    // Without the application there is no pattern to trace with.
    TBitmap* pattern = MVWApplication ? MVWApplication->PatternBitmap(shadow.Color()) : nullptr;
    if (!pattern)
      return;
    brush.SetBitmap(pattern);
    canvas.Pen().SetMode(pmMask);
  }
  DrawFigure(canvas, shape, outer);
  canvas.Pen().SetMode(pmCopy);
}

// The body painted on a scratch bitmap white on the mask colour, then the picture copied through
// it, so that only the inside shows. A white mask colour (a white button) marks the inside black,
// or inside and outside could not be told apart.
void DrawPictureBody(TCanvas& canvas, TMVWShapeType shape, const std::vector<POINT>& inner,
                     int width, int height, int penWidth, bool outlined, TColor maskColor,
                     const TBitmap& picture) {
  const TColor inside = ColorToRGB(maskColor) == ColorToRGB(clWhite) ? clBlack : clWhite;
  TBitmap scratch;
  scratch.SetSize(width, height);
  TCanvas& mask = scratch.Canvas();
  mask.Brush().SetColor(maskColor);
  mask.FillRect({0, 0, width, height});
  SetPen(mask, outlined, penWidth, inside);
  mask.Brush().SetColor(inside);
  DrawFigure(mask, shape, inner);
  TBitmap copy;
  copy.Assign(picture);
  DrawMaskedComposite(canvas, {0, 0, width, height}, scratch, maskColor, inside, copy);
}

// The rounded outline in two colours, split where the upper-right and lower-left corner arcs
// turn half way.
void DrawRoundRectBevel(TCanvas& canvas, const RECT& box, int corner, TColor first, TColor second) {
  const int half = corner / 2;
  const int off = static_cast<int>(std::lround(half * (1 - 1 / std::sqrt(2.0))));
  const POINT upperRight{box.right - off, box.top + off};
  const POINT lowerLeft{box.left + off, box.bottom - off};
  const int dx = upperRight.x - lowerLeft.x, dy = upperRight.y - lowerLeft.y;
  const int reach = (box.right - box.left) + (box.bottom - box.top) + 100;
  const POINT upperLeftHalf[] = {{upperRight.x + dx, upperRight.y + dy},
                                 {upperRight.x + dx, box.top - reach},
                                 {box.left - reach, box.top - reach},
                                 {box.left - reach, lowerLeft.y - dy},
                                 {lowerLeft.x - dx, lowerLeft.y - dy}};
  const TRegionHandle firstPart(CreatePolygonRgn(upperLeftHalf, 5, WINDING));
  const TRegionHandle secondPart(
      CreateRectRgn(box.left - reach, box.top - reach, box.right + reach, box.bottom + reach));
  CombineRgn(secondPart.Get(), secondPart.Get(), firstPart.Get(), RGN_DIFF);
  canvas.Brush().SetStyle(bsClear);
  for (const auto& [part, color] :
       {std::pair{firstPart.Get(), first}, std::pair{secondPart.Get(), second}}) {
    const TSavedDC saved(canvas.Handle());
    ExtSelectClipRgn(canvas.Handle(), part, RGN_AND);
    canvas.Pen().SetColor(color);
    canvas.RoundRect(box.left, box.top, box.right, box.bottom, corner, corner);
  }
}

void DrawBevel(TCanvas& canvas, TMVWShapeType shape, const TMVWPointList& points, int penWidth,
               int roundness, TColor first, TColor second) {
  SetPen(canvas, true, penWidth, first);
  const int r = OuterHalf(penWidth), s = InnerHalf(penWidth);
  const std::vector<POINT> outer = Outline(points, false);
  const int l = outer[0].x, t = outer[0].y, rt = outer[1].x, b = outer[1].y;
  switch (shape) {
  case stRectangle:
    canvas.Polyline({{l + r, b - s}, {l + r, t + r}, {rt - s, t + r}});
    canvas.Pen().SetColor(second);
    canvas.Polyline({{rt - s - 1, t + r}, {rt - s - 1, b - s - 1}, {l + r, b - s - 1}});
    break;
  case stEllipse: {
    const RECT box{l + r, t + r, rt - s, b - s};
    SetArcDirection(canvas.Handle(), AD_COUNTERCLOCKWISE);
    canvas.Arc(box.left, box.top, box.right, box.bottom, box.right, box.top, box.left, box.bottom);
    canvas.Pen().SetColor(second);
    canvas.Arc(box.left, box.top, box.right, box.bottom, box.left, box.bottom, box.right, box.top);
    break;
  }
  case stRoundRect:
    DrawRoundRectBevel(canvas, {l + r, t + r, rt - s, b - s}, roundness, first, second);
    break;
  default: {
    const std::vector<TMVWPoint> inner(points.Points().begin() + points.Count() / 2,
                                       points.Points().end());
    const bool clockwise = IsClockwise(inner);
    for (std::size_t i = 0; i < inner.size(); ++i) {
      const TMVWPoint from = inner[i], to = inner[(i + 1) % inner.size()];
      canvas.Pen().SetColor(IsFirstBevelEdge(from, to, clockwise) ? first : second);
      canvas.Polyline({{from.X, from.Y}, {to.X, to.Y}});
    }
    break;
  }
  }
}

} // namespace

TMVWShapeSettings ShapeSettings(TMVWShapeType shape, const TMVWShadow* shadow,
                                const TMVWSimpleBevel* bevel, TMVWPercent roundPercent,
                                bool square) {
  return {shape, shadow ? shadow->EffectiveDepth() : 0, bevel ? bevel->Width() : 1, roundPercent,
          square};
}

void CalcShapeGeometry(const RECT& rect, TMVWShapeType shape, const TMVWShadow* shadow,
                       const TMVWSimpleBevel* bevel, TMVWPercent roundPercent, bool square,
                       TMVWPointList& points) {
  CalcShapeGeometry({rect.left, rect.top, rect.right, rect.bottom},
                    ShapeSettings(shape, shadow, bevel, roundPercent, square), points);
}

void PaintShape(TCanvas& canvas, const RECT& rect, TMVWShapeType shape, const TMVWShadow* shadow,
                const TMVWSimpleBevel* bevel, TMVWPercent roundPercent, const TBrush& brush,
                bool square, TColor backgroundColor, TColor maskColor, TBitmap* picture,
                TMVWPointList* points) {
  // The corner size of the rounded rectangle and the picture are taken in the rectangle's own
  // frame, which painting moves the list away from.
  if (rect.left != 0 || rect.top != 0)
    throw EInvalidOperation("Shapes are painted in a rectangle at (0, 0)");
  // A missing bevel outlines as a plain black one of width 1.
  TMVWSimpleBevel plain;
  plain.SetWidth(1);
  const TMVWSimpleBevel& outline = bevel ? *bevel : plain;
  const TMVWShapeSettings settings = ShapeSettings(shape, shadow, &outline, roundPercent, square);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int d = settings.Depth, w = settings.PenWidth;
  if (width - d < 1 || height - d < 1)
    return;
  TMVWPointList own;
  if (!points) {
    CalcShapeGeometry(rect, shape, shadow, &outline, roundPercent, square, own);
    points = &own;
  }
  const TSavedDC saved(canvas.Handle());
  TListOffset offset(*points);
  offset.Move(rect.left, rect.top);
  if (d > 0)
    DrawShadow(canvas, shape, *shadow, Outline(*points, false));
  offset.Move(-d, -d);

  const std::vector<POINT> inner = Outline(*points, true);
  const bool outlined = outline.Width() != 0;
  if (picture)
    DrawPictureBody(canvas, shape, inner, width, height, w, outlined, maskColor, *picture);
  // Beside a bevel the outline takes the colour of the canvas brush: the body's without a
  // picture, so the bevel lines alone frame it.
  const TColor penColor = outline.Style() == sbNormal ? outline.Color()
                          : picture                   ? canvas.Brush().Color()
                                                      : brush.Color();
  if (picture) {
    canvas.Brush().SetStyle(bsClear);
  } else {
    canvas.Brush().Assign(brush);
    if (brush.Style() != bsSolid || brush.Bitmap()) {
      // Hatches show the background between their lines.
      SetBkColor(canvas.Handle(), ColorToRGB(backgroundColor));
      SetBkMode(canvas.Handle(), OPAQUE);
    }
  }
  SetPen(canvas, outlined, w, penColor);
  DrawFigure(canvas, shape, inner);
  if (w > 0 && outline.Style() != sbNormal) {
    const bool inset = outline.Style() == sbInset;
    DrawBevel(canvas, shape, *points, w, ShapeRoundness(width, height, settings),
              inset ? outline.ShadowColor() : outline.LightColor(),
              inset ? outline.LightColor() : outline.ShadowColor());
  }
}

} // namespace marivo
