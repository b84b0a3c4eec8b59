#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/TextUtils.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace marivo;

void Check(bool ok) {
  if (!ok) {
    std::abort();
  }
}

std::vector<std::string> Keys(const TIniText& ini, const std::string& section) {
  TStringList list;
  ini.ReadSection(section, list);
  std::vector<std::string> keys;
  for (int i = 0; i < list.Count(); ++i) {
    keys.push_back(list.Strings(i));
  }
  return keys;
}

// Rewrites one existing key and adds a new one; both must read back and nothing else may move.
void CheckWrites(const std::string& text, const std::string& section, const std::string& key) {
  TIniText ini(text);
  const std::vector<std::string> before = Keys(ini, section);
  const bool added = ini.ReadString(section, "fuzz-new", "\x01") == "\x01";
  ini.WriteString(section, key, " fuzz=value ");
  ini.WriteInteger(section, "fuzz-new", -17);
  const TIniText back(ini.Text());
  if (!SameText(Trim(key), "fuzz-new")) {
    Check(back.ReadString(section, key, "") == "fuzz=value");
  }
  Check(back.ReadInteger(section, "fuzz-new", 0) == -17);
  std::vector<std::string> after = Keys(back, section);
  if (added) {
    Check(!after.empty() && after.back() == "fuzz-new");
    after.pop_back();
  }
  Check(after == before);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const TIniText ini(text);
  const std::string normal = ini.Text();
  Check(TIniText(normal).Text() == normal);

  // Candidate section names come from bracketed spans of the input's own lines.
  TStringList lines;
  lines.SetText(text);
  int sections = 0;
  for (int i = 0; i < lines.Count() && sections < 16; ++i) {
    const std::string line = lines.Strings(i);
    const std::size_t open = line.find('[');
    const std::size_t close = line.find(']', open == std::string::npos ? 0 : open);
    if (open == std::string::npos || close == std::string::npos) {
      continue;
    }
    ++sections;
    const std::string section = line.substr(open + 1, close - open - 1);
    const std::vector<std::string> keys = Keys(ini, section);
    Check(keys.empty() || ini.SectionExists(section));
    for (std::size_t k = 0; k < keys.size() && k < 16; ++k) {
      Check(ini.ReadString(section, keys[k], "\x01") != "\x01");
      ini.ReadInteger(section, keys[k], 0);
      ini.ReadBool(section, keys[k], false);
    }
    if (!keys.empty()) {
      CheckWrites(normal, section, keys.front());
    }
  }
  return 0;
}
