#include "widgets/foundation/portable/MVWDynLIFOBuffer.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/Bytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

using namespace marivo::test;

// A block of text whose freeing is counted.
class TTextEntry : public TMVWBufferEntry {
public:
  TTextEntry(std::string text, int* freed) : Text(std::move(text)), Freed(freed) {}
  ~TTextEntry() override {
    if (Freed != nullptr)
      ++*Freed;
  }
  std::span<const std::uint8_t> Bytes() const override {
    return {reinterpret_cast<const std::uint8_t*>(Text.data()), Text.size()};
  }
  std::string Text;
  int* Freed;
};

std::unique_ptr<TMVWBufferEntry> Entry(const std::string& text, int* freed = nullptr) {
  return std::make_unique<TTextEntry>(text, freed);
}

std::string TextOf(const TMVWBufferEntry* entry) {
  const std::span<const std::uint8_t> bytes = entry->Bytes();
  return std::string(bytes.begin(), bytes.end());
}

// The entries oldest first, as a walk gives them.
std::vector<std::string> Walk(const TMVWBuffer& buffer) {
  std::vector<std::string> texts;
  for (TMVWBufferPosition p = buffer.First(); !buffer.IsEnd(p); p = buffer.Next(p))
    texts.push_back(TextOf(buffer.EntryData(p)));
  return texts;
}

// A buffer whose drops are recorded by text and whose entries report their own size.
struct TRecordingBuffer : TMVWDynLIFOBuffer {
  TRecordingBuffer() {
    OnFreeEntry = [this](TObject* sender, std::unique_ptr<TMVWBufferEntry> entry) {
      EXPECT_EQ(sender, this);
      Dropped.push_back(TextOf(entry.get()));
    };
    OnEntrySize = [](TObject*, const TMVWBufferEntry& entry, std::int32_t& size) {
      size = static_cast<std::int32_t>(entry.Bytes().size());
    };
  }
  // The handler records into this object, gone by the time the base clears.
  ~TRecordingBuffer() override { OnFreeEntry = nullptr; }
  std::vector<std::string> Dropped;
};

const TBytes Header = Join({{23, 0, 0, 0}, Bytes("@MVWBufferStream-V0.1@"), {0}});

TEST(MVWBuffer, NewestComesOffFirstAndWalksRunOldestFirst) {
  TMVWDynLIFOBuffer buffer;
  EXPECT_TRUE(buffer.IsEmpty());
  EXPECT_TRUE(buffer.IsEnd(buffer.First()));
  EXPECT_EQ(buffer.Pop(), nullptr);
  EXPECT_EQ(buffer.EntryLimit(), -1);
  EXPECT_TRUE(buffer.OverwriteOldest());
  for (const char* text : {"first", "second", "third"})
    EXPECT_TRUE(buffer.Push(Entry(text)));
  EXPECT_EQ(buffer.Count(), 3);
  EXPECT_FALSE(buffer.IsFull());
  std::unique_ptr<TMVWBufferEntry> newest = buffer.Pop();
  EXPECT_EQ(TextOf(newest.get()), "third");
  EXPECT_EQ(Walk(buffer), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(buffer.EntryData(MVWBufferEnd), nullptr);
  EXPECT_EQ(buffer.EntryData(2), nullptr);
  EXPECT_EQ(buffer.Count(), 2);
}

TEST(MVWBuffer, LimitsDropTheOldestOrRefuse) {
  struct TCase {
    std::int32_t Limit;
    bool Overwrite;
    int Pushes;
    std::vector<std::string> Kept, Dropped;
    int Refused;
  };
  const TCase cases[] = {
      {-1, true, 4, {"1", "2", "3", "4"}, {}, 0},
      {2, true, 3, {"2", "3"}, {"1"}, 0},
      {2, false, 3, {"1", "2"}, {}, 1},
      {1, true, 3, {"3"}, {"1", "2"}, 0},
      {1, false, 3, {"1"}, {}, 2},
      {3, true, 5, {"3", "4", "5"}, {"1", "2"}, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.Limit) + (c.Overwrite ? " overwriting" : " refusing"));
    TRecordingBuffer buffer;
    buffer.SetEntryLimit(c.Limit);
    buffer.SetOverwriteOldest(c.Overwrite);
    int refused = 0;
    for (int i = 1; i <= c.Pushes; ++i) {
      std::unique_ptr<TMVWBufferEntry> entry = Entry(std::to_string(i));
      if (!buffer.Push(std::move(entry))) {
        ASSERT_NE(entry, nullptr); // still the caller's
        ++refused;
      }
    }
    EXPECT_EQ(Walk(buffer), c.Kept);
    EXPECT_EQ(buffer.Dropped, c.Dropped);
    EXPECT_EQ(refused, c.Refused);
    EXPECT_EQ(buffer.Count(), static_cast<int>(c.Kept.size()));
    EXPECT_EQ(buffer.IsFull(), c.Limit != -1 && static_cast<int>(c.Kept.size()) == c.Limit);
  }
}

TEST(MVWBuffer, ALoweredLimitMakesRoomOnTheNextPush) {
  TRecordingBuffer buffer;
  for (const char* text : {"a", "b", "c", "d"})
    buffer.Push(Entry(text));
  buffer.SetEntryLimit(2);
  EXPECT_TRUE(buffer.IsFull());
  EXPECT_TRUE(buffer.Push(Entry("e")));
  EXPECT_EQ(Walk(buffer), (std::vector<std::string>{"d", "e"}));
  EXPECT_EQ(buffer.Dropped, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(MVWBuffer, LimitsThatCannotHoldAnEntryAreRefused) {
  TMVWDynLIFOBuffer buffer;
  buffer.SetEntryLimit(5);
  for (std::int32_t limit : {0, -2, -1000})
    EXPECT_THROW(buffer.SetEntryLimit(limit), EInvalidOperation) << limit;
  EXPECT_EQ(buffer.EntryLimit(), 5);
  buffer.SetEntryLimit(-1);
  EXPECT_EQ(buffer.EntryLimit(), -1);
}

TEST(MVWBuffer, EveryDroppedEntryIsDisposedOfOnce) {
  int freed = 0;
  {
    TMVWDynLIFOBuffer buffer; // no OnFreeEntry: the buffer frees
    buffer.SetEntryLimit(2);
    for (int i = 0; i < 4; ++i)
      buffer.Push(Entry("x", &freed));
    EXPECT_EQ(freed, 2);
    buffer.Push(nullptr); // an empty entry drops like any other
    EXPECT_EQ(freed, 3);
    std::unique_ptr<TMVWBufferEntry> popped = buffer.Pop();
    EXPECT_EQ(popped, nullptr);
    EXPECT_EQ(buffer.Count(), 1);
  }
  EXPECT_EQ(freed, 4); // destruction cleared the last one

  TRecordingBuffer buffer;
  for (const char* text : {"a", "b", "c"})
    buffer.Push(Entry(text, &freed));
  buffer.Clear();
  EXPECT_EQ(buffer.Dropped, (std::vector<std::string>{"c", "b", "a"}));
  EXPECT_EQ(freed, 7);
  EXPECT_TRUE(buffer.IsEmpty());
  EXPECT_EQ(buffer.Count(), 0);

  // A handler may keep what it is given.
  std::vector<std::unique_ptr<TMVWBufferEntry>> kept;
  TMVWDynLIFOBuffer keeping;
  keeping.OnFreeEntry = [&](TObject*, std::unique_ptr<TMVWBufferEntry> entry) {
    kept.push_back(std::move(entry));
  };
  keeping.Push(Entry("k", &freed));
  keeping.Clear();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(TextOf(kept[0].get()), "k");
  EXPECT_EQ(freed, 7);
}

TEST(MVWBuffer, SavedBytesAreTheSignatureThenEachEntryOldestFirst) {
  TRecordingBuffer buffer;
  TMemoryStream empty;
  buffer.SaveToStream(empty);
  EXPECT_EQ(empty.Data(), Header);
  EXPECT_EQ(Header.size(), 27u);

  buffer.Push(Entry("ab"));
  buffer.Push(Entry("c"));
  buffer.Push(Entry(""));
  TMemoryStream stream;
  buffer.SaveToStream(stream);
  EXPECT_EQ(stream.Data(),
            Join({Header, {2, 0, 0, 0}, Bytes("ab"), {1, 0, 0, 0}, Bytes("c"), {0, 0, 0, 0}}));
  EXPECT_EQ(buffer.EntrySize(0), 2);
  EXPECT_EQ(buffer.EntrySize(MVWBufferEnd), 0);

  // Without OnEntrySize every entry is saved empty.
  buffer.OnEntrySize = nullptr;
  TMemoryStream sizeless;
  buffer.SaveToStream(sizeless);
  EXPECT_EQ(sizeless.Data(), Join({Header, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}));
}

TEST(MVWBuffer, ASizeBeyondTheEntrysBytesIsNotWritten) {
  TMVWDynLIFOBuffer buffer;
  buffer.Push(Entry("ab"));
  for (std::int32_t lie : {3, -1}) {
    buffer.OnEntrySize = [lie](TObject*, const TMVWBufferEntry&, std::int32_t& size) {
      size = lie;
    };
    TMemoryStream stream;
    EXPECT_THROW(buffer.SaveToStream(stream), EWriteError) << lie;
  }
}

TEST(MVWBuffer, LoadingReplacesTheEntriesInTheirOrder) {
  TRecordingBuffer source;
  for (const char* text : {"one", "", "three"})
    source.Push(Entry(text));
  TMemoryStream stream;
  source.SaveToStream(stream);

  TRecordingBuffer target;
  target.Push(Entry("old"));
  stream.SetPosition(0);
  target.LoadFromStream(stream);
  EXPECT_EQ(Walk(target), (std::vector<std::string>{"one", "", "three"}));
  EXPECT_EQ(target.Dropped, (std::vector<std::string>{"old"}));
  EXPECT_EQ(TextOf(target.Pop().get()), "three");

  TMemoryStream again;
  source.SaveToStream(again);
  EXPECT_EQ(again.Data(), stream.Data());

  // A buffer that refuses when full keeps the stream's oldest entries.
  TRecordingBuffer limited;
  limited.SetEntryLimit(2);
  limited.SetOverwriteOldest(false);
  stream.SetPosition(0);
  limited.LoadFromStream(stream);
  EXPECT_EQ(Walk(limited), (std::vector<std::string>{"one", ""}));

  TMemoryStream headerOnly = StreamOf(Header);
  target.LoadFromStream(headerOnly);
  EXPECT_TRUE(target.IsEmpty());
}

TEST(MVWBuffer, CorruptStreamsRaiseAndLeaveTheBufferAsItWas) {
  TBytes wrongLetter = Header;
  wrongLetter[10] = 'b';
  TBytes noZero = Header;
  noZero[26] = '@';
  const TBytes cases[] = {
      {},
      {23, 0},
      Join({{22, 0, 0, 0}, Bytes("@MVWBufferStream-V0.1@")}),
      Join({{24, 0, 0, 0}, Bytes("@MVWBufferStream-V0.1@"), {0, 0}}),
      Join({{0xFF, 0xFF, 0xFF, 0x7F}, Bytes("@MVWBufferStream-V0.1@"), {0}}),
      wrongLetter,
      noZero,
      TBytes(Header.begin(), Header.end() - 3),
      Join({Header, {1, 0}}),
      Join({Header, {0xFF, 0xFF, 0xFF, 0xFF}}),
      Join({Header, {5, 0, 0, 0}, Bytes("abcd")}),
      Join({Header, {0xFF, 0xFF, 0xFF, 0x7F}, Bytes("ab")}),
      Join({Header, {2, 0, 0, 0}, Bytes("ab"), {9, 0, 0, 0}, Bytes("cd")}),
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    TRecordingBuffer buffer;
    buffer.Push(Entry("kept"));
    buffer.Push(Entry("too"));
    TMemoryStream stream = StreamOf(cases[i]);
    EXPECT_THROW(buffer.LoadFromStream(stream), EReadError);
    EXPECT_EQ(Walk(buffer), (std::vector<std::string>{"kept", "too"}));
    EXPECT_TRUE(buffer.Dropped.empty());
  }
}

} // namespace
} // namespace marivo
