#include "widgets/foundation/portable/MVWWaveList.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Streams.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <algorithm>
#include <cstring>

namespace marivo {

namespace {

std::function<std::unique_ptr<TMVWCustomWave>()>& WaveFactory() {
  static std::function<std::unique_ptr<TMVWCustomWave>()> factory = [] {
    return std::make_unique<TMVWCustomWave>();
  };
  return factory;
}

} // namespace

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

void RegisterMVWWaveList() {
  using T = TMVWWaveList;
  RegisterComponentClass<T, TMVWCustomContainer>("TMVWWaveList")
      .String("About", &T::About, &T::SetAbout, std::string())
      .Boolean("DefaultCompressed", &T::DefaultCompressed, &T::SetDefaultCompressed,
               T::InitialDefaultCompressed);
  RegisterComponentClass<TMVWWaveListItem, TMVWListItem>("TMVWWaveListItem")
      .Binary("Internal", &TMVWListItem::ReadInternal, &TMVWListItem::WriteInternal,
              &TMVWListItem::HasInternal);
}

} // namespace marivo
