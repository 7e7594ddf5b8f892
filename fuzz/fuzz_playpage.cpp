// libFuzzer target: arbitrary .ppf/.rpt pairs read, written back and read again in a scratch folder.
#include <cstdlib>
#include <filesystem>

#include "checks/PlayPageCheck.h"
#include "checks/ScratchFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  strumly::fuzz::abortOnFinding(
      strumly::fuzz::checkPlayPageInput(data, size, strumly::fuzz::scratchFolderRemovedAtExit("playpage")));
  return 0;
}
