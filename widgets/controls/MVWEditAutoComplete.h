#pragma once

#include "platform/ui/Lists.h"
#include "platform/ui/WindowProcs.h"
#include "widgets/controls/MVWComponent.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace marivo {

class TMVWBaseEdit;
class TMVWStringList;

using TMVWAutoCompleteModes = std::uint8_t;
enum : TMVWAutoCompleteModes { amText = 1 << 0, amPopup = 1 << 1 };
using TMVWAutoCompleteAddOns = std::uint8_t;
enum : TMVWAutoCompleteAddOns { aaControlExit = 1 << 0, aaControlReturn = 1 << 1 };
// Where OnAdd sends an unknown text; only the string list is acted on.
using TMVWAutoCompleteSource = std::uint8_t;
constexpr TMVWAutoCompleteSource acsStringList = 0;

using TMVWAutoCompleteAddEvent =
    std::function<void(TObject* Sender, TMVWBaseEdit* editControl, std::string& addText, bool& add,
                       TMVWAutoCompleteSource& addTo)>;

// Completes what is typed into an edit from the lines of one string-list item: inline, with the
// proposed rest selected, and or as a list of candidates under the edit, which the arrow keys,
// Enter and Escape work while the edit keeps the focus.
class TMVWEditAutoComplete : public TMVWComponent {
public:
  static constexpr TMVWAutoCompleteAddOns DefaultAddUnknownOn = 0;
  static constexpr TMVWAutoCompleteModes DefaultMode = 0;
  static constexpr std::int32_t DefaultStringListIndex = 0;
  static constexpr bool DefaultEnabled = true;

  explicit TMVWEditAutoComplete(TComponent* owner);
  ~TMVWEditAutoComplete() override;

  TMVWStringList* StringList() const { return StringList_; }
  // Forgotten when the list is freed.
  void SetStringList(TMVWStringList* value);
  std::int32_t StringListIndex() const { return StringListIndex_; }
  // Ignored without a string list; lowered to the last item. Kept as read while loading.
  void SetStringListIndex(std::int32_t value);
  TMVWAutoCompleteModes Mode() const { return Mode_; }
  void SetMode(TMVWAutoCompleteModes value) { Mode_ = value; }
  TMVWAutoCompleteAddOns AddUnknownOn() const { return AddUnknownOn_; }
  void SetAddUnknownOn(TMVWAutoCompleteAddOns value) { AddUnknownOn_ = value; }
  bool Enabled() const { return Enabled_; }
  void SetEnabled(bool value) { Enabled_ = value; }

  // After a change of the edit's text: the completion goes in with its rest selected. The text
  // is a copy, as the edit's own text changes on the way.
  void Complete(TMVWBaseEdit* edit, std::string text);
  void FindCompletion(TMVWBaseEdit* edit, const std::string& text, std::string& result);
  void ShowPopupFor(TMVWBaseEdit* edit, const std::string& text);
  void ShowList(TMVWBaseEdit* edit, const std::vector<std::string>& list);
  void ClosePopup();
  void AddUnknown(TMVWBaseEdit* edit, std::string text);
  // The open list of candidates, or nullptr.
  TListBox* Popup() const { return ListBox_; }

  TMVWAutoCompleteAddEvent OnAdd;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  // The candidate lines; nullptr without a string list or with an index outside it.
  TStrings* Candidates() const;
  void PopupWindowProc(TMessage& message);
  // The edit's text becomes text, all of it selected with the caret at the end.
  void SetEditText(const std::string& text);
  void ForgetEdit();

  TMVWStringList* StringList_ = nullptr;
  std::int32_t StringListIndex_ = DefaultStringListIndex;
  TMVWAutoCompleteModes Mode_ = DefaultMode;
  TMVWAutoCompleteAddOns AddUnknownOn_ = DefaultAddUnknownOn;
  bool Enabled_ = DefaultEnabled;
  std::string TypedText_;
  TListBox* ListBox_ = nullptr;
  TMVWBaseEdit* HookedEdit_ = nullptr;
  TWndMethod SavedWindowProc_;
  HWND CloseWindow_ = nullptr; // takes the posted close of a popup
};

// Makes the component known to form data.
void RegisterMVWEditAutoComplete();

} // namespace marivo
