#include "platform/ui/Notebooks.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <vector>

namespace marivo {

namespace {

std::vector<TPage*> PagesOf(const TNotebook& notebook) {
  std::vector<TPage*> pages;
  for (int i = 0; i < notebook.ControlCount(); ++i)
    if (auto* page = dynamic_cast<TPage*>(notebook.Controls(i)))
      pages.push_back(page);
  return pages;
}

int IndexOfPage(const TNotebook& notebook, const TPage* page) {
  const std::vector<TPage*> pages = PagesOf(notebook);
  const auto found = std::find(pages.begin(), pages.end(), page);
  return found == pages.end() ? -1 : static_cast<int>(found - pages.begin());
}

} // namespace

// --- TPage ------------------------------------------------------------------------------------

TPage::TPage(TComponent* owner) : TCustomControl(owner) {
  // Hidden until its notebook shows it, so that only one page ever gets a visible window.
  SetVisible(false);
  SetAlign(alClient);
}

TNotebook* TPage::Notebook() const {
  return dynamic_cast<TNotebook*>(Parent());
}

// --- TNotebookPages ---------------------------------------------------------------------------

int TNotebookPages::Count() const {
  return Notebook_.PageCount();
}

TPage* TNotebookPages::Page(int index) const {
  TPage* page = Notebook_.Page(index);
  if (!page)
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return page;
}

std::string TNotebookPages::Strings(int index) const {
  return Page(index)->Caption();
}

void TNotebookPages::SetStrings(int index, const std::string& text) {
  Page(index)->SetCaption(text);
}

TObject* TNotebookPages::Objects(int index) const {
  return Page(index);
}

void TNotebookPages::Insert(int index, const std::string& text) {
  if (index < 0 || index > Count())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  TPage* shown = Notebook_.Page(Notebook_.PageIndex_);
  // Owned like the notebook, so that the form frees it and writes it with the notebook.
  auto* page = new TPage(Notebook_.Owner());
  page->SetCaption(text);
  page->SetParent(&Notebook_);
  // Children keep the order they came in; the pages after the new one come again behind it.
  const std::vector<TPage*> pages = PagesOf(Notebook_);
  for (std::size_t i = static_cast<std::size_t>(index); i + 1 < pages.size(); ++i) {
    pages[i]->SetParent(nullptr);
    pages[i]->SetParent(&Notebook_);
  }
  // What the user sees stays; its index moves with it.
  Notebook_.PageIndex_ = shown ? IndexOfPage(Notebook_, shown) : 0;
  Notebook_.ShowPage(Notebook_.PageIndex_);
}

void TNotebookPages::Delete(int index) {
  TPage* page = Page(index);
  TPage* shown = Notebook_.Page(Notebook_.PageIndex_);
  delete page;
  const int count = Count();
  if (shown != page)
    Notebook_.PageIndex_ = IndexOfPage(Notebook_, shown);
  else if (Notebook_.PageIndex_ >= count)
    Notebook_.PageIndex_ = count > 0 ? count - 1 : 0;
  Notebook_.ShowPage(Notebook_.PageIndex_);
}

void TNotebookPages::Clear() {
  while (Count() > 0)
    delete Page(Count() - 1);
  Notebook_.PageIndex_ = 0;
}

// --- TNotebook --------------------------------------------------------------------------------

TNotebook::TNotebook(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 150, 150);
}

int TNotebook::PageCount() const {
  return static_cast<int>(PagesOf(*this).size());
}

TPage* TNotebook::Page(int index) const {
  const std::vector<TPage*> pages = PagesOf(*this);
  return index >= 0 && index < static_cast<int>(pages.size())
             ? pages[static_cast<std::size_t>(index)]
             : nullptr;
}

void TNotebook::SetPageIndex(int value) {
  if (ComponentState() & csLoading) {
    // The pages are read after the notebook's own properties.
    PageIndex_ = value;
    return;
  }
  if (value == PageIndex_ || !Page(value))
    return;
  PageIndex_ = value;
  // The handler lays the new page out: the page is painted once, as it finally stands.
  LockDrawing();
  try {
    ShowPage(value);
    if (OnPageChanged)
      OnPageChanged(this);
  } catch (...) {
    UnlockDrawing();
    throw;
  }
  UnlockDrawing();
}

std::string TNotebook::ActivePage() const {
  const TPage* page = Page(PageIndex_);
  return page ? page->Caption() : std::string();
}

void TNotebook::SetActivePage(const std::string& caption) {
  const int index = Pages_.IndexOf(caption);
  if (index >= 0)
    SetPageIndex(index);
}

void TNotebook::Loaded() {
  TCustomControl::Loaded();
  if (!Page(PageIndex_))
    PageIndex_ = 0;
  ShowPage(PageIndex_);
}

void TNotebook::ShowPage(int index) {
  const std::vector<TPage*> pages = PagesOf(*this);
  // The new page first, so that the notebook's background never shows in between.
  if (TPage* page = Page(index))
    page->Show();
  for (std::size_t i = 0; i < pages.size(); ++i)
    if (static_cast<int>(i) != index)
      pages[i]->Hide();
}

void RegisterNotebookClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TNotebook, TCustomControl>("TNotebook")
        .Integer("Width", &TControl::Width, &TControl::SetWidth, 150)
        .Integer("Height", &TControl::Height, &TControl::SetHeight, 150)
        .Integer("PageIndex", &TNotebook::PageIndex, &TNotebook::SetPageIndex, 0)
        .Event("OnPageChanged", &TNotebook::OnPageChanged);
    // A page's place and visibility follow from its notebook, so form data holds neither.
    const auto notStored = [](TPage&) { return false; };
    RegisterComponentClass<TPage, TCustomControl>("TPage")
        .Enumeration("Align", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"},
                     &TControl::Align, &TControl::SetAlign, alClient)
        .Integer("Left", &TControl::Left, &TControl::SetLeft)
        .Stored(notStored)
        .Integer("Top", &TControl::Top, &TControl::SetTop)
        .Stored(notStored)
        .Integer("Width", &TControl::Width, &TControl::SetWidth)
        .Stored(notStored)
        .Integer("Height", &TControl::Height, &TControl::SetHeight)
        .Stored(notStored)
        .Boolean("Visible", &TControl::Visible, &TControl::SetVisible)
        .Stored(notStored);
    return true;
  }();
  (void)registered;
}

} // namespace marivo
