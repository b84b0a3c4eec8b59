#include "platform/rtl/FormText.h"

#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace marivo {
namespace {

using TKind = TFormValue::TKind;

const char* const SampleForm = R"(object MainForm: TMainForm
  Left = 0
  Top = -12
  Caption = 'Marivo'#13#10'line two'
  Color = clBtnFace
  Font.Style = [fsBold, fsItalic]
  Font.Height = -13
  Ratio = 1.25
  Scale = 2.5E-2
  Mask = $00FF00FF
  Hint = 'null'#0'inside' +
    ' and more'
  Anchors = []
  Lines.Strings = ()
  Columns = <>
  Items.Strings = (
    'Element 1'
    'It''s')
  Panels = <
    item
      Width = 200
      Text = 'Version'
    end
    item
      Width = 50
    end>
  RegionData = {
    0A0B0C0D0E0F
    FF00}
  OnShow = FormShow
  object ConnectConsoles: TButton
    Caption = 'Connect Console'
    OnClick = ConnectConsolesClick
  end
  object ScorePanel: TPanel
    object ScoreGrid: TGroupBox
      object Total: TLabel
        Caption = #9
      end
    end
  end
end
)";

TFormValue ValueOf(TKind kind) {
  TFormValue value;
  value.Kind = kind;
  return value;
}

const TFormProperty& PropertyNamed(const TFormObject& object, const std::string& name) {
  for (const TFormProperty& property : object.Properties)
    if (property.Name == name)
      return property;
  throw std::logic_error("no property " + name);
}

TEST(FormTextSample, ParsesEveryValueKind) {
  const TFormObject form = ParseFormText(SampleForm, "MainForm.frm");
  EXPECT_EQ(form.Name, "MainForm");
  EXPECT_EQ(form.ClassName, "TMainForm");
  EXPECT_EQ(form.Line, 1);

  const TFormValue& top = PropertyNamed(form, "Top").Value;
  EXPECT_EQ(top.Kind, TKind::Integer);
  EXPECT_EQ(top.Integer, -12);
  EXPECT_EQ(PropertyNamed(form, "Mask").Value.Integer, 0x00FF00FF);
  EXPECT_EQ(PropertyNamed(form, "Font.Height").Value.Integer, -13);

  EXPECT_EQ(PropertyNamed(form, "Ratio").Value.Kind, TKind::Float);
  EXPECT_DOUBLE_EQ(PropertyNamed(form, "Ratio").Value.Float, 1.25);
  EXPECT_DOUBLE_EQ(PropertyNamed(form, "Scale").Value.Float, 0.025);

  EXPECT_EQ(PropertyNamed(form, "Caption").Value.Text, "Marivo\r\nline two");
  const TFormValue& hint = PropertyNamed(form, "Hint").Value;
  EXPECT_EQ(hint.Kind, TKind::String);
  EXPECT_EQ(hint.Text, std::string("null\0inside and more", 20));

  const TFormValue& color = PropertyNamed(form, "Color").Value;
  EXPECT_EQ(color.Kind, TKind::Identifier);
  EXPECT_EQ(color.Text, "clBtnFace");

  EXPECT_EQ(PropertyNamed(form, "Font.Style").Value.Items,
            (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_EQ(PropertyNamed(form, "Anchors").Value.Kind, TKind::Set);
  EXPECT_TRUE(PropertyNamed(form, "Anchors").Value.Items.empty());
  EXPECT_EQ(PropertyNamed(form, "Lines.Strings").Value.Kind, TKind::List);
  EXPECT_TRUE(PropertyNamed(form, "Lines.Strings").Value.Items.empty());
  EXPECT_EQ(PropertyNamed(form, "Columns").Value.Kind, TKind::Collection);
  EXPECT_TRUE(PropertyNamed(form, "Columns").Value.Collection.empty());
  EXPECT_EQ(PropertyNamed(form, "Items.Strings").Value.Items,
            (std::vector<std::string>{"Element 1", "It's"}));

  const TFormProperty& panels = PropertyNamed(form, "Panels");
  EXPECT_EQ(panels.Line, 19);
  ASSERT_EQ(panels.Value.Collection.size(), 2u);
  const TFormObject& first = panels.Value.Collection[0];
  EXPECT_EQ(first.Line, 20);
  ASSERT_EQ(first.Properties.size(), 2u);
  EXPECT_EQ(first.Properties[0].Name, "Width");
  EXPECT_EQ(first.Properties[0].Value.Integer, 200);
  EXPECT_EQ(first.Properties[1].Value.Text, "Version");
  EXPECT_EQ(panels.Value.Collection[1].Properties.at(0).Value.Integer, 50);

  EXPECT_EQ(PropertyNamed(form, "RegionData").Value.Bytes,
            (std::vector<std::uint8_t>{0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0xFF, 0x00}));

  ASSERT_EQ(form.Children.size(), 2u);
  EXPECT_EQ(form.Children[0].Name, "ConnectConsoles");
  EXPECT_EQ(form.Children[0].Line, 31);
  EXPECT_EQ(form.Children[0].Properties.at(1).Line, 33);
  const TFormObject& panel = form.Children[1];
  EXPECT_EQ(panel.ClassName, "TPanel");
  ASSERT_EQ(panel.Children.size(), 1u);
  ASSERT_EQ(panel.Children[0].Children.size(), 1u);
  const TFormObject& total = panel.Children[0].Children[0];
  EXPECT_EQ(total.Name, "Total");
  EXPECT_EQ(total.Line, 37);
  EXPECT_EQ(total.Properties.at(0).Value.Text, "\t");
}

TEST(FormTextSample, FormatReadsBackEqualAndIsIdempotent) {
  const TFormObject form = ParseFormText(SampleForm, "MainForm.frm");
  const std::string text = FormatFormText(form);
  const TFormObject reread = ParseFormText(text, "Formatted.frm");
  EXPECT_EQ(reread, form);
  EXPECT_EQ(FormatFormText(reread), text);
}

TEST(FormTextReader, AcceptsAnyKeywordCaseCrlfAndPropertiesAfterChildren) {
  const TFormObject form = ParseFormText("OBJECT Form1: TForm\r\n"
                                         "  Object Edit: TEdit\r\n"
                                         "  END\r\n"
                                         "  Tag = 1\r\n"
                                         "  Values = <ITEM Count = 2 End>\r\n"
                                         "eNd\r\n",
                                         "Form1.frm");
  ASSERT_EQ(form.Children.size(), 1u);
  EXPECT_EQ(form.Children[0].ClassName, "TEdit");
  ASSERT_EQ(form.Properties.size(), 2u);
  EXPECT_EQ(form.Properties[0].Line, 4);
  EXPECT_EQ(form.Properties[1].Value.Collection.at(0).Properties.at(0).Value.Integer, 2);
}

TEST(FormTextReader, ReadsNumberLimitsAndNotations) {
  const struct {
    const char* Text;
    TKind Kind;
    std::int64_t Integer;
    double Float;
  } cases[] = {
      {"9223372036854775807", TKind::Integer, std::numeric_limits<std::int64_t>::max(), 0},
      {"-9223372036854775808", TKind::Integer, std::numeric_limits<std::int64_t>::min(), 0},
      {"$7FFFFFFFFFFFFFFF", TKind::Integer, std::numeric_limits<std::int64_t>::max(), 0},
      {"-$ff", TKind::Integer, -255, 0},
      {"007", TKind::Integer, 7, 0},
      {"1E3", TKind::Float, 0, 1000},
      {"-0.5", TKind::Float, 0, -0.5},
      {"2.5e+2", TKind::Float, 0, 250},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    const TFormValue value =
        ParseFormText(std::string("object A: TA\n X = ") + c.Text + "\nend", "A.frm")
            .Properties.at(0)
            .Value;
    EXPECT_EQ(value.Kind, c.Kind);
    EXPECT_EQ(value.Integer, c.Integer);
    EXPECT_EQ(value.Float, c.Float);
  }
}

TEST(FormTextReader, RejectsMalformedTextNamingSourceLineAndToken) {
  const std::string deepObjects = [] {
    std::string text;
    for (int i = 0; i < 300; ++i)
      text += "object O" + std::to_string(i) + ": T\n";
    return text;
  }();
  const std::string deepItems = [] {
    std::string text = "object A: TA\n";
    for (int i = 0; i < 300; ++i)
      text += " P = < item\n";
    return text;
  }();
  const struct {
    std::string Text;
    int Line;
    std::string Expected;
  } cases[] = {
      {"", 1, "Expected 'object' but found end of file"},
      {"object A: TA\n  Left = 1\n\n", 2, "Expected 'end' but found end of file"},
      {"object A: TA\nend\nend\n", 3, "Expected end of file but found 'end'"},
      {"object A: TA\nend\nobject B: TB\nend\n", 3, "found 'object'"},
      {"object A TA\nend", 1, "Expected ':' but found 'TA'"},
      {"object TA\n  Left = 1\nend\n", 1, "The root object needs a name"},
      {"object A: TA\r\n  Left 1\r\nend", 2, "Expected '=' but found '1'"},
      {"object A: TA\n\n  = 1\nend", 3, "Identifier expected but found '='"},
      {"object A: TA\n  Font..Size = 1\nend", 2, "Invalid property name 'Font..Size'"},
      {"object A: TA\n  Left = 12xyz\nend", 2, "Invalid property value '12xyz'"},
      {"object A: TA\n  Left = 1.\nend", 2, "Invalid property value '1.'"},
      {"object A: TA\n  Left =\nend", 3, "Expected property value but found 'end'"},
      {"object A: TA\n  Tag = 9223372036854775808\nend", 2, "'9223372036854775808'"},
      {"object A: TA\n  Tag = -9223372036854775809\nend", 2, "'-9223372036854775809'"},
      {"object A: TA\n  Tag = $8000000000000000\nend", 2, "'$8000000000000000'"},
      {"object A: TA\n  Ratio = 1E999\nend", 2, "Number out of range '1E999'"},
      {"object A: TA\n  Top = 1\n  Caption = 'open\nend", 3, "Invalid string constant"},
      {"object A: TA\n  Caption = 'a'#256\nend", 2, "Invalid character code '#256'"},
      {"object A: TA\n  Caption = 'a'#\nend", 2, "Invalid character code '#'"},
      {"object A: TA\n  Caption = 'a' +\n  Top = 1\nend", 3, "String expected but found 'Top'"},
      {"object A: TA\n  Style = [a b]\nend", 2, "Expected ',' or ']' but found 'b'"},
      {"object A: TA\n  Style = [a,]\nend", 2, "Identifier expected but found ']'"},
      {"object A: TA\n  Lines = (\n 'a'\n 5)\nend", 4, "String expected but found '5'"},
      {"object A: TA\n  Lines = (\n 'a'\n", 3, "Expected ')' but found end of file"},
      {"object A: TA\n  Cols = < thing >\nend", 2, "Expected 'item' or '>' but found 'thing'"},
      {"object A: TA\n  Cols = < item\n object B: TB end end>\nend", 3, "found 'object'"},
      {"object A: TA\n  Data = {\n 0A0G }\nend", 3, "Invalid binary value '0A0G'"},
      {"object A: TA\n  Data = {\n 0A0 }\nend", 3, "Invalid binary value '0A0'"},
      {"object A: TA\n  Data = {\n 0A0B\n", 3, "Expected '}' but found end of file"},
      {deepObjects, 257, "Nesting too deep at 'O256'"},
      {deepItems, 257, "Nesting too deep at 'item'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text.substr(0, 80));
    try {
      ParseFormText(c.Text, "Bad.frm");
      ADD_FAILURE() << "no error";
    } catch (const EReadError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind("Bad.frm(" + std::to_string(c.Line) + "): ", 0), 0u) << message;
      EXPECT_NE(message.find(c.Expected), std::string::npos) << message;
    }
  }
}

TEST(FormTextWriter, WritesCanonicalLayout) {
  TFormObject form{"Form1", "TForm1", {}, {}, 0};
  auto add = [](TFormObject& object, const std::string& name, TFormValue value) {
    object.Properties.push_back({name, std::move(value), 0});
  };
  TFormValue ratio = ValueOf(TKind::Float);
  ratio.Float = 2.0;
  add(form, "Ratio", ratio);
  TFormValue caption = ValueOf(TKind::String);
  caption.Text = "It's\r\n\x80";
  add(form, "Caption", caption);
  TFormValue lines = ValueOf(TKind::List);
  lines.Items = {"a", ""};
  add(form, "Lines", lines);
  TFormValue panels = ValueOf(TKind::Collection);
  panels.Collection.resize(1);
  TFormValue width = ValueOf(TKind::Integer);
  width.Integer = -5;
  add(panels.Collection[0], "Width", width);
  add(form, "Panels", panels);
  TFormValue data = ValueOf(TKind::Binary);
  data.Bytes.assign(33, 0xAB);
  add(form, "Data", data);
  form.Children.push_back({"Ok", "TButton", {}, {}, 0});

  std::string hexLine;
  for (int i = 0; i < 32; ++i)
    hexLine += "AB";
  const std::string expected = "object Form1: TForm1\n"
                               "  Ratio = 2.0\n"
                               "  Caption = 'It''s'#13#10'\x80'\n"
                               "  Lines = (\n"
                               "    'a'\n"
                               "    '')\n"
                               "  Panels = <\n"
                               "    item\n"
                               "      Width = -5\n"
                               "    end>\n"
                               "  Data = {\n"
                               "    " +
                               hexLine +
                               "\n"
                               "    AB}\n"
                               "  object Ok: TButton\n"
                               "  end\n"
                               "end\n";
  EXPECT_EQ(FormatFormText(form), expected);
  EXPECT_EQ(ParseFormText(expected, "Form1.frm"), form);
}

TEST(FormTextWriter, FloatsReadBackExactlyAsFloats) {
  for (double number : {2.0, 0.1, -0.5, 1e20, 1e-7, 123456.0, 5e-324, 1.7976931348623157e308}) {
    SCOPED_TRACE(number);
    TFormValue value = ValueOf(TKind::Float);
    value.Float = number;
    const TFormObject form{"A", "TA", {{"X", value, 0}}, {}, 0};
    const TFormValue reread = ParseFormText(FormatFormText(form), "A.frm").Properties.at(0).Value;
    EXPECT_EQ(reread.Kind, TKind::Float);
    EXPECT_EQ(reread.Float, number);
  }
}

TEST(FormTextWriter, RefusesTreesItCannotWriteReadably) {
  auto formWith = [](const std::string& name, TFormValue value) {
    return TFormObject{"A", "TA", {{name, std::move(value), 0}}, {}, 0};
  };
  TFormValue nan = ValueOf(TKind::Float);
  nan.Float = std::nan("");
  TFormValue keyword = ValueOf(TKind::Identifier);
  keyword.Text = "End";
  TFormValue spaced = ValueOf(TKind::Set);
  spaced.Items = {"fs Bold"};
  TFormValue namedItem = ValueOf(TKind::Collection);
  namedItem.Collection.push_back({"Item1", "", {}, {}, 0});
  const TFormObject cases[] = {
      formWith("X", nan),
      formWith("X", keyword),
      formWith("X", spaced),
      formWith("X", namedItem),
      formWith("end", TFormValue{}),
      formWith("Font.", TFormValue{}),
      TFormObject{"", "TA", {}, {}, 0},
      TFormObject{"A", "T.A", {}, {}, 0},
  };
  for (const TFormObject& form : cases)
    EXPECT_THROW(FormatFormText(form), EWriteError);
}

} // namespace
} // namespace marivo

namespace marivo {
namespace {

TEST(FormTextLists, IntegerListsAndUnnamedChildrenReadAndWriteBack) {
  const std::string text = "object A: TA\n"
                           "  Colors = (\n"
                           "    255\n"
                           "    -1\n"
                           "    $10)\n"
                           "  object TItem\n"
                           "    Tag = 1\n"
                           "  end\n"
                           "end\n";
  const TFormObject form = ParseFormText(text, "Lists.frm");
  ASSERT_EQ(form.Properties.size(), 1u);
  EXPECT_EQ(form.Properties[0].Value.Numbers, (std::vector<std::int64_t>{255, -1, 16}));
  EXPECT_TRUE(form.Properties[0].Value.Items.empty());
  ASSERT_EQ(form.Children.size(), 1u);
  EXPECT_EQ(form.Children[0].Name, "");
  EXPECT_EQ(form.Children[0].ClassName, "TItem");
  const std::string written = FormatFormText(form);
  EXPECT_EQ(ParseFormText(written, "again"), form);
  EXPECT_NE(written.find("  object TItem\n"), std::string::npos) << written;

  const std::pair<std::string, std::string> bad[] = {
      {"object A: TA\n  L = (\n 1\n 'a')\nend", "Integer expected but found ''a''"},
      {"object A: TA\n  L = (\n 1.5)\nend", "Integer expected but found a float"},
  };
  for (const auto& [source, message] : bad) {
    try {
      ParseFormText(source, "Bad.frm");
      ADD_FAILURE() << source;
    } catch (const EReadError& error) {
      EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
    }
  }
}

} // namespace
} // namespace marivo
