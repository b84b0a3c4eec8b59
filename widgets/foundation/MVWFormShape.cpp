#include "widgets/foundation/MVWFormShape.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/ui/Forms.h"
#include "widgets/foundation/MVWContainer.h"

namespace marivo {

namespace {

constexpr LONG MinimisedStyle = 0x20000000;

struct TFrame {
  int Width = 0;
  int Height = 0;
  int Caption = 0;
};

TFrame FrameOf(TFormBorderStyle style) {
  TFrame frame;
  const bool sizing = style == bsSizeable || style == bsSizeToolWin;
  frame.Width = GetSystemMetrics(sizing ? SM_CXFRAME : SM_CXDLGFRAME);
  frame.Height = GetSystemMetrics(sizing ? SM_CYFRAME : SM_CYDLGFRAME);
  switch (style) {
  case bsNone:
    frame = {};
    break;
  case bsToolWindow:
  case bsSizeToolWin:
    frame.Caption = GetSystemMetrics(SM_CYSMCAPTION);
    break;
  default:
    frame.Caption = GetSystemMetrics(SM_CYCAPTION);
    break;
  }
  return frame;
}

bool PicturesTheForm(const TMVWFormShape& shape) {
  return shape.UseRgnBitmap() && shape.Region().Shape() == rsBitmap;
}

} // namespace

TMVWFormShape::TMVWFormShape(TComponent* owner)
    : TMVWWndProcComponent(owner), Region_(std::make_unique<TMVWBorderRegion>()),
      FillObject_(std::make_unique<TMVWFillObject>()), BackBitmap_(std::make_unique<TBitmap>()) {
  const auto changed = [this](TObject* sender) { ContainerChanged(sender); };
  Region_->SetOwnerControl(dynamic_cast<TWinControl*>(owner));
  Region_->OnChange = changed;
  FillObject_->OnChange = changed;
  Link_.OnChange = changed;
}

TMVWFormShape::~TMVWFormShape() {
  if (TMVWCustomImageList* list = ImageList())
    list->RemoveChangeLink(&Link_);
  Link_.OnChange = nullptr;
  FillObject_->OnChange = nullptr;
  Region_->OnChange = nullptr;
  Region_->SetOwnerControl(nullptr);
}

TForm* TMVWFormShape::OwnerForm() const {
  return dynamic_cast<TForm*>(Owner());
}

void TMVWFormShape::SetShowFormCaption(bool value) {
  if (Store(ShowFormCaption_, value))
    UpdateRegion();
}

void TMVWFormShape::SetUseRgnBitmap(bool value) {
  if (Store(UseRgnBitmap_, value))
    ContainerChanged(this);
}

TMVWCustomImageList* TMVWFormShape::ImageList() const {
  return Link_.Sender() ? ImageList_ : nullptr;
}

void TMVWFormShape::SetImageList(TMVWCustomImageList* value) {
  if (TMVWCustomImageList* old = ImageList())
    old->RemoveChangeLink(&Link_);
  ImageList_ = value;
  if (value)
    value->AddChangeLink(&Link_);
  ContainerChanged(this);
}

void TMVWFormShape::ContainerChanged(TObject* sender) {
  TMVWWndProcComponent::ContainerChanged(sender);
  UpdateRegion();
}

void TMVWFormShape::Loaded() {
  TMVWWndProcComponent::Loaded();
  if (Enabled())
    UpdateRegion();
}

void TMVWFormShape::UpdateRegion() {
  TForm* form = OwnerForm();
  if (!form || (ComponentState() & csLoading) || (form->ComponentState() & csLoading) ||
      !form->HandleAllocated())
    return;
  // Resizing for a picture sends WM_SIZE, which asks for this again.
  if (Updating_)
    return;
  const struct TUpdating {
    bool& Flag;
    explicit TUpdating(bool& flag) : Flag(flag) { Flag = true; }
    ~TUpdating() { Flag = false; }
  } updating(Updating_);
  const HWND window = form->Handle();
  const bool minimised = (GetWindowLongA(window, GWL_STYLE) & MinimisedStyle) != 0;
  const TFrame frame = FrameOf(form->BorderStyle());
  const TBitmap& picture = Region_->Mask().BorderBitmap();
  if (!minimised && Region_->Shape() == rsBitmap && !picture.Empty()) {
    const int depth = Region_->Shadow().Depth();
    form->SetBounds(form->Left(), form->Top(), picture.Width() + depth + 2 * frame.Width,
                    picture.Height() + frame.Caption + 2 * frame.Height + depth);
  }
  const RECT caption{0, 0, form->Width(), frame.Caption + frame.Height};
  TRegionHandle result;
  if (minimised) {
    Region_->SetRectRegion(caption);
    result.Reset(CreateRectRgnIndirect(&caption));
  } else {
    ShapeRect_ = {-1, -1, form->Width() - 2 * frame.Width + 1,
                  form->Height() - 2 * frame.Height - frame.Caption + 1};
    Region_->CreateRegion(ShapeRect_);
    // Without a region of its own the window keeps the plain shape rectangle, never nothing.
    result.Reset(Region_->Handle() ? CreateRectRgn(0, 0, 0, 0)
                                   : CreateRectRgnIndirect(&ShapeRect_));
    if (!result)
      return;
    if (Region_->Handle())
      CombineRgn(result.Get(), Region_->Handle(), nullptr, RGN_COPY);
    OffsetRgn(result.Get(), frame.Width, frame.Caption + frame.Height);
    if (Region_->Shadow().Style() != hssNone) {
      const int depth = Region_->Shadow().Depth();
      if (const TRegionHandle shadow{CreateRectRgn(0, 0, 0, 0)}) {
        CombineRgn(shadow.Get(), result.Get(), nullptr, RGN_COPY);
        OffsetRgn(shadow.Get(), depth, depth);
        CombineRgn(result.Get(), result.Get(), shadow.Get(), RGN_OR);
      }
    }
    if (const TRegionHandle captionRegion{CreateRectRgnIndirect(&caption)}) {
      const bool keepCaption = ShowFormCaption_ && form->BorderStyle() != bsNone;
      CombineRgn(result.Get(), result.Get(), captionRegion.Get(), keepCaption ? RGN_OR : RGN_DIFF);
    }
  }
  if (!result)
    return;
  SetWindowRgn(window, nullptr, FALSE);
  // The window owns the region it took; one it refused is still ours to delete.
  if (SetWindowRgn(window, result.Get(), TRUE))
    result.Release();
  CaptionHeight_ = frame.Caption;
}

void TMVWFormShape::PaintBackground(HDC dc) {
  TForm* form = OwnerForm();
  if (!form)
    return;
  TCanvas canvas;
  canvas.SetHandle(dc ? dc : form->Canvas().Handle());
  const RECT paint{0, 0, form->ClientWidth(), form->ClientHeight()};
  if (PicturesTheForm(*this)) {
    canvas.Draw(0, 0, Region_->Mask().BorderBitmap());
  } else if (FillObject_->Style() != sfNone) {
    BackBitmap_->SetSize(paint.right, paint.bottom);
    TMVWCustomImageList* list = ImageList();
    if (FillObject_->Style() == sfBitmapList && list && list->IsValid(ListIndex_, ImageIndex_))
      list->GetBitmap(ListIndex_, ImageIndex_, FillObject_->ListBitmap());
    FillObject_->FillRect(BackBitmap_->Canvas(), paint, 0xFFFFFF);
    canvas.Draw(0, 0, *BackBitmap_);
  }
  Region_->PaintBorder(canvas, paint);
}

void TMVWFormShape::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_SIZE:
    // The form still lays out its aligned controls on its size.
    CallPreviousWndProc(message);
    UpdateRegion();
    if (TForm* form = OwnerForm())
      InvalidateRect(form->Handle(), nullptr, TRUE);
    return;
  case WM_ERASEBKGND:
    if (FillObject_->Style() == sfNone && Region_->Shape() != rsBitmap)
      CallPreviousWndProc(message);
    PaintBackground(reinterpret_cast<HDC>(message.WParam));
    message.Result = 1;
    return;
  case WM_NCHITTEST: {
    CallPreviousWndProc(message);
    TForm* form = OwnerForm();
    if (!FormDragable_ || !form || message.Result != HTCLIENT || RightButton_)
      return;
    const POINT point = form->ScreenToClient(
        {static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))});
    // Windowed children answer their own hit tests; window-less ones sit on the form's.
    if (!form->ControlAtPos(point, false))
      message.Result = HTCAPTION;
    return;
  }
  case WM_NCRBUTTONDOWN:
    CallPreviousWndProc(message);
    RightButton_ = true;
    return;
  case WM_NCRBUTTONUP:
  case WM_CAPTURECHANGED:
    CallPreviousWndProc(message);
    RightButton_ = false;
    return;
  default:
    CallPreviousWndProc(message);
  }
}

bool FormShapeHasBackground(const TMVWFormShape* formShape) {
  return formShape && (PicturesTheForm(*formShape) || formShape->FillObject().Style() != sfNone);
}

TBitmap* FormShapeBackBitmap(const TMVWFormShape* formShape) {
  if (!formShape)
    return nullptr;
  if (PicturesTheForm(*formShape))
    return &formShape->Region().Mask().BorderBitmap();
  if (formShape->FillObject().Style() != sfNone)
    return &formShape->BackBitmap();
  return nullptr;
}

bool DrawFormShapeBackground(const TMVWFormShape* formShape, TCanvas& canvas, const RECT& destRect,
                             POINT origin) {
  TBitmap* back = FormShapeBackBitmap(formShape);
  if (!back)
    return false;
  BitBlt(canvas.Handle(), destRect.left, destRect.top, destRect.right - destRect.left,
         destRect.bottom - destRect.top, back->Canvas().Handle(), origin.x, origin.y, SRCCOPY);
  return true;
}

void RegisterMVWFormShape() {
  using T = TMVWFormShape;
  RegisterComponentClass<T, TMVWWndProcComponent>("TMVWFormShape")
      .String("About", &T::About, &T::SetAbout, std::string())
      .Boolean("Enabled", &T::Enabled, &T::SetEnabled, T::DefaultEnabled)
      .Class("Region", &T::Region)
      .Boolean("ShowFormCaption", &T::ShowFormCaption, &T::SetShowFormCaption,
               T::DefaultShowFormCaption)
      .Boolean("FormDragable", &T::FormDragable, &T::SetFormDragable, T::DefaultFormDragable)
      .Boolean("UseRgnBitmap", &T::UseRgnBitmap, &T::SetUseRgnBitmap, T::DefaultUseRgnBitmap)
      .Class("FillObject", &T::FillObject)
      .Component("ImageList", &T::ImageList, &T::SetImageList)
      .Stored([](T& shape) { return !IsGlobalContainerList(shape.ImageList()); })
      .Integer("ListIndex", &T::ListIndex, &T::SetListIndex, T::DefaultIndex)
      .Integer("ImageIndex", &T::ImageIndex, &T::SetImageIndex, T::DefaultIndex)
      .String(
          "Internal", [](T& shape) { return WriteContainerListRef(shape.ImageList()); },
          [](T& shape, const std::string& text) { shape.SetImageList(ReadContainerListRef(text)); },
          std::string());
}

} // namespace marivo
