#include "widgets/foundation/portable/MVWStringList.h"
#include "widgets/foundation/portable/MVWWaveList.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/Streams.h"
#include "tests/support/Bytes.h"
#include "widgets/foundation/portable/MVWStreamUtils.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace marivo {
namespace {

using namespace marivo::test;

TEST(MVWContainers, ItemsTellTheContainersHandlerAndAssignCopies) {
  TMVWStringList list(nullptr);
  list.SetDefaultCompressed(true);
  std::vector<TObject*> senders;
  TMVWChangeLink link;
  int linkCalls = 0;
  link.OnChange = [&](TObject*) { ++linkCalls; };
  list.AddChangeLink(&link);
  list.OnChange = [&](TObject* sender) { senders.push_back(sender); };
  TMVWStringListItem* item = list.Item(list.AddItem());
  EXPECT_TRUE(item->Compressed());
  senders.clear();
  linkCalls = 0;
  item->SetDescription("song");
  EXPECT_EQ(senders, std::vector<TObject*>{item});
  EXPECT_EQ(linkCalls, 0); // an item calls the handler, not the links

  TStringList lines;
  lines.Add("one");
  item->SetItems(lines);
  TMVWStringList copy(nullptr);
  int copyChanges = 0;
  copy.OnChange = [&](TObject*) { ++copyChanges; };
  copy.AddItem();
  copyChanges = 0;
  copy.Assign(list);
  EXPECT_EQ(copyChanges, 1);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_TRUE(copy.DefaultCompressed());
  EXPECT_EQ(copy.Item(0)->Description(), "song");
  EXPECT_EQ(copy.Item(0)->Items().Strings(0), "one");
  EXPECT_EQ(copy.Item(0)->Owner(), &copy);
  TMVWWaveList waves(nullptr);
  EXPECT_THROW(copy.Assign(waves), EConvertError);
  EXPECT_EQ(copy.Item(-1), nullptr);
  EXPECT_EQ(copy.Item(1), nullptr);

  delete copy.Item(0); // a freed item leaves its container
  EXPECT_EQ(copy.Count(), 0);
}

TEST(MVWContainers, CompressedItemsAndWavesRoundTrip) {
  TMVWStringList list(nullptr);
  list.SetDefaultCompressed(true);
  TStringList lines;
  for (int i = 0; i < 50; ++i)
    lines.Add("line " + std::to_string(i));
  list.Item(list.AddItem())->SetItems(lines);
  TMemoryStream stream;
  list.SaveToStream(stream, true);
  EXPECT_EQ(stream.Data()[8], 0x09); // compressed, with data
  stream.SetPosition(0);
  TMVWStringList back(nullptr);
  back.LoadFromStream(stream, true);
  EXPECT_EQ(back.Item(0)->Items().Text(), lines.Text());

  // An empty wave writes its header only and reads back empty.
  TMVWWaveList waves(nullptr);
  waves.Item(waves.AddItem())->SetIdent(2);
  TMemoryStream waveStream;
  waves.SaveToStream(waveStream, false);
  EXPECT_EQ(waveStream.Data(), Join({Int32(1), {0x04}, Int32(2)}));
  waveStream.SetPosition(0);
  TMVWWaveList wavesBack(nullptr);
  wavesBack.LoadFromStream(waveStream, false);
  EXPECT_TRUE(wavesBack.Item(0)->IsEmpty());
}

class TListHolder : public TComponent {
public:
  using TComponent::TComponent;
};

TEST(MVWContainers, ItemsAreChildrenInFormData) {
  static const bool registered = [] {
    RegisterPortableContainerClasses();
    RegisterComponentClass<TListHolder, TComponent>("TListHolder");
    return true;
  }();
  (void)registered;
  TListHolder holder(nullptr);
  holder.SetName("Holder");
  auto* list = new TMVWStringList(&holder);
  list->SetName("Texts");
  TStringList lines;
  lines.Add("hello");
  list->Item(list->AddItem())->SetItems(lines);
  list->Item(list->AddItem())->SetIdent(9);
  const std::string text = WriteComponentToText(holder);
  EXPECT_NE(text.find("object TMVWStringListItem"), std::string::npos) << text;
  EXPECT_NE(text.find("Internal = {"), std::string::npos) << text;

  TListHolder back(nullptr);
  ReadComponentFromText(back, text, "holder");
  auto& texts = NamedComponent<TMVWStringList>(back, "Texts");
  ASSERT_EQ(texts.Count(), 2);
  EXPECT_EQ(texts.Item(0)->Owner(), &texts);
  EXPECT_EQ(texts.Item(0)->Items().Strings(0), "hello");
  EXPECT_EQ(texts.Item(1)->Ident(), 9);
  EXPECT_EQ(WriteComponentToText(back), text);
}

} // namespace
} // namespace marivo
