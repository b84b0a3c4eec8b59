#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdClasses.h"
#include "widgets/controls/MVWCheckBox.h"
#include "widgets/controls/MVWControls.h"
#include "widgets/controls/MVWLEDLabel.h"
#include "widgets/controls/MVWLImage.h"
#include "widgets/controls/MVWRadioGroup.h"
#include "widgets/controls/MVWSimpleLabel.h"
#include "widgets/controls/MVWStaticText.h"
#include "widgets/foundation/MVWContainer.h"
#include "widgets/foundation/MVWFoundation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marivo {
namespace {

class TChoicesForm : public TForm {
public:
  using TForm::TForm;
  TMVWRadioGroup* Roles = nullptr;
  TMVWCheckBox* Autosave = nullptr;
  TMVWLEDLabel* Scoreboard = nullptr;
  TMVWSimpleLabel* Link = nullptr;
  std::vector<std::string> Events;

  void RolesChange(TObject*, int index) { Events.push_back("roles " + std::to_string(index)); }
  void RolesClick(TObject*) { Events.push_back("roles click"); }
  void AutosaveChange(TObject*) { Events.push_back("autosave"); }
};

void Register() {
  static const bool registered = [] {
    RegisterStandardClasses();
    RegisterControlClasses();
    RegisterComponentClass<TChoicesForm, TForm>("TChoicesForm")
        .Field("Roles", &TChoicesForm::Roles)
        .Field("Autosave", &TChoicesForm::Autosave)
        .Field("Scoreboard", &TChoicesForm::Scoreboard)
        .Field("Link", &TChoicesForm::Link)
        .Handler("RolesChange", &TChoicesForm::RolesChange)
        .Handler("RolesClick", &TChoicesForm::RolesClick)
        .Handler("AutosaveChange", &TChoicesForm::AutosaveChange);
    return true;
  }();
  (void)registered;
}

const char* const FormText = "object ChoicesForm: TChoicesForm\n"
                             "  object Roles: TMVWRadioGroup\n"
                             "    Caption = 'Which Function?'\n"
                             "    Columns = 4\n"
                             "    ItemIndex = 7\n"
                             "    Items = ('Judge 1' 'Judge 2' 'Timer')\n"
                             "    OnChange = RolesChange\n"
                             "    OnClick = RolesClick\n"
                             "  end\n"
                             "  object Autosave: TMVWCheckBox\n"
                             "    Caption = 'Autosave to STCLog.txt'\n"
                             "    Checked = True\n"
                             "    OnChange = AutosaveChange\n"
                             "  end\n"
                             "  object Scoreboard: TMVWLEDLabel\n"
                             "    About = 'LED'\n"
                             "    AutoSize = True\n"
                             "    Caption = 'ORDER'\n"
                             "    LED.Horzsize = 9\n"
                             "  end\n"
                             "  object Frame: TMVWGroupBox\n"
                             "    Alignment = gcaLeftCenter\n"
                             "    Caption = 'Server'\n"
                             "    object Battery: TMVWLImage\n"
                             "      ForceTransparent = True\n"
                             "      ListIndex = 2\n"
                             "      Style = sbCenter\n"
                             "    end\n"
                             "    object Title: TMVWLabel\n"
                             "      Bevel.WidthOuter = 2\n"
                             "      FontFX.Angle = 90\n"
                             "      Twinkle = False\n"
                             "    end\n"
                             "    object Difficulty: TMVWStaticText\n"
                             "      Caption = '&Difficulty'\n"
                             "      FocusControl = Autosave\n"
                             "    end\n"
                             "  end\n"
                             "  object Link: TMVWSimpleLabel\n"
                             "    Caption = 'meet.example'\n"
                             "    UseAsJump = True\n"
                             "  end\n"
                             "end\n";

TEST(ChoicesFormData, LoadsSilentlyAndWritesBackWithoutTheButtons) {
  TMVWFoundation foundation;
  Register();
  TChoicesForm form(nullptr);
  ReadComponentFromText(form, FormText, "choices");
  EXPECT_TRUE(form.Events.empty()) << form.Events.front();
  EXPECT_EQ(form.Roles->ItemIndex(), 2) << "clamped when the buttons came";
  ASSERT_EQ(form.Roles->ButtonCount(), 3);
  EXPECT_TRUE(form.Roles->Buttons(2)->GetChecked());
  EXPECT_TRUE(form.Autosave->Checked());
  EXPECT_EQ(form.Scoreboard->Width(), 19 * 5 + 1);
  EXPECT_EQ(form.Link->JumpMode(), jmInternet);
  const auto* text = dynamic_cast<TMVWStaticText*>(form.FindComponent("Difficulty"));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->FocusControl(), form.Autosave);
  auto* battery = dynamic_cast<TMVWLImage*>(form.FindComponent("Battery"));
  ASSERT_NE(battery, nullptr);
  EXPECT_EQ(battery->DrawFlags(), 0x0048);

  const std::string written = WriteComponentToText(form);
  EXPECT_EQ(written.find("TMVWRadioGroupButton"), std::string::npos) << written;
  EXPECT_EQ(written.find("UseAsJump"), std::string::npos) << written;
  EXPECT_NE(written.find("JumpMode = jmInternet"), std::string::npos) << written;
  EXPECT_NE(written.find("About = 'LED'"), std::string::npos) << written;
  form.Roles->SetGlyphImageList(&MVWContainer->BitmapList());
  const std::string global = WriteComponentToText(form);
  EXPECT_NE(global.find("GlyphInternal = 'MVWBML30'"), std::string::npos) << global;
  EXPECT_EQ(global.find("GlyphImageList"), std::string::npos) << global;
  TChoicesForm again(nullptr);
  ReadComponentFromText(again, written, "again");
  EXPECT_EQ(again.Roles->ItemIndex(), 2);
  EXPECT_EQ(again.Roles->ButtonCount(), 3);
  EXPECT_EQ(again.Scoreboard->Caption(), "ORDER");
  TChoicesForm third(nullptr);
  ReadComponentFromText(third, global, "global");
  EXPECT_EQ(third.Roles->GlyphImageList(), &MVWContainer->BitmapList());
}

// Pictures stay files beside the form: a bitmap-list item reads its bitmap from one and is written
// back naming it; an item with more to keep than its picture keeps its stream.
TEST(BitmapListFormData, ItemsNameTheirPictureFiles) {
  TMVWFoundation foundation;
  Register();
  const std::string text = "object KeysForm: TForm\n"
                           "  object Keys: TMVWBitmapList\n"
                           "    object TMVWBitmapListItem\n"
                           "    end\n"
                           "    object TMVWBitmapListItem\n"
                           "      Bitmap.File = 'keypad_key.bmp'\n"
                           "    end\n"
                           "  end\n"
                           "end\n";
  TForm form(nullptr);
  ReadComponentFromText(form, text, "keys");
  auto& keys = dynamic_cast<TMVWBitmapList&>(*form.FindComponent("Keys"));
  ASSERT_EQ(keys.Count(), 2);
  EXPECT_FALSE(keys.IsValid(0, 0));
  TBitmap file;
  file.SetFile("keypad_key.bmp");
  ASSERT_TRUE(keys.IsValid(1, 0));
  EXPECT_EQ(keys.GetSize(1, 0), file.Width());
  EXPECT_EQ(keys.GetPixel({3, 3}, 1, 0), file.Pixels(3, 3));
  const std::string named = WriteComponentToText(form);
  EXPECT_NE(named.find("Bitmap.File = 'keypad_key.bmp'"), std::string::npos) << named;
  EXPECT_EQ(named.find("Internal"), named.rfind("Internal")) << "only the empty item's stream";

  keys.Item(1)->SetIdent(2);
  const std::string written = WriteComponentToText(form);
  EXPECT_EQ(written.find("Bitmap.File"), std::string::npos) << written;
  TForm again(nullptr);
  ReadComponentFromText(again, written, "again");
  auto& kept = dynamic_cast<TMVWBitmapList&>(*again.FindComponent("Keys"));
  EXPECT_EQ(kept.Item(1)->Ident(), 2);
  EXPECT_EQ(kept.GetPixel({3, 3}, 1, 0), file.Pixels(3, 3));
}

} // namespace
} // namespace marivo
