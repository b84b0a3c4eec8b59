#include "widgets/foundation/portable/MVWCustomContainer.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"
#include "widgets/foundation/portable/MVWStringList.h"
#include "widgets/foundation/portable/MVWWaveList.h"

#include <algorithm>
#include <cstring>

namespace marivo {

// --- Items ------------------------------------------------------------------------------------

TMVWListItem::~TMVWListItem() {
  if (Container_)
    Container_->Detach(this);
}

void TMVWListItem::SetDescription(const std::string& value) {
  if (Store(Description_, value))
    Change();
}

void TMVWListItem::SetIdent(std::uint16_t value) {
  if (Store(Ident_, value))
    Change();
}

std::uint8_t TMVWListItem::GetFlags() const {
  std::uint8_t flags = 0;
  if (Compressed_)
    flags |= ItemCompressed;
  if (!Description_.empty())
    flags |= ItemHasDescription;
  if (Ident_ != 0)
    flags |= ItemHasIdent;
  return flags;
}

TMVWCustomContainer* TMVWListItem::Container() const {
  return Container_;
}

bool TMVWListItem::WriteHeader(TStream& stream) {
  const std::uint8_t flags = GetFlags();
  WriteItemHeader(stream, {flags, Description_, Ident_});
  return (flags & ItemHasData) != 0;
}

std::uint8_t TMVWListItem::ReadHeader(TStream& stream) {
  const TMVWItemHeader header = ReadItemHeader(stream);
  Description_ = header.Description;
  Ident_ = header.Ident;
  Compressed_ = (header.Flags & ItemCompressed) != 0;
  SetPixelFormat(PixelFormatOfFlags(header.Flags));
  return header.Flags;
}

void TMVWListItem::ReadState(TComponent* readerParent) {
  if (auto* container = dynamic_cast<TMVWCustomContainer*>(readerParent))
    container->AddItem(this);
}

void TMVWListItem::Change() {
  TMVWCustomComponent::Change();
  if (auto* container = dynamic_cast<TMVWCustomContainer*>(Owner()))
    if (TNotifyEvent handler = container->OnChange)
      handler(this);
}

void TMVWListItem::Assign(const TPersistent& source) {
  const auto* item = dynamic_cast<const TMVWListItem*>(&source);
  if (!item) {
    TMVWCustomComponent::Assign(source);
    return;
  }
  Description_ = item->Description_;
  Ident_ = item->Ident_;
  Compressed_ = item->Compressed_;
  SetPixelFormat(item->PixelFormat());
}

void TMVWListItem::ReadInternal(TStream& stream) {
  LoadFromStream(stream);
}

void TMVWListItem::WriteInternal(TStream& stream) {
  SaveToStream(stream);
}

// --- Containers -------------------------------------------------------------------------------

TMVWCustomContainer::~TMVWCustomContainer() {
  while (!Items_.empty())
    delete Items_.back();
}

int TMVWCustomContainer::AddItem(TMVWListItem* item) {
  if (!item) {
    item = NewItem();
    if (!item)
      throw EComponentError(ClassName() + " makes no items");
    PrepareItem(*item);
  }
  if (item->Container() && item->Container() != this)
    item->Container()->Detach(item);
  if (item->Container() != this) {
    item->SetContainer(this);
    Items_.push_back(item);
  }
  Change();
  return static_cast<int>(std::find(Items_.begin(), Items_.end(), item) - Items_.begin());
}

void TMVWCustomContainer::PrepareItem(TMVWListItem& item) {
  item.SetCompressed(DefaultCompressed_);
}

void TMVWCustomContainer::Detach(TMVWListItem* item) {
  std::erase(Items_, item);
  item->SetContainer(nullptr);
}

void TMVWCustomContainer::Clear() {
  while (!Items_.empty())
    delete Items_.back();
  Change();
}

TMVWListItem* TMVWCustomContainer::Item(int index) const {
  if (index < 0 || index >= static_cast<int>(Items_.size()))
    return nullptr;
  return Items_[static_cast<std::size_t>(index)];
}

void TMVWCustomContainer::SaveToStream(TStream& stream, bool indexed) {
  WriteContainerFrame(stream, Count(), indexed, [&](int i) { Item(i)->SaveToStream(stream); });
}

void TMVWCustomContainer::LoadFromStream(TStream& stream, bool indexed) {
  TMVWUpdateGuard<TMVWCustomComponent> update(*this);
  Clear();
  ReadContainerFrame(stream, indexed, [&] {
    const int index = AddItem();
    Item(index)->LoadFromStream(stream);
  });
  update.Release(true);
}

void TMVWCustomContainer::AssignDefaults(const TMVWCustomContainer& source) {
  DefaultCompressed_ = source.DefaultCompressed_;
}

void TMVWCustomContainer::Assign(const TPersistent& source) {
  const auto* container = dynamic_cast<const TMVWCustomContainer*>(&source);
  if (!container || !Accepts(*container)) {
    TMVWBaseContainer::Assign(source);
    return;
  }
  if (container == this)
    return;
  TMVWUpdateGuard<TMVWCustomComponent> update(*this);
  Clear();
  AssignDefaults(*container);
  for (int i = 0; i < container->Count(); ++i)
    Item(AddItem())->Assign(*container->Item(i));
  Change();
  update.Release(true);
}

void TMVWCustomContainer::GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) {
  for (TMVWListItem* item : Items_)
    proc(item);
}

void RegisterMVWCustomContainer() {
  RegisterComponentClass<TMVWListItem, TMVWCustomComponent>("TMVWListItem");
  RegisterComponentClass<TMVWCustomContainer, TMVWBaseContainer>("TMVWCustomContainer");
}

void RegisterPortableContainerClasses() {
  static const bool registered = [] {
    RegisterMVWBaseClasses();
    RegisterMVWBaseContainer();
    RegisterMVWCustomContainer();
    RegisterMVWStringList();
    RegisterMVWWaveList();
    return true;
  }();
  (void)registered;
}

} // namespace marivo
