#include "console/tessaline/rules/GridLooks.h"

#include "console/common/protocol/ServerMessages.h"

namespace marivo {

namespace {

using enum TGridColour;

TCellLook Plain(TGridColour brush, TGridColour font, const std::string& text) {
  return {brush, brush, font, text};
}

bool FlagSet(const std::string& flags, int position) {
  return DecisionFlag(flags, position) == "1";
}

// A five-flag decision text as a word. The referee also sees a verdict changed on review
// ("P-->F", "F-->P"); otherwise a text without a decision stays as it is, white on white.
TCellLook DecisionLook(const std::string& flags, bool showsChangedVerdict) {
  const bool pass = FlagSet(flags, 1);
  const bool fail = FlagSet(flags, 2);
  const bool review = FlagSet(flags, 3);
  const bool revP = FlagSet(flags, 4);
  const bool revF = FlagSet(flags, 5);
  if (pass)
    return showsChangedVerdict && revF ? TCellLook{Green, Red, White, "P-->F"}
                                       : Plain(Green, White, "Passed");
  if (fail)
    return showsChangedVerdict && revP ? TCellLook{Red, Green, White, "F-->P"}
                                       : Plain(Red, White, "Failed");
  if (review) {
    if (revP)
      return {Yellow, Green, White, "Rev-P"};
    if (revF)
      return {Yellow, Red, White, "Rev-F"};
    return Plain(Yellow, Black, "Review");
  }
  return Plain(White, White, showsChangedVerdict ? flags : std::string());
}

TCellLook HeadingLook(int col, const std::string& text) {
  return col == 0 ? Plain(Silver, Black, text) : Plain(Blue, White, text);
}

// The element's timing text carries a "*" once the routine clock has passed it.
TCellLook TimingLook(const std::string& text) {
  return text.find('*') != std::string::npos ? Plain(Lime, Blue, text) : Plain(Blue, White, text);
}

TCellLook Greyed() {
  return Plain(Gray, Black, "");
}

} // namespace

TCellLook RefereeCellLook(int col, int row, int rowCount, int colCount, const std::string& text) {
  TCellLook look;
  if (row == 0)
    look = HeadingLook(col, text);
  else if (col == 0)
    look = TimingLook(text);
  else if (col <= 3)
    look = Plain(Blue, White, text);
  else if (col <= colCount - 4)
    look = text == "0.00" ? Plain(Red, White, text) : Plain(White, Black, text);
  else
    look = DecisionLook(text, true);

  const int separator = rowCount - 7;
  const bool stcRow = row > rowCount - 4;
  const bool footRow = row > separator;
  if (row == separator)
    return Greyed();
  if (stcRow && look.Text == "0")
    look.Text.clear();
  if ((stcRow && col > 6) || (footRow && col > 8))
    return Greyed();
  return look;
}

TCellLook DATCCellLook(int col, int row, const std::string& text, const std::string& declaredDD,
                       const std::string& failedDD, bool technicalController) {
  if (row == 0)
    return HeadingLook(col, text);
  const auto word = [&](TGridColour brush, TGridColour font, const char* shown) {
    return text == "1" ? Plain(brush, font, shown) : Plain(White, White, text);
  };
  switch (col) {
  case 0:
    return TimingLook(text);
  case 1:
  case 2:
  case 3:
  case 4:
    return Plain(Blue, White, text);
  case 5:
    // The DTC's grid holds a controller's decisions where the declared DD would be.
    if (technicalController || declaredDD == "0")
      return Plain(Blue, White, text);
    if (text == declaredDD)
      return Plain(Green, White, text);
    if (text == failedDD)
      return Plain(Red, White, text);
    return Plain(Yellow, Black, text);
  case 6:
  case 15:
    return word(Green, White, "Passed");
  case 7:
  case 16:
    return word(Red, White, "Failed");
  case 8:
    return word(Yellow, Black, "Review");
  case 9:
  case 10:
  case 11:
    return DecisionLook(text, false);
  default:
    return Plain(White, White, text);
  }
}

std::optional<std::pair<std::string, std::string>> SplitDeclaration(const std::string& text) {
  constexpr std::size_t OneLine = 30;
  constexpr std::size_t Searched = 29;
  if (text.size() <= OneLine)
    return std::nullopt;
  std::size_t length = Searched;
  for (std::size_t i = Searched; i >= 1; --i) {
    if (text[i - 1] == ' ' || text[i - 1] == '-') {
      length = i;
      break;
    }
  }
  return std::make_pair(text.substr(0, length), text.substr(length));
}

} // namespace marivo
