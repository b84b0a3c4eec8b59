#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace marivo {

// GDI objects made and DCs borrowed through the owners below and not yet deleted, given away or
// given back. Tests compare it before and after a run: the system's own count (GetGuiResources)
// is not there under Wine.
long GdiLiveCount();
// For the owners alone.
void GdiCountChange(long delta);

// Owns one GDI object: takes the handle a Create call returned (nullptr holds nothing) and
// deletes it when it goes, on every path; move-only. DCs made by CreateCompatibleDC or CreateDC
// (TMemoryDC) go by DeleteDC; never put a DC from GetDC or BeginPaint in one (TWindowDC borrows
// the former).
template <typename THandle> class TGdiObject {
public:
  TGdiObject() = default;
  explicit TGdiObject(THandle handle) : Handle_(handle) {
    if (Handle_)
      GdiCountChange(1);
  }
  ~TGdiObject() { Reset(); }
  TGdiObject(TGdiObject&& other) noexcept : Handle_(std::exchange(other.Handle_, nullptr)) {}
  TGdiObject& operator=(TGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      Handle_ = std::exchange(other.Handle_, nullptr);
    }
    return *this;
  }
  TGdiObject(const TGdiObject&) = delete;
  TGdiObject& operator=(const TGdiObject&) = delete;

  THandle Get() const { return Handle_; }
  explicit operator bool() const { return Handle_ != nullptr; }
  // Deletes the object held, then holds handle.
  void Reset(THandle handle = nullptr) {
    if (Handle_) {
      if constexpr (std::is_same_v<THandle, HDC>)
        DeleteDC(Handle_);
      else
        DeleteObject(Handle_);
      GdiCountChange(-1);
    }
    Handle_ = handle;
    if (Handle_)
      GdiCountChange(1);
  }
  // Hands the object to a new owner that deletes it (a window takes its region).
  THandle Release() {
    if (Handle_)
      GdiCountChange(-1);
    return std::exchange(Handle_, nullptr);
  }

private:
  THandle Handle_ = nullptr;
};

using TRegionHandle = TGdiObject<HRGN>;
using TBitmapHandle = TGdiObject<HBITMAP>;
using TBrushHandle = TGdiObject<HBRUSH>;
using TPenHandle = TGdiObject<HPEN>;
using TFontHandle = TGdiObject<HFONT>;
using TPaletteHandle = TGdiObject<HPALETTE>;
using TMemoryDC = TGdiObject<HDC>;

// Selects an object into a DC for a scope and puts the old one back, so that the owner above
// can delete it afterwards (GDI refuses to delete an object still selected).
class TSelection {
public:
  TSelection(HDC dc, HGDIOBJ object) : DC_(dc), Old_(SelectObject(dc, object)) {}
  ~TSelection() { SelectObject(DC_, Old_); }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;

private:
  HDC DC_;
  HGDIOBJ Old_;
};

// The DC's objects, modes, origin and clipping for a scope: as they were when it ends.
class TSavedDC {
public:
  explicit TSavedDC(HDC dc) : DC_(dc), Saved_(SaveDC(dc)) {}
  ~TSavedDC() { RestoreDC(DC_, Saved_); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

private:
  HDC DC_;
  int Saved_;
};

// A DC borrowed from a window, the screen's for nullptr, and given back on every path: the
// client area's, or the one GetWindowDC gave for the window. Counted while it is held.
class TWindowDC {
public:
  explicit TWindowDC(HWND window) : TWindowDC(window, GetDC(window)) {}
  TWindowDC(HWND window, HDC dc) : Window_(window), DC_(dc) {
    if (DC_)
      GdiCountChange(1);
  }
  ~TWindowDC() {
    if (!DC_)
      return;
    ReleaseDC(Window_, DC_);
    GdiCountChange(-1);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

  HDC Get() const { return DC_; }

private:
  HWND Window_;
  HDC DC_;
};

// Clips a DC to a rectangle when asked, for a scope; afterwards the DC has its clipping back.
class TClip {
public:
  explicit TClip(HDC dc) : DC_(dc) {}
  ~TClip() {
    if (Region_)
      SelectClipRgn(DC_, HadClip_ ? Old_.Get() : nullptr);
  }
  TClip(const TClip&) = delete;
  TClip& operator=(const TClip&) = delete;
  // Narrows the DC's clipping to rect, in its logical units. A window-less control paints on its
  // parent's DC moved to its origin, within a clipping of its own bounds: the rect must be moved
  // to device units and the clipping kept, or the control draws nowhere or over its neighbours.
  void Select(const RECT& rect) {
    RECT device = rect;
    LPtoDP(DC_, reinterpret_cast<POINT*>(&device), 2);
    if (!Old_) {
      Old_.Reset(CreateRectRgn(0, 0, 0, 0));
      HadClip_ = Old_ && GetClipRgn(DC_, Old_.Get()) == 1;
    }
    Region_.Reset(CreateRectRgnIndirect(&device));
    if (Region_)
      ExtSelectClipRgn(DC_, Region_.Get(), RGN_AND);
  }

private:
  HDC DC_;
  TRegionHandle Old_;
  bool HadClip_ = false;
  TRegionHandle Region_;
};

// A top-down 32-bit DIB section and its pixels, until a bitmap takes the handle over.
struct TDibSection {
  // EInvalidGraphic when there is no memory for it.
  TDibSection(int width, int height);
  std::uint8_t* Row(int y) const {
    return static_cast<std::uint8_t*>(Bits) + static_cast<std::size_t>(y) * Width * 4;
  }

  TBitmapHandle Handle;
  void* Bits = nullptr;
  int Width;
  int Height;
};

// A top-down 32-bit DIB section, nullptr when there is no memory for it. Plain C calls only: the
// JPEG decoder makes its picture with it between setjmp and longjmp.
HBITMAP CreateDib(int width, int height, void** bits);

} // namespace marivo
