#include "widgets/controls/MVWCustomMMButton.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/controls/MVWSpeedButton.h"
#include "widgets/foundation/MVWGraph.h"

namespace marivo {

namespace {

// Face placement by ButtonFaceStyle, in its order.
constexpr std::uint16_t FaceStyleFlags[] = {0,        0,      DrawCenter, DrawStretch,
                                            DrawTile, 0x0610, 0x0210,     0x0410};

TMVWRect GeoRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

TMVWCustomMMButton::TMVWCustomMMButton(TComponent* owner) : TMVWBaseGraphicButton(owner) {
  SetControlStyle((ControlStyle() & ~csClickEvents) | csOpaque | csReplicatable);
  FaceLink_ = std::make_unique<TMVWImageLink>(*this, [this](TObject*) { FaceListChanged(); });
}

TMVWCustomMMButton::~TMVWCustomMMButton() {
  FaceLink_.reset();
}

void TMVWCustomMMButton::SetButtonFaceStyle(TMVWBitmapStyle value) {
  if (Store(FaceStyle_, value))
    Invalidate();
}

void TMVWCustomMMButton::SetForceTransparent(bool value) {
  if (Store(ForceTransparent_, value))
    Invalidate();
}

void TMVWCustomMMButton::SetQuickDraw(bool value) {
  if (Store(QuickDraw_, value))
    Invalidate();
}

void TMVWCustomMMButton::SetFaceEntries(const TMVWFaceEntries& value) {
  Faces_ = value;
  Changed();
}

void TMVWCustomMMButton::ReadFaceIndicesNew2(TStream& stream) {
  SetFaceEntries(marivo::ReadFaceIndicesNew2(stream));
}

void TMVWCustomMMButton::WriteFaceIndicesNew2(TStream& stream) const {
  marivo::WriteFaceIndicesNew2(stream, Faces_);
}

void TMVWCustomMMButton::ReadFaceIndicesNew(TStream& stream) {
  SetFaceEntries(marivo::ReadFaceIndicesNew(stream, Faces_));
}

void TMVWCustomMMButton::ReadFaceIndices(TStream& stream) {
  SetFaceEntries(marivo::ReadFaceIndices(stream, Faces_));
}

void TMVWCustomMMButton::ReadHitColor(TStream& stream) {
  HitColor_ = static_cast<TColor>(ReadFaceColor(stream, "ButtonFaceTransCol"));
}

void TMVWCustomMMButton::ReadHitColorNew(TStream& stream) {
  HitColor_ = static_cast<TColor>(ReadFaceColor(stream, "ButtonFaceTransColNew"));
}

void TMVWCustomMMButton::WriteHitColorNew(TStream& stream) const {
  WriteFaceColor(stream, static_cast<std::uint32_t>(HitColor_));
}

bool TMVWCustomMMButton::IsValid(const TMVWFaceEntry& entry) const {
  TMVWCustomImageList* list = ButtonFaceImageList();
  return list && list->IsValid(entry.List, entry.Image);
}

const TMVWFaceEntry* TMVWCustomMMButton::OwnEntry() const {
  if (State() >= FaceStateCount)
    return nullptr;
  const TMVWFaceEntry& entry = Faces_[State()];
  return IsValid(entry) ? &entry : nullptr;
}

HPALETTE TMVWCustomMMButton::GetPalette() {
  TMVWCustomImageList* list = ButtonFaceImageList();
  if (!list || State() >= FaceStateCount)
    return nullptr;
  return list->GetPalette(Faces_[State()].List);
}

void TMVWCustomMMButton::Notification(TComponent* component, TOperation operation) {
  TMVWBaseGraphicButton::Notification(component, operation);
  if (operation == opRemove && FaceLink_)
    FaceLink_->Removed(component, BackFX());
}

void TMVWCustomMMButton::Paint() {
  if (MVWControlLoading(*this))
    return;
  FaceRect_ = {};
  TMVWCustomImageList* list = ButtonFaceImageList();
  if (!list) {
    if (!Transparent())
      FillBackground();
    return;
  }
  const auto valid = [this](const TMVWFaceEntry& entry) { return IsValid(entry); };
  const std::optional<TMVWFaceEntry> entry = FaceEntryOf(Faces_, State(), valid);
  if (!entry)
    return;
  if (FaceStyle_ == sbAutosize) {
    const int width = list->GetSize(entry->List, 0), height = list->GetSize(entry->List, 1);
    const int w = width == 0 ? 20 : width, h = height == 0 ? 20 : height;
    if (w != Width() || h != Height())
      SetBounds(Left(), Top(), w, h);
    return;
  }
  const RECT client = ClientRect();
  TBitmap face;
  face.SetSize(Width(), Height());
  TCanvas& canvas = face.Canvas();
  bool painted = false;
  if (!Transparent()) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
    painted = true;
  } else if (ParentBackActive()) {
    PaintParentBackground(canvas, client, POINT{Left(), Top()});
    painted = true;
  }
  std::uint16_t flags = (QuickDraw_ ? 0 : DrawUsePalette) | FaceStyleFlags[FaceStyle_];
  if (IsValid(*entry)) {
    const TColor transparent = list->GetTransparentColor(entry->List, entry->Image);
    if (Transparent()) {
      if (!painted) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(transparent);
        canvas.FillRect(client);
      }
      flags |= DrawTransparent;
    } else if (ForceTransparent_) {
      flags |= DrawTransparent;
    }
    TBitmap picture;
    list->GetBitmap(entry->List, entry->Image, picture);
    DrawImageInRect(canvas, client, &picture.Canvas(), FaceRect_, nullptr,
                    list->GetPalette(entry->List), transparent, flags,
                    {0, 0, picture.Width(), picture.Height()});
  }
  RECT content = client;
  if (State() == gbsLatched || State() == gbsPressed || State() == gbsDroppedDown)
    OffsetRect(&content, CaptionDown_, CaptionDown_);
  DrawContent(canvas, content);
  HPALETTE palette = list->GetPalette(entry->List);
  if (painted) {
    if (!QuickDraw_ && palette) {
      SelectPalette(Canvas().Handle(), palette, FALSE);
      RealizePalette(Canvas().Handle());
    }
    Canvas().Draw(0, 0, face);
  } else {
    RECT used;
    DrawImageInRect(Canvas(), client, &canvas, used, nullptr, palette, face.TransparentColor(),
                    DrawUsePalette | DrawTransparent, client);
  }
}

bool TMVWCustomMMButton::PtInButton(int x, int y) {
  TMVWCustomImageList* list = ButtonFaceImageList();
  const TMVWFaceEntry* entry = OwnEntry();
  if (!list || !entry)
    return false;
  const std::optional<TMVWPoint> pixel =
      FaceEntryPixel({x, y}, GeoRect(FaceRect_), list->GetSize(entry->List, 0),
                     list->GetSize(entry->List, 1), FaceStyle_ == sbTile);
  return pixel && list->GetPixel({pixel->X, pixel->Y}, entry->List, entry->Image) != HitColor_;
}

void RegisterMVWCustomMMButton() {
  using B = TMVWCustomMMButton;
  const auto always = [](B&) { return true; };
  const auto never = [](B&) { return false; };
  const auto ignore = [](B&, TStream&) {};
  RegisterComponentClass<B, TMVWBaseGraphicButton>("TMVWCustomMMButton")
      .Boolean("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp, B::DefaultAllowAllUp)
      .Boolean("AllowMouseOver", &B::AllowMouseOver, &B::SetAllowMouseOver)
      .Boolean("AllowTransparency", &B::AllowTransparency, &B::SetAllowTransparency,
               B::DefaultAllowTransparency)
      .Class("ButtonLayout", &B::ButtonLayout)
      .Enumeration("ButtonFaceStyle",
                   {"sbNone", "sbAutosize", "sbCenter", "sbStretch", "sbTile", "sbKeepAspRatio",
                    "sbKeepWidth", "sbKeepHeight"},
                   &B::ButtonFaceStyle, &B::SetButtonFaceStyle, B::DefaultButtonFaceStyle)
      .Component("ButtonFaceImageList", &B::ButtonFaceImageList, &B::SetButtonFaceImageList)
      .Stored([](B& button) { return button.FaceListRef().empty(); })
      .Integer("CaptionDown", &B::CaptionDown, &B::SetCaptionDown, B::DefaultCaptionDown)
      .Integer("DropDownIndent", &B::DropDownIndent, &B::SetDropDownIndent,
               B::DefaultDropDownIndent)
      .Component("DropDownMenu", &B::DropDownMenu, &B::SetDropDownMenu)
      .Boolean("DropDownRight", &B::DropDownRight, &B::SetDropDownRight, B::DefaultDropDownRight)
      .Boolean("ForceTransparent", &B::ForceTransparent, &B::SetForceTransparent,
               B::DefaultForceTransparent)
      .Class("FontFX", &B::FontFX)
      .Class("Glyph", &B::Glyph)
      .Stored(&B::IsGlyphStored)
      .Integer("GroupIndex", &B::GroupIndex, &B::SetGroupIndex, B::DefaultGroupIndex)
      .Boolean("HideHint", &B::HideHint, &B::SetHideHint, B::DefaultHideHint)
      .Component("ImageList", &B::ImageList, &B::SetImageList)
      .Integer("ImageIndex", &B::ImageIndex, &B::SetImageIndex, TMVWImageLink::DefaultImageIndex)
      .Integer("ListIndex", &B::ListIndex, &B::SetListIndex, TMVWImageLink::DefaultListIndex)
      .Boolean("MultiLine", &B::MultiLine, &B::SetMultiLine, B::DefaultMultiLine)
      .Integer("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs, TMVWGlyph::DefaultNumGlyphs)
      .Boolean("Pressed", &B::Pressed, &B::SetPressed, B::DefaultPressed)
      .Boolean("QuickDraw", &B::QuickDraw, &B::SetQuickDraw, B::DefaultQuickDraw)
      .Boolean("Transparent", &B::Transparent, &B::SetTransparent, false)
      .Boolean("UseCaption", &B::UseCaption, &B::SetUseCaption, B::DefaultUseCaption)
      .Event("OnDropDown", &B::OnDropDown)
      .Event("OnMouseEnter", &B::OnMouseEnter)
      .Event("OnMouseExit", &B::OnMouseExit)
      .String("ButtonFace", &B::FaceListRef, &B::SetFaceListRef, std::string())
      .Binary("ButtonFaceIndices", &B::ReadFaceIndices, ignore, never)
      .Binary("ButtonFaceIndicesNew", &B::ReadFaceIndicesNew, ignore, never)
      .Binary("ButtonFaceIndicesNew2", &B::ReadFaceIndicesNew2, &B::WriteFaceIndicesNew2, always)
      .Binary("ButtonFaceTransCol", &B::ReadHitColor, ignore, never)
      .Binary("ButtonFaceTransColNew", &B::ReadHitColorNew, &B::WriteHitColorNew, always);
}

} // namespace marivo
