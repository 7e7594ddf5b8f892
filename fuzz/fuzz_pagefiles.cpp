// libFuzzer target: arbitrary bytes read as a Chords, Print, Chord Design and Scales page file.
#include "checks/PageFilesCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  strumly::fuzz::abortOnFinding(strumly::fuzz::checkPageFilesInput(data, size));
  return 0;
}
