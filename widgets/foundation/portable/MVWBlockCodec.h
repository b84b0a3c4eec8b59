#pragma once

#include <cstddef>
#include <cstdint>

namespace marivo {

// --- Block codec ------------------------------------------------------------------------------
// A block is one byte of kind, 0x40 compressed or 0x80 stored (the source bytes follow as they
// are). A compressed block holds big-endian 16-bit control words, one bit per item, most
// significant first (0 literal, 1 copy or run), each before its group of up to 16 items:
//   literal  the byte;
//   copy     (distance << 4) + (length - 3), distance 1..4095 back, length 3..18;
//   run      00, (length - 16) high, low, the byte; length 16..4095.

constexpr std::size_t LZRWTableSize = 4096;
constexpr std::uint16_t LZRWEmpty = 0xFFFF;
constexpr std::uint8_t LZRWCompressed = 0x40;
constexpr std::uint8_t LZRWStored = 0x80;

// Compresses count bytes of source into dest, which holds count + 6 bytes; gives the block's
// length, at most count + 1 (a block that would grow is stored). EInvalidPointer "LZRW Error!"
// when the hash table cannot be had.
std::size_t LZRWCompress(const std::uint8_t* source, std::uint8_t* dest, std::uint16_t count);
// Expands a block of count bytes into dest, which holds capacity bytes, and gives the bytes
// written. The count is wider than 16 bits, as a stored block of 65,535 bytes is 65,536 long. A
// block that is empty, cut short, copies from before the output's start or would overflow dest
// raises EReadError; neither buffer is touched outside its bounds.
std::size_t LZRWDecompress(const std::uint8_t* source, std::uint8_t* dest, std::size_t count,
                           std::size_t capacity);
// The compressor's search step at position: the last position searched with the same hash of
// the next three bytes, when it lies less than 4096 back, and how many bytes (up to 18) it has
// in common with position. Always enters position in the table. True for 3 bytes or more.
bool LZRWGetMatch(const std::uint8_t* source, std::uint16_t position, std::uint16_t count,
                  std::uint16_t& matchPosition, std::uint16_t& matchLength, std::uint16_t* table);

// --- Numbers ----------------------------------------------------------------------------------
// Values[0..highIndex]; highIndex must be 0 or more.
int MaxOfInts(const int* values, int highIndex);
int MinOfInts(const int* values, int highIndex);
double MinOfFloats(const double* values, int highIndex);
// base multiplied exponent times into 1 (1 for an exponent of 0 or less); wraps like 32-bit
// arithmetic.
int IntPower(int base, int exponent);
int PreIncrement(int& value);

} // namespace marivo
