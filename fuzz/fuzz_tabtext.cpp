// libFuzzer target: arbitrary raw tab text scanned for blocks, converted, encoded and played.
#include "checks/TabCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  strumly::fuzz::abortOnFinding(strumly::fuzz::checkTabTextInput(data, size));
  return 0;
}
