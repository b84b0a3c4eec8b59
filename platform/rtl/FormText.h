#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace marivo {

struct TFormObject;
struct TFormProperty;

// One value of form data as written in the text, before any class gives it a meaning.
struct TFormValue {
  enum class TKind { Integer, Float, String, Identifier, Set, List, Collection, Binary };
  TKind Kind = TKind::Integer;
  std::int64_t Integer = 0;
  double Float = 0;
  std::string Text;                    // String and Identifier
  std::vector<std::string> Items;      // Set members (identifiers) and List items (texts)
  std::vector<std::int64_t> Numbers;   // List items (integers); a list holds texts or integers
  std::vector<TFormObject> Collection; // Collection items: properties only, no name or class
  std::vector<std::uint8_t> Bytes;     // Binary
  bool operator==(const TFormValue&) const;
};

struct TFormProperty {
  std::string Name; // may be dotted: Font.Style
  TFormValue Value;
  int Line = 0;
  bool operator==(const TFormProperty&) const;
};

// "object Name: TClass ... end", or "object TClass ... end" without a name; collection items use
// only Properties.
struct TFormObject {
  std::string Name;
  std::string ClassName;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
  int Line = 0;
  bool operator==(const TFormObject&) const; // ignores Line
};

// Raises EReadError naming sourceName, the line and the offending token.
TFormObject ParseFormText(const std::string& text, const std::string& sourceName);
std::string FormatFormText(const TFormObject& root);

} // namespace marivo
