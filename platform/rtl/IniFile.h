#pragma once

#include <string>
#include <vector>

namespace marivo {

class TStrings;

// INI text held in memory. Section and key names are case-insensitive and compared trimmed;
// values read back trimmed, and a value keeps everything after the first '='. The first
// occurrence of a section or key wins. Writing changes only the touched line (or adds the key
// after the last key of its section, or a new section at the end) and keeps every other line,
// comments and unparsable lines included.
class TIniText {
public:
  TIniText() = default;
  explicit TIniText(const std::string& text); // lines end at CRLF, LF or CR
  virtual ~TIniText() = default;

  std::string Text() const; // CRLF after each line

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // Decimal or "$hex"; a missing, malformed or out-of-range value gives defaultValue.
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  // An integer value: 0 is false, any other true; anything else gives defaultValue.
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
  // A name that would not read back as itself, or a value with a line break, raises
  // EInvalidOperation.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  // Replaces keys' contents with the section's key names in file order.
  void ReadSection(const std::string& section, TStrings& keys) const;
  bool SectionExists(const std::string& section) const;

protected:
  // Called after each write; if it throws, the write is undone and the error passed on.
  virtual void Modified() {}

private:
  enum class TLineKind { Other, Section, Key };
  struct TLine {
    std::string Raw;
    TLineKind Kind = TLineKind::Other;
    std::string Name; // section or key name, trimmed
    std::string Value;
  };
  static TLine ParseLine(std::string raw);
  // Index of the first header of section, or Lines_.size().
  std::size_t FindSection(const std::string& section) const;
  std::size_t SectionEnd(std::size_t header) const;
  const TLine* FindKey(const std::string& section, const std::string& key) const;

  std::vector<TLine> Lines_;
};

// INI file in the Windows profile style: read whole at construction (a missing or unreadable
// file is empty) and saved at once after each write, replacing the file in one piece through
// "<file>.tmp". A failed save raises EFCreateError or EWriteError naming the file.
class TIniFile : public TIniText {
public:
  explicit TIniFile(const std::string& fileName);
  const std::string& FileName() const { return FileName_; }

protected:
  void Modified() override;

private:
  std::string FileName_;
};

} // namespace marivo
