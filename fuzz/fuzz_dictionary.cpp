// libFuzzer target: arbitrary chord-type, shape and scale files in a scratch program folder.
#include <cstdlib>
#include <filesystem>

#include "checks/DictionaryCheck.h"
#include "checks/ScratchFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  strumly::fuzz::abortOnFinding(
      strumly::fuzz::checkDictionaryInput(data, size, strumly::fuzz::scratchFolderRemovedAtExit("program")));
  return 0;
}
