#pragma once

#include "platform/ui/Canvas.h"
#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGradient.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace marivo {

class TBitmap;
class TControl;

enum TMVWBevelStyle : std::uint8_t {
  bvNone,
  bvLowered,
  bvRaised,
  bvFrameLowered,
  bvFrameRaised,
  bvNormal,
  bvShadow
};

enum TMVWBorderStyle : std::uint8_t {
  lsNone,
  lsSingle,
  lsLowered,
  lsRaised,
  lsRaisedspb,
  lsLoweredspb,
  lsRaisedExt,
  lsLoweredExt,
  lsFrameInset,
  lsFrameOffset,
  lsWindowBorder,
  lsSingleRaised,
  lsSingleLowered,
  lsDoubleRaised,
  lsDoubleLowered
};

enum TMVWUserButtonStyle : std::uint8_t {
  ubsAutoDetect,
  ubsWin31,
  ubsWin40,
  ubsKestrin,
  ubsKestrinFlat,
  ubsFlat,
  ubsFlatUnColored,
  ubsNavigator,
  ubsExplorer,
  ubsExplorerColored,
  ubsIntegrated,
  ubsWinXP,
  ubsWinXPCombo,
  ubsWinXPTool
};

// The names form data uses for the button looks, in their order.
const std::vector<std::string>& UserButtonStyleNames();

// Image-drawing flags.
constexpr std::uint16_t DrawClip = 0x0001;
constexpr std::uint16_t DrawCenter = 0x0008;
constexpr std::uint16_t DrawStretch = 0x0010;
constexpr std::uint16_t DrawTile = 0x0020;
constexpr std::uint16_t DrawTransparent = 0x0040;
constexpr std::uint16_t DrawBrushCopy = 0x0080;
constexpr std::uint16_t DrawMasked = 0x0100;
constexpr std::uint16_t DrawKeepAspectByHeight = 0x0200;
constexpr std::uint16_t DrawKeepAspectByWidth = 0x0400;
constexpr std::uint16_t DrawUsePalette = 0x1000;

// Text-effect flags of DrawFxText.
constexpr std::uint8_t FxTextEnabled = 0x02;
constexpr std::uint8_t FxText3DDisabled = 0x04;
constexpr std::uint8_t FxTextClip = 0x08;

// The DrawText flags of each alignment.
UINT AlignmentTextFlags(TMVWAlignment alignment);

// One custom bevel stage; the rect shrinks inside it. False when nothing was drawn.
bool DrawBevelFrame(TCanvas& canvas, RECT& rect, TMVWBevelStyle style, int width, TColor shadow,
                    TColor light);
// A frame with a drop shadow on the right and bottom.
bool DrawShadowFrame(TCanvas& canvas, RECT& rect, TColor frame, TColor shadow, TColor corner,
                     int shadowWidth, int frameWidth, bool transparent);
int StandardBorderWidth(TMVWBorderStyle style);
// A standard border with the system's edge routine; the rect shrinks inside it.
bool DrawStandardBorder(TCanvas& canvas, RECT& rect, TMVWBorderStyle style, UINT extraFlags);
// A small triangle of size 2..15 pointing down or up.
void DrawDropArrow(TCanvas& canvas, int x, int y, bool enabled, bool down, TColor color, int size);
// Sizes the bitmap to the rect and fills it.
void FillBitmap(TBitmap& bitmap, const RECT& rect, TColor color);
// A three-tone picture of the source's pixels that differ from its top-left one.
void MakeDisabledBitmap(TBitmap& target, TBitmap& source);
// The canvas area's monochrome mask for color (white there) and its image with those pixels black.
void MakeMaskPair(TCanvas& canvas, const RECT& rect, TBitmap& mask, TColor color, TBitmap& image);
void MakeBitmapMaskPair(TBitmap& bitmap, TBitmap& mask, TBitmap& image, TColor color);
// The general image painter: places the source area by the flags in target and draws it plain,
// stretched, tiled, masked or transparent. used gets the placed rect (or target).
void DrawImageInRect(TCanvas& canvas, const RECT& target, TCanvas* source, RECT& used,
                     TBitmap* maskOrBitmap, HPALETTE palette, TColor color, std::uint16_t flags,
                     const RECT& sourceRect);
// The whole bitmap by the flags, clipped to rect with DrawClip (moved by the clip offset: X in
// the low, Y in the high word).
void DrawBitmapInRect(TCanvas& canvas, const RECT& rect, TBitmap& bitmap, TColor color,
                      std::uint32_t clipOffset, std::uint16_t flags);
void DrawBitmapAligned(TCanvas& canvas, const RECT& rect, TBitmap& bitmap, RECT& used, TColor color,
                       std::uint16_t flags);
// The source's black pixels raised in button highlight and shadow on its transparent colour.
void EmbossBitmap(TBitmap& target, TBitmap& source, int x, int y);
// The picture receives the first bitmap through its mask for transparentColor, then is drawn
// transparent by color into rect.
void DrawMaskedComposite(TCanvas& canvas, const RECT& rect, TBitmap& first, TColor color,
                         TColor transparentColor, TBitmap& picture);
TColor InterpolateColor(TColor from, TColor to, int step, int steps);
RECT AlignRectInRect(TMVWAlignment alignment, const RECT& inner, const RECT& outer);

// The text rect with the caption's effects; a rotated caption records its centred position.
void MeasureFxCaption(TCanvas& canvas, const std::string& text, TMVW3DCaption* caption, UINT format,
                      int border, bool accelerators, bool wordBreak, TFont& font, RECT& rect);
void DrawFxCaptionRect(TMVWAlignment alignment, const std::string& text, TMVW3DCaption* caption,
                       RECT& result, UINT format, bool accelerators, bool wordBreak, TFont& font,
                       const RECT& rect);
// Text with the caption's 3D style, rotation and outline; without a caption plain DrawTextEx.
void DrawFxText(TCanvas& canvas, const std::string& text, TMVW3DCaption* caption,
                const RECT* clipRect, std::uint8_t effectFlags, UINT format, const RECT& rect);

// Layout flags of DrawGlyphTextLayout besides the effect flags.
constexpr std::uint16_t LayoutAtTopLeft = 0x20;
constexpr std::uint16_t LayoutInvalidateText = 0x40;
constexpr std::uint16_t LayoutInvalidateGlyph = 0x80;
constexpr std::uint16_t LayoutInvalidateAll = 0x100;
constexpr std::uint16_t LayoutMeasureOnly = 0x200;
constexpr std::uint16_t LayoutLimitText = 0x400;

struct TMVWLayoutRects {
  RECT Union{};
  RECT Text{};
  RECT Glyph{};
};

// Places and draws glyph, caption and arrow in bounds; gives the rect to invalidate.
RECT DrawGlyphTextLayout(TCanvas& canvas, const std::string& text, TMVW3DCaption* caption,
                         TMVWLayoutRects& rects, UINT format, std::uint16_t layoutFlags,
                         bool transparentGlyph, bool accelerators, bool wordBreak,
                         TMVWGlyphTextLayout& layout, TColor transparentColor, TBitmap* mask,
                         const RECT& glyphSource, TCanvas* glyphCanvas, const RECT& bounds);

// Face flags of DrawButtonFace.
constexpr std::uint16_t FaceRounded = 0x01;
constexpr std::uint16_t FaceFocused = 0x02;
constexpr std::uint16_t Face3DBorder = 0x04;
constexpr std::uint16_t FaceSunkenDown = 0x08;
constexpr std::uint16_t FaceMiddleFill = 0x10;
constexpr std::uint16_t FaceDefaultFrame = 0x20;
constexpr std::uint16_t FaceDropDown = 0x80;
constexpr std::uint16_t FaceSplitDropDown = 0x100;

// A button face, themed or classic; rect becomes the content rect.
bool DrawButtonFace(TControl* control, TCanvas& canvas, bool hot, TColor color,
                    std::uint16_t faceFlags, int state, TMVWUserButtonStyle style, RECT& rect);

bool IsTrueTypeFont(TFont& font);
bool IsTrueTypeCanvasFont(TCanvas& canvas);
int FxCaptionTextHeight(TMVW3DCaption* caption, TFont& font);

} // namespace marivo
