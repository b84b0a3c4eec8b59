#include "widgets/controls/MVWCustomSpeedButton.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

namespace {

bool IsSeeThroughLook(TMVWUserButtonStyle style) {
  return style == ubsExplorer || style == ubsExplorerColored || style == ubsWinXPTool;
}

bool IsShadedLook(TMVWUserButtonStyle style) {
  return style == ubsFlatUnColored || style == ubsNavigator || style == ubsExplorer;
}

bool IsThemeLook(TMVWUserButtonStyle style) {
  return style >= ubsWinXP && style <= ubsWinXPTool;
}

// Looks whose background is painted before the face.
bool PaintsBackground(TMVWUserButtonStyle style) {
  return style == ubsExplorer || style == ubsExplorerColored || IsThemeLook(style);
}

constexpr std::uint16_t FaceFlags = FaceRounded | Face3DBorder;
constexpr std::uint16_t FaceHot = 0x0040;

} // namespace

TMVWCustomSpeedButton::TMVWCustomSpeedButton(TComponent* owner) : TMVWBaseGraphicButton(owner) {
  SetControlStyle(csCaptureMouse | csOpaque | csDoubleClicks | csReplicatable);
  SetAllowMouseOver(true);
  SetAllowTransparency(false);
  SetBounds(Left(), Top(), 23, 22);
  SetThemeEnabled(true);
}

void TMVWCustomSpeedButton::SetStyle(TMVWUserButtonStyle value) {
  if (value == Style_)
    return;
  GlyphImages().SetStyle(IsShadedLook(value) ? GlyphStyleShaded : GlyphStyleNormal);
  if (IsSeeThroughLook(value))
    SetTransparent(true);
  else if (IsSeeThroughLook(Style_))
    SetTransparent(false);
  Style_ = value;
  Changed();
}

bool TMVWCustomSpeedButton::UsesThemes() {
  return Style_ == ubsAutoDetect || IsThemeLook(Style_);
}

bool TMVWCustomSpeedButton::IsGlyphStored() {
  return ImageEmpty();
}

bool TMVWCustomSpeedButton::HasOwnGlyphStyle() {
  return GlyphImages().Style() == GlyphStyleShaded || IsThemeLook(Style_) ||
         (Style_ == ubsAutoDetect && ThemedDrawing());
}

bool TMVWCustomSpeedButton::StyleShowsHot() {
  return (Style_ >= ubsKestrinFlat && Style_ <= ubsExplorerColored) || IsThemeLook(Style_) ||
         (Style_ == ubsAutoDetect && ThemedDrawing());
}

void TMVWCustomSpeedButton::Paint() {
  if (MVWControlLoading(*this) || !Visible())
    return;
  TCanvas& canvas = Canvas();
  const int border = ButtonStyleBevelWidth(Style_);
  RECT face = ClientRect();
  if (PaintsBackground(Style_)) {
    if (ParentBackActive()) {
      PaintParentBackground(canvas, face, POINT{Left(), Top()});
    } else {
      canvas.Brush().SetColor(Color());
      canvas.FillRect(face);
    }
  }
  RECT arrow{};
  if (ComboActive()) {
    arrow = ArrowPart(face);
    face.right = arrow.left + (border > 1 ? 1 : 0);
  }
  const RECT content = face;
  const bool hot = State() == gbsHot;
  const std::uint16_t flags = FaceFlags | (hot ? FaceHot : 0);
  if (ComboActive()) {
    DrawButtonFace(this, canvas, hot, Color(), flags | FaceDropDown,
                   State() == gbsDroppedDown ? gbsHot : State(), Style_, face);
    DrawButtonFace(this, canvas, hot, Color(), flags | FaceDropDown | FaceSplitDropDown,
                   State() == gbsPressed ? gbsHot : State(), Style_, arrow);
  } else {
    DrawButtonFace(this, canvas, hot, Color(), flags, State(), Style_, face);
  }
  const bool themeArrow = ThemedDrawing() && (Style_ == ubsWinXPCombo || Style_ == ubsWinXPTool);
  if (ComboActive() && !themeArrow) {
    const RECT part = ArrowPart(ClientRect());
    DrawDropArrow(canvas, part.left + (DropDownComboWidth() - 3) / 2, (Height() - 3) / 2, Enabled(),
                  true, clBlack, 3);
  }
  RECT inner = content;
  InflateRect(&inner, -border, -border);
  const bool sunken = State() == gbsLatched || State() == gbsPressed ||
                      (State() == gbsDroppedDown && !ComboActive());
  if (sunken)
    OffsetRect(&inner, 1, 1);
  if (!(Style_ == ubsWinXPCombo && ThemedDrawing()))
    DrawContent(canvas, inner);
}

void RegisterMVWCustomSpeedButton() {
  RegisterPersistentClass<TMVWCustomSpeedButton, TMVWBaseGraphicButton>("TMVWCustomSpeedButton");
}

} // namespace marivo
