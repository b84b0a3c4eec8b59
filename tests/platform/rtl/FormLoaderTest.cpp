#include "platform/rtl/FormLoader.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Collections.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marivo {
namespace {

using TColor = std::int32_t;
constexpr TColor clBlack = 0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBtnFace = -16777201;

enum class TTestAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

std::vector<std::string> LoadedLog;

class TTestFont : public TPersistent {
public:
  const std::string& Name() const { return Name_; }
  void SetName(const std::string& name) { Name_ = name; }
  int Size() const { return Size_; }
  void SetSize(int size) { Size_ = size; }
  std::uint8_t Style() const { return Style_; }
  void SetStyle(std::uint8_t style) { Style_ = style; }

private:
  std::string Name_ = "Tahoma";
  int Size_ = 8;
  std::uint8_t Style_ = 0;
};

class TTestPanelItem : public TCollectionItem {
public:
  int Width() const { return Width_; }
  void SetWidth(int width) { Width_ = width; }
  const std::string& Text() const { return Text_; }
  void SetText(const std::string& text) { Text_ = text; }

private:
  int Width_ = 50;
  std::string Text_;
};

class TTestControl;

// What a windowed control will be: it lists the controls it parents.
class TTestContainer {
public:
  virtual ~TTestContainer();
  std::vector<TTestControl*> Controls;
};

class TTestControl : public TComponent {
public:
  using TComponent::TComponent;
  ~TTestControl() override { SetParent(nullptr); }
  TTestContainer* Parent() const { return Parent_; }
  void SetParent(TTestContainer* parent) {
    if (parent == Parent_)
      return;
    if (Parent_ != nullptr)
      std::erase(Parent_->Controls, this);
    Parent_ = parent;
    if (Parent_ != nullptr)
      Parent_->Controls.push_back(this);
  }
  void SetParentComponent(TComponent* parent) override {
    SetParent(dynamic_cast<TTestContainer*>(parent));
  }
  TComponent* GetParentComponent() const override { return dynamic_cast<TComponent*>(Parent_); }
  bool HasParent() const override { return true; }
  int Left() const { return Left_; }
  void SetLeft(int left) { Left_ = left; }
  TColor Color() const { return Color_; }
  void SetColor(TColor color) { Color_ = color; }
  void Loaded() override { LoadedLog.push_back(Name()); }

protected:
  TColor Color_ = clBtnFace;

private:
  TTestContainer* Parent_ = nullptr;
  int Left_ = 0;
};

TTestContainer::~TTestContainer() {
  for (TTestControl* control : std::vector<TTestControl*>(Controls))
    control->SetParent(nullptr);
}

void ListControls(const TTestContainer& container, const std::function<void(TComponent*)>& proc,
                  TComponent* root) {
  for (TTestControl* control : container.Controls)
    if (control->Owner() == root)
      proc(control);
}

class TTestButton : public TTestControl {
public:
  using TTestControl::TTestControl;
  const std::string& Caption() const { return Caption_; }
  void SetCaption(const std::string& caption) {
    Caption_ = caption;
    LoadingWhenCaptionSet = (ComponentState() & csLoading) != 0;
  }
  TTestAlign Align() const { return Align_; }
  void SetAlign(TTestAlign align) { Align_ = align; }
  bool Visible() const { return Visible_; }
  void SetVisible(bool visible) { Visible_ = visible; }
  double Ratio() const { return Ratio_; }
  void SetRatio(double ratio) { Ratio_ = ratio; }
  bool ParentFont() const { return ParentFont_; }
  void SetParentFont(bool parentFont) { ParentFont_ = parentFont; }
  TTestFont& Font() { return Font_; }
  TStrings& Items() { return Items_; }
  TCollection& Panels() { return Panels_; }
  TComponent* Buddy() const { return Buddy_; }
  void SetBuddy(TComponent* buddy) {
    if (buddy == Buddy_)
      return;
    if (Buddy_ != nullptr)
      Buddy_->RemoveFreeNotification(this);
    Buddy_ = buddy;
    if (Buddy_ != nullptr)
      Buddy_->FreeNotification(this);
  }
  std::vector<std::uint8_t> Data;
  void ReadData(TStream& stream) {
    Data.resize(static_cast<std::size_t>(stream.Size() - stream.Position()));
    stream.ReadBuffer(Data.data(), static_cast<std::int64_t>(Data.size()));
  }
  void WriteData(TStream& stream) {
    stream.WriteBuffer(Data.data(), static_cast<std::int64_t>(Data.size()));
  }
  bool HasData() const { return !Data.empty(); }
  void Click() {
    if (OnClick)
      OnClick(this);
  }
  void Loaded() override {
    TTestControl::Loaded();
    BuddyWhenLoaded = Buddy_ != nullptr ? Buddy_->Name() : "";
    LoadingWhenLoaded = (ComponentState() & csLoading) != 0;
  }

  TNotifyEvent OnClick;
  bool LoadingWhenCaptionSet = false;
  bool LoadingWhenLoaded = true;
  std::string BuddyWhenLoaded;

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TTestControl::Notification(component, operation);
    if (operation == opRemove && component == Buddy_)
      Buddy_ = nullptr;
  }

private:
  std::string Caption_;
  TTestAlign Align_ = TTestAlign::alNone;
  bool Visible_ = true;
  double Ratio_ = 1.0;
  bool ParentFont_ = true;
  TTestFont Font_;
  TStringList Items_;
  TCollection Panels_{this, [] { return std::make_unique<TTestPanelItem>(); }};
  TComponent* Buddy_ = nullptr;
};

class TTestPanel : public TTestControl, public TTestContainer {
public:
  explicit TTestPanel(TComponent* owner) : TTestControl(owner) { Color_ = clBlack; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override {
    ListControls(*this, proc, root);
  }
};

class TTestTimer : public TComponent {
public:
  using TComponent::TComponent;
  int Interval() const { return Interval_; }
  void SetInterval(int interval) { Interval_ = interval; }
  void Loaded() override { LoadedLog.push_back(Name()); }
  TNotifyEvent OnTimer;

private:
  int Interval_ = 1000;
};

class TTestForm : public TComponent, public TTestContainer {
public:
  explicit TTestForm(TComponent* owner = nullptr) : TComponent(owner) {}
  // The children reach back into this form's container while they go.
  ~TTestForm() override { DestroyComponents(); }
  const std::string& Caption() const { return Caption_; }
  void SetCaption(const std::string& caption) { Caption_ = caption; }
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override {
    ListControls(*this, proc, root);
    TComponent::GetChildren(proc, root);
  }
  void Loaded() override { LoadedLog.push_back(Name()); }

  void ButtonClick(TObject* sender) { ClickSender = sender; }
  void ClockTimer(TObject*) { ++Ticks; }
  void ScoreChanged(int) {}

  TObject* ClickSender = nullptr;
  int Ticks = 0;

private:
  std::string Caption_;
};

class TTestChildForm : public TTestForm {
public:
  using TTestForm::TTestForm;
  void ChildClick(TObject*) { ++ChildClicks; }
  int ChildClicks = 0;
};

class TTestFieldForm : public TTestForm {
public:
  using TTestForm::TTestForm;
  void Loaded() override {
    TTestForm::Loaded();
    BoundWhenLoaded = Connect != nullptr && Clock != nullptr;
  }
  TTestControl* Connect = nullptr;
  TTestTimer* Clock = nullptr;
  bool BoundWhenLoaded = false;
};

bool RegisterTestClasses() {
  const TIdentTable colors = {{"clBlack", clBlack}, {"clRed", clRed}, {"clBtnFace", clBtnFace}};
  RegisterPersistentClass<TTestFont, TPersistent>("TTestFont")
      .String("Name", &TTestFont::Name, &TTestFont::SetName, "Tahoma")
      .Integer("Size", &TTestFont::Size, &TTestFont::SetSize, 8)
      .Set("Style", {"fsBold", "fsItalic", "fsUnderline"}, &TTestFont::Style, &TTestFont::SetStyle,
           0);
  RegisterPersistentClass<TTestPanelItem, TCollectionItem>("TTestPanelItem")
      .Integer("Width", &TTestPanelItem::Width, &TTestPanelItem::SetWidth, 50)
      .String("Text", &TTestPanelItem::Text, &TTestPanelItem::SetText, "");
  RegisterComponentClass<TTestControl, TComponent>("TTestControl")
      .Integer("Left", &TTestControl::Left, &TTestControl::SetLeft, 0)
      .Integer("Color", colors, &TTestControl::Color, &TTestControl::SetColor, clBtnFace);
  RegisterComponentClass<TTestButton, TTestControl>("TTestButton")
      .String("Caption", &TTestButton::Caption, &TTestButton::SetCaption, "")
      .Enumeration("Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"},
                   &TTestButton::Align, &TTestButton::SetAlign, TTestAlign::alNone)
      .Boolean("Visible", &TTestButton::Visible, &TTestButton::SetVisible, true)
      .Float("Ratio", &TTestButton::Ratio, &TTestButton::SetRatio, 1.0)
      .Boolean("ParentFont", &TTestButton::ParentFont, &TTestButton::SetParentFont, true)
      .Class("Font", &TTestButton::Font)
      .Stored([](const TTestButton& button) { return !button.ParentFont(); })
      .Class("Items", &TTestButton::Items)
      .Collection("Panels", &TTestButton::Panels)
      .Component("Buddy", &TTestButton::Buddy, &TTestButton::SetBuddy)
      .Binary("Data", &TTestButton::ReadData, &TTestButton::WriteData, &TTestButton::HasData)
      .Event("OnClick", &TTestButton::OnClick);
  RegisterComponentClass<TTestPanel, TTestControl>("TTestPanel")
      .Integer("Color", colors, &TTestControl::Color, &TTestControl::SetColor, clBlack);
  RegisterComponentClass<TTestTimer, TComponent>("TTestTimer")
      .Integer("Interval", &TTestTimer::Interval, &TTestTimer::SetInterval, 1000)
      .Event("OnTimer", &TTestTimer::OnTimer);
  RegisterComponentClass<TTestForm, TComponent>("TTestForm")
      .String("Caption", &TTestForm::Caption, &TTestForm::SetCaption)
      .Handler("ButtonClick", &TTestForm::ButtonClick)
      .Handler("ClockTimer", &TTestForm::ClockTimer)
      .Handler("ScoreChanged", &TTestForm::ScoreChanged);
  RegisterComponentClass<TTestChildForm, TTestForm>("TTestChildForm")
      .Handler("ChildClick", &TTestChildForm::ChildClick);
  RegisterComponentClass<TTestFieldForm, TTestForm>("TTestFieldForm")
      .Field("Connect", &TTestFieldForm::Connect)
      .Field("Clock", &TTestFieldForm::Clock);
  return true;
}

const bool Registered = RegisterTestClasses();

// Canonical: what the writer gives back, property for property.
const std::string Sample = R"(object MainForm: TTestForm
  Caption = 'Judge console'
  object Connect: TTestButton
    Tag = 7
    Left = -12
    Color = clRed
    Caption = 'Connect'
    Align = alTop
    Visible = False
    Ratio = 2.5
    ParentFont = False
    Font.Size = 12
    Font.Style = [fsBold, fsItalic]
    Items.Strings = (
      'Alpha'
      'It''s')
    Panels = <
      item
        Width = 200
        Text = 'Score'
      end
      item
        Text = 'Time'
      end>
    Buddy = Score
    Data = {
      0102FF}
    OnClick = ButtonClick
  end
  object Scores: TTestPanel
    Left = 8
    object Score: TTestButton
      Color = 4210752
      Buddy = MainForm
    end
  end
  object Clock: TTestTimer
    Interval = 250
    OnTimer = ClockTimer
  end
end
)";

template <class T> T& Find(TComponent& root, const std::string& name) {
  T* found = dynamic_cast<T*>(root.FindComponent(name));
  if (found == nullptr)
    throw std::logic_error("no component " + name);
  return *found;
}

class FormLoaderTest : public ::testing::Test {
protected:
  void SetUp() override { LoadedLog.clear(); }
  TTestForm Form;
};

TEST_F(FormLoaderTest, ReadsEveryValueKindIntoTheComponentTree) {
  ReadComponentFromText(Form, Sample, "MainForm.frm");
  EXPECT_EQ(Form.Name(), "MainForm");
  EXPECT_EQ(Form.Caption(), "Judge console");
  ASSERT_EQ(Form.ComponentCount(), 4);

  auto& connect = Find<TTestButton>(Form, "connect");
  auto& scores = Find<TTestPanel>(Form, "Scores");
  auto& score = Find<TTestButton>(Form, "Score");
  EXPECT_EQ(connect.Owner(), &Form);
  EXPECT_EQ(connect.Parent(), static_cast<TTestContainer*>(&Form));
  EXPECT_EQ(score.Owner(), &Form);
  EXPECT_EQ(score.Parent(), static_cast<TTestContainer*>(&scores));
  EXPECT_EQ(scores.Color(), clBlack);

  EXPECT_EQ(connect.Tag(), 7);
  EXPECT_EQ(connect.Left(), -12);
  EXPECT_EQ(connect.Color(), clRed);
  EXPECT_EQ(connect.Caption(), "Connect");
  EXPECT_EQ(connect.Align(), TTestAlign::alTop);
  EXPECT_FALSE(connect.Visible());
  EXPECT_DOUBLE_EQ(connect.Ratio(), 2.5);
  EXPECT_EQ(connect.Font().Size(), 12);
  EXPECT_EQ(connect.Font().Style(), fsBold | fsItalic);
  EXPECT_EQ(connect.Font().Name(), "Tahoma");
  EXPECT_EQ(connect.Items().CommaText(), "Alpha,It's");
  ASSERT_EQ(connect.Panels().Count(), 2);
  auto* first = dynamic_cast<TTestPanelItem*>(connect.Panels().Items(0));
  auto* second = dynamic_cast<TTestPanelItem*>(connect.Panels().Items(1));
  ASSERT_TRUE(first != nullptr && second != nullptr);
  EXPECT_EQ(first->Width(), 200);
  EXPECT_EQ(first->Text(), "Score");
  EXPECT_EQ(second->Width(), 50);
  EXPECT_EQ(second->Text(), "Time");
  EXPECT_EQ(connect.Buddy(), &score);
  EXPECT_EQ(score.Buddy(), &Form);
  EXPECT_EQ(connect.Data, (std::vector<std::uint8_t>{0x01, 0x02, 0xFF}));
  EXPECT_EQ(score.Color(), 4210752);
  EXPECT_EQ(Find<TTestTimer>(Form, "Clock").Interval(), 250);
}

TEST_F(FormLoaderTest, BoundHandlersRunTheFormsMethodsWithTheSender) {
  ReadComponentFromText(Form, Sample, "MainForm.frm");
  auto& connect = Find<TTestButton>(Form, "Connect");
  connect.Click();
  EXPECT_EQ(Form.ClickSender, &connect);
  EXPECT_EQ(connect.HandlerName("OnClick"), "ButtonClick");
  auto& clock = Find<TTestTimer>(Form, "Clock");
  clock.OnTimer(&clock);
  EXPECT_EQ(Form.Ticks, 1);
  EXPECT_FALSE(Find<TTestButton>(Form, "Score").OnClick);
}

TEST_F(FormLoaderTest, DescendantFormsUseInheritedHandlers) {
  TTestChildForm child;
  ReadComponentFromText(child,
                        "object Child: TTestChildForm\n"
                        "  object A: TTestButton\n    OnClick = buttonclick\n  end\n"
                        "  object B: TTestButton\n    OnClick = ChildClick\n  end\n"
                        "end\n",
                        "Child.frm");
  Find<TTestButton>(child, "A").Click();
  Find<TTestButton>(child, "B").Click();
  EXPECT_EQ(child.ClickSender, &Find<TTestButton>(child, "A"));
  EXPECT_EQ(child.ChildClicks, 1);
}

TEST_F(FormLoaderTest, LoadedRunsOnceEverythingIsSetAndTheRootLast) {
  ReadComponentFromText(Form, Sample, "MainForm.frm");
  EXPECT_EQ(LoadedLog,
            (std::vector<std::string>{"Connect", "Scores", "Score", "Clock", "MainForm"}));
  auto& connect = Find<TTestButton>(Form, "Connect");
  EXPECT_EQ(connect.BuddyWhenLoaded, "Score") << "a reference to a later component";
  EXPECT_TRUE(connect.LoadingWhenCaptionSet);
  EXPECT_FALSE(connect.LoadingWhenLoaded);
  for (TComponent* component : {static_cast<TComponent*>(&Form), Form.Components(0)})
    EXPECT_EQ(component->ComponentState() & (csLoading | csReading), 0);
}

TEST_F(FormLoaderTest, WritesTheSampleBackUnchanged) {
  ReadComponentFromText(Form, Sample, "MainForm.frm");
  EXPECT_EQ(WriteComponentToText(Form), Sample);
}

TEST_F(FormLoaderTest, WritesCanonicalTextFromLooseInput) {
  ReadComponentFromText(Form,
                        "object F: TTestForm\n"
                        "  object b: TTestButton\n"
                        "    visible = TRUE\n    COLOR = CLRED\n    Left = 0\n"
                        "    Ratio = 3\n    Font.Size = 8\n    Panels = <>\n    tag = 2\n"
                        "  end\n"
                        "end\n",
                        "Loose.frm");
  const std::string canonical = "object F: TTestForm\n"
                                "  Caption = ''\n"
                                "  object b: TTestButton\n"
                                "    Tag = 2\n    Color = clRed\n    Ratio = 3.0\n"
                                "  end\n"
                                "end\n";
  EXPECT_EQ(WriteComponentToText(Form), canonical);
}

TEST_F(FormLoaderTest, WriterSkipsWhatCannotOrNeedNotBeStored) {
  ReadComponentFromText(Form, Sample, "MainForm.frm");
  auto& score = Find<TTestButton>(Form, "Score");
  score.Font().SetSize(20);
  score.OnClick = [](TObject*) {};
  new TTestTimer(&Form);
  EXPECT_EQ(WriteComponentToText(Form), Sample) << "font with ParentFont, unnamed handler";

  score.SetParentFont(false);
  score.SetBuddy(nullptr);
  const std::string text = WriteComponentToText(Form);
  EXPECT_NE(text.find("      ParentFont = False\n      Font.Size = 20\n"), std::string::npos);
  EXPECT_EQ(text.find("Buddy = MainForm"), std::string::npos);
}

TEST_F(FormLoaderTest, ReferencesAndBindingsFollowTheComponentsTheyNamed) {
  ReadComponentFromText(Form, Sample, "MainForm.frm");
  auto& connect = Find<TTestButton>(Form, "Connect");
  delete &Find<TTestButton>(Form, "Score");
  EXPECT_EQ(connect.Buddy(), nullptr);
  EXPECT_EQ(WriteComponentToText(Form).find("Buddy"), std::string::npos);
}

TEST_F(FormLoaderTest, MalformedFormDataNamesLineAndIdentifierAndLeavesNothingBehind) {
  // Line 2 holds a good button with a pending reference, line 4 the object under test.
  const auto form = [](const std::string& object, const std::string& property) {
    return "object MainForm: TTestForm\n  object Ok: TTestButton Buddy = B end\n\n"
           "  object B: " +
           object + "\n    " + property + "\n  end\nend\n";
  };
  const struct {
    std::string Text;
    std::string Expected;
  } cases[] = {
      {form("TNoSuchButton", ""), "Bad.frm(4): Unknown class 'TNoSuchButton'"},
      {form("TTestFont", ""), "Bad.frm(4): Class 'TTestFont' is not a component class"},
      {form("TTestButton", "Captoin = 'x'"),
       "Bad.frm(5): Unknown property 'Captoin' of TTestButton"},
      {form("TTestButton", "Font.Sizee = 3"), "Bad.frm(5): Unknown property 'Font.Sizee'"},
      {form("TTestButton", "Caption.Size = 3"), "Bad.frm(5): Unknown property 'Caption.Size'"},
      {form("TTestButton", "Font = 3"), "Bad.frm(5): Property 'Font' takes no value"},
      {form("TTestButton", "Left = 'ten'"),
       "Bad.frm(5): Invalid value for property 'Left': integer expected, string found"},
      {form("TTestButton", "Left = 99999999999"), "Bad.frm(5): Invalid value for property 'Left'"},
      {form("TTestButton", "Caption = Connect"),
       "Bad.frm(5): Invalid value for property 'Caption'"},
      {form("TTestButton", "Color = clPurple"), "Bad.frm(5): Unknown identifier 'clPurple'"},
      {form("TTestButton", "Visible = Maybe"), "Bad.frm(5): Unknown identifier 'Maybe'"},
      {form("TTestButton", "Align = alMiddle"), "Bad.frm(5): Unknown identifier 'alMiddle'"},
      {form("TTestButton", "Font.Style = [fsBold, fsBlink]"),
       "Bad.frm(5): Unknown set member 'fsBlink' for property 'Font.Style'"},
      {form("TTestButton", "Panels = <item\n Widht = 3 end>"),
       "Bad.frm(6): Unknown property 'Widht' of TTestPanelItem"},
      {form("TTestButton", "OnClick = Nothing"), "Bad.frm(5): Unknown handler 'Nothing'"},
      {form("TTestButton", "OnClick = ScoreChanged"),
       "Bad.frm(5): Handler 'ScoreChanged' does not fit event 'OnClick'"},
      {form("TTestButton", "Buddy = Nobody"), "Bad.frm(5): Unresolved reference 'Nobody'"},
      {form("TTestButton", "Buddy = Nobody.Else"),
       "Bad.frm(5): Unresolved reference 'Nobody.Else'"},
      {form("TTestButton object Ok: TTestButton end", ""),
       "Bad.frm(4): A component named Ok already exists"},
      {form("TTestButton", "Data = 12"), "Bad.frm(5): Invalid value for property 'Data'"},
      {form("TTestButton", "Left = "), "Bad.frm(6)"},
      {"object MainForm: TTestPanel\nend\n", "Bad.frm(1): Class 'TTestPanel' is not the root's"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    try {
      ReadComponentFromText(Form, c.Text, "Bad.frm");
      ADD_FAILURE() << "no error";
    } catch (const EReadError& error) {
      EXPECT_NE(error.Message().find(c.Expected), std::string::npos) << error.Message();
    }
    EXPECT_EQ(Form.ComponentCount(), 0);
    EXPECT_TRUE(Form.Controls.empty());
    EXPECT_EQ(Form.ComponentState() & (csLoading | csReading), 0);
    EXPECT_TRUE(LoadedLog.empty());
  }
}

TEST_F(FormLoaderTest, FieldsAreBoundBeforeLoadedOrTheLoadFailsNamingFormComponentAndClass) {
  const auto form = [](const std::string& clock) {
    return "object Fields: TTestFieldForm\n  object Connect: TTestButton end\n" + clock + "end\n";
  };
  TTestFieldForm good;
  ReadComponentFromText(good, form("  object Clock: TTestTimer end\n"), "Fields.frm");
  EXPECT_EQ(good.Connect, good.FindComponent("Connect")) << "a descendant of the field's class";
  EXPECT_EQ(good.Clock, good.FindComponent("Clock"));
  EXPECT_TRUE(good.BoundWhenLoaded);

  const struct {
    std::string Clock;
    std::string Expected;
  } cases[] = {
      {"", "Fields.frm: TTestFieldForm needs component 'Clock' of class TTestTimer, found none"},
      {"  object Clock: TTestButton end\n",
       "Fields.frm: TTestFieldForm needs component 'Clock' of class TTestTimer, found a "
       "TTestButton"},
  };
  for (const auto& c : cases) {
    TTestFieldForm bad;
    try {
      ReadComponentFromText(bad, form(c.Clock), "Fields.frm");
      ADD_FAILURE() << "no error";
    } catch (const EReadError& error) {
      EXPECT_EQ(error.Message(), c.Expected);
    }
    EXPECT_EQ(bad.Connect, nullptr);
    EXPECT_EQ(bad.ComponentCount(), 0);
  }
}

TEST_F(FormLoaderTest, ReaderPiecesReadIntoARootMadeInCode) {
  auto* button = new TTestButton(&Form);
  button->SetName("Made");
  TComponentReader reader(Form, "Piece.frm");
  const TFormObject tree = ParseFormText(
      "object Made: TTestButton\n  Caption = 'Set'\n  OnClick = ButtonClick\n  Buddy = Made\nend",
      "Piece.frm");
  reader.ReadProperties(*button, tree.Properties);
  EXPECT_EQ(button->Buddy(), nullptr) << "references wait for Finish";
  reader.Finish();
  EXPECT_EQ(button->Caption(), "Set");
  EXPECT_EQ(button->Buddy(), button);
  button->Click();
  EXPECT_EQ(Form.ClickSender, button);
  EXPECT_EQ(WriteProperties(*button, Form).size(), 3u);
}

} // namespace
} // namespace marivo
