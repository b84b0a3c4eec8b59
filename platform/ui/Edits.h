#pragma once

#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrls.h"

namespace marivo {

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A platform edit. OnChange runs whenever the text changes, typed or set in code. The platform
// reports typing, but not text set in code in a multi-line edit, so code changes are reported by
// the object itself.
class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* owner);

  bool ReadOnly() const { return ReadOnly_; }
  void SetReadOnly(bool value);

  void WndProc(TMessage& message) override;

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void Change();
  // The window's text changed, by typing or by the program.
  virtual void WindowTextChanged() = 0;

private:
  bool ReadOnly_ = false;
  TControlBrush Brush_;
};

// A multi-line edit whose text is Lines, in step with the window both ways. It holds any length.
class TMemo : public TCustomEdit {
public:
  explicit TMemo(TComponent* owner);

  TStringList& Lines() { return Lines_; }
  TScrollStyle ScrollBars() const { return ScrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return WordWrap_; }
  void SetWordWrap(bool value);

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WindowTextChanged() override;

private:
  // A line added at the end reaches the window on its own, in time that does not grow with the
  // lines before it: a traffic log grows by a line per frame for a whole event.
  class TMemoLines : public TStringList {
  public:
    explicit TMemoLines(TMemo& memo) : Memo_(memo) {}
    int AddObject(const std::string& text, TObject* object) override;

  private:
    TMemo& Memo_;
  };

  void LinesChanged();
  void ShowLines();
  void ShowAddedLine(const std::string& text);

  TMemoLines Lines_{*this};
  const std::string* Appended_ = nullptr; // the line being added at the end, during its change
  std::string Shown_;                     // the text last put into or read from the window
  TScrollStyle ScrollBars_ = ssNone;
  bool WordWrap_ = true;
  bool Syncing_ = false;
  bool Writing_ = false;
};

void RegisterEditClasses();

} // namespace marivo
