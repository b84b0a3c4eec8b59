#include "widgets/foundation/MVWXPStyles.h"

namespace marivo {

namespace {

TMVWXPStyles Binding;

template <class F> void Bind(HMODULE library, const char* name, F& entry) {
  entry = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

template <class F> void Count(int& count, F entry) {
  if (entry)
    ++count;
}

// Runs action(name, entry) for every entry of the binding.
template <class S, class A> void ForEachEntry(S& s, A action) {
  action("DrawThemeEdge", s.DrawThemeEdge);
  action("DrawThemeBackground", s.DrawThemeBackground);
  action("DrawThemeParentBackground", s.DrawThemeParentBackground);
  action("DrawThemeText", s.DrawThemeText);
  action("DrawThemeIcon", s.DrawThemeIcon);
  action("OpenThemeData", s.OpenThemeData);
  action("CloseThemeData", s.CloseThemeData);
  action("IsThemeBackgroundPartiallyTransparent", s.IsThemeBackgroundPartiallyTransparent);
  action("GetThemeBackgroundContentRect", s.GetThemeBackgroundContentRect);
  action("SetWindowTheme", s.SetWindowTheme);
  action("SetThemeAppProperties", s.SetThemeAppProperties);
  action("IsThemePartDefined", s.IsThemePartDefined);
  action("GetThemeColor", s.GetThemeColor);
  action("GetThemeMetric", s.GetThemeMetric);
  action("GetThemeString", s.GetThemeString);
  action("GetThemeBool", s.GetThemeBool);
  action("GetThemeInt", s.GetThemeInt);
  action("GetThemeEnumValue", s.GetThemeEnumValue);
  action("GetThemePosition", s.GetThemePosition);
  action("GetThemeFont", s.GetThemeFont);
  action("GetThemeRect", s.GetThemeRect);
  action("GetThemeFilename", s.GetThemeFilename);
  action("GetThemeSysColor", s.GetThemeSysColor);
  action("GetThemeSysColorBrush", s.GetThemeSysColorBrush);
  action("GetThemeSysBool", s.GetThemeSysBool);
  action("IsThemeActive", s.IsThemeActive);
  action("IsAppThemed", s.IsAppThemed);
  action("GetWindowTheme", s.GetWindowTheme);
  action("EnableThemeDialogTexture", s.EnableThemeDialogTexture);
  action("IsThemeDialogTextureEnabled", s.IsThemeDialogTextureEnabled);
  action("EnableTheming", s.EnableTheming);
}

} // namespace

int TMVWXPStyles::BoundCount() const {
  int count = 0;
  ForEachEntry(*this, [&count](const char*, auto entry) { Count(count, entry); });
  return count;
}

const TMVWXPStyles& XPStyles() {
  return Binding;
}

void BindXPStyles(const char* libraryName) {
  UnbindXPStyles();
  Binding.Library = LoadLibraryA(libraryName);
  if (!Binding.Library)
    return;
  ForEachEntry(Binding, [](const char* name, auto& entry) { Bind(Binding.Library, name, entry); });
}

void UnbindXPStyles() {
  if (Binding.Library)
    FreeLibrary(Binding.Library);
  Binding = TMVWXPStyles();
}

TMVWXPStylesSeam::TMVWXPStylesSeam(const TMVWXPStyles& entries) : Bound_(Binding) {
  Binding = entries;
}

TMVWXPStylesSeam::~TMVWXPStylesSeam() {
  Binding = Bound_;
}

} // namespace marivo
