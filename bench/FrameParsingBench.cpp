// Throughput of cutting frames apart and reading their payloads, as the console does for every
// frame the server sends: typical frames of a routine, and frames of the full 16 KiB.
#include "console/common/protocol/Protocol.h"
#include "console/common/protocol/ServerMessages.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace marivo;
using Clock = std::chrono::steady_clock;

std::string Frame(const std::string& code, const std::string& payload) {
  return std::string(1, SOH) + code + "FREEZEL " + STX + payload + EOT;
}

std::vector<std::string> TypicalFrames() {
  std::string elements;
  for (int row = 0; row < 12; ++row)
    elements += "TRE 1\x12"
                "1\x12"
                "2.3500\x12"
                "0.5\x12"
                "2.8500\x12"
                "0.0\x12";
  std::string finals = "3\x11";
  for (int item = 0; item < 12; ++item)
    finals += "8.25\x12";
  std::string table = "x";
  for (int cell = 0; cell < 49; ++cell)
    table += "Cell " + std::to_string(cell) + "^";
  return {Frame("AI", "12\x11"
                      "Aqua Club;Anna Berg;Carla Dia;\x12"
                      "2"),
          Frame("AE", "12\x11" + elements),
          Frame("FS", finals),
          Frame("XX", table),
          Frame("TX", "J3  \x11"),
          Frame("PR", "12\x11"
                      "81.2500^79.5000^2\x12")};
}

// Reads every payload the way its handler does, so nothing is optimised away.
std::size_t ReadFrame(const std::string& frame) {
  const TFrame split = SplitFrame(frame);
  if (SameCode(split.Code, "AI"))
    return ParseAthletes(split.Payload).Athletes.size();
  if (SameCode(split.Code, "AE"))
    return ParseElementList(split.Payload).size();
  if (SameCode(split.Code, "FS"))
    return ParseFinalScores(split.Payload, 12).Items.size();
  if (SameCode(split.Code, "XX"))
    return ParseScoreTable(split.Payload)[0][0].size();
  if (SameCode(split.Code, "TX"))
    return ParseReceiptAddressee(split.Payload).size();
  if (SameCode(split.Code, "PR"))
    return ParseScoreboard(split.Payload).Order.size();
  return split.Payload.size();
}

void Measure(const char* name, const std::vector<std::string>& frames) {
  std::size_t bytes = 0;
  std::size_t count = 0;
  std::size_t checksum = 0;
  const auto start = Clock::now();
  auto elapsed = Clock::duration::zero();
  while (elapsed < std::chrono::seconds(1)) {
    for (const std::string& frame : frames) {
      checksum += ReadFrame(frame);
      bytes += frame.size();
      ++count;
    }
    elapsed = Clock::now() - start;
  }
  const double seconds = std::chrono::duration<double>(elapsed).count();
  std::printf("%-28s %8.1f MB/s  (%zu frames read, check %zu)\n", name,
              static_cast<double>(bytes) / seconds / 1e6, count, checksum);
}

} // namespace

int main() {
  Measure("typical frames", TypicalFrames());
  // The longest element list the console takes, with long item texts: every byte is read.
  std::string elements = "99\x11";
  for (int row = 0; row < 99; ++row)
    for (int item = 0; item < 6; ++item)
      elements += "Element text of some length" + std::string("\x12");
  Measure("16 KiB frames (AE)", {Frame("AE", elements)});
  return 0;
}
