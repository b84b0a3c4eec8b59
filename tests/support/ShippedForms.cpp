#include "tests/support/ShippedForms.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/FormLoader.h"
#include "platform/rtl/FormText.h"
#include "platform/ui/Resources.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace marivo::test {

namespace {

enum TChange { Dropped = 1, Written = 2, Changed = Dropped | Written };

struct TKnownDifference {
  std::string Properties; // separated by spaces
  int Changes;
};

// What writing the shipped forms back is known to change.
const TKnownDifference KnownDifferences[] = {
    // The files state these at their default, which is not written.
    {"Align Alignment BevelOuter BorderStyle Caption Checked ColCount Color Columns "
     "DefaultColWidth FillObject.Style FixedRows Font.Style GridLineWidth Items.Strings "
     "LED.Horzsize LED.Vertsize Lines.Strings MaxLength PageIndex ParentFont Position "
     "SimplePanel Stretch TabStop Tag Text Transparent WordWrap",
     Dropped},
    // A form's client size is written as its outer size.
    {"ClientWidth ClientHeight", Dropped},
    // Read without windows, aligned and auto-sized controls keep the bounds their layout gave.
    {"Left Top Width Height", Changed},
    // A control's font starts as its parent's, so what the form's font sets becomes its own.
    {"Font.Color CaptionFont.Color CaptionFont.Height CaptionFont.Name", Written},
    // These have no default, so they are always written.
    {"AllowMouseOver AllowTransparency Alignment.Alignment Bevel.Mode BtnAlignment.Alignment "
     "Caret.BlinkRate Region.Mask.RegionDataSize",
     Written},
    // The control starts these away from the default of their class.
    {"Alignment.Spacing Bevel.StandardStyle ParentColor Shape.Brush.Color", Written},
    // An empty bitmap-list item keeps its stream, having no picture file to name.
    {"Internal", Written},
};

bool Known(const std::string& property, TChange change) {
  return std::any_of(
      std::begin(KnownDifferences), std::end(KnownDifferences), [&](const TKnownDifference& known) {
        return (known.Changes & change) == change &&
               (" " + known.Properties + " ").find(" " + property + " ") != std::string::npos;
      });
}

const TFormProperty* Find(const std::vector<TFormProperty>& properties, const std::string& name) {
  const auto found = std::find_if(properties.begin(), properties.end(),
                                  [&](const TFormProperty& p) { return p.Name == name; });
  return found == properties.end() ? nullptr : &*found;
}

void CompareProperties(const std::vector<TFormProperty>& file,
                       const std::vector<TFormProperty>& written, const std::string& path,
                       std::vector<std::string>& found) {
  for (const TFormProperty& property : file) {
    const TFormProperty* match = Find(written, property.Name);
    const auto& items = property.Value.Collection;
    if (!match) {
      if (!Known(property.Name, Dropped))
        found.push_back(path + property.Name + " is not written");
    } else if (!items.empty() && items.size() == match->Value.Collection.size()) {
      for (std::size_t i = 0; i < items.size(); ++i)
        CompareProperties(items[i].Properties, match->Value.Collection[i].Properties,
                          path + property.Name + "[" + std::to_string(i) + "].", found);
    } else if (!(match->Value == property.Value) && !Known(property.Name, Changed)) {
      found.push_back(path + property.Name + " changes");
    }
  }
  for (const TFormProperty& property : written)
    if (!Find(file, property.Name) && !Known(property.Name, Written))
      found.push_back(path + property.Name + " is written");
}

void CompareObjects(const TFormObject& file, const TFormObject& written, const std::string& path,
                    std::vector<std::string>& found) {
  CompareProperties(file.Properties, written.Properties, path + ".", found);
  if (written.Children.size() != file.Children.size())
    found.push_back(path + " is written with other children");
  // Named children are found by name, list items (which have none) by their place among them.
  std::size_t unnamedBefore = 0;
  for (const TFormObject& child : file.Children) {
    std::size_t skip = child.Name.empty() ? unnamedBefore++ : 0;
    const auto match = std::find_if(
        written.Children.begin(), written.Children.end(), [&](const TFormObject& candidate) {
          return candidate.Name == child.Name && candidate.ClassName == child.ClassName &&
                 (!child.Name.empty() || skip-- == 0);
        });
    const std::string childPath = path + "." + (child.Name.empty() ? child.ClassName : child.Name);
    if (match == written.Children.end())
      found.push_back(childPath + " is not written");
    else
      CompareObjects(child, *match, childPath, found);
  }
}

std::vector<std::string> ShippedFormNames() {
  std::vector<std::string> names;
  EnumResourceNamesA(
      nullptr, RT_RCDATA,
      [](HMODULE, LPCSTR, LPSTR name, LONG_PTR found) -> BOOL {
        if (!IS_INTRESOURCE(name) && LoadResourceText(name).starts_with("object "))
          reinterpret_cast<std::vector<std::string>*>(found)->push_back(name);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&names));
  return names;
}

std::unique_ptr<TComponent> ReadForm(const std::string& className, const std::string& text,
                                     const std::string& name) {
  std::unique_ptr<TComponent> form(FindClass(className).Create(nullptr));
  ReadComponentFromText(*form, text, name);
  return form;
}

} // namespace

std::vector<std::string> UnexplainedWriteBackDifferences() {
  const std::vector<std::string> names = ShippedFormNames();
  if (names.empty())
    return {"no form data in the program"};
  std::vector<std::string> found;
  for (const std::string& name : names) {
    const std::string text = LoadResourceText(name);
    const TFormObject file = ParseFormText(text, name);
    const std::unique_ptr<TComponent> form = ReadForm(file.ClassName, text, name);
    CompareObjects(file, WriteComponent(*form, *form), name + ": " + file.Name, found);
    // What was written reads back and writes the very same text again.
    const std::string written = WriteComponentToText(*form);
    if (WriteComponentToText(*ReadForm(file.ClassName, written, name)) != written)
      found.push_back(name + ": what is written does not write back the same");
  }
  return found;
}

} // namespace marivo::test
