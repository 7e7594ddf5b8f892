// libFuzzer target: arbitrary bytes as the settings file Kv.ini, plus one write request.
#include <cstdio>
#include <cstdlib>

#include "checks/IniCheck.h"
#include "checks/ScratchFile.h"

namespace {

// Never destroyed, so the exit handler that removes the scratch files can still read it.
const std::string& scratch() {
  static const std::string* path = [] {
    auto* p = new std::string(strumly::fuzz::scratchPath("Kv.ini"));
    std::atexit([] {
      std::remove(scratch().c_str());
      std::remove((scratch() + ".tmp").c_str());
    });
    return p;
  }();
  return *path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  strumly::fuzz::abortOnFinding(strumly::fuzz::checkIniInput(data, size, scratch()));
  return 0;
}
