#include "platform/rtl/Streams.h"

#include "platform/rtl/Exceptions.h"
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

namespace marivo {

namespace {

constexpr std::int64_t MaxInt64 = std::numeric_limits<std::int64_t>::max();

[[noreturn]] void RaiseInvalidPosition() {
  throw EStreamError("Invalid stream position");
}

// std::fseek and std::ftell take a 32-bit long on Windows.
int SeekFile(std::FILE* file, std::int64_t offset, int whence) {
#ifdef _WIN32
  return _fseeki64(file, offset, whence);
#else
  return std::fseek(file, static_cast<long>(offset), whence);
#endif
}

std::int64_t TellFile(std::FILE* file) {
#ifdef _WIN32
  return _ftelli64(file);
#else
  return std::ftell(file);
#endif
}

} // namespace

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count != 0 && Read(buffer, count) != count)
    throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count != 0 && Write(buffer, count) != count)
    throw EWriteError("Stream write error");
}

std::int64_t TStream::Position() {
  return Seek(0, TSeekOrigin::soCurrent);
}

void TStream::SetPosition(std::int64_t position) {
  Seek(position, TSeekOrigin::soBeginning);
}

std::int64_t TStream::Size() {
  const std::int64_t position = Position();
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  SetPosition(position);
  return size;
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  if (count < 0)
    throw EReadError("Stream read error");
  constexpr std::int64_t chunkSize = 64 * 1024;
  std::vector<std::uint8_t> chunk(static_cast<std::size_t>(std::min(count, chunkSize)));
  for (std::int64_t remaining = count; remaining > 0;) {
    const std::int64_t part = std::min(remaining, chunkSize);
    source.ReadBuffer(chunk.data(), part);
    WriteBuffer(chunk.data(), part);
    remaining -= part;
  }
  return count;
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
  const std::int64_t size = Size();
  if (count <= 0 || Position_ >= size)
    return 0;
  const std::int64_t part = std::min(count, size - Position_);
  std::memcpy(buffer, Data_.data() + Position_, static_cast<std::size_t>(part));
  Position_ += part;
  return part;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0)
    return 0;
  if (count > MaxInt64 - Position_ ||
      static_cast<std::uint64_t>(Position_ + count) > Data_.max_size())
    throw EWriteError("Stream write error");
  const std::int64_t end = Position_ + count;
  if (end > Size())
    Data_.resize(static_cast<std::size_t>(end));
  std::memcpy(Data_.data() + Position_, buffer, static_cast<std::size_t>(count));
  Position_ = end;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent)
    base = Position_;
  else if (origin == TSeekOrigin::soEnd)
    base = Size();
  if (offset > 0 && base > MaxInt64 - offset)
    RaiseInvalidPosition();
  if (base + offset < 0)
    RaiseInvalidPosition();
  Position_ = base + offset;
  return Position_;
}

void TMemoryStream::SetSize(std::int64_t size) {
  if (size < 0 || static_cast<std::uint64_t>(size) > Data_.max_size())
    throw EStreamError("Invalid stream size");
  Data_.resize(static_cast<std::size_t>(size));
  Position_ = std::min(Position_, size);
}

void TMemoryStream::Clear() {
  Data_.clear();
  Position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const std::int64_t size = source.Size();
  SetSize(size);
  source.ReadBuffer(Data_.data(), size);
  Position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& target) {
  target.WriteBuffer(Data_.data(), Size());
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
  TFileStream file(fileName, TFileMode::fmCreate);
  SaveToStream(file);
}

TFileStream::TFileStream(const std::string& fileName, TFileMode mode)
    : FileName_(fileName), Mode_(mode) {
  const char* access = mode == TFileMode::fmCreate     ? "wb+"
                       : mode == TFileMode::fmOpenRead ? "rb"
                                                       : "rb+";
  File_ = std::fopen(fileName.c_str(), access);
  if (File_)
    return;
  const std::string reason = std::strerror(errno);
  if (mode == TFileMode::fmCreate)
    throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
  throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
}

TFileStream::~TFileStream() {
  std::fclose(File_);
}

void TFileStream::SwitchTo(TAccess access) {
  if (LastAccess_ != TAccess::None && LastAccess_ != access && SeekFile(File_, 0, SEEK_CUR) != 0)
    RaiseInvalidPosition();
  LastAccess_ = access;
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
  if (count <= 0)
    return 0;
  SwitchTo(TAccess::Read);
  const std::size_t done = std::fread(buffer, 1, static_cast<std::size_t>(count), File_);
  if (done < static_cast<std::size_t>(count))
    std::clearerr(File_);
  return static_cast<std::int64_t>(done);
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0)
    return 0;
  SwitchTo(TAccess::Write);
  const std::size_t done = std::fwrite(buffer, 1, static_cast<std::size_t>(count), File_);
  if (done < static_cast<std::size_t>(count))
    std::clearerr(File_);
  return static_cast<std::int64_t>(done);
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  // A plain query must not drop the read buffer.
  if (origin != TSeekOrigin::soCurrent || offset != 0) {
    const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                       : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                          : SEEK_END;
    if (SeekFile(File_, offset, whence) != 0)
      RaiseInvalidPosition();
    LastAccess_ = TAccess::None;
  }
  const std::int64_t position = TellFile(File_);
  if (position < 0)
    RaiseInvalidPosition();
  return position;
}

void TFileStream::SetSize(std::int64_t size) {
  if (size < 0)
    throw EStreamError("Invalid stream size");
  if (Mode_ == TFileMode::fmOpenRead)
    throw EStreamError("Cannot resize file \"" + FileName_ + "\". It is open for reading only");
  const std::int64_t position = Position();
  if (std::fflush(File_) != 0)
    throw EWriteError("Stream write error");
  std::error_code error;
  std::filesystem::resize_file(FileName_, static_cast<std::uintmax_t>(size), error);
  if (error)
    throw EStreamError("Cannot resize file \"" + FileName_ + "\". " + error.message());
  // The seek also makes the C library forget what it buffered before the resize.
  SetPosition(std::min(position, size));
}

} // namespace marivo
