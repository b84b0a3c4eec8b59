#include "platform/rtl/IniFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/TextUtils.h"
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unordered_set>
#include <utility>

namespace marivo {

namespace {

bool HasLineBreak(const std::string& s) {
  return s.find_first_of("\r\n") != std::string::npos;
}

std::string ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return {};
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TIniText::TIniText(const std::string& text) {
  TStringList lines;
  lines.SetText(text);
  Lines_.reserve(static_cast<std::size_t>(lines.Count()));
  for (int i = 0; i < lines.Count(); ++i) {
    Lines_.push_back(ParseLine(lines.Strings(i)));
  }
}

std::string TIniText::Text() const {
  std::string result;
  for (const TLine& line : Lines_) {
    result += line.Raw;
    result += "\r\n";
  }
  return result;
}

std::string TIniText::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  const TLine* line = FindKey(Trim(section), Trim(key));
  return line != nullptr ? line->Value : defaultValue;
}

int TIniText::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
  int value = 0;
  return TryStrToInt(ReadString(section, key, ""), value) ? value : defaultValue;
}

bool TIniText::ReadBool(const std::string& section, const std::string& key,
                        bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniText::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  const std::string sectionName = Trim(section);
  const std::string keyName = Trim(key);
  const TLine header = ParseLine("[" + sectionName + "]");
  TLine entry = ParseLine(keyName + "=" + value);
  if (HasLineBreak(sectionName) || HasLineBreak(keyName) || HasLineBreak(value) ||
      header.Kind != TLineKind::Section || header.Name != sectionName ||
      entry.Kind != TLineKind::Key || entry.Name != keyName) {
    throw EInvalidOperation("Cannot write key \"" + keyName + "\" of section \"" + sectionName +
                            "\" to an INI file");
  }

  std::vector<TLine> before = Lines_;
  const std::size_t first = FindSection(sectionName);
  if (first == Lines_.size()) {
    if (!Lines_.empty() && !Trim(Lines_.back().Raw).empty()) {
      Lines_.push_back(ParseLine(""));
    }
    Lines_.push_back(header);
    Lines_.push_back(std::move(entry));
  } else {
    const std::size_t end = SectionEnd(first);
    std::size_t insertAt = first + 1;
    bool replaced = false;
    for (std::size_t i = first + 1; i < end && !replaced; ++i) {
      if (Lines_[i].Kind != TLineKind::Key) {
        continue;
      }
      if (SameText(Lines_[i].Name, keyName)) {
        // Keeps the key spelled as the file has it.
        Lines_[i] = ParseLine(Lines_[i].Name + "=" + value);
        replaced = true;
      }
      insertAt = i + 1;
    }
    if (!replaced) {
      Lines_.insert(Lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
    }
  }

  try {
    Modified();
  } catch (...) {
    Lines_ = std::move(before);
    throw;
  }
}

void TIniText::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, IntToStr(value));
}

void TIniText::ReadSection(const std::string& section, TStrings& keys) const {
  TStringList names;
  const std::size_t first = FindSection(Trim(section));
  if (first < Lines_.size()) {
    std::unordered_set<std::string> seen;
    const std::size_t end = SectionEnd(first);
    for (std::size_t i = first + 1; i < end; ++i) {
      const TLine& line = Lines_[i];
      if (line.Kind == TLineKind::Key && seen.insert(LowerCase(line.Name)).second) {
        names.Add(line.Name);
      }
    }
  }
  keys.Assign(names);
}

bool TIniText::SectionExists(const std::string& section) const {
  return FindSection(Trim(section)) < Lines_.size();
}

TIniText::TLine TIniText::ParseLine(std::string raw) {
  TLine line;
  line.Raw = std::move(raw);
  const std::string text = Trim(line.Raw);
  if (text.empty() || text[0] == ';') {
    return line;
  }
  if (text[0] == '[') {
    const std::size_t close = text.find(']');
    if (close != std::string::npos) {
      line.Kind = TLineKind::Section;
      line.Name = Trim(text.substr(1, close - 1));
    }
    return line;
  }
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) {
    return line;
  }
  std::string name = Trim(text.substr(0, equals));
  if (name.empty()) {
    return line;
  }
  line.Kind = TLineKind::Key;
  line.Name = std::move(name);
  line.Value = Trim(text.substr(equals + 1));
  return line;
}

std::size_t TIniText::FindSection(const std::string& section) const {
  for (std::size_t i = 0; i < Lines_.size(); ++i) {
    if (Lines_[i].Kind == TLineKind::Section && SameText(Lines_[i].Name, section)) {
      return i;
    }
  }
  return Lines_.size();
}

std::size_t TIniText::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < Lines_.size() && Lines_[i].Kind != TLineKind::Section) {
    ++i;
  }
  return i;
}

const TIniText::TLine* TIniText::FindKey(const std::string& section, const std::string& key) const {
  const std::size_t first = FindSection(section);
  if (first == Lines_.size()) {
    return nullptr;
  }
  const std::size_t end = SectionEnd(first);
  for (std::size_t i = first + 1; i < end; ++i) {
    if (Lines_[i].Kind == TLineKind::Key && SameText(Lines_[i].Name, key)) {
      return &Lines_[i];
    }
  }
  return nullptr;
}

TIniFile::TIniFile(const std::string& fileName)
    : TIniText(ReadFileText(std::filesystem::path(fileName))), FileName_(fileName) {}

void TIniFile::Modified() {
  const std::filesystem::path target(FileName_);
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  const std::string text = Text();
  std::error_code ignored;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      throw EFCreateError("Cannot create file \"" + FileName_ + "\"");
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    out.close();
    if (!out) {
      std::filesystem::remove(temporary, ignored);
      throw EWriteError("Cannot write file \"" + FileName_ + "\"");
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, ignored);
    throw EWriteError("Cannot write file \"" + FileName_ + "\": " + error.message());
  }
}

} // namespace marivo
