#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace marivo {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

// Byte stream. Read/Write move what they can and return the count; ReadBuffer/WriteBuffer move
// all or raise ("Stream read error" as EReadError, "Stream write error" as EWriteError).
class TStream {
public:
  virtual ~TStream() = default;
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  void ReadBuffer(void* buffer, std::int64_t count);
  void WriteBuffer(const void* buffer, std::int64_t count);
  std::int64_t Position();
  void SetPosition(std::int64_t position);
  virtual std::int64_t Size();
  virtual void SetSize(std::int64_t size) = 0;
  // Copies count bytes from source's position; count 0 copies the whole source from its start.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

class TMemoryStream : public TStream {
public:
  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(Data_.size()); }
  void SetSize(std::int64_t size) override;
  void Clear();
  const std::vector<std::uint8_t>& Data() const { return Data_; }
  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& target);
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName);

private:
  std::vector<std::uint8_t> Data_;
  std::int64_t Position_ = 0;
};

enum class TFileMode { fmCreate, fmOpenRead, fmOpenReadWrite };

// Failures to open raise EFOpenError, to create EFCreateError; both messages name the file.
class TFileStream : public TStream {
public:
  TFileStream(const std::string& fileName, TFileMode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size) override;
  const std::string& FileName() const { return FileName_; }

private:
  // The C library needs a seek between a read and a following write, or the other way round.
  enum class TAccess { None, Read, Write };
  void SwitchTo(TAccess access);
  std::string FileName_;
  TFileMode Mode_;
  std::FILE* File_ = nullptr;
  TAccess LastAccess_ = TAccess::None;
};

} // namespace marivo
