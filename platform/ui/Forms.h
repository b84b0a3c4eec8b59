#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/GdiHandles.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace marivo {

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poScreenCenter, poMainFormCenter };

// What a modal form returns; other values are the program's own.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// Limits the size the user or the program can give a form; 0 means no limit.
class TSizeConstraints : public TPersistent {
public:
  int MinWidth() const { return MinWidth_; }
  void SetMinWidth(int value) { MinWidth_ = value; }
  int MinHeight() const { return MinHeight_; }
  void SetMinHeight(int value) { MinHeight_ = value; }
  int MaxWidth() const { return MaxWidth_; }
  void SetMaxWidth(int value) { MaxWidth_ = value; }
  int MaxHeight() const { return MaxHeight_; }
  void SetMaxHeight(int value) { MaxHeight_ = value; }
  void Apply(int& width, int& height) const;

private:
  int MinWidth_ = 0;
  int MinHeight_ = 0;
  int MaxWidth_ = 0;
  int MaxHeight_ = 0;
};

// A top-level window whose components, properties and handlers come from its form data, stored
// as a resource named after the form's class.
class TForm : public TWinControl {
public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // Reads the form data of this form's class, then runs OnCreate.
  void LoadFromResource();
  // Asks OnCloseQuery, then OnClose; closing the main form ends the application, closing a
  // modal form gives mrCancel.
  void Close();
  bool CloseQuery();

  // Shows the form and handles the program's messages, the other threads' sent ones included,
  // until ModalResult is set, the form is hidden or the application ends (mrCancel); meanwhile
  // the program's other windows take no input.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return ModalResult_; }
  void SetModalResult(TModalResult value);

  TFormBorderStyle BorderStyle() const { return BorderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TFormStyle FormStyle() const { return FormStyle_; }
  void SetFormStyle(TFormStyle value);
  TPosition Position() const { return Position_; }
  void SetPosition(TPosition value) { Position_ = value; }
  bool KeyPreview() const { return KeyPreview_; }
  void SetKeyPreview(bool value) { KeyPreview_ = value; }
  TSizeConstraints& Constraints() { return Constraints_; }
  // The control that last took the focus on this form; focus leaving the form keeps it.
  TWinControl* ActiveControl() const { return ActiveControl_; }
  // Makes control the active one: CM_EXIT to the one before, then CM_ENTER to control.
  void SetFocusedControl(TWinControl* control);
  // control is going: it is no longer active.
  void ControlRemoved(TWinControl* control);
  // Focuses the control after current in tab order (before it when not forward), going round:
  // windowed controls with TabStop that can take the focus, each before its own children.
  void SelectNext(TWinControl* current, bool forward);
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  void SetBounds(int left, int top, int width, int height) override;

  // Draws on the client area through the window's DC, taken when first asked for (making the
  // window) and given back when the window goes.
  TCanvas& Canvas();
  // The topmost visible child at a client point; disabled ones only with allowDisabled, windowed
  // ones only with allowWinControls. nullptr when none is there.
  TControl* ControlAtPos(POINT client, bool allowDisabled, bool allowWinControls = false) const;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnResize;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void Resized() override;

private:
  void PlaceForShowing();
  SIZE FrameSize();
  void ReleaseCanvas();

  TFormBorderStyle BorderStyle_ = bsSizeable;
  TFormStyle FormStyle_ = fsNormal;
  TPosition Position_ = poDesigned;
  bool KeyPreview_ = false;
  TSizeConstraints Constraints_;
  bool Modal_ = false;
  TModalResult ModalResult_ = mrNone;
  TCanvas Canvas_;
  std::optional<TWindowDC> CanvasDC_;
  TWinControl* ActiveControl_ = nullptr;
};

// The forms that exist, in the order they were created, and the cursor over all of them.
class TScreen {
public:
  int FormCount() const { return static_cast<int>(Forms_.size()); }
  TForm* Forms(int index) const { return Forms_.at(static_cast<std::size_t>(index)); }
  // Any shape but crDefault shows over every control of the program until crDefault is back.
  TCursor Cursor() const { return Cursor_; }
  void SetCursor(TCursor value);

private:
  friend class TForm;
  std::vector<TForm*> Forms_;
  TCursor Cursor_ = crDefault;
};

TScreen& Screen();

} // namespace marivo
