#include "platform/rtl/FileNames.h"

namespace marivo {

namespace {

// Index just past the folder part.
std::size_t NameStart(const std::string& fileName) {
  const std::size_t delimiter = fileName.find_last_of("\\:");
  return delimiter == std::string::npos ? 0 : delimiter + 1;
}

std::size_t ExtensionStart(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string::npos || dot < NameStart(fileName) ? fileName.size() : dot;
}

} // namespace

std::string ExtractFilePath(const std::string& fileName) {
  return fileName.substr(0, NameStart(fileName));
}

std::string ExtractFileName(const std::string& fileName) {
  return fileName.substr(NameStart(fileName));
}

std::string ExtractFileExt(const std::string& fileName) {
  return fileName.substr(ExtensionStart(fileName));
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension) {
  return fileName.substr(0, ExtensionStart(fileName)) + extension;
}

} // namespace marivo
