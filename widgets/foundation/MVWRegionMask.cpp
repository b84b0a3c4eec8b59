#include "widgets/foundation/MVWRegionMask.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "widgets/foundation/MVWBitmapStreams.h"
#include "widgets/foundation/portable/MVWRegionData.h"

#include <tuple>

namespace marivo {

TMVWRegionMask::TMVWRegionMask()
    : Border_(std::make_unique<TBitmap>()), Up_(std::make_unique<TBitmap>()),
      Down_(std::make_unique<TBitmap>()) {}

void TMVWRegionMask::SetRegionData(std::vector<std::uint8_t> data) {
  RegionData_ = std::move(data);
  RegionDataSize_ = static_cast<std::int32_t>(RegionData_.size());
}

void TMVWRegionMask::ReadRegionData(TStream& stream) {
  RegionData_ = ReadRegionDataBlock(stream, RegionDataSize_);
}

void TMVWRegionMask::WriteRegionData(TStream& stream) const {
  stream.WriteBuffer(RegionData_.data(), static_cast<std::int64_t>(RegionData_.size()));
}

void TMVWRegionMask::ReadPicture(TStream& stream, TBitmap& bitmap, bool& compressed,
                                 const std::string& property) {
  const TMVWMaskPicture picture = ReadMaskPicture(stream, property);
  TMemoryStream image;
  image.WriteBuffer(picture.Image.data(), static_cast<std::int64_t>(picture.Image.size()));
  image.SetPosition(0);
  TBitmap loaded;
  try {
    loaded.LoadFromStream(image);
  } catch (const Exception& error) {
    throw EReadError("Invalid property value " + property + ": " + error.Message());
  }
  bitmap.Assign(loaded);
  compressed = picture.Compressed;
}

void TMVWRegionMask::WritePicture(TStream& stream, TBitmap& bitmap, bool compressed) {
  const std::uint8_t flag = compressed ? 1 : 0;
  stream.WriteBuffer(&flag, 1);
  WriteBitmap(stream, bitmap, compressed, MVWBitmapOwnFormat);
}

void TMVWRegionMask::Assign(const TPersistent& source) {
  const auto* mask = dynamic_cast<const TMVWRegionMask*>(&source);
  if (!mask) {
    TMVWObject::Assign(source);
    return;
  }
  if (mask == this)
    return;
  RegionData_.clear();
  RegionDataSize_ = 0;
  if (mask->RegionDataSize_ <= 0)
    return;
  Compressed_ = mask->Compressed_;
  RegionData_ = mask->RegionData_;
  RegionDataSize_ = mask->RegionDataSize_;
  Border_->Assign(*mask->Border_);
  Up_->Assign(*mask->Up_);
  Down_->Assign(*mask->Down_);
}

void RegisterMVWRegionMask() {
  using T = TMVWRegionMask;
  const auto picture = [](TBitmap& (T::*bitmap)() const, const char* property) {
    return std::make_tuple(
        [bitmap, property](T& mask, TStream& stream) {
          bool compressed = false;
          T::ReadPicture(stream, (mask.*bitmap)(), compressed, property);
          mask.SetCompressed(compressed);
        },
        [bitmap](T& mask, TStream& stream) {
          T::WritePicture(stream, (mask.*bitmap)(), mask.Compressed());
        },
        [bitmap](T& mask) { return !(mask.*bitmap)().Empty(); });
  };
  const auto [readBorder, writeBorder, hasBorder] = picture(&T::BorderBitmap, "BorderBmp");
  const auto [readUp, writeUp, hasUp] = picture(&T::UpBitmap, "BorderUpBmp");
  const auto [readDown, writeDown, hasDown] = picture(&T::DownBitmap, "BorderDnBmp");
  RegisterPersistentClass<T, TMVWObject>("TMVWRegionMask")
      .Boolean("Compressed", &T::Compressed, &T::SetCompressed, T::DefaultCompressed)
      .Integer("RegionDataSize", &T::StoredRegionDataSize, &T::SetRegionDataSize)
      .Enumeration("PixelFormat", {"spfDefault", "spfMono", "spf4bit", "spf8bit"}, &T::PixelFormat,
                   &T::SetPixelFormat, T::DefaultPixelFormat)
      .Binary("RegionData", &T::ReadRegionData, &T::WriteRegionData, &T::HasRegionData)
      .Binary("BorderBmp", readBorder, writeBorder, hasBorder)
      .Binary("BorderUpBmp", readUp, writeUp, hasUp)
      .Binary("BorderDnBmp", readDown, writeDown, hasDown);
}

} // namespace marivo
