#include "core/common/ReadWholeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace strumly {

std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::string& error,
                                         std::size_t limit) {
  const auto reason = [](int code) { return std::string(std::strerror(code != 0 ? code : EIO)); };
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    error = "Cannot open " + path.string() + ": " + reason(EISDIR) + ".";
    return std::nullopt;
  }
  errno = 0;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    error = "Cannot open " + path.string() + ": " + reason(errno) + ".";
    return std::nullopt;
  }
  std::string bytes;
  char chunk[64 * 1024];
  while (bytes.size() < limit) {
    const std::size_t want = std::min(sizeof chunk, limit - bytes.size());
    const std::size_t got = std::fread(chunk, 1, want, file.get());
    bytes.append(chunk, got);
    if (got < want) break;
  }
  if (std::ferror(file.get()) != 0) {
    error = "Cannot read " + path.string() + ": " + reason(errno) + ".";
    return std::nullopt;
  }
  return bytes;
}

}  // namespace strumly
