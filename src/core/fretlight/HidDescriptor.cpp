#include "core/fretlight/HidDescriptor.h"

#include <algorithm>
#include <array>
#include <map>

namespace strumly {
namespace {

// The kernel refuses reports longer than its 16384-byte hidraw buffer, report number included. A
// descriptor that claims more, even one whose sizes would wrap 32 bits, says that much and no more.
constexpr std::uint64_t kLongestReportBits = (16384 - 1) * 8;

// The global items that shape an input report; Push and Pop save and restore them as one.
struct GlobalState {
  std::uint32_t reportSize = 0;   // bits per field
  std::uint32_t reportCount = 0;  // fields
  std::uint32_t reportId = 0;
};

// Real devices nest a Push or two (the kernel refuses more than four), so a fixed stack suffices
// and a descriptor of nothing but Pushes cannot grow it. A full stack forgets its oldest state, so
// the innermost Push and Pop pairs still restore theirs; an outermost Pop whose state was forgotten
// leaves the state as it is, as a Pop with nothing pushed does.
constexpr std::size_t kDeepestPush = 16;

}  // namespace

InputReportShape inputReportShape(const std::vector<std::uint8_t>& descriptor) {
  InputReportShape shape;
  GlobalState global;
  std::array<GlobalState, kDeepestPush> pushed;  // a ring: the newest state sits before `top`
  std::size_t top = 0;
  std::size_t kept = 0;
  std::map<std::uint32_t, std::uint64_t> inputBits;  // per report number
  std::size_t i = 0;
  while (i < descriptor.size()) {
    const std::uint8_t prefix = descriptor[i];
    if (prefix == 0xFE) {  // long item: its data length follows, nothing we need
      if (i + 1 >= descriptor.size()) break;
      i += 3u + descriptor[i + 1];
      continue;
    }
    const std::size_t size = (prefix & 0x03) == 3 ? 4 : (prefix & 0x03);
    if (i + size >= descriptor.size()) break;  // a cut-off item
    std::uint32_t value = 0;
    for (std::size_t b = 0; b < size; ++b)
      value |= static_cast<std::uint32_t>(descriptor[i + 1 + b]) << (8 * b);
    switch (prefix & 0xFC) {
      case 0x74:
        global.reportSize = value;
        break;
      case 0x94:
        global.reportCount = value;
        break;
      case 0x84:
        global.reportId = value;
        shape.numbered = true;
        break;
      case 0xA4:
        pushed[top] = global;
        top = (top + 1) % kDeepestPush;
        kept = std::min(kept + 1, kDeepestPush);
        break;
      case 0xB4:
        if (kept == 0) break;
        top = (top + kDeepestPush - 1) % kDeepestPush;
        global = pushed[top];
        --kept;
        break;
      case 0x80: {
        std::uint64_t& bits = inputBits[global.reportId];
        bits = std::min(kLongestReportBits, bits + std::uint64_t{global.reportSize} * global.reportCount);
        break;
      }
      default:
        break;
    }
    i += 1 + size;
  }
  for (const auto& [id, bits] : inputBits)
    shape.length = std::max(shape.length, static_cast<int>((bits + 7) / 8) + 1);
  return shape;
}

}  // namespace strumly
