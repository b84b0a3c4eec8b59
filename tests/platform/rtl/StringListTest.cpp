#include "platform/rtl/StringList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "tests/support/TemporaryFolder.h"
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace marivo {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

std::vector<std::string> Items(const TStrings& list) {
  std::vector<std::string> result;
  for (int i = 0; i < list.Count(); ++i) {
    result.push_back(list.Strings(i));
  }
  return result;
}

void Fill(TStrings& list, const std::vector<std::string>& items) {
  list.Clear();
  for (const std::string& item : items) {
    list.Add(item);
  }
}

template <class E> std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const E& e) {
    return e.Message();
  }
  return "no error";
}

TEST(StringList, BadIndexRaisesListErrorNamingTheIndex) {
  TStringList list;
  Fill(list, {"a", "b"});
  const struct {
    const char* what;
    std::function<void()> action;
    const char* message;
  } cases[] = {
      {"Strings(-1)", [&] { list.Strings(-1); }, "List index out of bounds (-1)"},
      {"Strings(2)", [&] { list.Strings(2); }, "List index out of bounds (2)"},
      {"SetStrings(2)", [&] { list.SetStrings(2, "x"); }, "List index out of bounds (2)"},
      {"Objects(5)", [&] { list.Objects(5); }, "List index out of bounds (5)"},
      {"SetObjects(-3)", [&] { list.SetObjects(-3, nullptr); }, "List index out of bounds (-3)"},
      {"Delete(2)", [&] { list.Delete(2); }, "List index out of bounds (2)"},
      {"Insert(3)", [&] { list.Insert(3, "x"); }, "List index out of bounds (3)"},
      {"Insert(-1)", [&] { list.Insert(-1, "x"); }, "List index out of bounds (-1)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf<EListError>(c.action), c.message) << c.what;
  }
  EXPECT_THAT(Items(list), ElementsAre("a", "b"));

  list.Insert(2, "end");
  list.Insert(0, "start");
  EXPECT_THAT(Items(list), ElementsAre("start", "a", "b", "end"));
}

TEST(StringList, SetTextSplitsOnEveryLineBreakForm) {
  const struct {
    const char* text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n", {"a"}},
      {"\r\n", {""}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\r\n\r\n", {"a", ""}},
  };
  for (const auto& c : cases) {
    TStringList list;
    Fill(list, {"old"});
    list.SetText(c.text);
    EXPECT_THAT(Items(list), ElementsAreArray(c.lines)) << c.text;
  }
}

TEST(StringList, TextEndsEveryLineWithCrLf) {
  TStringList list;
  EXPECT_EQ(list.Text(), "");
  Fill(list, {"one", "", "three"});
  EXPECT_EQ(list.Text(), "one\r\n\r\nthree\r\n");
  TStringList copy;
  copy.SetText(list.Text());
  EXPECT_TRUE(copy.Equals(list));
}

TEST(StringList, CommaTextQuotesOnlyWhatNeedsIt) {
  const struct {
    std::vector<std::string> items;
    const char* text;
  } cases[] = {
      {{}, ""},
      {{""}, "\"\""},
      {{"a", "b"}, "a,b"},
      {{"a b", "c"}, "\"a b\",c"},
      {{"x,y"}, "\"x,y\""},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
      {{"tab\there"}, "\"tab\there\""},
      {{"a", "", "b"}, "a,,b"},
  };
  for (const auto& c : cases) {
    TStringList list;
    Fill(list, c.items);
    EXPECT_EQ(list.CommaText(), c.text);
  }
}

TEST(StringList, SetCommaTextParsesQuotesAndBlanks) {
  const struct {
    const char* text;
    std::vector<std::string> items;
  } cases[] = {
      {"", {}},
      {"   ", {}},
      {"a,b", {"a", "b"}},
      {" a , b ", {"a", "b"}},
      {"a b", {"a", "b"}},
      {"a,,b", {"a", "", "b"}},
      {"\"\"", {""}},
      {"\"a b\",c", {"a b", "c"}},
      {"\"x\"\"y\"", {"x\"y"}},
      {"\"unterminated, still", {"unterminated, still"}},
      {"a,", {"a"}},
  };
  for (const auto& c : cases) {
    TStringList list;
    list.SetCommaText(c.text);
    EXPECT_THAT(Items(list), ElementsAreArray(c.items)) << c.text;
  }
}

TEST(StringList, CommaTextRoundTripsAwkwardItems) {
  const std::vector<std::string> items = {"plain", " lead", "trail ", "a,b", "\"q\"",
                                          "",      "x\ty",  "\r\n",   "end"};
  TStringList list;
  Fill(list, items);
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_THAT(Items(back), ElementsAreArray(items));
}

TEST(StringList, IndexOfIgnoresCaseSortedOrNot) {
  for (bool sorted : {false, true}) {
    TStringList list;
    list.SetSorted(sorted);
    Fill(list, {"Delta", "alpha", "Charlie", "bravo"});
    EXPECT_EQ(list.Strings(list.IndexOf("ALPHA")), "alpha") << sorted;
    EXPECT_EQ(list.Strings(list.IndexOf("charlie")), "Charlie") << sorted;
    EXPECT_EQ(list.IndexOf("echo"), -1) << sorted;
    EXPECT_EQ(list.IndexOf(""), -1) << sorted;
  }
}

TEST(StringList, SortedListAddsInCaseInsensitiveOrderAndKeepsDuplicates) {
  TStringList list;
  TObject b;
  list.SetSorted(true);
  EXPECT_EQ(list.Add("delta"), 0);
  EXPECT_EQ(list.Add("Bravo"), 0);
  EXPECT_EQ(list.Add("alpha"), 0);
  EXPECT_EQ(list.AddObject("bravo", &b), 2);
  EXPECT_EQ(list.Add("Charlie"), 3);
  EXPECT_THAT(Items(list), ElementsAre("alpha", "Bravo", "bravo", "Charlie", "delta"));
  EXPECT_EQ(list.Objects(2), &b);
  EXPECT_EQ(list.IndexOf("BRAVO"), 1);

  EXPECT_EQ(ErrorOf<EListError>([&] { list.Insert(0, "x"); }),
            "Operation not allowed on sorted list");
  EXPECT_EQ(ErrorOf<EListError>([&] { list.SetStrings(0, "x"); }),
            "Operation not allowed on sorted list");
  list.Delete(0);
  EXPECT_THAT(Items(list), ElementsAre("Bravo", "bravo", "Charlie", "delta"));
}

TEST(StringList, SortingCarriesObjectsAlong) {
  TObject one, two, three;
  TStringList list;
  list.AddObject("c", &three);
  list.AddObject("A", &one);
  list.AddObject("b", &two);
  list.SetSorted(true);
  EXPECT_THAT(Items(list), ElementsAre("A", "b", "c"));
  EXPECT_EQ(list.Objects(0), &one);
  EXPECT_EQ(list.Objects(1), &two);
  EXPECT_EQ(list.Objects(2), &three);
}

struct TEventLog {
  std::vector<std::string> Events;
  void Attach(TStringList& list) {
    list.OnChanging = [this](TObject* sender) {
      Events.push_back("changing " + std::to_string(static_cast<TStringList*>(sender)->Count()));
    };
    list.OnChange = [this](TObject* sender) {
      Events.push_back("change " + std::to_string(static_cast<TStringList*>(sender)->Count()));
    };
  }
};

TEST(StringList, EachChangeFiresOneChangingBeforeAndOneChangeAfter) {
  TObject object;
  const struct {
    const char* what;
    std::function<void(TStringList&)> action;
    std::vector<std::string> events;
  } cases[] = {
      {"Add", [](TStringList& l) { l.Add("x"); }, {"changing 2", "change 3"}},
      {"AddObject", [&](TStringList& l) { l.AddObject("x", &object); }, {"changing 2", "change 3"}},
      {"Insert", [](TStringList& l) { l.Insert(1, "x"); }, {"changing 2", "change 3"}},
      {"Delete", [](TStringList& l) { l.Delete(0); }, {"changing 2", "change 1"}},
      {"SetStrings", [](TStringList& l) { l.SetStrings(0, "x"); }, {"changing 2", "change 2"}},
      {"SetObjects", [&](TStringList& l) { l.SetObjects(0, &object); }, {"changing 2", "change 2"}},
      {"Clear", [](TStringList& l) { l.Clear(); }, {"changing 2", "change 0"}},
      {"SetText", [](TStringList& l) { l.SetText("a\nb\nc"); }, {"change 3"}},
      {"SetCommaText", [](TStringList& l) { l.SetCommaText("a,b,c,d"); }, {"change 4"}},
      {"failed Delete", [](TStringList& l) { EXPECT_THROW(l.Delete(7), EListError); }, {}},
  };
  for (const auto& c : cases) {
    TStringList list;
    Fill(list, {"a", "b"});
    TEventLog log;
    log.Attach(list);
    c.action(list);
    EXPECT_THAT(log.Events, ElementsAreArray(c.events)) << c.what;
  }
}

TEST(StringList, UpdatesHoldEventsUntilTheOutermostEndUpdate) {
  TStringList list;
  TEventLog log;
  log.Attach(list);

  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("a");
  list.Add("b");
  list.EndUpdate();
  list.Delete(0);
  EXPECT_TRUE(log.Events.empty());
  list.EndUpdate();
  EXPECT_THAT(log.Events, ElementsAre("change 1"));

  log.Events.clear();
  list.BeginUpdate();
  list.EndUpdate();
  list.EndUpdate();
  EXPECT_TRUE(log.Events.empty());

  list.Add("c");
  EXPECT_THAT(log.Events, ElementsAre("changing 1", "change 2"));
}

TEST(StringList, AssignCopiesTextsAndObjects) {
  TObject object;
  TStringList source;
  source.AddObject("one", &object);
  source.Add("two");
  TStringList target;
  Fill(target, {"old", "older", "oldest"});
  TEventLog log;
  log.Attach(target);

  target.Assign(source);
  EXPECT_TRUE(target.Equals(source));
  EXPECT_EQ(target.Objects(0), &object);
  EXPECT_EQ(target.Objects(1), nullptr);
  EXPECT_THAT(log.Events, ElementsAre("change 2"));

  target.Assign(target);
  EXPECT_THAT(Items(target), ElementsAre("one", "two"));

  class TOther : public TPersistent {};
  EXPECT_THROW(target.Assign(TOther()), EConvertError);
}

TEST(StringList, StreamLoadReadsFromTheCurrentPosition) {
  TMemoryStream stream;
  const std::string bytes = "skip|first\r\nsecond";
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(5);
  TStringList list;
  list.LoadFromStream(stream);
  EXPECT_THAT(Items(list), ElementsAre("first", "second"));

  TMemoryStream saved;
  list.SaveToStream(saved);
  EXPECT_EQ(std::string(saved.Data().begin(), saved.Data().end()), "first\r\nsecond\r\n");
}

class StringListFile : public ::testing::Test {
protected:
  std::string PathOf(const std::string& name) const { return Folder_.PathOf(name); }

private:
  test::TTemporaryFolder Folder_{"marivo-strings-"};
};

TEST_F(StringListFile, SaveAndLoadRoundTrip) {
  TStringList list;
  Fill(list, {"first", "", "  blanks  ", "last with \"quotes\""});
  list.SaveToFile(PathOf("list.txt"));
  TStringList back;
  back.LoadFromFile(PathOf("list.txt"));
  EXPECT_TRUE(back.Equals(list));
}

TEST_F(StringListFile, FileErrorsNameTheFile) {
  TStringList list;
  const std::string missing = PathOf("missing.txt");
  EXPECT_THAT(ErrorOf<EFOpenError>([&] { list.LoadFromFile(missing); }), HasSubstr(missing));
  const std::string nowhere = PathOf("no-such-folder/list.txt");
  EXPECT_THAT(ErrorOf<EFCreateError>([&] { list.SaveToFile(nowhere); }), HasSubstr(nowhere));
}

} // namespace
} // namespace marivo
