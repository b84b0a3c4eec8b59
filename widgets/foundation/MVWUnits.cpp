#include "widgets/foundation/MVWUnits.h"

#include "platform/rtl/ClassRegistry.h"
#include "widgets/foundation/MVW3DCaption.h"
#include "widgets/foundation/MVWApplication.h"
#include "widgets/foundation/MVWBevel.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWFXCaption.h"
#include "widgets/foundation/MVWGlyphTextLayout.h"
#include "widgets/foundation/MVWGradient.h"
#include "widgets/foundation/MVWIniCtrl.h"
#include "widgets/foundation/MVWSysIn.h"
#include "widgets/foundation/MVWTimerPool.h"
#include "widgets/foundation/MVWWndProc.h"
#include "widgets/foundation/MVWXPStyles.h"
#include "widgets/foundation/mvwcont.h"
#include "widgets/foundation/mvwglyph.h"
#include "widgets/foundation/mvwwave.h"

#include <algorithm>
#include <string>
#include <vector>

namespace marivo {

TMVWXPThemeManager* MVWThemeManager = nullptr;

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
  const std::vector<std::string> alignments = {"agTopLeft",    "agTopCenter",    "agTopRight",
                                               "agCenterLeft", "agCenter",       "agCenterRight",
                                               "agBottomLeft", "agBottomCenter", "agBottomRight"};
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
    RegisterContainerClasses();
    return true;
  }();
  (void)registered;
}

} // namespace marivo
