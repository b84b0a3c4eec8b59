#include "widgets/foundation/MVWContainer.h"

namespace marivo {

TMVWContainer* MVWContainer = nullptr;

// --- The global container and references ------------------------------------------------------

TMVWContainer::TMVWContainer(TComponent* owner)
    : TMVWBaseContainer(owner), BitmapList_(new TMVWBitmapList(this)),
      ImageList_(new TMVWImageList(this)), WaveList_(new TMVWWaveList(this)),
      StringList_(new TMVWStringList(this)) {
  for (TMVWCustomComponent* list :
       std::initializer_list<TMVWCustomComponent*>{BitmapList_, ImageList_, WaveList_, StringList_})
    list->OnChange = [this](TObject* sender) { ContainerChanged(sender); };
}

std::string WriteContainerListRef(const TMVWCustomImageList* list) {
  if (!MVWContainer || !list)
    return {};
  if (list == &MVWContainer->BitmapList())
    return ListSignatures()[1];
  if (list == &MVWContainer->ImageList())
    return ListSignatures()[0];
  return {};
}

TMVWCustomImageList* ReadContainerListRef(const std::string& text) {
  if (!MVWContainer)
    return nullptr;
  if (text == ListSignatures()[0])
    return &MVWContainer->ImageList();
  if (text == ListSignatures()[1])
    return &MVWContainer->BitmapList();
  return nullptr;
}

bool IsGlobalContainerList(const TMVWCustomImageList* list) {
  return !WriteContainerListRef(list).empty();
}

} // namespace marivo
