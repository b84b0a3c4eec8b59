#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace marivo {

// Frames between console and meet server: SOH, code (2), discipline (4), role (4), STX, payload,
// EOT. Bytes are 8-bit text passed through unchanged; NUL bytes are ordinary payload.

inline constexpr char SOH = '\x01';
inline constexpr char STX = '\x02';
inline constexpr char EOT = '\x04';

// Payload separators.
inline constexpr char DC1 = '\x11';
inline constexpr char DC2 = '\x12';
inline constexpr char DC3 = '\x13';
inline constexpr char DC4 = '\x14';
inline constexpr char DC5 = '\x15';

// Longest frame the server may send, counted up to and including its EOT.
inline constexpr std::size_t MaxReceivedFrameLength = 16384;

// The header fields are written as given. EOT bytes are left out of the payload: the server cuts
// frames at the first EOT, so one inside would end the frame early and garble the next.
std::string BuildFrame(std::string_view code, std::string_view disciplineCode,
                       std::string_view roleCode, std::string_view payload);

struct TFrame {
  std::string Header; // between the first SOH and the first STX, normally 10 characters
  std::string Code;   // header characters 1-2
  std::string Role;   // header characters 7-10
  std::string Payload;

  bool operator==(const TFrame&) const = default;
};

// Splits a received frame whose last character is its EOT. A short header gives short or empty
// fields; a frame without STX gives an empty frame, which is only logged.
TFrame SplitFrame(std::string_view frame);

// Field readers of every payload parser: Before is empty and After the whole text when the
// separator does not occur.
std::string Before(std::string_view text, char separator);
std::string After(std::string_view text, char separator);

// Message codes are compared without regard to case.
bool SameCode(std::string_view code, std::string_view expected);

} // namespace marivo
