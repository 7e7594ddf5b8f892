// libFuzzer target: arbitrary bytes as the guitar's HID report descriptor.
#include "checks/HidDescriptorCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  strumly::fuzz::abortOnFinding(strumly::fuzz::checkHidDescriptorInput(data, size));
  return 0;
}
