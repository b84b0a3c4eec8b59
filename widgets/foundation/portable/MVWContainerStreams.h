#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

class TStream;
class TMVWBaseContainer;

// --- Item headers -----------------------------------------------------------------------------

constexpr std::uint8_t ItemCompressed = 0x01;
constexpr std::uint8_t ItemHasDescription = 0x02;
constexpr std::uint8_t ItemHasIdent = 0x04;
constexpr std::uint8_t ItemHasData = 0x08;
constexpr std::uint8_t ItemMono = 0x10;
constexpr std::uint8_t Item4Bit = 0x20;
constexpr std::uint8_t Item8Bit = 0x40;

enum TMVWSavePixelFormat : std::uint8_t { spfDefault, spfMono, spf4bit, spf8bit };

// The flag bit of a pixel format (0 for spfDefault), and the format of flags: the first of 0x10,
// 0x20, 0x40 set wins.
std::uint8_t PixelFormatFlag(TMVWSavePixelFormat format);
TMVWSavePixelFormat PixelFormatOfFlags(std::uint8_t flags);
// The bitmap code a pixel format is stored with: -1, 2, 16 or 256.
int PixelFormatCode(TMVWSavePixelFormat format);

struct TMVWItemHeader {
  std::uint8_t Flags = 0;
  std::string Description;
  std::uint16_t Ident = 0;
};

// Flags, the description with 0x02, the ident (32-bit, low 16 bits used) with 0x04.
void WriteItemHeader(TStream& stream, const TMVWItemHeader& header);
TMVWItemHeader ReadItemHeader(TStream& stream);

// --- Container framing and list files ---------------------------------------------------------

// The signatures in table order; the index is the list kind, 6 the kind of no match.
constexpr int ListKindCount = 6;
constexpr int ListKindNone = 6;
const std::array<const char*, ListKindCount>& ListSignatures();
const std::array<const char*, ListKindCount>& ListFileExtensions();

// The item count, with indexed the absolute position each item starts at, then the items.
void WriteContainerFrame(TStream& stream, int count, bool indexed,
                         const std::function<void(int index)>& writeItem);
// The count, positions skipped; each item read in sequence. A negative count, or more positions
// than the stream holds, raises EReadError.
void ReadContainerFrame(TStream& stream, bool indexed, const std::function<void()>& readItem);

// The signature's kind (ListKindNone for no match), then the count and, when a kind matched and
// positions is given, the positions. A negative count or more positions than the stream holds
// raises EReadError.
int ReadListKind(TStream& stream, std::int32_t& count, std::vector<std::int32_t>* positions);
// The same for a file, closed on every path.
int ReadListFileKind(const std::string& fileName, std::int32_t& count,
                     std::vector<std::int32_t>* positions);
// The signature of a kind as written at a list file's start.
void WriteListSignature(TStream& stream, int kind);

// --- Image strip sizes ------------------------------------------------------------------------

constexpr int MaxStripWidth = 32768;

struct TMVWImageStripSize {
  std::int32_t Height = 16;
  std::int32_t Width = 16;
  std::int32_t AllocBy = 4;
  bool Masked = false;
};

void WriteImageStripSize(TStream& stream, const TMVWImageStripSize& size);
// EInvalidGraphicOperation "Invalid image size" for a width, height or allocation step below 1.
TMVWImageStripSize ReadImageStripSize(TStream& stream);
// EInvalidGraphicOperation "Invalid image size" for a negative count or count images wider than
// the strip limit.
void CheckImageCount(const TMVWImageStripSize& size, std::int32_t count);

} // namespace marivo
