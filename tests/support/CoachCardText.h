#pragma once

#include <string>
#include <vector>

namespace marivo::test {

struct TCardCategory {
  std::string Code;
  std::string DD;
  std::string Description = "";
};

struct TCardFamily {
  std::string Code;
  std::vector<TCardCategory> Categories;
  std::string Name = "";
};

// A difficulty chart laid out as its writers do, one tag a line: the hybrid families, then the
// bonus families.
inline std::string ChartText(const std::vector<TCardFamily>& hybrids,
                             const std::vector<TCardFamily>& bonuses = {}) {
  std::string text = "<?xml version=\"1.0\"?>\n";
  const auto section = [&text](const char* start, const char* end,
                               const std::vector<TCardFamily>& families) {
    text += std::string(start) + "\n";
    for (const TCardFamily& family : families) {
      if (!family.Name.empty())
        text += "  <FAMILY>" + family.Name + "</FAMILY>\n";
      text += "  <CODE>" + family.Code + "</CODE>\n";
      for (const TCardCategory& category : family.Categories) {
        if (!category.Description.empty())
          text += "    <CATEGORYDESC>" + category.Description + "</CATEGORYDESC>\n";
        text += "    <CATEGORYCODE>" + category.Code + "</CATEGORYCODE>\n    <DD>" + category.DD +
                "</DD>\n  </CATEGORY>\n";
      }
      text += std::string(end) + "\n";
    }
  };
  section("<HYBRIDS>", "</HYBRID>", hybrids);
  section("<BONUSES>", "</BONUS>", bonuses);
  return text;
}

} // namespace marivo::test
