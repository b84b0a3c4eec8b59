#include "widgets/controls/portable/MVWFaceIndices.h"

#include "platform/rtl/Exceptions.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <string>
#include <vector>

namespace marivo {

namespace {

constexpr int OldStateCount = 8;

// The whole stored value as 32-bit numbers, which must fill exactly count of them.
std::vector<std::int32_t> ReadValues(TStream& stream, int count, const char* property) {
  const std::int64_t available = stream.Size() - stream.Position();
  if (available != 4 * std::int64_t{count})
    throw EReadError(std::string("Invalid property value ") + property + ": " +
                     std::to_string(available) + " bytes where " + std::to_string(4 * count) +
                     " belong");
  std::vector<std::int32_t> values(static_cast<std::size_t>(count));
  for (std::int32_t& value : values)
    value = ReadInt32(stream);
  return values;
}

} // namespace

std::optional<TMVWFaceEntry> FaceEntryOf(const TMVWFaceEntries& entries, int state,
                                         const std::function<bool(const TMVWFaceEntry&)>& valid) {
  if (state < 0 || state >= FaceStateCount)
    return std::nullopt;
  const TMVWFaceEntry& own = entries[static_cast<std::size_t>(state)];
  if (valid(own))
    return own;
  switch (state) {
  case 1:
  case 2:
  case 5:
    return entries[0];
  case 3:
  case 4:
  case 6:
  case 7:
    return entries[4];
  default:
    return std::nullopt;
  }
}

std::optional<TMVWPoint> FaceEntryPixel(TMVWPoint point, const TMVWRect& faceRect, int width,
                                        int height, bool tiled) {
  const int dx = point.X - faceRect.Left, dy = point.Y - faceRect.Top;
  const int faceWidth = faceRect.Width(), faceHeight = faceRect.Height();
  if (width <= 0 || height <= 0 || dx < 0 || dy < 0 || dx >= faceWidth || dy >= faceHeight)
    return std::nullopt;
  TMVWPoint pixel{dx, dy};
  if (tiled)
    pixel = {dx % width, dy % height};
  else if (faceWidth != width || faceHeight != height)
    pixel = {static_cast<int>(std::int64_t{dx} * width / faceWidth),
             static_cast<int>(std::int64_t{dy} * height / faceHeight)};
  if (pixel.X >= width || pixel.Y >= height)
    return std::nullopt;
  return pixel;
}

void WriteFaceIndicesNew2(TStream& stream, const TMVWFaceEntries& entries) {
  for (const TMVWFaceEntry& entry : entries)
    WriteInt32(stream, entry.Image);
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
    WriteInt32(stream, entry->List);
}

TMVWFaceEntries ReadFaceIndicesNew2(TStream& stream) {
  const std::vector<std::int32_t> values =
      ReadValues(stream, 2 * FaceStateCount, "ButtonFaceIndicesNew2");
  TMVWFaceEntries entries;
  for (std::size_t state = 0; state < FaceStateCount; ++state) {
    entries[state].Image = values[state];
    entries[state].List = values[2 * FaceStateCount - 1 - state];
  }
  return entries;
}

TMVWFaceEntries ReadFaceIndicesNew(TStream& stream, const TMVWFaceEntries& entries) {
  const std::vector<std::int32_t> values =
      ReadValues(stream, 2 * OldStateCount, "ButtonFaceIndicesNew");
  TMVWFaceEntries result = entries;
  for (std::size_t state = 0; state < OldStateCount; ++state)
    result[state] = {values[state], values[OldStateCount + state]};
  return result;
}

TMVWFaceEntries ReadFaceIndices(TStream& stream, const TMVWFaceEntries& entries) {
  const std::vector<std::int32_t> values =
      ReadValues(stream, 2 * OldStateCount, "ButtonFaceIndices");
  TMVWFaceEntries result = entries;
  for (std::size_t state = 0; state < OldStateCount; ++state)
    result[state] = {values[2 * state], values[2 * state + 1]};
  return result;
}

void WriteFaceColor(TStream& stream, std::uint32_t color) {
  WriteInt32(stream, static_cast<std::int32_t>(color));
}

std::uint32_t ReadFaceColor(TStream& stream, const char* property) {
  return static_cast<std::uint32_t>(ReadValues(stream, 1, property)[0]);
}

} // namespace marivo
