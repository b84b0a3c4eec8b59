#include "widgets/controls/MVWCustomShapeButton.h"
#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVWImageListConnector.h"

#include "platform/ui/GdiHandles.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWShapePaint.h"

#include <algorithm>
#include <vector>

namespace marivo {

namespace {

constexpr std::uint16_t TileModeFlags[] = {0, DrawCenter, DrawStretch, DrawTile};

TRegionHandle HitRegion(TMVWShapeType shape, const std::vector<TMVWPoint>& points, int corner) {
  const std::size_t half = points.size() / 2;
  if (half < 2)
    return TRegionHandle();
  const TMVWPoint a = points[0], b = points[1];
  switch (shape) {
  case stEllipse:
    return TRegionHandle(CreateEllipticRgn(a.X, a.Y, b.X, b.Y));
  case stRectangle:
    return TRegionHandle(CreateRectRgn(a.X, a.Y, b.X, b.Y));
  case stRoundRect:
    return TRegionHandle(CreateRoundRectRgn(a.X, a.Y, b.X, b.Y, corner, corner));
  default: {
    std::vector<POINT> outer;
    for (std::size_t i = 0; i < half; ++i)
      outer.push_back({points[i].X, points[i].Y});
    return TRegionHandle(CreatePolygonRgn(outer.data(), static_cast<int>(outer.size()), WINDING));
  }
  }
}

} // namespace

TMVWCustomShapeButton::TMVWCustomShapeButton(TComponent* owner) : TMVWBaseGraphicButton(owner) {
  SetControlStyle(csCaptureMouse | csDoubleClicks | csReplicatable);
  SetAllowMouseOver(true);
  MakeOpaque();
  Shape_ = std::make_unique<TMVWShape>();
  Shape_->Brush().SetColor(clBtnFace);
  Brush_ = std::make_unique<TBrush>();
  Colors_ = std::make_unique<TMVWShapeButtonColor>();
  Points_ = std::make_unique<TMVWPointList>();
  FillPicture_ = std::make_unique<TBitmap>();
  Fill_ = std::make_unique<TMVWShapeFill>();
  FillLink_ = std::make_unique<TMVWImageLink>(*this, [this](TObject*) { TakeFillPicture(); });
  const TNotifyEvent changed = [this](TObject*) { Changed(); };
  Shape_->OnChange = changed;
  Colors_->OnChange = changed;
  Fill_->OnChange = changed;
}

TMVWCustomShapeButton::~TMVWCustomShapeButton() {
  Shape_->OnChange = nullptr;
  Colors_->OnChange = nullptr;
  Fill_->OnChange = nullptr;
  FillLink_.reset();
}

void TMVWCustomShapeButton::SetMode(TMVWShapeButtonMode value) {
  if (!Store(Mode_, value))
    return;
  if (Mode_ == sbmShapeFast)
    FillPicture_ = std::make_unique<TBitmap>();
  Changed();
}

void TMVWCustomShapeButton::SetStyle(TMVWShapeButtonStyle value) {
  if (Store(Style_, value))
    Changed();
}

void TMVWCustomShapeButton::TakeFillPicture() {
  TMVWCustomImageList* list = ShapeFillImageList();
  const int listIndex = ShapeFillListIndex(), image = ShapeFillImageIndex();
  if (list && list->IsValid(listIndex, image)) {
    TBitmap picture;
    list->GetBitmap(listIndex, image, picture);
    Fill_->SetListBitmap(&picture);
  } else {
    Fill_->SetListBitmap(nullptr);
  }
  Changed();
}

void TMVWCustomShapeButton::Changed() {
  if (!Shape_ || !Points_ || !Brush_ || !Fill_)
    return;
  const RECT client = ClientRect();
  if (Mode_ == sbmShapeFill) {
    if (IsRectEmpty(&client))
      return;
    FillPicture_->SetSize(Width(), Height());
    TCanvas& canvas = FillPicture_->Canvas();
    switch (Fill_->Style()) {
    case sfBitmap:
    case sfBitmapList: {
      canvas.Brush().SetStyle(bsSolid);
      canvas.Brush().SetColor(Color());
      canvas.FillRect(client);
      TBitmap* bitmap = Fill_->GetFillBitmap();
      if (bitmap && !bitmap->Empty()) {
        RECT used;
        DrawBitmapAligned(canvas, client, *bitmap, used, Color(), TileModeFlags[Fill_->TileMode()]);
      }
      break;
    }
    case sfGradient:
      Fill_->Gradient().PaintGradient(canvas, client);
      break;
    default:
      break;
    }
  }
  const TMVWShadow* shadow = Style_ == sbs3D ? nullptr : &Shape_->Shadow();
  CalcShapeGeometry(client, Shape_->Shape(), shadow, &Shape_->Bevel(), Shape_->RoundPercent(),
                    Shape_->Square(), *Points_);
  Depth_ = shadow ? shadow->EffectiveDepth() : 0;
  if (Transparent() && Mode_ == sbmShapeFill)
    PaintAtOnce();
  else
    Invalidate();
}

void TMVWCustomShapeButton::BoundsChanged(TMVWBoundsFlags flags) {
  TMVWBaseGraphicButton::BoundsChanged(flags);
  if (flags & bfResized)
    Changed();
}

void TMVWCustomShapeButton::Loaded() {
  TMVWBaseGraphicButton::Loaded();
  // Loading sets no default shape, so nothing has computed its outline yet.
  if (Shape_->Shape() == stRectangle)
    Changed();
  if (dynamic_cast<TMVWImageListConnector*>(ShapeFillImageList()))
    ImageListChanged();
}

HPALETTE TMVWCustomShapeButton::GetPalette() {
  return Fill_->GetFillPalette();
}

bool TMVWCustomShapeButton::IsGlyphStored() {
  return ImageEmpty();
}

void TMVWCustomShapeButton::Notification(TComponent* component, TOperation operation) {
  TMVWBaseGraphicButton::Notification(component, operation);
  if (operation == opRemove && FillLink_)
    FillLink_->Removed(component, BackFX());
}

bool TMVWCustomShapeButton::PtInButton(int x, int y) {
  const int d = Depth_;
  const int corner = Shape_->RoundPercent() * std::min(Width() - d, Height() - d) / 100;
  const TRegionHandle region = HitRegion(Shape_->Shape(), Points_->Points(), corner);
  if (!region)
    return true;
  OffsetRgn(region.Get(), -d, -d);
  return PtInRegion(region.Get(), x, y);
}

bool TMVWCustomShapeButton::Sunken() const {
  const std::uint8_t state = State();
  return state == gbsLatched || state == gbsPressed || state == gbsDroppedDown ||
         state == gbsDisabledLatched;
}

TColor TMVWCustomShapeButton::StateColor() const {
  switch (State()) {
  case gbsUp:
    return Colors_->Up();
  case gbsDisabled:
  case gbsDisabledLatched:
    return Colors_->Disabled();
  case gbsHot:
    return Colors_->MouseOver();
  case gbsLatched:
  case gbsDroppedDown:
    return Colors_->OptionSet();
  case gbsPressed:
    return Colors_->Down();
  default:
    return TBrush().Color();
  }
}

void TMVWCustomShapeButton::Paint() {
  if (MVWControlLoading(*this))
    return;
  // A pressed face drops onto its shadow: the same outline, painted without the depth.
  TMVWShadow flat;
  flat.SetColor(Shape_->Shadow().Color());
  flat.SetStyle(Shape_->Shadow().Style());
  flat.SetDepth(0);
  TMVWSimpleBevel raised;
  raised.SetLightColor(Shape_->Bevel().LightColor());
  raised.SetShadowColor(Shape_->Bevel().ShadowColor());
  raised.SetWidth(Shape_->Bevel().Width());
  raised.SetStyle(Sunken() ? sbInset : sbOffset);
  const TMVWShadow* shadow = Style_ == sbs3D ? nullptr : Sunken() ? &flat : &Shape_->Shadow();
  const TMVWSimpleBevel* bevel = Style_ == sbs3D ? &raised : &Shape_->Bevel();

  const int bw = Shape_->Bevel().Width(), d = Shape_->Shadow().Depth();
  const RECT client = ClientRect();
  RECT content{bw + 1, bw + 1, client.right - 2 * bw - d - 1, client.bottom - 2 * bw - d - 1};
  const std::uint8_t state = State();
  if (state == gbsLatched || state == gbsPressed || state == gbsDroppedDown) {
    const int shift = Style_ == sbs3D ? 2 : d;
    OffsetRect(&content, shift, shift);
  }
  if (Mode_ == sbmShapeFast)
    PaintFast(shadow, bevel, content);
  else
    PaintFilled(shadow, bevel, content);
}

void TMVWCustomShapeButton::PaintFast(const TMVWShadow* shadow, const TMVWSimpleBevel* bevel,
                                      const RECT& content) {
  TCanvas& canvas = Canvas();
  const RECT client = ClientRect();
  if (!Transparent())
    FillBackground();
  else if (ParentBackActive())
    PaintParentBackground(canvas, client, POINT{Left(), Top()});
  TBrush face;
  face.SetColor(StateColor());
  PaintShape(canvas, client, Shape_->Shape(), shadow, bevel, Shape_->RoundPercent(), face,
             Shape_->Square(), Color(), Color(), nullptr, Points_.get());
  DrawContent(canvas, content);
}

void TMVWCustomShapeButton::PaintFilled(const TMVWShadow* shadow, const TMVWSimpleBevel* bevel,
                                        const RECT& content) {
  const RECT client = ClientRect();
  const int w = Width(), h = Height();
  const int depth = Style_ == sbs3D ? 0 : Depth_;
  TBitmap* picture = FillPicture_.get();
  TBitmap shifted;
  if (Sunken()) {
    shifted.SetSize(w, h);
    const int shift = Style_ == sbs3D ? 2 : depth;
    shifted.Canvas().Draw(shift, shift, *FillPicture_);
    picture = &shifted;
  }
  TBitmap offscreen;
  offscreen.SetSize(w, h);
  TCanvas& canvas = offscreen.Canvas();
  const bool parentBack = ParentBackActive();
  if (parentBack) {
    PaintParentBackground(canvas, client, POINT{Left(), Top()});
  } else {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
  }
  TBrush own;
  const TBrush* brush = &Shape_->Brush();
  switch (Fill_->Style()) {
  case sfNone:
    own.SetStyle(bsClear);
    brush = &own;
    picture = nullptr;
    break;
  case sfBrushBitmap:
    own.SetBitmap(&Fill_->Bitmap());
    brush = &own;
    picture = nullptr;
    break;
  case sfBrush:
    picture = nullptr;
    break;
  case sfGradient:
    if (HPALETTE palette = Fill_->Gradient().GetPalette()) {
      SelectPalette(Canvas().Handle(), palette, FALSE);
      RealizePalette(Canvas().Handle());
    }
    break;
  default:
    break;
  }
  PaintShape(canvas, client, Shape_->Shape(), shadow, bevel, Shape_->RoundPercent(), *brush,
             Shape_->Square(), Color(), Color(), picture, Points_.get());
  DrawContent(canvas, content);
  if (parentBack || !Transparent()) {
    Canvas().Draw(0, 0, offscreen);
  } else {
    RECT used;
    DrawImageInRect(Canvas(), client, &canvas, used, nullptr, Fill_->GetFillPalette(), Color(),
                    DrawTransparent, client);
  }
}

void RegisterMVWCustomShapeButton() {
  RegisterPersistentClass<TMVWCustomShapeButton, TMVWBaseGraphicButton>("TMVWCustomShapeButton");
}

} // namespace marivo
