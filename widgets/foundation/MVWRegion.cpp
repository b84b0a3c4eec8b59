#include "widgets/foundation/MVWRegion.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Controls.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/portable/MVWRegionData.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <iterator>

namespace marivo {

namespace {

TMVWRect GeoRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

RECT WinRect(const TMVWRect& rect) {
  return {rect.Left, rect.Top, rect.Right, rect.Bottom};
}

std::vector<POINT> WinPoints(const std::vector<TMVWPoint>& points) {
  std::vector<POINT> result;
  result.reserve(points.size());
  for (const TMVWPoint& point : points)
    result.push_back({point.X, point.Y});
  return result;
}

// The polygon shapes' outlines for a window rect.
std::vector<POINT> StarOutline(const RECT& rect) {
  return WinPoints(StarPoints(GeoRect(rect)));
}

std::vector<POINT> DiamondOutline(const RECT& rect) {
  return WinPoints(DiamondPoints(GeoRect(rect)));
}

std::vector<POINT> OctagonOutline(const RECT& rect) {
  return WinPoints(OctagonPoints(GeoRect(rect)));
}

std::vector<POINT> CombOutline(const RECT& rect) {
  return WinPoints(CombPoints(GeoRect(rect)));
}

TRegionHandle PolygonRegion(const std::vector<POINT>& points) {
  return TRegionHandle(CreatePolygonRgn(points.data(), static_cast<int>(points.size()), ALTERNATE));
}

TRegionHandle RectRegion(int left, int top, int right, int bottom) {
  return TRegionHandle(CreateRectRgn(left, top, right, bottom));
}

TRegionHandle EllipticRegion(int left, int top, int right, int bottom) {
  return TRegionHandle(CreateEllipticRgn(left, top, right, bottom));
}

// a := a op b; a region that could not be made takes no part.
void Combine(const TRegionHandle& a, const TRegionHandle& b, int mode) {
  if (a && b)
    CombineRgn(a.Get(), a.Get(), b.Get(), mode);
}

// Stored data may be anything: only a whole rectangle block reaches the platform.
TRegionHandle RegionFromData(const std::vector<std::uint8_t>& data) {
  if (!IsValidRegionData(data))
    return {};
  return TRegionHandle(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                       reinterpret_cast<const RGNDATA*>(data.data())));
}

// The shields in coordinates from 0: the outer body, then the three cuts at the top.
TRegionHandle ShieldRegion(int w, int h, bool sharp) {
  TRegionHandle body;
  if (sharp) {
    const int eightH = 8 * h / 7;
    body = EllipticRegion(-w, -eightH, w, eightH);
    Combine(body, EllipticRegion(0, -eightH, 2 * w, eightH), RGN_AND);
  } else {
    body = EllipticRegion(0, h, w, -(h - h / 5));
  }
  Combine(body, EllipticRegion(-(w / 2), -(h / 5), w / 2, h / 5), RGN_DIFF);
  Combine(body, EllipticRegion(w / 2, -(h / 5), w / 2 + w, h / 5), RGN_DIFF);
  Combine(body, RectRegion(0, -40, w, 0), RGN_DIFF);
  return body;
}

int RoundNoseOffset(const TMVWRegion& region) {
  switch (region.ExtPos()) {
  case epLeftTop:
  case epRightTop:
  case epRightBottom:
  case epLeftBottom:
    return region.RoundY();
  default:
    return region.RoundX();
  }
}

// A pen of the colour and width selected into the DC for a scope.
class TPenScope {
public:
  TPenScope(HDC dc, TColor color, int width)
      : Pen_(CreatePen(PS_SOLID, width, ColorToRGB(color))), Selection_(dc, Pen_.Get()) {}

private:
  TPenHandle Pen_;
  TSelection Selection_;
};

// Draws with the clip cut down to one side of the rect's rising diagonal: the upper-left half
// (first) or the lower-right one.
void DrawOnHalf(HDC dc, const RECT& rect, bool upperLeft, const std::function<void()>& draw) {
  const TSavedDC saved(dc);
  const int pad = 8;
  const POINT corner = upperLeft ? POINT{rect.left - pad, rect.top - pad}
                                 : POINT{rect.right + pad, rect.bottom + pad};
  const std::vector<POINT> half = {
      {rect.right + pad, rect.top - pad}, corner, {rect.left - pad, rect.bottom + pad}};
  if (const TRegionHandle clip = PolygonRegion(half))
    ExtSelectClipRgn(dc, clip.Get(), RGN_AND);
  draw();
}

// The colour a segment takes: up and left facing parts the first, the others the second.
using TSegmentColours = std::function<bool(std::size_t segment)>;

void DrawPath(HDC dc, const std::vector<POINT>& points, TColor first, TColor second,
              const TSegmentColours& isFirst, int width) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TColor colour = isFirst(i) ? first : second;
    if (colour == clNone)
      continue;
    const TPenScope pen(dc, colour, width);
    const POINT from = points[i];
    const POINT to = points[(i + 1) % points.size()];
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
  }
}

void DrawCurve(HDC dc, const RECT& rect, TColor first, TColor second, int width,
               const std::function<void()>& draw) {
  if (first != clNone && first == second) {
    const TPenScope pen(dc, first, width);
    draw();
    return;
  }
  for (const bool upperLeft : {true, false}) {
    const TColor colour = upperLeft ? first : second;
    if (colour == clNone)
      continue;
    const TPenScope pen(dc, colour, width);
    DrawOnHalf(dc, rect, upperLeft, draw);
  }
}

// The colours of a border, named by role; bcNone leaves that part out.
enum TBorderColour : std::uint8_t { bcNone, bcLight, bcShadow, bcSingle };

TColor ColourOf(const TMVWRegionBorder& border, TBorderColour colour) {
  switch (colour) {
  case bcLight:
    return border.LightColor();
  case bcShadow:
    return border.ShadowColor();
  case bcSingle:
    return border.SingleColor();
  case bcNone:
    break;
  }
  return clNone;
}

// Which rect a pass outlines: the shape's own, one inset, or the frame inside a psb style.
enum TBorderRing : std::uint8_t { brOuter, brInner, brFramed };

// One outline in two colours: the up and left facing parts in the first, the others the second.
struct TBorderPass {
  TBorderRing Ring;
  TBorderColour First;
  TBorderColour Second;
};

// A style as up to two passes, and the colours a free path takes, which knows no inner ring.
struct TBorderStyleRow {
  TBorderPass Passes[2];
  TBorderColour PathFirst;
  TBorderColour PathSecond;
};

constexpr TBorderPass NoPass = {brOuter, bcNone, bcNone};

constexpr TBorderStyleRow BorderStyles[] = {
    /* rbNone */ {{NoPass, NoPass}, bcNone, bcNone},
    /* rbLowered */ {{{brOuter, bcShadow, bcLight}, NoPass}, bcShadow, bcLight},
    /* rbRaised */ {{{brOuter, bcLight, bcShadow}, NoPass}, bcLight, bcShadow},
    /* rbSingle */ {{{brOuter, bcSingle, bcSingle}, NoPass}, bcSingle, bcSingle},
    /* rbSingleRaised */
    {{{brOuter, bcSingle, bcSingle}, {brInner, bcLight, bcShadow}}, bcLight, bcShadow},
    /* rbSingleLowered */
    {{{brOuter, bcSingle, bcSingle}, {brInner, bcShadow, bcLight}}, bcShadow, bcLight},
    /* rbRaisedpsb */
    {{{brOuter, bcLight, bcSingle}, {brFramed, bcNone, bcShadow}}, bcLight, bcShadow},
    /* rbLoweredpsb */
    {{{brOuter, bcShadow, bcSingle}, {brFramed, bcNone, bcLight}}, bcShadow, bcLight},
};
static_assert(std::size(BorderStyles) == rbLoweredpsb + 1);

std::vector<POINT> RectPoints(const RECT& r) {
  // From the top right along the top, down the left, along the bottom and up the right.
  return {{r.right, r.top}, {r.left, r.top}, {r.left, r.bottom}, {r.right, r.bottom}};
}

// Segment i runs from point i to point i + 1, the last one back to the first.
constexpr std::uint16_t Segments(std::initializer_list<int> segments) {
  std::uint16_t mask = 0;
  for (const int segment : segments)
    mask |= static_cast<std::uint16_t>(1U << segment);
  return mask;
}

// Where the outline goes: around the whole rect, around the body beside a nose or a bubble
// trail, along the free points, or nowhere (a mask or stored region has no drawn border).
enum TBorderLayout : std::uint8_t { blNone, blWhole, blNose, blBubbles, blPath };

// What draws an outline: a polygon's segments, the round rect, the ellipse, or the frame of the
// shape's own region.
enum TOutlineKind : std::uint8_t { okNone, okPolygon, okRoundRect, okEllipse, okRegion };

struct TShapeBorderRow {
  TBorderLayout Layout;
  TOutlineKind Outline;
  std::vector<POINT> (*Points)(const RECT&) = nullptr;
  // The point the polygon's path starts from, so that its first colour runs up and left.
  int Start = 0;
  // The segments drawn in the first colour.
  std::uint16_t FirstSegments = 0;
  int Inset = 1;
  int FramedInset = 1;
};

constexpr TShapeBorderRow ShapeBorders[] = {
    /* rsRect */ {blWhole, okPolygon, RectPoints, 0, Segments({0, 1})},
    /* rsRoundRect */ {blWhole, okRoundRect},
    /* rsBitmap */ {blNone, okNone},
    /* rsNoseRect */ {blNose, okPolygon, RectPoints, 0, Segments({0, 1})},
    /* rsRoundNoseRect */ {blNose, okRoundRect},
    /* rsElliptic */ {blWhole, okEllipse},
    /* rsStar */ {blWhole, okPolygon, StarOutline, 0, Segments({1, 3, 6, 8, 9}), 2, 3},
    /* rsRoundShield */ {blWhole, okRegion},
    /* rsSharpShield */ {blWhole, okRegion},
    // From the right corner over the top to the left, then over the bottom back.
    /* rsDiamond */ {blWhole, okPolygon, DiamondOutline, 3, Segments({0, 1})},
    // 8-1-2-3-4 in the first colour.
    /* rsOctagon */ {blWhole, okPolygon, OctagonOutline, 7, Segments({0, 1, 2, 3})},
    /* rsComb */ {blWhole, okPolygon, CombOutline, 5, Segments({0, 1, 2})},
    /* rsHalfRound */ {blWhole, okRegion},
    /* rsUserRegion */ {blNone, okNone},
    /* rsThinkBubble */ {blBubbles, okPolygon, RectPoints, 0, Segments({0, 1})},
    /* rsRoundThinkBubble */ {blBubbles, okRoundRect},
    /* rsEllipticThinkBubble */ {blBubbles, okEllipse},
    /* rsPointList */ {blPath, okNone},
};
static_assert(std::size(ShapeBorders) == rsPointList + 1);

// The shapes whose border frames their own region: the shields and the half round.
TRegionHandle FramedShapeRegion(TMVWRegionShape shape, const RECT& rect) {
  if (shape == rsHalfRound)
    return EllipticRegion(rect.left, 2 * rect.top - rect.bottom, rect.right, rect.bottom);
  TRegionHandle shield =
      ShieldRegion(rect.right - rect.left, rect.bottom - rect.top, shape == rsSharpShield);
  if (shield)
    OffsetRgn(shield.Get(), rect.left, rect.top);
  return shield;
}

// Draws one outline of a kind in two colours (clNone leaves that part out).
struct TOutline {
  TOutlineKind Kind;
  const TShapeBorderRow& Row;
  TMVWRegionShape Shape;
  int RoundX;
  int RoundY;

  void Draw(HDC dc, const RECT& e, TColor first, TColor second) const {
    switch (Kind) {
    case okNone:
      break;
    case okPolygon: {
      std::vector<POINT> points = Row.Points(e);
      std::rotate(points.begin(), points.begin() + Row.Start, points.end());
      const auto isFirst = [this](std::size_t segment) {
        return ((Row.FirstSegments >> segment) & 1U) != 0;
      };
      DrawPath(dc, points, first, second, isFirst, 2);
      break;
    }
    case okRoundRect: {
      const auto draw = [&] { RoundRect(dc, e.left, e.top, e.right, e.bottom, RoundX, RoundY); };
      if (first != clNone) {
        const TPenScope pen(dc, first, 2);
        draw();
      }
      if (second != clNone && second != first) {
        const TPenScope pen(dc, second, 4);
        DrawOnHalf(dc, e, false, draw);
      }
      break;
    }
    case okEllipse:
      DrawCurve(dc, e, first, second, 2, [&] { Ellipse(dc, e.left, e.top, e.right, e.bottom); });
      break;
    case okRegion: {
      const TRegionHandle outline = FramedShapeRegion(Shape, e);
      if (!outline)
        break;
      for (const bool upperLeft : {true, false}) {
        const TColor colour = upperLeft ? first : second;
        if (colour == clNone)
          continue;
        const TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
        DrawOnHalf(dc, e, upperLeft, [&] { FrameRgn(dc, outline.Get(), brush.Get(), 2, 2); });
      }
      break;
    }
    }
  }
};

// The border style's passes over one outline.
void DrawBorder(HDC dc, const RECT& rect, const TMVWRegionBorder& border, const TOutline& outline) {
  for (const TBorderPass& pass : BorderStyles[border.Style()].Passes) {
    if (pass.First == bcNone && pass.Second == bcNone)
      continue;
    RECT ring = rect;
    const int by = pass.Ring == brInner    ? outline.Row.Inset
                   : pass.Ring == brFramed ? outline.Row.FramedInset
                                           : 0;
    InflateRect(&ring, -by, -by);
    outline.Draw(dc, ring, ColourOf(border, pass.First), ColourOf(border, pass.Second));
  }
}

// A free path takes each segment's colour from its direction; the later test wins, a still
// segment keeps the one before.
void DrawFreePath(HDC dc, const std::vector<POINT>& points, const TMVWRegionBorder& border) {
  if (points.size() < 2)
    return;
  const TBorderStyleRow& style = BorderStyles[border.Style()];
  bool firstColour = true;
  const TSegmentColours direction = [&](std::size_t i) {
    const POINT from = points[i];
    const POINT to = points[(i + 1) % points.size()];
    if (to.y > from.y)
      firstColour = false;
    if (to.y < from.y)
      firstColour = true;
    if (to.x < from.x)
      firstColour = false;
    if (to.x > from.x)
      firstColour = true;
    return firstColour;
  };
  DrawPath(dc, points, ColourOf(border, style.PathFirst), ColourOf(border, style.PathSecond),
           direction, 2);
}

} // namespace

void TMVWRegionBorder::SetStyle(TMVWRegionBorderStyle value) {
  if (Store(Style_, value))
    SubObjectChanged(this);
}

void TMVWRegionBorder::SetColour(TColor& field, TColor value) {
  if (Store(field, value))
    SubObjectChanged(this);
}

void TMVWRegionBorder::Assign(const TPersistent& source) {
  const auto* border = dynamic_cast<const TMVWRegionBorder*>(&source);
  if (!border) {
    TMVWObject::Assign(source);
    return;
  }
  Style_ = border->Style_;
  LightColor_ = border->LightColor_;
  ShadowColor_ = border->ShadowColor_;
  SingleColor_ = border->SingleColor_;
  SubObjectChanged(this);
}

TMVWRegion::TMVWRegion()
    : Points_(std::make_unique<TMVWPointList>()), Mask_(std::make_unique<TMVWRegionMask>()),
      Shadow_(std::make_unique<TMVWRgnShadow>()), Border_(std::make_unique<TMVWRegionBorder>()) {
  const auto changed = [this](TObject* sender) { SubObjectChanged(sender); };
  Border_->OnChange = changed;
  Mask_->OnChange = changed;
  Shadow_->OnChange = changed;
  Points_->OnChange = [this](TObject*) { RebuildUserRegion(); };
}

TMVWRegion::~TMVWRegion() {
  Points_->OnChange = nullptr;
  Border_->OnChange = nullptr;
  Mask_->OnChange = nullptr;
  Shadow_->OnChange = nullptr;
  Owner_ = nullptr;
}

void TMVWRegion::SetShape(TMVWRegionShape value) {
  if (!Store(Shape_, value))
    return;
  RebuildUserRegion();
  Change();
}

void TMVWRegion::SetExtPos(TMVWExtPos value) {
  if (Store(ExtPos_, value))
    Change();
}

void TMVWRegion::SetRoundX(int value) {
  if (Store(RoundX_, value))
    Change();
}

void TMVWRegion::SetRoundY(int value) {
  if (Store(RoundY_, value))
    Change();
}

std::vector<std::int64_t> TMVWRegion::PointList() const {
  return PointsToList(Points_->Points());
}

void TMVWRegion::ReadPointList(const std::vector<std::int64_t>& values) {
  for (const TMVWPoint& point : PointsFromList(values))
    Points_->AddPoint(point);
}

void TMVWRegion::RebuildUserRegion() {
  if (Points_->Count() == 0 || Shape_ != rsPointList)
    return;
  const TRegionHandle polygon = PolygonRegion(WinPoints(Points_->Points()));
  if (!polygon)
    return;
  std::vector<std::uint8_t> data(GetRegionData(polygon.Get(), 0, nullptr));
  GetRegionData(polygon.Get(), static_cast<DWORD>(data.size()),
                reinterpret_cast<RGNDATA*>(data.data()));
  UserRegion_ = std::move(data);
}

bool TMVWRegion::OwnerDestroying() const {
  return Owner_ && (Owner_->ComponentState() & csDestroying);
}

void TMVWRegion::ReplaceHandle(TRegionHandle region) {
  Handle_ = std::move(region);
}

TRegionHandle TMVWRegion::BuildRegion(const RECT& rect) const {
  const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  const int w = r - l;
  switch (Shape_) {
  case rsRect:
    return RectRegion(l, t, r, b);
  case rsRoundRect:
    return TRegionHandle(CreateRoundRectRgn(l, t, r, b, RoundX_, RoundY_));
  case rsBitmap:
    return Mask_->RegionDataSize() == 0 ? TRegionHandle() : RegionFromData(Mask_->RegionData());
  case rsNoseRect:
  case rsRoundNoseRect: {
    const int a = w / 10;
    const RECT s = WinRect(ShrinkForExtension(GeoRect(rect), a, ExtPos_));
    const bool round = Shape_ == rsRoundNoseRect;
    TRegionHandle body(round
                           ? CreateRoundRectRgn(s.left, s.top, s.right, s.bottom, RoundX_, RoundY_)
                           : CreateRectRgn(s.left, s.top, s.right, s.bottom));
    Combine(body,
            PolygonRegion(
                WinPoints(NosePoints(GeoRect(s), a, round ? RoundNoseOffset(*this) : 5, ExtPos_))),
            RGN_OR);
    return body;
  }
  case rsElliptic:
    return EllipticRegion(l, t, r, b);
  case rsStar:
    return PolygonRegion(StarOutline(rect));
  case rsRoundShield:
  case rsSharpShield:
  case rsHalfRound:
    return FramedShapeRegion(Shape_, rect);
  case rsDiamond:
    return PolygonRegion(DiamondOutline(rect));
  case rsOctagon:
    return PolygonRegion(OctagonOutline(rect));
  case rsComb:
    return PolygonRegion(CombOutline(rect));
  case rsUserRegion:
  case rsPointList:
    return RegionFromData(UserRegion_);
  case rsThinkBubble:
  case rsRoundThinkBubble:
  case rsEllipticThinkBubble: {
    const int a = w / 6;
    const RECT s = WinRect(ShrinkForExtension(GeoRect(rect), a, ExtPos_));
    // Empty at first: a 1 x 1 seed would leave a stray pixel at the origin.
    TRegionHandle trail = RectRegion(0, 0, 0, 0);
    for (const TMVWBubble& bubble : BubbleTrail(GeoRect(s), a, BubbleCount_, ExtPos_)) {
      const TMVWRect box = BubbleBox(bubble);
      Combine(trail, EllipticRegion(box.Left, box.Top, box.Right, box.Bottom), RGN_OR);
    }
    const TRegionHandle body(
        Shape_ == rsThinkBubble ? CreateRectRgn(s.left, s.top, s.right, s.bottom)
        : Shape_ == rsRoundThinkBubble
            ? CreateRoundRectRgn(s.left, s.top, s.right, s.bottom, RoundX_, RoundY_)
            : CreateEllipticRgn(s.left, s.top, s.right, s.bottom));
    Combine(trail, body, RGN_OR);
    return trail;
  }
  }
  return {};
}

void TMVWRegion::CreateRegion(const RECT& rect) {
  if (OwnerDestroying())
    return;
  RECT body = rect;
  body.right -= Shadow_->EffectiveDepth();
  body.bottom -= Shadow_->EffectiveDepth();
  ReplaceHandle(BuildRegion(body));
}

void TMVWRegion::SetRectRegion(const RECT& rect) {
  if (!OwnerDestroying())
    ReplaceHandle(TRegionHandle(CreateRectRgnIndirect(&rect)));
}

void TMVWRegion::PaintShadow(TCanvas& canvas) {
  const int depth = Shadow_->EffectiveDepth();
  if (depth == 0 || !Handle_)
    return;
  HDC dc = canvas.Handle();
  const TRegionHandle shadow = RectRegion(0, 0, 0, 0);
  if (!shadow)
    return;
  CombineRgn(shadow.Get(), Handle_.Get(), nullptr, RGN_COPY);
  OffsetRgn(shadow.Get(), depth, depth);
  CombineRgn(shadow.Get(), shadow.Get(), Handle_.Get(), RGN_DIFF);
  if (Shadow_->Style() == hssTracing && MVWApplication) {
    TBitmap* pattern = MVWApplication->PatternBitmap(Shadow_->Color());
    if (!pattern)
      return;
    const TBrushHandle brush(CreatePatternBrush(pattern->Handle()));
    if (!brush)
      return;
    // Masked: the pattern's white pixels leave the background as it is.
    const int oldMix = SetROP2(dc, R2_MASKPEN);
    {
      const TSelection selected(dc, brush.Get());
      PaintRgn(dc, shadow.Get());
    }
    SetROP2(dc, oldMix);
  } else if (const TBrushHandle brush{CreateSolidBrush(ColorToRGB(Shadow_->Color()))}) {
    FillRgn(dc, shadow.Get(), brush.Get());
  }
}

void TMVWRegion::PaintBorder(TCanvas& canvas, const RECT& paintRect) {
  canvas.Brush().SetStyle(bsClear);
  canvas.Pen().SetWidth(2);
  HDC dc = canvas.Handle();
  const TSavedDC saved(dc);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  RECT rect = paintRect;
  if (Shadow_->Style() != hssNone) {
    rect.right -= Shadow_->Depth();
    rect.bottom -= Shadow_->Depth();
  }
  PaintShadow(canvas);
  const TShapeBorderRow& row = ShapeBorders[Shape_];
  const TOutline outline{row.Outline, row, Shape_, RoundX_, RoundY_};
  const int width = rect.right - rect.left;
  switch (row.Layout) {
  case blNone:
    break;
  case blWhole:
    DrawBorder(dc, rect, *Border_, outline);
    break;
  case blNose: {
    const bool round = Shape_ == rsRoundNoseRect;
    const int a = width / 10;
    const RECT s = WinRect(ShrinkForExtension(GeoRect(rect), a, ExtPos_));
    const std::vector<POINT> nose =
        WinPoints(NosePoints(GeoRect(s), a, round ? RoundNoseOffset(*this) : 5, ExtPos_));
    const int grow = round ? 4 : 2;
    // The nose joins the body without a line across its base.
    ExcludeClipRect(dc, std::min(nose[1].x, nose[2].x) - grow,
                    std::min(nose[1].y, nose[2].y) - grow, std::max(nose[1].x, nose[2].x) + grow,
                    std::max(nose[1].y, nose[2].y) + grow);
    DrawBorder(dc, s, *Border_, outline);
    break;
  }
  case blBubbles: {
    const int a = width / 6;
    const RECT s = WinRect(ShrinkForExtension(GeoRect(rect), a, ExtPos_));
    const TOutline bubble{okEllipse, row, Shape_, RoundX_, RoundY_};
    for (const TMVWBubble& trail : BubbleTrail(GeoRect(s), a, BubbleCount_, ExtPos_)) {
      const RECT e = WinRect(BubbleBox(trail));
      DrawBorder(dc, e, *Border_, bubble);
      ExcludeClipRect(dc, e.left, e.top, e.right, e.bottom);
    }
    DrawBorder(dc, s, *Border_, outline);
    break;
  }
  case blPath:
    DrawFreePath(dc, WinPoints(Points_->Points()), *Border_);
    break;
  }
}

void TMVWRegion::Assign(const TPersistent& source) {
  const auto* region = dynamic_cast<const TMVWRegion*>(&source);
  if (!region) {
    TMVWObject::Assign(source);
    return;
  }
  TMVWUpdateGuard<TMVWObject> update(*this);
  SetShape(region->Shape_);
  SetRoundX(region->RoundX_);
  SetRoundY(region->RoundY_);
  Shadow_->Assign(*region->Shadow_);
  SetExtPos(region->ExtPos_);
  Border_->Assign(*region->Border_);
  Mask_->Assign(*region->Mask_);
  update.Release(true);
}

void RegisterMVWRegion() {
  using B = TMVWRegionBorder;
  RegisterPersistentClass<B, TMVWObject>("TMVWRegionBorder")
      .Enumeration("Style",
                   {"rbNone", "rbLowered", "rbRaised", "rbSingle", "rbSingleRaised",
                    "rbSingleLowered", "rbRaisedpsb", "rbLoweredpsb"},
                   &B::Style, &B::SetStyle, B::DefaultStyle)
      .Integer("LightColor", ColorIdents(), &B::LightColor, &B::SetLightColor, B::DefaultLightColor)
      .Integer("ShadowColor", ColorIdents(), &B::ShadowColor, &B::SetShadowColor,
               B::DefaultShadowColor)
      .Integer("SingleColor", ColorIdents(), &B::SingleColor, &B::SetSingleColor,
               B::DefaultSingleColor);
  using T = TMVWRegion;
  RegisterPersistentClass<T, TMVWObject>("TMVWRegion")
      .IntegerList("PointList", &T::PointList, &T::ReadPointList)
      .Enumeration("Shape",
                   {"rsRect", "rsRoundRect", "rsBitmap", "rsNoseRect", "rsRoundNoseRect",
                    "rsElliptic", "rsStar", "rsRoundShield", "rsSharpShield", "rsDiamond",
                    "rsOctagon", "rsComb", "rsHalfRound", "rsUserRegion", "rsThinkBubble",
                    "rsRoundThinkBubble", "rsEllipticThinkBubble", "rsPointList"},
                   &T::Shape, &T::SetShape, T::DefaultShape)
      .Enumeration("ExtPos",
                   {"epLeftTop", "epTopLeft", "epTopRight", "epRightTop", "epRightBottom",
                    "epBottomRight", "epBottomLeft", "epLeftBottom"},
                   &T::ExtPos, &T::SetExtPos, T::DefaultExtPos)
      .Class("Mask", &T::Mask)
      .Integer("RoundX", &T::RoundX, &T::SetRoundX, T::DefaultRound)
      .Integer("RoundY", &T::RoundY, &T::SetRoundY, T::DefaultRound)
      .Class("Shadow", &T::Shadow);
  RegisterPersistentClass<TMVWBorderRegion, T>("TMVWBorderRegion")
      .Class("Border", &TMVWBorderRegion::Border);
}

} // namespace marivo
