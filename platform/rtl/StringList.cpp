#include "platform/rtl/StringList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/TextUtils.h"
#include <algorithm>
#include <utility>

namespace marivo {

namespace {

// Ends the update even when the body throws, so events are never left blocked.
class TUpdateGuard {
public:
  explicit TUpdateGuard(TStrings& strings) : Strings_(strings) { Strings_.BeginUpdate(); }
  ~TUpdateGuard() { Strings_.EndUpdate(); }
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

private:
  TStrings& Strings_;
};

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool NeedsQuotes(const std::string& s) {
  return std::any_of(s.begin(), s.end(), [](char c) { return IsBlank(c) || c == ',' || c == '"'; });
}

std::string Quoted(const std::string& s) {
  std::string result = "\"";
  for (char c : s) {
    result += c;
    if (c == '"') {
      result += '"';
    }
  }
  return result + '"';
}

} // namespace

int TStrings::Add(const std::string& text) {
  Insert(Count(), text);
  return Count() - 1;
}

int TStrings::AddObject(const std::string& text, TObject* object) {
  const int index = Add(text);
  SetObjects(index, object);
  return index;
}

int TStrings::IndexOf(const std::string& text) const {
  for (int i = 0; i < Count(); ++i) {
    if (SameText(Strings(i), text)) {
      return i;
    }
  }
  return -1;
}

std::string TStrings::Text() const {
  std::string result;
  for (int i = 0; i < Count(); ++i) {
    result += Strings(i);
    result += "\r\n";
  }
  return result;
}

void TStrings::SetText(const std::string& text) {
  TUpdateGuard guard(*this);
  Clear();
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      Add(text.substr(start));
      break;
    }
    Add(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
      ++start;
    }
  }
}

std::string TStrings::CommaText() const {
  // A lone empty item must stay visible, or it would read back as an empty list.
  if (Count() == 1 && Strings(0).empty()) {
    return "\"\"";
  }
  std::string result;
  for (int i = 0; i < Count(); ++i) {
    const std::string item = Strings(i);
    if (i > 0) {
      result += ',';
    }
    result += NeedsQuotes(item) ? Quoted(item) : item;
  }
  return result;
}

void TStrings::SetCommaText(const std::string& text) {
  TUpdateGuard guard(*this);
  Clear();
  std::size_t p = 0;
  const std::size_t n = text.size();
  auto skipBlanks = [&] {
    while (p < n && IsBlank(text[p])) {
      ++p;
    }
  };
  skipBlanks();
  while (p < n) {
    std::string item;
    if (text[p] == '"') {
      ++p;
      while (p < n) {
        if (text[p] == '"') {
          if (p + 1 < n && text[p + 1] == '"') {
            item += '"';
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        item += text[p++];
      }
    } else {
      const std::size_t start = p;
      while (p < n && !IsBlank(text[p]) && text[p] != ',') {
        ++p;
      }
      item = text.substr(start, p - start);
    }
    Add(item);
    skipBlanks();
    if (p < n && text[p] == ',') {
      ++p;
      skipBlanks();
    }
  }
}

void TStrings::AddStrings(const TStrings& strings) {
  TUpdateGuard guard(*this);
  // Count is read once so that adding a list to itself doubles it instead of looping.
  const int count = strings.Count();
  for (int i = 0; i < count; ++i) {
    AddObject(strings.Strings(i), strings.Objects(i));
  }
}

void TStrings::Assign(const TPersistent& source) {
  const auto* strings = dynamic_cast<const TStrings*>(&source);
  if (strings == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (strings == this) {
    return;
  }
  TUpdateGuard guard(*this);
  Clear();
  AddStrings(*strings);
}

void TStrings::BeginUpdate() {
  if (UpdateCount_ == 0) {
    SetUpdateState(true);
  }
  ++UpdateCount_;
}

void TStrings::EndUpdate() {
  if (UpdateCount_ == 0) {
    return;
  }
  --UpdateCount_;
  if (UpdateCount_ == 0) {
    SetUpdateState(false);
  }
}

void TStrings::LoadFromStream(TStream& stream) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const std::int64_t count = stream.Read(buffer, sizeof buffer);
    if (count <= 0) {
      break;
    }
    text.append(buffer, static_cast<std::size_t>(count));
  }
  SetText(text);
}

void TStrings::SaveToStream(TStream& stream) const {
  const std::string text = Text();
  stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, TFileMode::fmOpenRead);
  try {
    LoadFromStream(stream);
  } catch (const EStreamError& e) {
    throw EReadError("Cannot read file \"" + fileName + "\": " + e.Message());
  }
}

void TStrings::SaveToFile(const std::string& fileName) const {
  TFileStream stream(fileName, TFileMode::fmCreate);
  try {
    SaveToStream(stream);
  } catch (const EStreamError& e) {
    throw EWriteError("Cannot write file \"" + fileName + "\": " + e.Message());
  }
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) {
    return false;
  }
  for (int i = 0; i < Count(); ++i) {
    if (Strings(i) != other.Strings(i)) {
      return false;
    }
  }
  return true;
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  }
}

void TStringList::CheckNotSorted() const {
  if (Sorted_) {
    throw EListError("Operation not allowed on sorted list");
  }
}

std::string TStringList::Strings(int index) const {
  CheckIndex(index);
  return Items_[static_cast<std::size_t>(index)].Text;
}

void TStringList::SetStrings(int index, const std::string& text) {
  CheckNotSorted();
  CheckIndex(index);
  Changing();
  Items_[static_cast<std::size_t>(index)].Text = text;
  Changed();
}

TObject* TStringList::Objects(int index) const {
  CheckIndex(index);
  return Items_[static_cast<std::size_t>(index)].Object;
}

void TStringList::SetObjects(int index, TObject* object) {
  CheckIndex(index);
  Changing();
  Items_[static_cast<std::size_t>(index)].Object = object;
  Changed();
}

void TStringList::Insert(int index, const std::string& text) {
  CheckNotSorted();
  if (index < 0 || index > Count()) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  }
  InsertItem(index, TItem{text, nullptr});
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  Items_.erase(Items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (Items_.empty()) {
    return;
  }
  Changing();
  Items_.clear();
  Changed();
}

int TStringList::Add(const std::string& text) {
  return AddObject(text, nullptr);
}

int TStringList::AddObject(const std::string& text, TObject* object) {
  int index = Count();
  if (Sorted_) {
    // After any equal items, so items added with the same text keep their order.
    const auto at = std::upper_bound(
        Items_.begin(), Items_.end(), text,
        [](const std::string& t, const TItem& item) { return CompareText(t, item.Text) < 0; });
    index = static_cast<int>(at - Items_.begin());
  }
  InsertItem(index, TItem{text, object});
  return index;
}

int TStringList::IndexOf(const std::string& text) const {
  if (!Sorted_) {
    return TStrings::IndexOf(text);
  }
  const auto at = std::lower_bound(
      Items_.begin(), Items_.end(), text,
      [](const TItem& item, const std::string& t) { return CompareText(item.Text, t) < 0; });
  if (at == Items_.end() || CompareText(at->Text, text) != 0) {
    return -1;
  }
  return static_cast<int>(at - Items_.begin());
}

void TStringList::SetSorted(bool sorted) {
  if (sorted && !Sorted_) {
    Sort();
  }
  Sorted_ = sorted;
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(Items_.begin(), Items_.end(),
                   [](const TItem& a, const TItem& b) { return CompareText(a.Text, b.Text) < 0; });
  Changed();
}

void TStringList::SetUpdateState(bool updating) {
  if (!updating && PendingChange_) {
    PendingChange_ = false;
    if (OnChange) {
      OnChange(this);
    }
  }
}

void TStringList::InsertItem(int index, TItem item) {
  Changing();
  Items_.insert(Items_.begin() + index, std::move(item));
  Changed();
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) {
    OnChanging(this);
  }
}

void TStringList::Changed() {
  if (UpdateCount() > 0) {
    PendingChange_ = true;
  } else if (OnChange) {
    OnChange(this);
  }
}

} // namespace marivo
