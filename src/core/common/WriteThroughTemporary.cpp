#include "core/common/WriteThroughTemporary.h"

namespace strumly {

std::string writeThroughTemporary(const std::filesystem::path& target,
                                  const std::function<bool(const std::filesystem::path& temporary)>& write) {
  const std::filesystem::path temp = target.string() + ".tmp";
  std::error_code ec;
  if (!write(temp)) {
    std::filesystem::remove(temp, ec);
    return "cannot write " + temp.string();
  }
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    const std::string why = "cannot write " + target.string() + ": " + ec.message();
    std::filesystem::remove(temp, ec);
    return why;
  }
  return {};
}

}  // namespace strumly
