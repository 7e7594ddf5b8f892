// libFuzzer target: arbitrary .ppf/.rpt pairs read, written back and read again in a scratch folder.
#include <cstdlib>
#include <filesystem>

#include "checks/PlayPageCheck.h"
#include "checks/ScratchFile.h"

namespace {

// Never destroyed, so the exit handler that removes the folder can still read it.
const std::filesystem::path& folder() {
  static const auto* path = [] {
    auto* p = new std::filesystem::path(strumly::fuzz::scratchPath("playpage"));
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(folder(), ec);
    });
    return p;
  }();
  return *path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  strumly::fuzz::abortOnFinding(strumly::fuzz::checkPlayPageInput(data, size, folder()));
  return 0;
}
