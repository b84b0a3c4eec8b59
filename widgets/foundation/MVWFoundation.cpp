#include "widgets/foundation/MVWFoundation.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWAlphaObject.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWBevel.h"
#include "widgets/foundation/MVWBitmapEffectObject.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWCaret.h"
#include "widgets/foundation/MVWContainer.h"
#include "widgets/foundation/MVWFormShape.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGlyph.h"
#include "widgets/foundation/MVWGlyphTextLayout.h"
#include "widgets/foundation/MVWGradient.h"
#include "widgets/foundation/MVWIniCtrl.h"
#include "widgets/foundation/MVWRegion.h"
#include "widgets/foundation/MVWRegionMask.h"
#include "widgets/foundation/MVWShape.h"
#include "widgets/foundation/MVWShapeFill.h"
#include "widgets/foundation/MVWSysIn.h"
#include "widgets/foundation/MVWTimerPool.h"
#include "widgets/foundation/MVWWave.h"
#include "widgets/foundation/MVWWndProcComponent.h"
#include "widgets/foundation/MVWXPStyles.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace marivo {

TMVWXPThemeManager* MVWThemeManager = nullptr;

const std::vector<std::string>& AlignmentNames() {
  static const std::vector<std::string> names = {"agTopLeft",    "agTopCenter",    "agTopRight",
                                                 "agCenterLeft", "agCenter",       "agCenterRight",
                                                 "agBottomLeft", "agBottomCenter", "agBottomRight"};
  return names;
}

namespace {

struct TUnit {
  void (*StartUp)();
  void (*ShutDown)();
};

const TUnit Units[] = {
    {ReadPlatformFlags, [] {}},
    {[] { BindXPStyles(); }, UnbindXPStyles},
    {[] { MVWApplication = new TMVWApplication(); },
     [] {
       delete MVWApplication;
       MVWApplication = nullptr;
     }},
    {[] { MVWThemeManager = new TMVWXPThemeManager(nullptr); },
     [] {
       delete MVWThemeManager;
       MVWThemeManager = nullptr;
     }},
    {[] {
       RegisterContainerClasses();
       MVWContainer = new TMVWContainer(nullptr);
     },
     [] {
       delete MVWContainer;
       MVWContainer = nullptr;
     }},
    // The glyph cache comes with the first glyph; at the end only an empty one is left to free.
    {[] {}, FreeEmptyGlyphCache},
};

void RegisterDrawingClasses() {
  const std::vector<std::string>& alignments = AlignmentNames();
  RegisterPersistentClass<TMVWGlyphTextLayout, TMVWObject>("TMVWGlyphTextLayout")
      .Enumeration("Alignment", alignments, &TMVWGlyphTextLayout::Alignment,
                   &TMVWGlyphTextLayout::SetAlignment)
      .Enumeration("AlignText2Glyph",
                   {"taLeft", "taLeftTop", "taRight", "taRightTop", "taTop", "taTopLeft",
                    "taBottom", "taBottomLeft"},
                   &TMVWGlyphTextLayout::AlignText2Glyph, &TMVWGlyphTextLayout::SetAlignText2Glyph,
                   taRight)
      .Integer("OffsetX", &TMVWGlyphTextLayout::OffsetX, &TMVWGlyphTextLayout::SetOffsetX,
               std::int32_t{0})
      .Integer("OffsetY", &TMVWGlyphTextLayout::OffsetY, &TMVWGlyphTextLayout::SetOffsetY,
               std::int32_t{0})
      .Integer("Spacing", &TMVWGlyphTextLayout::Spacing, &TMVWGlyphTextLayout::SetSpacing,
               std::int32_t{2});
  RegisterPersistentClass<TMVWButtonLayout, TMVWGlyphTextLayout>("TMVWButtonLayout")
      .Enumeration("Alignment", alignments, &TMVWButtonLayout::Alignment,
                   &TMVWButtonLayout::SetAlignment, agCenter)
      .Boolean("Arrow", &TMVWButtonLayout::Arrow, &TMVWButtonLayout::SetArrow, false)
      .Integer("ArrowColor", ColorIdents(), &TMVWButtonLayout::ArrowColor,
               &TMVWButtonLayout::SetArrowColor, clBlack)
      .Integer("ArrowIndent", &TMVWButtonLayout::ArrowIndent, &TMVWButtonLayout::SetArrowIndent,
               std::int32_t{3})
      .Enumeration("ArrowPosition", {"apRightText", "apLeftText", "apRightGlyph", "apLeftGlyph"},
                   &TMVWButtonLayout::ArrowPosition, &TMVWButtonLayout::SetArrowPosition,
                   apRightText)
      .Integer(
          "ArrowSize", &TMVWButtonLayout::ArrowSize,
          [](TMVWButtonLayout& layout, TMVWDDArrowSize value) {
            layout.SetArrowSize(std::clamp<TMVWDDArrowSize>(value, 2, 10));
          },
          TMVWDDArrowSize{3});
  RegisterPersistentClass<TMVW3DCaption, TMVWObject>("TMVW3DCaption")
      .Enumeration("DisabledStyle", {"dsAuto", "dsStandard", "ds3d", "dsNone"},
                   &TMVW3DCaption::DisabledStyle, &TMVW3DCaption::SetDisabledStyle, dsAuto)
      .Integer("LightDepth", &TMVW3DCaption::LightDepth, &TMVW3DCaption::SetLightDepth,
               std::uint8_t{1})
      .Integer("ShadowDepth", &TMVW3DCaption::ShadowDepth, &TMVW3DCaption::SetShadowDepth,
               std::uint8_t{1})
      .Integer("LightColor", ColorIdents(), &TMVW3DCaption::LightColor,
               &TMVW3DCaption::SetLightColor, clBtnHighlight)
      .Integer("ShadowColor", ColorIdents(), &TMVW3DCaption::ShadowColor,
               &TMVW3DCaption::SetShadowColor, clBtnShadow)
      .Enumeration("Orientation", {"toBottomLeft", "toBottomRight", "toTopLeft", "toTopRight"},
                   &TMVW3DCaption::Orientation, &TMVW3DCaption::SetOrientation, toTopLeft)
      .Enumeration("Style",
                   {"tdNone", "tdSunken", "tdRaised", "tdSunkenShadow", "tdRaisedShadow",
                    "tdPColorSunken", "tdPColorRaised", "tdShadow", "tdOutline", "tdExtrude",
                    "tdExtrudeEnh"},
                   &TMVW3DCaption::Style, &TMVW3DCaption::SetStyle, tdNone)
      .Integer("Tracing", &TMVW3DCaption::Tracing, &TMVW3DCaption::SetTracing, std::int32_t{0});
  RegisterPersistentClass<TMVWFxCaption, TMVW3DCaption>("TMVWFxCaption")
      .Integer("Angle", &TMVWFxCaption::Angle, &TMVWFxCaption::SetAngle, TMVWAngle{0})
      .Integer("PosX", &TMVWFxCaption::PosX, &TMVWFxCaption::SetPosX, std::uint16_t{0})
      .Integer("PosY", &TMVWFxCaption::PosY, &TMVWFxCaption::SetPosY, std::uint16_t{0});
  RegisterPersistentClass<TMVWGradient, TMVWObject>("TMVWGradient")
      .Integer("Color", ColorIdents(), &TMVWGradient::Color, &TMVWGradient::SetColor, clBlue)
      .Integer("ColorCount", &TMVWGradient::ColorCount, &TMVWGradient::SetColorCount,
               TMVWColorCount{16})
      .Enumeration("Style",
                   {"gstHorizontal", "gstVertical", "gstSquare", "gstElliptic", "gstTopLeft",
                    "gstTopRight", "gstBottomLeft", "gstBottomRight", "gstTopLeftDiagonal",
                    "gstTopRightDiagonal"},
                   &TMVWGradient::Style, &TMVWGradient::SetStyle, gstVertical)
      .Integer("EndColor", ColorIdents(), &TMVWGradient::EndColor, &TMVWGradient::SetEndColor,
               clBlack)
      .Boolean("PaletteRealize", &TMVWGradient::PaletteRealize, &TMVWGradient::SetPaletteRealize,
               false)
      .Boolean("TwoColors", &TMVWGradient::TwoColors, &TMVWGradient::SetTwoColors, true)
      .IntegerList("ColorList", &TMVWGradient::ColorList, &TMVWGradient::ReadColorList);
  const std::vector<std::string> bevelStyles = {
      "bvNone", "bvLowered", "bvRaised", "bvFrameLowered", "bvFrameRaised", "bvNormal", "bvShadow"};
  const std::vector<std::string> modes = {"bmCustom", "bmStandard", "bmEdge", "bmWindows"};
  RegisterPersistentClass<TMVWBevel, TMVWObject>("TMVWBevel")
      .Enumeration("StyleInner", bevelStyles, &TMVWBevel::StyleInner, &TMVWBevel::SetStyleInner,
                   bvNone)
      .Enumeration("StyleOuter", bevelStyles, &TMVWBevel::StyleOuter, &TMVWBevel::SetStyleOuter,
                   bvNone)
      .Integer(
          "WidthInner", &TMVWBevel::WidthInner,
          [](TMVWBevel& bevel, TMVWBevelWidth value) {
            bevel.SetWidthInner(std::min<TMVWBevelWidth>(value, 50));
          },
          TMVWBevelWidth{1})
      .Integer(
          "WidthOuter", &TMVWBevel::WidthOuter,
          [](TMVWBevel& bevel, TMVWBevelWidth value) {
            bevel.SetWidthOuter(std::min<TMVWBevelWidth>(value, 50));
          },
          TMVWBevelWidth{1})
      .Integer("BorderColor", ColorIdents(), &TMVWBevel::BorderColor, &TMVWBevel::SetBorderColor,
               clBtnFace)
      .Set("BorderSides", {"fsBottom", "fsLeft", "fsRight", "fsTop"}, &TMVWBevel::BorderSides,
           &TMVWBevel::SetBorderSides, AllFrameSides)
      .Integer("BorderWidth", &TMVWBevel::BorderWidth, &TMVWBevel::SetBorderWidth,
               TMVWBorderWidth{0})
      .Integer("BorderInnerWidth", &TMVWBevel::BorderInnerWidth, &TMVWBevel::SetBorderInnerWidth,
               TMVWBorderWidth{0})
      .Enumeration("EdgeStyle",
                   {"etRaisedInner", "etRaisedOuter", "etSunkenInner", "etSunkenOuter", "etBump",
                    "etEtched", "etRaised", "etSunken"},
                   &TMVWBevel::EdgeStyle, &TMVWBevel::SetEdgeStyle, etEtched)
      .Integer("LightColor", ColorIdents(), &TMVWBevel::LightColor, &TMVWBevel::SetLightColor,
               clBtnHighlight)
      .Enumeration("Mode", modes, &TMVWBevel::Mode, &TMVWBevel::SetMode)
      .Integer("ShadowColor", ColorIdents(), &TMVWBevel::ShadowColor, &TMVWBevel::SetShadowColor,
               clBtnShadow)
      .Enumeration("StandardStyle",
                   {"lsNone", "lsSingle", "lsLowered", "lsRaised", "lsRaisedspb", "lsLoweredspb",
                    "lsRaisedExt", "lsLoweredExt", "lsFrameInset", "lsFrameOffset",
                    "lsWindowBorder", "lsSingleRaised", "lsSingleLowered", "lsDoubleRaised",
                    "lsDoubleLowered"},
                   &TMVWBevel::StandardStyle, &TMVWBevel::SetStandardStyle, lsSingleLowered);
  RegisterPersistentClass<TMVWScrollBoxBevel, TMVWBevel>("TMVWScrollBoxBevel")
      .Enumeration("Mode", modes, &TMVWScrollBoxBevel::Mode, &TMVWScrollBoxBevel::SetMode,
                   bmWindows);
}

void RegisterFillClasses() {
  const std::vector<std::string> fillStyles = {"sfNone",   "sfBrushBitmap", "sfBrush",
                                               "sfBitmap", "sfBitmapList",  "sfGradient"};
  RegisterPersistentClass<TMVWShapeFill, TMVWObject>("TMVWShapeFill")
      .Class("Bitmap", &TMVWShapeFill::Bitmap)
      .Enumeration("Style", fillStyles, &TMVWShapeFill::Style, &TMVWShapeFill::SetStyle, sfBrush)
      .Class("Gradient", &TMVWShapeFill::Gradient)
      .Enumeration("TileMode", {"tmNone", "tmCenter", "tmStretch", "tmTile"},
                   &TMVWShapeFill::TileMode, &TMVWShapeFill::SetTileMode, tmTile);
  RegisterPersistentClass<TMVWFillObject, TMVWShapeFill>("TMVWFillObject")
      .Enumeration("Alignment", AlignmentNames(), &TMVWFillObject::Alignment,
                   &TMVWFillObject::SetAlignment, agTopLeft)
      .Class("Brush", &TMVWFillObject::Brush)
      .Integer("OffsetX", &TMVWFillObject::OffsetX, &TMVWFillObject::SetOffsetX, std::int32_t{0})
      .Integer("OffsetY", &TMVWFillObject::OffsetY, &TMVWFillObject::SetOffsetY, std::int32_t{0})
      .Set("Options", {"foFillInner", "foQuickDraw", "foGrUseBitmap"}, &TMVWFillObject::Options,
           &TMVWFillObject::SetOptions,
           static_cast<TMVWFillOptions>(FillOption(foFillInner) | FillOption(foGrUseBitmap)))
      .Enumeration("Style", fillStyles, &TMVWFillObject::Style, &TMVWFillObject::SetStyle, sfNone);
  RegisterPersistentClass<TMVWAlphaObject, TMVWObject>("TMVWAlphaObject")
      .Component("ImageList", &TMVWAlphaObject::ImageList, &TMVWAlphaObject::SetImageList)
      .Stored([](TMVWAlphaObject& alpha) { return !IsGlobalContainerList(alpha.ImageList()); })
      .Integer("ImageIndex", &TMVWAlphaObject::ImageIndex, &TMVWAlphaObject::SetImageIndex,
               std::int32_t{0})
      .Integer("ListIndex", &TMVWAlphaObject::ListIndex, &TMVWAlphaObject::SetListIndex,
               std::int32_t{0})
      .Float("Strength", &TMVWAlphaObject::Strength, &TMVWAlphaObject::SetStrength)
      .Stored([](TMVWAlphaObject& alpha) {
        return std::lround(alpha.Strength() * 1000000.0) != 600000;
      })
      .Class("FillObject", &TMVWAlphaObject::FillObject)
      // A global list is named by its reference, as it belongs to no form.
      .String(
          "Internal",
          [](TMVWAlphaObject& alpha) { return WriteContainerListRef(alpha.ImageList()); },
          [](TMVWAlphaObject& alpha, const std::string& text) {
            alpha.SetImageList(ReadContainerListRef(text));
          },
          std::string());
  RegisterPersistentClass<TMVWBitmapEffectObject, TMVWObject>("TMVWBitmapEffectObject")
      .Class("AlphaBlend", &TMVWBitmapEffectObject::AlphaBlend)
      .Boolean("FlipVertical", &TMVWBitmapEffectObject::FlipVertical,
               &TMVWBitmapEffectObject::SetFlipVertical, false)
      .Boolean("FlipHorizontal", &TMVWBitmapEffectObject::FlipHorizontal,
               &TMVWBitmapEffectObject::SetFlipHorizontal, false)
      .Boolean("GrayScale", &TMVWBitmapEffectObject::GrayScale,
               &TMVWBitmapEffectObject::SetGrayScale, false)
      .Boolean("Invert", &TMVWBitmapEffectObject::Invert, &TMVWBitmapEffectObject::SetInvert, false)
      .Boolean("Buffered", &TMVWBitmapEffectObject::Buffered, &TMVWBitmapEffectObject::SetBuffered,
               false)
      .Integer("Brightness", &TMVWBitmapEffectObject::Brightness,
               &TMVWBitmapEffectObject::SetBrightness, TMVWBrightness{0});
}

void RegisterShapeClasses() {
  RegisterPersistentClass<TMVWSimpleBevel, TMVWObject>("TMVWSimpleBevel")
      .Integer("Color", ColorIdents(), &TMVWSimpleBevel::Color, &TMVWSimpleBevel::SetColor, clBlack)
      .Integer("Width", &TMVWSimpleBevel::Width, &TMVWSimpleBevel::SetWidth, TMVWBevelWidth{2})
      .Enumeration("Style", {"sbNormal", "sbInset", "sbOffset"}, &TMVWSimpleBevel::Style,
                   &TMVWSimpleBevel::SetStyle, sbNormal)
      .Integer("LightColor", ColorIdents(), &TMVWSimpleBevel::LightColor,
               &TMVWSimpleBevel::SetLightColor, clBtnHighlight)
      .Integer("ShadowColor", ColorIdents(), &TMVWSimpleBevel::ShadowColor,
               &TMVWSimpleBevel::SetShadowColor, clBtnShadow);
  const std::vector<std::string> shadowStyles = {"hssNone", "hssSolid", "hssTracing"};
  RegisterPersistentClass<TMVWShadow, TMVWObject>("TMVWShadow")
      .Integer("Color", ColorIdents(), &TMVWShadow::Color, &TMVWShadow::SetColor, clBtnShadow)
      .Integer("Depth", &TMVWShadow::Depth, &TMVWShadow::SetDepth, TMVWShadowDepth{6})
      .Enumeration("Style", shadowStyles, &TMVWShadow::Style, &TMVWShadow::SetStyle, hssSolid);
  RegisterPersistentClass<TMVWRgnShadow, TMVWShadow>("TMVWRgnShadow")
      .Enumeration("Style", shadowStyles, &TMVWRgnShadow::Style, &TMVWRgnShadow::SetStyle, hssNone);
  RegisterPersistentClass<TMVWShape, TMVWObject>("TMVWShape")
      .Class("Bevel", &TMVWShape::Bevel)
      .Class("Brush", &TMVWShape::Brush)
      .Integer("RoundPercent", &TMVWShape::RoundPercent, &TMVWShape::SetRoundPercent,
               TMVWPercent{33})
      .Class("Shadow", &TMVWShape::Shadow)
      .Enumeration("Shape",
                   {"stEllipse", "stRectangle", "stRoundRect", "stDirectUp", "stDirectRight",
                    "stDirectDown", "stDirectLeft", "stDiamond", "stComb", "stOctagon", "stStar"},
                   &TMVWShape::Shape, &TMVWShape::SetShape, stRectangle)
      .Boolean("Square", &TMVWShape::Square, &TMVWShape::SetSquare, false);
  const auto picture = [](TBitmap& (TMVWRegionMask::*bitmap)() const, const char* property) {
    return std::make_tuple(
        [bitmap, property](TMVWRegionMask& mask, TStream& stream) {
          bool compressed = false;
          TMVWRegionMask::ReadPicture(stream, (mask.*bitmap)(), compressed, property);
          mask.SetCompressed(compressed);
        },
        [bitmap](TMVWRegionMask& mask, TStream& stream) {
          TMVWRegionMask::WritePicture(stream, (mask.*bitmap)(), mask.Compressed());
        },
        [bitmap](TMVWRegionMask& mask) { return !(mask.*bitmap)().Empty(); });
  };
  const auto [readBorder, writeBorder, hasBorder] =
      picture(&TMVWRegionMask::BorderBitmap, "BorderBmp");
  const auto [readUp, writeUp, hasUp] = picture(&TMVWRegionMask::UpBitmap, "BorderUpBmp");
  const auto [readDown, writeDown, hasDown] = picture(&TMVWRegionMask::DownBitmap, "BorderDnBmp");
  RegisterPersistentClass<TMVWRegionMask, TMVWObject>("TMVWRegionMask")
      .Boolean("Compressed", &TMVWRegionMask::Compressed, &TMVWRegionMask::SetCompressed, false)
      .Integer("RegionDataSize", &TMVWRegionMask::StoredRegionDataSize,
               &TMVWRegionMask::SetRegionDataSize)
      .Enumeration("PixelFormat", {"spfDefault", "spfMono", "spf4bit", "spf8bit"},
                   &TMVWRegionMask::PixelFormat, &TMVWRegionMask::SetPixelFormat, spfDefault)
      .Binary("RegionData", &TMVWRegionMask::ReadRegionData, &TMVWRegionMask::WriteRegionData,
              &TMVWRegionMask::HasRegionData)
      .Binary("BorderBmp", readBorder, writeBorder, hasBorder)
      .Binary("BorderUpBmp", readUp, writeUp, hasUp)
      .Binary("BorderDnBmp", readDown, writeDown, hasDown);
  RegisterPersistentClass<TMVWRegionBorder, TMVWObject>("TMVWRegionBorder")
      .Enumeration("Style",
                   {"rbNone", "rbLowered", "rbRaised", "rbSingle", "rbSingleRaised",
                    "rbSingleLowered", "rbRaisedpsb", "rbLoweredpsb"},
                   &TMVWRegionBorder::Style, &TMVWRegionBorder::SetStyle, rbSingle)
      .Integer("LightColor", ColorIdents(), &TMVWRegionBorder::LightColor,
               &TMVWRegionBorder::SetLightColor, clBtnHighlight)
      .Integer("ShadowColor", ColorIdents(), &TMVWRegionBorder::ShadowColor,
               &TMVWRegionBorder::SetShadowColor, clBtnShadow)
      .Integer("SingleColor", ColorIdents(), &TMVWRegionBorder::SingleColor,
               &TMVWRegionBorder::SetSingleColor, clBlack);
  RegisterPersistentClass<TMVWRegion, TMVWObject>("TMVWRegion")
      .IntegerList("PointList", &TMVWRegion::PointList, &TMVWRegion::ReadPointList)
      .Enumeration("Shape",
                   {"rsRect", "rsRoundRect", "rsBitmap", "rsNoseRect", "rsRoundNoseRect",
                    "rsElliptic", "rsStar", "rsRoundShield", "rsSharpShield", "rsDiamond",
                    "rsOctagon", "rsComb", "rsHalfRound", "rsUserRegion", "rsThinkBubble",
                    "rsRoundThinkBubble", "rsEllipticThinkBubble", "rsPointList"},
                   &TMVWRegion::Shape, &TMVWRegion::SetShape, rsRoundRect)
      .Enumeration("ExtPos",
                   {"epLeftTop", "epTopLeft", "epTopRight", "epRightTop", "epRightBottom",
                    "epBottomRight", "epBottomLeft", "epLeftBottom"},
                   &TMVWRegion::ExtPos, &TMVWRegion::SetExtPos, epLeftTop)
      .Class("Mask", &TMVWRegion::Mask)
      .Integer("RoundX", &TMVWRegion::RoundX, &TMVWRegion::SetRoundX, 20)
      .Integer("RoundY", &TMVWRegion::RoundY, &TMVWRegion::SetRoundY, 20)
      .Class("Shadow", &TMVWRegion::Shadow);
  RegisterPersistentClass<TMVWBorderRegion, TMVWRegion>("TMVWBorderRegion")
      .Class("Border", &TMVWBorderRegion::Border);
  RegisterComponentClass<TMVWFormShape, TMVWWndProcComponent>("TMVWFormShape")
      .String("About", &TMVWFormShape::About, &TMVWFormShape::SetAbout, std::string())
      .Boolean("Enabled", &TMVWFormShape::Enabled, &TMVWFormShape::SetEnabled, true)
      .Class("Region", &TMVWFormShape::Region)
      .Boolean("ShowFormCaption", &TMVWFormShape::ShowFormCaption,
               &TMVWFormShape::SetShowFormCaption, true)
      .Boolean("FormDragable", &TMVWFormShape::FormDragable, &TMVWFormShape::SetFormDragable, true)
      .Boolean("UseRgnBitmap", &TMVWFormShape::UseRgnBitmap, &TMVWFormShape::SetUseRgnBitmap, true)
      .Class("FillObject", &TMVWFormShape::FillObject)
      .Component("ImageList", &TMVWFormShape::ImageList, &TMVWFormShape::SetImageList)
      .Stored([](TMVWFormShape& shape) { return !IsGlobalContainerList(shape.ImageList()); })
      .Integer("ListIndex", &TMVWFormShape::ListIndex, &TMVWFormShape::SetListIndex,
               std::int32_t{0})
      .Integer("ImageIndex", &TMVWFormShape::ImageIndex, &TMVWFormShape::SetImageIndex,
               std::int32_t{0})
      .String(
          "Internal", [](TMVWFormShape& shape) { return WriteContainerListRef(shape.ImageList()); },
          [](TMVWFormShape& shape, const std::string& text) {
            shape.SetImageList(ReadContainerListRef(text));
          },
          std::string());
}

} // namespace

TMVWFoundation::TMVWFoundation() {
  try {
    for (const TUnit& unit : Units) {
      unit.StartUp();
      ++Started_;
    }
  } catch (...) {
    ShutDown();
    throw;
  }
}

TMVWFoundation::~TMVWFoundation() {
  ShutDown();
}

void TMVWFoundation::ShutDown() {
  while (Started_ > 0)
    Units[--Started_].ShutDown();
}

void RegisterFoundationClasses() {
  static const bool registered = [] {
    RegisterMVWBaseClasses();
    RegisterCaretClasses();
    RegisterComponentClass<TMVWWndProcComponent, TMVWCustomComponent>("TMVWWndProcComponent");
    RegisterComponentClass<TMVWXPThemeManager, TMVWWndProcComponent>("TMVWXPThemeManager");
    RegisterComponentClass<TMVWTimerPool, TMVWCustomComponent>("TMVWTimerPool")
        .String("About", &TMVWTimerPool::About, &TMVWTimerPool::SetAbout, std::string())
        .Integer("MinInterval", &TMVWTimerPool::MinInterval, &TMVWTimerPool::SetMinInterval,
                 TMVWTimerInterval{1000})
        .Event("OnTimer", &TMVWTimerPool::OnTimer);
    RegisterComponentClass<TMVWIniCtrl, TMVWCustomComponent>("TMVWIniCtrl")
        .String("About", &TMVWIniCtrl::About, &TMVWIniCtrl::SetAbout, std::string())
        .Boolean("AlphaCounter", &TMVWIniCtrl::AlphaCounter, &TMVWIniCtrl::SetAlphaCounter, false)
        .Boolean("Common", &TMVWIniCtrl::Common, &TMVWIniCtrl::SetCommon, true)
        .String("IniFile", &TMVWIniCtrl::IniFile, &TMVWIniCtrl::SetIniFile, std::string())
        .Enumeration("IniPrefix", {"ppWindows", "ppSystem", "ppProgram", "ppFixed"},
                     &TMVWIniCtrl::IniPrefix, &TMVWIniCtrl::SetIniPrefix, ppWindows)
        .Integer("MaxEntries", &TMVWIniCtrl::MaxEntries, &TMVWIniCtrl::SetMaxEntries,
                 std::uint8_t{16})
        .Boolean("NetUser", &TMVWIniCtrl::NetUser, &TMVWIniCtrl::SetNetUser, false)
        .String("User", &TMVWIniCtrl::User, &TMVWIniCtrl::SetUser, std::string())
        .String("RegPath", &TMVWIniCtrl::RegPath, &TMVWIniCtrl::SetRegPath, std::string())
        .Enumeration("RegRoot",
                     {"rpClassesRoot", "rpCurrentUser", "rpLocalMachine", "rpUsers",
                      "rpCurrentConfig", "rpDynData"},
                     &TMVWIniCtrl::RegRoot, &TMVWIniCtrl::SetRegRoot, rpCurrentUser)
        .Enumeration("Target", {"itIniFile", "itRegistry", "itAuto"}, &TMVWIniCtrl::Target,
                     &TMVWIniCtrl::SetTarget, itAuto)
        .Integer("EncKey", &TMVWIniCtrl::EncKey, &TMVWIniCtrl::SetEncKey, std::uint16_t{58231})
        .Boolean("Encoded", &TMVWIniCtrl::Encoded, &TMVWIniCtrl::SetEncoded, false);
    RegisterPersistentClass<TMVWWave, TMVWObject>("TMVWWave")
        .Binary("Data", &TMVWWave::ReadData, &TMVWWave::WriteData, &TMVWWave::HasData);
    RegisterDrawingClasses();
    RegisterFillClasses();
    RegisterShapeClasses();
    RegisterContainerClasses();
    return true;
  }();
  (void)registered;
}

} // namespace marivo
