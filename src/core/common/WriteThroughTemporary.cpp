#include "core/common/WriteThroughTemporary.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace strumly {

std::string couldNotWrite(const std::filesystem::path& target, const std::string& reason) {
  return "Could not write " + target.string() + ": " + reason + ".";
}

std::string writeThroughTemporaryWithReason(
    const std::filesystem::path& target,
    const std::function<std::string(const std::filesystem::path& temporary)>& write) {
  if (target.empty()) return "No file name was given to write to.";
  std::error_code ec;
  // A folder would only be found out at the rename, after the whole file was written beside it.
  if (std::filesystem::is_directory(target, ec)) return couldNotWrite(target, std::strerror(EISDIR));
  const std::filesystem::path temp = target.string() + ".tmp";
  if (std::string why = write(temp); !why.empty()) {
    std::filesystem::remove(temp, ec);
    return couldNotWrite(target, why);
  }
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    const std::string why = couldNotWrite(target, ec.message());
    std::filesystem::remove(temp, ec);
    return why;
  }
  return {};
}

std::string writeThroughTemporary(const std::filesystem::path& target,
                                  const std::function<bool(const std::filesystem::path& temporary)>& write) {
  return writeThroughTemporaryWithReason(target, [&write](const std::filesystem::path& temporary) {
    errno = 0;
    if (write(temporary)) return std::string();
    return std::string(std::strerror(errno != 0 ? errno : EIO));
  });
}

}  // namespace strumly
