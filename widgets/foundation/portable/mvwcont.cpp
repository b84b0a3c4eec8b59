#include "widgets/foundation/portable/mvwcont.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <algorithm>
#include <cstring>

namespace marivo {

namespace {

[[noreturn]] void InvalidImageSize() {
  throw EInvalidGraphicOperation("Invalid image size");
}

void CheckPositions(TStream& stream, std::int32_t count) {
  if (count < 0 || std::int64_t{count} * 4 > stream.Size() - stream.Position())
    throw EReadError("Stream read error");
}

std::function<std::unique_ptr<TMVWCustomWave>()>& WaveFactory() {
  static std::function<std::unique_ptr<TMVWCustomWave>()> factory = [] {
    return std::make_unique<TMVWCustomWave>();
  };
  return factory;
}

} // namespace

std::uint8_t PixelFormatFlag(TMVWSavePixelFormat format) {
  static constexpr std::uint8_t flags[] = {0, ItemMono, Item4Bit, Item8Bit};
  return flags[format];
}

TMVWSavePixelFormat PixelFormatOfFlags(std::uint8_t flags) {
  if (flags & ItemMono)
    return spfMono;
  if (flags & Item4Bit)
    return spf4bit;
  if (flags & Item8Bit)
    return spf8bit;
  return spfDefault;
}

int PixelFormatCode(TMVWSavePixelFormat format) {
  static constexpr int codes[] = {-1, 2, 16, 256};
  return codes[format];
}

void WriteItemHeader(TStream& stream, const TMVWItemHeader& header) {
  WriteByte(stream, header.Flags);
  if (header.Flags & ItemHasDescription)
    WriteShortString(stream, header.Description);
  if (header.Flags & ItemHasIdent)
    WriteInt32(stream, header.Ident);
}

TMVWItemHeader ReadItemHeader(TStream& stream) {
  TMVWItemHeader header;
  header.Flags = ReadByte(stream);
  if (header.Flags & ItemHasDescription)
    header.Description = ReadShortString(stream);
  if (header.Flags & ItemHasIdent)
    header.Ident = static_cast<std::uint16_t>(ReadInt32(stream) & 0xFFFF);
  return header;
}

const std::array<const char*, ListKindCount>& ListSignatures() {
  static const std::array<const char*, ListKindCount> signatures = {
      "MVWIML30", "MVWBML30", "MVWWVL30", "MVWSLL30", "MVWGLL50", "MVWRTL50"};
  return signatures;
}

const std::array<const char*, ListKindCount>& ListFileExtensions() {
  static const std::array<const char*, ListKindCount> extensions = {"iml", "bmp", "wav",
                                                                    "txt", "*",   "rtf"};
  return extensions;
}

void WriteContainerFrame(TStream& stream, int count, bool indexed,
                         const std::function<void(int index)>& writeItem) {
  WriteInt32(stream, count);
  if (!indexed || count <= 0) {
    for (int i = 0; i < count; ++i)
      writeItem(i);
    return;
  }
  const std::int64_t table = stream.Position();
  std::vector<std::int32_t> positions(static_cast<std::size_t>(count), 0);
  stream.WriteBuffer(positions.data(), std::int64_t{count} * 4);
  for (int i = 0; i < count; ++i) {
    positions[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(stream.Position());
    writeItem(i);
  }
  const std::int64_t end = stream.Position();
  stream.SetPosition(table);
  for (const std::int32_t position : positions)
    WriteInt32(stream, position);
  stream.SetPosition(end);
}

void ReadContainerFrame(TStream& stream, bool indexed, const std::function<void()>& readItem) {
  const std::int32_t count = ReadInt32(stream);
  if (count < 0)
    throw EReadError("Stream read error");
  if (indexed && count > 0) {
    CheckPositions(stream, count);
    stream.SetPosition(stream.Position() + std::int64_t{count} * 4);
  }
  for (std::int32_t i = 0; i < count; ++i)
    readItem();
}

int ReadListKind(TStream& stream, std::int32_t& count, std::vector<std::int32_t>* positions) {
  char signature[9];
  stream.ReadBuffer(signature, 9);
  int kind = ListKindNone;
  for (int i = 0; i < ListKindCount; ++i)
    if (signature[0] == 8 && std::memcmp(signature + 1, ListSignatures()[i], 8) == 0) {
      kind = i;
      break;
    }
  count = ReadInt32(stream);
  if (kind != ListKindNone && positions) {
    positions->clear();
    CheckPositions(stream, count);
    for (std::int32_t i = 0; i < count; ++i)
      positions->push_back(ReadInt32(stream));
  }
  return kind;
}

int ReadListFileKind(const std::string& fileName, std::int32_t& count,
                     std::vector<std::int32_t>* positions) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  return ReadListKind(file, count, positions);
}

void WriteListSignature(TStream& stream, int kind) {
  WriteShortString(stream, ListSignatures()[static_cast<std::size_t>(kind)]);
}

void WriteImageStripSize(TStream& stream, const TMVWImageStripSize& size) {
  WriteInt32(stream, size.Height);
  WriteInt32(stream, size.Width);
  WriteInt32(stream, size.AllocBy);
  WriteByte(stream, size.Masked ? 1 : 0);
}

TMVWImageStripSize ReadImageStripSize(TStream& stream) {
  TMVWImageStripSize size;
  size.Height = ReadInt32(stream);
  size.Width = ReadInt32(stream);
  size.AllocBy = ReadInt32(stream);
  size.Masked = ReadByte(stream) != 0;
  if (size.Height < 1 || size.Width < 1 || size.AllocBy < 1)
    InvalidImageSize();
  return size;
}

void CheckImageCount(const TMVWImageStripSize& size, std::int32_t count) {
  if (count < 0 || std::int64_t{count} * size.Width > MaxStripWidth)
    InvalidImageSize();
}

// --- Links ------------------------------------------------------------------------------------

TMVWChangeLink::~TMVWChangeLink() {
  if (Sender_)
    Sender_->RemoveChangeLink(this);
}

void TMVWChangeLink::Change() {
  if (TNotifyEvent handler = OnChange)
    handler(Sender_);
}

TMVWBaseContainer::~TMVWBaseContainer() {
  for (TMVWChangeLink* link : Links_)
    link->Sender_ = nullptr;
}

void TMVWBaseContainer::AddChangeLink(TMVWChangeLink* link) {
  if (!link || std::find(Links_.begin(), Links_.end(), link) != Links_.end())
    return;
  if (link->Sender_)
    link->Sender_->RemoveChangeLink(link);
  link->Sender_ = this;
  Links_.push_back(link);
}

void TMVWBaseContainer::RemoveChangeLink(TMVWChangeLink* link) {
  const auto found = std::find(Links_.begin(), Links_.end(), link);
  if (found == Links_.end())
    return;
  link->Sender_ = nullptr;
  Links_.erase(found);
}

void TMVWBaseContainer::Change() {
  // A handler may unregister its link, so the links run from a copy.
  const std::vector<TMVWChangeLink*> links = Links_;
  for (TMVWChangeLink* link : links)
    if (std::find(Links_.begin(), Links_.end(), link) != Links_.end())
      link->Change();
  TMVWCustomComponent::Change();
}

// --- Items ------------------------------------------------------------------------------------

TMVWListItem::~TMVWListItem() {
  if (Container_)
    Container_->Detach(this);
}

void TMVWListItem::SetDescription(const std::string& value) {
  if (value == Description_)
    return;
  Description_ = value;
  Change();
}

void TMVWListItem::SetIdent(std::uint16_t value) {
  if (value == Ident_)
    return;
  Ident_ = value;
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

void TMVWStringListItem::SetItems(const TStrings& value) {
  Items_.Assign(value);
  Change();
}

std::uint8_t TMVWStringListItem::GetFlags() const {
  return TMVWListItem::GetFlags() | (IsEmpty() ? 0 : ItemHasData);
}

void TMVWStringListItem::SaveToStream(TStream& stream) {
  if (WriteHeader(stream))
    WriteStrings(stream, Items_, Compressed());
}

void TMVWStringListItem::LoadFromStream(TStream& stream) {
  Items_.Clear();
  if (ReadHeader(stream) & ItemHasData)
    ReadStrings(stream, Items_, Compressed());
}

void TMVWStringListItem::Assign(const TPersistent& source) {
  TMVWListItem::Assign(source);
  if (const auto* item = dynamic_cast<const TMVWStringListItem*>(&source))
    Items_.Assign(item->Items_);
}

TMVWWaveListItem::TMVWWaveListItem(TComponent* owner)
    : TMVWListItem(owner), Wave_(WaveFactory()()) {}

void TMVWWaveListItem::SetWaveFactory(std::function<std::unique_ptr<TMVWCustomWave>()> factory) {
  WaveFactory() = std::move(factory);
}

std::uint8_t TMVWWaveListItem::GetFlags() const {
  return TMVWListItem::GetFlags() | (IsEmpty() ? 0 : ItemHasData);
}

void TMVWWaveListItem::SaveToStream(TStream& stream) {
  if (WriteHeader(stream))
    WriteWave(stream, *Wave_, Compressed());
}

void TMVWWaveListItem::LoadFromStream(TStream& stream) {
  Wave_->Clear();
  if (ReadHeader(stream) & ItemHasData)
    ReadWave(stream, *Wave_, Compressed());
}

void TMVWWaveListItem::Assign(const TPersistent& source) {
  TMVWListItem::Assign(source);
  if (const auto* item = dynamic_cast<const TMVWWaveListItem*>(&source))
    Wave_->Assign(*item->Wave_);
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

void RegisterPortableContainerClasses() {
  static const bool registered = [] {
    RegisterMVWBaseClasses();
    RegisterComponentClass<TMVWBaseContainer, TMVWCustomComponent>("TMVWBaseContainer");
    RegisterComponentClass<TMVWListItem, TMVWCustomComponent>("TMVWListItem");
    RegisterComponentClass<TMVWCustomContainer, TMVWBaseContainer>("TMVWCustomContainer");
    RegisterComponentClass<TMVWStringList, TMVWCustomContainer>("TMVWStringList")
        .String("About", &TMVWStringList::About, &TMVWStringList::SetAbout, std::string())
        .Boolean("DefaultCompressed", &TMVWStringList::DefaultCompressed,
                 &TMVWStringList::SetDefaultCompressed, false);
    RegisterComponentClass<TMVWWaveList, TMVWCustomContainer>("TMVWWaveList")
        .String("About", &TMVWWaveList::About, &TMVWWaveList::SetAbout, std::string())
        .Boolean("DefaultCompressed", &TMVWWaveList::DefaultCompressed,
                 &TMVWWaveList::SetDefaultCompressed, false);
    RegisterComponentClass<TMVWStringListItem, TMVWListItem>("TMVWStringListItem")
        .Binary("Internal", &TMVWListItem::ReadInternal, &TMVWListItem::WriteInternal,
                &TMVWListItem::HasInternal);
    RegisterComponentClass<TMVWWaveListItem, TMVWListItem>("TMVWWaveListItem")
        .Binary("Internal", &TMVWListItem::ReadInternal, &TMVWListItem::WriteInternal,
                &TMVWListItem::HasInternal);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
