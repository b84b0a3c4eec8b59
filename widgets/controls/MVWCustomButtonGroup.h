#pragma once

#include "platform/rtl/StringList.h"
#include "widgets/controls/MVWButtonControl.h"
#include "widgets/controls/MVWCheckBox.h"
#include "widgets/controls/MVWGroupBox.h"
#include "widgets/controls/MVWImageLink.h"
#include "widgets/controls/MVWRadioButton.h"

#include <functional>
#include <vector>

namespace marivo {

class TMVWCustomImageList;

using TMVWChildBtnClick = std::function<void(TObject* Sender, int ButtonIndex)>;

// The child buttons' help contexts: none, the group's, or the group's numbered on.
enum TMVWChildHelpContextID : std::uint8_t { ciDefault, ciSameAsParent, ciAutoNumbered };

// A group box with one child button per line of Items, laid out column by column.
class TMVWCustomButtonGroup : public TMVWCustomGroupBox {
public:
  static constexpr int DefaultItemIndex = -1;
  static constexpr int DefaultColumns = 1;
  static constexpr int DefaultItemHeight = -1;
  static constexpr int DefaultItemOffset = 4;
  static constexpr TMVWGlyphTextFocusStyle DefaultFocusStyle = fcText;
  static constexpr TColor DefaultFocusColor = 0x808080;
  static constexpr TMVWChildHelpContextID DefaultHelpContextBtn = ciDefault;
  static constexpr std::uint8_t DefaultGlyphSize = 13;
  static constexpr bool DefaultGlyphTransparent = true;
  static constexpr TColor DefaultGlyphTransparentColor = 0x008080;
  static constexpr bool DefaultSwitch = false; // the glyph, focus and read-only switches

  explicit TMVWCustomButtonGroup(TComponent* owner);
  ~TMVWCustomButtonGroup() override;

  TStringList& Items() { return Items_; }
  void SetItems(const TStrings& value) { Items_.Assign(value); }
  int Columns() const { return Columns_; }
  // Kept within 1..12.
  void SetColumns(int value);
  // -1: the rows share the height.
  int ItemHeight() const { return ItemHeight_; }
  void SetItemHeight(int value);
  int ItemOffset() const { return ItemOffset_; }
  void SetItemOffset(int value);
  int ItemIndex() const { return ItemIndex_; }
  virtual void SetItemIndex(int value) = 0;
  TMVWGlyphTextLayout& BtnAlignment() { return BtnAlignment_; }
  void SetBtnAlignment(const TMVWGlyphTextLayout& value) { BtnAlignment_.Assign(value); }
  TMVW3DCaption& Font3D() { return Font3D_; }
  void SetFont3D(const TMVW3DCaption& value) { Font3D_.Assign(value); }
  bool FlatGlyphs() const { return FlatGlyphs_; }
  void SetFlatGlyphs(bool value);
  TMVWGlyphTextFocusStyle FocusStyle() const { return FocusStyle_; }
  void SetFocusStyle(TMVWGlyphTextFocusStyle value);
  TColor FocusColor() const { return FocusColor_; }
  void SetFocusColor(TColor value);
  bool UseFocusColor() const { return UseFocusColor_; }
  void SetUseFocusColor(bool value);
  TMVWCustomImageList* GlyphImageList() const { return GlyphLink_.ImageList(); }
  void SetGlyphImageList(TMVWCustomImageList* value) { GlyphLink_.SetImageList(value); }
  // Negative values are ignored.
  int GlyphImageIndex() const { return GlyphLink_.ImageIndex(); }
  void SetGlyphImageIndex(int value) { GlyphLink_.SetIndexProperty(0, value); }
  int GlyphListIndex() const { return GlyphLink_.ListIndex(); }
  void SetGlyphListIndex(int value) { GlyphLink_.SetIndexProperty(1, value); }
  // "GlyphInternal" of form data: the signature of a global glyph list.
  std::string GlyphInternalRef() const { return GlyphLink_.InternalRef(); }
  void SetGlyphInternalRef(const std::string& text) { GlyphLink_.SetInternalRef(text); }
  TMVWChildHelpContextID HelpContextBtn() const { return HelpContextBtn_; }
  void SetHelpContextBtn(TMVWChildHelpContextID value);
  bool GlyphFlat() const { return GlyphFlat_; }
  void SetGlyphFlat(bool value);
  std::uint8_t GlyphSize() const { return GlyphSize_; }
  void SetGlyphSize(std::uint8_t value);
  bool GlyphTransparent() const { return GlyphTransparent_; }
  void SetGlyphTransparent(bool value);
  TColor GlyphTransparentColor() const { return GlyphTransparentColor_; }
  void SetGlyphTransparentColor(TColor value);
  bool ReadOnly() const { return ReadOnly_; }
  void SetReadOnly(bool value) { ReadOnly_ = value; }
  bool UseBitmap() const { return UseBitmap_; }
  void SetUseBitmap(bool value);

  int ButtonCount() const { return static_cast<int>(Buttons_.size()); }
  TMVWButtonControl* Buttons(int index) const {
    return Buttons_.at(static_cast<std::size_t>(index));
  }
  virtual bool CanModify() { return !ReadOnly_; }
  // A button's click or change: the group takes its new index.
  void ChildClick(TObject* button);
  void Arrange();
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  void WndProc(TMessage& message) override;

  TMVWChildBtnClick OnChange;

protected:
  virtual TMVWButtonControl* CreateButton() = 0;
  virtual void SetButtonCount(int count);
  virtual void RebuildButtons();
  // The group's index as its checked buttons give it.
  virtual int GetItemIndex() = 0;
  // The buttons' checks as the index gives them.
  virtual void ApplyItemIndex() = 0;
  // Items may not hold more lines than the index can tell apart.
  virtual void CheckItemCount(int count);
  virtual void ItemsChanged();
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void RefreshButtons();
  void ForEachButton(const std::function<void(TMVWButtonControl&)>& action);
  bool Updating() const { return Updating_; }

  int ItemIndex_ = DefaultItemIndex;
  bool Updating_ = false;

private:
  friend class TMVWRadioGroupButton;
  friend class TMVWCheckGroupButton;
  void AddButton(TMVWButtonControl* button) { Buttons_.push_back(button); }
  void RemoveButton(TMVWButtonControl* button);
  void ApplyHelpContext(int index);

  TStringList Items_;
  std::vector<std::string> AcceptedItems_;
  int Columns_ = DefaultColumns;
  int ItemHeight_ = DefaultItemHeight;
  int ItemOffset_ = DefaultItemOffset;
  TMVWGlyphTextLayout BtnAlignment_;
  TMVW3DCaption Font3D_;
  bool FlatGlyphs_ = DefaultSwitch;
  TMVWGlyphTextFocusStyle FocusStyle_ = DefaultFocusStyle;
  TColor FocusColor_ = DefaultFocusColor;
  bool UseFocusColor_ = DefaultSwitch;
  TMVWImageLink GlyphLink_{*this, [this](TObject*) { RefreshButtons(); }};
  TMVWChildHelpContextID HelpContextBtn_ = DefaultHelpContextBtn;
  bool GlyphFlat_ = DefaultSwitch;
  std::uint8_t GlyphSize_ = DefaultGlyphSize;
  bool GlyphTransparent_ = DefaultGlyphTransparent;
  TColor GlyphTransparentColor_ = DefaultGlyphTransparentColor;
  bool ReadOnly_ = DefaultSwitch;
  bool UseBitmap_ = DefaultSwitch;
  std::vector<TMVWButtonControl*> Buttons_;
};

// Makes the base of radio and check groups known to form data.
void RegisterMVWCustomButtonGroup();

// The child buttons a button group makes: they ask the group whether they may change and pass
// their keys on to it.
class TMVWRadioGroupButton : public TMVWRadioButton {
public:
  explicit TMVWRadioGroupButton(TMVWCustomButtonGroup* group);
  ~TMVWRadioGroupButton() override;

  bool CanModify() override;
  void WndProc(TMessage& message) override;

private:
  TMVWCustomButtonGroup* Group_;
};

class TMVWCheckGroupButton : public TMVWCustomCheckBox {
public:
  explicit TMVWCheckGroupButton(TMVWCustomButtonGroup* group);
  ~TMVWCheckGroupButton() override;

  bool CanModify() override;
  void WndProc(TMessage& message) override;

private:
  TMVWCustomButtonGroup* Group_;
};

// The published properties both button groups share.
template <class T> void PublishButtonGroup(TClassBuilder<T>& builder) {
  PublishGroupBox(builder)
      .List(
          "Items",
          [](T& group) {
            std::vector<std::string> lines;
            for (int i = 0; i < group.Items().Count(); ++i)
              lines.push_back(group.Items().Strings(i));
            return lines;
          },
          [](T& group, const std::vector<std::string>& lines) {
            group.Items().BeginUpdate();
            group.Items().Clear();
            for (const std::string& line : lines)
              group.Items().Add(line);
            group.Items().EndUpdate();
          })
      .Integer("Columns", &T::Columns, &T::SetColumns, T::DefaultColumns)
      .Integer("ItemHeight", &T::ItemHeight, &T::SetItemHeight, T::DefaultItemHeight)
      .Integer("ItemOffset", &T::ItemOffset, &T::SetItemOffset, T::DefaultItemOffset)
      .Class("BtnAlignment", &T::BtnAlignment)
      .Class("Font3D", &T::Font3D)
      .Boolean("FlatGlyphs", &T::FlatGlyphs, &T::SetFlatGlyphs, T::DefaultSwitch)
      .Enumeration("FocusStyle", FocusStyleNames(), &T::FocusStyle, &T::SetFocusStyle,
                   T::DefaultFocusStyle)
      .Integer("FocusColor", ColorIdents(), &T::FocusColor, &T::SetFocusColor, T::DefaultFocusColor)
      .Boolean("UseFocusColor", &T::UseFocusColor, &T::SetUseFocusColor, T::DefaultSwitch)
      .Component("GlyphImageList", &T::GlyphImageList, &T::SetGlyphImageList)
      .Stored([](T& group) { return !IsGlobalContainerList(group.GlyphImageList()); })
      .String("GlyphInternal", &T::GlyphInternalRef, &T::SetGlyphInternalRef, std::string())
      .Enumeration("HelpContextBtn", {"ciDefault", "ciSameAsParent", "ciAutoNumbered"},
                   &T::HelpContextBtn, &T::SetHelpContextBtn, T::DefaultHelpContextBtn)
      .Integer("GlyphImageIndex", &T::GlyphImageIndex, &T::SetGlyphImageIndex,
               TMVWImageLink::DefaultImageIndex)
      .Integer("GlyphListIndex", &T::GlyphListIndex, &T::SetGlyphListIndex,
               TMVWImageLink::DefaultListIndex)
      .Boolean("GlyphFlat", &T::GlyphFlat, &T::SetGlyphFlat, T::DefaultSwitch)
      .Integer("GlyphSize", &T::GlyphSize, &T::SetGlyphSize, T::DefaultGlyphSize)
      .Boolean("GlyphTransparent", &T::GlyphTransparent, &T::SetGlyphTransparent,
               T::DefaultGlyphTransparent)
      .Integer("GlyphTransparentColor", ColorIdents(), &T::GlyphTransparentColor,
               &T::SetGlyphTransparentColor, T::DefaultGlyphTransparentColor)
      .Boolean("ReadOnly", &T::ReadOnly, &T::SetReadOnly, T::DefaultSwitch)
      .Boolean("UseBitmap", &T::UseBitmap, &T::SetUseBitmap, T::DefaultSwitch)
      .Event("OnChange", &T::OnChange);
}

} // namespace marivo
