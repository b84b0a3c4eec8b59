#pragma once

#include "widgets/foundation/portable/MVWBaseContainer.h"
#include "widgets/foundation/portable/MVWContainerStreams.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

class TMVWCustomContainer;

// One entry of a container: a description, an ident and the compressed flag, and its stream.
class TMVWListItem : public TMVWCustomComponent {
public:
  explicit TMVWListItem(TComponent* owner) : TMVWCustomComponent(owner) {}
  ~TMVWListItem() override;

  const std::string& Description() const { return Description_; }
  void SetDescription(const std::string& value);
  std::uint16_t Ident() const { return Ident_; }
  void SetIdent(std::uint16_t value);
  bool Compressed() const { return Compressed_; }
  void SetCompressed(bool value) { Compressed_ = value; }
  virtual TMVWSavePixelFormat PixelFormat() const { return spfDefault; }
  virtual void SetPixelFormat(TMVWSavePixelFormat) {}

  virtual void Clear() {}
  virtual bool IsEmpty() const { return false; }
  virtual void LoadFromStream(TStream&) {}
  virtual void SaveToStream(TStream&) {}
  virtual std::uint8_t GetFlags() const;

  // The container whose item this is, or none.
  TMVWCustomContainer* Container() const;
  void SetContainer(TMVWCustomContainer* value) { Container_ = value; }

  void ReadState(TComponent* readerParent) override;
  void Change() override;
  void Assign(const TPersistent& source) override;

  // "Internal" of form data: the item's stream.
  void ReadInternal(TStream& stream);
  void WriteInternal(TStream& stream);
  bool HasInternal() const { return true; }

protected:
  // The header with GetFlags; true when the data should follow.
  bool WriteHeader(TStream& stream);
  // Reads the header into the fields; the flags read.
  std::uint8_t ReadHeader(TStream& stream);

private:
  std::string Description_;
  std::uint16_t Ident_ = 0;
  bool Compressed_ = false;
  TMVWCustomContainer* Container_ = nullptr;
};

// A container of items of one class, stored as their children in form data.
class TMVWCustomContainer : public TMVWBaseContainer {
public:
  static constexpr bool InitialDefaultCompressed = false;

  explicit TMVWCustomContainer(TComponent* owner) : TMVWBaseContainer(owner) {}
  ~TMVWCustomContainer() override;

  bool DefaultCompressed() const { return DefaultCompressed_; }
  void SetDefaultCompressed(bool value) { DefaultCompressed_ = value; }
  // Index into the signature table.
  int ListKind() const { return ListKind_; }

  // Appends the item, or a new one of the item class owned by the container; its index.
  int AddItem(TMVWListItem* item = nullptr);
  void Clear();
  virtual int Count() const { return static_cast<int>(Items_.size()); }
  virtual bool IsEmpty() const { return Count() == 0; }
  // nullptr out of range.
  virtual TMVWListItem* Item(int index) const;
  virtual void LoadFromStream(TStream& stream, bool indexed);
  virtual void SaveToStream(TStream& stream, bool indexed);

  void Assign(const TPersistent& source) override;
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
  TComponent* GetChildOwner() override { return this; }

protected:
  friend class TMVWListItem;
  // A new item of the item class owned by the container; nullptr for containers without one.
  virtual TMVWListItem* NewItem() { return nullptr; }
  // Source is of this container's class or derived from it.
  virtual bool Accepts(const TMVWCustomContainer& source) const = 0;
  virtual void AssignDefaults(const TMVWCustomContainer& source);
  virtual void PrepareItem(TMVWListItem& item);
  void Detach(TMVWListItem* item);
  void SetListKind(int value) { ListKind_ = value; }

private:
  bool DefaultCompressed_ = InitialDefaultCompressed;
  std::vector<TMVWListItem*> Items_;
  int ListKind_ = ListKindNone;
};

// Makes the container base and the list item known to form data.
void RegisterMVWCustomContainer();
// Makes the portable containers and items known to form data, bases first; the first call does
// it.
void RegisterPortableContainerClasses();

} // namespace marivo
