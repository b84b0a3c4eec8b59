#include "console/common/protocol/Protocol.h"

#include "platform/rtl/TextUtils.h"

namespace marivo {

std::string BuildFrame(std::string_view code, std::string_view disciplineCode,
                       std::string_view roleCode, std::string_view payload) {
  std::string frame;
  frame.reserve(code.size() + disciplineCode.size() + roleCode.size() + payload.size() + 3);
  frame += SOH;
  frame += code;
  frame += disciplineCode;
  frame += roleCode;
  frame += STX;
  for (char c : payload) {
    if (c != EOT)
      frame += c;
  }
  frame += EOT;
  return frame;
}

TFrame SplitFrame(std::string_view frame) {
  TFrame result;
  const std::size_t stx = frame.find(STX);
  if (stx == std::string_view::npos)
    return result;
  // Without SOH the header runs from the start; an SOH after the STX leaves it empty.
  const std::size_t soh = frame.find(SOH);
  const std::size_t headerStart = soh == std::string_view::npos ? 0 : soh + 1;
  if (headerStart <= stx)
    result.Header = frame.substr(headerStart, stx - headerStart);
  result.Code = result.Header.substr(0, 2);
  if (result.Header.size() > 6)
    result.Role = result.Header.substr(6, 4);
  if (frame.size() >= stx + 2)
    result.Payload = frame.substr(stx + 1, frame.size() - stx - 2);
  return result;
}

std::string Before(std::string_view text, char separator) {
  const std::size_t at = text.find(separator);
  return at == std::string_view::npos ? std::string() : std::string(text.substr(0, at));
}

std::string After(std::string_view text, char separator) {
  const std::size_t at = text.find(separator);
  return at == std::string_view::npos ? std::string(text) : std::string(text.substr(at + 1));
}

bool SameCode(std::string_view code, std::string_view expected) {
  return SameText(std::string(code), std::string(expected));
}

} // namespace marivo
