#include "platform/ui/Resources.h"

#include "platform/rtl/Exceptions.h"

#include <windows.h>

namespace marivo {

std::string LoadResourceText(const std::string& name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, name.c_str(), RT_RCDATA);
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data)
    throw EResNotFound("Resource " + name + " not found");
  return std::string(static_cast<const char*>(data), SizeofResource(module, resource));
}

} // namespace marivo
