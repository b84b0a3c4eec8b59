#pragma once

#include "platform/ui/Pictures.h"

#include <commctrl.h>

#include <vector>

namespace marivo {

class TCustomImageList;

// Tells its owner of every change of the image list it is registered with. Freed, it unregisters.
class TChangeLink {
public:
  TChangeLink() = default;
  ~TChangeLink();
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;

  TCustomImageList* Sender() const { return Sender_; }
  void Change();

  TNotifyEvent OnChange;

private:
  friend class TCustomImageList;
  TCustomImageList* Sender_ = nullptr;
};

// Images of one size in a system image list, optionally with masks.
class TCustomImageList : public TComponent {
public:
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  int Width() const { return Width_; }
  int Height() const { return Height_; }
  // A new size or masking empties the list.
  void SetSize(int width, int height);
  void SetWidth(int value) { SetSize(value, Height_); }
  void SetHeight(int value) { SetSize(Width_, value); }
  bool Masked() const { return Masked_; }
  void SetMasked(bool value);
  int Count() const;
  HIMAGELIST Handle() const { return Handle_; }

  // The images of the bitmap, cut in Width pieces, with a monochrome mask (or none: the
  // bitmap's transparent colour); the index of the first, -1 when none was added.
  int Add(TBitmap& image, TBitmap* mask);
  void Clear();
  // The image drawn on white, at the list's size; EInvalidOperation outside the list.
  void GetBitmap(int index, TBitmap& bitmap) const;
  void Draw(TCanvas& canvas, int x, int y, int index) const;

  void RegisterChanges(TChangeLink* link);
  void UnRegisterChanges(TChangeLink* link);
  virtual void Change();

  TNotifyEvent OnChange;

private:
  void Recreate();

  int Width_ = 16;
  int Height_ = 16;
  bool Masked_ = true;
  HIMAGELIST Handle_ = nullptr;
  std::vector<TChangeLink*> Links_;
};

class TImageList : public TCustomImageList {
public:
  using TCustomImageList::TCustomImageList;
};

// Makes TImageList known to form data; the first call does it.
void RegisterImageListClasses();

} // namespace marivo
