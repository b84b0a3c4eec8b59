#include "platform/ui/Labels.h"

#include "platform/rtl/ClassRegistry.h"

namespace marivo {

namespace {

// Selects a font into a DC for one measurement or drawing.
class TFontSelection {
public:
  TFontSelection(HDC dc, HFONT font) : DC_(dc), Old_(SelectObject(dc, font)) {}
  ~TFontSelection() { SelectObject(DC_, Old_); }
  TFontSelection(const TFontSelection&) = delete;
  TFontSelection& operator=(const TFontSelection&) = delete;

private:
  HDC DC_;
  HGDIOBJ Old_;
};

} // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetParentColor(true);
  SetBounds(0, 0, 65, 17);
}

void TLabel::SetAlignment(TAlignment value) {
  if (value == Alignment_)
    return;
  Alignment_ = value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  if (value == Layout_)
    return;
  Layout_ = value;
  Invalidate();
}

void TLabel::SetWordWrap(bool value) {
  if (value == WordWrap_)
    return;
  WordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (value == Transparent_)
    return;
  Transparent_ = value;
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  if (value == AutoSize_)
    return;
  AutoSize_ = value;
  AdjustBounds();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::WndProc(TMessage& message) {
  TGraphicControl::WndProc(message);
  if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED)
    AdjustBounds();
}

UINT TLabel::TextFlags() const {
  static constexpr UINT alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  // Captions show their text as written: an ampersand is not an accelerator here.
  UINT flags = alignments[Alignment_] | DT_NOPREFIX | DT_EXPANDTABS;
  if (WordWrap_)
    flags |= DT_WORDBREAK;
  return flags;
}

RECT TLabel::MeasureText(HDC dc, int width) {
  // An empty caption still keeps one line's height, so an auto-sized label does not vanish.
  const std::string text = Caption().empty() ? std::string(" ") : Caption();
  RECT bounds{0, 0, width, 0};
  TFontSelection font(dc, Font().Handle());
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &bounds, TextFlags() | DT_CALCRECT);
  return bounds;
}

void TLabel::AdjustBounds() {
  if (!AutoSize_ || (ComponentState() & csLoading))
    return;
  HDC dc = GetDC(nullptr);
  const RECT text = MeasureText(dc, Width());
  ReleaseDC(nullptr, dc);
  if (WordWrap_) {
    SetBounds(Left(), Top(), Width(), text.bottom);
    return;
  }
  // A right-aligned label grows to the left and a centred one to both sides, so text that is
  // lined up with its neighbours stays lined up.
  int left = Left();
  const int grown = Width() - text.right;
  if (Alignment_ == taRightJustify)
    left += grown;
  else if (Alignment_ == taCenter)
    left += grown / 2;
  SetBounds(left, Top(), text.right, text.bottom);
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  const RECT client{0, 0, Width(), Height()};
  if (!Transparent_) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(client);
  }
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().Assign(Font());
  if (!Enabled())
    canvas.Font().SetColor(clGrayText);
  RECT bounds = client;
  if (Layout_ != tlTop) {
    const int textHeight = MeasureText(canvas.Handle(), Width()).bottom;
    const int free = Height() - textHeight;
    bounds.top = Layout_ == tlCenter ? free / 2 : free;
  }
  canvas.TextRect(bounds, Caption(), TextFlags());
}

void RegisterLabelClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TLabel, TGraphicControl>("TLabel")
        .Enumeration("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                     &TLabel::Alignment, &TLabel::SetAlignment, taLeftJustify)
        .Enumeration("Layout", {"tlTop", "tlCenter", "tlBottom"}, &TLabel::Layout,
                     &TLabel::SetLayout, tlTop)
        .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false)
        .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false)
        .Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true)
        .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
