#pragma once

#include <string>

namespace marivo {

// The bytes of an RCDATA resource of the program (form data, pictures); EResNotFound if absent.
std::string LoadResourceText(const std::string& name);

} // namespace marivo
