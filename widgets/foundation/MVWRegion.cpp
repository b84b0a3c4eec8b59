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

// One outline of a shape in two colours (clNone leaves that part out).
using TOutline = std::function<void(HDC dc, const RECT& rect, TColor first, TColor second)>;

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

// The border styles over any outline: plain, two-coloured, single and framed.
void DrawBorder(HDC dc, const RECT& rect, const TMVWRegionBorder& border, const TOutline& outline,
                int inset, int framedInset) {
  const TColor light = border.LightColor();
  const TColor shadow = border.ShadowColor();
  const TColor single = border.SingleColor();
  RECT inner = rect;
  InflateRect(&inner, -inset, -inset);
  RECT framed = rect;
  InflateRect(&framed, -framedInset, -framedInset);
  switch (border.Style()) {
  case rbNone:
    break;
  case rbRaised:
    outline(dc, rect, light, shadow);
    break;
  case rbLowered:
    outline(dc, rect, shadow, light);
    break;
  case rbSingle:
    outline(dc, rect, single, single);
    break;
  case rbSingleRaised:
    outline(dc, rect, single, single);
    outline(dc, inner, light, shadow);
    break;
  case rbSingleLowered:
    outline(dc, rect, single, single);
    outline(dc, inner, shadow, light);
    break;
  case rbRaisedpsb:
    outline(dc, rect, light, single);
    outline(dc, framed, clNone, shadow);
    break;
  case rbLoweredpsb:
    outline(dc, rect, shadow, single);
    outline(dc, framed, clNone, light);
    break;
  }
}

TOutline PolygonOutline(const std::function<std::vector<POINT>(const RECT&)>& points,
                        const TSegmentColours& isFirst) {
  return [points, isFirst](HDC dc, const RECT& rect, TColor first, TColor second) {
    DrawPath(dc, points(rect), first, second, isFirst, 2);
  };
}

std::vector<POINT> RectPoints(const RECT& r) {
  // From the top right along the top, down the left, along the bottom and up the right.
  return {{r.right, r.top}, {r.left, r.top}, {r.left, r.bottom}, {r.right, r.bottom}};
}

// Segment i runs from point i to point i + 1, the last one back to the first.
TSegmentColours FirstSegments(std::vector<std::size_t> firsts) {
  return [firsts](std::size_t segment) {
    return std::find(firsts.begin(), firsts.end(), segment) != firsts.end();
  };
}

} // namespace

void TMVWRegionBorder::SetStyle(TMVWRegionBorderStyle value) {
  if (value == Style_)
    return;
  Style_ = value;
  SubObjectChanged(this);
}

void TMVWRegionBorder::SetColour(TColor& field, TColor value) {
  if (value == field)
    return;
  field = value;
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
  if (value == Shape_)
    return;
  Shape_ = value;
  RebuildUserRegion();
  Change();
}

void TMVWRegion::SetExtPos(TMVWExtPos value) {
  if (value == ExtPos_)
    return;
  ExtPos_ = value;
  Change();
}

void TMVWRegion::SetRoundX(int value) {
  if (value == RoundX_)
    return;
  RoundX_ = value;
  Change();
}

void TMVWRegion::SetRoundY(int value) {
  if (value == RoundY_)
    return;
  RoundY_ = value;
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
  const int w = r - l, h = b - t;
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
  case rsSharpShield: {
    TRegionHandle shield = ShieldRegion(w, h, Shape_ == rsSharpShield);
    if (shield)
      OffsetRgn(shield.Get(), l, t);
    return shield;
  }
  case rsDiamond:
    return PolygonRegion(DiamondOutline(rect));
  case rsOctagon:
    return PolygonRegion(OctagonOutline(rect));
  case rsComb:
    return PolygonRegion(CombOutline(rect));
  case rsHalfRound:
    return EllipticRegion(l, 2 * t - b, r, b);
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
  const int l = rect.left, r = rect.right;
  const TMVWRegionBorder& border = *Border_;
  const int roundX = RoundX_, roundY = RoundY_;
  const auto ellipse = [](HDC d, const RECT& e, TColor first, TColor second) {
    DrawCurve(d, e, first, second, 2, [&] { Ellipse(d, e.left, e.top, e.right, e.bottom); });
  };
  const auto roundRect = [roundX, roundY](HDC d, const RECT& e, TColor first, TColor second) {
    const auto draw = [&] { RoundRect(d, e.left, e.top, e.right, e.bottom, roundX, roundY); };
    if (first != clNone) {
      const TPenScope pen(d, first, 2);
      draw();
    }
    if (second != clNone && second != first) {
      const TPenScope pen(d, second, 4);
      DrawOnHalf(d, e, false, draw);
    }
  };
  const TOutline rectangle = PolygonOutline(RectPoints, FirstSegments({0, 1}));
  switch (Shape_) {
  case rsRect:
    DrawBorder(dc, rect, border, rectangle, 1, 1);
    break;
  case rsRoundRect:
    DrawBorder(dc, rect, border, roundRect, 1, 1);
    break;
  case rsNoseRect:
  case rsRoundNoseRect: {
    const bool round = Shape_ == rsRoundNoseRect;
    const int a = (r - l) / 10;
    const RECT s = WinRect(ShrinkForExtension(GeoRect(rect), a, ExtPos_));
    const std::vector<POINT> nose =
        WinPoints(NosePoints(GeoRect(s), a, round ? RoundNoseOffset(*this) : 5, ExtPos_));
    const int grow = round ? 4 : 2;
    // The nose joins the body without a line across its base.
    ExcludeClipRect(dc, std::min(nose[1].x, nose[2].x) - grow,
                    std::min(nose[1].y, nose[2].y) - grow, std::max(nose[1].x, nose[2].x) + grow,
                    std::max(nose[1].y, nose[2].y) + grow);
    DrawBorder(dc, s, border, round ? TOutline(roundRect) : rectangle, 1, 1);
    break;
  }
  case rsElliptic:
    DrawBorder(dc, rect, border, ellipse, 1, 1);
    break;
  case rsStar:
    DrawBorder(dc, rect, border, PolygonOutline(StarOutline, FirstSegments({1, 3, 6, 8, 9})), 2, 3);
    break;
  case rsDiamond:
    // From the right corner over the top to the left, then over the bottom back.
    DrawBorder(dc, rect, border,
               PolygonOutline(
                   [](const RECT& e) {
                     std::vector<POINT> p = DiamondOutline(e);
                     return std::vector<POINT>{p[3], p[0], p[1], p[2]};
                   },
                   FirstSegments({0, 1})),
               1, 1);
    break;
  case rsOctagon:
    // 8-1-2-3-4 in the first colour: segments from point 8 on.
    DrawBorder(dc, rect, border,
               PolygonOutline(
                   [](const RECT& e) {
                     std::vector<POINT> p = OctagonOutline(e);
                     std::rotate(p.begin(), p.begin() + 7, p.end());
                     return p;
                   },
                   FirstSegments({0, 1, 2, 3})),
               1, 1);
    break;
  case rsComb:
    DrawBorder(dc, rect, border,
               PolygonOutline(
                   [](const RECT& e) {
                     std::vector<POINT> p = CombOutline(e);
                     std::rotate(p.begin(), p.begin() + 5, p.end());
                     return p;
                   },
                   FirstSegments({0, 1, 2})),
               1, 1);
    break;
  case rsRoundShield:
  case rsSharpShield:
  case rsHalfRound: {
    const auto curve = [this](HDC d, const RECT& e, TColor first, TColor second) {
      TRegionHandle outline;
      if (Shape_ == rsHalfRound) {
        outline = EllipticRegion(e.left, 2 * e.top - e.bottom, e.right, e.bottom);
      } else {
        outline = ShieldRegion(e.right - e.left, e.bottom - e.top, Shape_ == rsSharpShield);
        if (outline)
          OffsetRgn(outline.Get(), e.left, e.top);
      }
      if (!outline)
        return;
      for (const bool upperLeft : {true, false}) {
        const TColor colour = upperLeft ? first : second;
        if (colour == clNone)
          continue;
        const TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
        DrawOnHalf(d, e, upperLeft, [&] { FrameRgn(d, outline.Get(), brush.Get(), 2, 2); });
      }
    };
    DrawBorder(dc, rect, border, curve, 1, 1);
    break;
  }
  case rsThinkBubble:
  case rsRoundThinkBubble:
  case rsEllipticThinkBubble: {
    const int a = (r - l) / 6;
    const RECT s = WinRect(ShrinkForExtension(GeoRect(rect), a, ExtPos_));
    for (const TMVWBubble& bubble : BubbleTrail(GeoRect(s), a, BubbleCount_, ExtPos_)) {
      const RECT e = WinRect(BubbleBox(bubble));
      DrawBorder(dc, e, border, ellipse, 1, 1);
      ExcludeClipRect(dc, e.left, e.top, e.right, e.bottom);
    }
    const TOutline body = Shape_ == rsThinkBubble        ? rectangle
                          : Shape_ == rsRoundThinkBubble ? TOutline(roundRect)
                                                         : TOutline(ellipse);
    DrawBorder(dc, s, border, body, 1, 1);
    break;
  }
  case rsPointList: {
    const std::vector<POINT> points = WinPoints(Points_->Points());
    if (points.size() < 2 || border.Style() == rbNone)
      break;
    const bool swapped = border.Style() == rbLowered || border.Style() == rbSingleLowered ||
                         border.Style() == rbLoweredpsb;
    const bool single = border.Style() == rbSingle;
    const TColor first = single    ? border.SingleColor()
                         : swapped ? border.ShadowColor()
                                   : border.LightColor();
    const TColor second = single    ? border.SingleColor()
                          : swapped ? border.LightColor()
                                    : border.ShadowColor();
    // Each segment's colour from its direction; the later test wins, a still one keeps it.
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
    DrawPath(dc, points, first, second, direction, 2);
    break;
  }
  case rsBitmap:
  case rsUserRegion:
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
