#pragma once

#include <string>

namespace marivo {

// File-name parts as Windows spells them: "\" and ":" end a folder, the extension starts at the
// last "." of the name part and includes it.
std::string ExtractFilePath(const std::string& fileName); // folder with its final "\"
std::string ExtractFileName(const std::string& fileName);
std::string ExtractFileExt(const std::string& fileName); // "" when the name has no "."
// Replaces the extension, or appends extension when there is none.
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);

} // namespace marivo
