#pragma once

#include "platform/rtl/StringList.h"
#include "widgets/foundation/portable/MVWBase.h"
#include "widgets/foundation/portable/MVWCustomWave.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace marivo {

class TStream;
class TMVWBaseContainer;

// --- Item headers -----------------------------------------------------------------------------

constexpr std::uint8_t ItemCompressed = 0x01;
constexpr std::uint8_t ItemHasDescription = 0x02;
constexpr std::uint8_t ItemHasIdent = 0x04;
constexpr std::uint8_t ItemHasData = 0x08;
constexpr std::uint8_t ItemMono = 0x10;
constexpr std::uint8_t Item4Bit = 0x20;
constexpr std::uint8_t Item8Bit = 0x40;

enum TMVWSavePixelFormat : std::uint8_t { spfDefault, spfMono, spf4bit, spf8bit };

// The flag bit of a pixel format (0 for spfDefault), and the format of flags: the first of 0x10,
// 0x20, 0x40 set wins.
std::uint8_t PixelFormatFlag(TMVWSavePixelFormat format);
TMVWSavePixelFormat PixelFormatOfFlags(std::uint8_t flags);
// The bitmap code a pixel format is stored with: -1, 2, 16 or 256.
int PixelFormatCode(TMVWSavePixelFormat format);

struct TMVWItemHeader {
  std::uint8_t Flags = 0;
  std::string Description;
  std::uint16_t Ident = 0;
};

// Flags, the description with 0x02, the ident (32-bit, low 16 bits used) with 0x04.
void WriteItemHeader(TStream& stream, const TMVWItemHeader& header);
TMVWItemHeader ReadItemHeader(TStream& stream);

// --- Container framing and list files ---------------------------------------------------------

// The signatures in table order; the index is the list kind, 6 the kind of no match.
constexpr int ListKindCount = 6;
constexpr int ListKindNone = 6;
const std::array<const char*, ListKindCount>& ListSignatures();
const std::array<const char*, ListKindCount>& ListFileExtensions();

// The item count, with indexed the absolute position each item starts at, then the items.
void WriteContainerFrame(TStream& stream, int count, bool indexed,
                         const std::function<void(int index)>& writeItem);
// The count, positions skipped; each item read in sequence. A negative count, or more positions
// than the stream holds, raises EReadError.
void ReadContainerFrame(TStream& stream, bool indexed, const std::function<void()>& readItem);

// The signature's kind (ListKindNone for no match), then the count and, when a kind matched and
// positions is given, the positions. A negative count or more positions than the stream holds
// raises EReadError.
int ReadListKind(TStream& stream, std::int32_t& count, std::vector<std::int32_t>* positions);
// The same for a file, closed on every path.
int ReadListFileKind(const std::string& fileName, std::int32_t& count,
                     std::vector<std::int32_t>* positions);
// The signature of a kind as written at a list file's start.
void WriteListSignature(TStream& stream, int kind);

// --- Image strip sizes ------------------------------------------------------------------------

constexpr int MaxStripWidth = 32768;

struct TMVWImageStripSize {
  std::int32_t Height = 16;
  std::int32_t Width = 16;
  std::int32_t AllocBy = 4;
  bool Masked = false;
};

void WriteImageStripSize(TStream& stream, const TMVWImageStripSize& size);
// EInvalidGraphicOperation "Invalid image size" for a width, height or allocation step below 1.
TMVWImageStripSize ReadImageStripSize(TStream& stream);
// EInvalidGraphicOperation "Invalid image size" for a negative count or count images wider than
// the strip limit.
void CheckImageCount(const TMVWImageStripSize& size, std::int32_t count);

// --- Change links and containers --------------------------------------------------------------

// Tells a client of every change of the container it is registered with; freed, it unregisters.
class TMVWChangeLink : public TObject {
public:
  TMVWChangeLink() = default;
  ~TMVWChangeLink() override;
  TMVWChangeLink(const TMVWChangeLink&) = delete;
  TMVWChangeLink& operator=(const TMVWChangeLink&) = delete;

  TMVWBaseContainer* Sender() const { return Sender_; }
  virtual void Change();

  TNotifyEvent OnChange;

private:
  friend class TMVWBaseContainer;
  TMVWBaseContainer* Sender_ = nullptr;
};

// A non-visual container that tells its links of every change, also while its update lock holds
// back its own OnChange.
class TMVWBaseContainer : public TMVWCustomComponent {
public:
  explicit TMVWBaseContainer(TComponent* owner) : TMVWCustomComponent(owner) {}
  ~TMVWBaseContainer() override;

  void AddChangeLink(TMVWChangeLink* link);
  // Links that are not registered are ignored.
  void RemoveChangeLink(TMVWChangeLink* link);
  int LinkCount() const { return static_cast<int>(Links_.size()); }
  void Change() override;

private:
  std::vector<TMVWChangeLink*> Links_;
};

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
  bool DefaultCompressed_ = false;
  std::vector<TMVWListItem*> Items_;
  int ListKind_ = ListKindNone;
};

class TMVWStringListItem : public TMVWListItem {
public:
  explicit TMVWStringListItem(TComponent* owner) : TMVWListItem(owner) {}

  TStringList& Items() { return Items_; }
  void SetItems(const TStrings& value);

  void Clear() override { Items_.Clear(); }
  bool IsEmpty() const override { return Items_.Count() == 0; }
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  std::uint8_t GetFlags() const override;
  void Assign(const TPersistent& source) override;

private:
  TStringList Items_;
};

class TMVWWaveListItem : public TMVWListItem {
public:
  explicit TMVWWaveListItem(TComponent* owner);

  TMVWCustomWave& Wave() { return *Wave_; }
  void SetWave(const TMVWCustomWave& value) { Wave_->Assign(value); }

  void Clear() override { Wave_->Clear(); }
  bool IsEmpty() const override { return Wave_->IsEmpty(); }
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  std::uint8_t GetFlags() const override;
  void Assign(const TPersistent& source) override;

  // The wave of the items made from now on; the platform side plays sound.
  static void SetWaveFactory(std::function<std::unique_ptr<TMVWCustomWave>()> factory);

private:
  std::unique_ptr<TMVWCustomWave> Wave_;
};

class TMVWStringList : public TMVWCustomContainer {
public:
  explicit TMVWStringList(TComponent* owner) : TMVWCustomContainer(owner) { SetListKind(3); }
  TMVWStringListItem* Item(int index) const override {
    return static_cast<TMVWStringListItem*>(TMVWCustomContainer::Item(index));
  }

protected:
  TMVWListItem* NewItem() override { return new TMVWStringListItem(this); }
  bool Accepts(const TMVWCustomContainer& source) const override {
    return dynamic_cast<const TMVWStringList*>(&source) != nullptr;
  }
};

class TMVWWaveList : public TMVWCustomContainer {
public:
  explicit TMVWWaveList(TComponent* owner) : TMVWCustomContainer(owner) { SetListKind(2); }
  TMVWWaveListItem* Item(int index) const override {
    return static_cast<TMVWWaveListItem*>(TMVWCustomContainer::Item(index));
  }

protected:
  TMVWListItem* NewItem() override { return new TMVWWaveListItem(this); }
  bool Accepts(const TMVWCustomContainer& source) const override {
    return dynamic_cast<const TMVWWaveList*>(&source) != nullptr;
  }
};

// Makes the portable containers and items known to form data; the first call does it.
void RegisterPortableContainerClasses();

} // namespace marivo
