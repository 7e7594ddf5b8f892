#pragma once
// Invariants of the HID report descriptor reader on arbitrary bytes.
//
// Input layout: a count byte k, then the descriptor as the kernel would hand it over.
//  - no crash or undefined behaviour, and the length is one a hidraw buffer can hold (the kernel
//    refuses reports longer than 16384 bytes, report number included);
//  - cut to its whole items, the descriptor reads the same with a long item appended (long items
//    describe nothing the reader needs);
//  - with "Report Size 8, Report Count k, Input" appended, the current report grows by k bytes:
//    the longest report is at least k + 1 bytes and no shorter than before, and the numbering
//    is unchanged (no Report ID item was added);
//  - a Push, new Report Size and Count, and a Pop before an Input leave that Input as it was
//    without them: the Pop restores what the Push saved, however deep the pushes before it.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "Finding.h"
#include "core/fretlight/HidDescriptor.h"

namespace strumly::fuzz {

namespace hid_detail {

constexpr int kLongestHidrawReport = 16384;

// End of the last whole item: short items are a prefix and 0, 1, 2 or 4 data bytes; a long item
// (0xFE) is the prefix, its data size, its tag and the data.
inline std::size_t wholeItemsEnd(const std::vector<std::uint8_t>& d) {
  std::size_t i = 0;
  while (i < d.size()) {
    std::size_t next = 0;
    if (d[i] == 0xFE)
      next = i + 1 < d.size() ? i + 3 + d[i + 1] : d.size() + 1;
    else
      next = i + 1 + ((d[i] & 3) == 3 ? 4 : (d[i] & 3));
    if (next > d.size()) break;
    i = next;
  }
  return i;
}

inline std::string shape(const InputReportShape& s) {
  return std::to_string(s.length) + (s.numbered ? " numbered" : " unnumbered");
}

}  // namespace hid_detail

inline Finding checkHidDescriptorInput(const std::uint8_t* data, std::size_t size) {
  using namespace hid_detail;
  if (size == 0) return {};
  const int k = data[0];
  std::vector<std::uint8_t> d(data + 1, data + size);
  const InputReportShape whole = inputReportShape(d);
  if (whole.length < 0 || whole.length > kLongestHidrawReport)
    return "input report length " + std::to_string(whole.length) + " no hidraw buffer holds";

  d.resize(wholeItemsEnd(d));
  const InputReportShape base = inputReportShape(d);
  auto withLong = d;
  withLong.insert(withLong.end(), {0xFE, 2, 0x10, data[0], data[0]});
  const InputReportShape skipped = inputReportShape(withLong);
  if (skipped.length != base.length || skipped.numbered != base.numbered)
    return "a long item changed the shape from " + shape(base) + " to " + shape(skipped);

  auto more = d;
  more.insert(more.end(), {0x75, 0x08, 0x95, data[0], 0x81, 0x02});
  const InputReportShape grown = inputReportShape(more);
  if (grown.numbered != base.numbered) return "an Input item changed the report numbering";
  if (grown.length < std::max(base.length, k + 1))
    return "an Input item of " + std::to_string(k) + " bytes gave " + shape(grown) + " after " + shape(base);

  auto input = d;
  input.insert(input.end(), {0x81, 0x02});
  auto pushedAround = d;
  pushedAround.insert(pushedAround.end(), {0xA4, 0x75, 0x08, 0x95, data[0], 0xB4, 0x81, 0x02});
  const InputReportShape plain = inputReportShape(input);
  const InputReportShape restored = inputReportShape(pushedAround);
  if (restored.length != plain.length || restored.numbered != plain.numbered)
    return "a Push and Pop around Report Size and Count gave " + shape(restored) + ", not " + shape(plain);
  return {};
}

}  // namespace strumly::fuzz
