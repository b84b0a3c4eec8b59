#pragma once

#include "widgets/foundation/portable/MVWRegionGeometry.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace marivo {

constexpr int LEDSegmentCount = 16;
constexpr int LEDPolygonPoints = 6;
using TMVWLEDPolygon = std::array<TMVWPoint, LEDPolygonPoints>;
using TMVWLEDSegments = std::array<TMVWLEDPolygon, LEDSegmentCount>;

// Bar segments 0..6; the diagonals and dots above them need room to be told apart.
constexpr std::uint16_t LEDBarSegments = 0x007F;

// Horzsize, Vertsize and Thickness of a sixteen-segment cell.
struct TMVWLEDSize {
  static constexpr std::uint8_t DefaultHorz = 9;
  static constexpr std::uint8_t DefaultVert = 7;
  static constexpr std::uint8_t DefaultThickness = 2;

  int Horz = DefaultHorz;
  int Vert = DefaultVert;
  int Thickness = DefaultThickness;
};

int LEDCellWidth(const TMVWLEDSize& size);
int LEDCellHeight(const TMVWLEDSize& size);
// The sixteen segment outlines of a cell at (0, 0); bit i of a mask lights polygon i.
TMVWLEDSegments LEDSegments(const TMVWLEDSize& size);
// The segments that may light at this size: small cells show their bars only.
std::uint16_t LEDLitSegments(std::uint16_t mask, const TMVWLEDSize& size);

struct TMVWLEDCharMask {
  std::string_view Chars;
  std::uint16_t Mask;
};

inline constexpr std::array<TMVWLEDCharMask, 49> LEDCharMasks = {{
    {"\"", 0x0082}, {"'", 0x0080}, {"(<", 0x1400}, {")>", 0x0A00}, {"*", 0x1F80},  {"+", 0x0188},
    {"-", 0x0008},  {".", 0x8000}, {"/", 0x0C00},  {"0", 0x1277},  {"1I", 0x0180}, {"2", 0x005D},
    {"3", 0x006D},  {"4", 0x002E}, {"5", 0x006B},  {"6", 0x007B},  {"7", 0x0025},  {"8", 0x007F},
    {"9", 0x006F},  {":", 0xA000}, {"=", 0x0048},  {"A", 0x003F},  {"B", 0x01ED},  {"C[", 0x0053},
    {"D", 0x01E5},  {"E", 0x005B}, {"F", 0x001B},  {"G", 0x007B},  {"H", 0x003E},  {"J", 0x0074},
    {"\\", 0x1200}, {"]", 0x0065}, {"_", 0x0040},  {"K", 0x141A},  {"L", 0x0052},  {"M", 0x0636},
    {"N", 0x1236},  {"O", 0x0077}, {"P", 0x001F},  {"Q", 0x1077},  {"R", 0x101F},  {"S", 0x006B},
    {"T", 0x0181},  {"U", 0x0076}, {"V", 0x0C12},  {"W", 0x1836},  {"X", 0x1E00},  {"Y", 0x0700},
    {"Z", 0x0C41},
}};

// Letters in either case; anything unlisted, non-ASCII included, is a blank cell.
std::uint16_t LEDCharMask(char c);

struct TMVWLEDCell {
  int Column = 0;
  int Line = 0;
  std::uint16_t Mask = 0;
};

// The cells of a text: CR starts a line, other control characters take no cell.
struct TMVWLEDLayout {
  std::vector<TMVWLEDCell> Cells;
  int Lines = 1;
  // At least 1, so an empty text still measures one cell.
  int Widest = 1;
};
TMVWLEDLayout LayoutLEDText(std::string_view text);

struct TMVWLEDExtent {
  int Width = 0;
  int Height = 0;
};
// Saturates rather than overflow for texts no display could show.
TMVWLEDExtent LEDTextExtent(std::string_view text, const TMVWLEDSize& size, int bevelExtent);

enum TMVWLEDStyle : std::uint8_t { lsString, lsInteger };

// What an LED label shows: its caption, or its value padded with zeros to Digits.
class TMVWLEDValue {
public:
  static constexpr TMVWLEDStyle DefaultStyle = lsString;
  static constexpr std::uint8_t DefaultDigits = 2;
  static constexpr std::int32_t DefaultValue = 0;

  TMVWLEDStyle Style() const { return Style_; }
  // These return whether the value changed.
  bool SetStyle(TMVWLEDStyle value);
  std::uint8_t Digits() const { return Digits_; }
  // 0 is refused: a number needs a place to show.
  bool SetDigits(std::uint8_t value);
  std::int32_t Value() const { return Value_; }
  bool SetValue(std::int32_t value);

  // A number too long for Digits shows Digits minus signs.
  std::string Text(const std::string& caption) const;

private:
  TMVWLEDStyle Style_ = DefaultStyle;
  std::uint8_t Digits_ = DefaultDigits;
  std::int32_t Value_ = DefaultValue;
};

} // namespace marivo
