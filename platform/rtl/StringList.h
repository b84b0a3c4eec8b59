#pragma once

#include "platform/rtl/Components.h"
#include <functional>
#include <string>
#include <vector>

namespace marivo {

class TStream;

// Ordered list of 8-bit texts, each with an optional object pointer (not owned).
// Index errors raise EListError "List index out of bounds (n)".
class TStrings : public TPersistent {
public:
  virtual int Count() const = 0;
  virtual std::string Strings(int index) const = 0;
  virtual void SetStrings(int index, const std::string& text) = 0;
  virtual TObject* Objects(int index) const = 0;
  virtual void SetObjects(int index, TObject* object) = 0;
  virtual void Insert(int index, const std::string& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual int Add(const std::string& text);
  virtual int AddObject(const std::string& text, TObject* object);
  virtual int IndexOf(const std::string& text) const; // case-insensitive, -1 when absent
  // Lines joined with CRLF after each; setting splits on CR, LF or CRLF.
  // A trailing line break adds no empty line.
  std::string Text() const;
  void SetText(const std::string& text);
  // Items that hold a blank, comma, quote or control character are quoted, quotes doubled.
  std::string CommaText() const;
  void SetCommaText(const std::string& text);
  void AddStrings(const TStrings& strings);
  void Assign(const TPersistent& source) override; // texts and object pointers
  void BeginUpdate();
  void EndUpdate();
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;
  bool Equals(const TStrings& other) const; // same texts, case-sensitive

protected:
  virtual void SetUpdateState(bool /*updating*/) {}
  int UpdateCount() const { return UpdateCount_; }

private:
  int UpdateCount_ = 0;
};

class TStringList : public TStrings {
public:
  int Count() const override { return static_cast<int>(Items_.size()); }
  std::string Strings(int index) const override;
  void SetStrings(int index, const std::string& text) override;
  TObject* Objects(int index) const override;
  void SetObjects(int index, TObject* object) override;
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(const std::string& text) override; // in sorted order while Sorted
  int AddObject(const std::string& text, TObject* object) override;
  int IndexOf(const std::string& text) const override;
  // Sorted lists keep case-insensitive order; Insert and SetStrings on them raise EListError.
  bool Sorted() const { return Sorted_; }
  void SetSorted(bool sorted);
  void Sort();

  // Each change fires OnChanging then OnChange; while BeginUpdate is pending none fire and the
  // outermost EndUpdate fires one OnChange if anything changed.
  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

protected:
  void SetUpdateState(bool updating) override;

private:
  struct TItem {
    std::string Text;
    TObject* Object = nullptr;
  };
  void CheckIndex(int index) const;
  void CheckNotSorted() const;
  void InsertItem(int index, TItem item);
  void Changing();
  void Changed();
  std::vector<TItem> Items_;
  bool Sorted_ = false;
  bool PendingChange_ = false;
};

} // namespace marivo
