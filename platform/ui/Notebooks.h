#pragma once

#include "platform/rtl/StringList.h"
#include "platform/ui/Controls.h"

#include <string>

namespace marivo {

class TNotebook;

// One page of a notebook: it fills the notebook and holds the page's controls.
class TPage : public TCustomControl {
public:
  explicit TPage(TComponent* owner);
  TNotebook* Notebook() const;
};

// The page captions of a notebook in page order; adding a text adds a page, deleting one frees it.
class TNotebookPages : public TStrings {
public:
  explicit TNotebookPages(TNotebook& notebook) : Notebook_(notebook) {}

  int Count() const override;
  std::string Strings(int index) const override;
  void SetStrings(int index, const std::string& text) override;
  TObject* Objects(int index) const override;
  void SetObjects(int, TObject*) override {}
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;

private:
  TPage* Page(int index) const;

  TNotebook& Notebook_;
};

// Shows one of its pages at a time. The pages are its TPage children, in the order they came.
class TNotebook : public TCustomControl {
public:
  explicit TNotebook(TComponent* owner);

  TStrings& Pages() { return Pages_; }
  int PageCount() const;
  TPage* Page(int index) const; // nullptr when out of range
  int PageIndex() const { return PageIndex_; }
  // Shows that page and hides the others; an index out of range is ignored.
  void SetPageIndex(int value);
  // The caption of the shown page; setting it shows the first page of that caption, if any.
  std::string ActivePage() const;
  void SetActivePage(const std::string& caption);

  TNotifyEvent OnPageChanged;

protected:
  void Loaded() override;

private:
  friend class TNotebookPages;
  void ShowPage(int index);

  TNotebookPages Pages_{*this};
  int PageIndex_ = 0;
};

void RegisterNotebookClasses();

} // namespace marivo
