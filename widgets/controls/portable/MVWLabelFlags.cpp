#include "widgets/controls/portable/MVWLabelFlags.h"

namespace marivo {

namespace {

std::uint32_t CommonFlags(const TMVWLabelTextLook& look) {
  std::uint32_t flags = AlignmentDrawFlags.at(look.Alignment) | LabelOptionFlags(look.Options) |
                        look.ReadingFlags | TextExpandTabs;
  if (!look.ShowAccelChar)
    flags |= TextNoPrefix;
  return flags;
}

bool LowerRow(const TMVWLabelTextLook& look) {
  return look.Alignment >= FirstLowerAlignment;
}

} // namespace

std::uint32_t LabelOptionFlags(TMVWLabelOptions options) {
  std::uint32_t flags = 0;
  for (std::size_t option = 0; option < LabelOptionTextFlags.size(); ++option)
    if (options & (1u << option))
      flags |= LabelOptionTextFlags[option];
  return flags;
}

TMVWLabelTextFlags SimpleLabelTextFlags(const TMVWLabelTextLook& look) {
  TMVWLabelTextFlags result{CommonFlags(look) | TextWordBreak, false};
  if (!look.MultiLine)
    result.Flags |= TextSingleLine;
  else
    result.PlaceByCaption = LowerRow(look);
  return result;
}

TMVWLabelTextFlags BevelLabelTextFlags(const TMVWLabelTextLook& look) {
  TMVWLabelTextFlags result{CommonFlags(look) | TextWordBreak, false};
  if (look.AutoSize)
    return result;
  if (look.Angle != 0) {
    result.Flags |= TextSingleLine;
    result.PlaceByCaption = look.Alignment != 0;
  } else if (!look.MultiLine) {
    result.Flags |= TextSingleLine;
  } else {
    result.PlaceByCaption = LowerRow(look);
  }
  return result;
}

TMVWLabelTextFlags StaticTextFlags(const TMVWLabelTextLook& look) {
  TMVWLabelTextFlags result{CommonFlags(look), look.Angle != 0 && look.Alignment != 0};
  if (!look.MultiLine)
    result.Flags |= TextSingleLine;
  return result;
}

} // namespace marivo
