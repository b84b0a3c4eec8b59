#pragma once

#include <array>
#include <cstdint>

namespace marivo {

// Text output flags of the platform, by value so that this stays free of Win32.
constexpr std::uint32_t TextCenter = 0x0001;
constexpr std::uint32_t TextRight = 0x0002;
constexpr std::uint32_t TextVCenter = 0x0004;
constexpr std::uint32_t TextBottom = 0x0008;
constexpr std::uint32_t TextWordBreak = 0x0010;
constexpr std::uint32_t TextSingleLine = 0x0020;
constexpr std::uint32_t TextExpandTabs = 0x0040;
constexpr std::uint32_t TextNoPrefix = 0x0800;
constexpr std::uint32_t TextEditControl = 0x2000;
constexpr std::uint32_t TextPathEllipsis = 0x4000;
constexpr std::uint32_t TextEndEllipsis = 0x8000;

// In the order of TMVWAlignment, agTopLeft to agBottomRight.
inline constexpr std::array<std::uint32_t, 9> AlignmentDrawFlags = {0,
                                                                    TextCenter,
                                                                    TextRight,
                                                                    TextVCenter,
                                                                    TextVCenter | TextCenter,
                                                                    TextVCenter | TextRight,
                                                                    TextBottom,
                                                                    TextBottom | TextCenter,
                                                                    TextBottom | TextRight};
// The first alignment below the top row (agCenterLeft).
constexpr std::uint8_t FirstLowerAlignment = 3;

enum TMVWLabelOption : std::uint8_t { loPathEllipsis, loEndEllipsis, loEditControl };
// Bit i stands for option i.
using TMVWLabelOptions = std::uint8_t;
inline constexpr std::array<std::uint32_t, 3> LabelOptionTextFlags = {
    TextPathEllipsis, TextEndEllipsis, TextEditControl};
std::uint32_t LabelOptionFlags(TMVWLabelOptions options);

// What decides how a label's text goes out.
struct TMVWLabelTextLook {
  std::uint8_t Alignment = 0;
  bool MultiLine = false;
  bool ShowAccelChar = true;
  TMVWLabelOptions Options = 0;
  bool AutoSize = true;
  int Angle = 0;
  std::uint32_t ReadingFlags = 0;
};

// Flags for the text output and whether the text rectangle is first placed by the caption
// style for the alignment.
struct TMVWLabelTextFlags {
  std::uint32_t Flags = 0;
  bool PlaceByCaption = false;
  friend bool operator==(const TMVWLabelTextFlags&, const TMVWLabelTextFlags&) = default;
};

TMVWLabelTextFlags SimpleLabelTextFlags(const TMVWLabelTextLook& look);
// Turned text goes out on one line; an auto-sized label wraps as it was measured.
TMVWLabelTextFlags BevelLabelTextFlags(const TMVWLabelTextLook& look);
// The static text never breaks words.
TMVWLabelTextFlags StaticTextFlags(const TMVWLabelTextLook& look);

} // namespace marivo
