#pragma once

#include "widgets/foundation/MVWBitmapList.h"
#include "widgets/foundation/MVWImageList.h"
#include "widgets/foundation/portable/MVWStringList.h"
#include "widgets/foundation/portable/MVWWaveList.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

// The global container: one bitmap, image, wave and string list each.
class TMVWContainer : public TMVWBaseContainer {
public:
  explicit TMVWContainer(TComponent* owner);

  TMVWBitmapList& BitmapList() const { return *BitmapList_; }
  TMVWImageList& ImageList() const { return *ImageList_; }
  TMVWWaveList& WaveList() const { return *WaveList_; }
  TMVWStringList& StringList() const { return *StringList_; }

private:
  TMVWBitmapList* BitmapList_;
  TMVWImageList* ImageList_;
  TMVWWaveList* WaveList_;
  TMVWStringList* StringList_;
};

// From the foundation's start-up to its shut-down.
extern TMVWContainer* MVWContainer;

// "MVWBML30" for the global bitmap list, "MVWIML30" for the global image list, "" otherwise.
std::string WriteContainerListRef(const TMVWCustomImageList* list);
// The global list a reference names, or none.
TMVWCustomImageList* ReadContainerListRef(const std::string& text);
bool IsGlobalContainerList(const TMVWCustomImageList* list);

} // namespace marivo
