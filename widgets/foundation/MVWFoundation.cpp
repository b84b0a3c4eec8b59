#include "widgets/foundation/MVWFoundation.h"

#include "platform/ui/ImgList.h"
#include "platform/ui/Pictures.h"
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
#include "widgets/foundation/MVWGraphicList.h"
#include "widgets/foundation/MVWImageListConnector.h"
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
#include "widgets/foundation/portable/MVWCustomContainer.h"

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
       RegisterFoundationClasses();
       MVWContainer = new TMVWContainer(nullptr);
     },
     [] {
       delete MVWContainer;
       MVWContainer = nullptr;
     }},
    // The glyph cache comes with the first glyph; at the end only an empty one is left to free.
    {[] {}, FreeEmptyGlyphCache},
};

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
    RegisterPictureClasses();
    RegisterImageListClasses();
    RegisterPortableContainerClasses();
    RegisterMVWCaret();
    RegisterMVWWndProcComponent();
    RegisterMVWTimerPool();
    RegisterMVWIniCtrl();
    RegisterMVWWave();
    RegisterMVWGlyphTextLayout();
    RegisterMVWButtonLayout();
    RegisterMVW3DCaption();
    RegisterMVWFxCaption();
    RegisterMVWGradient();
    RegisterMVWBevel();
    RegisterMVWShapeFill();
    RegisterMVWAlphaObject();
    RegisterMVWBitmapEffectObject();
    RegisterMVWSimpleBevel();
    RegisterMVWShadow();
    RegisterMVWShape();
    RegisterMVWRegionMask();
    RegisterMVWRegion();
    RegisterMVWFormShape();
    RegisterMVWCustomImageList();
    RegisterMVWBitmapList();
    RegisterMVWImageList();
    RegisterMVWGraphicList();
    RegisterMVWImageListConnector();
    return true;
  }();
  (void)registered;
}

} // namespace marivo
