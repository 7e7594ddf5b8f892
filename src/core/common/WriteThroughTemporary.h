#pragma once
// Files the program writes whole (exports) go through "<target>.tmp", renamed over the target
// once complete: a failed write never leaves half a file and never touches the old one.
#include <filesystem>
#include <functional>
#include <string>

namespace strumly {

// `write` fills the temporary file and answers whether it succeeded. Empty on success, else the
// reason; the temporary file is gone either way.
std::string writeThroughTemporary(const std::filesystem::path& target,
                                  const std::function<bool(const std::filesystem::path& temporary)>& write);

}  // namespace strumly
