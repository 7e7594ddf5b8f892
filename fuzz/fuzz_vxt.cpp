// libFuzzer target: arbitrary tab page files (.vxt) read, written back, read again and played.
#include "checks/TabCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  strumly::fuzz::abortOnFinding(strumly::fuzz::checkTabPageInput(data, size));
  return 0;
}
