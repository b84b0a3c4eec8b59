#include "platform/ui/Graphics.h"

#include "platform/rtl/Exceptions.h"

namespace marivo {

const std::vector<std::pair<std::string, std::int64_t>>& ColorIdents() {
  static const std::vector<std::pair<std::string, std::int64_t>> idents = {
      {"clBlack", clBlack},
      {"clMaroon", clMaroon},
      {"clGreen", clGreen},
      {"clOlive", clOlive},
      {"clNavy", clNavy},
      {"clPurple", clPurple},
      {"clTeal", clTeal},
      {"clGray", clGray},
      {"clSilver", clSilver},
      {"clRed", clRed},
      {"clLime", clLime},
      {"clYellow", clYellow},
      {"clBlue", clBlue},
      {"clFuchsia", clFuchsia},
      {"clAqua", clAqua},
      {"clWhite", clWhite},
      {"clNone", clNone},
      {"clDefault", clDefault},
      {"clScrollBar", clScrollBar},
      {"clBackground", clBackground},
      {"clActiveCaption", clActiveCaption},
      {"clInactiveCaption", clInactiveCaption},
      {"clMenu", clMenu},
      {"clWindow", clWindow},
      {"clWindowFrame", clWindowFrame},
      {"clMenuText", clMenuText},
      {"clWindowText", clWindowText},
      {"clCaptionText", clCaptionText},
      {"clActiveBorder", clActiveBorder},
      {"clInactiveBorder", clInactiveBorder},
      {"clAppWorkSpace", clAppWorkSpace},
      {"clHighlight", clHighlight},
      {"clHighlightText", clHighlightText},
      {"clBtnFace", clBtnFace},
      {"clBtnShadow", clBtnShadow},
      {"clGrayText", clGrayText},
      {"clBtnText", clBtnText},
      {"clInactiveCaptionText", clInactiveCaptionText},
      {"clBtnHighlight", clBtnHighlight},
      {"cl3DDkShadow", cl3DDkShadow},
      {"cl3DLight", cl3DLight},
      {"clInfoText", clInfoText},
      {"clInfoBk", clInfoBk},
  };
  return idents;
}

std::uint32_t ColorToRGB(TColor color) {
  if (color < 0)
    return GetSysColor(color & 0xFF);
  return static_cast<std::uint32_t>(color) & 0xFFFFFF;
}

TFont::TFont() = default;

int TFont::PixelsPerInch() {
  static const int pixelsPerInch = [] {
    const TWindowDC screen(nullptr);
    const int value = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return value > 0 ? value : 96;
  }();
  return pixelsPerInch;
}

void TFont::Assign(const TPersistent& source) {
  const auto* font = dynamic_cast<const TFont*>(&source);
  if (!font) {
    TPersistent::Assign(source);
    return;
  }
  if (Equals(*font))
    return;
  Name_ = font->Name_;
  Height_ = font->Height_;
  Style_ = font->Style_;
  Color_ = font->Color_;
  Charset_ = font->Charset_;
  Orientation_ = font->Orientation_;
  Changed();
}

bool TFont::Equals(const TFont& other) const {
  return Name_ == other.Name_ && Height_ == other.Height_ && Style_ == other.Style_ &&
         Color_ == other.Color_ && Charset_ == other.Charset_ && Orientation_ == other.Orientation_;
}

void TFont::SetName(const std::string& value) {
  if (Store(Name_, value))
    Changed();
}

void TFont::SetHeight(int value) {
  if (Store(Height_, value))
    Changed();
}

int TFont::Size() const {
  return -MulDiv(Height_, 72, PixelsPerInch());
}

void TFont::SetSize(int points) {
  SetHeight(-MulDiv(points, PixelsPerInch(), 72));
}

void TFont::SetStyle(TFontStyles value) {
  if (Store(Style_, value))
    Changed();
}

void TFont::SetColor(TColor value) {
  if (Store(Color_, value))
    Changed();
}

void TFont::SetCharset(int value) {
  if (Store(Charset_, value))
    Changed();
}

void TFont::SetOrientation(int value) {
  if (Store(Orientation_, value))
    Changed();
}

HFONT TFont::Handle() {
  if (!Handle_) {
    LOGFONTA font{};
    font.lfHeight = Height_;
    font.lfEscapement = Orientation_;
    font.lfOrientation = Orientation_;
    font.lfWeight = (Style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (Style_ & fsItalic) != 0;
    font.lfUnderline = (Style_ & fsUnderline) != 0;
    font.lfStrikeOut = (Style_ & fsStrikeOut) != 0;
    font.lfCharSet = static_cast<BYTE>(Charset_);
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(font.lfFaceName, Name_.c_str(), LF_FACESIZE);
    Handle_.Reset(CreateFontIndirectA(&font));
    if (!Handle_)
      throw EInvalidOperation("Cannot create the font " + Name_);
  }
  return Handle_.Get();
}

void TFont::Changed() {
  Handle_.Reset();
  if (OnChange)
    OnChange(this);
}

} // namespace marivo
