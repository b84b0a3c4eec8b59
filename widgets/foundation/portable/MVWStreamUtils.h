#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace marivo {

class TStream;
class TMemoryStream;
class TStrings;
class TMVWCustomWave;

// The pieces of every widget stream, little-endian. A short read raises EReadError.

// Source bytes per compressed block; a stored full block is one byte longer.
constexpr std::int64_t MVWBlockSize = 32781;

void WriteInt32(TStream& stream, std::int32_t value);
std::int32_t ReadInt32(TStream& stream);
void WriteByte(TStream& stream, std::uint8_t value);
std::uint8_t ReadByte(TStream& stream);
// A length byte, then the text's first bytes: 255 at most.
void WriteShortString(TStream& stream, const std::string& text);
std::string ReadShortString(TStream& stream);

// A 32-bit length, back-patched once write has put the content after it.
void WriteWithLength(TStream& stream, const std::function<void(TStream&)>& write);
// Appends the content of one piece written compressed (CompressStream) or with its length; a
// length that is negative or longer than the bytes left raises EReadError before anything is
// allocated.
void ReadPiece(TStream& source, TMemoryStream& target, bool compressed);

// The list's lines (each ended by CR LF) with their length, or compressed.
void WriteStrings(TStream& stream, const TStrings& list, bool compressed);
void ReadStrings(TStream& stream, TStrings& list, bool compressed);

// Wave data, compressed or with its length.
void WriteWave(TStream& stream, TMVWCustomWave& wave, bool compressed);
void ReadWave(TStream& stream, TMVWCustomWave& wave, bool compressed);

// Compresses count bytes of source from its position: a 32-bit total of the bytes that follow,
// then each block (at most MVWBlockSize source bytes) with its 32-bit size.
void CompressStream(TStream& source, TStream& dest, std::int64_t count);
// Reads one compressed stream and appends its bytes to dest. A block size of 0 or over
// MVWBlockSize + 1, a block expanding past MVWBlockSize bytes or one running past the total
// raises EReadError.
void DecompressStream(TStream& source, TStream& dest);

} // namespace marivo
