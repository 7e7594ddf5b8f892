#pragma once
// A scratch file path private to this process, for harnesses whose reader takes a file name.
// Prefers the RAM disk so a million executions do not wear the real one.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
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

}  // namespace strumly::fuzz
