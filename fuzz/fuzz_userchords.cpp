// libFuzzer target: arbitrary bytes as Kv.ini, read for the user chord types, which are then
// deleted and added.
#include "checks/ScratchFile.h"
#include "checks/UserChordsCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto& folder = strumly::fuzz::scratchFolderRemovedAtExit("userchords");
  strumly::fuzz::abortOnFinding(strumly::fuzz::checkUserChordsInput(data, size, folder));
  return 0;
}
