#pragma once

#include <windows.h>

#include <uxtheme.h>

namespace marivo {

// The visual-styles library bound at run time by name; an entry it lacks stays empty, and
// without the library every entry is empty and every theme query answers False.
struct TMVWXPStyles {
  decltype(&::DrawThemeEdge) DrawThemeEdge = nullptr;
  decltype(&::DrawThemeBackground) DrawThemeBackground = nullptr;
  decltype(&::DrawThemeParentBackground) DrawThemeParentBackground = nullptr;
  decltype(&::DrawThemeText) DrawThemeText = nullptr;
  decltype(&::DrawThemeIcon) DrawThemeIcon = nullptr;
  decltype(&::OpenThemeData) OpenThemeData = nullptr;
  decltype(&::CloseThemeData) CloseThemeData = nullptr;
  decltype(&::IsThemeBackgroundPartiallyTransparent) IsThemeBackgroundPartiallyTransparent =
      nullptr;
  decltype(&::GetThemeBackgroundContentRect) GetThemeBackgroundContentRect = nullptr;
  decltype(&::SetWindowTheme) SetWindowTheme = nullptr;
  decltype(&::SetThemeAppProperties) SetThemeAppProperties = nullptr;
  decltype(&::IsThemePartDefined) IsThemePartDefined = nullptr;
  decltype(&::GetThemeColor) GetThemeColor = nullptr;
  decltype(&::GetThemeMetric) GetThemeMetric = nullptr;
  decltype(&::GetThemeString) GetThemeString = nullptr;
  decltype(&::GetThemeBool) GetThemeBool = nullptr;
  decltype(&::GetThemeInt) GetThemeInt = nullptr;
  decltype(&::GetThemeEnumValue) GetThemeEnumValue = nullptr;
  decltype(&::GetThemePosition) GetThemePosition = nullptr;
  decltype(&::GetThemeFont) GetThemeFont = nullptr;
  decltype(&::GetThemeRect) GetThemeRect = nullptr;
  decltype(&::GetThemeFilename) GetThemeFilename = nullptr;
  decltype(&::GetThemeSysColor) GetThemeSysColor = nullptr;
  decltype(&::GetThemeSysColorBrush) GetThemeSysColorBrush = nullptr;
  decltype(&::GetThemeSysBool) GetThemeSysBool = nullptr;
  decltype(&::IsThemeActive) IsThemeActive = nullptr;
  decltype(&::IsAppThemed) IsAppThemed = nullptr;
  decltype(&::GetWindowTheme) GetWindowTheme = nullptr;
  decltype(&::EnableThemeDialogTexture) EnableThemeDialogTexture = nullptr;
  decltype(&::IsThemeDialogTextureEnabled) IsThemeDialogTextureEnabled = nullptr;
  decltype(&::EnableTheming) EnableTheming = nullptr;

  HMODULE Library = nullptr;
  bool Loaded() const { return Library != nullptr; }
  // The number of entries bound.
  int BoundCount() const;
};

// The binding made at start-up; empty before and after.
const TMVWXPStyles& XPStyles();
// Loads the library (by default "UxTheme.dll") and binds its entries; a second call first
// frees what the first bound.
void BindXPStyles(const char* libraryName = "UxTheme.dll");
void UnbindXPStyles();

// For tests: while it lives, its entries answer in place of the binding's (start from a copy of
// XPStyles() and change the entries to force); the binding's come back when it goes.
class TMVWXPStylesSeam {
public:
  explicit TMVWXPStylesSeam(const TMVWXPStyles& entries);
  ~TMVWXPStylesSeam();
  TMVWXPStylesSeam(const TMVWXPStylesSeam&) = delete;
  TMVWXPStylesSeam& operator=(const TMVWXPStylesSeam&) = delete;

private:
  TMVWXPStyles Bound_;
};

} // namespace marivo
