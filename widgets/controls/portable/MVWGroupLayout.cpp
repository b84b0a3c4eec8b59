#include "widgets/controls/portable/MVWGroupLayout.h"

#include "widgets/controls/portable/MVWLabelFlags.h"

#include <algorithm>

namespace marivo {

namespace {

const TMVWGroupCaptionPlace& Place(TMVWGroupCaptionAlign align) {
  return GroupCaptionPlaces.at(align);
}

} // namespace

TMVWGroupFrame GroupFrame(TMVWGroupCaptionAlign align, int captionOffset, int h, int w, int t) {
  const TMVWGroupCaptionPlace& place = Place(align);
  const int p = place.OffsetAtStart ? captionOffset : 0;
  const int q = place.OffsetAtEnd ? captionOffset : 0;
  switch (place.Side) {
  case csTop:
    return {{p, 0, w - q, h}, {0, h / 2, w, t}};
  case csLeft:
    return {{0, q, h, t - p}, {h / 2, 0, w, t}};
  case csBottom:
    return {{p, t - h, w - q, t}, {0, 0, w, t - h / 2}};
  case csRight:
    break;
  }
  return {{w - h, p + 2, w, t - q}, {0, 0, w - h / 2, t}};
}

TMVWRect CaptionBackground(TMVWGroupCaptionAlign align, const TMVWRect& r) {
  switch (Place(align).Side) {
  case csTop:
  case csBottom:
    return {r.Left - 2, r.Top, r.Right, r.Bottom};
  case csLeft:
    return {r.Left, r.Top, r.Right, r.Bottom + 2};
  case csRight:
    break;
  }
  return {r.Left, r.Top - 2, r.Right, r.Bottom};
}

std::uint32_t GroupCaptionTextFlags(TMVWGroupCaptionAlign align, bool showAccelChar) {
  std::uint32_t flags =
      AlignmentDrawFlags.at(Place(align).TextAlignment) | TextSingleLine | TextExpandTabs;
  if (!showAccelChar)
    flags |= TextNoPrefix;
  return flags;
}

std::vector<TMVWRect> ArrangeButtons(const TMVWButtonGroupGeometry& g) {
  std::vector<TMVWRect> bounds;
  if (g.Count <= 0)
    return bounds;
  const int e = g.BevelExtent;
  const int m = std::max(e, g.CaptionHeight);
  TMVWRect area{e, e, g.Width - e, g.Height - e};
  switch (Place(g.CaptionAlign).Side) {
  case csTop:
    area.Top = m;
    break;
  case csLeft:
    area.Left = m;
    break;
  case csBottom:
    area.Bottom = g.Height - m;
    break;
  case csRight:
    area.Right = g.Width - m;
    break;
  }
  area = {area.Left + 1, area.Top + 1, area.Right - 1, area.Bottom - 1};
  const int columns = ClampColumns(g.Columns);
  const int rows = (g.Count + columns - 1) / columns;
  const int cw = (area.Width() - g.ItemOffset) / columns - 1;
  const int rh = g.ItemHeight >= 0 ? g.ItemHeight : (area.Height() - 2) / rows;
  // Spreads what the shared rows leave over above the first row.
  area.Top += 1 + (rh % rows) / 2;
  for (int i = 0; i < g.Count; ++i) {
    const int left = area.Left + g.ItemOffset + (i / rows) * cw;
    const int top = area.Top + (i % rows) * rh;
    bounds.push_back({left, top, left + cw, top + rh});
  }
  return bounds;
}

int ButtonGroupAutoHeight(int count, int itemHeight, int bevelExtent, int captionHeight) {
  const int head = captionHeight > 0 ? captionHeight + bevelExtent : 2 * bevelExtent;
  return head + count * (itemHeight + 1);
}

int ClampColumns(int value) {
  return std::clamp(value, 1, MaxGroupColumns);
}

int ClampRadioIndex(int value, int count) {
  return std::clamp(value, -1, std::max(count - 1, -1));
}

std::int32_t CheckedBits(const std::vector<bool>& checked) {
  std::uint32_t bits = 0;
  for (std::size_t i = 0; i < checked.size() && i < 32; ++i)
    if (checked[i])
      bits |= 1u << i;
  return static_cast<std::int32_t>(bits);
}

std::vector<bool> CheckedFromBits(std::int32_t bits, int count) {
  std::vector<bool> checked(static_cast<std::size_t>(std::max(count, 0)), false);
  if (bits < 0)
    return checked;
  const auto set = static_cast<std::uint32_t>(bits);
  for (int i = 0; i < count && i < 32; ++i)
    checked[static_cast<std::size_t>(i)] = (set >> i) & 1u;
  return checked;
}

} // namespace marivo
