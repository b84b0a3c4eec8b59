#include "platform/rtl/FormText.h"

#include "platform/rtl/Exceptions.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>
#include <utility>

namespace marivo {

namespace {

constexpr int MaxDepth = 256;
constexpr std::size_t BinaryBytesPerLine = 32;
constexpr std::size_t MaxShownToken = 40;

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool IsIdentStart(char c) {
  return IsLetter(c) || c == '_';
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || IsDigit(c);
}
bool IsNumberStart(char c) {
  return IsDigit(c) || c == '-' || c == '$';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool SameKeyword(std::string_view word, std::string_view keyword) {
  if (word.size() != keyword.size())
    return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
    if (c != keyword[i])
      return false;
  }
  return true;
}

// These words open or close a block, so they cannot stand as a property name or a bare value.
bool IsKeyword(std::string_view word) {
  return SameKeyword(word, "end") || SameKeyword(word, "object");
}

bool IsName(std::string_view text) {
  if (text.empty() || !IsIdentStart(text[0]))
    return false;
  for (char c : text)
    if (!IsIdentChar(c))
      return false;
  return true;
}

bool IsValueIdentifier(std::string_view text) {
  if (text.empty() || !IsIdentStart(text[0]))
    return false;
  for (char c : text)
    if (!IsIdentChar(c) && c != '.')
      return false;
  return true;
}

bool IsPropertyPath(std::string_view text) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = text.find('.', start);
    const std::string_view segment =
        text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
    if (!IsName(segment))
      return false;
    if (dot == std::string_view::npos)
      return true;
    start = dot + 1;
  }
}

// Error messages may quote raw input; control bytes would garble or cut them.
std::string ShowToken(std::string_view token) {
  std::string shown;
  for (char c : token.substr(0, MaxShownToken))
    shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
  if (token.size() > MaxShownToken)
    shown += "...";
  return shown;
}

class TFormReader {
public:
  TFormReader(const std::string& text, const std::string& sourceName)
      : Text(text), SourceName(sourceName) {}

  TFormObject ReadRoot() {
    SkipBlank();
    if (!AtKeyword("object"))
      Fail("Expected 'object' but found " + Found());
    TFormObject root = ReadObject(1);
    SkipBlank();
    if (!AtEnd())
      Fail("Expected end of file but found " + Found());
    return root;
  }

private:
  std::string_view Text;
  const std::string& SourceName;
  std::size_t Pos = 0;
  int Line = 1;

  bool AtEnd() const { return Pos >= Text.size(); }
  bool At(char c) const { return !AtEnd() && Text[Pos] == c; }
  bool AtStringPiece() const { return At('\'') || At('#'); }

  void SkipBlank() {
    for (; !AtEnd() && IsBlank(Text[Pos]); ++Pos)
      if (Text[Pos] == '\n')
        ++Line;
  }

  // At end of file the last line holding text is the useful one, not a trailing empty line.
  int LineOfLastText() const {
    std::size_t end = Text.size();
    while (end > 0 && IsBlank(Text[end - 1]))
      --end;
    int line = 1;
    for (std::size_t i = 0; i < end; ++i)
      if (Text[i] == '\n')
        ++line;
    return line;
  }

  [[noreturn]] void FailAt(int line, const std::string& message) const {
    throw EReadError(SourceName + "(" + std::to_string(line) + "): " + message);
  }

  [[noreturn]] void Fail(const std::string& message) const {
    FailAt(AtEnd() ? LineOfLastText() : Line, message);
  }

  std::size_t ScanName(std::size_t pos) const {
    while (pos < Text.size() && IsIdentChar(Text[pos]))
      ++pos;
    return pos;
  }

  std::size_t ScanWord(std::size_t pos) const {
    while (pos < Text.size() && (IsIdentChar(Text[pos]) || Text[pos] == '.'))
      ++pos;
    return pos;
  }

  std::size_t ScanNumber(std::size_t pos) const {
    const std::size_t start = pos;
    if (Text[pos] == '-')
      ++pos;
    const bool hex = pos < Text.size() && Text[pos] == '$';
    for (; pos < Text.size(); ++pos) {
      const char c = Text[pos];
      const bool exponentSign = !hex && (c == '+' || c == '-') && pos > start &&
                                (Text[pos - 1] == 'e' || Text[pos - 1] == 'E');
      if (!IsIdentChar(c) && c != '.' && c != '$' && !exponentSign)
        break;
    }
    return pos;
  }

  std::size_t ScanToken(std::size_t pos) const {
    const char c = Text[pos];
    if (IsIdentStart(c))
      return ScanWord(pos);
    if (IsNumberStart(c))
      return ScanNumber(pos);
    std::size_t end = pos + 1;
    if (c == '\'') {
      while (end < Text.size() && Text[end] != '\'' && Text[end] != '\n' && Text[end] != '\r')
        ++end;
      return end < Text.size() && Text[end] == '\'' ? end + 1 : end;
    }
    if (c == '#')
      while (end < Text.size() && IsDigit(Text[end]))
        ++end;
    return end;
  }

  std::string Found() const {
    if (AtEnd())
      return "end of file";
    const unsigned char c = static_cast<unsigned char>(Text[Pos]);
    if (c < 0x20 || c >= 0x7F)
      return "'#" + std::to_string(c) + "'";
    return "'" + ShowToken(Text.substr(Pos, ScanToken(Pos) - Pos)) + "'";
  }

  bool AtKeyword(std::string_view keyword) const {
    return !AtEnd() && IsIdentStart(Text[Pos]) &&
           SameKeyword(Text.substr(Pos, ScanWord(Pos) - Pos), keyword);
  }

  std::string TakeUntil(std::size_t end) {
    std::string taken(Text.substr(Pos, end - Pos));
    Pos = end;
    return taken;
  }

  void Expect(char c) {
    if (!At(c))
      Fail(std::string("Expected '") + c + "' but found " + Found());
    ++Pos;
  }

  std::string ReadName() {
    SkipBlank();
    if (AtEnd() || !IsIdentStart(Text[Pos]))
      Fail("Identifier expected but found " + Found());
    return TakeUntil(ScanName(Pos));
  }

  TFormObject ReadObject(int depth) {
    TFormObject object;
    object.Line = Line;
    Pos = ScanWord(Pos);
    object.Name = ReadName();
    if (depth > MaxDepth)
      FailAt(object.Line, "Nesting too deep at '" + object.Name + "'");
    const int nameLine = Line;
    SkipBlank();
    if (Line != nameLine || AtEnd()) {
      // "object TClass" alone on its line: a component without a name. The root names the
      // form, and the writer could not put a nameless one back.
      if (depth == 1)
        FailAt(object.Line, "The root object needs a name");
      object.ClassName = std::move(object.Name);
      object.Name.clear();
    } else {
      Expect(':');
      object.ClassName = ReadName();
    }
    ReadBody(object, depth, true);
    return object;
  }

  void ReadBody(TFormObject& owner, int depth, bool allowChildren) {
    for (;;) {
      SkipBlank();
      if (AtEnd())
        Fail("Expected 'end' but found end of file");
      if (AtKeyword("end")) {
        Pos = ScanWord(Pos);
        return;
      }
      if (AtKeyword("object")) {
        if (!allowChildren)
          Fail("Expected 'end' but found " + Found());
        owner.Children.push_back(ReadObject(depth + 1));
      } else {
        owner.Properties.push_back(ReadProperty(depth));
      }
    }
  }

  TFormProperty ReadProperty(int depth) {
    if (!IsIdentStart(Text[Pos]))
      Fail("Identifier expected but found " + Found());
    TFormProperty property;
    property.Line = Line;
    const std::size_t end = ScanWord(Pos);
    if (!IsPropertyPath(Text.substr(Pos, end - Pos)))
      Fail("Invalid property name " + Found());
    property.Name = TakeUntil(end);
    SkipBlank();
    Expect('=');
    SkipBlank();
    property.Value = ReadValue(depth);
    return property;
  }

  TFormValue ReadValue(int depth) {
    TFormValue value;
    if (AtEnd())
      Fail("Expected property value but found end of file");
    const char c = Text[Pos];
    if (AtStringPiece()) {
      value.Kind = TFormValue::TKind::String;
      value.Text = ReadString();
    } else if (IsNumberStart(c)) {
      ReadNumber(value);
    } else if (IsIdentStart(c)) {
      const std::size_t end = ScanWord(Pos);
      if (IsKeyword(Text.substr(Pos, end - Pos)))
        Fail("Expected property value but found " + Found());
      value.Kind = TFormValue::TKind::Identifier;
      value.Text = TakeUntil(end);
    } else if (c == '[') {
      ReadSet(value);
    } else if (c == '(') {
      ReadList(value);
    } else if (c == '<') {
      ReadCollection(value, depth);
    } else if (c == '{') {
      ReadBinary(value);
    } else {
      Fail("Expected property value but found " + Found());
    }
    return value;
  }

  // Pieces join only when adjacent or linked by "+", so list items stay apart.
  std::string ReadString() {
    std::string text;
    for (;;) {
      while (AtStringPiece())
        ReadStringPiece(text);
      const std::size_t savedPos = Pos;
      const int savedLine = Line;
      SkipBlank();
      if (!At('+')) {
        Pos = savedPos;
        Line = savedLine;
        return text;
      }
      ++Pos;
      SkipBlank();
      if (!AtStringPiece())
        Fail("String expected but found " + Found());
    }
  }

  void ReadStringPiece(std::string& text) {
    if (At('\'')) {
      ++Pos;
      for (;;) {
        if (AtEnd() || Text[Pos] == '\n' || Text[Pos] == '\r')
          FailAt(Line, "Invalid string constant");
        const char c = Text[Pos++];
        if (c != '\'') {
          text += c;
        } else if (At('\'')) {
          text += '\'';
          ++Pos;
        } else {
          return;
        }
      }
    }
    std::size_t end = Pos + 1;
    unsigned code = 0;
    for (; end < Text.size() && IsDigit(Text[end]); ++end)
      if (code <= 255)
        code = code * 10 + static_cast<unsigned>(Text[end] - '0');
    if (end == Pos + 1 || code > 255)
      Fail("Invalid character code '" + ShowToken(Text.substr(Pos, end - Pos)) + "'");
    text += static_cast<char>(code);
    Pos = end;
  }

  void ReadNumber(TFormValue& value) {
    const std::size_t end = ScanNumber(Pos);
    const std::string_view word = Text.substr(Pos, end - Pos);
    const char* const first = word.data();
    const char* const last = first + word.size();
    const bool negative = word[0] == '-';
    const char* digits = negative ? first + 1 : first;
    const bool hex = digits < last && *digits == '$';
    if (hex)
      ++digits;

    auto invalid = [&] { Fail("Invalid property value '" + ShowToken(word) + "'"); };
    auto outOfRange = [&] { Fail("Number out of range '" + ShowToken(word) + "'"); };
    auto digitRun = [&](const char* p, bool (*isDigit)(char)) {
      const char* start = p;
      while (p < last && isDigit(*p))
        ++p;
      if (p == start)
        invalid();
      return p;
    };

    const char* p = digitRun(digits, hex ? IsHexDigit : IsDigit);
    bool isFloat = false;
    if (!hex && p < last && *p == '.') {
      isFloat = true;
      p = digitRun(p + 1, IsDigit);
    }
    if (!hex && p < last && (*p == 'e' || *p == 'E')) {
      isFloat = true;
      ++p;
      if (p < last && (*p == '+' || *p == '-'))
        ++p;
      p = digitRun(p, IsDigit);
    }
    if (p != last)
      invalid();

    if (isFloat) {
      double number = 0;
      const auto [ptr, ec] = std::from_chars(first, last, number);
      if (ec == std::errc::result_out_of_range)
        outOfRange();
      if (ec != std::errc() || ptr != last)
        invalid();
      value.Kind = TFormValue::TKind::Float;
      value.Float = number;
    } else {
      std::uint64_t magnitude = 0;
      const auto [ptr, ec] = std::from_chars(digits, last, magnitude, hex ? 16 : 10);
      if (ec == std::errc::result_out_of_range)
        outOfRange();
      if (ec != std::errc() || ptr != last)
        invalid();
      constexpr std::uint64_t maxPositive = std::numeric_limits<std::int64_t>::max();
      if (magnitude > maxPositive + (negative ? 1 : 0))
        outOfRange();
      value.Kind = TFormValue::TKind::Integer;
      value.Integer = negative ? static_cast<std::int64_t>(0 - magnitude)
                               : static_cast<std::int64_t>(magnitude);
    }
    Pos = end;
  }

  void ReadSet(TFormValue& value) {
    value.Kind = TFormValue::TKind::Set;
    ++Pos;
    SkipBlank();
    if (At(']')) {
      ++Pos;
      return;
    }
    for (;;) {
      SkipBlank();
      if (AtEnd() || !IsIdentStart(Text[Pos]))
        Fail("Identifier expected but found " + Found());
      value.Items.push_back(TakeUntil(ScanWord(Pos)));
      SkipBlank();
      if (At(']')) {
        ++Pos;
        return;
      }
      if (!At(','))
        Fail("Expected ',' or ']' but found " + Found());
      ++Pos;
    }
  }

  void ReadList(TFormValue& value) {
    value.Kind = TFormValue::TKind::List;
    ++Pos;
    for (;;) {
      SkipBlank();
      if (AtEnd())
        Fail("Expected ')' but found end of file");
      if (At(')')) {
        ++Pos;
        return;
      }
      if (AtStringPiece() && value.Numbers.empty()) {
        value.Items.push_back(ReadString());
      } else if (!AtEnd() && IsNumberStart(Text[Pos]) && value.Items.empty()) {
        TFormValue number;
        ReadNumber(number);
        if (number.Kind != TFormValue::TKind::Integer)
          Fail("Integer expected but found a float");
        value.Numbers.push_back(number.Integer);
      } else {
        Fail(
            (value.Numbers.empty() ? "String expected but found " : "Integer expected but found ") +
            Found());
      }
    }
  }

  void ReadCollection(TFormValue& value, int depth) {
    value.Kind = TFormValue::TKind::Collection;
    ++Pos;
    for (;;) {
      SkipBlank();
      if (At('>')) {
        ++Pos;
        return;
      }
      if (!AtKeyword("item"))
        Fail("Expected 'item' or '>' but found " + Found());
      if (depth + 1 > MaxDepth)
        Fail("Nesting too deep at 'item'");
      TFormObject item;
      item.Line = Line;
      Pos = ScanWord(Pos);
      ReadBody(item, depth + 1, false);
      value.Collection.push_back(std::move(item));
    }
  }

  static std::uint8_t HexValue(char c) {
    if (IsDigit(c))
      return static_cast<std::uint8_t>(c - '0');
    if (c >= 'a')
      return static_cast<std::uint8_t>(c - 'a' + 10);
    return static_cast<std::uint8_t>(c - 'A' + 10);
  }

  void ReadBinary(TFormValue& value) {
    value.Kind = TFormValue::TKind::Binary;
    ++Pos;
    for (;;) {
      SkipBlank();
      if (AtEnd())
        Fail("Expected '}' but found end of file");
      if (At('}')) {
        ++Pos;
        return;
      }
      std::size_t end = Pos;
      while (end < Text.size() && !IsBlank(Text[end]) && Text[end] != '}')
        ++end;
      const std::string_view run = Text.substr(Pos, end - Pos);
      bool valid = run.size() % 2 == 0;
      for (char c : run)
        valid = valid && IsHexDigit(c);
      if (!valid)
        Fail("Invalid binary value '" + ShowToken(run) + "'");
      for (std::size_t i = 0; i < run.size(); i += 2)
        value.Bytes.push_back(
            static_cast<std::uint8_t>(HexValue(run[i]) << 4 | HexValue(run[i + 1])));
      Pos = end;
    }
  }
};

class TFormWriter {
public:
  std::string Write(const TFormObject& root) {
    WriteObject(root, 0);
    return std::move(Out);
  }

private:
  std::string Out;

  void Indent(int level) { Out.append(static_cast<std::size_t>(level) * 2, ' '); }

  [[noreturn]] static void Fail(const std::string& message) { throw EWriteError(message); }

  void WriteObject(const TFormObject& object, int level) {
    if ((level == 0 || !object.Name.empty()) && !IsName(object.Name))
      Fail("Invalid component name '" + object.Name + "'");
    if (!IsName(object.ClassName))
      Fail("Invalid class name '" + object.ClassName + "'");
    Indent(level);
    Out += "object " + (object.Name.empty() ? "" : object.Name + ": ") + object.ClassName + "\n";
    for (const TFormProperty& property : object.Properties)
      WriteProperty(property, level + 1);
    for (const TFormObject& child : object.Children)
      WriteObject(child, level + 1);
    Indent(level);
    Out += "end\n";
  }

  void WriteProperty(const TFormProperty& property, int level) {
    if (!IsPropertyPath(property.Name) || IsKeyword(property.Name))
      Fail("Invalid property name '" + property.Name + "'");
    Indent(level);
    Out += property.Name + " = ";
    WriteValue(property.Value, level);
    Out += '\n';
  }

  void WriteValue(const TFormValue& value, int level) {
    switch (value.Kind) {
    case TFormValue::TKind::Integer:
      Out += std::to_string(value.Integer);
      break;
    case TFormValue::TKind::Float:
      Out += FloatText(value.Float);
      break;
    case TFormValue::TKind::String:
      Out += QuotedText(value.Text);
      break;
    case TFormValue::TKind::Identifier:
      if (!IsValueIdentifier(value.Text) || IsKeyword(value.Text))
        Fail("Invalid identifier value '" + value.Text + "'");
      Out += value.Text;
      break;
    case TFormValue::TKind::Set:
      WriteSet(value);
      break;
    case TFormValue::TKind::List:
      Out += '(';
      for (const std::string& item : value.Items) {
        Out += '\n';
        Indent(level + 1);
        Out += QuotedText(item);
      }
      for (const std::int64_t number : value.Numbers) {
        Out += '\n';
        Indent(level + 1);
        Out += std::to_string(number);
      }
      Out += ')';
      break;
    case TFormValue::TKind::Collection:
      WriteCollection(value, level);
      break;
    case TFormValue::TKind::Binary:
      WriteBinary(value, level);
      break;
    }
  }

  void WriteSet(const TFormValue& value) {
    Out += '[';
    for (std::size_t i = 0; i < value.Items.size(); ++i) {
      if (!IsValueIdentifier(value.Items[i]))
        Fail("Invalid set member '" + value.Items[i] + "'");
      Out += (i > 0 ? ", " : "") + value.Items[i];
    }
    Out += ']';
  }

  void WriteCollection(const TFormValue& value, int level) {
    Out += '<';
    for (const TFormObject& item : value.Collection) {
      if (!item.Name.empty() || !item.ClassName.empty() || !item.Children.empty())
        Fail("A collection item holds only properties");
      Out += '\n';
      Indent(level + 1);
      Out += "item\n";
      for (const TFormProperty& property : item.Properties)
        WriteProperty(property, level + 2);
      Indent(level + 1);
      Out += "end";
    }
    Out += '>';
  }

  void WriteBinary(const TFormValue& value, int level) {
    static constexpr char digits[] = "0123456789ABCDEF";
    Out += '{';
    for (std::size_t i = 0; i < value.Bytes.size(); ++i) {
      if (i % BinaryBytesPerLine == 0) {
        Out += '\n';
        Indent(level + 1);
      }
      Out += digits[value.Bytes[i] >> 4];
      Out += digits[value.Bytes[i] & 0x0F];
    }
    Out += '}';
  }

  // Shortest text that reads back to the same double and still reads as a float: 2 -> "2.0".
  static std::string FloatText(double number) {
    if (!std::isfinite(number))
      Fail("Float value cannot be written: " + std::to_string(number));
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, number);
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    if (e == std::string_view::npos)
      return std::string(text) + (text.find('.') == std::string_view::npos ? ".0" : "");
    std::string_view exponent = text.substr(e + 1);
    const bool negative = exponent[0] == '-';
    if (exponent[0] == '-' || exponent[0] == '+')
      exponent.remove_prefix(1);
    while (exponent.size() > 1 && exponent[0] == '0')
      exponent.remove_prefix(1);
    return std::string(text.substr(0, e)) + (negative ? "E-" : "E") + std::string(exponent);
  }

  static std::string QuotedText(const std::string& text) {
    if (text.empty())
      return "''";
    std::string quoted;
    bool open = false;
    for (char c : text) {
      const unsigned char byte = static_cast<unsigned char>(c);
      if (byte < 0x20) {
        if (open)
          quoted += '\'';
        open = false;
        quoted += '#' + std::to_string(byte);
        continue;
      }
      if (!open)
        quoted += '\'';
      open = true;
      quoted += c;
      if (c == '\'')
        quoted += '\'';
    }
    if (open)
      quoted += '\'';
    return quoted;
  }
};

} // namespace

bool TFormValue::operator==(const TFormValue& other) const {
  if (Kind != other.Kind)
    return false;
  switch (Kind) {
  case TKind::Integer:
    return Integer == other.Integer;
  case TKind::Float:
    return Float == other.Float;
  case TKind::String:
  case TKind::Identifier:
    return Text == other.Text;
  case TKind::Set:
  case TKind::List:
    return Items == other.Items && Numbers == other.Numbers;
  case TKind::Collection:
    return Collection == other.Collection;
  case TKind::Binary:
    return Bytes == other.Bytes;
  }
  return false;
}

bool TFormProperty::operator==(const TFormProperty& other) const {
  return Name == other.Name && Value == other.Value;
}

bool TFormObject::operator==(const TFormObject& other) const {
  return Name == other.Name && ClassName == other.ClassName && Properties == other.Properties &&
         Children == other.Children;
}

TFormObject ParseFormText(const std::string& text, const std::string& sourceName) {
  return TFormReader(text, sourceName).ReadRoot();
}

std::string FormatFormText(const TFormObject& root) {
  return TFormWriter().Write(root);
}

} // namespace marivo
