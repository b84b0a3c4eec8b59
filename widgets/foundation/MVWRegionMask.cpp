#include "widgets/foundation/MVWRegionMask.h"

#include "platform/rtl/Exceptions.h"
#include "widgets/foundation/MVWBitmapStreams.h"
#include "widgets/foundation/portable/MVWRegionData.h"

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

} // namespace marivo
