#include "platform/ui/StdCtrls.h"
#include "tests/platform/ui/StdCtrlsForm.h"

#include <gtest/gtest.h>

namespace marivo {
namespace {

class StdCtrlsFormData : public test::StdCtrlsFixture {};

TEST_F(StdCtrlsFormData, EveryControlReadsBackWhatItsFormDataSays) {
  auto& send = Find<TButton>("SendButton");
  EXPECT_EQ(send.Caption(), "Send");
  EXPECT_TRUE(send.Default());
  EXPECT_FALSE(send.Cancel());
  EXPECT_EQ(send.ModalResult(), 1);
  EXPECT_TRUE(send.TabStop());
  EXPECT_EQ(send.TabOrder(), 2) << "read before the controls after it";

  auto& notes = Find<TMemo>("NotesMemo");
  EXPECT_EQ(notes.Lines().Text(), "first\r\nsecond\r\n");
  EXPECT_EQ(notes.ScrollBars(), ssVertical);
  EXPECT_TRUE(notes.WordWrap());

  EXPECT_EQ(Find<TListBox>("JudgesList").Items().CommaText(), "J1,J2,J3");
  EXPECT_EQ(Find<TListBox>("JudgesList").ItemIndex(), -1);

  // Nobody clicked or typed while the form was read.
  EXPECT_TRUE(Form->Fired.empty());
}

TEST_F(StdCtrlsFormData, FreshControlsWriteNoDefaults) {
  const std::vector<TControl*> fresh = {new TButton(Form), new TMemo(Form), new TListBox(Form)};
  for (TControl* control : fresh) {
    std::vector<std::string> names;
    for (const TFormProperty& property : WriteProperties(*control, *Form))
      if (property.Name != "Width" && property.Name != "Height")
        names.push_back(property.Name);
    EXPECT_TRUE(names.empty()) << control->ClassName() << " writes " << names.front();
  }

  const std::string text = WriteComponentToText(*Form);
  EXPECT_NE(text.find("object JudgesList: TListBox"), std::string::npos);
  EXPECT_NE(text.find("Items.Strings"), std::string::npos);
  EXPECT_NE(text.find("Lines.Strings"), std::string::npos);
  EXPECT_NE(text.find("TabOrder = 2"), std::string::npos);
}

} // namespace
} // namespace marivo
