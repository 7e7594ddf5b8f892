#pragma once
// A scratch file path private to this process, for harnesses whose reader takes a file name.
// Prefers the RAM disk so a million executions do not wear the real one.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace strumly::fuzz {

inline std::string scratchDirectory() {
  if (const char* dir = std::getenv("STRUMLY_FUZZ_TMPDIR"); dir && *dir) return dir;
  if (access("/dev/shm", W_OK) == 0) return "/dev/shm";
  if (const char* dir = std::getenv("TMPDIR"); dir && *dir) return dir;
  return "/tmp";
}

inline std::string scratchPath(const char* name) {
  return scratchDirectory() + "/strumly-fuzz-" + std::to_string(getpid()) + "-" + name;
}

// A scratch folder for harnesses that read several files, removed when the process exits. Only
// one per process: the exit handler removes the folder of the first call.
inline const std::filesystem::path& scratchFolderRemovedAtExit(const char* name) {
  // Never destroyed, so the exit handler can still read it.
  static const auto* path = [name] {
    auto* p = new std::filesystem::path(scratchPath(name));
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(scratchFolderRemovedAtExit(""), ec);
    });
    return p;
  }();
  return *path;
}

}  // namespace strumly::fuzz
