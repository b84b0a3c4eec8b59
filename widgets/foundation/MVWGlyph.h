#pragma once

#include "platform/ui/Pictures.h"
#include "widgets/foundation/MVWButtonLayout.h"
#include "widgets/foundation/MVWFxCaption.h"
#include "widgets/foundation/MVWGraph.h"
#include "widgets/foundation/MVWImageList.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace marivo {

// The number of looks side by side in a glyph bitmap; the buttons publish 0..5.
using TMVWNumGlyphs = std::uint8_t;

// TMVWGlyph::Style values.
constexpr std::uint8_t GlyphStyleNormal = 0;
constexpr std::uint8_t GlyphStyleShaded = 1;

enum TMVWGlyphTextFocusStyle : std::uint8_t { fcControl, fcText, fcGlyph, fcGlyphText, fcNone };

// A masked strip of equal cells lent to glyphs; a released cell keeps its pixels until reused.
class TMVWGlyphList : public TMVWImageListItem {
public:
  TMVWGlyphList(int width, int height);

  // The first free cell, or one appended; marked used.
  int AllocateCell();
  // The image masked by transparentColor in a newly allocated cell; its index.
  int AddGlyph(TBitmap& image, TColor transparentColor);
  // Indexes not in use are ignored.
  void ReleaseCell(int index);
  bool IsUsed(int index) const;
  int UsedCount() const { return UsedCount_; }

private:
  std::vector<bool> Used_;
  int UsedCount_ = 0;
};

// At most one glyph list per cell size, shared by all glyphs.
class TMVWGlyphCache : public TObject {
public:
  // The list of that cell size, made when missing.
  TMVWGlyphList* GetList(int width, int height);
  // Frees the list when it is held here and has no used cell.
  void ReleaseList(TMVWGlyphList* list);
  int Count() const { return static_cast<int>(Lists_.size()); }

private:
  std::vector<std::unique_ptr<TMVWGlyphList>> Lists_;
};

// Made by the first glyph, freed with the last glyph that finds it empty.
extern TMVWGlyphCache* MVWGlyphCache;
// Frees the global cache when it holds no list; one still in use stays for its glyphs.
void FreeEmptyGlyphCache();

// A button's glyph bitmap of up to five looks and the images it draws per button state, built
// on first use and kept in the shared glyph lists.
class TMVWGlyph : public TObject {
public:
  static constexpr TMVWNumGlyphs DefaultNumGlyphs = 1;

  TMVWGlyph();
  ~TMVWGlyph() override;
  TMVWGlyph(const TMVWGlyph&) = delete;
  TMVWGlyph& operator=(const TMVWGlyph&) = delete;

  TBitmap& Bitmap() { return Bitmap_; }
  // A copy of value, none for nullptr; a strip of square cells sets NumGlyphs (1 above five).
  void SetGlyph(const TBitmap* value);
  TMVWNumGlyphs NumGlyphs() const { return NumGlyphs_; }
  // 0 is ignored.
  void SetNumGlyphs(TMVWNumGlyphs value);
  std::uint8_t Style() const { return Style_; }
  void SetStyle(std::uint8_t value);
  TColor TransparentColor() const { return TransparentColor_; }

  // The cell in List() of the state's image, built when missing; -1 when there is none.
  int GetStateImage(std::uint8_t state);
  // The cell an image slot holds, or -1.
  int SlotImage(int slot) const { return Slots_[static_cast<std::size_t>(slot)]; }
  TMVWGlyphList* List() const { return List_; }
  // Gives back every image and the list.
  void ReleaseImages();

  // Glyph of the state and caption laid out in rect; options are the layout's effect flags.
  void Draw(TCanvas& canvas, const std::string& caption, UINT bidiFlags, bool multiLine,
            std::uint16_t options, TMVWButtonLayout& layout, std::uint8_t state, const RECT& rect,
            TMVWFxCaption* captionStyle);

  TNotifyEvent OnChange;

private:
  void BitmapChanged();
  // The w x h image of slot k out of the strip's cells.
  void BuildImage(TBitmap& image, int slot, int cells, int w, int h);

  TBitmap Bitmap_;
  TMVWNumGlyphs NumGlyphs_ = DefaultNumGlyphs;
  std::uint8_t Style_ = GlyphStyleNormal;
  TColor TransparentColor_ = clNone;
  std::array<int, 9> Slots_;
  TMVWGlyphList* List_ = nullptr;
};

// Border width of a button look's face.
int ButtonStyleBevelWidth(TMVWUserButtonStyle style);
// The layout flag of DrawGlyphTextLayout whose rect the focus mark surrounds; 0 for the rest.
std::uint16_t FocusStyleToDrawFlags(TMVWGlyphTextFocusStyle style);

struct TMVWLegacyButtonStyleName {
  const char* Name;
  TMVWUserButtonStyle Style;
};

// Look names of the push button's older streams.
inline constexpr std::array<TMVWLegacyButtonStyleName, 3> LegacyButtonStyleNames = {{
    {"nbsAutoDetect", ubsAutoDetect},
    {"nbsWin31", ubsWin31},
    {"nbsWin40", ubsWin40},
}};
// The look a legacy name means, in any letter case; none for other names.
std::optional<TMVWUserButtonStyle> LegacyButtonStyle(const std::string& name);

} // namespace marivo
