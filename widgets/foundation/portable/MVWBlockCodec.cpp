#include "widgets/foundation/portable/MVWBlockCodec.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace marivo {

namespace {

constexpr std::size_t MinMatch = 3;
constexpr std::size_t MaxMatch = 18;
constexpr std::size_t MinRun = 16;
constexpr std::size_t MaxRun = 4095;
constexpr std::size_t ItemsPerGroup = 16;

[[noreturn]] void CorruptBlock(const char* reason) {
  throw EReadError(std::string("Stream read error: compressed block ") + reason);
}

void PutWord(std::uint8_t* dest, std::size_t value) {
  dest[0] = static_cast<std::uint8_t>(value >> 8);
  dest[1] = static_cast<std::uint8_t>(value);
}

std::size_t RunLength(const std::uint8_t* source, std::size_t position, std::size_t count) {
  const std::size_t limit = std::min(count, position + MaxRun);
  std::size_t end = position + 1;
  while (end < limit && source[end] == source[position])
    ++end;
  return end - position;
}

} // namespace

bool LZRWGetMatch(const std::uint8_t* source, std::uint16_t position, std::uint16_t count,
                  std::uint16_t& matchPosition, std::uint16_t& matchLength, std::uint16_t* table) {
  matchLength = 0;
  // Under three bytes left no match is possible, and hashing them would read past the block.
  if (position + MinMatch > count)
    return false;
  const std::uint32_t key =
      (((static_cast<std::uint32_t>(source[position]) << 4) ^ source[position + 1]) << 4) ^
      source[position + 2];
  const std::uint32_t hash = ((key * 40543u) >> 4) & 0xFFF;
  const std::uint16_t candidate = table[hash];
  table[hash] = position;
  // The candidate is compared as a signed 16-bit number, so none past 32,767 ever matches; the
  // stored blocks depend on it.
  if (candidate == LZRWEmpty || position - static_cast<std::int16_t>(candidate) >= 4096)
    return false;
  std::uint16_t length = 0;
  while (length < MaxMatch && position + length < count &&
         source[candidate + length] == source[position + length])
    ++length;
  matchPosition = candidate;
  matchLength = length;
  return length >= MinMatch;
}

std::size_t LZRWCompress(const std::uint8_t* source, std::uint8_t* dest, std::uint16_t count) {
  std::unique_ptr<std::uint16_t[]> table(new (std::nothrow) std::uint16_t[LZRWTableSize]);
  if (!table)
    throw EInvalidPointer("LZRW Error!");
  std::fill_n(table.get(), LZRWTableSize, LZRWEmpty);

  dest[0] = LZRWCompressed;
  std::size_t controlPosition = 1;
  std::size_t output = 3;
  std::size_t items = 0;
  std::uint32_t control = 0;
  std::size_t position = 0;
  while (position < count && output <= count) {
    if (items == ItemsPerGroup) {
      PutWord(dest + controlPosition, control);
      controlPosition = output;
      output += 2;
      items = 0;
      control = 0;
    }
    const std::size_t run = RunLength(source, position, count);
    std::uint16_t matchPosition = 0;
    std::uint16_t matchLength = 0;
    if (run >= MinRun) {
      dest[output] = 0;
      PutWord(dest + output + 1, run - MinRun);
      dest[output + 3] = source[position];
      output += 4;
      position += run;
      control = control * 2 + 1;
    } else if (LZRWGetMatch(source, static_cast<std::uint16_t>(position), count, matchPosition,
                            matchLength, table.get())) {
      PutWord(dest + output, ((position - matchPosition) << 4) + (matchLength - MinMatch));
      output += 2;
      position += matchLength;
      control = control * 2 + 1;
    } else {
      dest[output++] = source[position++];
      control *= 2;
    }
    ++items;
  }
  PutWord(dest + controlPosition, control << (ItemsPerGroup - items));
  if (output > count) {
    if (count > 0)
      std::memmove(dest + 1, source, count);
    dest[0] = LZRWStored;
    return std::size_t{count} + 1;
  }
  return output;
}

std::size_t LZRWDecompress(const std::uint8_t* source, std::uint8_t* dest, std::size_t count,
                           std::size_t capacity) {
  if (count == 0)
    CorruptBlock("is empty");
  if (source[0] == LZRWStored) {
    const std::size_t length = count - 1;
    if (length > capacity)
      CorruptBlock("is too long");
    if (length > 0)
      std::memcpy(dest, source + 1, length);
    return length;
  }
  if (count < 3)
    CorruptBlock("is cut short");
  std::uint32_t control = (source[1] << 8) | source[2];
  int bits = 16;
  std::size_t input = 3;
  std::size_t output = 0;
  while (input < count) {
    if (bits == 0) {
      if (input + 2 > count)
        CorruptBlock("is cut short");
      control = (source[input] << 8) | source[input + 1];
      input += 2;
      bits = 16;
      if (input >= count)
        CorruptBlock("is cut short");
    }
    if ((control & 0x8000) == 0) {
      if (output >= capacity)
        CorruptBlock("is too long");
      dest[output++] = source[input++];
    } else {
      if (input + 2 > count)
        CorruptBlock("is cut short");
      const std::size_t distance = (source[input] << 4) | (source[input + 1] >> 4);
      if (distance == 0) {
        if (input + 4 > count)
          CorruptBlock("is cut short");
        const std::size_t length = (((source[input + 1] & 0x0F) << 8) | source[input + 2]) + MinRun;
        if (length > capacity - output)
          CorruptBlock("is too long");
        std::memset(dest + output, source[input + 3], length);
        output += length;
        input += 4;
      } else {
        const std::size_t length = (source[input + 1] & 0x0F) + MinMatch;
        if (distance > output)
          CorruptBlock("copies from before its start");
        if (length > capacity - output)
          CorruptBlock("is too long");
        // Byte by byte: an overlapping copy repeats the last bytes.
        for (std::size_t i = 0; i < length; ++i, ++output)
          dest[output] = dest[output - distance];
        input += 2;
      }
    }
    control <<= 1;
    --bits;
  }
  return output;
}

int MaxOfInts(const int* values, int highIndex) {
  return *std::max_element(values, values + highIndex + 1);
}

int MinOfInts(const int* values, int highIndex) {
  return *std::min_element(values, values + highIndex + 1);
}

double MinOfFloats(const double* values, int highIndex) {
  return *std::min_element(values, values + highIndex + 1);
}

int IntPower(int base, int exponent) {
  std::uint32_t result = 1;
  for (int i = 0; i < exponent; ++i)
    result *= static_cast<std::uint32_t>(base);
  return static_cast<int>(result);
}

int PreIncrement(int& value) {
  return ++value;
}

} // namespace marivo
