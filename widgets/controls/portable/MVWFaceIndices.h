#pragma once

#include "platform/rtl/Streams.h"
#include "widgets/foundation/portable/MVWRegionGeometry.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace marivo {

// Where a multimedia button's picture for one state is: a list of the image list and an image in
// it.
struct TMVWFaceEntry {
  std::int32_t List = 0;
  std::int32_t Image = 0;
  friend bool operator==(const TMVWFaceEntry&, const TMVWFaceEntry&) = default;
};

// One entry for each button state 0..8.
constexpr int FaceStateCount = 9;
using TMVWFaceEntries = std::array<TMVWFaceEntry, FaceStateCount>;

// The entry a state shows: its own when valid; else the hot, disabled and state-5 looks borrow
// the up entry and the pressed looks (3, 4, 6, 7) the entry of state 4, valid or not. None, so
// nothing at all is painted, for an invalid up entry or one of state 8 or beyond.
std::optional<TMVWFaceEntry> FaceEntryOf(const TMVWFaceEntries& entries, int state,
                                         const std::function<bool(const TMVWFaceEntry&)>& valid);

// The pixel of a face entry of width x height under the point of a button whose face took
// faceRect: a stretched or aspect-kept face is scaled back, a tiled one folded into its first
// tile; none outside the face or the entry.
std::optional<TMVWPoint> FaceEntryPixel(TMVWPoint point, const TMVWRect& faceRect, int width,
                                        int height, bool tiled);

// Form data, 32-bit little-endian, each block exactly its length or EReadError and nothing
// read. "ButtonFaceIndicesNew2", 72 bytes: the images of states 0..8, then the lists of states
// 8 down to 0.
void WriteFaceIndicesNew2(TStream& stream, const TMVWFaceEntries& entries);
TMVWFaceEntries ReadFaceIndicesNew2(TStream& stream);
// Older blocks of states 0..7; state 8 keeps its entry. "ButtonFaceIndicesNew", 64 bytes: the
// lists, then the images. "ButtonFaceIndices", 64 bytes: list and image state by state.
TMVWFaceEntries ReadFaceIndicesNew(TStream& stream, const TMVWFaceEntries& entries);
TMVWFaceEntries ReadFaceIndices(TStream& stream, const TMVWFaceEntries& entries);
// "ButtonFaceTransColNew" and "ButtonFaceTransCol", 4 bytes: the colour clicks pass through.
void WriteFaceColor(TStream& stream, std::uint32_t color);
std::uint32_t ReadFaceColor(TStream& stream, const char* property);

} // namespace marivo
