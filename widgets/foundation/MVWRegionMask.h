#pragma once

#include "platform/rtl/Streams.h"
#include "platform/ui/Pictures.h"
#include "widgets/foundation/portable/MVWBase.h"
#include "widgets/foundation/portable/MVWContainerStreams.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

// A ready window region as raw region data, with the window's picture and two state pictures,
// all kept in form data.
class TMVWRegionMask : public TMVWObject {
public:
  static constexpr bool DefaultCompressed = false;
  static constexpr TMVWSavePixelFormat DefaultPixelFormat = spfDefault;

  TMVWRegionMask();

  bool Compressed() const { return Compressed_; }
  void SetCompressed(bool value) { Compressed_ = value; }
  // Only the number: the data comes with "RegionData".
  std::int32_t RegionDataSize() const { return RegionDataSize_; }
  void SetRegionDataSize(std::int32_t value) { RegionDataSize_ = value; }
  TMVWSavePixelFormat PixelFormat() const { return PixelFormat_; }
  void SetPixelFormat(TMVWSavePixelFormat value) { PixelFormat_ = value; }

  // What GetRegionData gives and ExtCreateRegion takes; empty for none.
  const std::vector<std::uint8_t>& RegionData() const { return RegionData_; }
  void SetRegionData(std::vector<std::uint8_t> data);
  TBitmap& BorderBitmap() const { return *Border_; }
  TBitmap& UpBitmap() const { return *Up_; }
  TBitmap& DownBitmap() const { return *Down_; }

  // Form data: the region data after RegionDataSize, each picture after its compressed flag.
  // Written, RegionDataSize is the length of the block there is, whatever was set; read, the
  // block must be as long as RegionDataSize said. Bad data raises EReadError naming the
  // property and leaves the mask as it was.
  std::int32_t StoredRegionDataSize() const {
    return static_cast<std::int32_t>(RegionData_.size());
  }
  void ReadRegionData(TStream& stream);
  void WriteRegionData(TStream& stream) const;
  bool HasRegionData() const { return !RegionData_.empty(); }
  static void ReadPicture(TStream& stream, TBitmap& bitmap, bool& compressed,
                          const std::string& property);
  static void WritePicture(TStream& stream, TBitmap& bitmap, bool compressed);

  // From a mask with region data; one without only empties this one's. Tells of no change.
  void Assign(const TPersistent& source) override;

private:
  bool Compressed_ = DefaultCompressed;
  std::int32_t RegionDataSize_ = 0;
  TMVWSavePixelFormat PixelFormat_ = DefaultPixelFormat;

  std::vector<std::uint8_t> RegionData_;
  std::unique_ptr<TBitmap> Border_;
  std::unique_ptr<TBitmap> Up_;
  std::unique_ptr<TBitmap> Down_;
};

// Makes the mask known to form data.
void RegisterMVWRegionMask();

} // namespace marivo
