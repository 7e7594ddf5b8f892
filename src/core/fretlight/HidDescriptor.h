#pragma once
// What the guitar's HID report descriptor says about its input reports: how many bytes one holds
// and whether a report number comes first. The switch byte sits right after the report number.
#include <cstdint>
#include <vector>

namespace strumly {

struct InputReportShape {
  // Bytes of the longest input report, counting the report number byte (0 for unnumbered
  // reports, as the guitar sends them) the way the guitar's reports are always described.
  int length = 0;
  // True when the device numbers its reports: the number then arrives as the first byte read.
  bool numbered = false;
};

InputReportShape inputReportShape(const std::vector<std::uint8_t>& descriptor);

}  // namespace strumly
