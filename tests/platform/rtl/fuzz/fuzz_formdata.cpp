#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// Whatever the reader accepts, the writer must render so that it reads back to the same tree.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  marivo::TFormObject tree;
  try {
    tree = marivo::ParseFormText(text, "fuzz.frm");
  } catch (const marivo::EReadError&) {
    return 0;
  }
  const std::string formatted = marivo::FormatFormText(tree);
  const marivo::TFormObject reread = marivo::ParseFormText(formatted, "formatted.frm");
  if (!(reread == tree) || marivo::FormatFormText(reread) != formatted)
    std::abort();
  return 0;
}
