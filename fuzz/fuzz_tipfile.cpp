// libFuzzer target: arbitrary bytes as the shipped tip file tip.kvt.
#include "checks/ScratchFile.h"
#include "checks/TipFileCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto& folder = strumly::fuzz::scratchFolderRemovedAtExit("tips");
  strumly::fuzz::abortOnFinding(strumly::fuzz::checkTipFileInput(data, size, folder));
  return 0;
}
