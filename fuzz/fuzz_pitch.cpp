// libFuzzer target: arbitrary numbers through the pitch and tuning helpers.
#include "checks/PitchCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  strumly::fuzz::abortOnFinding(strumly::fuzz::checkPitchInput(data, size));
  return 0;
}
