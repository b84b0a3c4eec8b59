#include "widgets/foundation/portable/MVWStringList.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Streams.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <algorithm>
#include <cstring>

namespace marivo {

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

void RegisterMVWStringList() {
  using T = TMVWStringList;
  RegisterComponentClass<T, TMVWCustomContainer>("TMVWStringList")
      .String("About", &T::About, &T::SetAbout, std::string())
      .Boolean("DefaultCompressed", &T::DefaultCompressed, &T::SetDefaultCompressed,
               T::InitialDefaultCompressed);
  RegisterComponentClass<TMVWStringListItem, TMVWListItem>("TMVWStringListItem")
      .Binary("Internal", &TMVWListItem::ReadInternal, &TMVWListItem::WriteInternal,
              &TMVWListItem::HasInternal);
}

} // namespace marivo
