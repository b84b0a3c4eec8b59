#include "widgets/foundation/MVWGlyph.h"

#include "platform/rtl/TextUtils.h"

#include <algorithm>

namespace marivo {

TMVWGlyphCache* MVWGlyphCache = nullptr;

// --- Glyph lists ------------------------------------------------------------------------------

TMVWGlyphList::TMVWGlyphList(int width, int height) : TMVWImageListItem(nullptr, width, height) {
  SetMasked(true);
}

int TMVWGlyphList::AllocateCell() {
  auto free = std::find(Used_.begin(), Used_.end(), false);
  int cell = static_cast<int>(free - Used_.begin());
  if (free == Used_.end()) {
    TBitmap empty;
    empty.SetSize(Width(), Height());
    cell = AddImages(empty, nullptr);
    Used_.push_back(false);
  }
  // Marked and counted together so a cell allocated without an image is released cleanly.
  Used_[static_cast<std::size_t>(cell)] = true;
  ++UsedCount_;
  return cell;
}

int TMVWGlyphList::AddGlyph(TBitmap& image, TColor transparentColor) {
  TBitmap mask;
  mask.Assign(image);
  mask.Mask(transparentColor);
  const int cell = AllocateCell();
  ReplaceImage(cell, image, &mask);
  return cell;
}

bool TMVWGlyphList::IsUsed(int index) const {
  return index >= 0 && index < static_cast<int>(Used_.size()) &&
         Used_[static_cast<std::size_t>(index)];
}

void TMVWGlyphList::ReleaseCell(int index) {
  if (!IsUsed(index))
    return;
  Used_[static_cast<std::size_t>(index)] = false;
  --UsedCount_;
}

// --- The cache --------------------------------------------------------------------------------

TMVWGlyphList* TMVWGlyphCache::GetList(int width, int height) {
  for (const auto& list : Lists_)
    if (list->Width() == width && list->Height() == height)
      return list.get();
  Lists_.push_back(std::make_unique<TMVWGlyphList>(width, height));
  return Lists_.back().get();
}

void TMVWGlyphCache::ReleaseList(TMVWGlyphList* list) {
  auto held = std::find_if(Lists_.begin(), Lists_.end(),
                           [list](const auto& item) { return item.get() == list; });
  if (held != Lists_.end() && list->UsedCount() == 0)
    Lists_.erase(held);
}

void FreeEmptyGlyphCache() {
  if (MVWGlyphCache && MVWGlyphCache->Count() == 0) {
    delete MVWGlyphCache;
    MVWGlyphCache = nullptr;
  }
}

// --- Glyphs -----------------------------------------------------------------------------------

TMVWGlyph::TMVWGlyph() {
  Slots_.fill(-1);
  if (!MVWGlyphCache)
    MVWGlyphCache = new TMVWGlyphCache();
  Bitmap_.OnChange = [this](TObject*) { BitmapChanged(); };
}

TMVWGlyph::~TMVWGlyph() {
  ReleaseImages();
  FreeEmptyGlyphCache();
}

void TMVWGlyph::SetGlyph(const TBitmap* value) {
  ReleaseImages();
  if (value && value->Height() > 0) {
    const int cells = value->Width() / value->Height();
    // A zero-width strip keeps the count: no glyph has zero looks.
    if (cells > 0 && value->Width() % value->Height() == 0)
      NumGlyphs_ = static_cast<TMVWNumGlyphs>(cells < 6 ? cells : 1);
  }
  // The count is set first: the change notification may paint at once.
  if (value)
    Bitmap_.Assign(*value);
  else
    Bitmap_.SetSize(0, 0);
}

void TMVWGlyph::SetNumGlyphs(TMVWNumGlyphs value) {
  if (value == NumGlyphs_ || value == 0)
    return;
  ReleaseImages();
  NumGlyphs_ = value;
}

void TMVWGlyph::SetStyle(std::uint8_t value) {
  if (value == Style_)
    return;
  ReleaseImages();
  Style_ = value;
}

void TMVWGlyph::ReleaseImages() {
  if (!List_)
    return;
  for (int& slot : Slots_) {
    List_->ReleaseCell(slot);
    slot = -1;
  }
  // A list exists only inside the cache, which stays while any of its lists has a used cell.
  MVWGlyphCache->ReleaseList(List_);
  List_ = nullptr;
}

void TMVWGlyph::BitmapChanged() {
  TransparentColor_ = Bitmap_.TransparentColor();
  ReleaseImages();
  if (OnChange)
    OnChange(this);
}

void TMVWGlyph::BuildImage(TBitmap& image, int slot, int cells, int w, int h) {
  const bool ownCell = slot < cells && !(Style_ == GlyphStyleShaded && slot == 0);
  const int cell = ownCell ? slot : 0;
  image.SetSize(w, h);
  BitBlt(image.Canvas().Handle(), 0, 0, w, h, Bitmap_.Canvas().Handle(), cell * w, 0, SRCCOPY);
  if (ownCell)
    return;
  TBitmap rendition;
  if (slot == 0) {
    MakeDisabledBitmap(rendition, image);
  } else if (slot == 1) {
    rendition.SetSize(w, h);
    EmbossBitmap(rendition, image, 0, 0);
  } else {
    return;
  }
  image.Assign(rendition);
}

int TMVWGlyph::GetStateImage(std::uint8_t state) {
  // The setters never store 0; the division stays safe all the same.
  const int cells = std::max<int>(NumGlyphs_, 1);
  int slot = 0;
  if (state == 1 || state == 7)
    slot = 1;
  else if (state <= cells - 1)
    slot = state;
  else if (Style_ == GlyphStyleShaded)
    slot = state == 6 ? 4 : 2;
  int& image = Slots_[static_cast<std::size_t>(slot)];
  if (image >= 0)
    return image;
  const int w = Bitmap_.Width() / cells;
  const int h = Bitmap_.Height();
  // More looks than pixel columns leave cells without width: nothing to show.
  if (Bitmap_.Empty() || w == 0)
    return -1;
  TBitmap picture;
  BuildImage(picture, slot, cells, w, h);
  if (!MVWGlyphCache)
    MVWGlyphCache = new TMVWGlyphCache();
  TMVWGlyphList* list = List_ ? List_ : MVWGlyphCache->GetList(w, h);
  try {
    image = list->AddGlyph(picture, TransparentColor_);
  } catch (const EInvalidGraphicOperation&) {
    // A strip at its width limit: the button shows its caption alone rather than raising at
    // every paint, and a list taken for nothing goes back.
    if (!List_)
      MVWGlyphCache->ReleaseList(list);
    return -1;
  }
  List_ = list;
  return image;
}

void TMVWGlyph::Draw(TCanvas& canvas, const std::string& caption, UINT bidiFlags, bool multiLine,
                     std::uint16_t options, TMVWButtonLayout& layout, std::uint8_t state,
                     const RECT& rect, TMVWFxCaption* captionStyle) {
  const int image = GetStateImage(state);
  RECT source{};
  TCanvas* strip = nullptr;
  TBitmap* mask = nullptr;
  if (image >= 0) {
    source = List_->ImageRect(image);
    strip = &List_->Strip().Canvas();
    mask = &List_->MaskStrip();
  }
  TMVWLayoutRects rects;
  DrawGlyphTextLayout(canvas, caption, captionStyle, rects, bidiFlags, options, true, true,
                      multiLine, layout, TransparentColor_, mask, source, strip, rect);
}

// --- Looks and focus flags --------------------------------------------------------------------

int ButtonStyleBevelWidth(TMVWUserButtonStyle style) {
  // Indexed by look; ubsAutoDetect is ubsWin40, new-style controls being always present.
  static constexpr int widths[] = {2, 3, 2, 2, 2, 1, 1, 2, 1, 1, 2, 1, 1, 1};
  return style < std::size(widths) ? widths[style] : 0;
}

std::uint16_t FocusStyleToDrawFlags(TMVWGlyphTextFocusStyle style) {
  switch (style) {
  case fcText:
    return LayoutInvalidateText;
  case fcGlyph:
    return LayoutInvalidateGlyph;
  case fcGlyphText:
    return LayoutInvalidateAll;
  default:
    return 0;
  }
}

std::optional<TMVWUserButtonStyle> LegacyButtonStyle(const std::string& name) {
  for (const TMVWLegacyButtonStyleName& legacy : LegacyButtonStyleNames)
    if (SameText(legacy.Name, name))
      return legacy.Style;
  return std::nullopt;
}

} // namespace marivo
