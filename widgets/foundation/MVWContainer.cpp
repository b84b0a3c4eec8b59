#include "widgets/foundation/MVWContainer.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/GdiHandles.h"
#include "widgets/foundation/MVWBitmapStreams.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWGraphicList.h"
#include "widgets/foundation/MVWImageListConnector.h"
#include "widgets/foundation/MVWWave.h"

#include <algorithm>

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

void TMVWContainer::ContainerChanged(TObject* sender) {
  TMVWBaseContainer::ContainerChanged(sender);
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

void RegisterContainerClasses() {
  static const bool registered = [] {
    RegisterPortableContainerClasses();
    RegisterPictureClasses();
    RegisterImageListClasses();
    const std::vector<std::string> formats = {"spfDefault", "spfMono", "spf4bit", "spf8bit"};
    RegisterComponentClass<TMVWCustomImageList, TMVWCustomContainer>("TMVWCustomImageList");
    RegisterComponentClass<TMVWBitmapList, TMVWCustomImageList>("TMVWBitmapList")
        .String("About", &TMVWBitmapList::About, &TMVWBitmapList::SetAbout, std::string())
        .Boolean("DefaultCompressed", &TMVWBitmapList::DefaultCompressed,
                 &TMVWBitmapList::SetDefaultCompressed, false)
        .Enumeration("DefaultPixelFormat", formats, &TMVWBitmapList::DefaultPixelFormat,
                     &TMVWBitmapList::SetDefaultPixelFormat, spfDefault);
    RegisterComponentClass<TMVWImageList, TMVWCustomImageList>("TMVWImageList")
        .String("About", &TMVWImageList::About, &TMVWImageList::SetAbout, std::string())
        .Boolean("DefaultCompressed", &TMVWImageList::DefaultCompressed,
                 &TMVWImageList::SetDefaultCompressed, false)
        .Enumeration("DefaultPixelFormat", formats, &TMVWImageList::DefaultPixelFormat,
                     &TMVWImageList::SetDefaultPixelFormat, spfDefault);
    RegisterPersistentClass<TMVWGraphicListItem, TCollectionItem>("TMVWGraphicListItem")
        .String("Name", &TMVWGraphicListItem::Name, &TMVWGraphicListItem::SetName, std::string())
        .Class("Picture", &TMVWGraphicListItem::Picture);
    RegisterComponentClass<TMVWGraphicList, TMVWCustomImageList>("TMVWGraphicList")
        .String("About", &TMVWGraphicList::About, &TMVWGraphicList::SetAbout, std::string())
        .Collection("Graphics", &TMVWGraphicList::Graphics);
    RegisterPersistentClass<TMVWBorImageListItem, TCollectionItem>("TMVWBorImageListItem")
        .String("Name", &TMVWBorImageListItem::Name, &TMVWBorImageListItem::SetName, std::string())
        .Component("ImageList", &TMVWBorImageListItem::ImageList,
                   &TMVWBorImageListItem::SetImageList);
    RegisterComponentClass<TMVWImageListConnector, TMVWCustomImageList>("TMVWImageListConnector")
        .String("About", &TMVWImageListConnector::About, &TMVWImageListConnector::SetAbout,
                std::string())
        .Collection("ImageLists", &TMVWImageListConnector::ImageLists);
    RegisterComponentClass<TMVWBitmapListItem, TMVWListItem>("TMVWBitmapListItem")
        .Class("Bitmap", &TMVWBitmapListItem::Bitmap)
        .Stored(&TMVWBitmapListItem::NamesPictureFile)
        .Binary("Internal", &TMVWListItem::ReadInternal, &TMVWListItem::WriteInternal,
                [](const TMVWBitmapListItem& item) { return !item.NamesPictureFile(); });
    RegisterComponentClass<TMVWImageListItem, TMVWListItem>("TMVWImageListItem")
        .Integer("AllocBy", &TMVWImageListItem::AllocBy, &TMVWImageListItem::SetAllocBy,
                 std::int32_t{4})
        .String("Description", &TMVWImageListItem::Description, &TMVWImageListItem::SetDescription,
                std::string())
        .Boolean("Masked", &TMVWImageListItem::Masked, &TMVWImageListItem::SetMasked, false)
        .Integer("Height", &TMVWImageListItem::Height, &TMVWImageListItem::SetHeight,
                 std::int32_t{16})
        .Integer("Width", &TMVWImageListItem::Width, &TMVWImageListItem::SetWidth, std::int32_t{16})
        .Binary("Internal", &TMVWListItem::ReadInternal, &TMVWListItem::WriteInternal,
                &TMVWListItem::HasInternal)
        .Binary(
            "Bitmap", &TMVWImageListItem::ReadLegacyBitmap, [](TMVWImageListItem&, TStream&) {},
            [](TMVWImageListItem&) { return false; });
    TMVWWaveListItem::SetWaveFactory([] { return std::make_unique<TMVWWave>(); });
    return true;
  }();
  (void)registered;
}

} // namespace marivo
