// libFuzzer target: arbitrary bytes as one ChordDiagram, ScaleDiagram and PrintCell image.
#include "checks/RecordCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  strumly::fuzz::abortOnFinding(strumly::fuzz::checkRecordInput(data, size));
  return 0;
}
