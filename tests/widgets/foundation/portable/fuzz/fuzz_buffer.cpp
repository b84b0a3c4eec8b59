// The buffer meets arbitrary stream bytes and arbitrary sequences of operations: a load either
// takes the stream whole (and saves it back byte for byte) or raises and changes nothing, and
// every operation agrees with a plain double-ended queue.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/StreamOf.h"
#include "widgets/foundation/portable/MVWDynLIFOBuffer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <deque>
#include <string>

namespace {

using namespace marivo;

void Check(bool condition) {
  if (!condition)
    std::abort();
}

std::string TextOf(const TMVWBufferEntry* entry) {
  if (entry == nullptr)
    return "<none>";
  const auto bytes = entry->Bytes();
  return std::string(bytes.begin(), bytes.end());
}

std::unique_ptr<TMVWBufferEntry> Block(const std::string& text) {
  return std::make_unique<TMVWBufferBlock>(std::vector<std::uint8_t>(text.begin(), text.end()));
}

void CheckSame(const TMVWBuffer& buffer, const std::deque<std::string>& model) {
  Check(buffer.Count() == static_cast<int>(model.size()));
  Check(buffer.IsEmpty() == model.empty());
  std::size_t i = 0;
  for (TMVWBufferPosition p = buffer.First(); !buffer.IsEnd(p); p = buffer.Next(p), ++i)
    Check(i < model.size() && TextOf(buffer.EntryData(p)) == model[i]);
  Check(i == model.size());
}

void SizeFromBytes(TMVWBuffer& buffer) {
  buffer.OnEntrySize = [](TObject*, const TMVWBufferEntry& entry, std::int32_t& size) {
    size = static_cast<std::int32_t>(entry.Bytes().size());
  };
}

void Load(const std::vector<std::uint8_t>& bytes) {
  TMVWDynLIFOBuffer buffer;
  SizeFromBytes(buffer);
  buffer.Push(Block("before"));
  TMemoryStream stream = test::StreamOf(bytes);
  try {
    buffer.LoadFromStream(stream);
  } catch (const EReadError&) {
    CheckSame(buffer, {"before"});
    return;
  }
  TMemoryStream saved;
  buffer.SaveToStream(saved);
  Check(saved.Data() == bytes);
}

void Operate(FuzzedDataProvider& provider) {
  int dropped = 0; // outlives the buffer, whose destruction still drops
  int expectedDrops = 0;
  TMVWDynLIFOBuffer buffer;
  SizeFromBytes(buffer);
  std::deque<std::string> model;
  std::int32_t limit = -1;
  buffer.OnFreeEntry = [&](TObject*, std::unique_ptr<TMVWBufferEntry>) { ++dropped; };
  while (provider.remaining_bytes() > 0) {
    switch (provider.ConsumeIntegralInRange(0, 5)) {
    case 0:
    case 1: {
      const std::string text = provider.ConsumeRandomLengthString(8);
      const bool full = limit != -1 && static_cast<std::int32_t>(model.size()) >= limit;
      if (full && !buffer.OverwriteOldest()) {
        std::unique_ptr<TMVWBufferEntry> entry = Block(text);
        Check(!buffer.Push(std::move(entry)) && TextOf(entry.get()) == text);
        break;
      }
      while (limit != -1 && static_cast<std::int32_t>(model.size()) >= limit) {
        model.pop_front();
        ++expectedDrops;
      }
      Check(buffer.Push(Block(text)));
      model.push_back(text);
      break;
    }
    case 2: {
      std::unique_ptr<TMVWBufferEntry> entry = buffer.Pop();
      Check(TextOf(entry.get()) == (model.empty() ? "<none>" : model.back()));
      if (!model.empty())
        model.pop_back();
      break;
    }
    case 3:
      expectedDrops += static_cast<int>(model.size());
      model.clear();
      buffer.Clear();
      break;
    case 4: {
      const std::int32_t value = provider.ConsumeIntegralInRange<std::int32_t>(-2, 6);
      try {
        buffer.SetEntryLimit(value);
        limit = value;
      } catch (const EInvalidOperation&) {
        Check(value == 0 || value == -2);
      }
      break;
    }
    case 5:
      buffer.SetOverwriteOldest(provider.ConsumeBool());
      break;
    }
    CheckSame(buffer, model);
    Check(dropped == expectedDrops);
    Check(buffer.IsFull() == (limit != -1 && static_cast<std::int32_t>(model.size()) >= limit));
  }
  TMemoryStream saved;
  buffer.SaveToStream(saved);
  saved.SetPosition(0);
  TMVWDynLIFOBuffer copy;
  copy.LoadFromStream(saved);
  CheckSame(copy, model);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  if (provider.ConsumeBool()) {
    // Most inputs start with the signature, so the entries behind it get tried too.
    std::vector<std::uint8_t> bytes;
    if (provider.ConsumeBool()) {
      TMemoryStream header;
      TMVWDynLIFOBuffer().SaveToStream(header);
      bytes = header.Data();
    }
    const std::vector<std::uint8_t> rest = provider.ConsumeRemainingBytes<std::uint8_t>();
    bytes.insert(bytes.end(), rest.begin(), rest.end());
    Load(bytes);
  } else
    Operate(provider);
  return 0;
}
